#include "store/QtProfileStore.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "core/settings/AppSetting.h"
#include "tests/support/MemoryProfileStore.h"

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
        ASSERT_TRUE(store.Flush());
    }
    CQtProfileStore store;
    EXPECT_EQ(store.GetProfileInt("Board", "Flag", 31), 21);
    EXPECT_EQ(store.GetProfileString("Board", "RefStr", ">"), "@> ");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(store.GetProfileBinary("Chart", "Font", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 1, 2, 0xFF}));
    // A byte string is neither text nor number, and text is not a byte string.
    EXPECT_EQ(store.GetProfileString("Chart", "Font", "dflt"), "dflt");
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
