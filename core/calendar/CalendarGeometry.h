#pragma once
#include <optional>

#include "core/base/Point.h"
#include "core/base/Rect.h"

// Where the squares of a calendar grid lie, in widget pixels: weekday names in a band at
// the left, month names in a band at the top, then a square per day, a column per week.
struct CalendarGeometry
{
    int nCell = 11; // the side of a square
    int nGap = 2;   // between squares
    int nLeft = 0;  // the weekday names' band
    int nTop = 0;   // the month names' band

    // Squares sized for a font nFontHeight pixels high, with the bands the labels need.
    static CalendarGeometry ForFont(int nFontHeight, int nWeekdayWidth);

    CRect CellRect(int nColumn, int nRow) const;
    // The column and row of the square under pt, if it is on one of nColumns columns.
    std::optional<CPoint> CellAt(CPoint pt, int nColumns) const;
    // The width and height the grid of nColumns needs.
    int Width(int nColumns) const;
    int Height() const;
};
