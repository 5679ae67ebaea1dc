#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/FontPoints.h"
#include "core/settings/LogFont.h"
#include "core/settings/SettingTable.h"

// Rules the property pages check and show, kept apart from the widgets.

// The number in an edit that takes digits only; nothing when it is empty or too large for an int.
std::optional<int> ParseDigits(std::string_view text);

// The message shown when a number is missing or outside nMin..nMax.
std::string IntRangeMessage(int nMin, int nMax);

// Whether the quote prefix takes no more bytes in code page 932 than the board page accepts.
bool IsQuoteWithinLimit(std::string_view utf8);
// The quote edit's text after an edit turned strOld into strNew: of what the edit put in,
// as much as fits the limit (or the old text's length, for a longer stored value), as an
// edit with a length limit takes a paste. The length of the kept start, the inserted
// characters included, goes to *pnCursor (bytes of UTF-8).
std::string FitQuoteEdit(std::string_view strOld, std::string_view strNew, std::size_t* pnCursor);
std::string QuoteLimitMessage();

// "9 : 標準", "12 : 太字 : 斜体": point size and style of a font at nLogPixelsY.
std::string FontInfoText(const LOGFONT& lf, int nLogPixelsY);

// Whether a chosen font differs from the current one in what the page shows of it:
// size, italic flag, weight or face name.
bool IsFontChoiceChanged(const LOGFONT& lfCurrent, const LOGFONT& lfChosen);

// The board's row-and-label flag after box nBit (0..3 rows, 4 labels) was set or cleared.
// Clearing the last shown row shows all four again.
int ChangeBoardFlag(int nFlag, int nBit, bool bChecked);
