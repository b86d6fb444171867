#include <gtest/gtest.h>

#include "view/ViewOps.h"
#include "view/ViewTransform.h"

namespace td {
namespace {

TEST(ChangeZoom, StepsDownFromDefaultAndStopsAtThreeQuarters) {
    ViewState v;
    std::vector<float> seen;
    while (ChangeZoom(v, -0.25f))
        seen.push_back(v.Zoom);
    const std::vector<float> expected = {2.25f, 2.0f, 1.75f, 1.5f, 1.25f, 1.0f, 0.75f};
    EXPECT_EQ(seen, expected);
    EXPECT_FLOAT_EQ(v.Zoom, 0.75f);
}

TEST(ChangeZoom, ZeroDeltaCountsAsZoomingOut) {
    ViewState v;
    v.Zoom = 0.5f;
    EXPECT_FALSE(ChangeZoom(v, 0.0f));
    EXPECT_FLOAT_EQ(v.Zoom, 0.5f);
    // Above the limit a zero delta is a (no-op) change that still counts.
    v.Zoom = 1.0f;
    EXPECT_TRUE(ChangeZoom(v, 0.0f));
    EXPECT_FLOAT_EQ(v.Zoom, 1.0f);
}

TEST(ChangeZoom, ZoomingInHasNoUpperLimitAndWorksBelowTheFloor) {
    ViewState v;
    v.Zoom = 0.5f;
    EXPECT_TRUE(ChangeZoom(v, 0.25f));
    EXPECT_FLOAT_EQ(v.Zoom, 0.75f);
    v.Zoom = 1000.0f;
    EXPECT_TRUE(ChangeZoom(v, 0.25f));
    EXPECT_FLOAT_EQ(v.Zoom, 1000.25f);
}

TEST(ChangeZoom, OtherViewFieldsStayUntouched) {
    ViewState v;
    v.Zoom = 0.75f;
    v.OffsetX = 12.0f;
    v.OffsetY = 34.0f;
    EXPECT_FALSE(ChangeZoom(v, -0.25f));
    EXPECT_FLOAT_EQ(v.OffsetX, 12.0f);
    EXPECT_FLOAT_EQ(v.OffsetY, 34.0f);
}

TEST(ZoomPanelText, IsLabelDirectlyFollowedByShortestDecimal) {
    EXPECT_EQ(ZoomPanelText(2.25f), "Zoom Level:2.25");
    EXPECT_EQ(ZoomPanelText(3.0f), "Zoom Level:3");
    EXPECT_EQ(ZoomPanelText(0.75f), "Zoom Level:0.75");
    // 0.1f is not exactly 0.1; the shortest text that reads back as it is.
    EXPECT_EQ(ZoomPanelText(0.1f), "Zoom Level:0.1");
}

TEST(Centring, CenterViewPutsOriginInTheMiddleAtAnyZoom) {
    for (float zoom : {0.75f, 2.5f, 7.0f}) {
        ViewState v;
        v.Zoom = zoom;
        v.AreaWidth = 9000.0f;
        v.AreaHeight = 6001.0f;
        CenterView(v);
        EXPECT_FLOAT_EQ(WorldToScreenX(v, 0.0f), 4500.0f);
        EXPECT_FLOAT_EQ(WorldToScreenY(v, 0.0f), 3000.5f);
    }
}

TEST(Centring, CenterSpacePutsTheSpaceCentreInTheMiddle) {
    ViewState v;
    v.Zoom = 1.75f;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6000.0f;
    CenterSpace(v, 400.0f, -120.0f);
    EXPECT_FLOAT_EQ(WorldToScreenX(v, 400.0f), 4500.0f);
    EXPECT_FLOAT_EQ(WorldToScreenY(v, -120.0f), 3000.0f);
}

TEST(Centring, CenterOnPointMovesTheClickedPointToTheMiddle) {
    ViewState v;
    v.Zoom = 2.0f;
    v.OffsetX = 100.0f;
    v.OffsetY = 200.0f;
    v.AreaWidth = 9000.0f;
    v.AreaHeight = 6000.0f;
    const float wx = ScreenToWorldX(v, 1000.0f);
    const float wy = ScreenToWorldY(v, 5000.0f);
    CenterOnPoint(v, 1000.0f, 5000.0f);
    EXPECT_FLOAT_EQ(WorldToScreenX(v, wx), 4500.0f);
    EXPECT_FLOAT_EQ(WorldToScreenY(v, wy), 3000.0f);
}

TEST(PanView, MovesByWorldDistanceTimesZoom) {
    ViewState v;
    v.Zoom = 2.0f;
    v.OffsetX = 10.0f;
    v.OffsetY = 20.0f;
    PanView(v, 125.0f, -5.0f);
    EXPECT_FLOAT_EQ(v.OffsetX, 260.0f);
    EXPECT_FLOAT_EQ(v.OffsetY, 10.0f);
}

TEST(SelectGrid, PicksThePairOfTheKeyAndIgnoresOthers) {
    ViewState v;
    EXPECT_TRUE(SelectGrid(v, "GridCoarse"));
    EXPECT_FLOAT_EQ(v.CurrentGrid.Distance, 150.0f);
    EXPECT_EQ(v.CurrentGrid.Angle, 15);
    EXPECT_TRUE(SelectGrid(v, "GridFine"));
    EXPECT_FLOAT_EQ(v.CurrentGrid.Distance, 5.0f);
    EXPECT_EQ(v.CurrentGrid.Angle, 1);
    EXPECT_FALSE(SelectGrid(v, "GridHuge"));
    EXPECT_FLOAT_EQ(v.CurrentGrid.Distance, 5.0f);
    EXPECT_TRUE(SelectGrid(v, "GridMedium"));
    EXPECT_EQ(v.CurrentGrid.Angle, 5);
}

} // namespace
} // namespace td
