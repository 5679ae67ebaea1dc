#include "core/settings/FontPoints.h"

#include <algorithm>

#include "core/base/MulDiv.h"

LOGFONT LimitFontPoints(LOGFONT lf, int nLogPixelsY)
{
    if (nLogPixelsY <= 0)
        return lf;
    const int nPoints = MulDiv(lf.lfHeight, -72, nLogPixelsY);
    const int nLimited = std::clamp(nPoints, kMinFontPoints, kMaxFontPoints);
    if (nLimited != nPoints)
        lf.lfHeight = -MulDiv(nLimited, nLogPixelsY, 72);
    return lf;
}
