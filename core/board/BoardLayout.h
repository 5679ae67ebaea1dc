#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/base/Rect.h"
#include "core/base/Size.h"
#include "core/record/Kinds.h"

class CAppSetting;
struct BOARDDATA;

// How many of the four category rows the settings show.
int CountShownBoardRows(const CAppSetting& setting);

// Client size of a board: sizeTemplate is the measured size of BoardMeasuringTemplate in the
// board font, sizeCells those of the eleven BoardCellTemplates. A heading row, a rule and
// 1.5 lines per shown row, with margins of 5 pixels; as wide as the template and 90, or as
// the cells need with their gaps and a margin of 5 where that is more (the template holds
// one figure fewer than the cells, which some fonts would cut off at the right).
CSize BoardClientSize(CSize sizeTemplate, const std::array<CSize, 11>& sizeCells, int nShownRows);

// Alignment of a text inside its rectangle.
enum
{
    BOARD_ALIGN_LEFT = 0,
    BOARD_ALIGN_CENTER = 1,
    BOARD_ALIGN_RIGHT = 2,
};

// One text of the board, drawn into rc and clipped to it.
struct BoardCellText
{
    CRect rc;
    std::string strText;
    int nAlign = BOARD_ALIGN_LEFT;
    bool operator==(const BoardCellText&) const = default;
};

// One shown category row.
struct BoardRow
{
    Category nCategory = Category::Alph;
    int nOffset = 0;                       // how far the row lies below the heading row
    int nColorRole = 0;                    // CLR_BOARD_ALPH + category
    BoardCellText label;                   // left-aligned in the label cell
    std::array<BoardCellText, 10> figures; // right-aligned in cells 1..10
};

// Everything a board paints, in client pixels. The background fills the client area in
// CLR_BOARD_BACK; headings use nHeadingColorRole, the rule (a filled bar without outline)
// nRuleColorRole, and each row its own role.
struct BoardLayout
{
    std::array<CRect, 11> rcCell; // C0 (label) .. C10 on the heading row
    int nHeadingColorRole = 0;
    std::array<BoardCellText, 6> headings; // centred
    int nRuleColorRole = 0;
    CRect rcRule;
    std::vector<BoardRow> rows; // shown rows only, top to bottom
};

// Lays out the board of data. sizeCells are the measured sizes, in the board font, of the
// eleven texts of BoardCellTemplates for the same language setting.
BoardLayout LayoutBoard(const BOARDDATA& data, const CAppSetting& setting, const std::array<CSize, 11>& sizeCells);
