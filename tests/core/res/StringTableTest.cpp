#include "core/res/StringTable.h"

#include <gtest/gtest.h>

#include "core/res/LoadSubString.h"

TEST(StringTable, PiecesAreSplitAtLineBreaks)
{
    EXPECT_EQ(LoadSubString(135, 0), "英 字");
    EXPECT_EQ(LoadSubString(135, 2), "ﾛｰﾏ字");
    EXPECT_EQ(LoadSubString(135, 3), "記 号");
    EXPECT_EQ(LoadSubString(135, 4), "");
    EXPECT_EQ(LoadSubString(135, -1), "");
    EXPECT_EQ(LoadSubString(139, 6), "土");
    EXPECT_EQ(LoadSubString(128, 4), ".ｷﾛｸ");
    EXPECT_EQ(LoadSubString(128, 5), ""); // an empty piece between two breaks
    EXPECT_EQ(LoadSubString(999, 0), "");
    EXPECT_FALSE(FindStringEntry(999));
}

TEST(StringTable, MessagesCarryTheHeading)
{
    for (unsigned id :
         {10001u, 10002u, 10003u, 10004u, 10005u, 10006u, 10008u, 10009u, 10010u, 10011u, 10012u, 10013u}) {
        const auto text = FindStringEntry(id);
        ASSERT_TRUE(text) << id;
        EXPECT_TRUE(text->starts_with("Norv2 からのお知らせ\n\n")) << id;
    }
    EXPECT_EQ(LoadString(10004), "Norv2 からのお知らせ\n\nVeskの記録ファイルではない（変数異常）");
}

TEST(StringTable, FormatsAndPrompts)
{
    EXPECT_EQ(LoadString(160), "%c %d-%d-%d  %d:%d:%d   HIT: %d  MISS: %d");
    EXPECT_EQ(LoadString(155), std::string(50, '-') + "\r\n");
    EXPECT_EQ(LoadString(57345), "F1キーでヘルプを表示します");
    EXPECT_EQ(LoadSubString(5004, 0), "Veskの記録ファイル（*.ｷﾛｸ）を開く");
    EXPECT_EQ(LoadSubString(5004, 1), "開く");
    EXPECT_EQ(LoadSubString(4111, 0), "ボードの内容をコピーする");
}
