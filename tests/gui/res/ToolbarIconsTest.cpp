#include "gui/res/ToolbarIcons.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {
// The colour most of the image's opaque, saturated pixels have, by hue.
QString DominantHue(const QImage& image)
{
    std::map<QString, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128 || c.hsvSaturation() < 128)
                continue;
            const int h = c.hsvHue();
            ++counts[h < 30 || h >= 330 ? "red" : h < 90 ? "yellow" : h < 180 ? "green" : h < 260 ? "blue" : "purple"];
        }
    const auto it = std::max_element(counts.begin(), counts.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
    return it == counts.end() ? QString() : it->first;
}
} // namespace

TEST(ToolbarIcons, EachCommandHasItsGlyphInItsColourOnATransparentImage)
{
    const std::pair<int, const char*> cases[] = {
        {5000, "red"}, {5001, "blue"}, {5002, "green"}, {5003, "purple"}, {57667, "yellow"}};
    for (const auto& [nID, pszHue] : cases) {
        SCOPED_TRACE(nID);
        const QIcon icon = ToolbarIcon(nID);
        ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 15)});
        const QImage image = icon.pixmap(QSize(16, 15)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(DominantHue(image), QLatin1String(pszHue));
        int nInk = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                nInk += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GT(nInk, 12); // a glyph, not a speck, on a clear ground
        EXPECT_LT(nInk, 16 * 15 / 2);
    }
    for (int nID : {0, 4999, 5004, 6001, 57664})
        EXPECT_TRUE(ToolbarIcon(nID).isNull()) << nID;
}
