#include "core/record/Calendar.h"

#include "core/record/CivilDay.h"

// Compared as day numbers, so that a day that is 23 or 25 hours long, or one whose
// midnight does not exist, still falls into the right day, week and month.
bool IsSameDay(CTime a, CTime b)
{
    return DaysOfTime(a) == DaysOfTime(b);
}

bool IsSameWeek(CTime a, CTime b)
{
    return PeriodKeyDays(DaysOfTime(a), Scale::Weekly) == PeriodKeyDays(DaysOfTime(b), Scale::Weekly);
}

bool IsSameMonth(CTime a, CTime b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth();
}

int PeriodKeyDays(int nDays, Scale nScale)
{
    switch (nScale) {
    case Scale::Daily: return nDays;
    case Scale::Weekly: return nDays - (DayOfWeekOfDays(nDays) - 1);
    case Scale::Monthly: break;
    }
    int y, m, d;
    CivilFromDays(nDays, y, m, d);
    return nDays - (d - 1);
}

int LastDayOfPeriod(int nKeyDays, Scale nScale)
{
    switch (nScale) {
    case Scale::Daily: return nKeyDays;
    case Scale::Weekly: return nKeyDays + 6;
    case Scale::Monthly: break;
    }
    int y, m, d;
    CivilFromDays(nKeyDays, y, m, d);
    return m == 12 ? DaysFromCivil(y, 12, 31) : DaysFromCivil(y, m + 1, 1) - 1;
}
