#include "core/calendar/Streaks.h"

#include <algorithm>
#include <climits>

StreakFigures ComputeStreaks(const CPracticeDays& days, CalendarCategory category, int nToday)
{
    StreakFigures f;
    int nRunFirst = 0;
    int nPrevious = INT_MIN; // the last day practised before the one at hand
    int nLength = 0;
    for (const PracticeDay& day : days.Range(INT_MIN, nToday)) {
        const int nRuns = day.RunsOf(category);
        if (nRuns == 0)
            continue;
        ++f.total.nDays;
        f.total.nRuns += nRuns;
        if (nPrevious != INT_MIN && day.nDays == nPrevious + 1) {
            ++nLength;
        } else {
            nLength = 1;
            nRunFirst = day.nDays;
        }
        nPrevious = day.nDays;
        if (nLength > f.nLongest) {
            f.nLongest = nLength;
            f.nLongestFirst = nRunFirst;
            f.nLongestLast = day.nDays;
        }
    }
    f.bPractisedToday = nPrevious == nToday;
    if (nPrevious == nToday || nPrevious == nToday - 1) {
        f.nCurrent = nLength;
        f.nCurrentFirst = nRunFirst;
        f.nCurrentLast = nPrevious;
    }
    return f;
}

PracticeTotals CountPractice(const CPracticeDays& days, CalendarCategory category, int nFirst, int nLast, int nToday)
{
    PracticeTotals t;
    for (const PracticeDay& day : days.Range(nFirst, std::min(nLast, nToday))) {
        const int nRuns = day.RunsOf(category);
        t.nDays += nRuns > 0 ? 1 : 0;
        t.nRuns += nRuns;
    }
    return t;
}
