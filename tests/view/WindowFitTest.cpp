#include <gtest/gtest.h>

#include "view/WindowFit.h"

namespace td {
namespace {

void ExpectRect(const PixelRect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(FitToScreen, WindowLargerOrBesideTheScreenOpensWholeOnIt) {
    const PixelRect screen{0, 0, 960, 540};
    // 800 by 600 centred on a 540-pixel-high screen: the title bar above it.
    ExpectRect(FitToScreen({80, -30, 800, 600}, screen), 80, 0, 800, 540);
    // With a frame, the title bar and the borders stay on the screen too.
    ExpectRect(FitToScreen({80, -30, 800, 600}, screen, {4, 30, 4, 4}), 80, 30, 800, 506);
    // Stored on a second screen that is gone.
    ExpectRect(FitToScreen({2500, 900, 700, 400}, screen), 260, 140, 700, 400);
    // A window that fits stays where it is; a second screen left of the
    // first counts from its own corner.
    ExpectRect(FitToScreen({30, 40, 700, 400}, screen), 30, 40, 700, 400);
    ExpectRect(FitToScreen({-900, 10, 700, 400}, {-1366, 0, 1366, 768}), -900, 10, 700, 400);
    // A frame larger than the screen still leaves a window, title bar in view.
    ExpectRect(FitToScreen({5, 5, 100, 100}, {0, 0, 50, 50}, {0, 60, 0, 0}), 0, 60, 50, 1);
    // No screen known: as wanted.
    ExpectRect(FitToScreen({-50, -50, 900, 700}, {}), -50, -50, 900, 700);
}

TEST(FittedMinimum, LowersTheMinimumOnlyWhereTheScreenIsTooSmall) {
    EXPECT_EQ(FittedMinimum(560, 768), 560);
    EXPECT_EQ(FittedMinimum(560, 540), 405);
    EXPECT_EQ(FittedMinimum(800, 0), 800);
    EXPECT_EQ(FittedMinimum(800, 1), 1);
}

} // namespace
} // namespace td
