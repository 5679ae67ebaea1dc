#pragma once
#include <string>

#include "core/base/Time.h"
#include "core/record/Kinds.h"

struct BOARDDATA;

// The period of a bar as the status bar names it: "2003/5/11～5/17" for the week starting
// on that Sunday, "2003/5" for a month, "2003/5/11" for a day.
std::string StatusPeriodText(CTime date, Scale nScale);

// The status text of the bar whose period data holds: "[period] category" and the
// category's runs, best, worst and average with their misses.
std::string ChartStatusText(const BOARDDATA& data, Category nCategory);
