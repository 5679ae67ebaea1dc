#pragma once
#include <cstdint>

#include "core/calendar/PracticeDays.h"

// Days practised and runs over some stretch of days.
struct PracticeTotals
{
    int nDays = 0;
    std::int64_t nRuns = 0;
};

// The habit a practice calendar shows, over the whole file up to today. Days are day
// numbers (CivilDay.h); days after today do not count.
struct StreakFigures
{
    // Days in a row with a run, up to today, or up to yesterday while today has none.
    int nCurrent = 0;
    int nCurrentFirst = 0;
    int nCurrentLast = 0;
    bool bPractisedToday = false;
    // The longest run of days in a row; of equally long ones, the first.
    int nLongest = 0;
    int nLongestFirst = 0;
    int nLongestLast = 0;
    PracticeTotals total;
};

[[nodiscard]] StreakFigures ComputeStreaks(const CPracticeDays& days, CalendarCategory category, int nToday);

// Days with runs of the category, and those runs, in nFirst..nLast up to today.
[[nodiscard]] PracticeTotals CountPractice(const CPracticeDays& days, CalendarCategory category, int nFirst, int nLast,
                                           int nToday);
