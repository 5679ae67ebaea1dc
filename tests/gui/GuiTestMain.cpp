#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A widget application without a display, with its settings, lock and socket in private folders.
int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    QTemporaryDir runtimeDir;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
