#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A widget application without a display, with its settings in a private XDG_CONFIG_HOME.
int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
