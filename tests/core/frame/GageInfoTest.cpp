#include "core/frame/GageInfo.h"

#include <climits>
#include <gtest/gtest.h>

namespace {
// A chart 400 pixels high in a font 7 x 16: the scale spans 400 - 15 - 56 = 329 pixels.
GAGEINFO Gage(int nMin, int nMax, int nStep)
{
    GAGEINFO info;
    info.nCategory = Category::Alph;
    info.nMin = nMin;
    info.nMax = nMax;
    info.nStep = nStep;
    info.sizeChart = {500, 400};
    info.sizeChar = {7, 16};
    return info;
}

std::vector<int> Values(const std::vector<GageTick>& ticks, bool bLabelled)
{
    std::vector<int> out;
    for (const auto& t : ticks)
        if (!t.strLabel.empty() == bLabelled)
            out.push_back(t.nValue);
    return out;
}

constexpr int kEdge = 2;
} // namespace

TEST(GageInfo, ValidOnlyWithACategorySizesAndARange)
{
    EXPECT_TRUE(Gage(0, 100, 20).IsValid());
    EXPECT_FALSE(GAGEINFO{}.IsValid());
    EXPECT_FALSE(Gage(50, 50, 20).IsValid());
    GAGEINFO info = Gage(0, 100, 20);
    info.sizeChart = {0, 400}; // only both zero counts as no chart
    EXPECT_TRUE(info.IsValid());
    info.sizeChar = {0, 0};
    EXPECT_FALSE(info.IsValid());
}

TEST(GageInfo, ValueToYMapsTheRangeOntoTheChartAndRoundsHalvesAway)
{
    const GAGEINFO info = Gage(0, 100, 20);
    EXPECT_EQ(info.ValueToY(100, kEdge), 12);
    EXPECT_EQ(info.ValueToY(0, kEdge), 341);
    EXPECT_EQ(info.ValueToY(50, kEdge), 177); // 164.5 rounds up
    EXPECT_EQ(info.ValueToY(101, kEdge), 0);
    EXPECT_EQ(info.ValueToY(-1, kEdge), 0);

    GAGEINFO low = info;
    low.sizeChart.cy = 50;                 // the scale spans -21 pixels
    EXPECT_EQ(low.ValueToY(50, kEdge), 1); // -10.5 rounds to -11
    low.sizeChar.cy = 15;                  // 52.5 rounds to 53
    EXPECT_EQ(low.ValueToY(0, kEdge), 2 - 18 + 10);

    GAGEINFO invalid = info;
    invalid.nCategory = std::nullopt;
    EXPECT_EQ(invalid.ValueToY(50, kEdge), 0);

    // A range wider than an int holds is still mapped without overflowing.
    const GAGEINFO wide = Gage(INT_MIN, INT_MAX, 20);
    EXPECT_EQ(wide.ValueToY(INT_MAX, kEdge), 12);
    EXPECT_EQ(wide.ValueToY(INT_MIN, kEdge), 341);
    EXPECT_EQ(wide.ValueToY(0, kEdge), 176);
}

TEST(GageInfo, BarIsFiveCharactersWideOrTenBeforeTheFontIsMeasured)
{
    GAGEINFO info = Gage(0, 100, 20);
    EXPECT_EQ(GageBarWidth(info), 35);
    info.sizeChar = {0, 16};
    EXPECT_EQ(GageBarWidth(info), 10);
    EXPECT_EQ(GageBarWidth(GAGEINFO{}), 10);
}

