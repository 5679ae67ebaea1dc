#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "core/calendar/Today.h"

class CAppSetting;

// True when the command line asks for a report (--board, --periods, --calendar, --streaks
// or --help), which runs without a window.
bool IsReportCommand(const std::vector<std::string>& args);

// Whether args (the program's name left out) suit the viewer itself: "--no-splash" is its
// only option of two dashes; options of one dash must be Qt's own until bQtHasTakenItsOwn,
// none after.
bool AreViewerArguments(const std::vector<std::string>& args, bool bQtHasTakenItsOwn);
// The usage text, for a command line nothing understands.
void PrintUsage(std::ostream& out);

// Runs the report the arguments ask for (args without the program name) with the
// stored settings, on the day nToday (a day number) where a report looks at today.
// Returns the exit code: 0 done, 1 the file could not be used, 2 bad arguments (the
// usage is printed).
[[nodiscard]] int RunReport(const std::vector<std::string>& args, const CAppSetting& setting, std::ostream& out,
                            std::ostream& err, int nToday = TodayOnTheClock());
