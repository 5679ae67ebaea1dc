#include <QApplication>
#include <QMainWindow>
#include <iostream>

#include "app/AppSetting.h"
#include "app/FixedDesktopMetrics.h"
#include "app/LoadSubString.h"
#include "app/QtDesktopMetrics.h"
#include "app/QtProfileStore.h"
#include "app/ReportCommand.h"

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
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (IsReportCommand(args))
        return RunReportWithoutWindow(args);

    QApplication app(argc, argv);
    CQtProfileStore store;
    CAppSetting setting;
    setting.Load(store, CQtDesktopMetrics());
    SetSetting(&setting);

    QMainWindow frame;
    frame.setWindowTitle(QString::fromStdString(LoadString(158)));
    frame.resize(400, 80);
    frame.show();
    const int result = app.exec();

    setting.Save(store);
    store.Flush();
    SetSetting(nullptr);
    return result;
}
