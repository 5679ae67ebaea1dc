#include "settings-remover/SettingsRemover.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/AppSetting.h"
#include "core/settings/FixedDesktopMetrics.h"
#include "store/QtProfileStore.h"
#include "tests/support/Shell.h"

namespace {
// A private config home with a Norv folder holding the given sections.
class SettingsRemoverTest : public ::testing::Test
{
protected:
    QString Home() const { return m_home.path(); }
    QString Norv() const { return m_home.filePath(QStringLiteral("Norv")); }
    QString File() const { return Norv() + QStringLiteral("/Norv2.conf"); }

    void Store(std::initializer_list<const char*> sections)
    {
        QSettings settings(File(), QSettings::IniFormat);
        for (const char* section : sections)
            settings.setValue(QLatin1String(section) + QStringLiteral("/Value"), 1);
    }

    // The real program without a display box; its message comes on standard output here.
    ProcessResult Run(const std::string& prefix, const std::string& environment) const
    {
        return Shell("timeout 60 " + prefix + "env " + environment +
                     " XDG_CONFIG_HOME=" + Quoted(Home().toStdString()) + " " + NORV2_REMOVER + " 2>&1");
    }

    QTemporaryDir m_home;
};
} // namespace

TEST_F(SettingsRemoverTest, NothingStoredIsASuccessEveryTime)
{
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_EQ(DeleteStoredSettings(Home() + QStringLiteral("/missing")), 0);
    Store({"App", "Frame", "Chart", "Board"});
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_FALSE(QDir(Norv()).exists());
    EXPECT_EQ(DeleteStoredSettings(Home()), 0); // a second run
    Store({"App", "Frame", "Chart", "Board", "Calendar"});
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_FALSE(QDir(Norv()).exists());
    EXPECT_EQ(RemoverMessage(0), QStringLiteral("規定のレジストリキーを削除しました"));
}

TEST_F(SettingsRemoverTest, MissingPiecesFailWithCodeTwoAndKeepTheRest)
{
    ASSERT_TRUE(QDir().mkpath(Norv()));
    EXPECT_EQ(DeleteStoredSettings(Home()), ENOENT); // an empty Norv folder
    EXPECT_TRUE(QDir(Norv()).exists());

    Store({"App", "Frame", "Chart"});
    EXPECT_EQ(DeleteStoredSettings(Home()), ENOENT);
    QSettings left(File(), QSettings::IniFormat);
    EXPECT_TRUE(left.childGroups().isEmpty()); // the three were deleted before the failure
    EXPECT_TRUE(QFile::exists(File()));
    EXPECT_EQ(RemoverMessage(2), QStringLiteral("レジストリの削除に失敗しました\nError Code : [2]"));
}

TEST_F(SettingsRemoverTest, AnEmptySectionIsDeletedLikeAnyOther)
{
    Store({"App", "Frame", "Chart"});
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("[Board]\n");
    file.close();
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_FALSE(QDir(Norv()).exists());
}

TEST_F(SettingsRemoverTest, FoldersItMayNotEnterOrWriteFailWithTheSystemsCode)
{
    const std::optional<std::string> prefix = UnprivilegedPrefix();
    if (!prefix)
        GTEST_SKIP() << "privileges cannot be dropped here (setpriv --reuid=nobody failed)";
    Store({"App", "Frame", "Chart", "Board"});
    if (!prefix->empty()) {
        ASSERT_EQ(Shell("chown -R nobody:nogroup " + Quoted(Home().toStdString())).nExit, 0);
    }
    for (const QString& folder : {Home(), Norv()}) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), folder == Home() ? 0 : 0555), 0);
        const ProcessResult r = Run(*prefix, "QT_QPA_PLATFORM=offscreen");
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        EXPECT_EQ(r.nExit, EACCES) << r.out;
        EXPECT_NE(r.out.find("Error Code : [13]"), std::string::npos) << r.out;
    }
    EXPECT_EQ(QSettings(File(), QSettings::IniFormat).childGroups().size(), 4);
}

TEST_F(SettingsRemoverTest, ADisplayThatCannotBeReachedGetsTheMessageOnStandardError)
{
    const ProcessResult r = Run("", "-u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:2147");
    EXPECT_EQ(r.nExit, 0);
    EXPECT_NE(r.out.find("規定のレジストリキーを削除しました"), std::string::npos) << r.out;
}

TEST_F(SettingsRemoverTest, AnotherProgramsFileKeepsTheFolder)
{
    Store({"App", "Frame", "Chart", "Board"});
    QSettings other(Norv() + QStringLiteral("/Other.conf"), QSettings::IniFormat);
    other.setValue(QStringLiteral("Keep/Me"), 1);
    other.sync();
    EXPECT_EQ(DeleteStoredSettings(Home()), ENOTEMPTY);
    EXPECT_FALSE(QFile::exists(File()));
    EXPECT_TRUE(QFile::exists(Norv() + QStringLiteral("/Other.conf")));
}

TEST_F(SettingsRemoverTest, EverythingTheViewerSavedIsGone)
{
    qputenv("XDG_CONFIG_HOME", Home().toUtf8());
    {
        CQtProfileStore store;
        CAppSetting setting;
        setting.Load(store, CFixedDesktopMetrics(LOGFONT{}, 1024, 768));
        EXPECT_TRUE(setting.Save(store));
        ASSERT_TRUE(store.Flush());
    }
    ASSERT_TRUE(QFile::exists(File()));
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_TRUE(QDir(Home()).isEmpty());
}

TEST_F(SettingsRemoverTest, ALinkedFolderStaysAndAFifoIsNoSettingsFile)
{
    // Norv a link to a folder elsewhere: the settings go, the link and its folder stay.
    const QString elsewhere = m_home.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, Norv()));
    Store({"App", "Frame", "Chart", "Board"});
    EXPECT_EQ(DeleteStoredSettings(Home()), 0);
    EXPECT_FALSE(QFile::exists(File()));
    EXPECT_TRUE(QFileInfo(Norv()).isSymLink() && QFileInfo(elsewhere).isDir());

    ASSERT_EQ(::mkfifo(QFile::encodeName(File()).constData(), 0600), 0);
    EXPECT_EQ(DeleteStoredSettings(Home()), kNotRegularFile);
    EXPECT_TRUE(QFileInfo(File()).exists());
    EXPECT_EQ(RemoverMessage(kNotRegularFile),
              QStringLiteral("レジストリの削除に失敗しました\nNorv2.conf が通常のファイルではありません"));
}
