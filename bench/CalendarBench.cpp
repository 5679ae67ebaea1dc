// Building and first painting the practice calendar over an already loaded large record
// file, and its repaint after a refresh that read one appended record, each beside the
// same on a one-record file. Usage: norv2_calendar_bench RECORD_FILE
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ChildRun.h"
#include "MedianTime.h"
#include "core/base/Time.h"
#include "core/calendar/PracticeDays.h"
#include "core/calendar/Streaks.h"
#include "gui/app/AppSettings.h"
#include "gui/calendar/CalendarGrid.h"
#include "gui/calendar/PracticeCalendarWnd.h"
#include "gui/record/Norv2Doc.h"
#include "store/FileName.h"

namespace {
constexpr int kRecordBytes = 46; // a line and its CR LF

// Notes when a calendar grid paints.
class CGridPainted : public QObject
{
public:
    bool bSeen = false;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<CCalendarGrid*>(watched))
            bSeen = true;
        return QObject::eventFilter(watched, event);
    }
};

// Runs change, then lets the application work until a calendar grid has painted; false
// when none does.
bool UntilPainted(const std::function<void()>& change)
{
    CGridPainted painted;
    qApp->installEventFilter(&painted);
    change();
    for (int i = 0; i < 1000 && !painted.bSeen; ++i)
        QCoreApplication::processEvents();
    qApp->removeEventFilter(&painted);
    return painted.bSeen;
}

struct Figures
{
    double buildMs = 0;   // construct, show, first paint of the days
    double refreshMs = 0; // read one appended record, repaint the days
    double daysMs = 0;    // of both: the days taken from the book
    double streaksMs = 0; // of both: the streaks over all days
};

// The calendar over the record file at path (a copy this run may append to); false after
// a failure, which it has reported.
bool Measure(const std::string& path, const std::string& record, int nToday, int nRuns, Figures& f)
{
    CNorv2Doc doc;
    if (!doc.OnOpenDocument(FileNameToQString(path)) || doc.GetLineCount() == 0) {
        std::fprintf(stderr, "%s: not loaded\n", path.c_str());
        return false;
    }
    CAppSettings settings;
    const auto today = [nToday] { return nToday; };
    std::unique_ptr<CPracticeCalendarWnd> pWnd;
    bool bPainted = true;
    const auto open = [&] {
        pWnd = std::make_unique<CPracticeCalendarWnd>(doc, settings, today);
        pWnd->show();
    };
    f.buildMs = MedianMs(
        nRuns, [&] { bPainted = UntilPainted(open) && bPainted; }, [&] { pWnd.reset(); });

    const auto append = [&] { std::ofstream(path, std::ios::binary | std::ios::app) << record; };
    const int nLines = doc.GetLineCount();
    bPainted = UntilPainted(open) && bPainted;
    append();
    f.refreshMs = MedianMs(
        nRuns, [&] { bPainted = UntilPainted([&] { doc.Refresh(); }) && bPainted; }, append);
    if (!bPainted || doc.GetLineCount() != nLines + nRuns) {
        std::fprintf(stderr, "%s: the calendar did not paint, or a refresh read no record\n", path.c_str());
        return false;
    }

    f.daysMs = MedianMs(nRuns, [&] { CPracticeDays days(doc.GetBook()); });
    const CPracticeDays days(doc.GetBook());
    f.streaksMs = MedianMs(nRuns, [&] { (void)ComputeStreaks(days, std::nullopt, nToday); });
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    PinLocalTimeZone();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RECORD_FILE\n", argv[0]);
        return 2;
    }
    // Offscreen, with settings of its own; the copies take the appended records.
    const CPrivateSession session;
    std::ifstream source(argv[1], std::ios::binary);
    std::string last(kRecordBytes, '\0');
    if (!source.seekg(-kRecordBytes, std::ios::end) || !source.read(last.data(), kRecordBytes)) {
        std::fprintf(stderr, "%s: no record\n", argv[1]);
        return 1;
    }
    // The newest record is the one-record file, and each refresh reads it once more, so
    // that both calendars show the same days with the same today.
    const std::string one = session.WriteFile("one.ｷﾛｸ", last);
    const std::string large = session.WriteFile("large.ｷﾛｸ", "");
    std::filesystem::copy_file(argv[1], large, std::filesystem::copy_options::overwrite_existing);

    QApplication app(argc, argv);
    // The offscreen platform says so at every show of the fixed-size window.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
            previous(type, context, message);
    });
    int nToday = 0;
    {
        CNorv2Doc doc;
        const CPracticeDays days =
            doc.OnOpenDocument(FileNameToQString(one)) ? CPracticeDays(doc.GetBook()) : CPracticeDays();
        if (days.Days().empty()) {
            std::fprintf(stderr, "%s: its last line is no record\n", argv[1]);
            return 1;
        }
        nToday = days.Days().front().nDays;
    }

    const int nRuns = 15;
    Figures big, small;
    if (!Measure(large, last, nToday, nRuns, big) || !Measure(one, last, nToday, nRuns, small))
        return 1;
    const auto row = [](const char* what, double ms, double baseMs) {
        std::printf("  %-40s %9.2f ms %9.2f ms %7.2fx\n", what, ms, baseMs, ms / baseMs);
    };
    std::printf("practice calendar, today the newest record's day, median of %d runs (goal: at most 1.20x)\n", nRuns);
    std::printf("  %-40s %12s %12s %8s\n", "", "large file", "one record", "ratio");
    row("build and first paint", big.buildMs, small.buildMs);
    row("refresh with one appended record", big.refreshMs, small.refreshMs);
    std::printf("parts of both, alone:\n");
    const auto part = [](const char* what, double ms, double baseMs) {
        std::printf("  %-40s %9.2f ms %9.2f ms\n", what, ms, baseMs);
    };
    part("the days taken from the book", big.daysMs, small.daysMs);
    part("the streaks over all days", big.streaksMs, small.streaksMs);
    return 0;
}
