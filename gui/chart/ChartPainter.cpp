#include "gui/chart/ChartPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QtMath>
#include <algorithm>

#include "core/record/PeriodData.h"
#include "core/record/RecordBook.h"
#include "core/settings/UsableSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/base/FontConvert.h"

namespace {
// Added to each component of the bar colour for the fill of a new-best bar.
constexpr int kLightening = 80;
constexpr int kAxisPenWidth = 2;
constexpr int kOutlineWidth = 3;

COLORREF LightColor(COLORREF cr)
{
    const auto lighten = [](unsigned c) { return std::min(c + kLightening, 255u); };
    return RGB(lighten(GetRValue(cr)), lighten(GetGValue(cr)), lighten(GetBValue(cr)));
}

// One device pixel wide at any pixel ratio.
QPen ThinPen(const QColor& color)
{
    QPen pen(color, 1, Qt::SolidLine, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

QPen DottedPen(const QColor& color)
{
    QPen pen = ThinPen(color);
    pen.setStyle(Qt::CustomDashLine);
    pen.setDashPattern({1, 1});
    return pen;
}

// Pixels from the bar's top row down to the row above its bottom; empty for a bar of
// zero height, whose best and worst are the same.
QRect BarPixels(const CRect& r)
{
    const int top = std::min(r.top, r.bottom);
    return QRect(r.left, top, r.Width(), std::max(r.top, r.bottom) - top);
}

// A new-best bar: a 3-pixel outline centred on the bar's edges, so that even a bar of zero
// height shows, filled with the light colour inside.
void DrawNewBestBar(QPainter& painter, const QRect& bar, const QColor& outline, const QColor& fill)
{
    const int half = kOutlineWidth / 2;
    const QRect outer = bar.adjusted(-half, -half, half + 1, half + 1);
    painter.fillRect(outer, outline);
    const QRect inner = outer.adjusted(kOutlineWidth, kOutlineWidth, -kOutlineWidth, -kOutlineWidth);
    if (inner.isValid())
        painter.fillRect(inner, fill);
}
} // namespace

QSize UsableChartClientSize(QSize client)
{
    return {std::clamp(client.width(), 0, kMaxChartClientWidth), std::clamp(client.height(), 0, kMaxChartHeight)};
}

QFont ChartFont(const CAppSetting& setting)
{
    QFont font = setting.m_pChartFont ? QFontFromLogFont(*setting.m_pChartFont) : QFont();
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    return font;
}

namespace {
// Draws what of the picture touches the span; the painter is in chart pixels.
void PaintChart(QPainter& painter, const ChartPicture& picture, const ChartStyle& style, ChartSpan span)
{
    const ChartGeometry& g = picture.geometry;
    const QColor axis = ToQColor(style.colors.crAxis);
    const QColor bar = ToQColor(style.colors.crBar);
    const int baseY = g.BaseY();

    painter.fillRect(QRect(span.left, 0, span.width, g.cy), ToQColor(style.colors.crBack));

    painter.setPen(QPen(axis, kAxisPenWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(0, ChartGeometry::TopY(), g.cx, ChartGeometry::TopY());
    painter.drawLine(g.cx, baseY, 0, baseY);

    painter.setPen(DottedPen(axis));
    for (int x : picture.gridX)
        if (span.Touches(x, x))
            painter.drawLine(x, baseY, x, ChartGeometry::TopY());
    painter.setPen(ThinPen(axis));
    for (int x : picture.tickX)
        if (span.Touches(x, x))
            painter.drawLine(x, baseY, x, baseY + 3);

    // The dots of a line across the chart fall on even x. Qt loses that phase for a line
    // clipped at its start, so each line starts at the span's first even x.
    painter.setPen(DottedPen(axis));
    const int x0 = span.left + span.left % 2;
    for (int y : picture.gridY)
        painter.drawLine(x0, y, g.cx, y);

    const QColor light = ToQColor(LightColor(style.colors.crBar));
    for (const ChartPicture::Bar& b : picture.bars) {
        const QRect pixels = BarPixels(b.rect);
        if (!span.Touches(pixels.left() - kOutlineWidth, pixels.right() + kOutlineWidth))
            continue;
        if (b.bNewBest)
            DrawNewBestBar(painter, pixels, bar, light);
        else if (!pixels.isEmpty())
            painter.fillRect(pixels, bar);
    }

    // One point alone draws nothing, as a line must join two. The line is stroked whole so
    // that its joins and caps are those of the whole chart.
    if (picture.line.size() >= 2) {
        QPolygon polyline;
        for (const CPoint& pt : picture.line)
            polyline << QPoint(pt.x, pt.y);
        painter.setPen(QPen(ToQColor(style.colors.crLine), std::clamp(style.nLineWidth, 1, 10), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(polyline);
    }

    painter.setFont(style.font);
    painter.setPen(axis);
    const int ascent = painter.fontMetrics().ascent();
    for (const ChartPicture::Label& label : picture.labels) {
        // Labels are digits, "/" and "-": twice the width of as many eights bounds them.
        const int nReach = 2 * (static_cast<int>(label.text.size()) + 1) * std::max(1, g.cxChar);
        if (span.Touches(label.pt.x - nReach, label.pt.x + nReach))
            painter.drawText(label.pt.x, label.pt.y + ascent, QString::fromStdString(label.text));
    }
}
} // namespace

bool RenderChartSpan(const ChartPicture& picture, const ChartStyle& style, ChartSpan span, qreal dpr, QImage& image)
{
    const ChartGeometry& g = picture.geometry;
    if (g.cx <= 0 || g.cy <= 0 || g.cx > kMaxChartClientWidth || g.cy > kMaxChartHeight || span.width <= 0 ||
        !(dpr > 0 && dpr <= kMaxDevicePixelRatio) || span.left < 0 || span.Right() > g.cx) {
        image = QImage();
        return false;
    }
    const QSize size(qCeil(span.width * dpr), qCeil(g.cy * dpr));
    if (image.size() != size || image.devicePixelRatio() != dpr || image.format() != QImage::Format_RGB32) {
        image = QImage(); // the old memory goes before the new is taken
        image = QImage(size, QImage::Format_RGB32);
        if (image.isNull())
            return false;
        image.setDevicePixelRatio(dpr);
    }
    QPainter painter(&image);
    if (!painter.isActive()) {
        image = QImage();
        return false;
    }
    painter.translate(-span.left, 0);
    PaintChart(painter, picture, style, span);
    return true;
}

QImage RenderChartSpan(const ChartPicture& picture, const ChartStyle& style, ChartSpan span, qreal dpr)
{
    QImage image;
    RenderChartSpan(picture, style, span, dpr, image);
    return image;
}

QImage RenderChartImage(const ChartPicture& picture, const CHARTCOLOR& colors, int nLineWidth, const QFont& font)
{
    return RenderChartSpan(picture, {colors, nLineWidth, font}, {0, picture.geometry.cx}, 1);
}

int ChartBarCount(const CRecordBook& book, const CAppSetting& setting, std::optional<Category> nCategory, Scale nScale)
{
    if (!nCategory)
        return 0;
    return GetBarCount(nCategory, book.CountPeriods(*nCategory, nScale), GetUsableChartScales(setting).nBarCount);
}

ChartLayout LayOutChart(const CRecordBook& book, const CAppSetting& setting, Category nCategory, Scale nScale,
                        QSize client)
{
    ChartLayout out;
    const ChartScales scales = GetUsableChartScales(setting);
    const QSize size = UsableChartClientSize(client);
    const int n = ChartBarCount(book, setting, nCategory, nScale);
    ChartGeometry g;
    g.cy = size.height();
    g.nBarWidth = scales.nBarWidth;
    if (n <= 0 || CalcChartWidth(n, scales.nBarWidth, scales.nBarSpace, size.width(), &g.cx, &g.nSpace) != 0)
        return out;

    out.eResult = ChartLayout::kNoChart;
    const QFont font = ChartFont(setting);
    const QFontMetrics metrics(font);
    g.cxChar = metrics.horizontalAdvance(QStringLiteral("8"));
    g.cyChar = metrics.height();
    if (!g.IsTallEnough())
        return out;

    std::vector<PERIODDATA> periods(static_cast<std::size_t>(n));
    if (book.FillPeriods(periods.data(), n, nCategory, nScale) != 0)
        return out;
    ChartPicture picture;
    if (!BuildChartPicture(periods.data(), n, g, nScale, picture))
        return out;
    setting.GetChartColors(&out.style.colors, nCategory);
    out.style.nLineWidth = scales.nLineWidth;
    out.style.font = font;

    out.eResult = ChartLayout::kDone;
    out.nBars = n;
    out.gageInfo.nCategory = nCategory;
    out.gageInfo.nMax = picture.nMax;
    out.gageInfo.nMin = picture.nMin;
    out.gageInfo.nStep = picture.nStep;
    out.gageInfo.sizeChart = {g.cx, g.cy};
    out.gageInfo.sizeChar = {g.cxChar, g.cyChar};
    out.barDates = std::move(picture.barDates);
    out.picture = std::move(picture);
    return out;
}
