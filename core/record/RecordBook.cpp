#include "core/record/RecordBook.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <sys/mman.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

#include "core/base/Time.h"
#include "core/record/CivilDay.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
constexpr std::size_t kLineBytes = 44;

// A small first block, so that a short file costs little; then blocks of one huge page.
constexpr std::size_t kFirstBlockBytes = 64 << 10;
constexpr std::size_t kHugePageBytes = 2 << 20;
// Larger pieces come from the free store: the blocks of a deque are far smaller, and so are
// its maps of blocks but for a category of tens of thousands of days.
constexpr std::size_t kLargestPiece = 16 << 10;
constexpr std::size_t kPieceAlign = alignof(std::max_align_t);

// At least one unit, so that a freed piece has room for the address of the next.
std::size_t PieceBytes(std::size_t nBytes)
{
    return (std::max<std::size_t>(nBytes, 1) + kPieceAlign - 1) & ~(kPieceAlign - 1);
}

// Arena memory nobody holds is poisoned for AddressSanitizer, as the free store's is.
void Poison([[maybe_unused]] void* p, [[maybe_unused]] std::size_t nBytes)
{
#if defined(__SANITIZE_ADDRESS__)
    ASAN_POISON_MEMORY_REGION(p, nBytes);
#endif
}

void Unpoison([[maybe_unused]] void* p, [[maybe_unused]] std::size_t nBytes)
{
#if defined(__SANITIZE_ADDRESS__)
    ASAN_UNPOISON_MEMORY_REGION(p, nBytes);
#endif
}

// Fresh memory of nBytes at a multiple of nAlign (a power of two; 0 for page alignment), or null.
void* MapBlock(std::size_t nBytes, std::size_t nAlign)
{
    const std::size_t nSpan = nBytes + nAlign;
    void* p = ::mmap(nullptr, nSpan, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED || nAlign == 0)
        return p == MAP_FAILED ? nullptr : p;
    // The parts before and after the aligned block go back at once.
    const auto base = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (base + nAlign - 1) & ~(nAlign - 1);
    if (aligned != base)
        ::munmap(p, aligned - base);
    if (base + nSpan != aligned + nBytes)
        ::munmap(reinterpret_cast<void*>(aligned + nBytes), base + nSpan - (aligned + nBytes));
    return reinterpret_cast<void*>(aligned);
}

// At most this many records are summed before the sums go to the day records, so that the
// halves of the summed scores (CRecordLayout::RankedScore) stay apart.
constexpr std::size_t kRecordsPerBlock = 1 << 16;

// A run as CRecordLayout::RankedScore gives it.
int ScoreHits(std::uint64_t nScore)
{
    return static_cast<int>(nScore >> 32);
}

int ScoreMisses(std::uint64_t nScore)
{
    return static_cast<int>(0xFFFF - (nScore & 0xFFFF));
}

// The runs of a category's current day, summed while whole records are stored and added to
// the day's record when the category moves on, after a block, and at the end.
struct alignas(64) OPENDAY
{
    CDayRecord* pDay = nullptr;
    std::uint64_t nScores = 0; // the sum of the runs' ranked scores
    std::uint64_t nBest = 0;
    std::uint64_t nWorst = UINT64_MAX;
    std::uint32_t nTry = 0;

    // The runs go to the record, and the best ever rises as it would have with each of them:
    // the day's best only grows while they are added.
    void Settle(int& nTopBest)
    {
        if (nTry == 0)
            return;
        const std::int64_t nMisses = std::int64_t{0xFFFF} * nTry - static_cast<std::uint32_t>(nScores);
        pDay->AddRuns(static_cast<int>(nTry), static_cast<std::int64_t>(nScores >> 32), nMisses, ScoreHits(nBest),
                      ScoreMisses(nBest), ScoreHits(nWorst), ScoreMisses(nWorst));
        if (pDay->m_nBest > nTopBest) {
            nTopBest = pDay->m_nBest;
            pDay->m_bNewBest = true;
        }
        *this = {pDay};
    }
};
} // namespace

