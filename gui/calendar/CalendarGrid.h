#pragma once
#include <QColor>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/calendar/CalendarGeometry.h"
#include "core/calendar/CalendarRange.h"

// What a calendar grid shows: its days, their runs and its colours.
struct CalendarGridContent
{
    CalendarRange range;
    std::vector<int> nRuns; // per day of the range, its first day first; none after today
    int nMostRuns = 0;      // of any day shown
    int nToday = 0;
    std::array<QColor, 5> shades; // no runs, then few to many
    QColor back;
    QColor text; // labels, the frame of today and the cursor
};

// A year of days as squares, a column per week from Sunday to Saturday, shaded by runs;
// month names above, weekday names at the left. A day cursor follows the keys: Up/Down a
// day, Left/Right a week, Home/End the first and last day; Enter or a double-click asks
// for the day's board, PageUp/PageDown for the year before or after.
class QPainter;

class CCalendarGrid : public QWidget
{
    Q_OBJECT

public:
    explicit CCalendarGrid(QWidget* parent = nullptr);

    // Shows new content with the cursor on nCursor, or where it was, held to the range; a
    // cursor on another day or in another range is said to have moved.
    void SetContent(CalendarGridContent content, std::optional<int> nCursor = std::nullopt);
    const CalendarGridContent& Content() const { return m_Content; }
    // Puts the cursor on a day of the range (the nearest one for a day outside it).
    void SetCursor(int nDays);
    int Cursor() const { return m_nCursor; }
    // Where a day's square is, in widget pixels.
    QRect DayRect(int nDays) const;
    // The day whose square is at pt, if one of the range is.
    std::optional<int> DayAt(QPoint pt) const;
    // What a day holds, in words, as the window gives it.
    void SetDayText(std::function<QString(int)> dayText) { m_DayText = std::move(dayText); }
    QString DayText(int nDays) const { return m_DayText ? m_DayText(nDays) : QString(); }
    QSize sizeHint() const override;

signals:
    void cursorMoved(int nDays);
    void dayPointed(std::optional<int> nDays); // the pointer is on a day, or on none
    void dayActivated(int nDays);
    void yearStepRequested(int nStep); // -1 the year before, +1 the year after

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateGeometry();
    void MoveCursorBy(int nDays);
    void PaintLegend(QPainter& p) const;

    CalendarGridContent m_Content;
    CalendarGeometry m_Geometry;
    int m_nCursor = 0;
    std::optional<int> m_nPointed;
    std::function<QString(int)> m_DayText;
};
