#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

#include "remover/SettingsRemover.h"

int main(int argc, char* argv[])
{
    const int nResult = DeleteStoredSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString message = RemoverMessage(nResult);
    // Without a display the same text goes to standard error.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return nResult;
    }
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Information, QStringLiteral("settings-remover"), message, QMessageBox::Ok);
    box.exec();
    return nResult;
}
