#include "core/chart/ChartStatusText.h"

#include <gtest/gtest.h>

#include "core/record/PeriodData.h"
#include "tests/support/ZoneTest.h"

namespace {
class ChartStatusTextTest : public ZoneTest
{
protected:
    static BOARDDATA Week(int y, int m, int d)
    {
        BOARDDATA data;
        data.nScale = Scale::Weekly;
        data.Date = CTime(y, m, d, 0, 0, 0);
        return data;
    }
};
} // namespace

TEST_F(ChartStatusTextTest, WeeklyBarShowsTheWeekAndTheFiguresOfItsCategory)
{
    BOARDDATA data = Week(2003, 5, 11);
    data.nTry = {7, 99, 0, 0};
    data.nBest = {116, 1, 0, 0};
    data.nBestMiss = {16, 1, 0, 0};
    data.nWorst = {110, 1, 999, 999};
    data.nWorstMiss = {10, 1, 0, 0};
    data.nAve = {113, 1, 0, 0};
    data.nAveMiss = {13, 1, 0, 0};
    EXPECT_EQ(ChartStatusText(data, Category::Alph),
              "[2003/5/11～5/17] 英 字   7回 最高:116(16)  最低:110(10)  平均:113(13)");
    EXPECT_EQ(ChartStatusText(data, Category::Kana),
              "[2003/5/11～5/17] か な  99回 最高:  1( 1)  最低:  1( 1)  平均:  1( 1)");
}

TEST_F(ChartStatusTextTest, OtherCategoriesAndWideFigures)
{
    BOARDDATA data = Week(2003, 5, 11);
    data.nTry[3] = 12345; // lengthens the text rather than being cut
    data.nBestMiss[3] = 100;
    EXPECT_EQ(ChartStatusText(data, Category::Sybl),
              "[2003/5/11～5/17] 記 号 12345回 最高:  0(100)  最低:999( 0)  平均:  0( 0)");
    EXPECT_TRUE(ChartStatusText(data, Category::Roma).starts_with("[2003/5/11～5/17] ﾛｰﾏ字   0回"));
}

TEST_F(ChartStatusTextTest, PeriodTexts)
{
    const struct
    {
        Scale nScale;
        int y, m, d;
        const char* expected;
    } cases[] = {
        {Scale::Weekly, 2003, 5, 25, "2003/5/25～5/31"},  {Scale::Weekly, 2003, 8, 31, "2003/8/31～9/6"},
        {Scale::Weekly, 2003, 12, 28, "2003/12/28～1/3"}, {Scale::Monthly, 2003, 12, 1, "2003/12"},
        {Scale::Daily, 2004, 1, 1, "2004/1/1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusPeriodText(CTime(c.y, c.m, c.d, 0, 0, 0), c.nScale), c.expected) << c.expected;
}

TEST_F(ChartStatusTextTest, WeekEndIsSixCalendarDaysLaterAcrossDaylightSaving)
{
    // In New York Sunday 2003-10-26 had 25 hours: six times 86400 seconds from its
    // midnight end on the 31st at 23:00.
    UseZone("America/New_York");
    EXPECT_EQ(StatusPeriodText(CTime(2003, 4, 6, 0, 0, 0), Scale::Weekly), "2003/4/6～4/12");
    EXPECT_EQ(StatusPeriodText(CTime(2003, 10, 26, 0, 0, 0), Scale::Weekly), "2003/10/26～11/1");
}
