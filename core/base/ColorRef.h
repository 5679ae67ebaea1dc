#pragma once
#include <cstdint>

// 0x00BBGGRR: red in the low byte, as stored in the settings.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned GetRValue(COLORREF cr)
{
    return cr & 0xFFu;
}
constexpr unsigned GetGValue(COLORREF cr)
{
    return (cr >> 8) & 0xFFu;
}
constexpr unsigned GetBValue(COLORREF cr)
{
    return (cr >> 16) & 0xFFu;
}
