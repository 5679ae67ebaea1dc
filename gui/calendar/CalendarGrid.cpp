#include "gui/calendar/CalendarGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "gui/base/RectConvert.h"
#include "gui/calendar/CalendarAccessible.h"

namespace {
QString Piece(unsigned nID, int n)
{
    return QString::fromStdString(LoadSubString(nID, n));
}
} // namespace

CCalendarGrid::CCalendarGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    UpdateGeometry();
    InstallCalendarAccessible(*this);
}

void CCalendarGrid::SetContent(CalendarGridContent content, std::optional<int> nCursor)
{
    const bool bOtherRange = content.range != m_Content.range;
    m_Content = std::move(content);
    const int nOld = m_nCursor;
    m_nCursor = std::clamp(nCursor.value_or(m_nCursor), m_Content.range.nFirst, m_Content.range.nLast);
    UpdateGeometry();
    update();
    if (bOtherRange || m_nCursor != nOld)
        emit cursorMoved(m_nCursor);
}

void CCalendarGrid::SetCursor(int nDays)
{
    const int nCursor = std::clamp(nDays, m_Content.range.nFirst, m_Content.range.nLast);
    if (nCursor == m_nCursor)
        return;
    update(DayRect(m_nCursor).adjusted(-2, -2, 2, 2));
    m_nCursor = nCursor;
    update(DayRect(m_nCursor).adjusted(-2, -2, 2, 2));
    emit cursorMoved(m_nCursor);
}

QRect CCalendarGrid::DayRect(int nDays) const
{
    const CalendarRange& r = m_Content.range;
    return ToQRect(m_Geometry.CellRect(r.ColumnOf(nDays), CalendarRange::RowOf(nDays)));
}

QSize CCalendarGrid::sizeHint() const
{
    // Room for a month name that begins in the last column, and for the legend below.
    const int nMonthWidth = fontMetrics().horizontalAdvance(Piece(IDS_MONTH_NAMES, 11));
    return {m_Geometry.Width(m_Content.range.ColumnCount()) + nMonthWidth,
            m_Geometry.Height() + 2 * m_Geometry.nGap + fontMetrics().height()};
}

void CCalendarGrid::UpdateGeometry()
{
    int nWeekdayWidth = 0;
    for (int i = 0; i < 7; ++i)
        nWeekdayWidth = std::max(nWeekdayWidth, fontMetrics().horizontalAdvance(Piece(IDS_WEEKDAY_NAMES, i)));
    m_Geometry = CalendarGeometry::ForFont(fontMetrics().height(), nWeekdayWidth);
    updateGeometry();
}

void CCalendarGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const CalendarRange& r = m_Content.range;
    p.fillRect(rect(), m_Content.back);
    p.setPen(m_Content.text);
    // Weekday names on Monday, Wednesday and Friday, as the rows are too low for all seven.
    for (int nRow = 1; nRow < 7; nRow += 2) {
        const QRect cell = ToQRect(m_Geometry.CellRect(0, nRow));
        p.drawText(QRect(0, cell.top() - m_Geometry.nGap, m_Geometry.nLeft, cell.height() + 2 * m_Geometry.nGap),
                   Qt::AlignLeft | Qt::AlignVCenter, Piece(IDS_WEEKDAY_NAMES, nRow));
    }
    const int nColumns = r.ColumnCount();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        if (const int nMonth = MonthStartingInColumn(r, nColumn); nMonth > 0) {
            const QRect cell = ToQRect(m_Geometry.CellRect(nColumn, 0));
            p.drawText(QPoint(cell.left(), m_Geometry.nTop - m_Geometry.nGap - fontMetrics().descent()),
                       Piece(IDS_MONTH_NAMES, nMonth - 1));
        }
    }
    // Days after today are left empty.
    for (int nDays = r.nFirst; nDays <= std::min(r.nLast, m_Content.nToday); ++nDays) {
        const std::size_t i = static_cast<std::size_t>(nDays - r.nFirst);
        const int nRuns = i < m_Content.nRuns.size() ? m_Content.nRuns[i] : 0;
        p.fillRect(DayRect(nDays), m_Content.shades[static_cast<std::size_t>(ShadeStep(nRuns, m_Content.nMostRuns))]);
    }
    PaintLegend(p);
    p.setBrush(Qt::NoBrush);
    if (r.Contains(m_Content.nToday)) {
        p.setPen(QPen(m_Content.text, 1));
        p.drawRect(QRectF(DayRect(m_Content.nToday)).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // The cursor shows where the keys act, so only while they do.
    if (hasFocus()) {
        p.setPen(QPen(m_Content.text, 2));
        p.drawRect(QRectF(DayRect(m_nCursor)).adjusted(-1, -1, 1, 1));
    }
}

void CCalendarGrid::PaintLegend(QPainter& p) const
{
    // "少", the five shades, "多", ending under the grid's last column.
    const QString few = Piece(IDS_CALENDAR_LEGEND, 0), many = Piece(IDS_CALENDAR_LEGEND, 1);
    const int nPitch = m_Geometry.nCell + m_Geometry.nGap;
    const int nTop = m_Geometry.Height() + 2 * m_Geometry.nGap;
    const int nLineHeight = fontMetrics().height();
    int x = m_Geometry.Width(m_Content.range.ColumnCount()) - fontMetrics().horizontalAdvance(many) -
            static_cast<int>(m_Content.shades.size()) * nPitch - fontMetrics().horizontalAdvance(few) - m_Geometry.nGap;
    p.setPen(m_Content.text);
    p.drawText(QRect(x, nTop, fontMetrics().horizontalAdvance(few), nLineHeight), Qt::AlignVCenter, few);
    x += fontMetrics().horizontalAdvance(few) + m_Geometry.nGap;
    for (const QColor& shade : m_Content.shades) {
        p.fillRect(QRect(x, nTop + (nLineHeight - m_Geometry.nCell) / 2, m_Geometry.nCell, m_Geometry.nCell), shade);
        x += nPitch;
    }
    p.drawText(QRect(x, nTop, fontMetrics().horizontalAdvance(many), nLineHeight), Qt::AlignVCenter, many);
}

void CCalendarGrid::MoveCursorBy(int nDays)
{
    SetCursor(m_nCursor + nDays);
}

void CCalendarGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: MoveCursorBy(-1); break;
    case Qt::Key_Down: MoveCursorBy(1); break;
    case Qt::Key_Left: MoveCursorBy(-7); break;
    case Qt::Key_Right: MoveCursorBy(7); break;
    case Qt::Key_Home: SetCursor(m_Content.range.nFirst); break;
    case Qt::Key_End: SetCursor(m_Content.range.nLast); break;
    case Qt::Key_PageUp: emit yearStepRequested(-1); break;
    case Qt::Key_PageDown: emit yearStepRequested(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit dayActivated(m_nCursor); break;
    default: QWidget::keyPressEvent(event);
    }
}

std::optional<int> CCalendarGrid::DayAt(QPoint pt) const
{
    const CalendarRange& r = m_Content.range;
    const std::optional<CPoint> cell = m_Geometry.CellAt({pt.x(), pt.y()}, r.ColumnCount());
    if (!cell)
        return std::nullopt;
    const int nDays = r.DayAt(cell->x, cell->y);
    return r.Contains(nDays) ? std::optional<int>(nDays) : std::nullopt;
}

void CCalendarGrid::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<int> nDays = DayAt(event->position().toPoint());
    if (nDays != m_nPointed) {
        m_nPointed = nDays;
        emit dayPointed(nDays);
    }
}

void CCalendarGrid::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<int> nDays = DayAt(event->position().toPoint()))
        SetCursor(*nDays);
    QWidget::mousePressEvent(event);
}

void CCalendarGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const std::optional<int> nDays = DayAt(event->position().toPoint()))
        emit dayActivated(*nDays);
}

void CCalendarGrid::leaveEvent(QEvent*)
{
    if (m_nPointed) {
        m_nPointed.reset();
        emit dayPointed(std::nullopt);
    }
}

void CCalendarGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        UpdateGeometry();
    QWidget::changeEvent(event);
}

void CCalendarGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void CCalendarGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
