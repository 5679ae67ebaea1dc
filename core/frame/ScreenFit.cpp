#include "core/frame/ScreenFit.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int kMinChartWindowWidth = 200;
constexpr int kMinChartWindowHeight = 150;
constexpr int kMaxChartWindowSide = 16384;
// How much of the caption must lie on a screen for the user to drag the window by it.
constexpr std::int64_t kGrip = 48;

std::int64_t Overlap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1)
{
    return std::max<std::int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
}

struct Span
{
    std::int64_t left, top, cx, cy;
};

bool CaptionReachable(const Span& w, const CRect& s, int nCaptionHeight)
{
    const std::int64_t nCaption = std::max(1, nCaptionHeight);
    return w.top >= s.top && w.top + nCaption <= s.bottom &&
           Overlap(w.left, w.left + w.cx, s.left, s.right) >= std::min(kGrip, w.cx);
}

std::int64_t OverlapArea(const Span& w, const CRect& s)
{
    return Overlap(w.left, w.left + w.cx, s.left, s.right) * Overlap(w.top, w.top + w.cy, s.top, s.bottom);
}

// The screen a window belongs on, and whether its title bar can be grabbed there as it is.
struct Target
{
    const CRect* pScreen;
    bool bReachable;
};

Target TargetScreen(const Span& w, const std::vector<CRect>& screens, std::size_t nPrimary, int nCaptionHeight)
{
    for (const CRect& s : screens)
        if (CaptionReachable(w, s, nCaptionHeight))
            return {&s, true};
    const CRect* pBest = &screens[std::min(nPrimary, screens.size() - 1)];
    for (const CRect& s : screens)
        if (OverlapArea(w, s) > OverlapArea(w, *pBest))
            pBest = &s;
    return {pBest, false};
}

// The left or top edge moved as far into [nFrom, nTo) as an extent of n allows.
int MovedInto(std::int64_t nEdge, std::int64_t n, int nFrom, int nTo)
{
    return static_cast<int>(std::clamp<std::int64_t>(nEdge, nFrom, std::max<std::int64_t>(nFrom, nTo - n)));
}
} // namespace

CRect ChartWindowRect(const WINDOWPLACEMENT& wp)
{
    const auto cx = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{wp.right} - wp.left, kMinChartWindowWidth, kMaxChartWindowSide));
    const auto cy = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{wp.bottom} - wp.top, kMinChartWindowHeight, kMaxChartWindowSide));
    // Stored numbers are 32-bit, their differences are not; and the far edge must stay a
    // number even for a window stored at the end of the range.
    const auto left = static_cast<int>(std::min<std::int64_t>(wp.left, std::int64_t{INT_MAX} - cx));
    const auto top = static_cast<int>(std::min<std::int64_t>(wp.top, std::int64_t{INT_MAX} - cy));
    return {left, top, left + cx, top + cy};
}

CPoint BringOnScreen(CPoint ptTopLeft, int cx, int cy, const std::vector<CRect>& screens, std::size_t nPrimary,
                     int nCaptionHeight)
{
    const Span w{ptTopLeft.x, ptTopLeft.y, std::max(cx, 0), std::max(cy, 0)};
    if (screens.empty())
        return ptTopLeft;
    const Target target = TargetScreen(w, screens, nPrimary, nCaptionHeight);
    if (target.bReachable)
        return ptTopLeft;
    const CRect& s = *target.pScreen;
    return {MovedInto(w.left, w.cx, s.left, s.right), MovedInto(w.top, w.cy, s.top, s.bottom)};
}

CRect FitOnScreen(const CRect& rcOuter, const std::vector<CRect>& screens, std::size_t nPrimary, int nCaptionHeight)
{
    if (screens.empty())
        return rcOuter;
    const Span w{rcOuter.left, rcOuter.top, std::max(rcOuter.Width(), 0), std::max(rcOuter.Height(), 0)};
    const CRect& s = *TargetScreen(w, screens, nPrimary, nCaptionHeight).pScreen;
    const int cx = static_cast<int>(std::min<std::int64_t>(w.cx, s.Width()));
    const int cy = static_cast<int>(std::min<std::int64_t>(w.cy, s.Height()));
    const CPoint pt = BringOnScreen({rcOuter.left, rcOuter.top}, cx, cy, screens, nPrimary, nCaptionHeight);
    return {pt.x, pt.y, pt.x + cx, pt.y + cy};
}
