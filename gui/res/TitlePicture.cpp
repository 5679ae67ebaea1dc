#include "gui/res/TitlePicture.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <array>

namespace {
constexpr int kWidth = 214;
constexpr int kHeight = 102;

// The sixteen-colour palette of the old resource, of which the picture takes a few.
const QColor kBlack(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kAqua(0, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);

// Unsmoothed text keeps the picture inside its palette.
QFont PictureFont(const char* pszFamily, int nPixelSize, bool bBold)
{
    QFont font(QString::fromLatin1(pszFamily));
    font.setPixelSize(nPixelSize);
    font.setBold(bBold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A raised window edge: light on the top and left, dark on the bottom and right.
void DrawRaisedEdge(QPainter& p, QRect r, const QColor& light, const QColor& dark)
{
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// A week of practice: each bar from the worst to the best run, the line through the averages.
void DrawChart(QPainter& p, QRect area)
{
    struct Day
    {
        int nWorst, nBest, nAverage;
    };
    constexpr std::array<Day, 7> kDays{{
        {8, 22, 15},
        {12, 26, 18},
        {10, 30, 21},
        {18, 34, 27},
        {20, 40, 31},
        {26, 44, 36},
        {30, 52, 42},
    }};
    constexpr int kBarWidth = 5;
    constexpr int kBarSpace = 3;

    p.setPen(kGrey);
    for (int y = area.bottom() - 10; y > area.top(); y -= 10)
        p.drawLine(area.left(), y, area.right(), y);
    p.setPen(kSilver);
    p.drawLine(area.bottomLeft(), area.bottomRight());

    QPolygon averages;
    int x = area.left() + kBarSpace;
    for (const Day& day : kDays) {
        const int yTop = area.bottom() - day.nBest;
        const int yBottom = area.bottom() - day.nWorst;
        p.fillRect(QRect(x, yTop, kBarWidth, yBottom - yTop), kTeal);
        p.fillRect(QRect(x, yTop, kBarWidth, 2), kAqua);
        averages << QPoint(x + kBarWidth / 2, area.bottom() - day.nAverage);
        x += kBarWidth + kBarSpace;
    }
    p.setPen(QPen(kYellow, 2));
    p.drawPolyline(averages);
}

// A row of key caps along the bottom, for the typing the records come from.
void DrawKeys(QPainter& p, int nTop)
{
    constexpr int kKey = 11;
    constexpr int kGap = 2;
    constexpr int kCount = (kWidth - 16 + kGap) / (kKey + kGap);
    constexpr int kLeft = (kWidth - kCount * (kKey + kGap) + kGap) / 2;
    for (int i = 0; i < kCount; ++i) {
        const QRect cap(kLeft + i * (kKey + kGap), nTop, kKey, kKey - 2);
        p.fillRect(cap, kSilver);
        DrawRaisedEdge(p, cap, kWhite, kGrey);
    }
}
const char* const kSubtitle = "タイピング記録ビューア";
const char* const kVersion = "Version " NORV2_VERSION;
} // namespace

QString TitlePictureText()
{
    return QStringLiteral("Norv2\n%1\n%2").arg(QString::fromUtf8(kSubtitle), QString::fromUtf8(kVersion));
}

QImage TitlePicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kNavy);
    QPainter p(&image);

    // A borderless splash needs its own window edge to stand out from the desktop.
    DrawRaisedEdge(p, image.rect(), kSilver, kBlack);
    DrawRaisedEdge(p, image.rect().adjusted(1, 1, -1, -1), kWhite, kGrey);

    DrawChart(p, QRect(144, 14, 60, 58));
    DrawKeys(p, 84);

    p.setFont(PictureFont("IPAPGothic", 34, true));
    p.setPen(kBlue);
    p.drawText(QPoint(14, 46), QStringLiteral("Norv2"));
    p.setPen(kWhite);
    p.drawText(QPoint(12, 44), QStringLiteral("Norv2"));

    p.setFont(PictureFont("IPAGothic", 10, false));
    p.setPen(kAqua);
    p.drawText(QPoint(14, 61), QString::fromUtf8(kSubtitle));
    p.setFont(PictureFont("IPAPGothic", 11, false));
    p.setPen(kSilver);
    p.drawText(QPoint(14, 75), QString::fromUtf8(kVersion));
    return image;
}
