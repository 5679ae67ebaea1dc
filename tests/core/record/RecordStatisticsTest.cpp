#include "core/record/RecordBook.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/record/CivilDay.h"
#include "tests/support/ZoneTest.h"

namespace {
struct Hits
{
    int nHit, nMiss;
};

// One day of a category with its runs, as the loader would build it.
CDayRecord Day(int y, int m, int d, const std::vector<Hits>& runs, bool bNewBest = false)
{
    auto it = runs.begin();
    CDayRecord day(DaysFromCivil(y, m, d), it->nHit, it->nMiss);
    for (++it; it != runs.end(); ++it)
        day.AddRun(day.m_nDays, it->nHit, it->nMiss);
    day.m_bNewBest = bNewBest;
    return day;
}

// Adds days oldest first; each goes to the front, as a new day from the file would.
void Add(CRecordBook& book, int k, std::initializer_list<CDayRecord> days)
{
    CDayList* lists[] = {&book.m_AlphList, &book.m_KanaList, &book.m_RomaList, &book.m_SyblList};
    for (const CDayRecord& day : days)
        lists[k]->push_front(day);
}

CTime Midnight(int y, int m, int d)
{
    return LocalMidnight(DaysFromCivil(y, m, d));
}

BOARDDATA Board(CTime date, Scale nScale)
{
    BOARDDATA b;
    b.Date = date;
    b.nScale = nScale;
    return b;
}

class StatsTest : public ZoneTest
{
protected:
    // All periods of a category, newest first.
    std::vector<PERIODDATA> Periods(Category k, Scale nScale) const
    {
        std::vector<PERIODDATA> out(book.CountPeriods(k, nScale));
        EXPECT_EQ(book.FillPeriods(out.data(), static_cast<int>(out.size()), k, nScale), 0);
        return out;
    }

    CRecordBook book;
};

TEST_F(StatsTest, WeeklyPeriodsSplitOnSundayAndAverageOverRuns)
{
    // Monday and Saturday of one week, then the Sunday that starts the next.
    Add(book, 0,
        {Day(2003, 5, 12, {{100, 1}, {90, 4}, {110, 2}}), Day(2003, 5, 17, {{110, 3}}, true),
         Day(2003, 5, 18, {{120, 0}})});
    ASSERT_EQ(book.CountPeriods(Category::Alph, Scale::Weekly), 2);
    const auto p = Periods(Category::Alph, Scale::Weekly);
    EXPECT_EQ(p[0].Date, Midnight(2003, 5, 18));
    EXPECT_FALSE(p[0].bNewBest);
    EXPECT_EQ(p[1].Date, Midnight(2003, 5, 11));
    EXPECT_EQ(p[1].nBest, 110);
    EXPECT_EQ(p[1].nWorst, 90);
    EXPECT_EQ(p[1].nAve, 103); // 410 hits in 4 runs; the mean of the day means would be 105
    EXPECT_TRUE(p[1].bNewBest);

    EXPECT_EQ(book.CountPeriods(Category::Alph, Scale::Daily), 3);
    EXPECT_EQ(book.CountPeriods(Category::Alph, Scale::Monthly), 1);
}

TEST_F(StatsTest, AveragesRoundHalvesUp)
{
    struct Case
    {
        std::vector<Hits> runs;
        int nAve, nAveMiss;
    };
    const Case cases[] = {
        {{{3, 1}, {4, 2}}, 4, 2},         // 7/2, misses 3/2
        {{{1, 0}, {2, 0}, {2, 1}}, 2, 0}, // 5/3, misses 1/3
        {{{1, 2}, {1, 2}, {2, 1}}, 1, 2}, // 4/3, misses 5/3
    };
    for (const Case& c : cases) {
        CRecordBook b;
        Add(b, 2, {Day(2003, 5, 17, c.runs)});
        PERIODDATA p;
        ASSERT_EQ(b.FillPeriods(&p, 1, Category::Roma, Scale::Daily), 0);
        EXPECT_EQ(p.nAve, c.nAve);
        BOARDDATA board = Board(Midnight(2003, 5, 17), Scale::Daily);
        ASSERT_TRUE(b.FillBoard(&board));
        EXPECT_EQ(board.nAve[2], c.nAve);
        EXPECT_EQ(board.nAveMiss[2], c.nAveMiss);
    }

    // A day without runs is never built by the loader, but must not divide by zero.
    CDayRecord none = Day(2003, 5, 18, {{0, 0}});
    none.m_nTry = 0;
    Add(book, 0, {none});
    PERIODDATA p;
    ASSERT_EQ(book.FillPeriods(&p, 1, Category::Alph, Scale::Daily), 0);
    EXPECT_EQ(p.nAve, 0);
    BOARDDATA board = Board(Midnight(2003, 5, 18), Scale::Daily);
    ASSERT_TRUE(book.FillBoard(&board));
    EXPECT_EQ(board.nAve[0], 0);
}

TEST_F(StatsTest, SumsBeyond32Bits)
{
    // Two days of a million runs each, averaging 1500 hits and 3 misses.
    for (int d : {12, 13}) {
        CDayRecord day = Day(2003, 5, d, {{1500, 3}});
        day.m_nTry = 1'000'000;
        day.m_nTotalHit = std::int64_t{1500} * day.m_nTry;
        day.m_nTotalMiss = std::int64_t{3} * day.m_nTry;
        Add(book, 0, {day});
    }
    PERIODDATA p;
    ASSERT_EQ(book.FillPeriods(&p, 1, Category::Alph, Scale::Weekly), 0);
    EXPECT_EQ(p.nAve, 1500);
    BOARDDATA b = Board(Midnight(2003, 5, 1), Scale::Monthly);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nTry[0], 2'000'000);
    EXPECT_EQ(b.nAve[0], 1500);
    EXPECT_EQ(b.nAveMiss[0], 3);
}

