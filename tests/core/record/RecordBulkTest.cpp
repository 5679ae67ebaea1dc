// Whole records stored straight from the read buffer must leave the book exactly as
// ParseLine leaves it line by line, whatever the bytes hold.
#include "core/record/RecordBook.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/record/CivilDay.h"
#include "core/record/RecordFile.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {

constexpr std::size_t kRecord = CRecordFile::kRecordBytes;

// The lines of a file as the reader hands them out: up to LF, without one CR before it; at
// the end of the bytes an empty line. Longer lines are refused for their length either way.
class CLineSplitter
{
public:
    explicit CLineSplitter(std::string_view bytes) : m_bytes(bytes) {}
    void Skip(std::size_t n) { m_pos += n; }
    std::string_view Rest() const { return m_bytes.substr(m_pos); }
    std::string_view Next()
    {
        const std::size_t lf = m_bytes.find('\n', m_pos);
        std::string_view line =
            m_bytes.substr(m_pos, lf == std::string_view::npos ? std::string_view::npos : lf - m_pos);
        m_pos = lf == std::string_view::npos ? m_bytes.size() : lf + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

struct LOADED
{
    int nCode = 0;
    std::int64_t nLinesStored = 0;
};

// floor(size / 46) lines, each through ParseLine, up to the first refused one.
LOADED LoadLineByLine(std::string_view bytes, CRecordBook& book)
{
    CLineSplitter lines(bytes);
    LOADED r;
    for (std::size_t i = 0; i < bytes.size() / kRecord; ++i, ++r.nLinesStored)
        if ((r.nCode = book.ParseLine(lines.Next())) != 0)
            break;
    return r;
}

// The same lines, with whole records taken by StoreRecords at most nMaxBulk at a time and
// every line it leaves through ParseLine.
LOADED LoadInBulk(std::string_view bytes, CRecordBook& book, std::mt19937& rng, std::size_t nMaxBulk)
{
    CLineSplitter lines(bytes);
    const std::size_t nLines = bytes.size() / kRecord;
    LOADED r;
    while (static_cast<std::size_t>(r.nLinesStored) < nLines) {
        const std::size_t nLeft = nLines - static_cast<std::size_t>(r.nLinesStored);
        const std::size_t nRoom = std::min(
            {lines.Rest().size() / kRecord, nLeft, std::uniform_int_distribution<std::size_t>(0, nMaxBulk)(rng)});
        const std::size_t nStored = book.StoreRecords(lines.Rest().data(), nRoom);
        EXPECT_LE(nStored, nRoom);
        lines.Skip(nStored * kRecord);
        r.nLinesStored += static_cast<std::int64_t>(nStored);
        if (nStored == nRoom && nRoom != 0)
            continue;
        if ((r.nCode = book.ParseLine(lines.Next())) != 0)
            break;
        ++r.nLinesStored;
    }
    return r;
}

std::string Described(const CDayRecord& d)
{
    char buf[200];
    std::snprintf(buf, sizeof buf, "day %d: try %d best %d (%d) worst %d (%d) total %lld (%lld)%s", d.m_nDays, d.m_nTry,
                  d.m_nBest, d.m_nBestMiss, d.m_nWorst, d.m_nWorstMiss, static_cast<long long>(d.m_nTotalHit),
                  static_cast<long long>(d.m_nTotalMiss), d.m_bNewBest ? " new best" : "");
    return buf;
}

// Every list, day by day, and the best ever of each category.
void ExpectSameBooks(const CRecordBook& a, const CRecordBook& b, const std::string& context)
{
    const CDayList* const listsA[] = {&a.m_AlphList, &a.m_KanaList, &a.m_RomaList, &a.m_SyblList};
    const CDayList* const listsB[] = {&b.m_AlphList, &b.m_KanaList, &b.m_RomaList, &b.m_SyblList};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(a.m_nTopBest[k], b.m_nTopBest[k]) << context << ", category " << k;
        ASSERT_EQ(listsA[k]->size(), listsB[k]->size()) << context << ", category " << k;
        for (std::size_t i = 0; i < listsA[k]->size(); ++i)
            ASSERT_EQ(Described((*listsA[k])[i]), Described((*listsB[k])[i]))
                << context << ", category " << k << ", day " << i;
    }
}

// Record files of runs in Vesk's layout, with now and then a line that only sscanf reads
// (a sign, a tab, a blank inside a date or time field, leading zeros), runs of older days
// known and new, ties, another line end, and now and then a line that is refused.
class CFileMaker
{
public:
    explicit CFileMaker(std::uint32_t nSeed) : m_rng(nSeed) {}

