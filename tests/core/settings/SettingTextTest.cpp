#include "core/settings/SettingText.h"

#include <gtest/gtest.h>

using Ints = std::vector<std::int32_t>;
using Hexes = std::vector<std::uint32_t>;

TEST(SettingText, DecimalListsReadAsScanfWould)
{
    EXPECT_EQ(ParseDecimalList("1:2:3", 3), (Ints{1, 2, 3}));
    EXPECT_EQ(ParseDecimalList("  -1:\t+2: 3", 3), (Ints{-1, 2, 3}));
    EXPECT_EQ(ParseDecimalList("1:2:3:4", 3), (Ints{1, 2, 3}));
    EXPECT_EQ(ParseDecimalList("1:2:3abc", 3), (Ints{1, 2, 3}));
    EXPECT_EQ(ParseDecimalList("2147483647:-2147483648", 2), (Ints{2147483647, -2147483648}));
    EXPECT_FALSE(ParseDecimalList("1:2", 3));
    EXPECT_FALSE(ParseDecimalList("1 :2:3", 3));
    EXPECT_FALSE(ParseDecimalList("1::3", 3));
    EXPECT_FALSE(ParseDecimalList("1:-:3", 3));
    EXPECT_FALSE(ParseDecimalList("", 1));
    EXPECT_FALSE(ParseDecimalList("0x10", 2));
    // An int that overflows is not a number this program can use.
    EXPECT_FALSE(ParseDecimalList("2147483648:0", 2));
    EXPECT_FALSE(ParseDecimalList("99999999999999999999999:0", 2));
}

TEST(SettingText, HexListsTakeEitherCaseAndAPrefix)
{
    EXPECT_EQ(ParseHexList("0:ffffff:FF0000:0000ff", 4), (Hexes{0, 0xFFFFFF, 0xFF0000, 0xFF}));
    EXPECT_EQ(ParseHexList("0x1A:0XbC", 2), (Hexes{0x1A, 0xBC}));
    EXPECT_EQ(ParseHexList("-1", 1), (Hexes{0xFFFFFFFF}));
    EXPECT_EQ(ParseHexList("ffffffff", 1), (Hexes{0xFFFFFFFF}));
    EXPECT_FALSE(ParseHexList("100000000", 1));
    EXPECT_FALSE(ParseHexList("g:1", 2));
    EXPECT_FALSE(ParseHexList("0x:1", 2)); // "0" is read, then "x" is not the colon
}

TEST(SettingText, FormatsWithoutPaddingInLowerCase)
{
    EXPECT_EQ(FormatDecimalList({13, -8, 0}), "13:-8:0");
    EXPECT_EQ(FormatHexList({0, 0xFFFFFF, 0xFF, 0xABCDEF}), "0:ffffff:ff:abcdef");
    EXPECT_EQ(FormatHexList({}), "");
    EXPECT_EQ(FormatDecimalList({INT32_MIN, INT32_MAX}), "-2147483648:2147483647");
    EXPECT_EQ(FormatHexList({0xFFFFFFFF}), "ffffffff");
}
