#pragma once
#include <cstdint>

#include "app/Time.h"

// The runs of one category on one calendar day.
class CDayRecord
{
public:
    // nDays: the run's calendar day (days since 1970-01-01, see CivilDay.h).
    CDayRecord(int nDays, int nHits, int nMisses);

    // Adds the run when it belongs to this record's day; false (and no change) otherwise.
    bool AddRun(int nDays, int nHits, int nMisses);

    // The day at local midnight.
    CTime GetDate() const;

    int m_nDays;
    int m_nTry = 1;
    int m_nBest;
    int m_nBestMiss;
    int m_nWorst;
    int m_nWorstMiss;
    // 64-bit: a day of many runs must not overflow the sums.
    std::int64_t m_nTotalHit;
    std::int64_t m_nTotalMiss;
    bool m_bNewBest = false; // this day raised the category's best ever when it was read
};
