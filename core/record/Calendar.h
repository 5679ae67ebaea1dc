#pragma once
#include "core/base/Time.h"
#include "core/record/Kinds.h"

// Calendar tests on time values, all in local time.
bool IsSameDay(CTime a, CTime b);
// Weeks run from Sunday to Saturday.
bool IsSameWeek(CTime a, CTime b);
bool IsSameMonth(CTime a, CTime b);

// Periods on day numbers (see CivilDay.h).

// The first day of the period that holds nDays: the day itself, the Sunday on or before
// it, or the 1st of its month.
int PeriodKeyDays(int nDays, Scale nScale);

// The last day of the period that starts on nKeyDays: the day itself, six days later, or
// the last day of nKeyDays' month.
int LastDayOfPeriod(int nKeyDays, Scale nScale);
