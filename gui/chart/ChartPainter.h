#pragma once
#include <QFont>
#include <QImage>
#include <QSize>
#include <optional>
#include <vector>

#include "core/base/Time.h"
#include "core/chart/ChartPicture.h"
#include "core/frame/GageInfo.h"
#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"

class CRecordBook;

// The tallest chart image made, whatever the window's height: the bar settings already
// bound the width (999 bars of 30 pixels with gaps of 50), this bounds the rest.
constexpr int kMaxChartHeight = 4096;
// A window wider than the widest chart the bar settings allow is drawn at this width.
constexpr int kMaxChartClientWidth = 80000;

// The client size a chart is made for: the window's, held to the limits above.
QSize UsableChartClientSize(QSize client);

// The chart font as stored in the settings (the application's font when none is stored),
// set in pixels so that text measured for the screen keeps its size on the chart image.
QFont ChartFont(const CAppSetting& setting);

// Draws the picture onto a new image of its size, in this order: background, top line and
// axis, vertical grid and ticks, horizontal grid, bars, the average line, date labels. A
// null image when the picture has no size or the image cannot be allocated.
QImage RenderChartImage(const ChartPicture& picture, const CHARTCOLOR& colors, int nLineWidth, const QFont& font);

// One rendering of a category's chart and what the view keeps of it.
struct ChartRender
{
    enum EResult
    {
        kNotStarted, // no category, no bars or no width: the chart shown so far may stay
        kNoChart,    // too low a window, no value range or no memory: the old chart is void
        kDone,
    };
    EResult eResult = kNotStarted;
    QImage image;
    std::vector<CTime> barDates; // period key of each bar, leftmost first
    int nBars = 0;
    int nBarWidth = 0;  // width of a bar as drawn
    int nSpaceUsed = 0; // gap between bars as drawn
    GAGEINFO gageInfo;  // the value scale, for the gauge bars
};

// Bars a chart of nCategory at nScale has: its periods, at most the bar limit of the
// settings; 0 for no category.
int ChartBarCount(const CRecordBook& book, const CAppSetting& setting, std::optional<Category> nCategory, Scale nScale);

// Renders the newest periods of nCategory at nScale for a window of the given client
// size with the bar sizes, colours, line width and font of the settings.
ChartRender RenderChart(const CRecordBook& book, const CAppSetting& setting, Category nCategory, Scale nScale,
                        QSize client);
