#include "core/prop/PrpRules.h"

#include <gtest/gtest.h>

namespace {
LOGFONT Font(int nHeight, int nWeight, bool bItalic, const char* pszFace = "IPAGothic")
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic ? 1 : 0;
    lf.SetFaceNameBytes(pszFace);
    return lf;
}

TEST(PrpRules, DigitsParseOnlyWhenTheyFormAnInt)
{
    EXPECT_EQ(ParseDigits("0"), 0);
    EXPECT_EQ(ParseDigits("0030"), 30);
    EXPECT_EQ(ParseDigits("2147483647"), 2147483647);
    EXPECT_EQ(ParseDigits("2147483648"), std::nullopt);
    EXPECT_EQ(ParseDigits("99999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseDigits(""), std::nullopt);
    EXPECT_EQ(ParseDigits("-3"), std::nullopt);
    EXPECT_EQ(ParseDigits("3 "), std::nullopt);
}

TEST(PrpRules, RangeMessageNamesBothBounds)
{
    EXPECT_EQ(IntRangeMessage(3, 999), "3 から 999 までの整数を入力してください。");
}

TEST(PrpRules, QuoteLimitCountsShiftJisBytes)
{
    EXPECT_TRUE(IsQuoteWithinLimit(""));
    EXPECT_TRUE(IsQuoteWithinLimit(">>>>>"));
    EXPECT_FALSE(IsQuoteWithinLimit(">>>>>>"));
    EXPECT_TRUE(IsQuoteWithinLimit("ｷﾛｸｷﾛ"));
    EXPECT_TRUE(IsQuoteWithinLimit("引用>"));
    EXPECT_FALSE(IsQuoteWithinLimit("引用>>"));
    EXPECT_FALSE(IsQuoteWithinLimit("引用符"));
}

TEST(PrpRules, FontInfoShowsPointsAndEveryStyle)
{
    EXPECT_EQ(FontInfoText(Font(-12, 400, false), 96), "9 : 標準");
    EXPECT_EQ(FontInfoText(Font(-16, 700, false), 96), "12 : 太字");
    EXPECT_EQ(FontInfoText(Font(-16, 400, true), 96), "12 : 斜体");
    EXPECT_EQ(FontInfoText(Font(-16, 700, true), 96), "12 : 太字 : 斜体");
    EXPECT_EQ(FontInfoText(Font(-15, 401, false), 96), "11 : 太字"); // 11.25 rounds down
    EXPECT_EQ(FontInfoText(Font(-25, 0, false), 120), "15 : 標準");
}

TEST(PrpRules, FontChoiceDiffersOnlyInWhatThePageShows)
{
    const LOGFONT lf = Font(-12, 400, false);
    LOGFONT other = lf;
    other.lfCharSet = 128;
    other.lfItalic = 0;
    EXPECT_FALSE(IsFontChoiceChanged(lf, other));
    EXPECT_TRUE(IsFontChoiceChanged(lf, Font(-13, 400, false)));
    EXPECT_TRUE(IsFontChoiceChanged(lf, Font(-12, 700, false)));
    EXPECT_TRUE(IsFontChoiceChanged(lf, Font(-12, 400, true)));
    EXPECT_TRUE(IsFontChoiceChanged(lf, Font(-12, 400, false, "ipagothic"))); // case counts
}

TEST(PrpRules, FontSizesAreHeldToSixToTwentyFivePoints)
{
    EXPECT_EQ(LimitFontPoints(Font(-12, 400, false), 96).lfHeight, -12);
    EXPECT_EQ(LimitFontPoints(Font(-4, 400, false), 96).lfHeight, -8); // 6 pt
    EXPECT_EQ(LimitFontPoints(Font(-8, 400, false), 96).lfHeight, -8);
    EXPECT_EQ(LimitFontPoints(Font(-33, 400, false), 96).lfHeight, -33); // 24.75 pt shows as 25
    EXPECT_EQ(LimitFontPoints(Font(-40, 400, false), 96).lfHeight, -33); // 25 pt
}

TEST(PrpRules, BoardFlagKeepsAtLeastOneRow)
{
    EXPECT_EQ(ChangeBoardFlag(0x1F, 1, false), 0x1D);
    EXPECT_EQ(ChangeBoardFlag(0x1D, 1, true), 0x1F);
    EXPECT_EQ(ChangeBoardFlag(0x1F, 4, false), 0x0F);
    EXPECT_EQ(ChangeBoardFlag(0x01, 0, false), 0x0F); // the last row brings all four back
    EXPECT_EQ(ChangeBoardFlag(0x11, 0, false), 0x1F); // and keeps the label bit
    EXPECT_EQ(ChangeBoardFlag(0x10, 4, false), 0x00); // the label box never touches the rows
    EXPECT_EQ(ChangeBoardFlag(0x1F, 5, false), 0x1F);
}
} // namespace
