#pragma once
#include <QApplication>
#include <QWidget>

// The shown top-level window of type T, modal or not, or null.
template <typename T> T* ShownWindow()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        if (auto* pWindow = qobject_cast<T*>(pWidget); pWindow && pWindow->isVisible())
            return pWindow;
    return nullptr;
}
