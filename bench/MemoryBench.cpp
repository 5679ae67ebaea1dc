// Peak resident memory of the viewer showing the widest chart the settings allow (bars 30
// wide, gaps of 50, 999 bars) of a large record file in a 1600 x 1000 window, scrolled from
// end to end, beside the same viewer on a one-record file, at device pixel ratios 1 and 2.
// Usage: norv2_memory_bench RECORD_FILE
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <cstdio>
#include <fstream>
#include <string>

#include "ChildRun.h"
#include "StartViewer.h"
#include "core/base/Time.h"
#include "gui/base/AppSettings.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/MainFrame.h"

namespace {
// The measured process: the viewer on the file with 英字 chosen, painted at the newest bar,
// the oldest and halfway.
int RunViewer(int argc, char* argv[], const char* file)
{
    QApplication app(argc, argv);
    CNorv2App norv2;
    if (!StartViewer(norv2, file))
        return 1;
    CAppSetting& setting = norv2.GetSettings().Get();
    setting.m_nBarWidth = 30;
    setting.m_nBarSpace = 50;
    setting.m_nBarCount = 999;
    CMainFrame* frame = norv2.GetMainFrame();
    frame->GetAction(ID_CATEGORY_ALPH)->trigger();
    frame->resize(1600, 1000);
    QCoreApplication::processEvents();
    CNorv2View* view = frame->GetView();
    QScrollBar* bar = view->horizontalScrollBar();
    for (const int sx : {bar->maximum(), 0, bar->maximum() / 2}) {
        bar->setValue(sx);
        view->viewport()->repaint();
    }
    const bool bShown = !view->GetKeptImage().isNull();
    norv2.ExitInstance();
    return bShown ? 0 : 1;
}

double PeakMb(const char* self, const std::string& file)
{
    const ChildRun run = RunChild(self, {"--child", file});
    return run.bOk ? run.nPeakResidentKb / 1024.0 : -1;
}
} // namespace

int main(int argc, char* argv[])
{
    PinLocalTimeZone();
    if (argc == 3 && std::string(argv[1]) == "--child")
        return RunViewer(argc, argv, argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RECORD_FILE\n", argv[0]);
        return 2;
    }
    const CPrivateSession session;
    // Its first 英字 record.
    std::ifstream large(argv[1], std::ios::binary);
    std::string line;
    while (std::getline(large, line) && !line.starts_with('A')) {
    }
    if (!line.starts_with('A')) {
        std::fprintf(stderr, "%s: no 英字 record\n", argv[1]);
        return 1;
    }
    const std::string one = session.WriteFile("one.ｷﾛｸ", line + "\n");

    std::printf(
        "peak resident memory (VmHWM): 英字, daily, bars 30 wide with gaps of 50, 999 bars, window 1600 x 1000\n");
    std::printf("%-28s %14s %14s %8s\n", "", argv[1], "one record", "ratio");
    for (const char* scale : {"1", "2"}) {
        setenv("QT_SCALE_FACTOR", scale, 1);
        const double large_mb = PeakMb(argv[0], argv[1]), one_mb = PeakMb(argv[0], one);
        if (large_mb < 0 || one_mb < 0) {
            std::fprintf(stderr, "a viewer run failed\n");
            return 1;
        }
        std::printf("QT_SCALE_FACTOR=%-12s %11.1f MB %11.1f MB %7.2fx\n", scale, large_mb, one_mb, large_mb / one_mb);
    }
    return 0;
}
