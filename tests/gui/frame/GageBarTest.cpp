#include "gui/frame/GageBar.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>
#include <memory>

#include "core/frame/GageInfo.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"

namespace {
const QColor kButton(200, 200, 200);
const QColor kButtonText(10, 20, 30);
const QColor kChartBack(0x12, 0x34, 0x56);
const QColor kChartAxis(0xF0, 0xE0, 0x10);
constexpr int kEdge = 2;

QPalette ButtonPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::ButtonText, kButtonText);
    return palette;
}

class GageBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A chart 300 pixels high in a font 7 x 16: 2.29 pixels per value from 0 to 100.
        m_info.nCategory = Category::Kana;
        m_info.nMax = 100;
        m_info.nStep = 20;
        m_info.sizeChart = {500, 300};
        m_info.sizeChar = {7, 16};
        m_setting.m_pChartFont = std::make_unique<LOGFONT>();
        m_setting.m_pChartFont->lfHeight = -12;
        m_setting.m_pChartFont->SetFaceNameBytes("IPAGothic");
        m_setting.m_ChartColor[1].crBack = RGB(0x12, 0x34, 0x56);
        m_setting.m_ChartColor[1].crAxis = RGB(0xF0, 0xE0, 0x10);
    }

    // The bar as the frame lays it out: as wide as it asks, as high as the chart's viewport.
    static QImage Render(CGageBar& bar, int nHeight = 304)
    {
        bar.setPalette(ButtonPalette());
        bar.resize(bar.sizeHint().width(), nHeight);
        QImage image(bar.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta); // shows any pixel the bar leaves unpainted
        bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }

    // Whether any pixel in rc (the whole image when rc is null) differs from the background.
    static bool HasInk(const QImage& image, QRect rc = {}, const QColor& back = kButton)
    {
        rc = rc.isNull() ? image.rect() : rc & image.rect();
        for (int y = rc.top(); y <= rc.bottom(); ++y)
            for (int x = rc.left(); x <= rc.right(); ++x)
                if (image.pixelColor(x, y) != back)
                    return true;
        return false;
    }

    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    GAGEINFO m_info;
};
} // namespace

TEST_F(GageBarTest, TicksOnTheChartSideAndLabelsBesideThem)
{
    for (bool bRight : {true, false}) {
        SCOPED_TRACE(bRight ? "right bar" : "left bar");
        CGageBar bar(bRight, m_settings);
        bar.SetGageInfo(&m_info);
        bar.SetEdge(kEdge);
        const QImage image = Render(bar);
        const int w = image.width();
        ASSERT_EQ(w, 35);
        // x counted from the edge that meets the chart
        const auto at = [&](int x, int y) { return image.pixelColor(bRight ? x : w - 1 - x, y); };
        const auto box = [&](int x, int y, int cx, int cy) { return QRect(bRight ? x : w - x - cx, y, cx, cy); };

        for (int v = 0; v <= 100; v += 20) {
            SCOPED_TRACE(v);
            const int y = m_info.ValueToY(v, kEdge);
            EXPECT_EQ(at(0, y), kButtonText);
            EXPECT_EQ(at(4, y), kButtonText);
            EXPECT_EQ(at(5, y), kButton); // five pixels long
            // The label starts 10 pixels from the chart's edge: "100" on the left bar at W - 31.
            const int nChars = v == 0 ? 1 : v == 100 ? 3 : 2;
            EXPECT_TRUE(HasInk(image, box(10, y - 8, nChars * 7, 16)));
            EXPECT_FALSE(HasInk(image, box(6, y - 8, 3, 16)));
        }
        for (int v : {4, 8, 36, 96}) { // small ticks at the fifths of the step
            SCOPED_TRACE(v);
            const int y = m_info.ValueToY(v, kEdge);
            EXPECT_EQ(at(0, y), kButtonText);
            EXPECT_EQ(at(2, y), kButtonText);
            EXPECT_EQ(at(3, y), kButton); // three pixels long
        }
        for (int v : {2, 50, 98}) // nothing between the fifths
            EXPECT_EQ(at(1, m_info.ValueToY(v, kEdge)), kButton) << v;
        EXPECT_FALSE(HasInk(image, box(w - 2, 0, 2, image.height()))); // the far edge stays bare
    }
}

TEST_F(GageBarTest, NothingButTheBackgroundWithoutValidParameters)
{
    CGageBar bar(true, m_settings);
    EXPECT_FALSE(HasInk(Render(bar))) << "no parameters";

    m_setting.m_bGageColor = true;
    bar.SetGageInfo(&m_info);
    m_info.nCategory = std::nullopt; // no chart: button colours even with the chart's colours asked for
    EXPECT_FALSE(HasInk(Render(bar))) << "no category";

    m_setting.m_bGageColor = false;
    m_info.nCategory = Category::Kana;
    m_info.nMin = m_info.nMax;
    EXPECT_FALSE(HasInk(Render(bar))) << "empty range";
}

TEST_F(GageBarTest, ChartColoursOnlyWhenAskedForAndACategoryIsShown)
{
    const QPalette palette = ButtonPalette();
    const auto colors = [&](const CAppSetting* pSetting, std::optional<Category> nCategory) {
        const GageColorSet c = GageColors(pSetting, nCategory, palette);
        return std::pair(c.crBack, c.crDraw);
    };
    const auto buttons = std::pair(kButton, kButtonText);

    EXPECT_EQ(colors(&m_setting, Category::Kana), buttons);
    m_setting.m_bGageColor = true;
    EXPECT_EQ(colors(&m_setting, Category::Kana), std::pair(kChartBack, kChartAxis));
    EXPECT_EQ(colors(&m_setting, std::nullopt), buttons);
    EXPECT_EQ(colors(nullptr, Category::Kana), buttons);

    CGageBar bar(true, m_settings);
    bar.SetGageInfo(&m_info);
    bar.SetEdge(kEdge);
    const QImage image = Render(bar);
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), kChartBack);
    EXPECT_EQ(image.pixelColor(0, m_info.ValueToY(60, kEdge)), kChartAxis);
}

TEST_F(GageBarTest, WidthIsFiveCharactersOrTenPixelsBeforeTheFontIsMeasured)
{
    CGageBar bar(true, m_settings);
    EXPECT_EQ(bar.sizeHint().width(), 10);
    bar.SetGageInfo(&m_info);
    EXPECT_EQ(bar.sizeHint().width(), 35);
    m_info.sizeChar = {9, 18}; // the frame rewrites its parameters in place
    EXPECT_EQ(bar.sizeHint().width(), 45);
    m_info.sizeChar = {0, 18};
    EXPECT_EQ(bar.sizeHint().width(), 10);
}
