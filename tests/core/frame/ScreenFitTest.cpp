#include "core/frame/ScreenFit.h"

#include <gtest/gtest.h>

namespace {
// A wide screen on the left and a smaller one on its right, both below a 30-pixel panel.
const std::vector<CRect> kScreens{{0, 30, 1920, 1080}, {1920, 30, 2720, 600}};
constexpr int kCaption = 24;

struct Placement
{
    const char* what;
    CPoint pt;
    std::size_t nPrimary;
    CPoint expected;
};
} // namespace

TEST(ScreenFit, AWindowWhoseTitleBarCannotBeGrabbedComesOnItsScreen)
{
    const Placement cases[] = {
        {"on the left screen", {100, 100}, 0, {100, 100}},
        {"on the right screen", {2000, 100}, 0, {2000, 100}},
        {"title bar above the top", {100, 20}, 0, {100, 30}},
        {"title bar below the bottom", {100, 1070}, 0, {100, 1080 - 300}},
        {"above the right screen", {2300, -100}, 0, {2300, 30}},
        {"on no screen, the left one primary", {-9000, -9000}, 0, {0, 30}},
        {"on no screen, the right one primary", {-9000, -9000}, 1, {1920, 30}},
    };
    for (const Placement& c : cases)
        EXPECT_EQ(BringOnScreen(c.pt, 400, 300, kScreens, c.nPrimary, kCaption), c.expected) << c.what;
    EXPECT_EQ(BringOnScreen({-9000, 5}, 400, 300, {}, 0, kCaption), (CPoint{-9000, 5})); // no screens known
}

TEST(ScreenFit, AStoredWindowLargerThanItsScreenIsHeldToIt)
{
    EXPECT_EQ(FitOnScreen({0, 30, 5000, 3030}, kScreens, 0, kCaption), (CRect{0, 30, 1920, 1080}));
    EXPECT_EQ(FitOnScreen({1950, 40, 5000, 3000}, kScreens, 0, kCaption), (CRect{1950, 40, 2750, 610}));
    WINDOWPLACEMENT wp;
    wp.left = 0;
    wp.top = 0;
    wp.right = 100000;
    wp.bottom = 100000;
    EXPECT_EQ(FitOnScreen(ChartWindowRect(wp), kScreens, 1, kCaption), (CRect{0, 30, 1920, 1080}));
    EXPECT_EQ(FitOnScreen({100, 100, 900, 700}, kScreens, 0, kCaption), (CRect{100, 100, 900, 700}));
}
