#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The real program's windows on a real X server with a window manager
// (scripts/desktop-session.sh), with settings, lock and socket in private folders.
int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    QTemporaryDir runtimeDir;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    qputenv("TZ", "Asia/Tokyo");
    // A desktop without a locale of its own, where Qt's dialogs would format in English.
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "These tests need an X server with a window manager: run them through "
                             "scripts/desktop-session.sh.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
