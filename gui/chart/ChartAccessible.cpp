#include "gui/chart/ChartAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <map>

#include "gui/base/FocusedItemAnnouncer.h"
#include "gui/chart/Norv2View.h"

namespace {
// One bar of the chart; it stays valid while the chart has a bar of its index.
class CChartBarAccessible : public QAccessibleInterface
{
public:
    CChartBarAccessible(CNorv2View* pView, int nBar) : m_pView(pView), m_nBar(nBar) {}

    bool isValid() const override { return m_pView && m_nBar < m_pView->GetBarCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pView ? m_pView->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_pView); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && m_pView ? m_pView->GetBarStatusText(m_nBar) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_pView)
            return {};
        const QRect rc = m_pView->GetBarRect(m_nBar);
        return QRect(m_pView->viewport()->mapToGlobal(rc.topLeft()), rc.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (!m_pView)
            return state;
        state.selected = m_nBar == m_pView->GetCursorBar();
        state.focused = state.selected && m_pView->hasFocus();
        state.offscreen = !m_pView->viewport()->rect().intersects(m_pView->GetBarRect(m_nBar));
        return state;
    }

private:
    QPointer<CNorv2View> m_pView;
    int m_nBar;
};

class CChartAccessible : public QAccessibleWidget
{
public:
    explicit CChartAccessible(CNorv2View* pView) : QAccessibleWidget(pView, QAccessible::List) {}
    ~CChartAccessible() override
    {
        for (const auto& [nBar, id] : m_Bars)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return View()->GetBarCount(); }
    QAccessibleInterface* child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        auto it = m_Bars.find(i);
        if (it == m_Bars.end())
            it = m_Bars.emplace(i, QAccessible::registerAccessibleInterface(new CChartBarAccessible(View(), i))).first;
        return QAccessible::accessibleInterface(it->second);
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        for (const auto& [nBar, id] : m_Bars)
            if (QAccessible::accessibleInterface(id) == pChild)
                return nBar < childCount() ? nBar : -1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return View()->hasFocus() ? child(View()->GetCursorBar()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(View()->BarAt(View()->viewport()->mapFromGlobal(QPoint(x, y))));
    }

private:
    CNorv2View* View() const { return static_cast<CNorv2View*>(widget()); }

    // Bar interfaces made so far, by index; Qt's registry owns them, this list deletes them.
    mutable std::map<int, QAccessible::Id> m_Bars;
};

QAccessibleInterface* ChartAccessibleFactory(const QString& /*strClass*/, QObject* pObject)
{
    auto* pView = qobject_cast<CNorv2View*>(pObject);
    return pView ? new CChartAccessible(pView) : nullptr;
}
} // namespace

void InstallChartAccessible(CNorv2View& view)
{
    static const bool bInstalled = (QAccessible::installFactory(&ChartAccessibleFactory), true);
    Q_UNUSED(bInstalled);
    view.setAccessibleName(QStringLiteral("グラフ"));
    CFocusedItemAnnouncer::Install(view, [pView = &view] { return pView->GetCursorBar(); });
    QObject::connect(&view, &CNorv2View::barCursorChanged, &view,
                     [pView = &view] { CFocusedItemAnnouncer::Announce(*pView, pView->GetCursorBar()); });
}
