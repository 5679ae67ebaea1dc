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
#include <utility>
#include <vector>

#include "ChildRun.h"
#include "MedianTime.h"
#include "core/base/Time.h"
#include "core/calendar/PracticeDays.h"
#include "core/calendar/Streaks.h"
#include "gui/base/AppSettings.h"
#include "gui/calendar/CalendarGrid.h"
#include "gui/calendar/PracticeCalendarWnd.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"
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

// One record file under measurement, a copy this run appends to, loaded once; and the
// calendar over it.
class CSubject
{
public:
    CSubject(std::string strPath, std::string strRecord)
        : m_strPath(std::move(strPath)), m_strRecord(std::move(strRecord))
    {
    }

    // False when the file did not load, which it has reported.
    bool Load()
    {
        if (!m_Doc.OnOpenDocument(FileNameToQString(m_strPath)) || m_Doc.GetLineCount() == 0) {
            std::fprintf(stderr, "%s: not loaded\n", m_strPath.c_str());
            return false;
        }
        m_nLines = m_Doc.GetLineCount();
        return true;
    }
    const CRecordBook& Book() const { return m_Doc.GetBook(); }

    // The time from building the calendar to its first painted days; the window stays.
    double Open(int nToday)
    {
        return ElapsedMs([&] {
            m_bPainted =
                UntilPainted([&] {
                    m_pWnd = std::make_unique<CPracticeCalendarWnd>(m_Session, m_Settings, [nToday] { return nToday; });
                    m_pWnd->show();
                }) &&
                m_bPainted;
        });
    }
    void Close() { m_pWnd.reset(); }

    // Appends the record, then times reading it and repainting the open calendar.
    double Refresh()
    {
        std::ofstream(m_strPath, std::ios::binary | std::ios::app) << m_strRecord;
        ++m_nLines;
        return ElapsedMs([&] { m_bPainted = UntilPainted([&] { m_Doc.Refresh(); }) && m_bPainted; });
    }

    // Whether every calendar painted and every refresh read its record; reports when not.
    bool Sound() const
    {
        if (m_bPainted && m_Doc.GetLineCount() == m_nLines)
            return true;
        std::fprintf(stderr, "%s: the calendar did not paint, or a refresh read no record\n", m_strPath.c_str());
        return false;
    }

    std::vector<double> build, refresh; // the times measured, in milliseconds

private:
    std::string m_strPath;
    std::string m_strRecord;
    CNorv2Doc m_Doc;
    CAppSettings m_Settings;
    CRecordSession m_Session{m_Doc, m_Settings};
    std::unique_ptr<CPracticeCalendarWnd> m_pWnd;
    bool m_bPainted = true;
    int m_nLines = 0;
};
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
    const std::string onePath = session.WriteFile("one.ｷﾛｸ", last);
    const std::string largePath = session.WriteFile("large.ｷﾛｸ", "");
    std::filesystem::copy_file(argv[1], largePath, std::filesystem::copy_options::overwrite_existing);

    QApplication app(argc, argv);
    // The offscreen platform says so at every show of the fixed-size window.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
            previous(type, context, message);
    });
    CSubject large(largePath, last), one(onePath, last);
    if (!large.Load() || !one.Load())
        return 1;
    const int nToday = CPracticeDays(one.Book()).Days().front().nDays;

    // The two take turns, so that both see the machine alike; the first round is not
    // counted, as the first window of the process sets up fonts and styles.
    const int nRuns = 21;
    for (int i = 0; i <= nRuns; ++i) {
        for (CSubject* s : {&large, &one}) {
            const double ms = s->Open(nToday);
            s->Close();
            if (i > 0)
                s->build.push_back(ms);
        }
    }
    for (CSubject* s : {&large, &one})
        s->Open(nToday);
    for (int i = 0; i <= nRuns; ++i) {
        for (CSubject* s : {&large, &one}) {
            const double ms = s->Refresh();
            if (i > 0)
                s->refresh.push_back(ms);
        }
    }
    if (!large.Sound() || !one.Sound())
        return 1;

    const auto row = [](const char* what, double ms, double baseMs) {
        std::printf("  %-40s %9.2f ms %9.2f ms %7.2fx\n", what, ms, baseMs, ms / baseMs);
    };
    std::printf("practice calendar, today the newest record's day, median of %d runs (goal: at most 1.20x)\n", nRuns);
    std::printf("  %-40s %12s %12s %8s\n", "", "large file", "one record", "ratio");
    row("build and first paint", Median(large.build), Median(one.build));
    row("refresh with one appended record", Median(large.refresh), Median(one.refresh));
    const auto part = [](const char* what, double ms, double baseMs) {
        std::printf("  %-40s %9.2f ms %9.2f ms\n", what, ms, baseMs);
    };
    const auto takeDays = [&](const CRecordBook& book) { return MedianMs(nRuns, [&] { CPracticeDays days(book); }); };
    const auto streaks = [&](const CPracticeDays& days) {
        return MedianMs(nRuns, [&] { (void)ComputeStreaks(days, std::nullopt, nToday); });
    };
    std::printf("parts of both, alone:\n");
    part("the days taken from the book", takeDays(large.Book()), takeDays(one.Book()));
    part("the streaks over all days", streaks(CPracticeDays(large.Book())), streaks(CPracticeDays(one.Book())));
    return 0;
}
