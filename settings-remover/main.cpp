#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

#include "packaging/AppIcon.h"
#include "settings-remover/SettingsRemover.h"

namespace {
// The window platforms the environment names, in the order to try them; empty without a display.
QByteArray WindowPlatforms()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return qgetenv("QT_QPA_PLATFORM");
    QByteArrayList platforms;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        platforms << "wayland";
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << "xcb";
    return platforms.join(';');
}
} // namespace

int main(int argc, char* argv[])
{
    // Where the outcome can be shown is settled before anything is deleted: a display that
    // cannot be reached must neither abort the program once the settings are gone nor leave
    // it waiting on a box that nobody sees.
    std::optional<QApplication> app;
    if (const QByteArray platforms = WindowPlatforms(); !platforms.isEmpty()) {
        // Qt takes the first platform that starts; offscreen always does, where aborting is the alternative.
        qputenv("QT_QPA_PLATFORM", platforms + ";offscreen");
        app.emplace(argc, argv);
        QApplication::setWindowIcon(AppIcon());
    }
    const bool bBox = app && QGuiApplication::platformName() != QLatin1String("offscreen") &&
                      QGuiApplication::platformName() != QLatin1String("minimal");

    const int nResult = DeleteStoredSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString message = RemoverMessage(nResult);
    if (!bBox) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return nResult;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("settings-remover"), message, QMessageBox::Ok);
    box.exec();
    return nResult;
}
