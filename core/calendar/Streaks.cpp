#include "core/calendar/Streaks.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <span>

void CStreakCache::Scan::Take(int nDays, int nRuns)
{
    ++f.total.nDays;
    f.total.nRuns += nRuns;
    if (nPrevious != INT_MIN && nDays == nPrevious + 1) {
        ++nLength;
    } else {
        nLength = 1;
        nRunFirst = nDays;
    }
    nPrevious = nDays;
    if (nLength > f.nLongest) {
        f.nLongest = nLength;
        f.nLongestFirst = nRunFirst;
        f.nLongestLast = nDays;
    }
}

StreakFigures CStreakCache::Scan::Figures(int nToday) const
{
    StreakFigures out = f;
    out.bPractisedToday = nPrevious == nToday;
    if (nPrevious == nToday || nPrevious == nToday - 1) {
        out.nCurrent = nLength;
        out.nCurrentFirst = nRunFirst;
        out.nCurrentLast = nPrevious;
    }
    return out;
}

void CStreakCache::ScanFrom(const CPracticeDays& days, const Scan& before, int nFirst)
{
    const std::span<const PracticeDay> range = days.Range(nFirst, *m_nToday);
    // The last day practised on, sought from the end: most often it is the last day of all.
    auto last = range.end();
    while (last != range.begin() && std::prev(last)->RunsOf(m_category) == 0)
        --last;
    Scan scan = before;
    m_beforeLast = scan;
    m_nLast = nFirst;
    if (last != range.begin()) {
        --last;
        for (auto it = range.begin(); it != last; ++it)
            if (const int nRuns = it->RunsOf(m_category); nRuns > 0)
                scan.Take(it->nDays, nRuns);
        m_beforeLast = scan;
        m_nLast = last->nDays;
        scan.Take(last->nDays, last->RunsOf(m_category));
    }
    m_figures = scan.Figures(*m_nToday);
}

const StreakFigures& CStreakCache::Get(const CPracticeDays& days, CalendarCategory category, int nToday)
{
    const bool bSame = m_nToday == nToday && m_category == category;
    const std::optional<int> nOldest = bSame ? days.OldestChangeSince(m_nRevision) : std::nullopt;
    m_nRevision = days.Revision();
    m_category = category;
    m_nToday = nToday;
    if (!nOldest || *nOldest < m_nLast)
        ScanFrom(days, {}, INT_MIN);
    else if (*nOldest != INT_MAX)
        ScanFrom(days, Scan(m_beforeLast), m_nLast);
    return m_figures;
}

StreakFigures ComputeStreaks(const CPracticeDays& days, CalendarCategory category, int nToday)
{
    return CStreakCache().Get(days, category, nToday);
}

PracticeTotals CountPractice(const CPracticeDays& days, CalendarCategory category, int nFirst, int nLast, int nToday)
{
    PracticeTotals t;
    for (const PracticeDay& day : days.Range(nFirst, std::min(nLast, nToday))) {
        const int nRuns = day.RunsOf(category);
        t.nDays += nRuns > 0 ? 1 : 0;
        t.nRuns += nRuns;
    }
    return t;
}
