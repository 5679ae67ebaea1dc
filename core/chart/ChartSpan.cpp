#include "core/chart/ChartSpan.h"

#include <algorithm>

ChartSpan VisibleSpan(int nChartWidth, int nScroll, int nViewWidth)
{
    const int cx = std::max(0, nChartWidth);
    const int left = std::clamp(nScroll, 0, cx);
    return {left, std::clamp(nViewWidth, 0, cx - left)};
}

ChartSpan KeptSpan(int nChartWidth, int nScroll, int nViewWidth)
{
    const int cx = std::max(0, nChartWidth);
    const ChartSpan shown = VisibleSpan(cx, nScroll, nViewWidth);
    const int margin = std::clamp(nViewWidth, 0, cx) / 4;
    const int width = std::min(shown.width + 2 * margin, cx);
    return {std::clamp(shown.left - margin, 0, cx - width), width};
}
