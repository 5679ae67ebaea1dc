#include "core/calendar/CalendarGeometry.h"

#include <algorithm>

CalendarGeometry CalendarGeometry::ForFont(int nFontHeight, int nWeekdayWidth)
{
    CalendarGeometry g;
    // A square a little less than a line of text, so a week reads as a column of text lines.
    g.nCell = std::max(8, nFontHeight * 4 / 5);
    g.nGap = std::max(2, g.nCell / 6);
    g.nLeft = nWeekdayWidth + g.nCell / 2;
    g.nTop = nFontHeight + g.nGap;
    return g;
}

CRect CalendarGeometry::CellRect(int nColumn, int nRow) const
{
    const int x = nLeft + nColumn * (nCell + nGap);
    const int y = nTop + nRow * (nCell + nGap);
    return {x, y, x + nCell, y + nCell};
}

std::optional<CPoint> CalendarGeometry::CellAt(CPoint pt, int nColumns) const
{
    const int nPitch = nCell + nGap;
    if (pt.x < nLeft || pt.y < nTop)
        return std::nullopt;
    const int nColumn = (pt.x - nLeft) / nPitch;
    const int nRow = (pt.y - nTop) / nPitch;
    // The gaps between squares belong to none.
    if (nColumn >= nColumns || nRow >= 7 || (pt.x - nLeft) % nPitch >= nCell || (pt.y - nTop) % nPitch >= nCell)
        return std::nullopt;
    return CPoint{nColumn, nRow};
}

int CalendarGeometry::Width(int nColumns) const
{
    return nLeft + nColumns * (nCell + nGap) - nGap;
}

int CalendarGeometry::Height() const
{
    return nTop + 7 * (nCell + nGap) - nGap;
}
