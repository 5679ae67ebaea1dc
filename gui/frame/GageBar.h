#pragma once
#include <QColor>
#include <QWidget>
#include <optional>

#include "core/record/Kinds.h"

class CAppSetting;
class CAppSettings;
class QPalette;
struct GAGEINFO;

// Background and drawing colour of a gauge bar.
struct GageColorSet
{
    QColor crBack;
    QColor crDraw;
};

// The button colours of the palette, or, when the settings ask for gauges in the chart's
// colours and a category is shown, that category's back and axis colours.
GageColorSet GageColors(const CAppSetting* pSetting, std::optional<Category> nCategory, const QPalette& palette);

// A narrow strip beside the chart that repeats its value scale: ticks at the height of each
// value and the labelled values, so the scale stays readable while the chart scrolls.
class CGageBar : public QWidget
{
    Q_OBJECT

public:
    // bRightSide: the bar stands right of the chart, with its ticks on its left edge. The
    // settings (colours and chart font) must outlive the bar; it follows their changes.
    CGageBar(bool bRightSide, const CAppSettings& settings, QWidget* pParent = nullptr);

    // The frame's gauge parameters, read at every paint; null draws no ticks.
    void SetGageInfo(const GAGEINFO* pInfo);
    // The chart view's frame width, so that the ticks meet the values in its viewport.
    void SetEdge(int nEdge);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The width and the picture follow the scale, colours and font.
    void Refresh();

    const bool m_bRightSide;
    const CAppSetting& m_setting;
    const GAGEINFO* m_pGageInfo = nullptr;
    int m_nEdge = 0;
};
