#pragma once
#include <optional>

#include "core/base/Time.h"

// Calendar tests on time values, all in local time.
bool IsSameDay(CTime a, CTime b);
// Weeks run from Sunday to Saturday.
bool IsSameWeek(CTime a, CTime b);
bool IsSameMonth(CTime a, CTime b);

// Periods on day numbers (see CivilDay.h), nScale being SCALE_DAILY, SCALE_WEEKLY or
// SCALE_MONTHLY.

// The first day of the period that holds nDays: the day itself, the Sunday on or before
// it, or the 1st of its month. Any other scale: the day itself.
int PeriodKeyDays(int nDays, int nScale);

// The last day of the period that starts on nKeyDays: the day itself, six days later, or
// the last day of nKeyDays' month. Nothing for any other scale.
std::optional<int> LastDayOfPeriod(int nKeyDays, int nScale);
