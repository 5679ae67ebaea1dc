#include "record/LineScanner.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kRecordFormat = "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d";

// The line Vesk writes, one letter per byte: c the mark, 9 a digit, b a blank or a digit
// of a right-aligned number (blanks first); every other byte must be itself.
constexpr std::string_view kLayout = "c 9999-99-99  99:99:99   HIT:bbb9  MISS:bbb9";
constexpr std::size_t kHitAt = 29, kMissAt = 40;
constexpr int kRecordConversions = 9;
static_assert(kLayout.size() == 44 && kLayout.substr(kHitAt, 4) == "bbb9" && kLayout.substr(kMissAt, 4) == "bbb9");

// Sixteen bytes checked at once with the vector extension of GCC and Clang, which becomes
// SSE2 or NEON code, or plain code where there is neither.
using BYTES16 = unsigned char __attribute__((vector_size(16)));

// Each byte x of the line fits when x ^ expect <= limit, or when it is a blank and blankOk.
struct CHUNKCHECK
{
    std::array<unsigned char, 16> expect{}, limit{}, blankOk{};
};

// Three overlapping chunks cover the 44 bytes.
constexpr std::array<std::size_t, 3> kChunkAt = {0, 16, 28};
static_assert(kChunkAt.back() + 16 == kLayout.size());

constexpr CHUNKCHECK MakeChunkCheck(std::size_t at)
{
    CHUNKCHECK c;
    for (std::size_t i = 0; i < 16; ++i) {
        const char k = kLayout[at + i];
        if (k == 'c') {
            c.limit[i] = 0xFF; // the mark may be any byte but NUL, checked on its own
        } else if (k == '9' || k == 'b') {
            c.expect[i] = '0';
            c.limit[i] = 9;
            c.blankOk[i] = k == 'b' ? 0xFF : 0;
        } else {
            c.expect[i] = static_cast<unsigned char>(k);
        }
    }
    return c;
}
constexpr std::array<CHUNKCHECK, 3> kChunkChecks = {MakeChunkCheck(kChunkAt[0]), MakeChunkCheck(kChunkAt[1]),
                                                    MakeChunkCheck(kChunkAt[2])};

