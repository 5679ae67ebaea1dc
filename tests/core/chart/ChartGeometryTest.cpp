#include "core/chart/ChartGeometry.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

#include "core/chart/BarCursor.h"
#include "core/chart/ChartPicture.h"
#include "core/record/PeriodData.h"

TEST(ChartGeometry, BarCountAndWidth)
{
    EXPECT_EQ(GetBarCount(std::nullopt, 60, 50), 0);
    EXPECT_EQ(GetBarCount(Category::Alph, 60, 50), 50);
    EXPECT_EQ(GetBarCount(Category::Roma, 3, 50), 3);
    EXPECT_EQ(GetBarCount(Category::Alph, 60, 0), 0); // a stored limit of 0 draws nothing

    int cx = 0, space = 0;
    ASSERT_EQ(CalcChartWidth(3, 13, 8, 600, &cx, &space), 0);
    EXPECT_EQ(cx, 600); // 71 pixels widened to the window
    EXPECT_EQ(space, 140);
    ASSERT_EQ(CalcChartWidth(50, 13, 8, 600, &cx, &space), 0);
    EXPECT_EQ(cx, 1058);
    EXPECT_EQ(space, 8);
    EXPECT_EQ(CalcChartWidth(0, 13, 8, 600, &cx, &space), -1);
    EXPECT_EQ(CalcChartWidth(3, 13, 8, 600, nullptr, &space), -1);
}