TEST_F(StatsTest, FillPeriodsStopsAtMaxAndLeavesTheRestUntouched)
{
    Add(book, 1, {Day(2003, 3, 30, {{50, 5}}), Day(2003, 4, 2, {{60, 6}}, true), Day(2003, 5, 1, {{70, 7}})});
    PERIODDATA p[3];
    ASSERT_EQ(book.FillPeriods(p, 1, Category::Kana, Scale::Monthly), 0);
    EXPECT_EQ(p[0].Date, Midnight(2003, 5, 1));
    EXPECT_EQ(p[0].nAve, 70);
    EXPECT_EQ(p[1].Date, UnfilledPeriodDate());
    EXPECT_EQ(p[1].nWorst, 999);

    PERIODDATA q[3];
    ASSERT_EQ(book.FillPeriods(q, 3, Category::Kana, Scale::Monthly), 0);
    EXPECT_EQ(q[1].Date, Midnight(2003, 4, 1));
    EXPECT_TRUE(q[1].bNewBest);
    EXPECT_EQ(q[2].Date, Midnight(2003, 3, 1));
    EXPECT_FALSE(q[2].bNewBest);
}

TEST_F(StatsTest, EmptyOrMissingInputs)
{
    Add(book, 0, {Day(2003, 5, 17, {{100, 1}})});
    PERIODDATA p;
    EXPECT_EQ(book.CountPeriods(Category::Kana, Scale::Weekly), 0);
    EXPECT_EQ(book.FillPeriods(nullptr, 1, Category::Alph, Scale::Daily), -1);
    EXPECT_EQ(book.FillPeriods(&p, 0, Category::Alph, Scale::Daily), -1);
    EXPECT_EQ(book.FillPeriods(&p, 1, Category::Kana, Scale::Daily), -1);
    EXPECT_EQ(p.Date, UnfilledPeriodDate());
    EXPECT_FALSE(book.FillBoard(nullptr));

    BOARDDATA b = Board(Midnight(2003, 5, 17), Scale::Daily);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nTry[0], 1);
    for (int k = 1; k < 4; ++k) {
        const int figures[] = {b.nTry[k], b.nBest[k],    b.nBestMiss[k], b.nWorst[k], b.nWorstMiss[k],
                               b.nAve[k], b.nAveMiss[k], b.nTTry[k],     b.nTBest[k], b.nTBestMiss[k]};
        for (int n : figures)
            EXPECT_EQ(n, 0) << "category " << k;
    }
}

