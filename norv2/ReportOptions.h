#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/PracticeDays.h"
#include "core/record/PeriodData.h"

// What a command line for one of the viewer's reports asks for.
enum class EReport
{
    Help,     // --help or -h anywhere
    Board,    // --board YYYY-MM-DD [--scale S] FILE
    Periods,  // --periods [--category C] [--scale S] [--max N] FILE
    Chart,    // --chart OUT [--category C] [--scale S] [--size WxH] [--device-pixel-ratio R] FILE
    Calendar, // --calendar [--year YYYY] [--category all|C] FILE
    Streaks,  // --streaks [--category all|C] FILE
};

struct ReportOptions
{
    EReport eReport = EReport::Help;
    int nDays = 0; // the --board date, as a day number
    Scale nScale = Scale::Daily;
    Category nCategory = Category::Alph;
    CalendarCategory calendarCategory; // the calendar's: all four unless --category names one
    std::optional<int> nYear;          // the --calendar year
    std::optional<int> nMax;
    std::string strOut; // the --chart picture
    int cx = 800;       // the --size of the window the chart is drawn for
    int cy = 400;
    double dpr = 1; // the --device-pixel-ratio of the picture
    std::string strFile;
};

// The options of a report's command line (the program's name left out), each checked
// against its report; nothing for anything malformed, unknown or out of place.
[[nodiscard]] std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args);
