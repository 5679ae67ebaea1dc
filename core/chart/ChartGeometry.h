#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/base/Time.h"
#include "core/record/Kinds.h"

struct PERIODDATA;

// Bars to draw: 0 with no category, else the periods holding runs, at most nBarLimit.
int GetBarCount(std::optional<Category> nCategory, int nPeriods, int nBarLimit);

// Width of a chart of nBars bars and the gap used: the natural width n·W + (n+1)·G,
// or, when that is narrower than the client area, the client width with the bars
// spread over it. 0, or -1 when nBars is 0 or an output is missing.
int CalcChartWidth(int nBars, int nBarWidth, int nBarSpace, int nClientWidth, int* pcx, int* pSpace);

// Largest nBest (from 0) and smallest nWorst (from 999) of nBars elements. 0, or -1 when
// an argument is missing or zero or the maximum is below the minimum.
int GetValueRange(const PERIODDATA* p, int nBars, int* pMax, int* pMin);

// Where things go on a chart of a given size, bar layout and character cell (pixels).
struct ChartGeometry
{
    int cx = 0;        // chart width
    int cy = 0;        // chart height (the client height)
    int nBarWidth = 0; // W
    int nSpace = 0;    // the gap actually used
    int cxChar = 0;    // size of "8" in the chart font
    int cyChar = 0;

    int BarLeft(int i) const { return nSpace + (nBarWidth + nSpace) * i; }
    int BarRight(int i) const { return BarLeft(i) + nBarWidth; } // exclusive
    int BarCenter(int i) const { return nSpace + nBarWidth / 2 + (nBarWidth + nSpace) * i; }
    static constexpr int TopY() { return 5; }
    int BaseY() const;       // the axis
    int PlotHeight() const;  // BaseY() - 15
    int LabelY(int i) const; // even bars on the lower row, odd bars on the upper
    // False when the chart is lower than four text lines and 15 pixels.
    bool IsTallEnough() const { return cy >= 4 * cyChar + 15; }
};

// y of value v: nMax maps to 10, nMin to the axis - 5; with nMax == nMin every value lands at 9.
int ValueToY(int v, int nMax, int nMin, int nPlotHeight);

// The first of 5, 10, 20, 25, 50 whose grid lines lie more than four text lines apart; 50
// otherwise, unless that makes more than 1000 lines: then the first of those steps times
// 10, 100, ... whose lines lie that far apart (or that leaves one line).
int ChooseGridStep(int nPlotHeight, int nMax, int nMin, int cyChar);
// Values of the horizontal grid lines: the multiples of nStep above nMin, up to nMax.
std::vector<int> GridValues(int nMin, int nMax, int nStep);

// Label under a bar: "%#m/%#d", "%#m/%#d-" or "%#m" by scale, with "%y/" in front where
// the year differs from the bar to the left.
std::string FormatDateLabel(CTime date, CTime prevDate, Scale nScale);
// Left end of a label of nChars characters centred on a bar.
int LabelLeft(int nCenter, int cxChar, int nChars);

// The bar under client x with the chart scrolled by sx, or -1 in a gap or beside the bars.
int HitTest(int x, int sx, int nBarWidth, int nSpace, int nBars);
