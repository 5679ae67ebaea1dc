#include "core/base/MulDiv.h"

#include <climits>
#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZeroWithAWideProduct)
{
    struct Row
    {
        int a, b, c, expected;
    };
    const Row rows[] = {
        {200, 5, 85, 12},
        {200, 25, 85, 59},
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {5, -1, 2, -3},
        {-5, -1, 2, 3},
        {5, 1, -2, -3},
        {7, 1, 3, 2},
        {8, 1, 3, 3},
        {12, 7, 2, 42},
        {0, 5, 3, 0},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MAX, 2, 4, 1073741824},
        {INT_MIN, 1, 1, INT_MIN},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MulDiv(r.a, r.b, r.c), r.expected) << r.a << "*" << r.b << "/" << r.c;
}

TEST(MulDiv, ZeroDivisorAndOverflowGiveMinusOne)
{
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}
