#pragma once
#include <QFont>

#include "core/settings/LogFont.h"

// A stored font description as a QFont. The size is held to the points the property
// pages offer (6..25 at the screen's resolution), so that a damaged store asks for no
// gigantic or unreadable font.
QFont QFontFromLogFont(const LOGFONT& lf);

// The primary screen's vertical logical resolution (96 without a screen), which turns
// point sizes into pixels.
int ScreenLogPixelsY();

// A QFont as a stored font description; nLogPixelsY converts point sizes to pixels.
// The face name is kept in Shift-JIS, cut to 31 bytes on a character boundary.
LOGFONT LogFontFromQFont(const QFont& font, int nLogPixelsY);
