#include "core/calendar/Streaks.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "core/calendar/CalendarRange.h"
#include "core/record/RecordBook.h"
#include "tests/support/RecordLines.h"
#include "tests/support/ZoneTest.h"

namespace {
using StreaksTest = ZoneTest;

int D(int y, int m, int d)
{
    return DaysFromCivil(y, m, d);
}

struct DayRun
{
    char mark;
    int y, m, d, hour;
};

TEST_F(StreaksTest, StreaksAndTotalsOverTheWholeFile)
{
    struct Case
    {
        const char* name;
        const char* zone;
        std::vector<DayRun> runs; // in file order
        CalendarCategory category;
        int today;
        int current;
        bool today_practised;
        int longest, first, last, days, total;
    };
    const Case cases[] = {
        {"AcrossANewYear",
         "Asia/Tokyo",
         {{'A', 2025, 12, 30, 12}, {'A', 2025, 12, 31, 23}, {'A', 2026, 1, 1, 0}, {'A', 2026, 1, 2, 9}},
         std::nullopt,
         D(2026, 1, 2),
         4,
         true,
         4,
         D(2025, 12, 30),
         D(2026, 1, 2),
         4,
         4},
        {"TodayWithoutARunCountsUpToYesterday",
         "Asia/Tokyo",
         {{'A', 2026, 12, 7, 12}, {'A', 2026, 12, 8, 12}, {'A', 2026, 12, 8, 13}},
         std::nullopt,
         D(2026, 12, 9),
         2,
         false,
         2,
         D(2026, 12, 7),
         D(2026, 12, 8),
         2,
         3},
        {"AGapOfOneDayEndsTheStreak",
         "Asia/Tokyo",
         {{'A', 2026, 3, 1, 12}, {'A', 2026, 3, 2, 12}, {'A', 2026, 3, 3, 12}, {'A', 2026, 3, 5, 12}},
         std::nullopt,
         D(2026, 3, 7),
         0,
         false,
         3,
         D(2026, 3, 1),
         D(2026, 3, 3),
         4,
         4},
        {"RunsAt2359And0001FallOnTwoDays",
         "Asia/Tokyo",
         {{'A', 2026, 3, 1, 23}, {'A', 2026, 3, 2, 0}},
         std::nullopt,
         D(2026, 3, 2),
         2,
         true,
         2,
         D(2026, 3, 1),
         D(2026, 3, 2),
         2,
         2},
        {"DaylightSavingDaysAreDays",
         "Europe/Berlin",
         {{'A', 2026, 3, 28, 23}, {'A', 2026, 3, 29, 2}, {'A', 2026, 3, 30, 0}, {'A', 2026, 10, 25, 2}},
         std::nullopt,
         D(2026, 10, 25),
         1,
         true,
         3,
         D(2026, 3, 28),
         D(2026, 3, 30),
         4,
         4},
        {"MidnightSkippedByTheClock",
         "America/Sao_Paulo",
         {{'A', 2018, 11, 3, 23}, {'A', 2018, 11, 4, 1}, {'A', 2018, 11, 5, 0}},
         std::nullopt,
         D(2018, 11, 5),
         3,
         true,
         3,
         D(2018, 11, 3),
         D(2018, 11, 5),
         3,
         3},
        {"RunsOutOfOrderCountOnTheirOwnDays",
         "Asia/Tokyo",
         {{'A', 2026, 5, 3, 12}, {'A', 2026, 5, 1, 12}, {kKanaMark, 2026, 5, 2, 12}, {'A', 2026, 4, 20, 12}},
         std::nullopt,
         D(2026, 5, 3),
         3,
         true,
         3,
         D(2026, 5, 1),
         D(2026, 5, 3),
         4,
         4},
        {"AllFourCategoriesInAndOutOfOrderMergeByDay",
         "Asia/Tokyo",
         {{'R', 2026, 5, 2, 12},
          {'A', 2026, 5, 4, 12},
          {'R', 2026, 5, 5, 12},
          {'A', 2026, 5, 1, 12},
          {'!', 2026, 5, 3, 12},
          {kKanaMark, 2026, 5, 5, 12},
          {'A', 2026, 5, 4, 13},
          {'!', 2026, 5, 1, 12}},
         std::nullopt,
         D(2026, 5, 5),
         5,
         true,
         5,
         D(2026, 5, 1),
         D(2026, 5, 5),
         5,
         8},
        {"OneCategoryOnly",
         "Asia/Tokyo",
         {{'A', 2026, 5, 3, 12}, {'A', 2026, 5, 1, 12}, {kKanaMark, 2026, 5, 2, 12}, {'A', 2026, 4, 30, 12}},
         Category::Alph,
         D(2026, 5, 3),
         1,
         true,
         2,
         D(2026, 4, 30),
         D(2026, 5, 1),
         3,
         3},
        {"OfEquallyLongStreaksTheFirst",
         "Asia/Tokyo",
         {{'R', 2024, 2, 28, 12},
          {'R', 2024, 2, 29, 12},
          {'R', 2024, 3, 1, 12},
          {'!', 2024, 3, 10, 12},
          {'!', 2024, 3, 11, 12},
          {'!', 2024, 3, 12, 12}},
         std::nullopt,
         D(2024, 3, 20),
         0,
         false,
         3,
         D(2024, 2, 28),
         D(2024, 3, 1),
         6,
         6},
        {"DaysAfterTodayDoNotCount",
         "Asia/Tokyo",
         {{'A', 2026, 12, 9, 12}, {'A', 2026, 12, 10, 12}, {'A', 2026, 12, 11, 12}},
         std::nullopt,
         D(2026, 12, 9),
         1,
         true,
         1,
         D(2026, 12, 9),
         D(2026, 12, 9),
         1,
         1},
        {"AnEmptyFile", "Asia/Tokyo", {}, std::nullopt, D(2026, 12, 9), 0, false, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseZone(c.zone);
        CRecordBook book;
        for (const DayRun& r : c.runs)
            ASSERT_EQ(book.ParseLine(RecordLine(r.mark, r.y, r.m, r.d, 200, 3, r.hour)), 0);
        const CPracticeDays days(book);
        const StreakFigures f = ComputeStreaks(days, c.category, c.today);
        EXPECT_EQ(f.nCurrent, c.current);
        EXPECT_EQ(f.bPractisedToday, c.today_practised);
        if (c.current > 0) {
            EXPECT_EQ(f.nCurrentLast, c.today_practised ? c.today : c.today - 1);
            EXPECT_EQ(f.nCurrentLast - f.nCurrentFirst + 1, c.current);
        }
        EXPECT_EQ(f.nLongest, c.longest);
        EXPECT_EQ(f.nLongestFirst, c.first);
        EXPECT_EQ(f.nLongestLast, c.last);
        EXPECT_EQ(f.total.nDays, c.days);
        EXPECT_EQ(f.total.nRuns, c.total);
        // The whole file counted as one stretch gives the same totals.
        const PracticeTotals t = CountPractice(days, c.category, D(1970, 1, 1), D(2100, 1, 1), c.today);
        EXPECT_EQ(t.nDays, c.days);
        EXPECT_EQ(t.nRuns, c.total);
    }
}

TEST_F(StreaksTest, TheGridOfAYearAndOfTheLast53Weeks)
{
    // 2026 begins on a Thursday: its first column starts on Sunday 2025-12-28.
    const CalendarRange year = YearRange(2026);
    EXPECT_EQ(year.FirstSunday(), D(2025, 12, 28));
    EXPECT_EQ(year.ColumnCount(), 53);
    EXPECT_EQ(year.ColumnOf(D(2026, 1, 4)), 1);
    EXPECT_EQ(CalendarRange::RowOf(D(2026, 12, 9)), 3); // a Wednesday
    EXPECT_EQ(MonthStartingInColumn(year, 0), 1);
    EXPECT_EQ(MonthStartingInColumn(year, 1), 0);
    EXPECT_EQ(MonthStartingInColumn(year, year.ColumnOf(D(2026, 3, 1))), 3);

    const CalendarRange weeks = LastWeeksRange(D(2026, 12, 9));
    EXPECT_EQ(weeks.nFirst, D(2025, 12, 7));
    EXPECT_EQ(weeks.ColumnCount(), 53);
    EXPECT_EQ(weeks.ColumnOf(weeks.nLast), 52);
    EXPECT_EQ(MonthStartingInColumn(weeks, 0), 12);

    EXPECT_EQ(ShadeStep(0, 10), 0);
    EXPECT_EQ(ShadeStep(1, 10), 1);
    EXPECT_EQ(ShadeStep(5, 10), 2);
    EXPECT_EQ(ShadeStep(8, 10), 4);
    EXPECT_EQ(ShadeStep(10, 10), 4);
    EXPECT_EQ(ShadeStep(2'000'000'000, 2'000'000'000), 4);
}
} // namespace

TEST_F(StreaksTest, TheDaysCaughtUpAfterEachReadAreTheDaysTakenAgain)
{
    UseZone("Asia/Tokyo");
    CRecordBook book;
    const auto read = [&](const std::vector<DayRun>& runs) {
        std::string lines;
        for (const DayRun& r : runs)
            lines += RecordLine(r.mark, r.y, r.m, r.d, 200, 3, r.hour) + "\r\n";
        ASSERT_EQ(book.StoreRecords(lines.data(), runs.size()), runs.size());
    };
    const auto runsOfEachDay = [](const CPracticeDays& days) {
        std::vector<std::pair<int, std::array<int, 4>>> out;
        for (const PracticeDay& day : days.Days())
            out.emplace_back(day.nDays, day.nRuns);
        return out;
    };
    read({{'A', 2026, 12, 1, 9}, {'A', 2026, 12, 3, 9}});
    CPracticeDays days(book);
    std::vector<DayRun> many;
    for (int i = 1; i <= 300; ++i)
        many.push_back({'R', 2027, 1 + i / 28 % 12, 1 + i % 28, 9});
    const std::vector<std::vector<DayRun>> reads{
        {{'A', 2026, 12, 3, 10}},                              // the day the last read ended on
        {{kKanaMark, 2026, 12, 3, 11}, {'A', 2026, 12, 5, 9}}, // another category, a new day
        {{'A', 2026, 12, 2, 9}, {'!', 2026, 11, 1, 9}},        // days older than the newest
        many,                                                  // more than the book tells apart
    };
    // The streaks over them go on from the last day practised on where nothing older changed.
    CStreakCache all, kana;
    const auto sameStreaks = [&](const StreakFigures& cached, CalendarCategory category) {
        const StreakFigures f = ComputeStreaks(CPracticeDays(book), category, D(2026, 12, 5));
        EXPECT_EQ(std::tie(cached.nCurrent, cached.nCurrentFirst, cached.nLongest, cached.nLongestFirst,
                           cached.total.nDays, cached.total.nRuns),
                  std::tie(f.nCurrent, f.nCurrentFirst, f.nLongest, f.nLongestFirst, f.total.nDays, f.total.nRuns));
    };
    for (const std::vector<DayRun>& runs : reads) {
        read(runs);
        days.Update(book);
        EXPECT_EQ(runsOfEachDay(days), runsOfEachDay(CPracticeDays(book))) << runs.size();
        sameStreaks(all.Get(days, std::nullopt, D(2026, 12, 5)), std::nullopt);
        sameStreaks(kana.Get(days, Category::Kana, D(2026, 12, 5)), Category::Kana);
    }
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2026, 12, 5, 200, 3)), 0);
    days.Update(book);
    EXPECT_EQ(runsOfEachDay(days), runsOfEachDay(CPracticeDays(book)));
    book.Clear();
    read({{'A', 2026, 12, 5, 9}});
    days.Update(book);
    EXPECT_EQ(runsOfEachDay(days), runsOfEachDay(CPracticeDays(book)));
}
