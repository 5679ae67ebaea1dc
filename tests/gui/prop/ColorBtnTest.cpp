#include "gui/prop/ColorBtn.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class ColorBtnTest : public ::testing::Test
{
protected:
    void TearDown() override { CColorBtn::SetColorChooser({}); }
};

TEST_F(ColorBtnTest, OnlyARealChangeNotifiesAndReturnsThePreviousColour)
{
    CColorBtn button(0x010101);
    QSignalSpy spy(&button, &CColorBtn::colorChanged);

    EXPECT_EQ(button.SetColor(0x010101), 0x010101u);
    EXPECT_EQ(spy.count(), 0);

    EXPECT_EQ(button.SetColor(0x0000FF), 0x010101u);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<COLORREF>(), 0x0000FFu);
    EXPECT_EQ(spy.at(0).at(1).value<CColorBtn*>(), &button);
    EXPECT_EQ(button.GetColor(), 0x0000FFu);
}

TEST_F(ColorBtnTest, ClickTakesTheChosenColourAndCancelOrTheSameColourChangesNothing)
{
    CColorBtn button(RGB(10, 20, 30));
    QSignalSpy spy(&button, &CColorBtn::colorChanged);
    COLORREF crOffered = 0;
    std::optional<COLORREF> answer;
    CColorBtn::SetColorChooser([&](QWidget* pOwner, COLORREF crInitial) {
        EXPECT_EQ(pOwner, &button);
        crOffered = crInitial;
        return answer;
    });

    button.click();
    EXPECT_EQ(crOffered, RGB(10, 20, 30));
    EXPECT_EQ(spy.count(), 0);

    answer = RGB(10, 20, 30);
    button.click();
    EXPECT_EQ(spy.count(), 0);

    answer = RGB(1, 2, 3);
    button.click();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(button.GetColor(), RGB(1, 2, 3));
}

// The swatch sits 4 pixels inside the edge whatever the state; the frame around it changes.
TEST_F(ColorBtnTest, SwatchStaysFourPixelsInsideInEveryState)
{
    CColorBtn button(RGB(0, 128, 255));
    button.resize(40, 24);
    QPalette pal = button.palette();
    pal.setColor(QPalette::Button, QColor(200, 200, 200));
    pal.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    pal.setColor(QPalette::Dark, QColor(100, 100, 100));
    pal.setColor(QPalette::Light, QColor(255, 255, 255));
    button.setPalette(pal);
    const QColor swatch(0, 128, 255);

    auto check = [&](const QImage& img) {
        EXPECT_EQ(img.pixelColor(4, 4), QColor(0, 0, 0));   // the swatch's outline
        EXPECT_EQ(img.pixelColor(5, 5), swatch);            // and its fill
        EXPECT_EQ(img.pixelColor(35, 19), QColor(0, 0, 0)); // far corner of the outline
        EXPECT_EQ(img.pixelColor(3, 3), QColor(200, 200, 200));
    };

    const QImage plain = button.grab().toImage();
    check(plain);
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(255, 255, 255)); // raised edge

    button.setDown(true);
    const QImage pressed = button.grab().toImage();
    check(pressed);
    EXPECT_EQ(pressed.pixelColor(0, 0), QColor(100, 100, 100)); // flat shadow frame
    EXPECT_EQ(pressed.pixelColor(1, 1), QColor(200, 200, 200));
}
} // namespace
