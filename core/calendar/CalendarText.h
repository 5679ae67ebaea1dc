#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/Streaks.h"

class CDayRecord;

// The calendar window's title for a user.
std::string CalendarTitle(std::string_view strUserName);
// A day with its weekday: "2026年12月9日(水)".
std::string CalendarDateText(int nDays);
// What a day holds, as the pointer and a screen reader give it: the date, then each
// category with runs, "英字 3回 最高 250(3) 最低 180(10)", or "練習なし". days holds the
// day's record of each category, or null where it has none.
std::string CalendarDayText(const std::array<const CDayRecord*, 4>& days, int nDays);
// The figures beside the grid, a line each: the current and the longest streak (with its
// days), the shown year's (or the last 53 weeks') days practised and runs, the whole file's.
std::vector<std::string> CalendarFigureLines(const StreakFigures& f, const PracticeTotals& shown,
                                             std::optional<int> nShownYear);
