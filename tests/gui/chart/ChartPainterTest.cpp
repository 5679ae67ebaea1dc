#include "gui/chart/ChartPainter.h"

#include <QColor>
#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

#include "core/record/PeriodData.h"
#include "core/record/RecordBook.h"
#include "core/settings/AppSetting.h"
#include "tests/support/RecordLines.h"

namespace {
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const CHARTCOLOR kColors = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 255), RGB(255, 0, 0)};

QFont TestFont()
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    return font;
}

// An empty 200 x 200 picture with W 13 and gap 8; cyChar 12 puts the axis at y 158.
ChartPicture Picture()
{
    ChartPicture picture;
    picture.geometry = {200, 200, 13, 8, 7, 12};
    return picture;
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Pixels of column x from y0 to y1 (or of row y, transposed) that carry the colour.
int CountInColumn(const QImage& image, int x, int y0, int y1, const QColor& color, bool bRow = false)
{
    int n = 0;
    for (int i = y0; i <= y1; ++i)
        n += (bRow ? At(image, i, x) : At(image, x, i)) == color ? 1 : 0;
    return n;
}
int CountInRow(const QImage& image, int y, int x0, int x1, const QColor& color)
{
    return CountInColumn(image, y, x0, x1, color, true);
}
} // namespace

TEST(ChartPainter, BackgroundAxesGridAndTicks)
{
    ChartPicture picture = Picture();
    picture.gridX = {20};
    picture.tickX = {40};
    picture.gridY = {100};
    const QImage image = RenderChartImage(picture, kColors, 2, TestFont());
    ASSERT_EQ(image.size(), QSize(200, 200));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);

    EXPECT_EQ(At(image, 199, 199), kWhite);
    // Top line and axis, two pixels each, across the whole width; an odd column misses the grid's dots.
    EXPECT_EQ(CountInRow(image, 5, 0, 199, kBlack), 200);
    EXPECT_EQ(CountInRow(image, 158, 0, 199, kBlack), 200);
    EXPECT_EQ(CountInColumn(image, 61, 0, 199, kBlack), 4);
    // The tick runs from the axis towards y_b + 3, its end point excluded, and no higher.
    EXPECT_EQ(At(image, 40, 160), kBlack);
    EXPECT_EQ(At(image, 40, 161), kWhite);
    EXPECT_EQ(At(image, 40, 120), kWhite);
    // Dotted grid lines: every other pixel, the vertical one from the axis up to the top line.
    EXPECT_EQ(CountInColumn(image, 20, 110, 149, kBlack), 20);
    EXPECT_EQ(At(image, 20, 170), kWhite);
    EXPECT_EQ(CountInRow(image, 100, 0, 199, kBlack), 100);
}

TEST(ChartPainter, BarsCoverTheGridAndTheLineCoversTheBars)
{
    ChartPicture picture = Picture();
    picture.gridY = {80};
    picture.bars = {{{30, 50, 43, 120}, false}};
    picture.line = {{10, 100}, {150, 100}};
    const QImage image = RenderChartImage(picture, kColors, 3, TestFont());

    EXPECT_EQ(At(image, 36, 80), kBlue); // the grid line runs under the bar
    EXPECT_EQ(At(image, 36, 100), kRed);
    EXPECT_EQ(CountInColumn(image, 120, 90, 110, kRed), 3);
    // left..right-1 by top..bottom-1, without outline.
    EXPECT_EQ(CountInRow(image, 60, 25, 50, kBlue), 13);
    EXPECT_EQ(At(image, 30, 60), kBlue);
    EXPECT_EQ(CountInColumn(image, 36, 40, 130, kBlue), 70 - 3);
    EXPECT_EQ(At(image, 36, 50), kBlue);
    EXPECT_EQ(At(image, 36, 120), kWhite);
}

