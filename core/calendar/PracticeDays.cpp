#include "core/calendar/PracticeDays.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>
#include <vector>

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

namespace {
// One category's days, oldest first: its list read backwards while its days came in order,
// as they nearly always do, or else a sorted copy.
class CDaySource
{
public:
    explicit CDaySource(const CDayList* pList)
    {
        if (!pList)
            return;
        m_it = pList->rbegin();
        m_end = pList->rend();
        m_bList = true;
        const auto older = [](const CDayRecord& a, const CDayRecord& b) { return a.m_nDays < b.m_nDays; };
        if (std::is_sorted(m_it, m_end, older))
            return;
        m_bList = false;
        for (auto it = m_it; it != m_end; ++it)
            m_sorted.emplace_back(it->m_nDays, it->m_nTry);
        std::sort(m_sorted.begin(), m_sorted.end());
    }

    bool Done() const { return m_bList ? m_it == m_end : m_i == m_sorted.size(); }
    int Day() const { return m_bList ? m_it->m_nDays : m_sorted[m_i].first; }
    int Runs() const { return m_bList ? m_it->m_nTry : m_sorted[m_i].second; }
    void Next()
    {
        if (m_bList)
            ++m_it;
        else
            ++m_i;
    }

private:
    bool m_bList = false;
    CDayList::const_reverse_iterator m_it, m_end;
    std::vector<std::pair<int, int>> m_sorted; // day, runs
    std::size_t m_i = 0;
};
} // namespace

void CPracticeDays::Rebuild(const CRecordBook& book)
{
    // The memory of the days before is kept: a refresh rebuilds them at every new run.
    m_days.clear();
    std::array<CDaySource, 4> sources{
        CDaySource(book.GetList(Category::Alph)), CDaySource(book.GetList(Category::Kana)),
        CDaySource(book.GetList(Category::Roma)), CDaySource(book.GetList(Category::Sybl))};
    std::size_t nMost = 0;
    for (const Category category : kCategories)
        nMost += book.GetList(category) ? book.GetList(category)->size() : 0;
    m_days.reserve(nMost);
    // The four merged as they are read, the categories of one day into one entry.
    for (;;) {
        int nDay = INT_MAX;
        for (const CDaySource& source : sources)
            if (!source.Done())
                nDay = std::min(nDay, source.Day());
        if (nDay == INT_MAX)
            break;
        PracticeDay entry;
        entry.nDays = nDay;
        for (std::size_t k = 0; k < sources.size(); ++k) {
            for (CDaySource& source = sources[k]; !source.Done() && source.Day() == nDay; source.Next())
                entry.nRuns[k] += source.Runs();
        }
        m_days.push_back(entry);
    }
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
