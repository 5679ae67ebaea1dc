#include "core/record/Calendar.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "core/record/CivilDay.h"
#include "core/record/PeriodData.h"
#include "tests/support/ZoneTest.h"

namespace {
using CalendarTest = ZoneTest;

int D(int y, int m, int d)
{
    return DaysFromCivil(y, m, d);
}

TEST_F(CalendarTest, SameDayWeekAndMonth)
{
    struct Case
    {
        CTime a, b;
        bool bDay, bWeek, bMonth;
    };
    const Case cases[] = {
        {CTime(2003, 5, 17, 23, 59, 59), CTime(2003, 5, 11, 0, 0, 0), false, true, true},
        {CTime(2003, 5, 17, 23, 59, 59), CTime(2003, 5, 18, 0, 0, 0), false, false, true},
        {CTime(2003, 5, 17, 0, 0, 0), CTime(2003, 5, 17, 23, 59, 59), true, true, true},
        {CTime(2003, 12, 31, 12, 0, 0), CTime(2004, 1, 3, 12, 0, 0), false, true, false},
        {CTime(2003, 5, 17, 12, 0, 0), CTime(2004, 5, 17, 12, 0, 0), false, false, false},
        {CTime(2040, 2, 26, 0, 0, 0), CTime(2040, 3, 3, 23, 0, 0), false, true, false},
        {CTime(2040, 3, 3, 23, 0, 0), CTime(2040, 3, 4, 0, 0, 0), false, false, true},
    };
    for (const Case& c : cases) {
        const std::string what = c.a.Format("%Y-%m-%d %H:%M:%S ") + c.b.Format("%Y-%m-%d %H:%M:%S");
        EXPECT_EQ(IsSameDay(c.a, c.b), c.bDay) << what;
        EXPECT_EQ(IsSameWeek(c.a, c.b), c.bWeek) << what;
        EXPECT_EQ(IsSameMonth(c.a, c.b), c.bMonth) << what;
        EXPECT_EQ(IsSameWeek(c.b, c.a), c.bWeek) << what;
    }
}

TEST_F(CalendarTest, PeriodKeysAndLastDays)
{
    struct Case
    {
        int day;
        Scale scale;
        int key, last; // last day of the period that starts on key
    };
    const Case cases[] = {
        {D(2003, 5, 17), Scale::Daily, D(2003, 5, 17), D(2003, 5, 17)},
        {D(2003, 5, 17), Scale::Weekly, D(2003, 5, 11), D(2003, 5, 17)},
        {D(2003, 5, 18), Scale::Weekly, D(2003, 5, 18), D(2003, 5, 24)},
        {D(2004, 1, 1), Scale::Weekly, D(2003, 12, 28), D(2004, 1, 3)},
        {D(2003, 12, 15), Scale::Monthly, D(2003, 12, 1), D(2003, 12, 31)},
        {D(2003, 2, 28), Scale::Monthly, D(2003, 2, 1), D(2003, 2, 28)},
        {D(2040, 2, 29), Scale::Monthly, D(2040, 2, 1), D(2040, 2, 29)},
        {D(2040, 2, 29), Scale::Weekly, D(2040, 2, 26), D(2040, 3, 3)},
        {D(1970, 1, 1), Scale::Weekly, D(1969, 12, 28), D(1970, 1, 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PeriodKeyDays(c.day, c.scale), c.key) << c.day << " scale " << Index(c.scale);
        EXPECT_EQ(LastDayOfPeriod(c.key, c.scale), c.last) << c.day << " scale " << Index(c.scale);
    }
}

// In weeks whose clocks change, every day at any hour belongs to the week of its Sunday,
// whose key is that Sunday's first instant.
TEST_F(CalendarTest, WeeksAcrossClockChanges)
{
    struct Case
    {
        const char* zone;
        int y, m, d; // the Sunday
        int keyHour;
    };
    const Case cases[] = {
        {"America/Sao_Paulo", 2018, 11, 4, 1}, // midnight does not exist
        {"America/Sao_Paulo", 2019, 2, 17, 0},
        {"Europe/London", 2021, 3, 28, 0},
        {"Europe/London", 2021, 10, 31, 0},
    };
    for (const Case& c : cases) {
        UseZone(c.zone);
        const int nSunday = D(c.y, c.m, c.d);
        const CTime key = LocalMidnight(nSunday);
        EXPECT_EQ(DaysOfTime(key), nSunday) << c.zone;
        EXPECT_EQ(key.GetHour(), c.keyHour) << c.zone;
        EXPECT_EQ(key.GetMinute(), 0) << c.zone;
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(PeriodKeyDays(nSunday + i, Scale::Weekly), nSunday) << c.zone << " +" << i;
            const std::int64_t first = LocalMidnight(nSunday + i).GetTime();
            const std::int64_t last = LocalMidnight(nSunday + i + 1).GetTime() - 1;
            for (const std::int64_t t : {first, first + 12 * 3600, last}) {
                EXPECT_TRUE(IsSameWeek(CTime(t), key)) << c.zone << " " << CTime(t).Format("%#m/%#d %H:%M");
                EXPECT_TRUE(IsSameDay(CTime(t), CTime(first))) << c.zone << " " << CTime(t).Format("%#m/%#d %H:%M");
            }
        }
        EXPECT_FALSE(IsSameWeek(CTime(key.GetTime() - 1), key)) << c.zone;
        EXPECT_FALSE(IsSameWeek(LocalMidnight(nSunday + 7), key)) << c.zone;
    }
}

TEST_F(CalendarTest, ADayTheZoneSkipsKeepsAKeyOfItsOwn)
{
    struct Case
    {
        const char* zone;
        int y, m, d; // no instant of this day exists there
        const char* date;
    };
    const Case cases[] = {
        {"Pacific/Apia", 2011, 12, 30, "2011-12-30"},
        {"Pacific/Kiritimati", 1994, 12, 31, "1994-12-31"},
        {"Pacific/Kwajalein", 1993, 8, 21, "1993-08-21"},
    };
    for (const Case& c : cases) {
        UseZone(c.zone);
        const int nDay = D(c.y, c.m, c.d);
        const CTime key = LocalMidnight(nDay);
        EXPECT_EQ(DaysOfTime(key), nDay) << c.zone;
        EXPECT_EQ(key.Format("%Y-%m-%d"), c.date) << c.zone;
        EXPECT_LT(LocalMidnight(nDay - 1), key) << c.zone;
        EXPECT_LT(key, LocalMidnight(nDay + 1)) << c.zone;
        EXPECT_EQ(DaysOfTime(key.AddDays(1)), nDay + 1) << c.zone;
    }
}
} // namespace
