#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "core/settings/NamedColor.h"

namespace {
std::string NameOf(COLORREF cr)
{
    std::string str = "left over from before";
    GetColorName(cr, str);
    return str;
}
} // namespace

TEST(NamedColor, LookupGivesFirstNameOrComponents)
{
    const struct
    {
        COLORREF cr;
        const char* pszName;
    } cases[] = {
        {0xFFFF00, "aqua(cyan)"},
        {0xFF00FF, "fuchsia"}, // magenta holds the same value further down
        {0xD3D3D3, "lightgrey"},
        {0x808080, "gray"},
        {0xFFF8F0, "aliceblue"},
        {0x000000, "black"},
        {0xFF0000, "blue"},
        {0x00008B, "darkred"},
        {0x0000FF, "red"},
        {0x32CD9A, "yellowgreen"},
        {RGB(1, 2, 3), "RGB(1,2,3)"},
        {RGB(255, 254, 253), "RGB(255,254,253)"},
        // A nonzero high byte never matches, even when the low bytes would.
        {0x01000000, "RGB(0,0,0)"},
        {0xFF0000FF, "RGB(255,0,0)"},
        {0x02FFFFFF, "RGB(255,255,255)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameOf(c.cr), c.pszName) << std::hex << "colour 0x" << c.cr;
}

TEST(NamedColor, EveryRowButMagentaIsFoundByItsOwnValue)
{
    // Catches a mistyped value that duplicates an earlier row.
    for (const NAMEDCOLOR& nc : g_NamedColors) {
        const std::string_view expected = nc.strName == "magenta" ? "fuchsia" : nc.strName;
        EXPECT_EQ(NameOf(nc.crColor), expected);
        EXPECT_EQ(nc.crColor & 0xFF000000u, 0u) << nc.strName;
    }
}

TEST(NamedColor, TableIsSortedLowerCaseAndSkipsGreySpellings)
{
    ASSERT_EQ(g_NamedColors.size(), 139u);
    EXPECT_EQ(g_NamedColors.front().strName, "aliceblue");
    EXPECT_EQ(g_NamedColors[2].strName, "aqua(cyan)");
    EXPECT_EQ(g_NamedColors.back().strName, "yellowgreen");

    for (std::size_t i = 1; i < g_NamedColors.size(); ++i)
        EXPECT_LT(g_NamedColors[i - 1].strName, g_NamedColors[i].strName) << "row " << i;

    for (const NAMEDCOLOR& nc : g_NamedColors) {
        EXPECT_FALSE(nc.strName.empty());
        for (char ch : nc.strName)
            EXPECT_TRUE((ch >= 'a' && ch <= 'z') || ch == '(' || ch == ')') << nc.strName;
    }

    for (std::string_view absent :
         {"darkgrey", "darkslategrey", "dimgrey", "grey", "lightgray", "lightslategrey", "slategrey", "aqua", "cyan"}) {
        EXPECT_TRUE(std::none_of(g_NamedColors.begin(), g_NamedColors.end(), [&](const NAMEDCOLOR& nc) {
            return nc.strName == absent;
        })) << absent;
    }
}
