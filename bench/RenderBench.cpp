// The first paint of a 999-bar chart for a 1920 x 1080 window and a scroll by a page, beside
// filling one image of the window's size, at device pixel ratios 1 and 2; and the whole chart
// drawn at once, as the view once kept it, beside filling an image of that size.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <vector>

#include "MedianTime.h"
#include "core/base/Time.h"
#include "core/chart/ChartSpan.h"
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
    PinLocalTimeZone();
    // Every image gets memory of its own from the system, as the first image of a window
    // does, rather than memory the allocator kept from the previous run.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    CRecordBook book;
    FillBook(book);
    CAppSetting setting;
    setting.m_nBarCount = 999;
    const QSize client(1920, 1080);
    const int nRuns = 9;
    const auto layOut = [&] { return LayOutChart(book, setting, Category::Alph, Scale::Daily, client); };
    const auto newest = [&](const ChartLayout& chart) {
        return KeptSpan(chart.Size().width(), chart.Size().width() - client.width(), client.width());
    };
    const auto row = [](const char* what, double ms, double baseMs) {
        std::printf("  %-52s %8.2f ms  %5.2fx\n", what, ms, ms / baseMs);
    };

    std::printf("999 bars for a 1920 x 1080 window, median of %d runs; x: against the baseline\n", nRuns);
    for (const qreal dpr : {1.0, 2.0}) {
        const auto fill = [&](QSize size) {
            QImage image(size * dpr, QImage::Format_RGB32);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::white);
            return image;
        };
        const double fillMs = MedianMs(nRuns, [&] { fill(client); });
        QImage kept;
        const double firstMs = MedianMs(nRuns, [&] {
            const ChartLayout chart = layOut();
            RenderChartSpan(chart.picture, chart.style, newest(chart), dpr, kept);
        });
        const double newWindowMs = MedianMs(nRuns, [&] {
            const ChartLayout chart = layOut();
            RenderChartSpan(chart.picture, chart.style, newest(chart), dpr);
        });
        const ChartLayout chart = layOut();
        const int cx = chart.Size().width();
        int sx = cx - client.width();
        const double pageMs = MedianMs(nRuns, [&] {
            sx = sx >= client.width() ? sx - client.width() : cx - client.width();
            RenderChartSpan(chart.picture, chart.style, KeptSpan(cx, sx, client.width()), dpr, kept);
        });
        QImage filled = fill(client);
        const double refillMs = MedianMs(nRuns, [&] { filled.fill(Qt::white); });
        std::printf("device pixel ratio %.0f:\n", dpr);
        row("first paint after choosing a category", firstMs, fillMs);
        row("first paint of a new window", newWindowMs, fillMs);
        row("scroll by a page", pageMs, fillMs);
        row("baseline: fill a new image of the window's size", fillMs, fillMs);
        row("fill that image again", refillMs, fillMs);
    }

    const ChartLayout chart = layOut();
    const ChartSpan whole{0, chart.Size().width()};
    const double wholeFillMs = MedianMs(nRuns, [&] { QImage(chart.Size(), QImage::Format_RGB32).fill(Qt::white); });
    std::printf("the whole chart, %d x %d, drawn at once as the view kept it before, ratio 1:\n", whole.width,
                chart.Size().height());
    row("lay out and draw", MedianMs(nRuns, [&] { RenderChartSpan(layOut().picture, chart.style, whole, 1); }),
        wholeFillMs);
    row("baseline: fill a new image of that size", wholeFillMs, wholeFillMs);
    return 0;
}