TEST(ChartPainter, ZeroHeightBarsVanishUnlessTheyAreNewBests)
{
    ChartPicture picture = Picture();
    picture.bars = {{{30, 90, 43, 90}, false}, {{60, 90, 73, 90}, true}};
    picture.line = {{36, 90}}; // one point alone draws nothing
    const QImage image = RenderChartImage(picture, kColors, 10, TestFont());

    EXPECT_EQ(CountInColumn(image, 36, 80, 100, kWhite), 21);
    // The outline alone: 3 pixels high, reaching one pixel beyond the bar on either side.
    EXPECT_EQ(CountInColumn(image, 66, 80, 100, kBlue), 3);
    EXPECT_EQ(At(image, 66, 89), kBlue);
    EXPECT_EQ(CountInRow(image, 90, 50, 80, kBlue), 16);
    EXPECT_EQ(At(image, 59, 90), kBlue);
    EXPECT_EQ(At(image, 74, 90), kBlue);
}

TEST(ChartPainter, NewBestBarsHaveALighterFillAndAThreePixelOutline)
{
    ChartPicture picture = Picture();
    picture.bars = {{{30, 50, 43, 120}, true}};
    CHARTCOLOR colors = kColors;
    colors.crBar = RGB(200, 30, 250);
    const QImage image = RenderChartImage(picture, colors, 2, TestFont());

    const QColor bar(200, 30, 250);
    const QColor light(255, 110, 255); // each component + 80, at most 255
    EXPECT_EQ(At(image, 36, 80), light);
    EXPECT_EQ(CountInRow(image, 80, 25, 50, bar), 6);
    EXPECT_EQ(At(image, 29, 80), bar);
    EXPECT_EQ(At(image, 32, 80), light);
    EXPECT_EQ(CountInColumn(image, 36, 45, 125, bar), 6);
    EXPECT_EQ(At(image, 36, 121), bar);

    // A white bar: the light colour is white too, so only the outline tells it apart.
    colors = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0)};
    const QImage white = RenderChartImage(picture, colors, 2, TestFont());
    EXPECT_EQ(At(white, 36, 80), kWhite);
    EXPECT_EQ(At(white, 30, 80), kWhite);
    EXPECT_EQ(At(white, 28, 80), kBlack);
}

TEST(ChartPainter, LabelsAreWrittenInTheAxisColourFromTheirTopLeft)
{
    ChartPicture picture = Picture();
    picture.labels = {{"12/30", {20, 170}}};
    CHARTCOLOR colors = kColors;
    colors.crAxis = RGB(0, 255, 0);
    const QImage image = RenderChartImage(picture, colors, 2, TestFont());

    // Antialiased glyphs blend green into white: green stays full, red and blue fall together.
    int nInside = 0, nOutside = 0, nStrong = 0;
    for (int y = 160; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const QColor c = At(image, x, y);
            if (c == kWhite)
                continue;
            ++(x >= 20 && x < 80 && y >= 170 && y < 186 ? nInside : nOutside);
            EXPECT_TRUE(c.green() == 255 && c.red() == c.blue()) << x << "," << y;
            nStrong += c.red() < 128 ? 1 : 0;
        }
    EXPECT_GT(nInside, 20);
    EXPECT_GT(nStrong, 10);
    EXPECT_EQ(nOutside, 0);
}

namespace {
// Two runs a day from 2003-05-01, a better and a worse one, varying from day to day.
class RenderChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
        m_setting.m_ChartColor.fill(kColors);
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.SetFaceNameBytes("IPAGothic");
        m_setting.m_pChartFont = std::make_unique<LOGFONT>(lf);
    }

    void AddDays(int nDays)
    {
        for (int i = 0; i < nDays; ++i) {
            int y, m, d;
            CivilFromDays(DaysFromCivil(2003, 5, 1) + i, y, m, d);
            ASSERT_EQ(m_book.ParseLine(RecordLine('A', y, m, d, 150 + (i * 37) % 100, 3)), 0);
            ASSERT_EQ(m_book.ParseLine(RecordLine('A', y, m, d, 100 + (i * 13) % 40, 9, 13)), 0);
        }
    }

    // The whole chart drawn at once.
    static QImage Whole(const ChartLayout& chart)
    {
        return RenderChartSpan(chart.picture, chart.style, {0, chart.Size().width()}, 1);
    }

    // y of the newest period's best and worst on the chart drawn with g.
    std::pair<int, int> NewestBarY(const ChartLayout& chart, const ChartGeometry& g) const
    {
        PERIODDATA p;
        EXPECT_EQ(m_book.FillPeriods(&p, 1, Category::Alph, Scale::Daily), 0);
        const GAGEINFO& info = chart.gageInfo;
        return {ValueToY(p.nBest, info.nMax, info.nMin, g.PlotHeight()),
                ValueToY(p.nWorst, info.nMax, info.nMin, g.PlotHeight())};
    }

    CAppSetting m_setting;
    CRecordBook m_book;
};
} // namespace

