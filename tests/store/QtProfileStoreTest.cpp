#include "store/QtProfileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/AppSetting.h"
#include "store/WriteProbe.h"
#include "tests/support/MemoryProfileStore.h"
#include "tests/support/Shell.h"

namespace {
QString SettingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Norv/Norv2.conf");
}

class QtProfileStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(SettingsFile()); }
};

// Every field set away from its default, fonts and placement included.
void FillEveryField(CAppSetting& s)
{
    s.m_nBarCount = 120;
    s.m_nLineWidth = 4;
    s.m_nBarSpace = 3;
    s.m_nBarWidth = 21;
    s.m_nBoardFlag = 0x15;
    s.m_bGageColor = true;
    s.m_strUserName = "たろう";
    s.m_strVeskDir = "/home/taro/vesk/";
    s.m_pWindowPos = std::make_unique<WINDOWPLACEMENT>();
    *s.m_pWindowPos = {44, 2, 3, -1, -2, 5, 6, 10, 20, 810, 620};
    s.m_bZoomed = true;
    s.m_ptFrame = {-40, 12};
    for (int i = 0; i < 6; ++i)
        s.m_ptBoard[i] = {i * 100 - 50, i * 7};
    s.m_pBoardFont = std::make_unique<LOGFONT>();
    s.m_pBoardFont->lfHeight = -13;
    s.m_pBoardFont->lfWeight = 700;
    s.m_pBoardFont->SetFaceNameBytes("\x82\x6c\x82\x72 Gothic"); // "ＭＳ Gothic" in Shift-JIS
    s.m_pChartFont = std::make_unique<LOGFONT>();
    s.m_pChartFont->lfHeight = -11;
    s.m_pChartFont->lfItalic = 1;
    s.m_pChartFont->SetFaceNameBytes("IPAGothic");
    for (int i = 0; i < 4; ++i)
        s.m_ChartColor[i] = {static_cast<COLORREF>(i), 0xABCDEF, 0x800000, 0x0000FF};
    for (int i = 0; i < 3; ++i)
        s.m_BoardColor[i] = {0xFFFFFF, 1, 2, 3, 4, static_cast<COLORREF>(i), 0x808080};
    s.m_strRefStr = "＞ a,b";
}
} // namespace

TEST_F(QtProfileStoreTest, EveryFieldSurvivesARealSettingsFile)
{
    {
        CAppSetting s;
        FillEveryField(s);
        CQtProfileStore store;
        EXPECT_TRUE(s.Save(store));
        ASSERT_TRUE(store.Flush());
    }
    ASSERT_TRUE(QFile::exists(SettingsFile()));

    CAppSetting expected;
    FillEveryField(expected);
    CQtProfileStore store;
    CAppSetting s;
    s.Load(store, FixedDesktop());
    EXPECT_EQ(s.m_nBarCount, expected.m_nBarCount);
    EXPECT_EQ(s.m_nLineWidth, expected.m_nLineWidth);
    EXPECT_EQ(s.m_nBarSpace, expected.m_nBarSpace);
    EXPECT_EQ(s.m_nBarWidth, expected.m_nBarWidth);
    EXPECT_EQ(s.m_nBoardFlag, expected.m_nBoardFlag);
    EXPECT_EQ(s.m_bGageColor, expected.m_bGageColor);
    EXPECT_EQ(s.m_strUserName, expected.m_strUserName);
    EXPECT_EQ(s.m_strVeskDir, expected.m_strVeskDir);
    EXPECT_EQ(*s.m_pWindowPos, *expected.m_pWindowPos);
    EXPECT_EQ(s.m_bZoomed, expected.m_bZoomed);
    EXPECT_EQ(s.m_ptFrame, expected.m_ptFrame);
    EXPECT_EQ(s.m_ptBoard, expected.m_ptBoard);
    EXPECT_EQ(*s.m_pBoardFont, *expected.m_pBoardFont);
    EXPECT_EQ(*s.m_pChartFont, *expected.m_pChartFont);
    EXPECT_EQ(s.m_ChartColor, expected.m_ChartColor);
    EXPECT_EQ(s.m_BoardColor, expected.m_BoardColor);
    EXPECT_EQ(s.m_strRefStr, expected.m_strRefStr);
}

