#include "core/record/LineScanner.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::string_view kRecordFormat = "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d";

constexpr int kRecordConversions = 9;

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

constexpr std::array<int ScannedLine::*, 8> kNumberSlots = {
    &ScannedLine::nYear,   &ScannedLine::nMonth,  &ScannedLine::nDay, &ScannedLine::nHour,
    &ScannedLine::nMinute, &ScannedLine::nSecond, &ScannedLine::nHit, &ScannedLine::nMiss,
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
            ScanStep step;
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

int CLineScanner::Scan(std::string_view line, ScannedLine& out) const
{
    out.bOverflow = false;
    if (m_bCanonical && line.size() == CRecordLayout::kLineBytes && ScanCanonical(line.data(), out))
        return kRecordConversions;
    return ScanGeneral(line, out);
}

// A line of exactly the layout Vesk writes, or false with out left alone.
bool CLineScanner::ScanCanonical(const char* line, ScannedLine& out)
{
    // A NUL mark would end sscanf's input before anything was read.
    if (line[0] == 0 || !CRecordLayout::FitsLine(line))
        return false;
    out.cMark = line[0];
    CRecordLayout::ReadDate(line, out.nYear, out.nMonth, out.nDay);
    CRecordLayout::ReadTime(line, out.nHour, out.nMinute, out.nSecond);
    CRecordLayout::ReadScore(line, out.nHit, out.nMiss);
    return true;
}

int CLineScanner::ScanGeneral(std::string_view line, ScannedLine& out) const
{
    // sscanf sees a C string: a NUL byte ends the input.
    line = line.substr(0, line.find('\0'));
    const char* p = line.data();
    const char* const end = p + line.size();
    int nDone = 0;
    for (const ScanStep& step : m_steps) {
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