TEST_F(RenderChartTest, BarsSpreadOverAWideWindow)
{
    AddDays(3);
    const ChartLayout chart = LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(600, 300));
    ASSERT_EQ(chart.eResult, ChartLayout::kDone);
    const QImage image = Whole(chart);
    EXPECT_EQ(image.size(), QSize(600, 300));
    EXPECT_EQ(chart.nBars, 3);
    EXPECT_EQ(chart.picture.geometry.nSpace, 140);
    EXPECT_EQ(chart.barDates,
              (std::vector<CTime>{CTime(2003, 5, 1, 0, 0, 0), CTime(2003, 5, 2, 0, 0, 0), CTime(2003, 5, 3, 0, 0, 0)}));
    const GAGEINFO& info = chart.gageInfo;
    EXPECT_EQ(info.nCategory, Category::Alph);
    EXPECT_EQ(info.nMax, 224);
    EXPECT_EQ(info.nMin, 100);
    EXPECT_EQ(info.sizeChart, (CSize{600, 300}));
    EXPECT_EQ(info.sizeChar.cy, QFontMetrics(ChartFont(m_setting)).height());

    // The newest bar is a new best (224 beats 187): light inside its outline. Sampled in its
    // upper part, clear of the average line through its middle.
    const ChartGeometry g{600, 300, 13, 140, info.sizeChar.cx, info.sizeChar.cy};
    const auto [yBest, yWorst] = NewestBarY(chart, g);
    ASSERT_GT(yWorst - yBest, 40);
    const int y = yBest + (yWorst - yBest) / 4;
    EXPECT_EQ(At(image, g.BarLeft(2), y), kBlue);
    EXPECT_EQ(At(image, g.BarCenter(2) - 3, yBest), kBlue);
    EXPECT_EQ(At(image, g.BarCenter(2) - 3, y), QColor(80, 80, 255));
    EXPECT_EQ(At(image, g.BarLeft(2) - 3, y), kWhite);
}

TEST_F(RenderChartTest, NothingToDrawOrNoRoom)
{
    AddDays(3);
    EXPECT_EQ(LayOutChart(m_book, m_setting, Category::Kana, Scale::Daily, QSize(600, 300)).eResult,
              ChartLayout::kNotStarted);
    m_setting.m_nBarCount = 0;
    EXPECT_EQ(LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(600, 300)).eResult,
              ChartLayout::kNotStarted);
    m_setting.m_nBarCount = 50;
    const ChartLayout low = LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(600, 40));
    EXPECT_EQ(low.eResult, ChartLayout::kNoChart);
    EXPECT_TRUE(low.Size().isEmpty());
    EXPECT_EQ(LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(600, -5)).eResult,
              ChartLayout::kNoChart);
}

