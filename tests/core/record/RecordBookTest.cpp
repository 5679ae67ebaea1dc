#include "core/record/RecordBook.h"

#include <gtest/gtest.h>

#include "core/record/CivilDay.h"
#include "tests/support/RecordLines.h"

TEST(RecordBook, LinesAreJudgedByLengthThenFieldsThenMark)
{
    CRecordBook book;
    const std::string good = RecordLine('A', 2003, 5, 11, 123, 12);
    ASSERT_EQ(good.size(), 44u);
    EXPECT_EQ(book.ParseLine(good), 0);
    EXPECT_EQ(book.ParseLine(good + " "), 10001);
    EXPECT_EQ(book.ParseLine(good.substr(0, 43)), 10002);
    EXPECT_EQ(book.ParseLine(""), 10002);
    EXPECT_EQ(book.ParseLine(RecordLine('a', 2003, 5, 11, 123, 12)), 10003);
    std::string misspelt = good;
    misspelt.replace(misspelt.find("HIT:"), 4, "HIT;");
    EXPECT_EQ(book.ParseLine(misspelt), 10004);
    // scanf's rules: no blank needed where the format has one, a sign before a number.
    EXPECT_EQ(book.ParseLine("R 2003-05-11 12:34:56    HIT:+123  MISS: -12"), 0);
    EXPECT_EQ(book.ParseLine("! 2003-5-11  12:34:56   HIT: 123  MISS: 12 x"), 0);
}

TEST(RecordBook, DatesOffTheCalendarAndOverflowingNumbersAreRefused)
{
    CRecordBook book;
    for (const auto& line :
         {RecordLine('A', 2003, 0, 11, 1, 1), RecordLine('A', 2003, 13, 11, 1, 1), RecordLine('A', 2003, 5, 0, 1, 1),
          RecordLine('A', 2003, 5, 32, 1, 1), RecordLine('A', 2003, 2, 29, 1, 1), RecordLine('A', 1969, 12, 31, 1, 1)})
        EXPECT_EQ(book.ParseLine(line), 10004) << line;
    EXPECT_EQ(book.ParseLine("A 2003-05-11 12:34:56 HIT:99999999999 MISS:1"), 10004);
    EXPECT_TRUE(book.IsCategoryEmpty(Category::Alph));
    EXPECT_EQ(book.ParseLine(RecordLine('A', 2004, 2, 29, 1, 1)), 0);
}

TEST(RecordBook, RunsOfOneDayShareARecordAndTiesGoByMisses)
{
    CRecordBook book;
    for (const auto& line : {RecordLine('A', 2003, 5, 11, 100, 5), RecordLine('A', 2003, 5, 11, 100, 3),
                             RecordLine('A', 2003, 5, 11, 100, 9), RecordLine('A', 2003, 5, 11, 50, 1),
                             RecordLine('A', 2003, 5, 11, 50, 4), RecordLine(kKanaMark, 2003, 5, 11, 70, 2)})
        ASSERT_EQ(book.ParseLine(line), 0);
    ASSERT_EQ(book.m_AlphList.size(), 1u);
    const CDayRecord& day = book.m_AlphList.front();
    EXPECT_EQ(day.m_nTry, 5);
    EXPECT_EQ(day.m_nBest, 100);
    EXPECT_EQ(day.m_nBestMiss, 3);
    EXPECT_EQ(day.m_nWorst, 50);
    EXPECT_EQ(day.m_nWorstMiss, 4);
    EXPECT_EQ(day.m_nTotalHit, 400);
    EXPECT_EQ(day.m_nTotalMiss, 22);
    EXPECT_EQ(day.m_nDays, DaysFromCivil(2003, 5, 11));
    ASSERT_EQ(book.m_KanaList.size(), 1u);
    EXPECT_EQ(book.GetListByMark(kKanaMark), &book.m_KanaList);
    EXPECT_EQ(book.GetListByMark('R'), &book.m_RomaList);
    EXPECT_EQ(book.GetListByMark('!'), &book.m_SyblList);
    EXPECT_EQ(book.GetListByMark('a'), nullptr);
    EXPECT_EQ(book.GetList(Category::Kana), &book.m_KanaList);
    EXPECT_EQ(book.GetList(Category::Roma), nullptr); // empty
}

TEST(RecordBook, NewBestFlagsMarkDaysThatRaisedTheBestEver)
{
    CRecordBook book;
    for (const auto& line :
         {RecordLine('A', 2003, 5, 1, 100, 0), RecordLine('A', 2003, 5, 2, 90, 0), RecordLine('A', 2003, 5, 3, 100, 0),
          RecordLine('A', 2003, 5, 4, 101, 0), RecordLine('A', 2003, 5, 5, 0, 0), RecordLine('R', 2003, 5, 5, 0, 0)})
        ASSERT_EQ(book.ParseLine(line), 0);
    std::vector<bool> flags; // oldest first
    for (auto it = book.m_AlphList.rbegin(); it != book.m_AlphList.rend(); ++it)
        flags.push_back(it->m_bNewBest);
    EXPECT_EQ(flags, (std::vector<bool>{true, false, false, true, false}));
    EXPECT_EQ(book.m_nTopBest[0], 101);
    EXPECT_FALSE(book.m_RomaList.front().m_bNewBest); // a first day with a best of 0
}

TEST(RecordBook, AnOlderNewDayGoesToTheFrontAndAKnownDayIsFound)
{
    CRecordBook book;
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2003, 5, 10, 10, 0)), 0);
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2003, 5, 12, 20, 0)), 0);
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2003, 5, 11, 30, 0)), 0); // new day, older than the newest
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2003, 5, 10, 40, 0)), 0); // joins its day
    ASSERT_EQ(book.m_AlphList.size(), 3u);
    EXPECT_EQ(book.m_AlphList[0].m_nDays, DaysFromCivil(2003, 5, 11));
    EXPECT_EQ(book.m_AlphList[2].m_nTry, 2);
    EXPECT_EQ(book.m_AlphList[2].m_nBest, 40);

    // While the days are still in order, an earlier day is found by bisection.
    CRecordBook sorted;
    for (int nDay : {10, 12, 10})
        ASSERT_EQ(sorted.ParseLine(RecordLine('A', 2003, 5, nDay, 10, 0)), 0);
    EXPECT_EQ(sorted.m_AlphList.size(), 2u);

    book.Clear();
    EXPECT_TRUE(book.IsCategoryEmpty(Category::Alph));
    EXPECT_EQ(book.m_nTopBest[0], 0);
    ASSERT_EQ(book.ParseLine(RecordLine('A', 2003, 5, 10, 5, 0)), 0);
    EXPECT_EQ(book.m_AlphList.front().m_nTry, 1); // the index was emptied too
}