TEST_F(QtProfileStoreTest, ValuesKeepTheirKinds)
{
    {
        CQtProfileStore store;
        store.WriteProfileInt("Board", "Flag", 21);
        store.WriteProfileString("Board", "RefStr", "@> ");
        store.WriteProfileBinary("Chart", "Font", {0, 1, 2, 0xFF});
        store.WriteProfileString("Frame", "Point", "1:2");
        store.WriteProfileString("App", "UserName", "b\xff"); // a file name that is not UTF-8
        ASSERT_TRUE(store.Flush());
    }
    CQtProfileStore store;
    EXPECT_EQ(store.GetProfileString("App", "UserName", ""), "b\xff");
    EXPECT_EQ(store.GetProfileInt("Board", "Flag", 31), 21);
    EXPECT_EQ(store.GetProfileString("Board", "RefStr", ">"), "@> ");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(store.GetProfileBinary("Chart", "Font", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 1, 2, 0xFF}));
    // A byte string is not a number, and text is not a byte string.
    EXPECT_EQ(store.GetProfileInt("Chart", "Font", 7), 7);
    EXPECT_FALSE(store.GetProfileBinary("Frame", "Point", bytes));
    EXPECT_EQ(store.GetProfileInt("Frame", "Point", 9), 9);
    EXPECT_EQ(store.GetProfileString("App", "Missing", "dflt"), "dflt");
    EXPECT_FALSE(store.GetProfileBinary("App", "Missing", bytes));
}

TEST_F(QtProfileStoreTest, EmptyStoreIsFilledOnSave)
{
    CQtProfileStore store;
    CAppSetting s;
    s.Load(store, FixedDesktop());
    EXPECT_TRUE(s.Save(store));
    ASSERT_TRUE(store.Flush());
    QSettings file(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(file.allKeys().size(), 19);
    EXPECT_EQ(file.value(QStringLiteral("Chart/Alph")).toString(), QStringLiteral("0:ffffff:ff0000:ff"));
    EXPECT_EQ(file.value(QStringLiteral("Board/Flag")).toInt(), 31);
}

TEST_F(QtProfileStoreTest, AFileThatIsNotRegularIsNeitherReadNorReplaced)
{
    // A link to a FIFO without a writer: opening it to read would wait for ever.
    const QString fifo = SettingsFile() + QStringLiteral(".fifo");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(fifo).path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, SettingsFile()));
    {
        CQtProfileStore store;
        EXPECT_FALSE(store.Flush());
        EXPECT_EQ(store.DescribeWriteFailure(),
                  QFile::encodeName(SettingsFile()).toStdString() + ": 通常のファイルではないので書き込みません");
    }
    struct stat st
    {
    };
    EXPECT_TRUE(::stat(QFile::encodeName(SettingsFile()).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    QFile::remove(SettingsFile());
    QFile::remove(fifo);
}

TEST_F(QtProfileStoreTest, WithoutHomeNoFolderIsGuessed)
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    {
        CQtProfileStore store;
        EXPECT_FALSE(store.Flush());
        EXPECT_EQ(store.DescribeWriteFailure(),
                  "HOME も XDG_CONFIG_HOME も設定されていないので、設定の置き場所を決められません");
    }
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("HOME", home);
}

// The probe runs in a folder on a full file system of its own, mounted in a private mount
// namespace by a second run of this program.
TEST(WriteProbe, AFullFileSystemIsNamed)
{
    if (const QByteArray full = qgetenv("NORV2_FULL_FOLDER"); !full.isEmpty()) {
        EXPECT_EQ(WhyNoFileCanBeWrittenIn(full.toStdString() + "/Norv"), std::strerror(ENOSPC));
        return;
    }
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/full");
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string f = Quoted(folder.toStdString());
    const ProcessResult r =
        Shell("unshare -m sh -c 'mount -t tmpfs -o size=64k tmpfs " + f + " || exit 77; " + "mkdir " + f +
              "/Norv; cat /dev/zero > " + f + "/fill 2>/dev/null; " + "NORV2_FULL_FOLDER=" + f + " exec /proc/" +
              std::to_string(::getpid()) + "/exe --gtest_filter=WriteProbe.AFullFileSystemIsNamed' 2>&1");
    if (r.nExit == 77)
        GTEST_SKIP() << "no private tmpfs here: " << r.out;
    EXPECT_EQ(r.nExit, 0) << r.out;
}
