#pragma once
#include <string>
#include <vector>

#include "core/base/Point.h"
#include "core/base/Rect.h"
#include "core/base/Time.h"
#include "core/chart/ChartGeometry.h"

struct PERIODDATA;

// Everything a chart shows, in chart pixels, in drawing order: the painter only draws it.
struct ChartPicture
{
    struct Bar
    {
        CRect rect; // from y(best) to y(worst); may be of zero height
        bool bNewBest = false;
    };
    struct Label
    {
        std::string text;
        CPoint pt; // top-left
    };

    ChartGeometry geometry;
    int nMax = 0;
    int nMin = 0;
    int nStep = 0;
    std::vector<int> gridX;   // even bars: dotted line from the axis up to the top line
    std::vector<int> tickX;   // odd bars: from the axis 3 pixels down
    std::vector<int> gridY;   // horizontal dotted lines across the chart
    std::vector<Bar> bars;    // left to right
    std::vector<CPoint> line; // through the averages, left to right
    std::vector<Label> labels;
    std::vector<CTime> barDates; // the period key of each bar, left to right
};

// Lays out the chart of the n periods in p (newest first, as the statistics fill them),
// oldest at the left. False when the value range is empty (no chart).
bool BuildChartPicture(const PERIODDATA* p, int n, const ChartGeometry& geometry, Scale nScale, ChartPicture& out);
