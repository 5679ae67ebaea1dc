#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/record/Calendar.h"
#include "core/record/CivilDay.h"
#include "core/record/RecordBook.h"

namespace {
// The mean rounded to the nearest integer, halves upwards: q + 2r / d with truncating
// divisions. No runs give 0 rather than a division by zero.
std::int64_t RoundedMean(std::int64_t nSum, std::int64_t nCount)
{
    if (nCount <= 0)
        return 0;
    const std::int64_t q = nSum / nCount;
    const std::int64_t r = nSum % nCount;
    return q + (2 * r) / nCount;
}

int ToInt(std::int64_t n)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

int CRecordBook::CountPeriods(Category nCategory, Scale nScale) const
{
    const CDayList* pList = GetList(nCategory);
    if (!pList)
        return 0;
    if (nScale == Scale::Daily)
        return static_cast<int>(pList->size());

    // The newest record always opens a period, even one that holds 1980-01-01.
    int nCount = 0;
    std::optional<int> nPrevKey;
    for (const CDayRecord& r : *pList) {
        const int nKey = PeriodKeyDays(r.m_nDays, nScale);
        if (nKey != nPrevKey) {
            ++nCount;
            nPrevKey = nKey;
        }
    }
    return nCount;
}

int CRecordBook::FillPeriods(PERIODDATA* pOut, int nMax, Category nCategory, Scale nScale) const
{
    if (!pOut || nMax <= 0)
        return -1;
    const CDayList* pList = GetList(nCategory);
    if (!pList)
        return -1;

    // Periods are told apart by their keys, not by the element's date: an element in its
    // initial state must not pass for a period that starts on 1980-01-01.
    PERIODDATA* pCur = pOut;
    int n = 0;
    std::optional<int> nCurKey;
    std::int64_t nSumHit = 0;
    std::int64_t nSumTry = 0;
    for (const CDayRecord& r : *pList) {
        const int nKey = PeriodKeyDays(r.m_nDays, nScale);
        if (nKey == nCurKey) {
            pCur->nBest = std::max(pCur->nBest, r.m_nBest);
            pCur->nWorst = std::min(pCur->nWorst, r.m_nWorst);
            nSumHit += r.m_nTotalHit;
            nSumTry += r.m_nTry;
            if (r.m_bNewBest)
                pCur->bNewBest = true;
        } else {
            if (nCurKey) {
                if (++n == nMax)
                    return 0;
                ++pCur;
            }
            nCurKey = nKey;
            pCur->Date = LocalMidnight(nKey);
            pCur->nBest = r.m_nBest;
            pCur->nWorst = r.m_nWorst;
            pCur->bNewBest = r.m_bNewBest;
            nSumHit = r.m_nTotalHit;
            nSumTry = r.m_nTry;
        }
        pCur->nAve = ToInt(RoundedMean(nSumHit, nSumTry));
    }
    return 0;
}

bool CRecordBook::FillBoard(BOARDDATA* p) const
{
    if (!p)
        return false;
    const int nFirst = DaysOfTime(p->Date);
    const int nLast = LastDayOfPeriod(nFirst, p->nScale);

    // Every figure is set here, so the result does not depend on what the record held.
    for (const Category c : kCategories) {
        const std::size_t k = Index(c);
        p->nTry[k] = p->nBest[k] = p->nBestMiss[k] = 0;
        p->nWorst[k] = p->nWorstMiss[k] = 0;
        p->nAve[k] = p->nAveMiss[k] = 0;
        p->nTTry[k] = p->nTBest[k] = p->nTBestMiss[k] = 0;

        const CDayList* pList = GetList(c);
        if (!pList)
            continue;

        // The first record seen sets best and worst whatever its figures: a sentinel such
        // as 999 would hide a worst of 999 hits or more, and a best of 0 hits would lose
        // its misses. After that only a strictly better day replaces it, so on equal hits
        // the older day with its misses stays.
        bool bSeen = false, bSeenInPeriod = false;
        std::int64_t nTry = 0, nTTry = 0, nSumHit = 0, nSumMiss = 0;
        for (auto it = pList->rbegin(); it != pList->rend(); ++it) {
            const CDayRecord& r = *it;
            if (r.m_nDays > nLast)
                break;
            if (!bSeen || r.m_nBest > p->nTBest[k]) {
                p->nTBest[k] = r.m_nBest;
                p->nTBestMiss[k] = r.m_nBestMiss;
            }
            bSeen = true;
            nTTry += r.m_nTry;
            if (r.m_nDays < nFirst)
                continue;
            if (!bSeenInPeriod || r.m_nBest > p->nBest[k]) {
                p->nBest[k] = r.m_nBest;
                p->nBestMiss[k] = r.m_nBestMiss;
            }
            if (!bSeenInPeriod || r.m_nWorst < p->nWorst[k]) {
                p->nWorst[k] = r.m_nWorst;
                p->nWorstMiss[k] = r.m_nWorstMiss;
            }
            bSeenInPeriod = true;
            nTry += r.m_nTry;
            nSumHit += r.m_nTotalHit;
            nSumMiss += r.m_nTotalMiss;
        }
        p->nTry[k] = ToInt(nTry);
        p->nTTry[k] = ToInt(nTTry);
        p->nAve[k] = ToInt(RoundedMean(nSumHit, nTry));
        p->nAveMiss[k] = ToInt(RoundedMean(nSumMiss, nTry));
    }
    return true;
}
