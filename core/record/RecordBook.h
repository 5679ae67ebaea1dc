#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <new>
#include <string_view>
#include <vector>

#include "core/record/DayChangeLog.h"
#include "core/record/DayRecord.h"
#include "core/record/LineScanner.h"
#include "core/record/PeriodData.h"
#include "core/res/StringIds.h"

// Memory for the day records of one book. A large file holds tens of thousands of days, and
// where the system faults memory in slowly, taking it page by page costs more than reading
// the whole file; so the records live in large blocks that may be backed by huge pages.
// Freed pieces are kept for reuse until the arena goes.
class CDayArena
{
public:
    CDayArena() = default;
    ~CDayArena();
    CDayArena(const CDayArena&) = delete;
    CDayArena& operator=(const CDayArena&) = delete;

    void* Allocate(std::size_t nBytes);
    void Free(void* p, std::size_t nBytes);

private:
    struct Block
    {
        void* pBase;
        std::size_t nBytes;
    };
    struct FreeList
    {
        std::size_t nBytes;
        void* pHead; // each free piece starts with the address of the next
    };
    void AddBlock();

    std::vector<Block> m_blocks;
    char* m_pNext = nullptr;
    char* m_pEnd = nullptr;
    std::vector<FreeList> m_free;
};

// Takes the memory of the lists of a book from its arena; without an arena, from the free store.
template <class T> class CDayAllocator
{
public:
    using value_type = T;

    CDayAllocator() = default;
    explicit CDayAllocator(CDayArena* pArena) : m_pArena(pArena) {}
    template <class U> CDayAllocator(const CDayAllocator<U>& other) : m_pArena(other.m_pArena) {}

    T* allocate(std::size_t n)
    {
        if (n > SIZE_MAX / sizeof(T))
            throw std::bad_array_new_length();
        if (m_pArena)
            return static_cast<T*>(m_pArena->Allocate(n * sizeof(T)));
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n)
    {
        if (m_pArena)
            m_pArena->Free(p, n * sizeof(T));
        else
            ::operator delete(p);
    }

    // A copy of a list may outlive the book, so it does not share the book's arena.
    CDayAllocator select_on_container_copy_construction() const { return CDayAllocator(); }

    friend bool operator==(const CDayAllocator& a, const CDayAllocator& b) { return a.m_pArena == b.m_pArena; }

private:
    template <class U> friend class CDayAllocator;

    CDayArena* m_pArena = nullptr;
};

// Day records of one category, newest day first (new days go to the front).
using CDayList = std::deque<CDayRecord, CDayAllocator<CDayRecord>>;

// The runs of one record file, as day records per category (0 Alph, 1 Kana, 2 Roma, 3 Sybl).
class CRecordBook
{
    // First, so that it outlives the lists.
    CDayArena m_DayArena;

public:
    // Where the day records live: the book's arena, or the free store (which the load
    // benchmark measures beside it).
    enum class EMemory
    {
        Arena,
        FreeStore,
    };
    explicit CRecordBook(EMemory eMemory = EMemory::Arena);
    // The lists point into the book's arena, so a book is never copied.
    CRecordBook(const CRecordBook&) = delete;
    CRecordBook& operator=(const CRecordBook&) = delete;

    // Stores one line (without its line end): 0, or the ID of the message that refuses it
    // (10001 too long, 10002 too short, 10003 unknown category, 10004 fields unreadable).
    [[nodiscard]] int ParseLine(std::string_view line);
    // Stores the run of a scanned line: 0, 10003 for an unknown mark, or 10004 when a
    // number overflowed or the date is not on the calendar.
    [[nodiscard]] int StoreRun(const ScannedLine& f);
    // Stores whole records (a line and its CR LF, 46 bytes each) from p, at most nRecords,
    // up to the first whose line is not in the layout Vesk writes, has an unknown mark or
    // a date off the calendar: that one and the rest are left to ParseLine, which gives
    // them the same result as ever. Returns the number stored. Every record stored here
    // changes the book exactly as ParseLine would with its line.
    std::size_t StoreRecords(const char* p, std::size_t nRecords);

    // The list of a category mark byte ('A', 0xB1, 'R', '!'), or null.
    CDayList* GetListByMark(char mark);
    // The list of a category, or null when it is empty.
    const CDayList* GetList(Category nCategory) const;
    bool IsCategoryEmpty(Category nCategory) const;
    // The record of a category's day (a day number), or null.
    const CDayRecord* GetDay(Category nCategory, int nDays) const;
    // Whether the days of a category came in order, so that its list is sorted newest first.
    bool IsInOrder(Category nCategory) const { return m_bInOrder[Index(nCategory)]; }
    void Clear();
    // Which days changed as runs were stored.
    const CDayChangeLog& GetChangedDays() const { return m_ChangedDays; }

    // Statistics.
    // Number of periods holding runs of the category; 0 when it is empty.
    int CountPeriods(Category nCategory, Scale nScale) const;
    // Up to nMax periods, newest first, into elements in their initial state; 0, or -1
    // when pOut is null, nMax <= 0 or the category is empty.
    [[nodiscard]] int FillPeriods(PERIODDATA* pOut, int nMax, Category nCategory, Scale nScale) const;
    // All figures of the period p->Date / p->nScale for the four categories; false when
    // p is null.
    [[nodiscard]] bool FillBoard(BOARDDATA* p) const;

    CDayList m_AlphList;
    CDayList m_KanaList;
    CDayList m_RomaList;
    CDayList m_SyblList;
    std::array<int, 4> m_nTopBest{}; // per category, the highest day best read so far

private:
    CDayAllocator<CDayRecord> Allocator(EMemory eMemory);
    CDayList& ListOf(int nCategory);
    // Index 0..3 of a mark byte, or -1.
    static int CategoryOfMark(char mark);
    const CDayList& ListOf(int nCategory) const;

    // Where the last run of a category went. Runs of one day follow each other, so the
    // next run nearly always goes there too.
    struct LastRun
    {
        CDayRecord* pDay = nullptr; // null when there is none
        std::array<int, 3> date{};  // its year, month and day as read
    };
    // Adds the run to the record of its day, made when the category has none yet: that
    // record, or null (and no change) when the date is not on the calendar.
    CDayRecord* AddToDay(int k, int nYear, int nMonth, int nDay, int nHits, int nMisses);
    // The record of a day of category k, or null.
    CDayRecord* FindDay(int k, int nDays);
    // StoreRecords' sums and its record of another day than the one its category is on.
    struct BulkDays;
    bool StoreOtherDay(BulkDays& bulk, int k, const char* p);

    // While the days of a category came in order its list is sorted, newest first, and a
    // day is found by bisection. The first day older than the newest makes an index of day
    // numbers, kept from then on (deque elements keep their addresses when days are added
    // at either end).
    std::array<bool, 4> m_bInOrder{true, true, true, true};
    std::array<std::map<int, CDayRecord*>, 4> m_DayIndex;
    CLineScanner m_LineScanner; // reads lines with the format of string 160
    std::array<LastRun, 4> m_LastRun{};
    // The date bytes of the last whole record stored, and (bit k) the categories whose last
    // run is of that date: their next runs of it need neither the date read nor a search.
    CRecordLayout::DateBytes m_OpenDate;
    unsigned m_nOpenMask = 0;
    CDayChangeLog m_ChangedDays;
};
