#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/base/Point.h"
#include "core/base/Size.h"
#include "core/record/Kinds.h"

// The chart's value scale as the gauge bars repeat it; written by the chart after each rendering.
struct GAGEINFO
{
    std::optional<Category> nCategory; // none: no chart shown
    int nMax = 0;                      // value at the top of the scale
    int nMin = 0;                      // value at the bottom of the scale
    int nStep = 0;                     // distance between labelled ticks
    CSize sizeChart;                   // chart size in pixels
    CSize sizeChar;                    // one character of the chart font

    bool IsValid() const;
    // Height of value v on the bar, nEdge being the height of the platform's 3-D edge;
    // 0 when the parameters are not valid or v lies outside nMin..nMax.
    int ValueToY(int v, int nEdge) const;
};

// Width of a gauge bar: five characters, or 10 pixels before the chart has measured its font.
int GageBarWidth(const GAGEINFO& info);

// One tick of a gauge bar: a horizontal line from ptFrom to ptTo, and on a labelled tick
// the value, drawn with its top-left at ptLabel.
struct GageTick
{
    int nValue = 0;
    int nPenWidth = 1; // 2 on a labelled tick
    CPoint ptFrom;
    CPoint ptTo;
    std::string strLabel; // empty on a small tick
    CPoint ptLabel;
    bool operator==(const GageTick&) const = default;
};

// Widest value range a bar draws ticks for; the chart's values are hits, normally 0..999.
constexpr int kMaxGageSpan = 10000;

// The ticks of a bar nWidth pixels wide, from nMin up to nMax. A bar on the right of the
// chart (bRightSide) has its ticks on its left edge and labels left-aligned; a bar on the
// left the other way round. Labelled ticks at the multiples of nStep, small ticks at the
// other multiples of nStep / 5. Empty when the parameters are not valid, nStep is not
// positive, or the range spans more than kMaxGageSpan values.
std::vector<GageTick> GageTicks(const GAGEINFO& info, int nEdge, int nWidth, bool bRightSide);
