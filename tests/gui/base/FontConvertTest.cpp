#include "gui/base/FontConvert.h"

#include <gtest/gtest.h>

TEST(FontConvert, PixelHeightsWeightAndStyleRoundTrip)
{
    LOGFONT lf;
    lf.lfHeight = -15;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.SetFaceNameBytes("IPAGothic");
    const QFont font = QFontFromLogFont(lf);
    EXPECT_EQ(font.family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());

    const LOGFONT back = LogFontFromQFont(font, 96);
    EXPECT_EQ(back.lfHeight, -15);
    EXPECT_EQ(back.lfWeight, 700);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.FaceNameBytes(), "IPAGothic");
}

TEST(FontConvert, PointSizesUseTheScreenResolution)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPointSize(9);
    EXPECT_EQ(LogFontFromQFont(font, 96).lfHeight, -12);
    EXPECT_EQ(LogFontFromQFont(font, 120).lfHeight, -15);
}

TEST(FontConvert, JapaneseFaceNamesAreShiftJisAndCutOnACharacter)
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(12);
    const LOGFONT lf = LogFontFromQFont(font, 96);
    EXPECT_EQ(lf.FaceNameBytes(), "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(QFontFromLogFont(lf).family(), QStringLiteral("ＭＳ ゴシック"));

    // Sixteen full-width characters take 32 bytes; only 15 fit with the NUL.
    const LOGFONT longName = LogFontFromQFont(QFont(QString(16, QChar(0x3042))), 96);
    EXPECT_EQ(longName.FaceNameBytes().size(), 30u);
}

TEST(FontConvert, DamagedStoredFontsStayUsable)
{
    LOGFONT lf;
    lf.lfFaceName.fill('A'); // no terminating NUL
    lf.lfHeight = -100000;
    EXPECT_EQ(lf.FaceNameBytes(), std::string(32, 'A'));
    const QFont big = QFontFromLogFont(lf);
    EXPECT_EQ(big.family(), QString(32, QLatin1Char('A')));
    // Held to the 6..25 points the property pages offer: 8..33 pixels at 96 dpi.
    ASSERT_EQ(ScreenLogPixelsY(), 96);
    EXPECT_EQ(big.pixelSize(), 33);
    lf.lfHeight = INT32_MIN;
    EXPECT_EQ(QFontFromLogFont(lf).pixelSize(), 33);
    lf.lfHeight = 9;
    EXPECT_EQ(QFontFromLogFont(lf).pixelSize(), 9);
    lf.lfHeight = -1;
    EXPECT_EQ(QFontFromLogFont(lf).pixelSize(), 8);
}
