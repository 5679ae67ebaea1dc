#include "core/calendar/PracticeDays.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <utility>
#include <vector>

#include "core/record/RecordBook.h"

CPracticeDays::CPracticeDays(const CRecordBook& book)
{
    Rebuild(book);
}

namespace {
bool IsBefore(const PracticeDay& day, int nDays)
{
    return day.nDays < nDays;
}

// One category's days, oldest first: its list read backwards while its days came in order,
// as they nearly always do, or else a sorted copy.
class CDaySource
{
public:
    CDaySource(const CRecordBook& book, Category category)
    {
        const CDayList* pList = book.GetList(category);
        if (!pList)
            return;
        m_it = pList->rbegin();
        m_end = pList->rend();
        m_bList = book.IsInOrder(category);
        if (m_bList)
            return;
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

void CPracticeDays::NewRevision(std::optional<int> nOldest)
{
    static std::atomic<std::uint64_t> s_nRevisions{0};
    m_nLastRevision = m_nRevision;
    m_nRevision = ++s_nRevisions;
    m_nLastOldest = nOldest;
}

std::optional<int> CPracticeDays::OldestChangeSince(std::uint64_t nRevision) const
{
    if (nRevision == m_nRevision)
        return INT_MAX;
    return nRevision == m_nLastRevision ? m_nLastOldest : std::nullopt;
}

void CPracticeDays::Rebuild(const CRecordBook& book)
{
    NewRevision(std::nullopt);
    m_nSeen = book.GetChangedDays().Count();
    // The memory of the days before is kept: a refresh rebuilds them at every new run.
    m_days.clear();
    std::array<CDaySource, 4> sources{CDaySource(book, Category::Alph), CDaySource(book, Category::Kana),
                                      CDaySource(book, Category::Roma), CDaySource(book, Category::Sybl)};
    // The days of the longest list, most often all of them: the others share their days.
    std::size_t nLongest = 0;
    for (const Category category : kCategories)
        nLongest = std::max(nLongest, book.GetList(category) ? book.GetList(category)->size() : 0);
    m_days.reserve(nLongest);
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

void CPracticeDays::Update(const CRecordBook& book)
{
    std::optional<std::vector<int>> changed = book.GetChangedDays().Since(m_nSeen);
    if (!changed) {
        Rebuild(book);
        return;
    }
    m_nSeen = book.GetChangedDays().Count();
    if (changed->empty())
        return;
    std::sort(changed->begin(), changed->end());
    changed->erase(std::unique(changed->begin(), changed->end()), changed->end());
    NewRevision(changed->front());
    for (const int nDays : *changed) {
        PracticeDay entry{nDays, {}};
        for (const Category category : kCategories)
            if (const CDayRecord* pDay = book.GetDay(category, nDays))
                entry.nRuns[Index(category)] = pDay->m_nTry;
        const auto it = std::lower_bound(m_days.begin(), m_days.end(), nDays, IsBefore);
        if (it != m_days.end() && it->nDays == nDays)
            *it = entry;
        else
            m_days.insert(it, entry);
    }
}

PracticeDay CPracticeDays::At(int nDays) const
{
    const std::span<const PracticeDay> day = Range(nDays, nDays);
    return day.empty() ? PracticeDay{nDays, {}} : day.front();
}

std::span<const PracticeDay> CPracticeDays::Range(int nFirst, int nLast) const
{
    const auto first = std::lower_bound(m_days.begin(), m_days.end(), nFirst, IsBefore);
    const auto last = std::lower_bound(first, m_days.end(), nLast + 1, IsBefore);
    return {first, last};
}
