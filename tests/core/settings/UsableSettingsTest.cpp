#include "core/settings/UsableSettings.h"

#include <gtest/gtest.h>

#include "core/settings/AppSetting.h"

TEST(UsableSettings, DamagedBarSizesAreHeldToTheChartPageRanges)
{
    CAppSetting s;
    s.m_nBarWidth = 500;
    s.m_nBarSpace = -4;
    s.m_nBarCount = 999;
    s.m_nLineWidth = 0;
    ChartScales c = GetUsableChartScales(s);
    EXPECT_EQ(c.nBarWidth, 30);
    EXPECT_EQ(c.nBarSpace, 1);
    EXPECT_EQ(c.nBarCount, 999);
    EXPECT_EQ(c.nLineWidth, 1);
    EXPECT_EQ(s.m_nBarWidth, 500); // the stored value stays

    s.m_nBarWidth = 0;
    s.m_nBarSpace = 0;
    s.m_nBarCount = -7;
    s.m_nLineWidth = 99;
    c = GetUsableChartScales(s);
    EXPECT_EQ(c.nBarWidth, 3);
    EXPECT_EQ(c.nBarSpace, 1);
    EXPECT_EQ(c.nBarCount, 0);
    EXPECT_EQ(c.nLineWidth, 10);

    s.m_nBarCount = 0; // no chart, without complaint
    EXPECT_EQ(GetUsableChartScales(s).nBarCount, 0);
}

TEST(UsableSettings, QuotePrefixIsCutToFiveShiftJisBytes)
{
    EXPECT_EQ(Cp932Length("> "), 2u);
    EXPECT_EQ(Cp932Length("ｷﾛｸ"), 3u);
    EXPECT_EQ(Cp932Length("たろう"), 6u);

    CAppSetting s;
    const std::pair<std::string, std::string> cases[] = {
        {">", ">"},
        {"", ""},
        {"12345", "12345"},
        {"123456", "12345"},
        {"ああｱ", "ああｱ"}, // two full-width and one half-width fit
        {"あああ", "ああ"}, // a third full-width would make six
        {"ｱｱｱｱあ", "ｱｱｱｱ"}, // never cut inside a character
        {std::string(100000, '>'), ">>>>>"},
    };
    for (const auto& [stored, used] : cases) {
        s.m_strRefStr = stored;
        EXPECT_EQ(GetUsableQuotePrefix(s), used) << stored.substr(0, 20);
    }
}
