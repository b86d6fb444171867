#include <gtest/gtest.h>

#include "view/WindowLayout.h"

namespace td {
namespace {

WindowLayoutInput Window(float wPx, float hPx) {
    WindowLayoutInput in;
    in.windowWidth = wPx * 15.0f;
    in.windowHeight = hPx * 15.0f;
    in.toolbarHeight = 600.0f;
    in.statusBarHeight = 300.0f;
    return in;
}

TEST(FormResize, SmallWindowSnapsToTheMinimumSize) {
    const WindowLayout out = FormResize(Window(600, 400));
    EXPECT_TRUE(out.windowResized);
    EXPECT_FLOAT_EQ(out.windowWidth, 800.0f * 15.0f);
    EXPECT_FLOAT_EQ(out.windowHeight, 560.0f * 15.0f);
    EXPECT_FLOAT_EQ(out.areaWidth, 12000.0f - 100.0f);
    EXPECT_FLOAT_EQ(out.areaHeight, 8400.0f - 600.0f - 300.0f - 720.0f);
    // Only the side that is too small snaps.
    const WindowLayout wide = FormResize(Window(1000, 500));
    EXPECT_FLOAT_EQ(wide.windowWidth, 15000.0f);
    EXPECT_FLOAT_EQ(wide.windowHeight, 8400.0f);
}

TEST(FormResize, LargeWindowKeepsItsSize) {
    const WindowLayout out = FormResize(Window(1280, 900));
    EXPECT_FALSE(out.windowResized);
    EXPECT_FLOAT_EQ(out.windowWidth, 19200.0f);
    EXPECT_FLOAT_EQ(out.areaHeight, 13500.0f - 1620.0f);
}

TEST(FormResize, MinimisedWindowKeepsEverything) {
    WindowLayoutInput in = Window(100, 50);
    in.minimised = true;
    in.areaWidth = 7000.0f;
    in.areaHeight = 5000.0f;
    const WindowLayout out = FormResize(in);
    EXPECT_FALSE(out.windowResized);
    EXPECT_FLOAT_EQ(out.windowWidth, 1500.0f);
    EXPECT_FLOAT_EQ(out.areaWidth, 7000.0f);
    EXPECT_FLOAT_EQ(out.areaHeight, 5000.0f);
}

TEST(FormResize, HugeBarsNeverGiveANegativeArea) {
    WindowLayoutInput in = Window(800, 560);
    in.toolbarHeight = 9000.0f;
    EXPECT_FLOAT_EQ(FormResize(in).areaHeight, 0.0f);
}

TEST(FormResize, ScreenTooSmallForTheMinimumLowersIt) {
    // 1920 by 1080 at scale 2: 960 by 540 pixels; the minimum is three
    // quarters of that where the screen cannot hold it, else unchanged.
    WindowLayoutInput in = Window(500, 300);
    in.screenWidth = 960.0f * 15.0f;
    in.screenHeight = 540.0f * 15.0f;
    const WindowLayout out = FormResize(in);
    EXPECT_FLOAT_EQ(out.windowWidth, 720.0f * 15.0f);
    EXPECT_FLOAT_EQ(out.windowHeight, 405.0f * 15.0f);
    in.screenWidth = 1366.0f * 15.0f;
    in.screenHeight = 768.0f * 15.0f;
    EXPECT_FLOAT_EQ(FormResize(in).windowWidth, 800.0f * 15.0f);
    EXPECT_FLOAT_EQ(FormResize(in).windowHeight, 560.0f * 15.0f);
}

} // namespace
} // namespace td
