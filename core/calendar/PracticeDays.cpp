#include "core/calendar/PracticeDays.h"

#include <algorithm>
#include <numeric>

#include "core/record/RecordBook.h"

int PracticeDay::RunsOf(CalendarCategory category) const
{
    if (category)
        return nRuns[Index(*category)];
    return std::accumulate(nRuns.begin(), nRuns.end(), 0);
}

CPracticeDays::CPracticeDays(const CRecordBook& book)
{
    Rebuild(book);
}

void CPracticeDays::Rebuild(const CRecordBook& book)
{
    // The memory of the days before is kept: a refresh rebuilds them at every new run.
    m_days.clear();
    const auto byDay = [](const PracticeDay& a, const PracticeDay& b) { return a.nDays < b.nDays; };
    std::size_t nDays = 0;
    for (const Category category : kCategories)
        nDays += book.GetList(category) ? book.GetList(category)->size() : 0;
    m_days.reserve(nDays);
    // A list read backwards is oldest first while its days came in order, as they nearly
    // always do; so each is sorted only when it is not, and merged with those before it.
    for (const Category category : kCategories) {
        const CDayList* pList = book.GetList(category);
        if (!pList)
            continue;
        const std::ptrdiff_t nStart = std::ssize(m_days);
        for (auto it = pList->rbegin(); it != pList->rend(); ++it) {
            PracticeDay entry;
            entry.nDays = it->m_nDays;
            entry.nRuns[Index(category)] = it->m_nTry;
            m_days.push_back(entry);
        }
        const auto start = m_days.begin() + nStart;
        if (!std::is_sorted(start, m_days.end(), byDay))
            std::sort(start, m_days.end(), byDay);
        std::inplace_merge(m_days.begin(), start, m_days.end(), byDay);
    }
    // Days of several categories become one.
    auto out = m_days.begin();
    for (auto it = m_days.begin(); it != m_days.end(); ++it) {
        if (out != m_days.begin() && std::prev(out)->nDays == it->nDays) {
            for (std::size_t k = 0; k < it->nRuns.size(); ++k)
                std::prev(out)->nRuns[k] += it->nRuns[k];
        } else {
            *out++ = *it;
        }
    }
    m_days.erase(out, m_days.end());
}

PracticeDay CPracticeDays::At(int nDays) const
{
    const std::span<const PracticeDay> day = Range(nDays, nDays);
    return day.empty() ? PracticeDay{nDays, {}} : day.front();
}

std::span<const PracticeDay> CPracticeDays::Range(int nFirst, int nLast) const
{
    const auto byDay = [](const PracticeDay& d, int n) { return d.nDays < n; };
    const auto first = std::lower_bound(m_days.begin(), m_days.end(), nFirst, byDay);
    const auto last = std::lower_bound(first, m_days.end(), nLast + 1, byDay);
    return {first, last};
}
