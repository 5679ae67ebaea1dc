#include "norv2/ChartExport.h"

#include <QBuffer>
#include <QString>
#include <charconv>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>

#include "core/base/ReplaceFile.h"
#include "core/record/PeriodData.h"
#include "core/record/RecordBook.h"
#include "core/record/RecordFile.h"
#include "core/settings/AppSetting.h"
#include "gui/app/QtDesktopMetrics.h"
#include "gui/chart/ChartPainter.h"
#include "norv2/CommandLineValues.h"
#include "store/QtProfileStore.h"

namespace {
constexpr std::string_view kUsage =
    "Usage:\n"
    "  Norv2 --chart OUT.png [--category alph|kana|roma|sybl] [--scale daily|weekly|monthly]\n"
    "                        [--size WxH] FILE\n"
    "      Write the chart of FILE as a PNG image, as a window of W x H pixels shows it,\n"
    "      with the colours, bar sizes and font of the settings. The image holds every\n"
    "      bar, so it is wider than W when the bars need it.\n"
    "Defaults: --category alph, --scale daily, --size 800x400. Exit status: 0 written,\n"
    "1 the file could not be read or gives no chart, or the image could not be written,\n"
    "2 bad arguments.\n";

struct CHARTARGS
{
    std::string strOut;
    std::string strFile;
    int nCategory = 0;
    int nScale = SCALE_DAILY;
    int cx = 800;
    int cy = 400;
};

// "WxH" within the sizes a chart is made for.
bool ParseSize(std::string_view text, int& cx, int& cy)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    const auto w = ParseNumber(text.substr(0, x)), h = ParseNumber(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > kMaxChartClientWidth || *h > kMaxChartHeight)
        return false;
    cx = *w;
    cy = *h;
    return true;
}

std::optional<CHARTARGS> ParseArgs(const std::vector<std::string>& args)
{
    CHARTARGS r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (arg == "--chart" && bHasValue && r.strOut.empty()) {
            r.strOut = args[++i];
            if (r.strOut.empty())
                return std::nullopt;
        } else if (arg == "--scale" && bHasValue) {
            if (!ReadScaleName(args[++i], r.nScale))
                return std::nullopt;
        } else if (arg == "--category" && bHasValue) {
            if (!ReadCategoryName(args[++i], r.nCategory))
                return std::nullopt;
        } else if (arg == "--size" && bHasValue) {
            if (!ParseSize(args[++i], r.cx, r.cy))
                return std::nullopt;
        } else if (!arg.starts_with("-") && r.strFile.empty()) {
            r.strFile = arg;
        } else {
            return std::nullopt;
        }
    }
    if (r.strOut.empty() || r.strFile.empty())
        return std::nullopt;
    return r;
}

// The reason a file gives no book, for the error stream; empty when it loaded.
std::string LoadBook(const std::string& strFile, CRecordBook& book)
{
    CRecordFile file;
    const int nCode = file.Load(strFile, book, nullptr);
    return nCode == 0 ? std::string() : CRecordFile::ErrorText(nCode);
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
    const std::optional<CHARTARGS> r = ParseArgs(args);
    if (!r) {
        err << kUsage;
        return 2;
    }

    try {
        CRecordBook book;
        if (const std::string reason = LoadBook(r->strFile, book); !reason.empty()) {
            err << "Norv2: " << r->strFile << ": " << reason << '\n';
            return 1;
        }
        const CHARTRENDER chart = RenderChart(book, setting, r->nCategory, r->nScale, QSize(r->cx, r->cy));
        if (chart.eResult != CHARTRENDER::kDone) {
            err << "Norv2: " << r->strFile << ": "
                << (chart.eResult == CHARTRENDER::kNotStarted ? "グラフにする記録がありません"
                                                              : "この大きさではグラフを描けません")
                << '\n';
            return 1;
        }
        if (const std::string reason = WritePng(chart.image, r->strOut); !reason.empty()) {
            err << "Norv2: " << r->strOut << ": " << reason << '\n';
            return 1;
        }
        return 0;
    } catch (const std::bad_alloc&) {
        err << "Norv2: " << r->strFile << ": " << CRecordFile::ErrorText(IDP_OUT_OF_MEMORY) << '\n';
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
