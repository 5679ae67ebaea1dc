#pragma once
#include <cstdint>

#include "core/base/Time.h"

// The runs of one category on one calendar day.
class CDayRecord
{
public:
    // nDays: the run's calendar day (days since 1970-01-01, see CivilDay.h).
    CDayRecord(int nDays, int nHits, int nMisses)
        : m_nDays(nDays), m_nBest(nHits), m_nBestMiss(nMisses), m_nWorst(nHits), m_nWorstMiss(nMisses),
          m_nTotalHit(nHits), m_nTotalMiss(nMisses)
    {
    }

    // Adds the run when it belongs to this record's day; false (and no change) otherwise.
    bool AddRun(int nDays, int nHits, int nMisses)
    {
        if (nDays != m_nDays)
            return false;
        Add(nHits, nMisses);
        return true;
    }

    // Adds a run known to be of this record's day.
    void Add(int nHits, int nMisses)
    {
        ++m_nTry;
        m_nTotalHit += nHits;
        m_nTotalMiss += nMisses;
        Rank(nHits, nMisses, nHits, nMisses);
    }

    // Adds nRuns runs of this record's day at once: their sums, their best and their worst.
    void AddRuns(int nRuns, std::int64_t nHits, std::int64_t nMisses, int nBest, int nBestMiss, int nWorst,
                 int nWorstMiss)
    {
        m_nTry += nRuns;
        m_nTotalHit += nHits;
        m_nTotalMiss += nMisses;
        Rank(nBest, nBestMiss, nWorst, nWorstMiss);
    }

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

private:
    // Equal hits: fewer misses make the better run, more misses the worse one. Chosen
    // without jumps, as whether a run is the day's best or worst follows no pattern.
    void Rank(int nBest, int nBestMiss, int nWorst, int nWorstMiss)
    {
        const bool bBest = (nBest > m_nBest) | ((nBest == m_nBest) & (nBestMiss < m_nBestMiss));
        const bool bWorst = (nWorst < m_nWorst) | ((nWorst == m_nWorst) & (nWorstMiss > m_nWorstMiss));
        m_nBest = bBest ? nBest : m_nBest;
        m_nBestMiss = bBest ? nBestMiss : m_nBestMiss;
        m_nWorst = bWorst ? nWorst : m_nWorst;
        m_nWorstMiss = bWorst ? nWorstMiss : m_nWorstMiss;
    }
};