CDayArena::~CDayArena()
{
    for (const Block& block : m_blocks) {
        Unpoison(block.pBase, block.nBytes);
        ::munmap(block.pBase, block.nBytes);
    }
}

void CDayArena::AddBlock()
{
    const bool bHuge = !m_blocks.empty();
    const std::size_t nBytes = bHuge ? kHugePageBytes : kFirstBlockBytes;
    m_blocks.reserve(m_blocks.size() + 1);
    void* p = MapBlock(nBytes, bHuge ? kHugePageBytes : 0);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Only advice: where the system has no huge pages to give, the block has small ones.
    if (bHuge)
        ::madvise(p, nBytes, MADV_HUGEPAGE);
#endif
    Poison(p, nBytes);
    m_blocks.push_back({p, nBytes});
    m_pNext = static_cast<char*>(p);
    m_pEnd = m_pNext + nBytes;
}

void* CDayArena::Allocate(std::size_t nBytes)
{
    nBytes = PieceBytes(nBytes);
    if (nBytes > kLargestPiece)
        return ::operator new(nBytes);
    auto list = std::find_if(m_free.begin(), m_free.end(), [nBytes](const FreeList& l) { return l.nBytes == nBytes; });
    if (list != m_free.end() && list->pHead) {
        void* p = list->pHead;
        Unpoison(p, nBytes);
        std::memcpy(&list->pHead, p, sizeof list->pHead);
        return p;
    }
    // Made here, so that Free never needs memory.
    if (list == m_free.end())
        m_free.push_back({nBytes, nullptr});
    if (static_cast<std::size_t>(m_pEnd - m_pNext) < nBytes)
        AddBlock();
    void* p = m_pNext;
    m_pNext += nBytes;
    Unpoison(p, nBytes);
    // Fresh memory is in no cache yet; records fill the piece over the next many lines.
    for (std::size_t i = 0; i < nBytes; i += 64)
        __builtin_prefetch(static_cast<char*>(p) + i, 1);
    return p;
}

void CDayArena::Free(void* p, std::size_t nBytes)
{
    nBytes = PieceBytes(nBytes);
    if (nBytes > kLargestPiece) {
        ::operator delete(p);
        return;
    }
    const auto list =
        std::find_if(m_free.begin(), m_free.end(), [nBytes](const FreeList& l) { return l.nBytes == nBytes; });
    std::memcpy(p, &list->pHead, sizeof list->pHead);
    list->pHead = p;
    Poison(p, nBytes);
}

CRecordBook::CRecordBook(EMemory eMemory)
    : m_AlphList(Allocator(eMemory)), m_KanaList(Allocator(eMemory)), m_RomaList(Allocator(eMemory)),
      m_SyblList(Allocator(eMemory)), m_LineScanner(LoadString(IDS_LINE_FORMAT))
{
}

CDayAllocator<CDayRecord> CRecordBook::Allocator(EMemory eMemory)
{
    return CDayAllocator<CDayRecord>(eMemory == EMemory::Arena ? &m_DayArena : nullptr);
}

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
        return IDP_LINE_TOO_LONG;
    if (line.size() < kLineBytes)
        return IDP_LINE_TOO_SHORT;
    ScannedLine f;
    if (m_LineScanner.Scan(line, f) != 9)
        return IDP_BAD_FIELDS;
    return StoreRun(f);
}

int CRecordBook::StoreRun(const ScannedLine& f)
{
    const int k = CategoryOfMark(f.cMark);
    if (k < 0)
        return IDP_BAD_CATEGORY;
    // A number that overflowed cannot be placed on a day.
    if (f.bOverflow)
        return IDP_BAD_FIELDS;
    CDayRecord* pDay = AddToDay(k, f.nYear, f.nMonth, f.nDay, f.nHit, f.nMiss);
    if (!pDay)
        return IDP_BAD_FIELDS;
    if (pDay->m_nBest > m_nTopBest[k]) {
        m_nTopBest[k] = pDay->m_nBest;
        pDay->m_bNewBest = true;
    }
    return 0;
}

