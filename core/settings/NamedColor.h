#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/base/ColorRef.h"

struct NAMEDCOLOR
{
    std::string_view strName; // lower-case ASCII
    COLORREF crColor;
};

// The named colours shown in colour-button tooltips, in ascending name order.
extern const std::array<NAMEDCOLOR, 139> g_NamedColors;

// Name of the first row holding cr, else "RGB(r,g,b)" in decimal.
void GetColorName(COLORREF cr, std::string& strOut);