    std::string File(int nLines, bool bRefusals)
    {
        m_nDays = DaysFromCivil(1970, 1, 1) + Below(DaysFromCivil(9999, 11, 1) - DaysFromCivil(1970, 1, 1));
        if (OneIn(4))
            m_nDays = DaysFromCivil(9999, 12, 31) - Below(3);
        std::string out;
        for (int i = 0; i < nLines; ++i)
            out += Record(bRefusals);
        if (OneIn(3))
            out += "A 2003"; // a partial record at the end
        return out;
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool OneIn(int n) { return Below(n) == 0; }

private:
    std::string Record(bool bRefusals)
    {
        static constexpr char marks[] = {'A', '\xB1', 'R', '!'};
        if (OneIn(12) && m_nDays < DaysFromCivil(9999, 12, 31))
            ++m_nDays;
        int nDays = m_nDays;
        if (OneIn(40))
            nDays -= 1 + Below(20); // an older day, with or without runs so far
        int y, m, d;
        CivilFromDays(nDays, y, m, d);
        const int nHits = OneIn(3) ? 100 + Below(3) : Below(OneIn(20) ? 10000 : 1000); // many ties
        const int nMisses = OneIn(20) ? Below(10000) : Below(30);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%c %04d-%02d-%02d  %02d:%02d:%02d   HIT:%4d  MISS:%4d", marks[Below(4)], y, m,
                      d, Below(24), Below(60), Below(60), nHits, nMisses);
        std::string line = buf;
        Vary(line, bRefusals);
        if (bRefusals && OneIn(150))
            line.insert(line.begin() + Below(44), 'x'); // too long
        if (bRefusals && OneIn(150))
            line.erase(line.begin() + Below(44)); // too short
        return line + (OneIn(30) ? "\n" : "\r\n");
    }

    // Changes that keep the line 44 bytes long.
    void Vary(std::string& line, bool bRefusals)
    {
        const auto at = [&line](std::size_t i) -> char& { return line[i]; };
        switch (Below(bRefusals ? 30 : 20)) {
        case 0: // leading zeros, still the layout
            for (std::size_t i = 29; i < 32 && at(i) == ' '; ++i)
                at(i) = '0';
            break;
        case 1: // a sign before the hits or the misses
            if (at(31) == ' ')
                at(31) = OneIn(2) ? '+' : '-';
            if (at(42) == ' ')
                at(42) = '+';
            break;
        case 2: // the same date with a blank for a zero
            if (at(7) == '0')
                at(7) = ' ';
            else if (at(10) == '0')
                at(10) = '\t';
            break;
        case 3: // a blank in the time
            if (at(20) == '0')
                at(20) = ' ';
            break;
        case 4: // a tab for a blank before the number
            if (at(29) == ' ')
                at(29) = '\t';
            break;
        case 20: // "HIT: 1 3": the hits end early
            at(29) = ' ';
            at(30) = '1';
            at(31) = ' ';
            break;
        case 21: at(25) = 'h'; break;               // a literal misspelt
        case 22: at(0) = "a\0x\n"[Below(4)]; break; // no category mark
        case 23: at(9) = ':'; break;
        case 24: std::memcpy(&line[2], OneIn(2) ? "1969" : "0000", 4); break; // before 1970
        case 25: std::memcpy(&line[7], OneIn(2) ? "13" : "00", 2); break;
        case 26: std::memcpy(&line[10], "32", 2); break;
        case 27: at(44 - 1 - Below(3)) = ' '; break; // the last digit of the misses blank
        case 28: at(20) = '\0'; break;
        default: break;
        }
    }