TEST(GageInfo, LabelledTicksAtStepsAndSmallTicksAtFifths)
{
    const auto ticks = GageTicks(Gage(0, 100, 20), kEdge, 35, true);
    EXPECT_EQ(Values(ticks, true), (std::vector<int>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(Values(ticks, false),
              (std::vector<int>{4, 8, 12, 16, 24, 28, 32, 36, 44, 48, 52, 56, 64, 68, 72, 76, 84, 88, 92, 96}));

    const auto quarters = GageTicks(Gage(0, 100, 25), kEdge, 35, true);
    EXPECT_EQ(Values(quarters, true), (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(Values(quarters, false),
              (std::vector<int>{5, 10, 15, 20, 30, 35, 40, 45, 55, 60, 65, 70, 80, 85, 90, 95}));

    // Negative values that divide evenly are multiples too.
    const auto signedTicks = GageTicks(Gage(-10, 10, 5), kEdge, 35, true);
    EXPECT_EQ(Values(signedTicks, true), (std::vector<int>{-10, -5, 0, 5, 10}));
    EXPECT_EQ(Values(signedTicks, false).size(), 16u);

    // A step below 5 has no fifths: labelled ticks only.
    const auto threes = GageTicks(Gage(0, 10, 3), kEdge, 35, true);
    EXPECT_EQ(Values(threes, true), (std::vector<int>{0, 3, 6, 9}));
    EXPECT_TRUE(Values(threes, false).empty());
}

TEST(GageInfo, TicksAndLabelsOnTheEdgeFacingTheChart)
{
    const GAGEINFO info = Gage(0, 100, 20);
    const int y100 = info.ValueToY(100, kEdge);
    const int y4 = info.ValueToY(4, kEdge);

    const auto right = GageTicks(info, kEdge, 35, true);
    EXPECT_EQ(right.back(), (GageTick{100, 2, {0, y100}, {5, y100}, "100", {10, y100 - 8}}));
    EXPECT_EQ(right[1], (GageTick{4, 1, {0, y4}, {3, y4}, "", {}}));

    const int W = 35;
    const auto left = GageTicks(info, kEdge, W, false);
    EXPECT_EQ(left.back(), (GageTick{100, 2, {W - 5, y100}, {W, y100}, "100", {W - 31, y100 - 8}}));
    EXPECT_EQ(left.front().ptLabel.x, W - 17); // "0": one character
    EXPECT_EQ(left[1], (GageTick{4, 1, {W - 3, y4}, {W, y4}, "", {}}));

    GAGEINFO odd = Gage(-10, 10, 5);
    odd.sizeChar.cy = 15; // half a character height rounds toward zero
    const auto minus = GageTicks(odd, kEdge, W, false);
    EXPECT_EQ(minus[5].strLabel, "-5");
    EXPECT_EQ(minus[5].ptLabel, (CPoint{W - 24, odd.ValueToY(-5, kEdge) - 7}));
}

TEST(GageInfo, NoTicksForParametersThatCannotBeDrawn)
{
    GAGEINFO info = Gage(0, 100, 20);
    info.nCategory = std::nullopt;
    EXPECT_TRUE(GageTicks(info, kEdge, 35, true).empty());
    EXPECT_TRUE(GageTicks(Gage(0, 100, 0), kEdge, 35, true).empty());
    EXPECT_TRUE(GageTicks(Gage(0, 100, -20), kEdge, 35, true).empty());
    EXPECT_TRUE(GageTicks(Gage(100, 0, 20), kEdge, 35, true).empty());

    // At most kMaxGageSpan values are walked; a damaged record's range draws nothing.
    EXPECT_EQ(GageTicks(Gage(0, kMaxGageSpan, 50), kEdge, 35, true).size(), 1001u);
    EXPECT_TRUE(GageTicks(Gage(0, kMaxGageSpan + 1, 50), kEdge, 35, true).empty());
    EXPECT_TRUE(GageTicks(Gage(INT_MIN, INT_MAX, 5), kEdge, 35, true).empty());

    // The walk ends at nMax even at the top of the int range.
    const auto top = GageTicks(Gage(INT_MAX - 10, INT_MAX, 5), kEdge, 35, true);
    EXPECT_EQ(Values(top, true), (std::vector<int>{INT_MAX - 7, INT_MAX - 2}));
    EXPECT_EQ(top.size(), 11u);
}
