#include "norv2/ChartExport.h"

#include <QBuffer>
#include <QString>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <sys/stat.h>

#include "core/base/ReplaceFile.h"
#include "core/record/PeriodData.h"
#include "core/record/RecordBook.h"
#include "core/record/RecordFile.h"
#include "core/settings/AppSetting.h"
#include "gui/base/QtDesktopMetrics.h"
#include "gui/chart/ChartPainter.h"
#include "gui/record/LoadMessages.h"
#include "norv2/ReportOptions.h"
#include "store/QtProfileStore.h"

namespace {
constexpr std::string_view kUsage =
    "Usage:\n"
    "  Norv2 --chart OUT.png [--category alph|kana|roma|sybl] [--scale daily|weekly|monthly]\n"
    "                        [--size WxH] [--device-pixel-ratio R] FILE\n"
    "      Write the chart of FILE as a PNG image, as a window of W x H pixels shows it,\n"
    "      with the colours, bar sizes and font of the settings, on a screen of R device\n"
    "      pixels to a pixel (from 1 up to 4). The image holds every bar, so it is wider\n"
    "      than W when the bars need it; it may hold 100,000,000 device pixels in all.\n"
    "Defaults: --category alph, --scale daily, --size 800x400, --device-pixel-ratio 1.\n"
    "Exit status: 0 written, 1 the file could not be read or gives no chart, or the\n"
    "image could not be made or written, 2 bad arguments, too large an image, or OUT\n"
    "naming FILE itself.\n";

// The most device pixels a picture may have: 400 MB of memory, more than any screen shows.
constexpr double kMaxPictureDevicePixels = 100'000'000;

// Whether both names lead to one file (the same device and inode).
bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat stA
    {
    };
    struct stat stB
    {
    };
    return ::stat(a.c_str(), &stA) == 0 && ::stat(b.c_str(), &stB) == 0 && stA.st_dev == stB.st_dev &&
           stA.st_ino == stB.st_ino;
}

// The reason a file gives no book, for the error stream; empty when it loaded.
std::string LoadBook(const std::string& strFile, CRecordBook& book)
{
    CRecordFile file;
    const LoadResult result = file.Load(strFile, book, nullptr);
    return result.IsLoaded() ? std::string() : LoadFailureText(result);
}

// The picture as PNG, into the file of that name (bytes, as given); why it failed, or empty.
std::string WritePng(const QImage& image, const std::string& strOut)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return "画像を作れません";
    const int nError = ReplaceFile(strOut, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    if (nError == kNotRegularFile)
        return "通常のファイルではないので書き込みません";
    return nError == 0 ? std::string() : std::string("ファイルに書き込めません (") + std::strerror(nError) + ")";
}
} // namespace

bool IsChartExportCommand(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--chart")
            return true;
    return false;
}

int ExportChartPng(const std::vector<std::string>& args, const CAppSetting& setting, std::ostream& err)
{
    const std::optional<ReportOptions> r = ParseReportOptions(args);
    if (!r || r->eReport != EReport::Chart) {
        err << kUsage;
        return 2;
    }

    if (IsSameFile(r->strOut, r->strFile)) {
        err << "Norv2: " << r->strOut << ": 記録ファイルそのものには書き込みません\n";
        return 2;
    }

    try {
        CRecordBook book;
        if (const std::string reason = LoadBook(r->strFile, book); !reason.empty()) {
            err << "Norv2: " << r->strFile << ": " << reason << '\n';
            return 1;
        }
        const ChartLayout chart = LayOutChart(book, setting, r->nCategory, r->nScale, QSize(r->cx, r->cy));
        if (chart.eResult != ChartLayout::kDone) {
            err << "Norv2: " << r->strFile << ": "
                << (chart.eResult == ChartLayout::kNotStarted ? "グラフにする記録がありません"
                                                              : "この大きさではグラフを描けません")
                << '\n';
            return 1;
        }
        const QSize size = chart.Size();
        if (size.width() * r->dpr * size.height() * r->dpr > kMaxPictureDevicePixels) {
            err << "Norv2: " << r->strOut << ": 画像が大きすぎます (" << size.width() << "x" << size.height() << "、比 "
                << r->dpr << "。100,000,000 デバイスピクセルまで)\n";
            return 2;
        }
        // Drawn straight into the picture that is written: nothing else of that size is held.
        const QImage image = RenderChartSpan(chart.picture, chart.style, {0, size.width()}, r->dpr);
        if (image.isNull()) {
            err << "Norv2: " << r->strOut << ": " << LoadFailureText({LoadOutcome::OutOfMemory}) << '\n';
            return 1;
        }
        if (const std::string reason = WritePng(image, r->strOut); !reason.empty()) {
            err << "Norv2: " << r->strOut << ": " << reason << '\n';
            return 1;
        }
        return 0;
    } catch (const std::bad_alloc&) {
        err << "Norv2: " << r->strFile << ": " << LoadFailureText({LoadOutcome::OutOfMemory}) << '\n';
        return 1;
    }
}

int ExportChartPng(const std::vector<std::string>& args, std::ostream& err)
{
    CQtProfileStore store;
    CAppSetting setting;
    setting.Load(store, CQtDesktopMetrics());
    return ExportChartPng(args, setting, err);
}
