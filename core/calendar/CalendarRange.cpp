#include "core/calendar/CalendarRange.h"

#include <algorithm>
#include <cstdint>

#include "core/record/CivilDay.h"

int CalendarRange::FirstSunday() const
{
    return nFirst - RowOf(nFirst);
}

int CalendarRange::ColumnCount() const
{
    return ColumnOf(nLast) + 1;
}

int CalendarRange::ColumnOf(int nDays) const
{
    return (nDays - FirstSunday()) / 7;
}

int CalendarRange::RowOf(int nDays)
{
    return DayOfWeekOfDays(nDays) - 1;
}

int CalendarRange::DayAt(int nColumn, int nRow) const
{
    return FirstSunday() + 7 * nColumn + nRow;
}

CalendarRange YearRange(int nYear)
{
    return {DaysFromCivil(nYear, 1, 1), DaysFromCivil(nYear, 12, 31)};
}

CalendarRange LastWeeksRange(int nToday)
{
    return {nToday - CalendarRange::RowOf(nToday) - 52 * 7, nToday};
}

int MonthStartingInColumn(const CalendarRange& range, int nColumn)
{
    int nYear = 0, nMonth = 0, nDay = 0;
    for (int nRow = 0; nRow < 7; ++nRow) {
        const int nDays = range.DayAt(nColumn, nRow);
        if (!range.Contains(nDays))
            continue;
        CivilFromDays(nDays, nYear, nMonth, nDay);
        if (nDay == 1 || nColumn == 0)
            return nMonth;
    }
    return 0;
}

int ShadeStep(int nRuns, int nMostRuns)
{
    if (nRuns <= 0 || nMostRuns <= 0)
        return 0;
    // Rounded up, so the fewest runs still show and only the busiest days reach step 4.
    const std::int64_t nStep = (std::int64_t{4} * nRuns + nMostRuns - 1) / nMostRuns;
    return static_cast<int>(std::clamp<std::int64_t>(nStep, 1, 4));
}
