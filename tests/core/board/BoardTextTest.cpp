#include "core/board/BoardText.h"

#include <gtest/gtest.h>

#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "tests/support/ZoneTest.h"

namespace {
class BoardTextTest : public ZoneTest
{
protected:
    static BOARDDATA Period(Scale nScale, int y, int m, int d)
    {
        BOARDDATA data;
        data.nScale = nScale;
        data.Date = CTime(y, m, d, 0, 0, 0);
        return data;
    }

    // Alph: 12 runs, best 250 (3), worst 180 (10), average 215 (6), 340 in all, best ever 260 (2).
    // Kana: no runs in the period, 57 runs and a best of 198 (4) up to its end.
    static BOARDDATA Example()
    {
        BOARDDATA data = Period(Scale::Daily, 2003, 5, 6);
        data.nTry[0] = 12;
        data.nBest[0] = 250;
        data.nBestMiss[0] = 3;
        data.nWorst = {180, 0, 0, 0};
        data.nWorstMiss[0] = 10;
        data.nAve[0] = 215;
        data.nAveMiss[0] = 6;
        data.nTTry[0] = 340;
        data.nTBest[0] = 260;
        data.nTBestMiss[0] = 2;
        data.nTTry[1] = 57;
        data.nTBest[1] = 198;
        data.nTBestMiss[1] = 4;
        return data;
    }

    const std::string kTitle = "2003年 5月 6日(火)の記録 - user1";
    const std::string kHeading = "   回数   最高     最低     平均   総回数   ベスト\r\n";
    const std::string kRule = std::string(50, '-') + "\r\n";
};
} // namespace

TEST_F(BoardTextTest, TitlesOfDaysWeeksAndMonths)
{
    EXPECT_EQ(BoardTitle(Period(Scale::Daily, 2003, 5, 6), "user1"), kTitle);
    EXPECT_EQ(BoardTitle(Period(Scale::Daily, 2003, 5, 10), "u"), "2003年 5月 10日(土)の記録 - u");
    EXPECT_EQ(BoardTitle(Period(Scale::Weekly, 2003, 5, 4), "user1"), "2003年 5月 4日(日)～10日(土)の週間記録 - user1");
    EXPECT_EQ(BoardTitle(Period(Scale::Weekly, 2003, 4, 27), "user1"),
              "2003年 4月 27日(日)～5月 3日(土)の週間記録 - user1");
    EXPECT_EQ(BoardTitle(Period(Scale::Weekly, 2003, 12, 28), "user1"),
              "2003年 12月 28日(日)～2004年 1月 3日(土)の週間記録 - user1");
    EXPECT_EQ(BoardTitle(Period(Scale::Monthly, 2003, 5, 1), "user1"), "2003年 5月の月間記録 - user1");
    // A file name may hold a line break; the title, also the first copied line, must not.
    EXPECT_EQ(BoardTitle(Period(Scale::Monthly, 2003, 5, 1), "a\nb\r\tc"), "2003年 5月の月間記録 - a?b??c");
}

TEST_F(BoardTextTest, CopyTextQuotesEveryLine)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x11; // Alph only
    EXPECT_EQ(BoardCopyText(Example(), kTitle, s), ">" + kTitle + "\r\n>" + kHeading + ">" + kRule +
                                                       ">Ａ   12  250( 3)  180(10)  215( 6)    340  260( 2)\r\n" + ">" +
                                                       kRule);

    s.m_nBoardFlag = 0x10; // no rows: four lines
    s.m_strRefStr = "";
    EXPECT_EQ(BoardCopyText(Example(), kTitle, s), kTitle + "\r\n" + kHeading + kRule + kRule);

    // A hand-edited store can hold any length; the copy uses what the board page allows.
    s.m_strRefStr = std::string(100000, '>');
    EXPECT_EQ(BoardCopyText(Example(), kTitle, s),
              ">>>>>" + kTitle + "\r\n>>>>>" + kHeading + ">>>>>" + kRule + ">>>>>" + kRule);
}

TEST_F(BoardTextTest, CopyTextIsJapaneseWhateverTheScreenShows)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x0A; // Kana and Sybl, English screen labels
    const std::string text = BoardCopyText(Example(), kTitle, s);
    EXPECT_EQ(text, ">" + kTitle + "\r\n>" + kHeading + ">" + kRule +
                        ">あ    0    0( 0)    0( 0)    0( 0)     57  198( 4)\r\n" +
                        ">！    0    0( 0)    0( 0)    0( 0)      0    0( 0)\r\n" + ">" + kRule);
}

TEST_F(BoardTextTest, TheTableReadsRowByRowInTheScreensLabels)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x13; // Alph and Kana, Japanese labels
    EXPECT_EQ(BoardTableText(Example(), kTitle, s),
              kTitle + "\n英 字: 回数 12, 最高 250(3), 最低 180(10), 平均 215(6), 総回数 340, ベスト 260(2)" +
                  "\nか な: 回数 0, 最高 0(0), 最低 0(0), 平均 0(0), 総回数 57, ベスト 198(4)");
    s.m_nBoardFlag = 0x08; // Sybl only, English labels
    EXPECT_EQ(BoardTableText(Example(), kTitle, s),
              kTitle + "\nSybl: Try 0, Best 0(0), Worst 0(0), Ave 0(0), T_Try 0, T_Best 0(0)");
}

TEST_F(BoardTextTest, WideValuesLengthenTheirLineInsteadOfBeingCut)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x01;
    BOARDDATA data = Example();
    const std::size_t normal = BoardCopyText(data, kTitle, s).size();
    data.nTry[0] = 1234;
    const std::string wide = BoardCopyText(data, kTitle, s);
    EXPECT_EQ(wide.size(), normal + 1);
    EXPECT_NE(wide.find("\r\n>Ａ  1234  250( 3)  180(10)"), std::string::npos);
    data.nTTry[0] = 1234567;
    EXPECT_NE(BoardCopyText(data, kTitle, s).find("  215( 6)  1234567  260( 2)\r\n"), std::string::npos);
}

TEST_F(BoardTextTest, ScreenTextsFollowTheLanguage)
{
    EXPECT_EQ(BoardHeadings(false)[4], "T_Try");
    EXPECT_EQ(BoardHeadings(true)[5], "ベスト");
    EXPECT_EQ(BoardRowLabels(false), (std::array<std::string, 4>{"Alph", "Kana", "Roma", "Sybl"}));
    EXPECT_EQ(BoardRowLabels(true)[3], "記 号");
    EXPECT_EQ(BoardMeasuringTemplate(false), "MMMM999999(99)999(99)999(99)999999999(99)");
    EXPECT_EQ(BoardMeasuringTemplate(true), "ﾛｰﾏ 字999999(99)999(99)999(99)999999999(99)");
    EXPECT_EQ(BoardCellTemplates(true)[0], "ﾛｰﾏ字");
    EXPECT_EQ(BoardCellTemplates(false)[0], "Roma");

    EXPECT_EQ(BoardCellTexts(Example(), Category::Alph),
              (std::array<std::string, 10>{"12", "250(", "3)", "180(", "10)", "215(", "6)", "340", "260(", "2)"}));
}
