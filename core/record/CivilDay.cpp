#include "core/record/CivilDay.h"

#include <ctime>

// Howard Hinnant's days-from-civil algorithm: exact for every Gregorian date.
int DaysFromCivil(int nYear, int nMonth, int nDay)
{
    const int y = nYear - (nMonth <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int nDays, int& nYear, int& nMonth, int& nDay)
{
    const int z = nDays + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    nDay = doy - (153 * mp + 2) / 5 + 1;
    nMonth = mp < 10 ? mp + 3 : mp - 9;
    nYear = yoe + era * 400 + (nMonth <= 2 ? 1 : 0);
}

int DayOfWeekOfDays(int nDays)
{
    // 1970-01-01 was a Thursday (5).
    const int r = (nDays + 4) % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

int DaysOfTime(CTime t)
{
    return DaysFromCivil(t.GetYear(), t.GetMonth(), t.GetDay());
}

CTime LocalMidnight(int nDays)
{
    int y, m, d;
    CivilFromDays(nDays, y, m, d);
    CTime t(y, m, d, 0, 0, 0);
    // Where the clock skips midnight, mktime may land on the evening before;
    // the day's first instant is then the first whole hour that is on the day.
    for (int hour = 1; DaysOfTime(t) != nDays && hour < 24; ++hour)
        t = CTime(y, m, d, hour, 0, 0);
    if (DaysOfTime(t) != nDays) // no hour of the day is on it: the zone skips it whole
        return CTime::SkippedDay(y, m, d, LocalMidnight(nDays + 1).GetTime() - 1);
    return t;
}
