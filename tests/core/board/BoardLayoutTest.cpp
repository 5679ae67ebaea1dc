#include "core/board/BoardLayout.h"

#include <gtest/gtest.h>

#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"

namespace {
// Sizes as a font 16 pixels high might measure the eleven cell templates.
std::array<CSize, 11> CellSizes(int h)
{
    return {CSize{30, h}, {28, h}, {28, h}, {21, h}, {28, h}, {21, h}, {28, h}, {21, h}, {42, h}, {28, h}, {21, h}};
}
} // namespace

TEST(BoardLayout, ClientSizeGrowsByOneAndAHalfLinesPerRow)
{
    EXPECT_EQ(BoardClientSize({300, 16}, CellSizes(16), 0), (CSize{390, 42})); // heading and rule only
    EXPECT_EQ(BoardClientSize({300, 16}, CellSizes(16), 1), (CSize{390, 66}));
    EXPECT_EQ(BoardClientSize({300, 16}, CellSizes(16), 4), (CSize{390, 138}));
    EXPECT_EQ(BoardClientSize({250, 15}, {}, 1), (CSize{340, 63})); // 22.5 rounds up
    EXPECT_EQ(BoardClientSize({250, 15}, {}, 3), (CSize{340, 108}));
    EXPECT_EQ(BoardClientSize({250, 15}, {}, 9), BoardClientSize({250, 15}, {}, 4));
    // Cells wider than the template says (they end at 381) keep their margin of 5.
    EXPECT_EQ(BoardClientSize({290, 16}, CellSizes(16), 1).cx, 386);

    CAppSetting s;
    for (const auto& [flag, n] : {std::pair{0x1F, 4}, {0x10, 0}, {0x05, 2}, {0x08, 1}, {0xF0, 0}}) {
        s.m_nBoardFlag = flag;
        EXPECT_EQ(CountShownBoardRows(s), n) << flag;
    }
}

TEST(BoardLayout, CellsHeadingsAndRuleOfTheHeadingRow)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x1F;
    const BoardLayout layout = LayoutBoard(BOARDDATA{}, s, CellSizes(16));
    const std::array<CRect, 11> cells = {CRect{5, 5, 35, 21}, {40, 5, 68, 21},   {83, 5, 111, 21},  {111, 5, 132, 21},
                                         {147, 5, 175, 21},   {175, 5, 196, 21}, {211, 5, 239, 21}, {239, 5, 260, 21},
                                         {275, 5, 317, 21},   {332, 5, 360, 21}, {360, 5, 381, 21}};
    EXPECT_EQ(layout.rcCell, cells);

    const std::array<CRect, 6> headings = {CRect{40, 5, 68, 21}, {83, 5, 132, 21},  {147, 5, 196, 21},
                                           {211, 5, 260, 21},    {275, 5, 317, 21}, {332, 5, 381, 21}};
    const char* texts[] = {"回数", "最高", "最低", "平均", "総回数", "ベスト"};
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(layout.headings[k], (BoardCellText{headings[k], texts[k], BOARD_ALIGN_CENTER})) << k;
    EXPECT_EQ(layout.nHeadingColorRole, CLR_BOARD_LABEL);
    EXPECT_EQ(layout.nRuleColorRole, CLR_BOARD_RULE);
    EXPECT_EQ(layout.rcRule, (CRect{10, 29, 376, 37}));

    // An odd line height halves downwards.
    EXPECT_EQ(LayoutBoard(BOARDDATA{}, s, CellSizes(15)).rcRule, (CRect{10, 27, 376, 35}));
}

TEST(BoardLayout, RowsOfShownCategoriesOnlyEachOneAndAHalfLinesLower)
{
    CAppSetting s;
    s.m_nBoardFlag = 0x0A; // Kana and Sybl, English labels
    BOARDDATA data;
    data.nTry = {1, 2, 3, 4};
    data.nTBest[3] = 321;
    data.nTBestMiss[3] = 7;
    const BoardLayout layout = LayoutBoard(data, s, CellSizes(15));
    EXPECT_EQ(layout.headings[5].strText, "T_Best");
    ASSERT_EQ(layout.rows.size(), 2u);

    const BoardRow& kana = layout.rows[0];
    EXPECT_EQ(kana.nCategory, Category::Kana);
    EXPECT_EQ(kana.nColorRole, CLR_BOARD_KANA);
    EXPECT_EQ(kana.nOffset, 37); // 15 * 5 / 2
    EXPECT_EQ(kana.label, (BoardCellText{{5, 42, 35, 57}, "Kana", BOARD_ALIGN_LEFT}));
    EXPECT_EQ(kana.figures[0], (BoardCellText{{40, 42, 68, 57}, "2", BOARD_ALIGN_RIGHT}));

    const BoardRow& sybl = layout.rows[1];
    EXPECT_EQ(sybl.nCategory, Category::Sybl);
    EXPECT_EQ(sybl.nColorRole, CLR_BOARD_SYBL);
    EXPECT_EQ(sybl.nOffset, 60); // the second shown row, whatever its category
    EXPECT_EQ(sybl.label.strText, "Sybl");
    EXPECT_EQ(sybl.figures[8], (BoardCellText{{332, 65, 360, 80}, "321(", BOARD_ALIGN_RIGHT}));
    EXPECT_EQ(sybl.figures[9], (BoardCellText{{360, 65, 381, 80}, "7)", BOARD_ALIGN_RIGHT}));

    s.m_nBoardFlag = 0x10;
    EXPECT_TRUE(LayoutBoard(data, s, CellSizes(15)).rows.empty());
}

TEST(BoardLayout, LastRowEndsFivePixelsAboveTheClientBottom)
{
    CAppSetting s;
    for (int flag : {0x11, 0x13, 0x17, 0x1F}) {
        s.m_nBoardFlag = flag;
        const BoardLayout layout = LayoutBoard(BOARDDATA{}, s, CellSizes(16));
        const CSize client = BoardClientSize({300, 16}, CellSizes(16), CountShownBoardRows(s));
        EXPECT_EQ(client.cy - layout.rows.back().label.rc.bottom, 5) << flag;
    }
}
