#include "core/board/BoardLayout.h"

#include <algorithm>
#include <utility>

#include "core/base/MulDiv.h"
#include "core/board/BoardText.h"
#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"

namespace {
constexpr int kTop = 5;
constexpr int kRightMargin = 5;

// Gap to the left of each cell: the label sits 5 from the edge, a figure 5 or 15 from the
// cell before, and the closing half of a paired column touches its opening half.
constexpr std::array<int, 11> kGapBefore = {5, 5, 15, 0, 15, 0, 15, 0, 15, 15, 0};

CRect Span(const CRect& first, const CRect& last)
{
    return {first.left, kTop, last.right, last.bottom};
}

// The cells of the heading row, left to right.
std::array<CRect, 11> CellRects(const std::array<CSize, 11>& sizeCells)
{
    std::array<CRect, 11> cells;
    int x = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const int left = x + kGapBefore[c];
        cells[c] = {left, kTop, left + sizeCells[c].cx, kTop + sizeCells[c].cy};
        x = cells[c].right;
    }
    return cells;
}

CRect MovedDown(CRect rc, int dy)
{
    rc.top += dy;
    rc.bottom += dy;
    return rc;
}
} // namespace

int CountShownBoardRows(const CAppSetting& setting)
{
    int n = 0;
    for (const Category c : kCategories)
        n += setting.IsBoardRowShown(static_cast<int>(Index(c))) ? 1 : 0;
    return n;
}

CSize BoardClientSize(CSize sizeTemplate, const std::array<CSize, 11>& sizeCells, int nShownRows)
{
    const int n = std::clamp(nShownRows, 0, static_cast<int>(kCategories.size()));
    const int h = sizeTemplate.cy;
    const int cx = std::max(sizeTemplate.cx + 90, CellRects(sizeCells).back().right + kRightMargin);
    return {cx, MulDiv(3 * h, n, 2) + 2 * h + 10};
}

BoardLayout LayoutBoard(const BOARDDATA& data, const CAppSetting& setting, const std::array<CSize, 11>& sizeCells)
{
    const bool bJapanese = setting.IsBoardJapanese();
    BoardLayout layout;

    layout.rcCell = CellRects(sizeCells);
    const auto& cell = layout.rcCell;
    const int h0 = sizeCells[0].cy;

    layout.nHeadingColorRole = CLR_BOARD_LABEL;
    const std::array<CRect, 6> rcHeading = {
        cell[1], Span(cell[2], cell[3]), Span(cell[4], cell[5]), Span(cell[6], cell[7]),
        cell[8], Span(cell[9], cell[10])};
    const auto headings = BoardHeadings(bJapanese);
    for (std::size_t k = 0; k < headings.size(); ++k)
        layout.headings[k] = {rcHeading[k], headings[k], BOARD_ALIGN_CENTER};

    layout.nRuleColorRole = CLR_BOARD_RULE;
    layout.rcRule = {10, cell[0].bottom + h0 / 2, cell[10].right - kRightMargin, cell[0].bottom + h0};

    const auto labels = BoardRowLabels(bJapanese);
    int k = 0;
    for (const Category c : kCategories) {
        const auto i = static_cast<int>(Index(c));
        if (!setting.IsBoardRowShown(i))
            continue;
        BoardRow row;
        row.nCategory = c;
        row.nOffset = h0 * (3 * k + 5) / 2;
        row.nColorRole = CLR_BOARD_ALPH + i;
        row.label = {MovedDown(cell[0], row.nOffset), labels[Index(c)], BOARD_ALIGN_LEFT};
        const auto texts = BoardCellTexts(data, c);
        for (std::size_t f = 0; f < texts.size(); ++f)
            row.figures[f] = {MovedDown(cell[f + 1], row.nOffset), texts[f], BOARD_ALIGN_RIGHT};
        layout.rows.push_back(std::move(row));
        ++k;
    }
    return layout;
}
