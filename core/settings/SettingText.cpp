#include "core/settings/SettingText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace {
class CNumberScanner
{
public:
    explicit CNumberScanner(std::string_view text) : m_text(text) {}

    // One number, as a 64-bit magnitude with its sign applied; nothing when no digit follows.
    std::optional<std::int64_t> Next(bool bHex)
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
        bool bNegative = false;
        if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-'))
            bNegative = m_text[m_pos++] == '-';
        if (bHex && m_pos + 2 < m_text.size() && m_text[m_pos] == '0' &&
            (m_text[m_pos + 1] == 'x' || m_text[m_pos + 1] == 'X') &&
            std::isxdigit(static_cast<unsigned char>(m_text[m_pos + 2])))
            m_pos += 2;
        const int base = bHex ? 16 : 10;
        // Saturating keeps an overflowing number recognisably out of range.
        constexpr std::int64_t kLimit = std::int64_t{1} << 40;
        std::int64_t value = 0;
        std::size_t digits = 0;
        for (; m_pos < m_text.size(); ++m_pos, ++digits) {
            const int d = DigitValue(m_text[m_pos], base);
            if (d < 0)
                break;
            value = std::min(value * base + d, kLimit);
        }
        if (digits == 0)
            return std::nullopt;
        return bNegative ? -value : value;
    }

    bool Expect(char c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

private:
    static int DigitValue(char c, int base)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (base == 16 && c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

template <typename T> std::optional<std::vector<T>> ParseList(std::string_view text, std::size_t nCount, bool bHex)
{
    CNumberScanner scanner(text);
    std::vector<T> values;
    values.reserve(nCount);
    for (std::size_t i = 0; i < nCount; ++i) {
        if (i > 0 && !scanner.Expect(':'))
            return std::nullopt;
        const auto value = scanner.Next(bHex);
        if (!value)
            return std::nullopt;
        if (bHex) {
            // scanf's %x takes a sign and wraps it into the unsigned range.
            if (*value > std::int64_t{std::numeric_limits<std::uint32_t>::max()} ||
                *value < -std::int64_t{std::numeric_limits<std::uint32_t>::max()})
                return std::nullopt;
            values.push_back(static_cast<T>(static_cast<std::uint32_t>(*value)));
        } else {
            if (*value > std::numeric_limits<std::int32_t>::max() || *value < std::numeric_limits<std::int32_t>::min())
                return std::nullopt;
            values.push_back(static_cast<T>(*value));
        }
    }
    return values;
}

template <typename T> std::string FormatList(const std::vector<T>& values, const char* format)
{
    std::string out;
    char buffer[16];
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ':';
        std::snprintf(buffer, sizeof buffer, format, values[i]);
        out += buffer;
    }
    return out;
}
} // namespace

std::optional<std::vector<std::int32_t>> ParseDecimalList(std::string_view text, std::size_t nCount)
{
    return ParseList<std::int32_t>(text, nCount, false);
}

std::optional<std::vector<std::uint32_t>> ParseHexList(std::string_view text, std::size_t nCount)
{
    return ParseList<std::uint32_t>(text, nCount, true);
}

std::string FormatDecimalList(const std::vector<std::int32_t>& values)
{
    return FormatList(values, "%d");
}

std::string FormatHexList(const std::vector<std::uint32_t>& values)
{
    return FormatList(values, "%x");
}
