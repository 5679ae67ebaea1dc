#pragma once
#include <ostream>
#include <string>
#include <vector>

class CAppSetting;

// True when the command line asks for a report (--board, --periods or --help), which
// runs without a window.
bool IsReportCommand(const std::vector<std::string>& args);

// Runs the report the arguments ask for (args without the program name) with the
// stored settings. Returns the exit code: 0 done, 1 the file could not be used,
// 2 bad arguments (the usage is printed).
int RunReport(const std::vector<std::string>& args, const CAppSetting& setting, std::ostream& out, std::ostream& err);
