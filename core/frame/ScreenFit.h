#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/base/Point.h"
#include "core/base/Rect.h"
#include "core/settings/WindowPlacement.h"

// The outer rectangle of the chart layout that a stored placement describes. A size
// outside 200 x 150 .. 16384 x 16384 is damaged and held to it, so that the window stays
// usable; any stored numbers, however far apart, give such a rectangle.
CRect ChartWindowRect(const WINDOWPLACEMENT& wp);

// Where a window with the outer size cx x cy and its top-left at ptTopLeft goes so that its
// title bar can be grabbed: unchanged while the caption band (nCaptionHeight pixels from
// the top) lies on one of the screens (their available areas; screens[nPrimary] is the
// primary) over a grip of pixels; otherwise moved onto the screen it overlaps most (the
// primary when it overlaps none), as far in as the window's size allows. No screens:
// unchanged.
CPoint BringOnScreen(CPoint ptTopLeft, int cx, int cy, const std::vector<CRect>& screens, std::size_t nPrimary,
                     int nCaptionHeight);

// The outer rectangle rcOuter held to the size of the screen it goes to, as above, and
// brought on screen there.
CRect FitOnScreen(const CRect& rcOuter, const std::vector<CRect>& screens, std::size_t nPrimary, int nCaptionHeight);