TEST(ChartGeometry, ValueMappingAndGrid)
{
    // max 120, min 35, H = 200, cyChar 12: 5 → 12, 10 → 24, 20 → 47, 25 → 59 > 48.
    EXPECT_EQ(ChooseGridStep(200, 120, 35, 12), 25);
    EXPECT_EQ(GridValues(35, 120, 25), (std::vector<int>{50, 75, 100}));
    EXPECT_EQ(GridValues(50, 100, 25), (std::vector<int>{75, 100})); // min itself gets no line
    EXPECT_EQ(ChooseGridStep(10, 999, 0, 12), 50);
    EXPECT_EQ(ValueToY(120, 120, 35, 200), 10);
    EXPECT_EQ(ValueToY(35, 120, 35, 200), 210);
    EXPECT_EQ(ValueToY(77, 80, 80, 200), 9); // an empty range lands everything at 9

    // Damaged records: a span an int cannot hold keeps few grid lines and maps to the plot.
    for (const auto& [nMax, nMin] : {std::pair{2'000'000'000, 0}, std::pair{INT_MAX, INT_MIN}}) {
        const int nStep = ChooseGridStep(200, nMax, nMin, 12);
        EXPECT_LE(GridValues(nMin, nMax, nStep).size(), 5u) << nStep;
        EXPECT_EQ(ValueToY(nMax, nMax, nMin, 200), 10);
        EXPECT_EQ(ValueToY(nMin, nMax, nMin, 200), 210);
    }

    ChartGeometry g{1058, 300, 13, 8, 7, 12};
    EXPECT_EQ(g.BaseY(), 300 - 42);
    EXPECT_EQ(g.PlotHeight(), 300 - 42 - 15);
    EXPECT_EQ(g.LabelY(0), 282);
    EXPECT_EQ(g.LabelY(1), 264);
    EXPECT_EQ(g.BarLeft(0), 8);
    EXPECT_EQ(g.BarRight(0), 21);
    EXPECT_EQ(g.BarCenter(1), 8 + 6 + 21);
    EXPECT_TRUE(g.IsTallEnough());
    g.cy = 4 * 12 + 14;
    EXPECT_FALSE(g.IsTallEnough());
}

TEST(ChartGeometry, HitTest)
{
    // W 13, gap 8: bar 1 spans 29..41.
    EXPECT_EQ(HitTest(29, 0, 13, 8, 3), 1);
    EXPECT_EQ(HitTest(28, 0, 13, 8, 3), -1);
    EXPECT_EQ(HitTest(41, 0, 13, 8, 3), 1);
    EXPECT_EQ(HitTest(42, 0, 13, 8, 3), -1);
    EXPECT_EQ(HitTest(9, 20, 13, 8, 3), 1);     // scrolled
    EXPECT_EQ(HitTest(580, 0, 13, 140, 3), -1); // right of the last bar in a widened chart
    EXPECT_EQ(HitTest(5, 0, 0, 0, 3), -1);
}

TEST(ChartGeometry, DateLabels)
{
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    const CTime d30(2003, 12, 30, 0, 0, 0), d31(2003, 12, 31, 0, 0, 0), d1(2004, 1, 1, 0, 0, 0);
    EXPECT_EQ(FormatDateLabel(d30, d30, Scale::Daily), "12/30");
    EXPECT_EQ(FormatDateLabel(d31, d30, Scale::Daily), "12/31");
    EXPECT_EQ(FormatDateLabel(d1, d31, Scale::Daily), "04/1/1");
    EXPECT_EQ(FormatDateLabel(d1, d1, Scale::Weekly), "1/1-");
    EXPECT_EQ(FormatDateLabel(d1, d30, Scale::Weekly), "04/1/1-");
    EXPECT_EQ(FormatDateLabel(d1, d30, Scale::Monthly), "04/1");
    EXPECT_EQ(FormatDateLabel(d31, d30, Scale::Monthly), "12");
    EXPECT_EQ(LabelLeft(100, 7, 6), 79);
    EXPECT_EQ(LabelLeft(100, 7, 5), 82); // 17.5 rounds away from zero
}

TEST(ChartPicture, BarsRunOldestToNewestWithTheirLabels)
{
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    PERIODDATA p[3]; // newest first
    p[0].Date = CTime(2004, 1, 1, 0, 0, 0);
    p[0].nBest = 120, p[0].nWorst = 35, p[0].nAve = 80;
    p[1].Date = CTime(2003, 12, 31, 0, 0, 0);
    p[1].nBest = 100, p[1].nWorst = 100, p[1].nAve = 100, p[1].bNewBest = true;
    p[2].Date = CTime(2003, 12, 30, 0, 0, 0);
    p[2].nBest = 90, p[2].nWorst = 60, p[2].nAve = 70;

    const ChartGeometry g{600, 257, 13, 140, 7, 12}; // plot height 200
    ChartPicture pic;
    ASSERT_TRUE(BuildChartPicture(p, 3, g, Scale::Daily, pic));
    EXPECT_EQ(pic.nMax, 120);
    EXPECT_EQ(pic.nMin, 35);
    EXPECT_EQ(pic.nStep, 25);
    EXPECT_EQ(pic.gridX, (std::vector<int>{146, 452}));
    EXPECT_EQ(pic.tickX, (std::vector<int>{299}));
    EXPECT_EQ(pic.gridY.size(), 3u);
    ASSERT_EQ(pic.bars.size(), 3u);
    EXPECT_EQ(pic.bars[0].rect, (CRect{140, ValueToY(90, 120, 35, 200), 153, ValueToY(60, 120, 35, 200)}));
    EXPECT_EQ(pic.bars[1].rect.Height(), 0); // best equals worst
    EXPECT_TRUE(pic.bars[1].bNewBest);
    EXPECT_EQ(pic.bars[2].rect.top, 10);
    EXPECT_EQ(pic.line[2], (CPoint{452, ValueToY(80, 120, 35, 200)}));
    EXPECT_EQ(pic.labels[0].text, "12/30");
    EXPECT_EQ(pic.labels[2].text, "04/1/1");
    EXPECT_EQ(pic.labels[2].pt, (CPoint{452 - 21, 257 - 18}));
    EXPECT_EQ(pic.barDates[0], p[2].Date);

    PERIODDATA unfilled[1];
    unfilled[0].nBest = 0; // best 0 below the unfilled worst 999: no range
    EXPECT_FALSE(BuildChartPicture(unfilled, 1, g, Scale::Daily, pic));
}

TEST(ChartGeometry, BarCursorMovesByKeyAndStaysInView)
{
    // 50 bars of 13 with gaps of 8 (pitch 21), 1058 wide, seen through a window 200 wide.
    const ChartGeometry g{1058, 300, 13, 8, 7, 12};
    CBarCursor cursor;
    EXPECT_EQ(cursor.GetBar(), -1);
    EXPECT_FALSE(cursor.Move(BarKey::Previous, 200));
    cursor.SetChart(g, 50);
    EXPECT_EQ(cursor.GetBar(), 49); // a first chart: the newest bar
    EXPECT_FALSE(cursor.Move(BarKey::Next, 200));
    EXPECT_TRUE(cursor.Move(BarKey::Previous, 200));
    EXPECT_EQ(cursor.GetBar(), 48);
    EXPECT_TRUE(cursor.Move(BarKey::PagePrevious, 200)); // 200 / 21 = 9 bars a page
    EXPECT_EQ(cursor.GetBar(), 39);
    EXPECT_TRUE(cursor.Move(BarKey::Oldest, 200));
    EXPECT_EQ(cursor.GetBar(), 0);
    EXPECT_TRUE(cursor.Move(BarKey::PageNext, 5)); // a window narrower than a bar still steps
    EXPECT_EQ(cursor.GetBar(), 1);
    EXPECT_TRUE(cursor.Move(BarKey::Newest, 200));
    EXPECT_EQ(cursor.GetBar(), 49);

    // The frame reaches 3 pixels into the gaps and stays clear of the top line and the axis.
    EXPECT_EQ(cursor.BarRect(0, 0), (CRect{5, 7, 24, g.BaseY() - 2}));
    EXPECT_EQ(cursor.BarRect(0, 100), (CRect{-95, 7, -76, g.BaseY() - 2}));
    EXPECT_EQ(cursor.BarRect(50, 0), CRect{});
    // Scrolled as little as needed, and never beyond the chart.
    EXPECT_EQ(cursor.ScrollToShow(858, 200), 858);
    EXPECT_EQ(cursor.ScrollToShow(700, 200), 858);
    cursor.Move(BarKey::Oldest, 200);
    EXPECT_EQ(cursor.ScrollToShow(858, 200), 0);
    cursor.Move(BarKey::PageNext, 200); // bar 9 and its gaps: 189..218
    EXPECT_EQ(cursor.ScrollToShow(0, 200), 18);
    EXPECT_EQ(cursor.ScrollToShow(150, 200), 150);
    EXPECT_EQ(cursor.ScrollToShow(200, 200), 189);

    // A new chart keeps the bar where it still exists; one of fewer bars takes its newest.
    cursor.SetChart(g, 30);
    EXPECT_EQ(cursor.GetBar(), 9);
    cursor.SetChart(g, 5);
    EXPECT_EQ(cursor.GetBar(), 4);
    cursor.SetChart(g, 0);
    EXPECT_EQ(cursor.GetBar(), -1);
}
