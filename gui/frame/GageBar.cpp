#include "gui/frame/GageBar.h"

#include <QPainter>
#include <QPalette>

#include "core/frame/GageInfo.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/base/FontConvert.h"

GageColorSet GageColors(const CAppSetting* pSetting, std::optional<Category> nCategory, const QPalette& palette)
{
    // Only the four categories have chart colours; anything else would paint black on black.
    if (pSetting && pSetting->m_bGageColor && nCategory)
        return {ToQColor(pSetting->GetChartColor(nCategory, CLR_BACK)),
                ToQColor(pSetting->GetChartColor(nCategory, CLR_AXIS))};
    return {palette.color(QPalette::Button), palette.color(QPalette::ButtonText)};
}

CGageBar::CGageBar(bool bRightSide, const CAppSettings& settings, QWidget* pParent)
    : QWidget(pParent), m_bRightSide(bRightSide), m_setting(settings.Get())
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    // Every pixel is filled in paintEvent.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&settings, &CAppSettings::chartSettingsStored, this, &CGageBar::Refresh);
}

void CGageBar::Refresh()
{
    updateGeometry();
    update();
}

void CGageBar::SetGageInfo(const GAGEINFO* pInfo)
{
    m_pGageInfo = pInfo;
    Refresh();
}

void CGageBar::SetEdge(int nEdge)
{
    m_nEdge = nEdge;
    update();
}

QSize CGageBar::sizeHint() const
{
    return {GageBarWidth(m_pGageInfo ? *m_pGageInfo : GAGEINFO{}), 0};
}

QSize CGageBar::minimumSizeHint() const
{
    return sizeHint();
}

void CGageBar::paintEvent(QPaintEvent* /*event*/)
{
    const GageColorSet colors = GageColors(&m_setting, m_pGageInfo ? m_pGageInfo->nCategory : std::nullopt, palette());
    QPainter painter(this);
    painter.fillRect(rect(), colors.crBack);
    if (!m_pGageInfo)
        return;
    const std::vector<GageTick> ticks = GageTicks(*m_pGageInfo, m_nEdge, width(), m_bRightSide);
    if (ticks.empty())
        return;

    // A tick's end point is one past its last pixel (W is the width); flat caps leave it out.
    const QPen pens[2] = {QPen(colors.crDraw, 1, Qt::SolidLine, Qt::FlatCap),
                          QPen(colors.crDraw, 2, Qt::SolidLine, Qt::FlatCap)};
    painter.setFont(m_setting.m_pChartFont ? QFontFromLogFont(*m_setting.m_pChartFont) : font());
    // Labels are placed by their top edge.
    const int nAscent = painter.fontMetrics().ascent();
    for (const GageTick& tick : ticks) {
        painter.setPen(pens[tick.nPenWidth > 1 ? 1 : 0]);
        painter.drawLine(tick.ptFrom.x, tick.ptFrom.y, tick.ptTo.x, tick.ptTo.y);
        if (!tick.strLabel.empty())
            painter.drawText(tick.ptLabel.x, tick.ptLabel.y + nAscent, QString::fromStdString(tick.strLabel));
    }
}
