#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The settings file lives in a private XDG_CONFIG_HOME, set before any store is opened.
int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
