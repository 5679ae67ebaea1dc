#pragma once
#include "core/base/Rect.h"
#include "core/chart/ChartGeometry.h"

// The keys that move the keyboard's bar cursor.
enum class BarKey
{
    Previous,
    Next,
    Oldest,
    Newest,
    PagePrevious,
    PageNext,
};

// The bar a keyboard user stands on in the chart last drawn, and where that bar is.
// Coordinates are chart pixels unless a scroll position sx is given: then viewport pixels.
class CBarCursor
{
public:
    // A chart of nBars bars was drawn: the cursor keeps its bar where the chart still has it,
    // or stands on the newest one. No bars: no cursor.
    void SetChart(const ChartGeometry& g, int nBars);
    void ToNewest() { m_nBar = m_nBars - 1; }
    // -1 without bars.
    int GetBar() const { return m_nBars > 0 ? m_nBar : -1; }
    int GetBarCount() const { return m_nBars; }

    // Moves by a key, a page being what a window nClientWidth wide shows; true when it moved.
    bool Move(BarKey key, int nClientWidth);
    // Bars a window nClientWidth wide shows, at least one.
    int BarsPerPage(int nClientWidth) const;
    // The scroll position nearest sx at which a window nClientWidth wide shows the cursor's
    // bar whole with the gaps beside it (their left end when the window is narrower).
    int ScrollToShow(int sx, int nClientWidth) const;
    // The focus rectangle around bar i, from just below the top line to just above the axis
    // and reaching into the gaps on either side; empty for no bar.
    CRect BarRect(int i, int sx) const;

private:
    ChartGeometry m_g;
    int m_nBars = 0;
    int m_nBar = -1;
};
