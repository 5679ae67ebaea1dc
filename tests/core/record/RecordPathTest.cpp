#include "core/record/RecordPath.h"

#include <gtest/gtest.h>

TEST(RecordPath, UserNameDropsOnlyTheLastExtension)
{
    EXPECT_EQ(UserNameOfPath("/rec/たろう.ｷﾛｸ"), "たろう");
    EXPECT_EQ(UserNameOfPath("/rec/a.b.ｷﾛｸ"), "a.b");
    EXPECT_EQ(UserNameOfPath("/rec/ｷﾛｸ"), "ｷﾛｸ");
    EXPECT_EQ(UserNameOfPath("/rec/.ｷﾛｸ"), ".ｷﾛｸ");
    EXPECT_EQ(UserNameOfPath("user1.txt"), "user1");
    EXPECT_EQ(DirectoryOfPath("/rec/たろう.ｷﾛｸ"), "/rec/");
    EXPECT_EQ(DirectoryOfPath("/たろう.ｷﾛｸ"), "/");
    EXPECT_EQ(RecordPathOf("/rec/", "たろう"), "/rec/たろう.ｷﾛｸ");
}
