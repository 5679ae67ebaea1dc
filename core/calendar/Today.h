#pragma once
#include <ctime>

#include "core/record/CivilDay.h"

// The local calendar day the clock is on. Only the programs ask; everything below them is
// handed the day, so that tests choose it.
inline int TodayOnTheClock()
{
    return DaysOfTime(CTime(std::time(nullptr)));
}
