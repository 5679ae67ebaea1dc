#include "chart/ChartStatusText.h"

#include <cstdio>

#include "app/LoadSubString.h"
#include "record/PeriodData.h"

namespace {
constexpr unsigned kStatusFormatID = 130;
constexpr unsigned kCategoryNamesID = 135;

// printf into a string as long as the values need: a figure wider than its field
// lengthens the text rather than being cut.
template <typename... Args> std::string Printf(const std::string& format, Args... args)
{
    const int n = std::snprintf(nullptr, 0, format.c_str(), args...);
    if (n <= 0)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, format.c_str(), args...);
    return out;
}
} // namespace

std::string StatusPeriodText(CTime date, int nScale)
{
    switch (nScale) {
    case SCALE_WEEKLY: return date.Format("%Y/%#m/%#d～") + date.AddDays(6).Format("%#m/%#d");
    case SCALE_MONTHLY: return date.Format("%Y/%#m");
    default: return date.Format("%Y/%#m/%#d");
    }
}

std::string ChartStatusText(const BOARDDATA& data, int nCategory)
{
    if (nCategory < 0 || nCategory > 3)
        return {};
    const auto k = static_cast<std::size_t>(nCategory);
    return Printf(LoadString(kStatusFormatID), StatusPeriodText(data.Date, data.nScale).c_str(),
                  LoadSubString(kCategoryNamesID, nCategory).c_str(), data.nTry[k], data.nBest[k], data.nBestMiss[k],
                  data.nWorst[k], data.nWorstMiss[k], data.nAve[k], data.nAveMiss[k]);
}
