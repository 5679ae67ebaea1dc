// Time from process start to the first painted chart with a large record file, beside
// starting the viewer on an empty file. Usage: norv2_startup_bench RECORD_FILE [RUNS]
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "StartViewer.h"
#include "core/base/Time.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/MainFrame.h"
#include "gui/record/Norv2Doc.h"

namespace {
// Quits the application right after the watched widget's first paint.
class CFirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

// The measured process: start the viewer on the file, choose 英字 when the file has runs,
// and end after the first paint of the chart (or of the window, for an empty file).
int RunViewer(int argc, char* argv[], const char* file)
{
    QApplication app(argc, argv);
    CNorv2App norv2;
    if (!StartViewer(norv2, file))
        return 1;
    CMainFrame* frame = norv2.GetMainFrame();
    CFirstPaint firstPaint;
    QWidget* watched = frame;
    if (!norv2.GetDocument()->IsCategoryEmpty(Category::Alph)) {
        frame->GetAction(ID_CATEGORY_ALPH)->trigger();
        watched = frame->GetView()->viewport();
    }
    watched->installEventFilter(&firstPaint);
    watched->update();
    const int nResult = app.exec();
    norv2.ExitInstance();
    return nResult;
}

} // namespace

int main(int argc, char* argv[])
{
    PinLocalTimeZone();
    if (argc == 3 && std::string(argv[1]) == "--child")
        return RunViewer(argc, argv, argv[2]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RECORD_FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const CPrivateSession session;
    const std::string empty = session.WriteFile("empty.ｷﾛｸ", "");
    const int nRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    std::vector<double> full, base;
    for (int i = 0; i < nRuns; ++i) {
        for (auto [file, times] : {std::pair{std::string(argv[1]), &full}, std::pair{empty, &base}}) {
            const ChildRun run = RunChild(argv[0], {"--child", file});
            if (!run.bOk) {
                std::fprintf(stderr, "a viewer run failed\n");
                return 1;
            }
            times->push_back(run.ms);
        }
    }
    std::printf("process start to first painted chart, median of %d runs\n", nRuns);
    std::printf("%-40s %8.1f ms\n", argv[1], Median(full));
    std::printf("%-40s %8.1f ms\n", "baseline: the viewer on an empty file", Median(base));
    std::printf("difference (loading and the first chart): %.1f ms\n", Median(full) - Median(base));
    return 0;
}
