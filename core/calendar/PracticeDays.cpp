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
    // A list is newest first only while its days came in order, so the four are merged
    // by sorting rather than by walking them side by side.
    for (const Category category : kCategories) {
        if (const CDayList* pList = book.GetList(category)) {
            for (const CDayRecord& day : *pList) {
                PracticeDay entry;
                entry.nDays = day.m_nDays;
                entry.nRuns[Index(category)] = day.m_nTry;
                m_days.push_back(entry);
            }
        }
    }
    std::sort(m_days.begin(), m_days.end(),
              [](const PracticeDay& a, const PracticeDay& b) { return a.nDays < b.nDays; });
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
