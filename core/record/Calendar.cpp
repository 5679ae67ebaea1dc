#include "core/record/Calendar.h"

#include "core/record/CivilDay.h"
#include "core/record/PeriodData.h"

// Compared as day numbers, so that a day that is 23 or 25 hours long, or one whose
// midnight does not exist, still falls into the right day, week and month.
bool IsSameDay(CTime a, CTime b)
{
    return DaysOfTime(a) == DaysOfTime(b);
}

bool IsSameWeek(CTime a, CTime b)
{
    return PeriodKeyDays(DaysOfTime(a), SCALE_WEEKLY) == PeriodKeyDays(DaysOfTime(b), SCALE_WEEKLY);
}

bool IsSameMonth(CTime a, CTime b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth();
}

int PeriodKeyDays(int nDays, int nScale)
{
    switch (nScale) {
    case SCALE_WEEKLY: return nDays - (DayOfWeekOfDays(nDays) - 1);
    case SCALE_MONTHLY: {
        int y, m, d;
        CivilFromDays(nDays, y, m, d);
        return nDays - (d - 1);
    }
    default: return nDays;
    }
}

std::optional<int> LastDayOfPeriod(int nKeyDays, int nScale)
{
    switch (nScale) {
    case SCALE_DAILY: return nKeyDays;
    case SCALE_WEEKLY: return nKeyDays + 6;
    case SCALE_MONTHLY: {
        int y, m, d;
        CivilFromDays(nKeyDays, y, m, d);
        return m == 12 ? DaysFromCivil(y, 12, 31) : DaysFromCivil(y, m + 1, 1) - 1;
    }
    default: return std::nullopt;
    }
}
