#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "view/ViewTransform.h"

namespace td {
namespace {

TEST(ViewTransform, PixelConversionRoundsHalvesToEvenAndSaturates) {
    ViewState v;
    v.Zoom = 1.0f;
    // (w * 1 + 0) / 15: 22.5 -> 22, 37.5 -> 38, -7.5 -> -8.
    EXPECT_EQ(WorldToPixelX(v, 337.5f), 22);
    EXPECT_EQ(WorldToPixelX(v, 562.5f), 38);
    EXPECT_EQ(WorldToPixelY(v, -112.5f), -8);
    v.Zoom = 1e30f;
    EXPECT_EQ(WorldToPixelX(v, 1e9f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(WorldToPixelY(v, -1e9f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(ViewTransform, LineIsVisibleOnlyWithAnEndStrictlyInside) {
    ViewState v;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6000.0f;
    EXPECT_FALSE(LineVisible(v, -10.0f, -10.0f, 9010.0f, 6010.0f)); // crosses, both ends out
    EXPECT_TRUE(LineVisible(v, 1.0f, 1.0f, 9010.0f, 6010.0f));
    EXPECT_TRUE(LineVisible(v, -10.0f, -10.0f, 8999.0f, 5999.0f));
    EXPECT_FALSE(LineVisible(v, 0.0f, 10.0f, 9000.0f, 10.0f)); // the border is outside
    EXPECT_FALSE(LineVisible(v, 10.0f, 0.0f, 10.0f, 6000.0f));
}

} // namespace
} // namespace td
