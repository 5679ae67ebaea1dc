#include "packaging/AppIcon.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(AppIcon, WithoutTheInstalledThemeTheProgramHasItsOwnInEverySize)
{
    const QStringList searchPaths = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({});
    const QIcon icon = AppIcon();
    QIcon::setThemeSearchPaths(searchPaths);

    for (const int nSize : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(nSize, nSize))) << nSize;
    // The navy window of the drawing, and its yellow line.
    const QImage image = icon.pixmap(QSize(256, 256)).toImage();
    EXPECT_EQ(image.pixelColor(40, 40), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(160, 116), QColor(255, 255, 0));
}
