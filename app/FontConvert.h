#pragma once
#include <QFont>

#include "app/LogFont.h"

// A stored font description as a QFont. The height is held to 1..200 pixels so
// that a damaged store cannot ask for a gigantic font.
QFont QFontFromLogFont(const LOGFONT& lf);

// A QFont as a stored font description; nLogPixelsY converts point sizes to pixels.
// The face name is kept in Shift-JIS, cut to 31 bytes on a character boundary.
LOGFONT LogFontFromQFont(const QFont& font, int nLogPixelsY);
