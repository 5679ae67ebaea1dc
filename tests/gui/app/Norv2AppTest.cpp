#include "gui/app/Norv2App.h"
#include "gui/base/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/AppSetting.h"
#include "gui/app/SingleInstance.h"
#include "gui/base/MessageBox.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/MainFrame.h"
#include "gui/frame/UserCombo.h"
#include "gui/record/Norv2Doc.h"
#include "store/FileName.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {
QString SettingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Norv/Norv2.conf");
}
} // namespace

TEST(Norv2App, OpensTheFileGivenAndSavesEverySettingAtExit)
{
    QFile::remove(SettingsFile());
    CTempDir dir;
    const std::string file = dir.Write("たろう.ｷﾛｸ", Records(1, 5));
    const std::string other = dir.Write("じろう.ｷﾛｸ", Records(1, 5));
    {
        CNorv2App app;
        ASSERT_TRUE(app.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"),
                                      QString::fromStdString(file), QString::fromStdString(other)}));
        EXPECT_TRUE(app.GetMainFrame()->IsCompact());
        EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Norv - たろうの記録"));
        EXPECT_EQ(app.GetSettings().Get().m_strUserName, "たろう");
        // The selector lists the opened file's folder, not the one the program started in.
        EXPECT_EQ(app.GetMainFrame()->GetUserCombo()->count(), 2);
        EXPECT_EQ(app.GetMainFrame()->GetUserCombo()->currentText(), QStringLiteral("たろう"));
        app.ExitInstance();
    }
    QSettings stored(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.allKeys().size(), 19);
    EXPECT_EQ(stored.value(QStringLiteral("App/UserName")).toString(), QStringLiteral("たろう"));

    // The next start reopens the same user's file.
    CNorv2App again;
    ASSERT_TRUE(again.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash")}));
    EXPECT_EQ(again.GetDocument()->GetPathName(), QString::fromStdString(file));
    again.ExitInstance();
}

TEST(Norv2App, AForgottenFileStartsEmpty)
{
    QSettings stored(SettingsFile(), QSettings::IniFormat);
    stored.setValue(QStringLiteral("App/VeskDir"), QStringLiteral("/nonexistent/"));
    stored.setValue(QStringLiteral("App/UserName"), QStringLiteral("ghost"));
    stored.sync();
    CNorv2App app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash")}));
    EXPECT_EQ(app.GetSettings().Get().m_strUserName, "");
    EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Norv"));
    app.ExitInstance();
}

TEST(Norv2App, AFileNameThatIsNotUtf8OpensAsInTheReportsAndAgainAtTheNextStart)
{
    CTempDir dir;
    std::string file = dir.Write("\x82\xbd\x82\xeb\x82\xa4.ｷﾛｸ", Records(1, 5)); // たろう in Shift-JIS
    char program[] = "Norv2", noSplash[] = "--no-splash";
    char* argv[] = {program, noSplash, file.data()};
    {
        CNorv2App app;
        ASSERT_TRUE(app.InitInstance(ArgumentsOf(3, argv)));
        EXPECT_EQ(app.GetDocument()->CountPeriods(Category::Alph, Scale::Daily), 5);
        EXPECT_EQ(app.GetSettings().Get().m_strUserName, "\x82\xbd\x82\xeb\x82\xa4");
        app.ExitInstance();
    }
    CNorv2App again;
    ASSERT_TRUE(again.InitInstance(ArgumentsOf(2, argv)));
    EXPECT_EQ(again.GetDocument()->GetPathName(), FileNameToQString(file));
    again.ExitInstance();
}

