// Time from process start to the first painted chart with a large record file, beside
// starting the viewer on an empty file. Usage: norv2_startup_bench RECORD_FILE [RUNS]
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "gui/app/Norv2App.h"
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
    if (!norv2.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"), QString::fromUtf8(file)}))
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

double StartMs(const char* self, const std::string& file)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(self, self, "--child", file.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1.0;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--child")
        return RunViewer(argc, argv, argv[2]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RECORD_FILE [RUNS]\n", argv[0]);
        return 2;
    }
    // Private settings, lock and socket, and no display needed.
    QTemporaryDir config, runtime;
    setenv("XDG_CONFIG_HOME", config.path().toUtf8().constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string empty = runtime.path().toStdString() + "/empty.ｷﾛｸ";
    std::ofstream{empty};
    const int nRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    std::vector<double> full, base;
    for (int i = 0; i < nRuns; ++i) {
        full.push_back(StartMs(argv[0], argv[1]));
        base.push_back(StartMs(argv[0], empty));
    }
    if (*std::min_element(full.begin(), full.end()) < 0 || *std::min_element(base.begin(), base.end()) < 0) {
        std::fprintf(stderr, "a viewer run failed\n");
        return 1;
    }
    std::printf("process start to first painted chart, median of %d runs\n", nRuns);
    std::printf("%-40s %8.1f ms\n", argv[1], Median(full));
    std::printf("%-40s %8.1f ms\n", "baseline: the viewer on an empty file", Median(base));
    std::printf("difference (loading and the first chart): %.1f ms\n", Median(full) - Median(base));
    return 0;
}
