#pragma once
#include <climits>
#include <cstdint>
#include <optional>

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

// The streaks of a calendar, taken again at each change of its days only from the last day
// practised on when nothing older changed, as when runs are appended today.
class CStreakCache
{
public:
    const StreakFigures& Get(const CPracticeDays& days, CalendarCategory category, int nToday);

private:
    // A pass over the days, oldest first, up to some day.
    struct Scan
    {
        StreakFigures f;
        int nRunFirst = 0;
        int nPrevious = INT_MIN; // the last day practised before the one at hand
        int nLength = 0;

        void Take(int nDays, int nRuns);
        StreakFigures Figures(int nToday) const;
    };
    // Scans the days from nFirst on, after what before holds.
    void ScanFrom(const CPracticeDays& days, const Scan& before, int nFirst);

    std::uint64_t m_nRevision = 0;
    CalendarCategory m_category;
    std::optional<int> m_nToday; // none until the first pass
    Scan m_beforeLast;           // the pass up to the last day practised on
    int m_nLast = INT_MIN;       // that day
    StreakFigures m_figures;
};

// Days with runs of the category, and those runs, in nFirst..nLast up to today.
[[nodiscard]] PracticeTotals CountPractice(const CPracticeDays& days, CalendarCategory category, int nFirst, int nLast,
                                           int nToday);