CDayRecord* CRecordBook::AddToDay(int k, int nYear, int nMonth, int nDay, int nHits, int nMisses)
{
    LastRun& last = m_LastRun[k];
    // The date already seen needs no checking or conversion.
    const std::array<int, 3> date = {nYear, nMonth, nDay};
    if (last.pDay && date == last.date) {
        last.pDay->Add(nHits, nMisses);
        m_ChangedDays.Note(last.pDay->m_nDays);
        return last.pDay;
    }
    if (!IsValidDate(nYear, nMonth, nDay))
        return nullptr;
    const int nDays = DaysFromCivil(nYear, nMonth, nDay);
    CDayList& list = ListOf(k);
    CDayRecord* pDay = nullptr;
    if (!list.empty() && list.front().AddRun(nDays, nHits, nMisses)) {
        pDay = &list.front();
    } else if ((list.empty() || nDays > list.front().m_nDays) && m_bInOrder[k]) {
        // Newer than the newest: a new day, as nearly every day that is not the newest.
        pDay = &list.emplace_front(nDays, nHits, nMisses);
    } else if ((pDay = FindDay(k, nDays))) {
        pDay->Add(nHits, nMisses);
    } else {
        if (m_bInOrder[k] && !list.empty() && nDays < list.front().m_nDays) {
            for (CDayRecord& day : list)
                m_DayIndex[k].emplace(day.m_nDays, &day);
            m_bInOrder[k] = false;
        }
        pDay = &list.emplace_front(nDays, nHits, nMisses);
        if (!m_bInOrder[k])
            m_DayIndex[k].emplace(nDays, pDay);
    }
    last = {pDay, date};
    m_nOpenMask &= ~(1u << k);
    m_ChangedDays.Note(nDays);
    return pDay;
}

CDayRecord* CRecordBook::FindDay(int k, int nDays)
{
    return const_cast<CDayRecord*>(GetDay(kCategories[static_cast<std::size_t>(k)], nDays));
}

const CDayRecord* CRecordBook::GetDay(Category nCategory, int nDays) const
{
    const int k = static_cast<int>(Index(nCategory));
    if (!m_bInOrder[k]) {
        const auto it = m_DayIndex[k].find(nDays);
        return it == m_DayIndex[k].end() ? nullptr : it->second;
    }
    const CDayList& list = ListOf(k);
    if (list.empty() || nDays > list.front().m_nDays)
        return nullptr;
    const auto it =
        std::lower_bound(list.begin(), list.end(), nDays, [](const CDayRecord& day, int n) { return day.m_nDays > n; });
    return it != list.end() && it->m_nDays == nDays ? &*it : nullptr;
}

struct CRecordBook::BulkDays
{
    CRecordBook& book;
    std::array<OPENDAY, 4> days{};
    std::array<int, 4> tops = book.m_nTopBest;
    CRecordLayout::DateBytes openDate = book.m_OpenDate;
    unsigned nOpenMask = book.m_nOpenMask;

    explicit BulkDays(CRecordBook& b) : book(b)
    {
        for (int k = 0; k < 4; ++k)
            days[k].pDay = book.m_LastRun[k].pDay;
    }
    // Whatever way storing ends, the sums go to the records.
    ~BulkDays()
    {
        Settle();
        book.m_nTopBest = tops;
    }
    BulkDays(const BulkDays&) = delete;
    BulkDays& operator=(const BulkDays&) = delete;

    void Settle()
    {
        for (int k = 0; k < 4; ++k)
            Settle(k);
    }
    void Settle(int k)
    {
        // Runs of a day the category was on before this read are noted nowhere else.
        if (days[k].nTry != 0)
            book.m_ChangedDays.Note(days[k].pDay->m_nDays);
        days[k].Settle(tops[k]);
    }
};

