#include "core/calendar/CalendarText.h"

#include "core/base/Printf.h"
#include "core/calendar/CalendarRange.h"
#include "core/record/CivilDay.h"
#include "core/record/DayRecord.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

std::string CalendarTitle(std::string_view strUserName)
{
    return Printf(LoadSubString(IDS_CALENDAR_TITLE, 0), std::string(strUserName).c_str());
}

std::string CalendarDateText(int nDays)
{
    int y = 0, m = 0, d = 0;
    CivilFromDays(nDays, y, m, d);
    const std::string weekday = LoadSubString(IDS_WEEKDAY_NAMES, CalendarRange::RowOf(nDays));
    return Printf(LoadSubString(IDS_CALENDAR_DATE, 0), y, m, d, weekday.c_str());
}

std::string CalendarDayText(const std::array<const CDayRecord*, 4>& days, int nDays)
{
    std::string text = CalendarDateText(nDays);
    bool bAny = false;
    for (const Category k : kCategories) {
        const std::size_t i = Index(k);
        const CDayRecord* pDay = days[i];
        if (!pDay)
            continue;
        const std::string label = LoadSubString(IDS_CALENDAR_CATEGORIES, static_cast<int>(i) + 1);
        text += (bAny ? "、" : " ") + Printf(LoadSubString(IDS_CALENDAR_RUNS, 0), label.c_str(), pDay->m_nTry,
                                             pDay->m_nBest, pDay->m_nBestMiss, pDay->m_nWorst, pDay->m_nWorstMiss);
        bAny = true;
    }
    return bAny ? text : text + ' ' + LoadSubString(IDS_CALENDAR_NO_RUNS, 0);
}

std::vector<std::string> CalendarFigureLines(const StreakFigures& f, const PracticeTotals& shown,
                                             std::optional<int> nShownYear)
{
    std::vector<std::string> lines;
    lines.push_back(Printf(LoadSubString(IDS_CALENDAR_FIGURES, 0), f.nCurrent));
    if (f.nLongest == 0)
        lines.push_back(Printf(LoadSubString(IDS_CALENDAR_FIGURES, 1), 0));
    else
        lines.push_back(Printf(LoadSubString(IDS_CALENDAR_FIGURES, 2), f.nLongest,
                               CalendarDateText(f.nLongestFirst).c_str(), CalendarDateText(f.nLongestLast).c_str()));
    const std::string shownName =
        nShownYear ? Printf(LoadSubString(IDS_CALENDAR_SHOWN, 0), *nShownYear) : LoadSubString(IDS_CALENDAR_SHOWN, 1);
    lines.push_back(Printf(LoadSubString(IDS_CALENDAR_FIGURES, 3), shownName.c_str(), shown.nDays,
                           static_cast<long long>(shown.nRuns)));
    lines.push_back(
        Printf(LoadSubString(IDS_CALENDAR_FIGURES, 4), f.total.nDays, static_cast<long long>(f.total.nRuns)));
    if (!f.bPractisedToday)
        lines.push_back(LoadSubString(IDS_CALENDAR_NOT_TODAY, 0));
    return lines;
}
