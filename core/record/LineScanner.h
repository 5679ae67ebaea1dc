#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// The nine fields of a record line.
struct ScannedLine
{
    char cMark = 0;
    int nYear = 0, nMonth = 0, nDay = 0;
    int nHour = 0, nMinute = 0, nSecond = 0;
    int nHit = 0, nMiss = 0;
    bool bOverflow = false; // some number read did not fit an int
};

// The line Vesk writes, checked and read with a few vector and word operations instead of
// a walk through the bytes. For a line in this layout every conversion of the record-line
// format succeeds and no number can overflow, so what is read here is what sscanf reads.
class CRecordLayout
{
public:
    static constexpr std::size_t kLineBytes = 44;
    static constexpr std::size_t kRecordBytes = 46; // the line and its CR LF

    // The 44 bytes at p are in the layout (the mark byte is not looked at).
    static bool FitsLine(const char* p) { return Misfit<false>(Bytes(p)) == 0; }
    // The 46 bytes at p are a line in the layout followed by CR LF: a whole record.
    static bool FitsRecord(const char* p) { return Misfit<true>(Bytes(p)) == 0; }

    // The fields of a line that fits.
    static void ReadDate(const char* p, int& nYear, int& nMonth, int& nDay);
    static void ReadTime(const char* p, int& nHour, int& nMinute, int& nSecond);
    static void ReadScore(const char* p, int& nHit, int& nMiss);
    // Its hits in the high half and 65535 - misses in the low half: a number that is larger
    // for the better run, as runs are ranked (more hits, then fewer misses), and whose sums
    // over up to 65536 runs stay apart.
    static std::uint64_t RankedScore(const char* p);

    // The date bytes of a line that fits ("YYYY-MM-" and "DD"), equal for lines of the same
    // date; the first is never 0.
    struct DateBytes
    {
        std::uint64_t nHead = 0;
        std::uint64_t nTail = 0;
    };
    static DateBytes Date(const char* p);
    static bool IsDate(const char* p, const DateBytes& date);

private:
    // One letter per byte: c the mark, 9 a digit, b a blank or a digit of a right-aligned
    // number (blanks first); every other byte must be itself.
    static constexpr std::string_view kLayout = "c 9999-99-99  99:99:99   HIT:bbb9  MISS:bbb9\r\n";
    static constexpr std::size_t kDateAt = 2, kTimeAt = 14, kHitAt = 29, kMissAt = 40;

    // Sixteen bytes checked at once with the vector extension of GCC and Clang, which becomes
    // SSE2 or NEON code, or plain code where there is neither.
    using BYTES16 = signed char __attribute__((vector_size(16)));

    // A byte x fits when x ^ flip, as a signed byte, is at most limit. flip is the expected
    // byte with its top bit turned, so that the byte itself becomes -128 and a digit -128 .. -119
    // where '0' is expected. Where a number column allows a blank, ' ' becomes -112, and the
    // limit -112 lets ':' .. '?' through as well: those are left to BadColumns.
    struct ChunkCheck
    {
        std::array<signed char, 16> flip{}, limit{};
    };

    static constexpr ChunkCheck MakeChunkCheck(std::size_t at)
    {
        ChunkCheck c;
        for (std::size_t i = 0; i < 16; ++i) {
            const char k = kLayout[at + i];
            const int expect = k == '9' || k == 'b' ? '0' : static_cast<unsigned char>(k);
            c.flip[i] = static_cast<signed char>(k == 'c' ? 0 : expect ^ 0x80);
            c.limit[i] = static_cast<signed char>(k == 'c' ? 127 : k == '9' ? -119 : k == 'b' ? -112 : -128);
        }
        return c;
    }

    // Three overlapping chunks cover the 44 bytes of a line (at 0, 16, 28), or the 46 of a record (at 0, 16, 30).
    static const std::array<ChunkCheck, 4> kChecks;

    static const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }

    static BYTES16 Load128(const void* p)
    {
        BYTES16 v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }

    // All bits set where the 16 bytes at p + at do not fit.
    template <std::size_t C, std::size_t at> static BYTES16 ChunkMisfit(const unsigned char* p)
    {
        const ChunkCheck& check = kChecks[C];
        return (Load128(p + at) ^ Load128(check.flip.data())) > Load128(check.limit.data());
    }

    // Spelled out byte by byte so that the first byte is the lowest on any machine; compilers make one load of it.
    static std::uint64_t Load64(const unsigned char* p)
    {
        return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 | std::uint64_t{p[3]} << 24 |
               std::uint64_t{p[4]} << 32 | std::uint64_t{p[5]} << 40 | std::uint64_t{p[6]} << 48 |
               std::uint64_t{p[7]} << 56;
    }

    static std::uint16_t Load16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

    static std::uint32_t Load32(const unsigned char* p)
    {
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    }

    // Nonzero unless both number columns (one in each half) hold blanks, then digits: their
    // bytes are known to be blanks or '0' .. '?', the last a digit. A byte beyond '9' has a low
    // nibble over 9; a blank (bit 4 clear, unlike '0' .. '?') must not follow a digit.
    static std::uint64_t BadColumns(std::uint64_t columns)
    {
        const std::uint64_t overNine =
            ((columns & 0x0F0F0F0F0F0F0F0Full) + 0x0606060606060606ull) & 0x1010101010101010ull;
        const std::uint64_t blank = ~columns & 0x0010101000101010ull;
        return overNine | ((blank >> 8) & columns & 0x0000101000001010ull);
    }

    // Byte i of the result is 10 * digit i + digit i+1 of the bytes (a blank counts as 0).
    static std::uint64_t DigitPairs(std::uint64_t bytes)
    {
        const std::uint64_t d = bytes & 0x0F0F0F0F0F0F0F0Full;
        return d * 10 + (d >> 8);
    }

    static int PairAt(std::uint64_t pairs, int i) { return static_cast<int>((pairs >> (8 * i)) & 0xFF); }

    // The miss column in the low half, the hit column in the high half.
    static std::uint64_t ScoreColumns(const unsigned char* p)
    {
        return std::uint64_t{Load32(p + kMissAt)} | std::uint64_t{Load32(p + kHitAt)} << 32;
    }

    // 0 when the bytes at p fit.
    template <bool bRecord> static std::uint64_t Misfit(const unsigned char* p)
    {
        BYTES16 misfit = ChunkMisfit<0, 0>(p) | ChunkMisfit<1, 16>(p);
        if constexpr (bRecord)
            misfit |= ChunkMisfit<3, 30>(p);
        else
            misfit |= ChunkMisfit<2, 28>(p);
        std::uint64_t halves[2];
        std::memcpy(halves, &misfit, sizeof halves);
        return halves[0] | halves[1] | BadColumns(ScoreColumns(p));
    }
};

