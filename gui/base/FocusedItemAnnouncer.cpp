#include "gui/base/FocusedItemAnnouncer.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

namespace {
class CEntryWatcher : public QObject
{
public:
    CEntryWatcher(QWidget& widget, std::function<int()> item) : QObject(&widget), m_widget(widget), m_item(item)
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        // Qt tells the widget's own focus once the focus has moved, and again when a window
        // manager activates the window late, without another focus-in; the item follows both.
        if (pWatched == &m_widget && (pEvent->type() == QEvent::FocusIn || pEvent->type() == QEvent::WindowActivate))
            QMetaObject::invokeMethod(
                this, [this] { CFocusedItemAnnouncer::Announce(m_widget, m_item()); }, Qt::QueuedConnection);
        return false;
    }

private:
    QWidget& m_widget;
    std::function<int()> m_item;
};
} // namespace

void CFocusedItemAnnouncer::Install(QWidget& widget, std::function<int()> item)
{
    new CEntryWatcher(widget, std::move(item));
}

void CFocusedItemAnnouncer::Announce(QWidget& widget, int nItem)
{
    if (nItem < 0 || !widget.hasFocus())
        return;
    QAccessibleEvent focus(&widget, QAccessible::Focus);
    focus.setChild(nItem);
    QAccessible::updateAccessibility(&focus);
}