std::size_t CRecordBook::StoreRecords(const char* p, std::size_t nRecords)
{
    // Lines of other layouts, as in a file with other line ends, leave at once.
    if (nRecords == 0 || !m_LineScanner.IsRecordFormat() || CategoryOfMark(p[0]) < 0 || !CRecordLayout::FitsRecord(p))
        return 0;
    BulkDays bulk(*this);
    const char* const pFirst = p;
    const char* const pEnd = p + nRecords * CRecordLayout::kRecordBytes;
    bool bStopped = false;
    while (p != pEnd && !bStopped) {
        const char* const pBlockEnd =
            p + std::min<std::size_t>((pEnd - p) / CRecordLayout::kRecordBytes, kRecordsPerBlock) *
                    CRecordLayout::kRecordBytes;
        // Kept here while nothing but sums changes.
        CRecordLayout::DateBytes openDate = bulk.openDate;
        unsigned nOpenMask = bulk.nOpenMask;
        for (; p != pBlockEnd; p += CRecordLayout::kRecordBytes) {
            const int k = CategoryOfMark(p[0]);
            // One test for both: an unknown mark, or bytes out of the layout.
            if (!CRecordLayout::FitsRecord(p) | (k < 0)) {
                bStopped = true;
                break;
            }
            if ((nOpenMask >> k & 1) != 0 && CRecordLayout::IsDate(p, openDate)) {
                const std::uint64_t nScore = CRecordLayout::RankedScore(p);
                OPENDAY& day = bulk.days[k];
                ++day.nTry;
                day.nScores += nScore;
                day.nBest = std::max(day.nBest, nScore);
                day.nWorst = std::min(day.nWorst, nScore);
                continue;
            }
            if (!StoreOtherDay(bulk, k, p)) {
                bStopped = true;
                break;
            }
            openDate = bulk.openDate;
            nOpenMask = bulk.nOpenMask;
        }
        bulk.Settle();
    }
    m_OpenDate = bulk.openDate;
    m_nOpenMask = bulk.nOpenMask;
    return static_cast<std::size_t>(p - pFirst) / CRecordLayout::kRecordBytes;
}

// The record of a whole record that is not of the day its category is on: the long way,
// on the record itself. False when the date is not on the calendar.
bool CRecordBook::StoreOtherDay(BulkDays& bulk, int k, const char* p)
{
    bulk.Settle(k);
    int nYear, nMonth, nDay;
    CRecordLayout::ReadDate(p, nYear, nMonth, nDay);
    const std::uint64_t nScore = CRecordLayout::RankedScore(p);
    CDayRecord* pDay = AddToDay(k, nYear, nMonth, nDay, ScoreHits(nScore), ScoreMisses(nScore));
    if (!pDay)
        return false;
    if (pDay->m_nBest > bulk.tops[k]) {
        bulk.tops[k] = pDay->m_nBest;
        pDay->m_bNewBest = true;
    }
    bulk.days[k].pDay = pDay;
    if (!CRecordLayout::IsDate(p, bulk.openDate)) {
        bulk.openDate = CRecordLayout::Date(p);
        bulk.nOpenMask = 0;
    }
    bulk.nOpenMask |= 1u << k;
    return true;
}

CDayList* CRecordBook::GetListByMark(char mark)
{
    const int k = CategoryOfMark(mark);
    return k < 0 ? nullptr : &ListOf(k);
}

const CDayList* CRecordBook::GetList(Category nCategory) const
{
    const CDayList& list = ListOf(static_cast<int>(Index(nCategory)));
    return list.empty() ? nullptr : &list;
}

bool CRecordBook::IsCategoryEmpty(Category nCategory) const
{
    return GetList(nCategory) == nullptr;
}

void CRecordBook::Clear()
{
    for (int k = 0; k < 4; ++k) {
        ListOf(k).clear();
        m_bInOrder[k] = true;
        m_DayIndex[k].clear();
        m_LastRun[k] = {};
        m_nTopBest[k] = 0;
    }
    m_OpenDate = {};
    m_nOpenMask = 0;
    m_ChangedDays.Forget();
}
