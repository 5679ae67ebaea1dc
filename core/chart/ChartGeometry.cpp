#include "core/chart/ChartGeometry.h"

#include <algorithm>

#include "core/base/MulDiv.h"
#include "core/record/PeriodData.h"

int GetBarCount(std::optional<Category> nCategory, int nPeriods, int nBarLimit)
{
    if (!nCategory)
        return 0;
    return std::max(0, std::min(nPeriods, nBarLimit));
}

int CalcChartWidth(int nBars, int nBarWidth, int nBarSpace, int nClientWidth, int* pcx, int* pSpace)
{
    if (nBars <= 0 || !pcx || !pSpace)
        return -1;
    int nSpace = nBarSpace;
    int cx = nBars * nBarWidth + (nBars + 1) * nSpace;
    if (cx < nClientWidth) {
        cx = nClientWidth;
        nSpace = (cx - nBars * nBarWidth) / (nBars + 1);
    }
    *pcx = cx;
    *pSpace = nSpace;
    return 0;
}

int GetValueRange(const PERIODDATA* p, int nBars, int* pMax, int* pMin)
{
    if (!p || nBars <= 0 || !pMax || !pMin)
        return -1;
    int nMax = 0;
    int nMin = 999;
    for (int i = 0; i < nBars; ++i) {
        nMax = std::max(nMax, p[i].nBest);
        nMin = std::min(nMin, p[i].nWorst);
    }
    if (nMax < nMin)
        return -1;
    *pMax = nMax;
    *pMin = nMin;
    return 0;
}

int ChartGeometry::BaseY() const
{
    return cy - MulDiv(cyChar, 7, 2);
}

int ChartGeometry::PlotHeight() const
{
    return BaseY() - 15;
}

int ChartGeometry::LabelY(int i) const
{
    return i % 2 == 0 ? cy - MulDiv(cyChar, 3, 2) : cy - 3 * cyChar;
}

int ValueToY(int v, int nMax, int nMin, int nPlotHeight)
{
    // MulDiv gives -1 for the zero divisor of an empty range, hence 9.
    return MulDiv(nMax - v, nPlotHeight, nMax - nMin) + 10;
}

int ChooseGridStep(int nPlotHeight, int nMax, int nMin, int cyChar)
{
    for (int step : {5, 10, 20, 25, 50})
        if (MulDiv(nPlotHeight, step, nMax - nMin) > 4 * cyChar)
            return step;
    return 50;
}

std::vector<int> GridValues(int nMin, int nMax, int nStep)
{
    std::vector<int> values;
    if (nStep <= 0)
        return values;
    // The first multiple of the step above nMin; nMin itself gets no line.
    for (long long v = nMin + nStep - ((nMin % nStep + nStep) % nStep); v <= nMax; v += nStep)
        values.push_back(static_cast<int>(v));
    return values;
}

std::string FormatDateLabel(CTime date, CTime prevDate, Scale nScale)
{
    const bool bSameYear = date.GetYear() == prevDate.GetYear();
    switch (nScale) {
    case Scale::Daily: return date.Format(bSameYear ? "%#m/%#d" : "%y/%#m/%#d");
    case Scale::Weekly: return date.Format(bSameYear ? "%#m/%#d-" : "%y/%#m/%#d-");
    case Scale::Monthly: break;
    }
    return date.Format(bSameYear ? "%#m" : "%y/%#m");
}

int LabelLeft(int nCenter, int cxChar, int nChars)
{
    return nCenter - MulDiv(cxChar, nChars, 2);
}

int HitTest(int x, int sx, int nBarWidth, int nSpace, int nBars)
{
    const int nPitch = nBarWidth + nSpace;
    const int X = x + sx;
    if (nPitch <= 0 || X < 0)
        return -1;
    const int i = X / nPitch;
    const int r = X % nPitch;
    return i < nBars && r >= nSpace ? i : -1;
}
