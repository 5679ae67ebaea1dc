#include "norv2/CalendarReport.h"

#include <cstdio>
#include <string>

#include "core/calendar/Streaks.h"
#include "core/record/CivilDay.h"

namespace {
std::string IsoDate(int nDays)
{
    int y = 0, m = 0, d = 0;
    CivilFromDays(nDays, y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

// "N,FIRST,LAST", the days left empty for a streak of none.
std::string Streak(int nLength, int nFirst, int nLast)
{
    if (nLength == 0)
        return "0,,";
    return std::to_string(nLength) + ',' + IsoDate(nFirst) + ',' + IsoDate(nLast);
}
} // namespace

void PrintCalendar(const CPracticeDays& days, const CalendarRange& range, CalendarCategory category, int nToday,
                   std::ostream& out)
{
    out << "date,runs,alph,kana,roma,sybl\n";
    for (int nDays = range.nFirst; nDays <= range.nLast; ++nDays) {
        const PracticeDay day = nDays <= nToday ? days.At(nDays) : PracticeDay{nDays, {}};
        out << IsoDate(nDays) << ',' << day.RunsOf(category);
        for (const int nRuns : day.nRuns)
            out << ',' << nRuns;
        out << '\n';
    }
}

void PrintStreaks(const CPracticeDays& days, CalendarCategory category, int nToday, std::ostream& out)
{
    const StreakFigures f = ComputeStreaks(days, category, nToday);
    out << "current_streak," << Streak(f.nCurrent, f.nCurrentFirst, f.nCurrentLast) << '\n'
        << "practised_today," << (f.bPractisedToday ? "yes" : "no") << '\n'
        << "longest_streak," << Streak(f.nLongest, f.nLongestFirst, f.nLongestLast) << '\n'
        << "days_practised," << f.total.nDays << '\n'
        << "runs," << f.total.nRuns << '\n';
}