inline constexpr std::array<CRecordLayout::ChunkCheck, 4> CRecordLayout::kChecks = {
    MakeChunkCheck(0), MakeChunkCheck(16), MakeChunkCheck(28), MakeChunkCheck(30)};

inline void CRecordLayout::ReadDate(const char* line, int& nYear, int& nMonth, int& nDay)
{
    const unsigned char* p = Bytes(line);
    const std::uint64_t date = DigitPairs(Load64(p + kDateAt - 1)); // " YYYY-MM"
    nYear = PairAt(date, 1) * 100 + PairAt(date, 3);
    nMonth = PairAt(date, 6);
    nDay = PairAt(DigitPairs(Load32(p + kDateAt + 8)), 0);
}

inline void CRecordLayout::ReadTime(const char* line, int& nHour, int& nMinute, int& nSecond)
{
    const std::uint64_t time = DigitPairs(Load64(Bytes(line) + kTimeAt)); // "HH:MM:SS"
    nHour = PairAt(time, 0);
    nMinute = PairAt(time, 3);
    nSecond = PairAt(time, 6);
}

inline std::uint64_t CRecordLayout::RankedScore(const char* line)
{
    // In each half 10a + b in byte 0 and 10c + d in byte 2; one multiplication then leaves
    // 100 (10a + b) + 10c + d in the top 16 bits of each half, with no carry between them.
    const std::uint64_t pairs = DigitPairs(ScoreColumns(Bytes(line))) & 0x00FF00FF00FF00FFull;
    return ((pairs * (1 + (100 << 16)) >> 16) & 0x0000FFFF0000FFFFull) ^ 0xFFFF;
}

inline void CRecordLayout::ReadScore(const char* line, int& nHit, int& nMiss)
{
    const std::uint64_t score = RankedScore(line);
    nHit = static_cast<int>(score >> 32);
    nMiss = static_cast<int>(0xFFFF - (score & 0xFFFF));
}

inline CRecordLayout::DateBytes CRecordLayout::Date(const char* line)
{
    const unsigned char* p = Bytes(line);
    return {Load64(p + kDateAt), std::uint64_t{Load16(p + kDateAt + 8)}};
}

inline bool CRecordLayout::IsDate(const char* line, const DateBytes& date)
{
    const unsigned char* p = Bytes(line);
    return ((Load64(p + kDateAt) ^ date.nHead) | (Load16(p + kDateAt + 8) ^ date.nTail)) == 0;
}

// Reads lines as the C library's sscanf reads them with a format made of %c, %d,
// white space and literal characters (the record-line format of string 160).
class CLineScanner
{
public:
    explicit CLineScanner(std::string_view format);

    // The number of conversions made, as sscanf returns it (-1 when the input ends
    // before the first conversion). The %c and %d values fill out in order.
    int Scan(std::string_view line, ScannedLine& out) const;

    // The format is the record-line format, so that a line in CRecordLayout is read
    // by that layout alone.
    bool IsRecordFormat() const { return m_bCanonical; }

private:
    enum class EStep : unsigned char
    {
        SkipSpace, // any run of white space, also none
        Literal,   // this byte, exactly
        Char,      // %c: the next byte, whatever it is
        Int,       // %d: white space, a sign, decimal digits
        Stop,      // a directive this reader does not handle: the format ends here
    };
    struct ScanStep
    {
        EStep eKind = EStep::Stop;
        char cByte = 0;          // Literal
        bool bStore = true;      // Char, Int: false for an assignment-suppressed conversion (%*d)
        unsigned char nSlot = 0; // Int: which number of ScannedLine it fills, in field order
        int nWidth = -1;         // Int: most bytes read after the white space; -1 for no limit
    };

    static bool ScanCanonical(const char* line, ScannedLine& out);
    int ScanGeneral(std::string_view line, ScannedLine& out) const;

    std::string m_strFormat;
    std::vector<ScanStep> m_steps;
    bool m_bCanonical = false; // the format is the record-line format, so the fixed layout may be tried first
};
