#include "core/frame/FrameTitle.h"

#include <gtest/gtest.h>

TEST(FrameTitle, NamesTheUserAndTheChartShown)
{
    EXPECT_EQ(FrameTitle("", std::nullopt, Scale::Daily), "Norv");
    EXPECT_EQ(FrameTitle("たろう", std::nullopt, Scale::Weekly), "Norv - たろうの記録");
    EXPECT_EQ(FrameTitle("た\nろう", Category::Roma, Scale::Weekly), "Norv - た?ろうの 週ごとの記録 (ﾛｰﾏ字)");
    // A name holding "%s" is no format of its own.
    EXPECT_EQ(FrameTitle("%s", Category::Alph, Scale::Daily), "Norv - %sの 日々の記録 (英 字)");
}
