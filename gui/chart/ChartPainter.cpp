#include "gui/chart/ChartPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "core/record/PeriodData.h"
#include "core/record/RecordBook.h"
#include "core/settings/UsableSettings.h"
#include "gui/app/ColorConvert.h"
#include "gui/app/FontConvert.h"

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

QPen DottedPen(const QColor& color)
{
    QPen pen(color, 1, Qt::CustomDashLine, Qt::FlatCap);
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

QImage RenderChartImage(const ChartPicture& picture, const CHARTCOLOR& colors, int nLineWidth, const QFont& font)
{
    const ChartGeometry& g = picture.geometry;
    if (g.cx <= 0 || g.cy <= 0 || g.cx > kMaxChartClientWidth || g.cy > kMaxChartHeight)
        return {};
    QImage image(g.cx, g.cy, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    QPainter painter(&image);
    if (!painter.isActive())
        return {};
    const QColor axis = ToQColor(colors.crAxis);
    const QColor bar = ToQColor(colors.crBar);
    const int baseY = g.BaseY();

    painter.fillRect(image.rect(), ToQColor(colors.crBack));

    painter.setPen(QPen(axis, kAxisPenWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(0, ChartGeometry::TopY(), g.cx, ChartGeometry::TopY());
    painter.drawLine(g.cx, baseY, 0, baseY);

    painter.setPen(DottedPen(axis));
    for (int x : picture.gridX)
        painter.drawLine(x, baseY, x, ChartGeometry::TopY());
    painter.setPen(QPen(axis, 1, Qt::SolidLine, Qt::FlatCap));
    for (int x : picture.tickX)
        painter.drawLine(x, baseY, x, baseY + 3);

    painter.setPen(DottedPen(axis));
    for (int y : picture.gridY)
        painter.drawLine(0, y, g.cx, y);

    const QColor light = ToQColor(LightColor(colors.crBar));
    for (const ChartPicture::Bar& b : picture.bars) {
        const QRect pixels = BarPixels(b.rect);
        if (b.bNewBest)
            DrawNewBestBar(painter, pixels, bar, light);
        else if (!pixels.isEmpty())
            painter.fillRect(pixels, bar);
    }

    // One point alone draws nothing, as a line must join two.
    if (picture.line.size() >= 2) {
        QPolygon polyline;
        for (const CPoint& pt : picture.line)
            polyline << QPoint(pt.x, pt.y);
        painter.setPen(
            QPen(ToQColor(colors.crLine), std::clamp(nLineWidth, 1, 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(polyline);
    }

    painter.setFont(font);
    painter.setPen(axis);
    const int ascent = painter.fontMetrics().ascent();
    for (const ChartPicture::Label& label : picture.labels)
        painter.drawText(label.pt.x, label.pt.y + ascent, QString::fromStdString(label.text));
    painter.end();
    return image;
}

int ChartBarCount(const CRecordBook& book, const CAppSetting& setting, std::optional<Category> nCategory, Scale nScale)
{
    if (!nCategory)
        return 0;
    return GetBarCount(nCategory, book.CountPeriods(*nCategory, nScale), GetUsableChartScales(setting).nBarCount);
}

ChartRender RenderChart(const CRecordBook& book, const CAppSetting& setting, Category nCategory, Scale nScale,
                        QSize client)
{
    ChartRender out;
    const ChartScales scales = GetUsableChartScales(setting);
    const QSize size = UsableChartClientSize(client);
    const int n = ChartBarCount(book, setting, nCategory, nScale);
    ChartGeometry g;
    g.cy = size.height();
    g.nBarWidth = scales.nBarWidth;
    if (n <= 0 || CalcChartWidth(n, scales.nBarWidth, scales.nBarSpace, size.width(), &g.cx, &g.nSpace) != 0)
        return out;

    out.eResult = ChartRender::kNoChart;
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
    CHARTCOLOR colors;
    setting.GetChartColors(&colors, nCategory);
    out.image = RenderChartImage(picture, colors, scales.nLineWidth, font);
    if (out.image.isNull())
        return out;

    out.eResult = ChartRender::kDone;
    out.barDates = std::move(picture.barDates);
    out.nBars = n;
    out.nBarWidth = g.nBarWidth;
    out.nSpaceUsed = g.nSpace;
    out.gageInfo.nCategory = nCategory;
    out.gageInfo.nMax = picture.nMax;
    out.gageInfo.nMin = picture.nMin;
    out.gageInfo.nStep = picture.nStep;
    out.gageInfo.sizeChart = {g.cx, g.cy};
    out.gageInfo.sizeChar = {g.cxChar, g.cyChar};
    return out;
}