inline BYTES16 Load16(const unsigned char* p)
{
    BYTES16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// All bytes set where the chunk at kChunkAt[C] fits.
template <std::size_t C> inline BYTES16 ChunkFits(const unsigned char* p)
{
    const CHUNKCHECK& check = kChunkChecks[C];
    const BYTES16 x = Load16(p + kChunkAt[C]);
    const BYTES16 blank = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    return reinterpret_cast<BYTES16>((x ^ Load16(check.expect.data())) <= Load16(check.limit.data())) |
           (reinterpret_cast<BYTES16>(x == blank) & Load16(check.blankOk.data()));
}

// Spelled out byte by byte so that the first byte is the lowest on any machine; compilers make one load of it.
inline std::uint64_t Load64(const unsigned char* p)
{
    return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 | std::uint64_t{p[3]} << 24 |
           std::uint64_t{p[4]} << 32 | std::uint64_t{p[5]} << 40 | std::uint64_t{p[6]} << 48 |
           std::uint64_t{p[7]} << 56;
}

inline std::uint32_t Load32(const unsigned char* p)
{
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

// A number column whose bytes are each a blank or a digit, the last a digit, has its blanks
// first unless a blank (bit 4 clear, unlike '0'..'9') follows a digit. Nonzero then.
inline std::uint32_t BlankAfterDigit(std::uint32_t column)
{
    const std::uint32_t blank = ~column & 0x00101010u;
    return (blank >> 8) & column & 0x00001010u;
}

// Byte i of the result is 10 * digit i + digit i+1 of the bytes (a blank counts as 0).
inline std::uint64_t DigitPairs(std::uint64_t bytes)
{
    const std::uint64_t d = bytes & 0x0F0F0F0F0F0F0F0Full;
    return d * 10 + (d >> 8);
}

inline int PairAt(std::uint64_t pairs, int i)
{
    return static_cast<int>((pairs >> (8 * i)) & 0xFF);
}

// The C locale's white space, which is what sscanf skips in a program that never set a locale.
inline bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Running out of input before the first conversion is EOF, as in sscanf; after it, the count so far.
inline int InputEnded(int nDone)
{
    return nDone == 0 ? -1 : nDone;
}

// The int that glibc stores: strtol's value, held at the long range, cut to its low 32 bits.
// Such numbers are flagged so that no one has to rely on that value.
int Narrow(bool bNegative, std::uint64_t magnitude, bool bHuge, bool& bOverflow)
{
    const std::uint64_t intLimit = bNegative ? std::uint64_t{INT_MAX} + 1 : std::uint64_t{INT_MAX};
    if (bHuge || magnitude > intLimit)
        bOverflow = true;
    std::int64_t value;
    if (bNegative)
        value =
            bHuge || magnitude > std::uint64_t{INT64_MAX} + 1 ? INT64_MIN : static_cast<std::int64_t>(0 - magnitude);
    else
        value = bHuge || magnitude > std::uint64_t{INT64_MAX} ? INT64_MAX : static_cast<std::int64_t>(magnitude);
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

constexpr std::array<int SCANNEDLINE::*, 8> kNumberSlots = {
    &SCANNEDLINE::nYear,   &SCANNEDLINE::nMonth,  &SCANNEDLINE::nDay, &SCANNEDLINE::nHour,
    &SCANNEDLINE::nMinute, &SCANNEDLINE::nSecond, &SCANNEDLINE::nHit, &SCANNEDLINE::nMiss,
};

} // namespace

CLineScanner::CLineScanner(std::string_view format) : m_strFormat(format)
{
    // sscanf reads its format as a C string.
    format = format.substr(0, format.find('\0'));
    m_bCanonical = format == kRecordFormat;

    // Compiled once: each step is one thing sscanf does with the input.
    auto compile = [this, format] {
        bool bCharUsed = false;
        std::size_t nNumbers = 0;
        auto stop = [this] { m_steps.push_back({EStep::Stop}); };
        for (std::size_t i = 0; i < format.size(); ++i) {
            const char c = format[i];
            if (IsSpace(c)) {
                if (m_steps.empty() || m_steps.back().eKind != EStep::SkipSpace)
                    m_steps.push_back({EStep::SkipSpace});
                continue;
            }
            if (c != '%') {
                m_steps.push_back({EStep::Literal, c});
                continue;
            }
            if (++i == format.size())
                return stop();
            if (format[i] == '%') {
                // glibc skips white space before "%%" as before any conversion.
                m_steps.push_back({EStep::SkipSpace});
                m_steps.push_back({EStep::Literal, '%'});
                continue;
            }
            SCANSTEP step;
            if (format[i] == '*') {
                step.bStore = false;
                ++i;
            }
            long long nWidth = 0;
            for (; i < format.size() && IsDigit(format[i]); ++i)
                nWidth = std::min<long long>(nWidth * 10 + (format[i] - '0'), INT_MAX);
            if (i == format.size())
                return stop();
            if (nWidth > 0)
                step.nWidth = static_cast<int>(nWidth);
            if (format[i] == 'c') {
                // There is room for one byte; wider or further %c have nowhere to go.
                if (nWidth > 1 || (step.bStore && bCharUsed))
                    return stop();
                bCharUsed = bCharUsed || step.bStore;
                step.eKind = EStep::Char;
            } else if (format[i] == 'd') {
                if (step.bStore) {
                    if (nNumbers == kNumberSlots.size())
                        return stop();
                    step.nSlot = static_cast<unsigned char>(nNumbers++);
                }
                step.eKind = EStep::Int;
            } else {
                return stop();
            }
            m_steps.push_back(step);
        }
    };
    compile();
}

int CLineScanner::Scan(std::string_view line, SCANNEDLINE& out) const
{
    out.bOverflow = false;
    if (m_bCanonical && line.size() == kLayout.size() && ScanCanonical(line.data(), out))
        return kRecordConversions;
    return ScanGeneral(line, out);
}

// Reads a line of exactly the layout Vesk writes, or returns false and leaves out alone.
// For such a line every conversion succeeds and no number can overflow, so the result is
// the general reader's, found with a few vector and word operations instead of a walk
// through the bytes.
bool CLineScanner::ScanCanonical(const char* line, SCANNEDLINE& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(line);
    const BYTES16 fits = ChunkFits<0>(p) & ChunkFits<1>(p) & ChunkFits<2>(p);
    std::uint64_t halves[2];
    std::memcpy(halves, &fits, sizeof halves);
    const std::uint32_t hit = Load32(p + kHitAt), miss = Load32(p + kMissAt);
    // A NUL mark would end sscanf's input before anything was read.
    if ((halves[0] & halves[1]) != ~std::uint64_t{0} || p[0] == 0 ||
        (BlankAfterDigit(hit) | BlankAfterDigit(miss)) != 0)
        return false;

    const std::uint64_t date = DigitPairs(Load64(p + 1));     // " YYYY-MM"
    const std::uint64_t dayHour = DigitPairs(Load64(p + 10)); // "DD  HH:M"
    const std::uint64_t minSec = DigitPairs(Load64(p + 17));  // "MM:SS   "
    const std::uint64_t hitPairs = DigitPairs(hit), missPairs = DigitPairs(miss);
    out.cMark = line[0];
    out.nYear = PairAt(date, 1) * 100 + PairAt(date, 3);
    out.nMonth = PairAt(date, 6);
    out.nDay = PairAt(dayHour, 0);
    out.nHour = PairAt(dayHour, 4);
    out.nMinute = PairAt(minSec, 0);
    out.nSecond = PairAt(minSec, 3);
    out.nHit = PairAt(hitPairs, 0) * 100 + PairAt(hitPairs, 2);
    out.nMiss = PairAt(missPairs, 0) * 100 + PairAt(missPairs, 2);
    return true;
}

int CLineScanner::ScanGeneral(std::string_view line, SCANNEDLINE& out) const
{
    // sscanf sees a C string: a NUL byte ends the input.
    line = line.substr(0, line.find('\0'));
    const char* p = line.data();
    const char* const end = p + line.size();
    int nDone = 0;
    for (const SCANSTEP& step : m_steps) {
        switch (step.eKind) {
        case EStep::SkipSpace:
            while (p != end && IsSpace(*p))
                ++p;
            break;
        case EStep::Literal:
            if (p == end)
                return InputEnded(nDone);
            if (*p != step.cByte)
                return nDone;
            ++p;
            break;
        case EStep::Char:
            if (p == end)
                return InputEnded(nDone);
            if (step.bStore) {
                out.cMark = *p;
                ++nDone;
            }
            ++p;
            break;
        case EStep::Int: {
            while (p != end && IsSpace(*p))
                ++p;
            if (p == end)
                return InputEnded(nDone);
            // The width counts the sign; a lone sign is no number even at the end of the input.
            std::size_t nLeft = step.nWidth < 0 ? line.size() : static_cast<std::size_t>(step.nWidth);
            const bool bNegative = *p == '-';
            if (*p == '-' || *p == '+') {
                ++p;
                --nLeft;
            }
            const char* const digits = p;
            std::uint64_t magnitude = 0;
            bool bHuge = false;
            for (; nLeft != 0 && p != end && IsDigit(*p); ++p, --nLeft) {
                if (magnitude > (UINT64_MAX - 9) / 10)
                    bHuge = true;
                else
                    magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
            }
            if (p == digits)
                return nDone;
            if (step.bStore) {
                out.*kNumberSlots[step.nSlot] = Narrow(bNegative, magnitude, bHuge, out.bOverflow);
                ++nDone;
            }
            break;
        }
        case EStep::Stop: return nDone;
        }
    }
    return nDone;
}
