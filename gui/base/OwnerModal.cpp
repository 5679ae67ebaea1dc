#include "gui/base/OwnerModal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>

namespace {
// Keeps input from the owner's window while it lives. The dialog has no parent, so that the
// window manager stacks it above the boards; Qt's own window modality needs the owner as
// parent, and its application modality would block the boards too.
class COwnerBlocker : public QObject
{
public:
    COwnerBlocker(QDialog& dialog, QWidget& owner) : m_dialog(dialog), m_owner(owner)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!IsOwners(pWatched))
            return false;
        switch (pEvent->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_dialog.raise();
            m_dialog.activateWindow();
            return true;
        case QEvent::ShortcutOverride:
            // Taken as the focused widget's own key, so that no shortcut of the owner fires.
            pEvent->accept();
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu: return true;
        case QEvent::Close: pEvent->ignore(); return true;
        default: return false;
        }
    }

private:
    bool IsOwners(QObject* pObject) const
    {
        if (auto* pWidget = qobject_cast<QWidget*>(pObject))
            return pWidget->window() == &m_owner;
        auto* pAction = qobject_cast<QAction*>(pObject);
        return pAction && pAction->parent() == &m_owner;
    }

    QDialog& m_dialog;
    QWidget& m_owner;
};
} // namespace

int ExecOwnerModal(QDialog& dialog, QWidget& owner)
{
    const COwnerBlocker blocker(dialog, owner);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    return dialog.result();
}
