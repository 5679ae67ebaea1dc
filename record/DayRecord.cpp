#include "record/DayRecord.h"

#include "record/CivilDay.h"

CDayRecord::CDayRecord(int nDays, int nHits, int nMisses)
    : m_nDays(nDays), m_nBest(nHits), m_nBestMiss(nMisses), m_nWorst(nHits), m_nWorstMiss(nMisses), m_nTotalHit(nHits),
      m_nTotalMiss(nMisses)
{
}

bool CDayRecord::AddRun(int nDays, int nHits, int nMisses)
{
    if (nDays != m_nDays)
        return false;
    ++m_nTry;
    m_nTotalHit += nHits;
    m_nTotalMiss += nMisses;
    // Equal hits: fewer misses make the better run, more misses the worse one.
    if (nHits > m_nBest || (nHits == m_nBest && nMisses < m_nBestMiss)) {
        m_nBest = nHits;
        m_nBestMiss = nMisses;
    }
    if (nHits < m_nWorst || (nHits == m_nWorst && nMisses > m_nWorstMiss)) {
        m_nWorst = nHits;
        m_nWorstMiss = nMisses;
    }
    return true;
}

CTime CDayRecord::GetDate() const
{
    return LocalMidnight(m_nDays);
}
