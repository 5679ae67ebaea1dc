#include "core/chart/ChartGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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
    // An empty range has a zero divisor, which MulDiv answers with -1: hence 9.
    if (nMax == nMin)
        return 9;
    // In 64 bits: a damaged record can put nMax and nMin further apart than an int holds.
    return ClampToInt(MulDiv64(std::int64_t{nMax} - v, nPlotHeight, std::int64_t{nMax} - nMin) + 10);
}

namespace {
constexpr int kGridSteps[] = {5, 10, 20, 25, 50};
constexpr int kMaxGridLines = 1000;
} // namespace

int ChooseGridStep(int nPlotHeight, int nMax, int nMin, int cyChar)
{
    const std::int64_t nSpan = std::int64_t{nMax} - nMin;
    if (nSpan <= 0)
        return 50;
    const auto isWideEnough = [&](std::int64_t step) { return MulDiv64(nPlotHeight, step, nSpan) > 4 * cyChar; };
    for (int step : kGridSteps)
        if (isWideEnough(step))
            return step;
    // Hits stay far below this; a damaged record's span would cost a line for every 50
    // values, so it takes the same steps times 10, 100, ... until the lines stand apart.
    if (nSpan <= std::int64_t{50} * kMaxGridLines)
        return 50;
    int nStep = 50;
    for (std::int64_t scale = 10;; scale *= 10) {
        for (int base : kGridSteps) {
            const std::int64_t step = base * scale;
            if (step > std::numeric_limits<int>::max())
                return nStep;
            nStep = static_cast<int>(step);
            if (isWideEnough(step) || step >= nSpan)
                return nStep;
        }
    }
}

std::vector<int> GridValues(int nMin, int nMax, int nStep)
{
    std::vector<int> values;
    if (nStep <= 0)
        return values;
    // The first multiple of the step above nMin; nMin itself gets no line.
    const std::int64_t step = nStep;
    for (std::int64_t v = nMin + step - (nMin % step + step) % step; v <= nMax; v += step)
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