TEST_F(StatsTest, NewestPeriodCountsEvenInTheWeekOrMonthOf1980)
{
    // Thursday 1980-01-03 shares its week and month with 1980-01-01.
    Add(book, 0, {Day(1980, 1, 1, {{1200, 3}}), Day(1980, 1, 3, {{80, 1}})});
    EXPECT_EQ(book.CountPeriods(Category::Alph, Scale::Weekly), 1);
    EXPECT_EQ(book.CountPeriods(Category::Alph, Scale::Monthly), 1);
    // An element in its initial state is no period of 1980-01-01 to add to.
    PERIODDATA p[2];
    ASSERT_EQ(book.FillPeriods(p, 2, Category::Alph, Scale::Daily), 0);
    EXPECT_EQ(p[1].Date, Midnight(1980, 1, 1));
    EXPECT_EQ(p[1].nWorst, 1200);
    EXPECT_EQ(p[1].nAve, 1200);
}

TEST_F(StatsTest, BoardOfAPeriodWithoutRunsStillShowsTotalsUpToItsEnd)
{
    Add(book, 0, {Day(2003, 4, 10, {{100, 1}, {80, 2}}), Day(2003, 6, 2, {{150, 0}})});
    BOARDDATA b = Board(Midnight(2003, 5, 1), Scale::Monthly);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nTry[0], 0);
    EXPECT_EQ(b.nBest[0], 0);
    EXPECT_EQ(b.nWorst[0], 0);
    EXPECT_EQ(b.nAve[0], 0);
    EXPECT_EQ(b.nTTry[0], 2);
    EXPECT_EQ(b.nTBest[0], 100);
    EXPECT_EQ(b.nTBestMiss[0], 1);
}

TEST_F(StatsTest, BoardCountsUpToTheLastDayOfItsPeriodOnly)
{
    // Week 2003-05-11..17; the 18th is the next week.
    Add(book, 3,
        {Day(2003, 5, 4, {{90, 9}}), Day(2003, 5, 12, {{70, 3}, {70, 5}}), Day(2003, 5, 17, {{70, 1}, {60, 2}}),
         Day(2003, 5, 18, {{200, 0}})});
    Add(book, 0, {Day(2003, 5, 12, {{60, 2}}), Day(2003, 5, 13, {{60, 7}})});
    BOARDDATA b = Board(Midnight(2003, 5, 11), Scale::Weekly);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nTry[3], 4);
    EXPECT_EQ(b.nBest[3], 70);
    EXPECT_EQ(b.nBestMiss[3], 3); // equal best hits: the earlier day's misses stay
    EXPECT_EQ(b.nWorst[3], 60);
    EXPECT_EQ(b.nWorstMiss[3], 2);
    EXPECT_EQ(b.nWorstMiss[0], 2); // equal worst hits: the earlier day's misses stay
    EXPECT_EQ(b.nAve[3], 68);      // 270 / 4 = 67.5
    EXPECT_EQ(b.nTTry[3], 5);
    EXPECT_EQ(b.nTBest[3], 90);
    EXPECT_EQ(b.nTBestMiss[3], 9);
    EXPECT_EQ(b.nTBestMiss[0], 2); // equal best-ever hits: the earlier day's misses stay
}

TEST_F(StatsTest, MonthlyBoardsReachTheLastDayOfTheMonth)
{
    struct Case
    {
        int y, m, lastDay, nextY, nextM;
    };
    for (const Case c : {Case{2003, 12, 31, 2004, 1}, Case{2040, 2, 29, 2040, 3}, Case{2003, 4, 30, 2003, 5}}) {
        CRecordBook b;
        Add(b, 0, {Day(c.y, c.m, c.lastDay, {{10, 0}}), Day(c.nextY, c.nextM, 1, {{20, 0}})});
        BOARDDATA board = Board(Midnight(c.y, c.m, 1), Scale::Monthly);
        ASSERT_TRUE(b.FillBoard(&board));
        EXPECT_EQ(board.nTry[0], 1) << c.y << "-" << c.m;
        EXPECT_EQ(board.nTBest[0], 10) << c.y << "-" << c.m;
    }
}

TEST_F(StatsTest, WorstOf999HitsOrMoreIsKept)
{
    Add(book, 0, {Day(2003, 5, 17, {{1200, 4}, {999, 7}})});
    BOARDDATA b = Board(Midnight(2003, 5, 17), Scale::Daily);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nWorst[0], 999);
    EXPECT_EQ(b.nWorstMiss[0], 7);
    EXPECT_EQ(b.nBest[0], 1200);

    CRecordBook high;
    Add(high, 0, {Day(2003, 5, 17, {{1200, 4}})});
    ASSERT_TRUE(high.FillBoard(&b));
    EXPECT_EQ(b.nWorst[0], 1200);
    EXPECT_EQ(b.nWorstMiss[0], 4);
}

