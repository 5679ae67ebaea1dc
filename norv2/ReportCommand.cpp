#include "norv2/ReportCommand.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <string_view>

#include "core/board/BoardText.h"
#include "core/record/Calendar.h"
#include "core/record/CivilDay.h"
#include "core/record/RecordBook.h"
#include "core/record/RecordFile.h"
#include "core/record/RecordPath.h"
#include "core/settings/AppSetting.h"
#include "gui/record/LoadMessages.h"
#include "norv2/CalendarReport.h"
#include "norv2/ReportOptions.h"

namespace {
constexpr std::string_view kUsage =
    "Usage:\n"
    "  Norv2 [--no-splash] [FILE]\n"
    "      Start the viewer, on FILE or on the last record file.\n"
    "  Norv2 --board YYYY-MM-DD [--scale daily|weekly|monthly] FILE\n"
    "      Print the board of the period that contains the date, as its copy command\n"
    "      puts it on the clipboard (quote prefix and rows from the settings).\n"
    "  Norv2 --periods [--category alph|kana|roma|sybl] [--scale daily|weekly|monthly]\n"
    "                  [--max N] FILE\n"
    "      Print the chart's values as CSV, oldest period first:\n"
    "      period,best,worst,average,new_best. With --max, only the newest N periods.\n"
    "  Norv2 --chart OUT.png [--category alph|kana|roma|sybl] [--scale daily|weekly|monthly]\n"
    "                [--size WxH] [--device-pixel-ratio R] FILE\n"
    "      Write the whole chart a window of W x H (default 800x400) would hold, as PNG,\n"
    "      for a screen of R (default 1, from 1 up to 4) device pixels to a pixel; at most\n"
    "      100,000,000 device pixels in all.\n"
    "  Norv2 --calendar [--year YYYY] [--category all|alph|kana|roma|sybl] FILE\n"
    "      Print the practice calendar as CSV, a line per day of the year, or without\n"
    "      --year of the last 53 weeks up to today: date,runs,alph,kana,roma,sybl\n"
    "      (runs: those of --category, default all; then the runs of each category).\n"
    "  Norv2 --streaks [--category all|alph|kana|roma|sybl] FILE\n"
    "      Print the current and the longest streak of days practised in a row with\n"
    "      their first and last days, whether today has a run, the days practised and\n"
    "      the runs, as CSV lines.\n"
    "  Norv2 --help\n"
    "      Print this text.\n"
    "Defaults: --scale daily, --category alph (all for --calendar and --streaks).\n"
    "Exit status: 0 done, 1 the file could not be read or is not a record file,\n"
    "2 bad arguments.\n";

void PrintBoard(const ReportOptions& r, const CRecordBook& book, const CAppSetting& setting, std::ostream& out)
{
    BOARDDATA data;
    data.nScale = r.nScale;
    data.Date = LocalMidnight(PeriodKeyDays(r.nDays, r.nScale));
    // The scale came from the command line, so the board always fills.
    (void)book.FillBoard(&data);
    out << BoardCopyText(data, BoardTitle(data, UserNameOfPath(r.strFile)), setting);
}

void PrintPeriods(const ReportOptions& r, const CRecordBook& book, std::ostream& out)
{
    out << "period,best,worst,average,new_best\n";
    const int nPeriods = book.CountPeriods(r.nCategory, r.nScale);
    const int n = r.nMax ? std::min(*r.nMax, nPeriods) : nPeriods;
    if (n <= 0)
        return;
    std::vector<PERIODDATA> periods(static_cast<std::size_t>(n));
    if (book.FillPeriods(periods.data(), n, r.nCategory, r.nScale) != 0)
        return;
    for (auto it = periods.rbegin(); it != periods.rend(); ++it)
        out << it->Date.Format("%Y-%m-%d") << ',' << it->nBest << ',' << it->nWorst << ',' << it->nAve << ','
            << (it->bNewBest ? 1 : 0) << '\n';
}
} // namespace

bool IsReportCommand(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--board" || arg == "--periods" || arg == "--calendar" || arg == "--streaks" || arg == "--help" ||
            arg == "-h")
            return true;
    return false;
}

namespace {
// Qt's own options, as its applications take them.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
    "-display",     "-geometry",           "-title",         "-icon",   "-name"};
constexpr std::array<std::string_view, 5> kQtFlags = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N> bool IsAmong(std::string_view arg, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), arg) != names.end();
}
} // namespace

bool AreViewerArguments(const std::vector<std::string>& args, bool bQtHasTakenItsOwn)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--no-splash" || !arg.starts_with('-'))
            continue;
        if (bQtHasTakenItsOwn || arg.starts_with("--"))
            return false;
        // Known before Qt is asked, which wants a display first.
        if (IsAmong(arg, kQtOptionsWithValue) && i + 1 < args.size())
            ++i;
        else if (!IsAmong(arg, kQtFlags) && std::none_of(kQtOptionsWithEquals.begin(), kQtOptionsWithEquals.end(),
                                                         [arg](std::string_view p) { return arg.starts_with(p); }))
            return false;
    }
    return true;
}

void PrintUsage(std::ostream& out)
{
    out << kUsage;
}

int RunReport(const std::vector<std::string>& args, const CAppSetting& setting, std::ostream& out, std::ostream& err,
              int nToday)
{
    const std::optional<ReportOptions> r = ParseReportOptions(args);
    if (!r || r->eReport == EReport::Chart) {
        PrintUsage(err);
        return 2;
    }
    if (r->eReport == EReport::Help) {
        PrintUsage(out);
        return 0;
    }

    try {
        CRecordBook book;
        CRecordFile file;
        if (const LoadResult result = file.Load(r->strFile, book, nullptr); !result.IsLoaded()) {
            // A file that cannot be used is named; a refused line's message stands alone.
            if (result.IsFileFault())
                err << "Norv2: " << r->strFile << ": ";
            err << LoadFailureText(result) << '\n';
            return 1;
        }
        switch (r->eReport) {
        case EReport::Board: PrintBoard(*r, book, setting, out); break;
        case EReport::Calendar:
            PrintCalendar(CPracticeDays(book), r->nYear ? YearRange(*r->nYear) : LastWeeksRange(nToday),
                          r->calendarCategory, nToday, out);
            break;
        case EReport::Streaks: PrintStreaks(CPracticeDays(book), r->calendarCategory, nToday, out); break;
        default: PrintPeriods(*r, book, out);
        }
        return 0;
    } catch (const std::bad_alloc&) {
        err << LoadFailureText({LoadOutcome::OutOfMemory}) << '\n';
        return 1;
    }
}
