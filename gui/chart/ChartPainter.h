#pragma once
#include <QFont>
#include <QImage>
#include <QSize>
#include <optional>
#include <vector>

#include "core/base/Time.h"
#include "core/chart/ChartPicture.h"
#include "core/chart/ChartSpan.h"
#include "core/frame/GageInfo.h"
#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"

class CRecordBook;

// The tallest chart image made, whatever the window's height: the bar settings already
// bound the width (999 bars of 30 pixels with gaps of 50), this bounds the rest.
constexpr int kMaxChartHeight = 4096;
// A window wider than the widest chart the bar settings allow is drawn at this width.
constexpr int kMaxChartClientWidth = 80000;
// The highest device pixel ratio a chart is drawn at.
constexpr qreal kMaxDevicePixelRatio = 4;

// The client size a chart is made for: the window's, held to the limits above.
QSize UsableChartClientSize(QSize client);

// The chart font as stored in the settings (the application's font when none is stored),
// set in pixels so that text measured for the screen keeps its size on the chart image.
QFont ChartFont(const CAppSetting& setting);

// What a chart is drawn with besides its picture.
struct ChartStyle
{
    CHARTCOLOR colors{};
    int nLineWidth = 1; // the average line's
    QFont font;
};

// Draws the part of the picture within span onto a new image as wide as the span and as
// high as the picture, at device pixel ratio dpr: the pixels of the whole chart drawn at
// once, from the span's left. Order: background, top line and axis, vertical grid and
// ticks, horizontal grid, bars, the average line, date labels; lines of one pixel stay one
// device pixel wide. A null image when there is nothing to draw or no memory for it.
QImage RenderChartSpan(const ChartPicture& picture, const ChartStyle& style, ChartSpan span, qreal dpr);
// The same into image, drawing over its pixels when it has the size and ratio already
// (new memory is slow to come by), else replacing it; false, with image null, as above.
bool RenderChartSpan(const ChartPicture& picture, const ChartStyle& style, ChartSpan span, qreal dpr, QImage& image);
// The whole picture at ratio 1.
QImage RenderChartImage(const ChartPicture& picture, const CHARTCOLOR& colors, int nLineWidth, const QFont& font);

// One rendering of a category's chart: what to draw and what the view keeps of it.
struct ChartLayout
{
    enum EResult
    {
        kNotStarted, // no category, no bars or no width: the chart shown so far may stay
        kNoChart,    // too low a window, no value range: the old chart is void
        kDone,
    };
    EResult eResult = kNotStarted;
    ChartPicture picture; // the whole chart, in chart pixels
    ChartStyle style;
    std::vector<CTime> barDates; // period key of each bar, leftmost first
    int nBars = 0;
    GAGEINFO gageInfo; // the value scale, for the gauge bars

    QSize Size() const { return {picture.geometry.cx, picture.geometry.cy}; }
};

// Bars a chart of nCategory at nScale has: its periods, at most the bar limit of the
// settings; 0 for no category.
int ChartBarCount(const CRecordBook& book, const CAppSetting& setting, std::optional<Category> nCategory, Scale nScale);

// Lays out the newest periods of nCategory at nScale for a window of the given client
// size with the bar sizes, colours, line width and font of the settings; nothing is drawn yet.
ChartLayout LayOutChart(const CRecordBook& book, const CAppSetting& setting, Category nCategory, Scale nScale,
                        QSize client);