TEST_F(StatsTest, OlderDayAddedLastCountsAsTheNewest)
{
    Add(book, 0, {Day(2003, 5, 10, {{10, 0}}), Day(2003, 5, 20, {{20, 0}}), Day(2003, 5, 14, {{40, 0}})});
    EXPECT_EQ(book.CountPeriods(Category::Alph, Scale::Daily), 3);
    const auto p = Periods(Category::Alph, Scale::Daily);
    EXPECT_EQ(p[0].Date, Midnight(2003, 5, 14));
    EXPECT_EQ(p[1].Date, Midnight(2003, 5, 20));
    EXPECT_EQ(p[2].Date, Midnight(2003, 5, 10));

    BOARDDATA b = Board(Midnight(2003, 5, 18), Scale::Weekly);
    ASSERT_TRUE(book.FillBoard(&b));
    EXPECT_EQ(b.nTry[0], 1);
    EXPECT_EQ(b.nTTry[0], 3);
    EXPECT_EQ(b.nTBest[0], 40);
}

TEST_F(StatsTest, Year2040FallsIntoItsDayWeekAndMonth)
{
    // Saturday 02-25 ends a week; 02-26..03-03 is the next one.
    Add(book, 0,
        {Day(2040, 2, 25, {{10, 0}}), Day(2040, 2, 26, {{30, 0}}), Day(2040, 2, 29, {{50, 0}}),
         Day(2040, 3, 4, {{70, 0}})});
    const auto w = Periods(Category::Alph, Scale::Weekly);
    ASSERT_EQ(w.size(), 3u);
    EXPECT_GT(w[1].Date.GetTime(), std::int64_t{INT32_MAX});
    EXPECT_EQ(w[1].Date.Format("%Y/%#m/%#d %H"), "2040/2/26 00");
    EXPECT_EQ(w[1].nAve, 40);
    const auto m = Periods(Category::Alph, Scale::Monthly);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].Date.Format("%Y/%#m/%#d"), "2040/2/1");
    EXPECT_EQ(m[1].nAve, 30);
}

// Every day of a week whose clocks change gives one period keyed by its Sunday's first
// instant, and a board for that key covers the seven days.
TEST_F(StatsTest, WeeksAcrossClockChanges)
{
    struct Case
    {
        const char* zone;
        int y, m, d; // the Sunday
        const char* key;
    };
    const Case cases[] = {
        {"America/Sao_Paulo", 2018, 11, 4, "2018/11/4 01"}, // midnight skipped
        {"America/Sao_Paulo", 2019, 2, 17, "2019/2/17 00"}, // the Saturday ends twice
        {"Europe/London", 2021, 3, 28, "2021/3/28 00"},
        {"Europe/London", 2021, 10, 31, "2021/10/31 00"},
    };
    for (const Case& c : cases) {
        UseZone(c.zone);
        CRecordBook b;
        const int nSunday = DaysFromCivil(c.y, c.m, c.d);
        b.m_AlphList.push_front(CDayRecord(nSunday - 1, 5, 0));
        for (int i = 0; i < 7; ++i)
            b.m_AlphList.push_front(CDayRecord(nSunday + i, 10 + i, 0));
        b.m_AlphList.push_front(CDayRecord(nSunday + 7, 50, 0));
        std::vector<PERIODDATA> p(4);
        ASSERT_EQ(b.CountPeriods(Category::Alph, Scale::Weekly), 3) << c.zone;
        ASSERT_EQ(b.FillPeriods(p.data(), 4, Category::Alph, Scale::Weekly), 0);
        EXPECT_EQ(p[1].Date.Format("%Y/%#m/%#d %H"), c.key) << c.zone;
        EXPECT_EQ(p[1].nBest, 16) << c.zone;
        EXPECT_EQ(p[1].nWorst, 10) << c.zone;
        EXPECT_EQ(p[2].Date, LocalMidnight(nSunday - 7)) << c.zone;

        BOARDDATA board = Board(p[1].Date, Scale::Weekly);
        ASSERT_TRUE(b.FillBoard(&board));
        EXPECT_EQ(board.nTry[0], 7) << c.zone;
        EXPECT_EQ(board.nTTry[0], 8) << c.zone;
    }
}
} // namespace
