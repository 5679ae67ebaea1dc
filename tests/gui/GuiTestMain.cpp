#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A widget application without a display, with its settings, lock and socket in private folders.
// Beside the usual screen lies a second one of device pixel ratio 2.
int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    QTemporaryDir runtimeDir;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    QFile screens(runtimeDir.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) || screens.write(R"({"screens": [
            {"name": "one", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1},
            {"name": "two", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 2}]})") < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