TEST(Norv2App, OnlyRegularFilesAreOpened)
{
    CTempDir dir;
    const std::string fifo = dir.File("fifo.ｷﾛｸ");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // With a writer at the other end, opening the FIFO would not block even where it is not refused.
    const int nWriter = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    CNorv2App app;
    ASSERT_TRUE(
        app.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"), QString::fromStdString(fifo)}));
    EXPECT_EQ(app.GetSettings().Get().m_strUserName, "");
    EXPECT_EQ(app.GetDocument()->GetPathName(), QString());
    app.ExitInstance();
    ::close(nWriter);
}

TEST(Norv2App, ASaveThatFailsIsReportedWithTheFileAndTheReason)
{
    // A plain file where the settings folder should be.
    const QString folder = QFileInfo(SettingsFile()).absolutePath();
    QDir().rename(folder, folder + QStringLiteral(".aside"));
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    std::vector<std::string> messages;
    SetMessageBoxRecorder([&](const MessageBoxCall& call) {
        messages.push_back(call.strText);
        return IDOK;
    });
    {
        CNorv2App app;
        ASSERT_TRUE(app.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash")}));
        app.ExitInstance();
    }
    SetMessageBoxRecorder({});
    QFile::remove(folder);
    QDir().rename(folder + QStringLiteral(".aside"), folder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Norv2 からのお知らせ\n\n設定を保存できませんでした\n")) << messages[0];
    EXPECT_NE(messages[0].find("/Norv/Norv2.conf: "), std::string::npos) << messages[0];
    EXPECT_EQ(messages[0].find("原因は不明です"), std::string::npos) << messages[0];
}

TEST(Norv2App, ASignalTakenBeforeTheEventLoopRunsStillEndsTheViewer)
{
    CTempDir dir;
    const std::string file = dir.Write("たろう.ｷﾛｸ", Records(1, 5));
    CNorv2App app;
    ASSERT_TRUE(
        app.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"), QString::fromStdString(file)}));
    // As if it came while the file was loading, whose progress lets events through.
    ASSERT_TRUE(app.GetMainFrame()->isVisible());
    ::raise(SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.GetMainFrame()->isVisible(); }));
    bool bLoopRan = false;
    QTimer::singleShot(0, [&] {
        bLoopRan = true;
        QCoreApplication::quit();
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_FALSE(bLoopRan);
    app.ExitInstance();
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToComeForward)
{
    CSingleInstance first(QStringLiteral("Norv2-test"));
    ASSERT_TRUE(first.Claim());
    QSignalSpy spy(&first, &CSingleInstance::activationRequested);
    CSingleInstance second(QStringLiteral("Norv2-test"));
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }, 5000));
}

TEST(SingleInstance, ALockFileThatNamesNoOwnerIsTakenOverUnlessACopyHoldsIt)
{
    // Left empty by a copy that was killed while writing it.
    QFile lock(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/Norv2-test.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    {
        CSingleInstance first(QStringLiteral("Norv2-test"));
        EXPECT_TRUE(first.Claim());
    }
    // Still open and locked by a copy writing it: not taken, and the reason is told.
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    ::testing::internal::CaptureStderr();
    CSingleInstance second(QStringLiteral("Norv2-test"));
    EXPECT_FALSE(second.Claim());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(QFile::encodeName(lock.fileName()).toStdString()),
              std::string::npos);
    lock.close();
    lock.remove();
}

TEST(SingleInstance, AFallbackFolderThatIsNotTheUsersAloneIsNotUsed)
{
    CTempDir dir;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    // No runtime folder, and Qt's own fallback under the temporary folder taken by a file.
    qputenv("XDG_RUNTIME_DIR", dir.Write("not-a-folder", "").c_str());
    qputenv("TMPDIR", dir.File("tmp").c_str());
    ASSERT_EQ(::mkdir(dir.File("tmp").c_str(), 0700), 0);
    dir.Write("tmp/runtime-" + std::string(::getpwuid(::geteuid())->pw_name), "");
    const std::string fallback = dir.File("tmp/Norv2-test-" + std::to_string(::geteuid()));
    ASSERT_EQ(::mkdir(dir.File("elsewhere").c_str(), 0700), 0);

    // Writable by others, or a symbolic link: no guard, and a word on standard error.
    const auto expectNoGuard = [&fallback] {
        ::testing::internal::CaptureStderr();
        CSingleInstance first(QStringLiteral("Norv2-test")), second(QStringLiteral("Norv2-test"));
        EXPECT_TRUE(first.Claim());
        EXPECT_TRUE(second.Claim());
        EXPECT_NE(::testing::internal::GetCapturedStderr().find(fallback), std::string::npos);
    };
    ASSERT_EQ(::mkdir(fallback.c_str(), 0700), 0);
    for (const mode_t mode : {0720, 0702}) {
        ASSERT_EQ(::chmod(fallback.c_str(), mode), 0);
        expectNoGuard();
    }
    ASSERT_EQ(::rmdir(fallback.c_str()), 0);
    ASSERT_EQ(::symlink(dir.File("elsewhere").c_str(), fallback.c_str()), 0);
    expectNoGuard();
    // Made afresh, it is the user's alone and guards.
    ASSERT_EQ(::unlink(fallback.c_str()), 0);
    {
        CSingleInstance first(QStringLiteral("Norv2-test")), second(QStringLiteral("Norv2-test"));
        EXPECT_TRUE(first.Claim());
        EXPECT_FALSE(second.Claim());
    }
    qputenv("XDG_RUNTIME_DIR", runtime);
    qunsetenv("TMPDIR");
}
