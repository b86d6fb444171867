#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "view/ViewTransform.h"

namespace td {
namespace {

ViewState View(float zoom, float ox, float oy) {
    ViewState v;
    v.Zoom = zoom;
    v.OffsetX = ox;
    v.OffsetY = oy;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6000.0f;
    return v;
}

TEST(ViewTransform, WorldAndScreenRoundTripThroughZoomAndOffset) {
    const ViewState v = View(2.5f, 4500.0f, 3000.0f);
    EXPECT_FLOAT_EQ(WorldToScreenX(v, 100.0f), 4750.0f);
    EXPECT_FLOAT_EQ(WorldToScreenY(v, -200.0f), 2500.0f);
    EXPECT_FLOAT_EQ(ScreenToWorldX(v, 4750.0f), 100.0f);
    EXPECT_FLOAT_EQ(ScreenToWorldY(v, 2500.0f), -200.0f);
    EXPECT_FLOAT_EQ(WorldToScreenLength(v, 75.0f), 187.5f);
}

TEST(ViewTransform, PixelConversionRoundsHalvesToEven) {
    // (w * 1 + 0) / 15: 22.5 -> 22, 37.5 -> 38, -7.5 -> -8.
    const ViewState v = View(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(WorldToPixelX(v, 337.5f), 22);
    EXPECT_EQ(WorldToPixelX(v, 562.5f), 38);
    EXPECT_EQ(WorldToPixelY(v, -112.5f), -8);
    EXPECT_EQ(WorldToPixel(v, PointI{150, 30}), (PointI{10, 2}));
}

TEST(ViewTransform, PixelConversionSaturatesInsteadOfOverflowing) {
    const ViewState v = View(1e30f, 0.0f, 0.0f);
    EXPECT_EQ(WorldToPixelX(v, 1e9f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(WorldToPixelY(v, -1e9f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(ViewTransform, LineIsVisibleOnlyWithAnEndStrictlyInside) {
    const ViewState v = View(1.0f, 0.0f, 0.0f);
    // Crossing the whole area with both ends outside: not drawn.
    EXPECT_FALSE(LineVisible(v, -10.0f, -10.0f, 9010.0f, 6010.0f));
    EXPECT_TRUE(LineVisible(v, 1.0f, 1.0f, 9010.0f, 6010.0f));
    EXPECT_TRUE(LineVisible(v, -10.0f, -10.0f, 8999.0f, 5999.0f));
    // The border itself is outside.
    EXPECT_FALSE(LineVisible(v, 0.0f, 10.0f, 9000.0f, 10.0f));
    EXPECT_FALSE(LineVisible(v, 10.0f, 0.0f, 10.0f, 6000.0f));
}

TEST(ViewTransform, EmptyAreaShowsNoLine) {
    ViewState v;
    EXPECT_FALSE(LineVisible(v, 0.0f, 0.0f, 1.0f, 1.0f));
}

} // namespace
} // namespace td
