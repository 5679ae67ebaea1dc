#include "core/chart/ChartPicture.h"

#include "core/record/PeriodData.h"

bool BuildChartPicture(const PERIODDATA* p, int n, const ChartGeometry& g, Scale nScale, ChartPicture& out)
{
    out = ChartPicture{};
    out.geometry = g;
    if (GetValueRange(p, n, &out.nMax, &out.nMin) != 0)
        return false;
    const int nPlot = g.PlotHeight();
    out.nStep = ChooseGridStep(nPlot, out.nMax, out.nMin, g.cyChar);
    const auto y = [&](int v) { return ValueToY(v, out.nMax, out.nMin, nPlot); };

    for (int i = 0; i < n; ++i)
        (i % 2 == 0 ? out.gridX : out.tickX).push_back(g.BarCenter(i));
    for (int v : GridValues(out.nMin, out.nMax, out.nStep))
        out.gridY.push_back(y(v));

    for (int i = 0; i < n; ++i) {
        const PERIODDATA& period = p[n - 1 - i];
        out.bars.push_back({{g.BarLeft(i), y(period.nBest), g.BarRight(i), y(period.nWorst)}, period.bNewBest});
        out.line.push_back({g.BarCenter(i), y(period.nAve)});
        const CTime prev = i == 0 ? period.Date : p[n - i].Date;
        std::string text = FormatDateLabel(period.Date, prev, nScale);
        const int nLeft = LabelLeft(g.BarCenter(i), g.cxChar, static_cast<int>(text.size()));
        out.labels.push_back({std::move(text), {nLeft, g.LabelY(i)}});
        out.barDates.push_back(period.Date);
    }
    return true;
}
