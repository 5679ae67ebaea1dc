#include "gui/res/ToolbarIcons.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kWidth = 16;
constexpr int kHeight = 15;
constexpr double kGlyphHeight = 12;

struct Glyph
{
    int nCommandID;
    const char* pszText; // UTF-8
    const char* pszFamily;
    QRgb rgb;
};

// Colours from the sixteen-colour palette, as small toolbar images have them.
constexpr Glyph kGlyphs[] = {
    {5000, "A", "IPAPGothic", qRgb(255, 0, 0)},    // 英字
    {5001, "ア", "IPAGothic", qRgb(0, 0, 255)},    // かな
    {5002, "R", "IPAPGothic", qRgb(0, 128, 0)},    // ﾛｰﾏ字
    {5003, "!", "IPAPGothic", qRgb(128, 0, 128)},  // 記号
    {57667, "?", "IPAPGothic", qRgb(255, 255, 0)}, // help
};

// Yellow alone is lost on a light toolbar, so help's mark carries a darker shadow.
constexpr QRgb kHelpShadow = qRgb(128, 128, 0);

QImage GlyphImage(const Glyph& glyph)
{
    QFont font(QString::fromLatin1(glyph.pszFamily));
    font.setPixelSize(64);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUtf8(glyph.pszText));
    // The glyph's own outline, not its line box, is fitted into the image and centred.
    const QRectF rcGlyph = path.boundingRect();
    const double dScale = kGlyphHeight / rcGlyph.height();
    QTransform transform;
    transform.translate((kWidth - 1) / 2.0, (kHeight - 1) / 2.0); // room for the bold and the shadow
    transform.scale(dScale, dScale);
    transform.translate(-rcGlyph.center().x(), -rcGlyph.center().y());
    path = transform.map(path);

    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Unsmoothed, as small toolbar images are, so each keeps its one colour; filled a
    // second time one pixel to the right for a toolbar's bold weight.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const auto fill = [&](const QPainterPath& outline, QRgb rgb) {
        painter.setBrush(QColor(rgb));
        painter.drawPath(outline);
        painter.drawPath(outline.translated(1, 0));
    };
    if (glyph.nCommandID == 57667)
        fill(path.translated(1, 1), kHelpShadow);
    fill(path, glyph.rgb);
    return image;
}
} // namespace

QIcon ToolbarIcon(int nCommandID)
{
    for (const Glyph& glyph : kGlyphs)
        if (glyph.nCommandID == nCommandID)
            return QIcon(QPixmap::fromImage(GlyphImage(glyph)));
    return QIcon();
}
