#include "gui/calendar/CalendarAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "gui/base/FocusedItemAnnouncer.h"
#include "gui/calendar/CalendarGrid.h"

namespace {
// One day of the grid, by its offset from the range's first day.
class CCalendarDayAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CCalendarDayAccessible(CCalendarGrid* pGrid, int nOffset) : m_pGrid(pGrid), m_nOffset(nOffset) {}

    bool isValid() const override { return m_pGrid && Day() <= m_pGrid->Content().range.nLast; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pGrid ? m_pGrid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_pGrid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && m_pGrid ? m_pGrid->DayText(Day()) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_pGrid)
            return {};
        const QRect rc = m_pGrid->DayRect(Day());
        return QRect(m_pGrid->mapToGlobal(rc.topLeft()), rc.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (m_pGrid) {
            state.selected = Day() == m_pGrid->Cursor();
            state.focused = state.selected && m_pGrid->hasFocus();
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    // The cell of a table.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return CalendarRange::RowOf(Day()); }
    int rowIndex() const override { return m_pGrid ? m_pGrid->Content().range.ColumnOf(Day()) : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int Day() const { return m_pGrid ? m_pGrid->Content().range.nFirst + m_nOffset : 0; }

    QPointer<CCalendarGrid> m_pGrid;
    int m_nOffset;
};

class CCalendarAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit CCalendarAccessible(CCalendarGrid* pGrid) : QAccessibleWidget(pGrid, QAccessible::Table) {}
    ~CCalendarAccessible() override
    {
        for (const auto& [nOffset, id] : m_Days)
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return Range().nLast - Range().nFirst + 1; }
    QAccessibleInterface* child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        auto it = m_Days.find(i);
        if (it == m_Days.end())
            it = m_Days.emplace(i, QAccessible::registerAccessibleInterface(new CCalendarDayAccessible(Grid(), i)))
                     .first;
        return QAccessible::accessibleInterface(it->second);
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        for (const auto& [nOffset, id] : m_Days)
            if (QAccessible::accessibleInterface(id) == pChild)
                return nOffset < childCount() ? nOffset : -1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Grid()->hasFocus() ? child(Grid()->Cursor() - Range().nFirst) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::optional<int> nDays = Grid()->DayAt(Grid()->mapFromGlobal(QPoint(x, y)));
        return nDays ? child(*nDays - Range().nFirst) : nullptr;
    }

    // The table reads as calendars do, a row per week and a column per weekday from Sunday,
    // so that a screen reader that speaks the whole row on entering it speaks a week; days
    // outside the range have no cell.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int nRow, int nColumn) const override
    {
        const int nDays = Range().DayAt(nRow, nColumn);
        return Range().Contains(nDays) ? child(nDays - Range().nFirst) : nullptr;
    }
    int columnCount() const override { return 7; }
    int rowCount() const override { return Range().ColumnCount(); }
    int selectedCellCount() const override { return 1; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override { return {child(Grid()->Cursor() - Range().nFirst)}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CCalendarGrid* Grid() const { return static_cast<CCalendarGrid*>(widget()); }
    const CalendarRange& Range() const { return Grid()->Content().range; }

    // Day interfaces made so far, by offset; Qt's registry owns them, this list deletes them.
    mutable std::map<int, QAccessible::Id> m_Days;
};

QAccessibleInterface* CalendarAccessibleFactory(const QString& /*strClass*/, QObject* pObject)
{
    auto* pGrid = qobject_cast<CCalendarGrid*>(pObject);
    return pGrid ? new CCalendarAccessible(pGrid) : nullptr;
}
} // namespace

void InstallCalendarAccessible(CCalendarGrid& grid)
{
    static const bool bInstalled = (QAccessible::installFactory(&CalendarAccessibleFactory), true);
    Q_UNUSED(bInstalled);
    const auto cursorCell = [pGrid = &grid] { return pGrid->Cursor() - pGrid->Content().range.nFirst; };
    CFocusedItemAnnouncer::Install(grid, cursorCell);
    QObject::connect(&grid, &CCalendarGrid::cursorMoved, &grid,
                     [pGrid = &grid, cursorCell] { CFocusedItemAnnouncer::Announce(*pGrid, cursorCell()); });
}
