#include <QApplication>
#include <iostream>

#include "core/base/Time.h"
#include "core/settings/AppSetting.h"
#include "core/settings/FixedDesktopMetrics.h"
#include "gui/app/Norv2App.h"
#include "gui/base/QtTranslation.h"
#include "norv2/ChartExport.h"
#include "norv2/NoDisplay.h"
#include "norv2/ReportCommand.h"
#include "packaging/AppIcon.h"
#include "store/FileName.h"
#include "store/QtProfileStore.h"

namespace {
// Reports read the settings as the viewer does, need no display and never save.
int RunReportWithoutWindow(const std::vector<std::string>& args)
{
    CQtProfileStore store;
    CAppSetting setting;
    setting.Load(store, CFixedDesktopMetrics(LOGFONT{}, 1024, 768));
    return RunReport(args, setting, std::cout, std::cerr);
}
} // namespace

int main(int argc, char* argv[])
{
    PinLocalTimeZone();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (IsReportCommand(args))
        return RunReportWithoutWindow(args);
    if (IsChartExportCommand(args)) {
        // Drawing needs a GUI application, not a display, whatever DISPLAY names; nor does
        // any Qt option of the command line get to ask for one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int nNoQtArguments = 1;
        QApplication app(nNoQtArguments, argv);
        return ExportChartPng(args, std::cerr);
    }

    // A mistyped option is told before any window, display or not.
    if (!AreViewerArguments(args, false)) {
        PrintUsage(std::cerr);
        return 2;
    }
    WatchForNoDisplay();
    QApplication app(argc, argv);
    StopWatchingForNoDisplay();
    std::vector<std::string> leftByQt;
    for (const QString& arg : QApplication::arguments().mid(1))
        leftByQt.push_back(arg.toStdString());
    if (!AreViewerArguments(leftByQt, true)) {
        PrintUsage(std::cerr);
        return 2;
    }
    InstallJapaneseQtTexts(app);
    QApplication::setWindowIcon(AppIcon());
    // Lets a Wayland compositor find the menu entry, and with it the icon, of the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(NORV2_APP_ID));
    CNorv2App norv2;
    if (!norv2.InitInstance(ArgumentsOf(argc, argv)))
        return 0;
    const int nResult = norv2.Run();
    norv2.ExitInstance();
    return nResult;
}
