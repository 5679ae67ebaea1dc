#include "core/chart/ChartStatusText.h"

#include <cstdio>

#include "core/base/Printf.h"
#include "core/record/PeriodData.h"
#include "core/res/LoadSubString.h"

namespace {
constexpr unsigned kStatusFormatID = 130;
constexpr unsigned kCategoryNamesID = 135;
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
