#pragma once
#include <ostream>

#include "core/calendar/CalendarRange.h"
#include "core/calendar/PracticeDays.h"

// The practice calendar as CSV: a line per day of the range, its first day first, with the
// runs the calendar counts and the runs of each category. Days after today hold none.
void PrintCalendar(const CPracticeDays& days, const CalendarRange& range, CalendarCategory category, int nToday,
                   std::ostream& out);

// The current and longest streaks with their days, the days practised and the runs.
void PrintStreaks(const CPracticeDays& days, CalendarCategory category, int nToday, std::ostream& out);
