// Rendering a 999-bar chart for a 1920 x 1080 window beside filling an image of the same size.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "MedianTime.h"
#include "core/record/CivilDay.h"
#include "core/record/RecordBook.h"
#include "core/settings/AppSetting.h"
#include "gui/chart/ChartPainter.h"

namespace {
// 1,200 days of alphabet runs with a rising score, so that every bar differs.
void FillBook(CRecordBook& book)
{
    char line[64];
    for (int i = 0; i < 1200; ++i) {
        int y, m, d;
        CivilFromDays(DaysFromCivil(2020, 1, 1) + i, y, m, d);
        for (int run = 0; run < 3; ++run) {
            std::snprintf(line, sizeof line, "A %04d-%02d-%02d  %02d:00:00   HIT: %3d  MISS: %3d", y, m, d, 10 + run,
                          100 + (i * 7 + run * 31) % 800, run);
            if (book.ParseLine(line) != 0)
                std::abort(); // the lines above are always records
        }
    }
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    CRecordBook book;
    FillBook(book);
    CAppSetting setting;
    setting.m_nBarCount = 999;
    const QSize client(1920, 1080);
    const int nRuns = 9;

    QSize chartSize;
    const double renderMs = MedianMs(nRuns, [&] {
        const ChartRender render = RenderChart(book, setting, Category::Alph, Scale::Daily, client);
        chartSize = render.image.size();
    });
    const double fillMs = MedianMs(nRuns, [&] {
        QImage image(chartSize, QImage::Format_RGB32);
        image.fill(Qt::white);
    });
    std::printf("999 bars for a 1920 x 1080 window: chart image %d x %d, median of %d runs\n", chartSize.width(),
                chartSize.height(), nRuns);
    std::printf("%-40s %8.1f ms\n", "render the chart", renderMs);
    std::printf("%-40s %8.1f ms\n", "baseline: fill an image of that size", fillMs);
    std::printf("render / fill: %.1fx\n", renderMs / fillMs);
    return 0;
}
