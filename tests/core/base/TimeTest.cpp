#include "core/base/Time.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {
// Each test names the zone it needs; the C library reads TZ on tzset.
class TimeTest : public ::testing::Test
{
protected:
    static void UseZone(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }
    void TearDown() override { UseZone("UTC"); }
};
} // namespace

TEST_F(TimeTest, DatesPast2038KeepTheirDayWeekdayAndMonth)
{
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/New_York"}) {
        UseZone(zone);
        const CTime t(2040, 2, 29, 0, 0, 0);
        EXPECT_GT(t.GetTime(), std::int64_t{INT32_MAX}) << zone;
        EXPECT_EQ(t.GetYear(), 2040) << zone;
        EXPECT_EQ(t.GetMonth(), 2) << zone;
        EXPECT_EQ(t.GetDay(), 29) << zone;
        EXPECT_EQ(t.GetDayOfWeek(), 4) << zone;                             // a Wednesday
        EXPECT_EQ(t.AddDays(-3).Format("%Y/%#m/%#d"), "2040/2/26") << zone; // its week's Sunday
        EXPECT_EQ(t.AddDays(1).Format("%Y-%m-%d"), "2040-03-01") << zone;
    }
}

TEST_F(TimeTest, FormatCodes)
{
    UseZone("UTC");
    const CTime t(2003, 5, 9, 7, 4, 3);
    EXPECT_EQ(t.Format("%Y %y %m %d %H:%M:%S"), "2003 03 05 09 07:04:03");
    EXPECT_EQ(t.Format("%#m/%#d"), "5/9");
    EXPECT_EQ(t.Format("%y/%#m/%#d-"), "03/5/9-");
    EXPECT_EQ(t.Format("%Y年 %#m月 %#d日("), "2003年 5月 9日(");
    EXPECT_EQ(t.Format("100%% %q"), "100% %q");
    EXPECT_EQ(CTime(2004, 1, 1, 0, 0, 0).Format("%y/%#m/%#d"), "04/1/1");
}

TEST_F(TimeTest, AddingDaysKeepsLocalMidnightAcrossClockChanges)
{
    UseZone("Europe/London");
    const CTime sat(2021, 3, 27, 0, 0, 0);
    const CTime mon = sat.AddDays(2);
    EXPECT_EQ(mon.GetHour(), 0);
    EXPECT_EQ(mon.GetDay(), 29);
    EXPECT_EQ(mon.GetTime() - sat.GetTime(), 2 * 86400 - 3600); // the day of the change has 23 hours
    EXPECT_EQ(CTime(2021, 10, 30, 0, 0, 0).AddDays(1).Format("%#d %H"), "31 00");

    // São Paulo started summer time at midnight: 2018-11-04 00:00 does not exist.
    UseZone("America/Sao_Paulo");
    const CTime before(2018, 11, 3, 0, 0, 0);
    EXPECT_EQ(before.AddDays(1).GetDay(), 4);
    EXPECT_EQ(before.AddDays(2).Format("%#m/%#d %H"), "11/5 00");
}

TEST_F(TimeTest, PartsOutOfRangeAreNormalised)
{
    UseZone("UTC");
    EXPECT_EQ(CTime(2003, 1, 32, 0, 0, 0).Format("%#m/%#d"), "2/1");
    EXPECT_EQ(CTime(2003, 13, 1, 0, 0, 0).Format("%Y/%#m"), "2004/1");
}

TEST(Calendar, ValidDates)
{
    EXPECT_TRUE(IsValidDate(2004, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_TRUE(IsValidDate(1970, 1, 1));
    EXPECT_TRUE(IsValidDate(2040, 12, 31));
    EXPECT_FALSE(IsValidDate(2003, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_FALSE(IsValidDate(2003, 0, 1));
    EXPECT_FALSE(IsValidDate(2003, 13, 1));
    EXPECT_FALSE(IsValidDate(2003, 4, 31));
    EXPECT_FALSE(IsValidDate(2003, 1, 0));
    EXPECT_FALSE(IsValidDate(2003, 1, 32));
    EXPECT_FALSE(IsValidDate(1969, 12, 31));
}
