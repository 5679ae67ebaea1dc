#include "record/RecordBook.h"

#include "app/LoadSubString.h"
#include "app/Time.h"
#include "record/CivilDay.h"

namespace {
constexpr std::size_t kLineBytes = 44;
constexpr int kLineFormatID = 160;
} // namespace

CRecordBook::CRecordBook() : m_LineScanner(LoadString(kLineFormatID)) {}

int CRecordBook::CategoryOfMark(char mark)
{
    // A table rather than a switch: marks come in no predictable order.
    static constexpr auto kCategories = [] {
        std::array<signed char, 256> table{};
        table.fill(-1);
        table[0x41] = 0;
        table[0xB1] = 1;
        table[0x52] = 2;
        table[0x21] = 3;
        return table;
    }();
    return kCategories[static_cast<unsigned char>(mark)];
}

CDayList& CRecordBook::ListOf(int nCategory)
{
    CDayList* lists[] = {&m_AlphList, &m_KanaList, &m_RomaList, &m_SyblList};
    return *lists[nCategory];
}

const CDayList& CRecordBook::ListOf(int nCategory) const
{
    return const_cast<CRecordBook*>(this)->ListOf(nCategory);
}

int CRecordBook::ParseLine(std::string_view line)
{
    if (line.size() > kLineBytes)
        return 10001;
    if (line.size() < kLineBytes)
        return 10002;
    SCANNEDLINE f;
    if (m_LineScanner.Scan(line, f) != 9)
        return 10004;
    return StoreRun(f);
}

int CRecordBook::StoreRun(const SCANNEDLINE& f)
{
    const int k = CategoryOfMark(f.cMark);
    if (k < 0)
        return 10003;
    // Runs of one day follow each other: the date already seen needs no checking or conversion.
    const std::array<int, 3> date = {f.nYear, f.nMonth, f.nDay};
    CDayList& list = ListOf(k);
    CDayRecord* pDay = nullptr;
    if (!f.bOverflow && date == m_LastDate[k] && !list.empty() && list.front().m_nDays == m_nLastDays[k]) {
        pDay = &list.front();
        pDay->AddRun(m_nLastDays[k], f.nHit, f.nMiss);
    } else {
        // A number that overflowed or a day that is not on the calendar cannot be placed on a day.
        if (f.bOverflow || !IsValidDate(f.nYear, f.nMonth, f.nDay))
            return 10004;
        const int nDays = DaysFromCivil(f.nYear, f.nMonth, f.nDay);
        if (!list.empty() && list.front().AddRun(nDays, f.nHit, f.nMiss)) {
            pDay = &list.front();
        } else if (const auto it = m_DayIndex[k].find(nDays); it != m_DayIndex[k].end()) {
            pDay = it->second;
            pDay->AddRun(nDays, f.nHit, f.nMiss);
        } else {
            pDay = &list.emplace_front(nDays, f.nHit, f.nMiss);
            m_DayIndex[k].emplace(nDays, pDay);
        }
        m_LastDate[k] = date;
        m_nLastDays[k] = nDays;
    }
    if (pDay->m_nBest > m_nTopBest[k]) {
        m_nTopBest[k] = pDay->m_nBest;
        pDay->m_bNewBest = true;
    }
    return 0;
}

CDayList* CRecordBook::GetListByMark(char mark)
{
    const int k = CategoryOfMark(mark);
    return k < 0 ? nullptr : &ListOf(k);
}

const CDayList* CRecordBook::GetList(int nCategory) const
{
    if (nCategory < 0 || nCategory > 3 || ListOf(nCategory).empty())
        return nullptr;
    return &ListOf(nCategory);
}

bool CRecordBook::IsCategoryEmpty(int nCategory) const
{
    return GetList(nCategory) == nullptr;
}

void CRecordBook::Clear()
{
    for (int k = 0; k < 4; ++k) {
        ListOf(k).clear();
        m_DayIndex[k].clear();
        m_LastDate[k] = {};
        m_nTopBest[k] = 0;
    }
}
