#include "core/chart/ChartStatusText.h"

#include <cstdio>

#include "core/base/Printf.h"
#include "core/record/PeriodData.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

std::string StatusPeriodText(CTime date, Scale nScale)
{
    switch (nScale) {
    case Scale::Daily: return date.Format("%Y/%#m/%#d");
    case Scale::Weekly: return date.Format("%Y/%#m/%#d～") + date.AddDays(6).Format("%#m/%#d");
    case Scale::Monthly: break;
    }
    return date.Format("%Y/%#m");
}

std::string ChartStatusText(const BOARDDATA& data, Category nCategory)
{
    const std::size_t k = Index(nCategory);
    return Printf(LoadString(IDS_STATUS_FORMAT), StatusPeriodText(data.Date, data.nScale).c_str(),
                  LoadSubString(IDS_CATEGORY_LABELS, static_cast<int>(k)).c_str(), data.nTry[k], data.nBest[k],
                  data.nBestMiss[k], data.nWorst[k], data.nWorstMiss[k], data.nAve[k], data.nAveMiss[k]);
}
