#include "core/settings/UsableSettings.h"

#include <algorithm>

#include "core/settings/AppSetting.h"
#include "core/settings/SettingTable.h"

namespace {
// Length of the UTF-8 sequence starting with lead byte b (1 for stray bytes).
std::size_t SequenceLength(unsigned char b)
{
    if (b >= 0xF0)
        return 4;
    if (b >= 0xE0)
        return 3;
    if (b >= 0xC0)
        return 2;
    return 1;
}

std::size_t Cp932Width(std::string_view seq)
{
    if (seq.size() == 1)
        return 1;
    // Half-width katakana U+FF61..U+FF9F: EF BD A1..BF and EF BE 80..9F.
    const auto b0 = static_cast<unsigned char>(seq[0]);
    const auto b1 = seq.size() > 1 ? static_cast<unsigned char>(seq[1]) : 0;
    const auto b2 = seq.size() > 2 ? static_cast<unsigned char>(seq[2]) : 0;
    if (seq.size() == 3 && b0 == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F)))
        return 1;
    return 2;
}

template <typename Visit> void ForEachCharacter(std::string_view utf8, Visit visit)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        if (!visit(i, utf8.substr(i, n)))
            return;
        i += n;
    }
}

int Usable(int nValue, IntRange range)
{
    return std::clamp(nValue, range.nMin, range.nMax);
}
} // namespace

ChartScales GetUsableChartScales(const CAppSetting& setting)
{
    // A count below the page's least, down to 0, only shows fewer bars.
    return {Usable(setting.m_nBarWidth, kBarWidthSetting.range), Usable(setting.m_nBarSpace, kBarSpaceSetting.range),
            Usable(setting.m_nBarCount, {0, kBarCountSetting.range.nMax}),
            Usable(setting.m_nLineWidth, kLineWidthSetting.range)};
}

std::size_t Cp932Length(std::string_view utf8)
{
    std::size_t total = 0;
    ForEachCharacter(utf8, [&](std::size_t, std::string_view seq) {
        total += Cp932Width(seq);
        return true;
    });
    return total;
}

std::string_view Cp932Prefix(std::string_view utf8, std::size_t nMaxBytes)
{
    std::size_t bytes = 0;
    std::size_t end = 0;
    ForEachCharacter(utf8, [&](std::size_t pos, std::string_view seq) {
        bytes += Cp932Width(seq);
        if (bytes > nMaxBytes)
            return false;
        end = pos + seq.size();
        return true;
    });
    return utf8.substr(0, end);
}

std::string GetUsableQuotePrefix(const CAppSetting& setting)
{
    return std::string(Cp932Prefix(setting.m_strRefStr, kMaxQuoteBytes));
}
