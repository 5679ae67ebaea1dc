#include <QApplication>
#include <QMainWindow>

#include "app/AppSetting.h"
#include "app/LoadSubString.h"
#include "app/QtDesktopMetrics.h"
#include "app/QtProfileStore.h"

int main(int argc, char* argv[])
{
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
