#pragma once
#include <array>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "record/DayRecord.h"
#include "record/LineScanner.h"
#include "record/PeriodData.h"

// Day records of one category, newest day first (new days go to the front).
using CDayList = std::deque<CDayRecord>;

// The runs of one record file, as day records per category (0 Alph, 1 Kana, 2 Roma, 3 Sybl).
class CRecordBook
{
public:
    CRecordBook();
    // The day index points into the lists, so a book is never copied.
    CRecordBook(const CRecordBook&) = delete;
    CRecordBook& operator=(const CRecordBook&) = delete;

    // Stores one line (without its line end): 0, or the ID of the message that refuses it
    // (10001 too long, 10002 too short, 10003 unknown category, 10004 fields unreadable).
    int ParseLine(std::string_view line);
    // Stores the run of a scanned line: 0, 10003 for an unknown mark, or 10004 when a
    // number overflowed or the date is not on the calendar.
    int StoreRun(const SCANNEDLINE& f);

    // The list of a category mark byte ('A', 0xB1, 'R', '!'), or null.
    CDayList* GetListByMark(char mark);
    // The list of category 0..3, or null for another index or an empty list.
    const CDayList* GetList(int nCategory) const;
    bool IsCategoryEmpty(int nCategory) const;
    void Clear();

    // Statistics. nScale: SCALE_DAILY, SCALE_WEEKLY or SCALE_MONTHLY.
    // Number of periods holding runs of the category; -1 for category -1, 0 when empty.
    int CountPeriods(int nCategory, int nScale) const;
    // Up to nMax periods, newest first, into elements in their initial state; 0, or -1
    // when pOut is null, nMax <= 0, nCategory is -1 or the category is empty.
    int FillPeriods(PERIODDATA* pOut, int nMax, int nCategory, int nScale) const;
    // All figures of the period p->Date / p->nScale for the four categories; false when
    // p is null or the scale unknown.
    bool FillBoard(BOARDDATA* p) const;

    CDayList m_AlphList;
    CDayList m_KanaList;
    CDayList m_RomaList;
    CDayList m_SyblList;
    std::array<int, 4> m_nTopBest{}; // per category, the highest day best read so far

private:
    CDayList& ListOf(int nCategory);
    // Index 0..3 of a mark byte, or -1.
    static int CategoryOfMark(char mark);
    const CDayList& ListOf(int nCategory) const;

    // Day number -> its record, so that a run of any day finds its record at once
    // (deque elements keep their addresses when days are added at either end).
    std::array<std::unordered_map<int, CDayRecord*>, 4> m_DayIndex;
    CLineScanner m_LineScanner; // reads lines with the format of string 160
    // Per category, the year, month and day of the last run stored, and its day number.
    std::array<std::array<int, 3>, 4> m_LastDate{};
    std::array<int, 4> m_nLastDays{};
};