    std::mt19937 m_rng;
    int m_nDays = 0;
};

// What sscanf makes of them is pinned down elsewhere; here both ways of storing must agree.
TEST(RecordBulk, StoresAsParseLineDoes)
{
    std::mt19937 rng(7u);
    CFileMaker maker(20250611u);
    int nStoredInBulk = 0;
    for (int nFile = 0; nFile < 400; ++nFile) {
        const std::string bytes = maker.File(1 + maker.Below(400), nFile % 2 == 1);
        CRecordBook lineByLine, bulk;
        const LOADED expected = LoadLineByLine(bytes, lineByLine);
        const LOADED got = LoadInBulk(bytes, bulk, rng, nFile % 3 == 0 ? 3 : 200);
        const std::string context = "file " + std::to_string(nFile);
        EXPECT_EQ(got.nCode, expected.nCode) << context;
        EXPECT_EQ(got.nLinesStored, expected.nLinesStored) << context;
        ExpectSameBooks(bulk, lineByLine, context);
        if (HasFailure())
            return;
        nStoredInBulk += static_cast<int>(got.nLinesStored);
    }
    EXPECT_GT(nStoredInBulk, 20000); // the files are not all refused at once
}

TEST(RecordBulk, RefusesWhatItDoesNotStoreAndTouchesNothingThen)
{
    CRecordBook book;
    const std::string good = RecordLine('A', 2003, 5, 11, 123, 12) + "\r\n";
    const std::string same = RecordLine('A', 2003, 5, 11, 90, 1) + "\r\n";
    ASSERT_EQ(book.StoreRecords(good.data(), 1), 1u);
    for (const std::string& bad : std::vector<std::string>{
             RecordLine('a', 2003, 5, 11, 1, 1) + "\r\n", RecordLine('A', 2003, 2, 29, 1, 1) + "\r\n",
             RecordLine('A', 2003, 5, 11, 1, 1) + "\n\n", RecordLine('A', 2003, 5, 11, 1, 1) + "\r\r",
             "A 2003-05-11  12:34:56   HIT: 1 3  MISS:  12\r\n", "A 2003-05-11  12:34:56   HIT:+123  MISS:  12\r\n"}) {
        const std::string bytes = same + bad;
        EXPECT_EQ(book.StoreRecords(bytes.data(), 2), 1u) << bad;
    }
    ASSERT_EQ(book.m_AlphList.size(), 1u);
    EXPECT_EQ(book.m_AlphList.front().m_nTry, 7);
    EXPECT_EQ(book.m_AlphList.front().m_nWorst, 90);
    EXPECT_EQ(book.StoreRecords(good.data(), 0), 0u);
}

// Load reads through the buffer in bulk, a large file read ahead; the lines, the codes and
// the 4 % steps are those of reading line by line, and a step comes right after the line
// that makes it.
TEST(RecordBulk, LoadMatchesLineByLineWithItsProgressSteps)
{
    class CStepRecorder : public CLoadObserver
    {
    public:
        explicit CStepRecorder(const CRecordBook& book) : m_book(book) {}
        std::vector<int> runsAtStep;
        void OnLoadStepped() override
        {
            int nRuns = 0;
            for (const CDayList* list :
                 {&m_book.m_AlphList, &m_book.m_KanaList, &m_book.m_RomaList, &m_book.m_SyblList})
                for (const CDayRecord& day : *list)
                    nRuns += day.m_nTry;
            runsAtStep.push_back(nRuns);
        }

    private:
        const CRecordBook& m_book;
    };

    CTempDir dir;
    CFileMaker maker(99u);
    for (int nLines : {1, 2, 3, 24, 25, 26, 99, 100, 101, 1000, 2345, 30000, 200000}) {
        for (bool bRefusals : {false, true}) {
            const std::string bytes = maker.File(nLines, bRefusals);
            CRecordBook expected;
            const LOADED reference = LoadLineByLine(bytes, expected);
            // Steps after line i (counting from 0) when i * 100 / N first passes P, P going up by 4.
            std::vector<int> expectedSteps;
            const std::int64_t nRead = static_cast<std::int64_t>(bytes.size() / kRecord);
            for (std::int64_t i = 0, nProgress = 0; i < reference.nLinesStored; ++i) {
                if (i * 100 / nRead > nProgress) {
                    nProgress += 4;
                    expectedSteps.push_back(static_cast<int>(i + 1));
                }
            }

            CRecordBook book;
            CStepRecorder steps(book);
            CRecordFile file;
            const std::string context = std::to_string(nLines) + (bRefusals ? " lines with refusals" : " lines");
            const LoadResult loaded = file.Load(dir.Write("u.ｷﾛｸ", bytes), book, &steps);
            EXPECT_EQ(loaded.outcome, LineOutcome(reference.nCode)) << context;
            EXPECT_EQ(loaded.nLine, reference.nCode != 0 ? reference.nLinesStored + 1 : 0) << context;
            EXPECT_EQ(steps.runsAtStep, expectedSteps) << context;
            ExpectSameBooks(book, expected, context);
        }
    }
}

// Days far apart in time and out of order all find their records, across the blocks of memory.
TEST(RecordBulk, ManyDaysInAndOutOfOrder)
{
    std::string inOrder, outOfOrder;
    const int nFirst = DaysFromCivil(1980, 1, 1);
    for (int i = 0; i < 20000; ++i) {
        int y, m, d;
        CivilFromDays(nFirst + i, y, m, d);
        inOrder += RecordLine('R', y, m, d, i % 500, i % 7) + "\r\n";
        CivilFromDays(nFirst + (i * 7919) % 5000, y, m, d);
        outOfOrder += RecordLine('!', y, m, d, i % 300, i % 11) + "\r\n";
    }
    std::mt19937 rng(3u);
    const struct
    {
        std::string bytes;
        std::size_t nDays;
    } files[] = {{inOrder, 20000}, {outOfOrder, 5000}, {inOrder + outOfOrder, 25000}};
    for (const auto& f : files) {
        CRecordBook lineByLine, bulk;
        ASSERT_EQ(LoadLineByLine(f.bytes, lineByLine).nCode, 0);
        ASSERT_EQ(LoadInBulk(f.bytes, bulk, rng, 5000).nCode, 0);
        EXPECT_EQ(lineByLine.m_RomaList.size() + lineByLine.m_SyblList.size(), f.nDays);
        ExpectSameBooks(bulk, lineByLine, std::to_string(f.nDays) + " days");
    }
}

// The sums of a day's runs grow far beyond 32 bits in one call.
TEST(RecordBulk, AVeryLongDaySumsExactly)
{
    std::string bytes;
    for (int i = 0; i < 150000; ++i)
        bytes += i % 3 ? "A 2003-05-11  12:34:56   HIT:9999  MISS:9999\r\n"
                       : "A 2003-05-11  12:34:56   HIT:   0  MISS:   0\r\n";
    CRecordBook lineByLine, bulk;
    ASSERT_EQ(LoadLineByLine(bytes, lineByLine).nCode, 0);
    ASSERT_EQ(bulk.StoreRecords(bytes.data(), 150000), 150000u);
    ExpectSameBooks(bulk, lineByLine, "one long day");
    EXPECT_EQ(bulk.m_AlphList.front().m_nTotalMiss, 100000LL * 9999);
}

TEST(RecordBulk, ACopiedListOutlivesItsBook)
{
    auto book = std::make_unique<CRecordBook>();
    ASSERT_EQ(book->ParseLine(RecordLine('A', 2003, 5, 11, 123, 12)), 0);
    ASSERT_EQ(book->ParseLine(RecordLine('A', 2003, 5, 12, 124, 12)), 0);
    const CDayList copy = book->m_AlphList;
    book.reset();
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy.front().m_nBest, 124);
    EXPECT_EQ(copy.back().m_nBest, 123);
}

} // namespace
