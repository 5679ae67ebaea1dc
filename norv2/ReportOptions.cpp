#include "norv2/ReportOptions.h"

#include <array>
#include <charconv>
#include <string_view>

#include "core/record/CivilDay.h"
#include "gui/chart/ChartPainter.h"

namespace {
// A whole decimal int, or nothing for an empty text, trailing characters or overflow.
std::optional<int> ParseNumber(std::string_view text)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

// The kind that value names among names (as "daily", "weekly", "monthly", in the kinds'
// order) into kind; false, with nothing changed, for any other value.
template <typename Kind, std::size_t N>
bool ReadKind(std::string_view value, const std::array<Kind, N>& kinds, const std::array<std::string_view, N>& names,
              Kind& kind)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (value == names[i]) {
            kind = kinds[i];
            return true;
        }
    }
    return false;
}

// YYYY-MM-DD of a real calendar day.
std::optional<int> ParseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = ParseNumber(text.substr(0, 4)), m = ParseNumber(text.substr(5, 2)), d = ParseNumber(text.substr(8));
    if (!y || !m || !d || !IsValidDate(*y, *m, *d))
        return std::nullopt;
    return DaysFromCivil(*y, *m, *d);
}

// A device pixel ratio a chart can be drawn at; below 1 the picture would shrink to nothing.
std::optional<double> ParseRatio(std::string_view text)
{
    double r = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), r);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !(r >= 1 && r <= kMaxDevicePixelRatio))
        return std::nullopt;
    return r;
}

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
} // namespace

std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args)
{
    ReportOptions r;
    std::optional<EReport> eReport;
    bool bCategory = false;
    bool bScale = false;
    bool bSize = false;
    bool bRatio = false;
    bool bAllCategories = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            return ReportOptions{};
        } else if (arg == "--board" && bHasValue && !eReport) {
            eReport = EReport::Board;
            const auto days = ParseDate(args[++i]);
            if (!days)
                return std::nullopt;
            r.nDays = *days;
        } else if (arg == "--periods" && !eReport) {
            eReport = EReport::Periods;
        } else if (arg == "--chart" && bHasValue && !eReport) {
            eReport = EReport::Chart;
            r.strOut = args[++i];
            if (r.strOut.empty())
                return std::nullopt;
        } else if ((arg == "--calendar" || arg == "--streaks") && !eReport) {
            eReport = arg == "--calendar" ? EReport::Calendar : EReport::Streaks;
        } else if (arg == "--year" && bHasValue) {
            r.nYear = ParseNumber(args[++i]);
            if (!r.nYear || *r.nYear < 1970 || *r.nYear > 9999)
                return std::nullopt;
        } else if (arg == "--category" && bHasValue && args[i + 1] == "all") {
            ++i;
            bAllCategories = bCategory = true;
        } else if (arg == "--scale" && bHasValue) {
            if (!ReadKind(args[++i], kScales, {"daily", "weekly", "monthly"}, r.nScale))
                return std::nullopt;
            bScale = true;
        } else if (arg == "--category" && bHasValue) {
            if (!ReadKind(args[++i], kCategories, {"alph", "kana", "roma", "sybl"}, r.nCategory))
                return std::nullopt;
            bCategory = true;
        } else if (arg == "--max" && bHasValue) {
            r.nMax = ParseNumber(args[++i]);
            if (!r.nMax || *r.nMax < 1)
                return std::nullopt;
        } else if (arg == "--size" && bHasValue) {
            if (!ParseSize(args[++i], r.cx, r.cy))
                return std::nullopt;
            bSize = true;
        } else if (arg == "--device-pixel-ratio" && bHasValue) {
            const auto ratio = ParseRatio(args[++i]);
            if (!ratio)
                return std::nullopt;
            r.dpr = *ratio;
            bRatio = true;
        } else if (!arg.starts_with("-") && r.strFile.empty()) {
            r.strFile = arg;
        } else {
            return std::nullopt;
        }
    }
    if (!eReport || r.strFile.empty())
        return std::nullopt;
    // Each report takes only the options that mean something to it.
    const bool bCalendar = *eReport == EReport::Calendar || *eReport == EReport::Streaks;
    if ((*eReport == EReport::Board && (bCategory || r.nMax || bSize || bRatio)) ||
        (*eReport == EReport::Periods && (bSize || bRatio)) || (*eReport == EReport::Chart && r.nMax) ||
        (bCalendar && (bScale || r.nMax || bSize || bRatio)) || (bAllCategories && !bCalendar) ||
        (r.nYear && *eReport != EReport::Calendar))
        return std::nullopt;
    if (bCalendar && bCategory && !bAllCategories)
        r.calendarCategory = r.nCategory;
    r.eReport = *eReport;
    return r;
}
