#pragma once
#include <string>
#include <string_view>

class CAppSetting;

// Bar sizes as the chart draws them. The stored values stay as they are; a
// hand-edited store must neither crash the chart nor make it allocate without
// bound, so each is held to the range the chart page offers (a count of 0,
// which simply shows no chart, is kept).
struct ChartScales
{
    int nBarWidth;
    int nBarSpace;
    int nBarCount;
    int nLineWidth;
};
ChartScales GetUsableChartScales(const CAppSetting& setting);

// Bytes the text takes in code page 932: one for ASCII and half-width katakana, two otherwise.
std::size_t Cp932Length(std::string_view utf8);

// The longest start of the text that takes at most nMaxBytes in code page 932, never cut
// inside a character.
std::string_view Cp932Prefix(std::string_view utf8, std::size_t nMaxBytes);

// The quote prefix as copied text uses it: at most the code-page-932 bytes the
// board page accepts, never cut inside a character.
std::string GetUsableQuotePrefix(const CAppSetting& setting);
