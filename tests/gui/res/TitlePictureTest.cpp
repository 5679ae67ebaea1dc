#include "gui/res/TitlePicture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/app/VersionDlg.h"

TEST(TitlePicture, FixedSizeInAFewColoursWithTheNameDrawn)
{
    const QImage picture = TitlePicture();
    EXPECT_EQ(picture.size(), QSize(214, 102));
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    EXPECT_GE(colours.size(), 4);
    EXPECT_LE(colours.size(), 16);

    // The name stands in white in the upper left.
    int nWhite = 0;
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 130; ++x)
            nWhite += picture.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(nWhite, 300);
}

TEST(VersionDlg, ShowsThePictureAtItsSizeAndClosesWithEsc)
{
    CVersionDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バージョン情報 Norv2"));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_TRUE(dialog.findChildren<QWidget*>().isEmpty()); // no controls
    // Its text lines, for a reader: the picture holds them only as pixels.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&dialog)
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Norv2\nタイピング記録ビューア\nVersion ")));
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(214, 102));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QImage picture = TitlePicture();
    EXPECT_EQ(dialog.grab().toImage().convertToFormat(picture.format()), picture);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
