#pragma once
#include "core/base/Time.h"

// A calendar day as the number of days since 1970-01-01 in the proleptic
// Gregorian calendar. Day arithmetic on these numbers is exact and the same in
// every time zone; a day becomes a time value only at local midnight.
int DaysFromCivil(int nYear, int nMonth, int nDay);
void CivilFromDays(int nDays, int& nYear, int& nMonth, int& nDay);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeekOfDays(int nDays);
// The local calendar day that contains t.
int DaysOfTime(CTime t);
// The first instant of the day in local time: midnight, or the moment the clock
// jumps to where a zone skips midnight itself; for a day the zone skips whole, a value
// that reads as its midnight (CTime::SkippedDay).
CTime LocalMidnight(int nDays);
