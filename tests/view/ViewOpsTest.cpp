#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "view/ViewOps.h"
#include "view/ViewTransform.h"

namespace td {
namespace {

TEST(ChangeZoom, StepsDownFromDefaultAndStopsAtThreeQuarters) {
    ViewState v;
    std::vector<float> seen;
    while (ChangeZoom(v, -0.25f))
        seen.push_back(v.Zoom);
    EXPECT_EQ(seen, (std::vector<float>{2.25f, 2.0f, 1.75f, 1.5f, 1.25f, 1.0f, 0.75f}));
}

TEST(ChangeZoom, ZeroDeltaCountsAsZoomingOutButZoomingInIsUnlimited) {
    ViewState v;
    v.Zoom = 0.5f;
    EXPECT_FALSE(ChangeZoom(v, 0.0f));
    EXPECT_TRUE(ChangeZoom(v, 0.25f));
    EXPECT_FLOAT_EQ(v.Zoom, 0.75f);
    v.Zoom = 1000.0f;
    EXPECT_TRUE(ChangeZoom(v, 0.25f));
    EXPECT_FLOAT_EQ(v.Zoom, 1000.25f);
}

TEST(ZoomPanelText, IsLabelDirectlyFollowedByShortestDecimal) {
    EXPECT_EQ(ZoomPanelText(2.25f), "Zoom Level:2.25");
    EXPECT_EQ(ZoomPanelText(3.0f), "Zoom Level:3");
    // 0.1f is not exactly 0.1; the shortest text that reads back as it is.
    EXPECT_EQ(ZoomPanelText(0.1f), "Zoom Level:0.1");
}

TEST(Centring, OriginOrSpaceOrClickedPointGoesToTheMiddle) {
    ViewState v;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6001.0f;
    for (float zoom : {0.75f, 7.0f}) {
        v.Zoom = zoom;
        CenterView(v);
        EXPECT_FLOAT_EQ(WorldToScreenX(v, 0.0f), 4500.0f);
        EXPECT_FLOAT_EQ(WorldToScreenY(v, 0.0f), 3000.5f);
        CenterSpace(v, 400.0f, -120.0f);
        EXPECT_FLOAT_EQ(WorldToScreenX(v, 400.0f), 4500.0f);
        EXPECT_FLOAT_EQ(WorldToScreenY(v, -120.0f), 3000.5f);
    }
    const float wx = ScreenToWorldX(v, 1000.0f);
    const float wy = ScreenToWorldY(v, 5000.0f);
    CenterOnPoint(v, 1000.0f, 5000.0f);
    EXPECT_FLOAT_EQ(WorldToScreenX(v, wx), 4500.0f);
    EXPECT_FLOAT_EQ(WorldToScreenY(v, wy), 3000.5f);
}

TEST(ResizeArea, KeepsTheWorldPointAtTheCentreAndRefusesBadSizes) {
    ViewState v;
    v.Zoom = 3.0f;
    v.AreaWidth = 12000.0f;
    v.AreaHeight = 9000.0f;
    CenterSpace(v, 250.0f, -40.0f);
    // A window opened small and then maximised, then made smaller again.
    for (auto [w, h] : {std::pair{28800.0f, 16200.0f}, std::pair{6000.0f, 4000.0f}}) {
        ResizeArea(v, w, h);
        EXPECT_FLOAT_EQ(v.AreaWidth, w);
        EXPECT_FLOAT_EQ(WorldToScreenX(v, 250.0f), w / 2.0f);
        EXPECT_FLOAT_EQ(WorldToScreenY(v, -40.0f), h / 2.0f);
    }
    // A nonsense size counts as no room; the offsets stay finite.
    ResizeArea(v, std::nanf(""), -5.0f);
    EXPECT_EQ(v.AreaWidth, 0.0f);
    EXPECT_EQ(v.AreaHeight, 0.0f);
    EXPECT_TRUE(std::isfinite(v.OffsetX));
    EXPECT_FLOAT_EQ(WorldToScreenY(v, -40.0f), 0.0f);
}

TEST(Centring, BesideACoveringWindowUsesTheLargestFreeStrip) {
    ViewState v;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6000.0f;
    v.Zoom = 2.0f;
    struct Case {
        AreaRect cover;
        float x, y;
    };
    for (const Case& c : {
             Case{{6000, 1000, 9000, 5000}, 3000, 3000},  // on the right: the left strip
             Case{{-500, -500, 2000, 9000}, 5500, 3000},  // past the left edge, clipped
             Case{{0, 0, 9000, 4000}, 4500, 5000},        // across the top: below it
             Case{{1000, 4500, 8000, 7000}, 4500, 2250},  // along the bottom: above it
             Case{{0, 0, 9000, 6000}, 4500, 3000},        // everything: the centre
             Case{{9500, 0, 12000, 6000}, 4500, 3000},    // beside the area: the centre
             Case{{3000, 3000, 3000, 5000}, 4500, 3000},  // empty
         }) {
        CenterSpaceBeside(v, 400.0f, -120.0f, c.cover);
        EXPECT_FLOAT_EQ(WorldToScreenX(v, 400.0f), c.x) << c.cover.Left << "," << c.cover.Top;
        EXPECT_FLOAT_EQ(WorldToScreenY(v, -120.0f), c.y) << c.cover.Left << "," << c.cover.Top;
    }
}

TEST(SelectGrid, PicksThePairOfTheKeyAndIgnoresOthers) {
    ViewState v;
    EXPECT_TRUE(SelectGrid(v, "GridCoarse"));
    EXPECT_FLOAT_EQ(v.CurrentGrid.Distance, 150.0f);
    EXPECT_EQ(v.CurrentGrid.Angle, 15);
    EXPECT_FALSE(SelectGrid(v, "GridHuge"));
    EXPECT_EQ(v.CurrentGrid.Angle, 15);
    EXPECT_TRUE(SelectGrid(v, "GridFine"));
    EXPECT_EQ(v.CurrentGrid.Angle, 1);
}

} // namespace
} // namespace td
