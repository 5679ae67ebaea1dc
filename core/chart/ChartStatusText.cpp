#include "core/chart/ChartStatusText.h"

#include <cstdio>

#include "core/base/Printf.h"
#include "core/record/PeriodData.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
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
    return Printf(LoadString(IDS_STATUS_FORMAT), StatusPeriodText(data.Date, data.nScale).c_str(),
                  LoadSubString(IDS_CATEGORY_LABELS, nCategory).c_str(), data.nTry[k], data.nBest[k], data.nBestMiss[k],
                  data.nWorst[k], data.nWorstMiss[k], data.nAve[k], data.nAveMiss[k]);
}