TEST_F(RenderChartTest, DamagedSettingsAndGiantWindowsStayBounded)
{
    AddDays(20);
    m_setting.m_nBarWidth = 1'000'000;
    m_setting.m_nBarSpace = -7;
    m_setting.m_nBarCount = 2'000'000'000;
    m_setting.m_nLineWidth = 1'000'000;
    m_setting.m_pChartFont->lfHeight = -100'000;
    const ChartLayout chart = LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(100, 2'000'000'000));
    ASSERT_EQ(chart.eResult, ChartLayout::kDone);
    EXPECT_EQ(Whole(chart).size(), QSize(20 * 30 + 21 * 1, kMaxChartHeight));
    EXPECT_LE(chart.gageInfo.sizeChar.cy, 400);

    m_setting.m_pChartFont->lfHeight = -12;
    EXPECT_EQ(LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(2'000'000'000, 100)).Size().width(),
              kMaxChartClientWidth);
}

TEST_F(RenderChartTest, TheWidestChartIsDrawnToItsRightEnd)
{
    AddDays(1000);
    m_setting.m_nBarWidth = 30;
    m_setting.m_nBarSpace = 50;
    m_setting.m_nBarCount = 999;
    const ChartLayout chart = LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(800, 120));
    ASSERT_EQ(chart.eResult, ChartLayout::kDone);
    const QImage image = Whole(chart);
    EXPECT_EQ(image.sizeInBytes(), qsizetype{999 * 30 + 1000 * 50} * 120 * 4);
    EXPECT_EQ(chart.barDates.back(), CTime(2003, 5, 1, 0, 0, 0).AddDays(999));

    // Far beyond 32767 pixels the bars and lines still land where the geometry puts them.
    const ChartGeometry g{79'970, 120, 30, 50, chart.gageInfo.sizeChar.cx, chart.gageInfo.sizeChar.cy};
    const auto [yBest, yWorst] = NewestBarY(chart, g);
    ASSERT_GT(yWorst - yBest, 2);
    EXPECT_EQ(At(image, g.BarLeft(998) + 1, yBest + 1), kBlue); // fill or outline alike
    EXPECT_EQ(At(image, g.BarRight(998) + 2, yBest + 1), kWhite);
    EXPECT_EQ(At(image, 79'969, g.BaseY()), kBlack);
    EXPECT_EQ(At(image, 79'969, ChartGeometry::TopY()), kBlack);
}

TEST_F(RenderChartTest, AnySpanHasThePixelsOfTheWholeChart)
{
    // The reference was drawn whole, the way charts were drawn before they were kept in spans.
    const QImage reference =
        QImage(QStringLiteral(NORV2_TEST_DATA_DIR "/chart-50-days.png")).convertToFormat(QImage::Format_RGB32);
    AddDays(60);
    m_setting.m_nLineWidth = 3;
    const ChartLayout chart = LayOutChart(m_book, m_setting, Category::Alph, Scale::Daily, QSize(600, 240));
    ASSERT_EQ(chart.Size(), reference.size());
    for (const ChartSpan span : {ChartSpan{0, 1058}, ChartSpan{0, 200}, ChartSpan{137, 300}, ChartSpan{458, 600},
                                 ChartSpan{1000, 58}, ChartSpan{523, 1}})
        EXPECT_EQ(RenderChartSpan(chart.picture, chart.style, span, 1), reference.copy(span.left, 0, span.width, 240))
            << span.left << "+" << span.width;
    EXPECT_TRUE(RenderChartSpan(chart.picture, chart.style, {1000, 59}, 1).isNull());

    // From the last column of a new-best bar's outline, two right of the bar.
    const auto& bars = chart.picture.bars;
    const auto newBest = std::find_if(bars.rbegin(), bars.rend(), [](const auto& b) { return b.bNewBest; });
    ASSERT_NE(newBest, bars.rend());
    const int left = newBest->rect.right + 1;
    EXPECT_EQ(RenderChartSpan(chart.picture, chart.style, {left, 40}, 1), reference.copy(left, 0, 40, 240));
}

TEST(ChartPainter, ThinLinesStayOneDevicePixelWideAtRatioTwo)
{
    ChartPicture picture = Picture();
    picture.gridX = {20};
    picture.tickX = {40};
    const QImage image = RenderChartSpan(picture, {kColors, 2, TestFont()}, {0, 200}, 2);
    ASSERT_EQ(image.size(), QSize(400, 400));
    EXPECT_EQ(CountInColumn(image, 40, 220, 299, kBlack), 40); // every other device pixel
    EXPECT_EQ(CountInColumn(image, 41, 220, 299, kBlack), 0);
    // The tick reaches 3 pixels (6 device pixels) below the axis at 158, the axis's lower half included.
    EXPECT_EQ(CountInColumn(image, 80, 316, 330, kBlack), 6);
    EXPECT_EQ(CountInColumn(image, 81, 318, 330, kBlack), 0);
    // Lines 2 pixels wide are 4 device pixels wide.
    EXPECT_EQ(CountInColumn(image, 81, 0, 20, kBlack), 4);
    EXPECT_EQ(CountInColumn(image, 81, 300, 330, kBlack), 4);
}
