#pragma once

// A stretch of a chart's width, in chart pixels: x from left up to left + width.
struct ChartSpan
{
    int left = 0;
    int width = 0;

    int Right() const { return left + width; } // exclusive
    bool Contains(int x0, int x1) const { return x0 >= left && x1 <= Right(); }
    // Whether anything between x0 and x1 (inclusive) lies in the span.
    bool Touches(int x0, int x1) const { return x1 >= left && x0 < Right(); }
};

// What of a chart nChartWidth wide shows in a view nViewWidth wide scrolled to nScroll.
ChartSpan VisibleSpan(int nChartWidth, int nScroll, int nViewWidth);

// What the view keeps rendered around what it shows: a quarter of the view's width more on
// each side, as far as the chart goes, so that scrolling by a few bars only copies.
ChartSpan KeptSpan(int nChartWidth, int nScroll, int nViewWidth);
