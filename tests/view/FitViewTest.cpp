#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/SpaceGeometry.h"
#include "view/FitView.h"
#include "view/ViewTransform.h"

namespace td {
namespace {

Space SpaceAt(float x, float y, std::int16_t rotation) {
    Space s;
    s.Pt[0] = {x, y};
    s.Rotation = rotation;
    ComputeSpaceOutline(s);
    return s;
}

// Two spaces and a polygon far to the lower left of them.
Track SpreadTrack() {
    Track t;
    t.Lanes.resize(3);
    t.Lanes[1].Spaces = {SpaceAt(1000, 200, 0), SpaceAt(5000, 300, 90)};
    t.BackPolys.push_back(BackPoly{2, 0, 0, {{-3000, 2000}, {-2500, 2600}, {-2000, 2100}}});
    return t;
}

ViewState Area(float w, float h) {
    ViewState v;
    v.AreaWidth = w;
    v.AreaHeight = h;
    v.Zoom = 7.0f;
    return v;
}

TEST(FitTrackInView, ShowsEverySpaceAndPolygonWithTheMarginOnTheTightSide) {
    const Track track = SpreadTrack();
    for (const auto& [w, h] : {std::pair{12000.0f, 9000.0f}, std::pair{30000.0f, 4500.0f}}) {
        ViewState v = Area(w, h);
        ASSERT_TRUE(FitTrackInView(v, track));
        const float margin = FitMarginPixels * v.TwipsPerPixelX;
        float minX = w, maxX = 0, minY = h, maxY = 0;
        auto see = [&](float wx, float wy) {
            const float sx = WorldToScreenX(v, wx), sy = WorldToScreenY(v, wy);
            EXPECT_GE(sx, margin - 1);
            EXPECT_LE(sx, w - margin + 1);
            EXPECT_GE(sy, margin - 1);
            EXPECT_LE(sy, h - margin + 1);
            minX = std::min(minX, sx), maxX = std::max(maxX, sx);
            minY = std::min(minY, sy), maxY = std::max(maxY, sy);
        };
        for (const Space& s : track.Lanes[1].Spaces)
            for (const PointF& p : s.Pt)
                see(p.x, p.y);
        for (const PointI& p : track.BackPolys[0].Vtxs)
            see(static_cast<float>(p.x), static_cast<float>(p.y));
        // Centred, and filling the tighter direction up to the margin (the
        // zoom is rounded down by less than one per cent).
        EXPECT_NEAR(minX + maxX, w, 2);
        EXPECT_NEAR(minY + maxY, h, 2);
        const float fill =
            std::max((maxX - minX) / (w - 2 * margin), (maxY - minY) / (h - 2 * margin));
        EXPECT_GT(fill, 0.99f);
        EXPECT_LE(fill, 1.0f + 1e-5f);
    }
}

TEST(FitTrackInView, ReadableZoomAndNoRunawayOnDegenerateTracks) {
    ViewState v = Area(12000, 9000);
    ASSERT_TRUE(FitTrackInView(v, SpreadTrack()));
    // Three significant digits: the status bar shows "Zoom Level:1.05", not 1.0547.
    const double scaled = v.Zoom * std::pow(10.0, 2 - std::floor(std::log10(v.Zoom)));
    EXPECT_NEAR(scaled, std::round(scaled), 1e-3);

    // A single vertex is shown as if it were a space long, not at an endless zoom.
    Track dot;
    dot.BackPolys.push_back(BackPoly{2, 0, 0, {{500, 500}}});
    ASSERT_TRUE(FitTrackInView(v, dot));
    EXPECT_TRUE(std::isfinite(v.Zoom));
    EXPECT_LE(v.Zoom, 9000.0f / (2 * SpaceHalfLength));
    EXPECT_NEAR(WorldToScreenX(v, 500), 6000, 1);

    // Points a damaged file put at infinity are left out; far-apart finite
    // ones still give a positive zoom.
    Track odd = dot;
    odd.BackPolys[0].Vtxs.push_back({std::numeric_limits<std::int32_t>::max(), 0});
    odd.BackPolys[0].Vtxs.push_back({std::numeric_limits<std::int32_t>::min(), 0});
    odd.Lanes.resize(1);
    odd.Lanes[0].Spaces.push_back(SpaceAt(std::numeric_limits<float>::infinity(), 0, 0));
    ASSERT_TRUE(FitTrackInView(v, odd));
    EXPECT_GT(v.Zoom, 0.0f);
    EXPECT_TRUE(std::isfinite(v.OffsetX));
}

TEST(FitTrackInView, NothingToShowOrNoRoomCentresTheOriginAndKeepsTheZoom) {
    ViewState v = Area(12000, 9000);
    EXPECT_FALSE(FitTrackInView(v, Track{}));
    EXPECT_EQ(v.Zoom, 7.0f);
    EXPECT_EQ(v.OffsetX, 6000.0f);
    EXPECT_EQ(v.OffsetY, 4500.0f);

    ViewState hidden = Area(0, 0);
    EXPECT_FALSE(FitTrackInView(hidden, SpreadTrack()));
    EXPECT_EQ(hidden.Zoom, 7.0f);
    // A sliver of an area still shows the track, margin shrunk to fit.
    ViewState sliver = Area(30, 30);
    EXPECT_TRUE(FitTrackInView(sliver, SpreadTrack()));
    EXPECT_GT(sliver.Zoom, 0.0f);
}

} // namespace
} // namespace td
