#pragma once
#include "core/settings/LogFont.h"

// The font chooser of the property pages offers sizes 6..25 points; a size outside them
// is brought back in, on the pages and wherever a stored font is used.
constexpr int kMinFontPoints = 6;
constexpr int kMaxFontPoints = 25;
LOGFONT LimitFontPoints(LOGFONT lf, int nLogPixelsY);
