#include <gtest/gtest.h>

#include <cmath>

#include "render/Colours.h"
#include "render/SceneFixture.h"
#include "render/SpaceDraw.h"

namespace td::test {
namespace {

// Pixels of a world point in the fixture's view (zoom 1, 15 twips a pixel).
PointI Px(float wx, float wy) {
    return {static_cast<std::int32_t>(std::nearbyint((wx + 4500.0f) / 15.0f)),
            static_cast<std::int32_t>(std::nearbyint((wy + 3000.0f) / 15.0f))};
}

struct SpaceDrawTest : ::testing::Test, SceneFixture {
    std::vector<PointI> Body(int lane, int s) { return SpaceBody(track, lane, s); }
};

TEST_F(SpaceDrawTest, GapIsTheRoadQuadBetweenASpaceAndItsSuccessor) {
    const int lane = AddStraightLane("Left", 2, 0.0f, 30.0f);
    Scene scene = Make();
    DrawSpaceGap(scene, lane, 0);
    const auto polys = surface.Of(Op::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    const Call& q = polys[0];
    EXPECT_EQ(q.fill, Col::RoadGrey);
    EXPECT_EQ(q.colour, Col::Black);
    EXPECT_EQ(q.penMode, PenCopy);
    EXPECT_EQ(q.fillStyle, FillSolid);
    const std::vector<PointI> expected = {Px(100, -50), Px(130, -50), Px(130, 50), Px(100, 50)};
    EXPECT_EQ(q.pixels, expected);

    surface.Reset();
    DrawSpaceGap(scene, lane, 1); // last space: no successor, no wrap-around
    DrawSpaceGap(scene, lane, 7); // outside the lane
    DrawSpaceGap(scene, 9, 0);    // no such lane
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(SpaceDrawTest, WireframeGapIsSidesAndDiagonals) {
    const int lane = AddStraightLane("Left", 2, 0.0f, 30.0f);
    display.Filled = false;
    Scene scene = Make();
    DrawSpaceGap(scene, lane, 0);
    const auto lines = surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].v, (std::vector<float>{SX(100), SY(-50), SX(130), SY(50)}));
    EXPECT_EQ(lines[3].v, (std::vector<float>{SX(130), SY(-50), SX(100), SY(50)}));
}

TEST_F(SpaceDrawTest, SpacesThatTouchGetFourPointBodies) {
    const int lane = AddStraightLane("Left", 3);
    EXPECT_EQ(Body(lane, 1).size(), 4u);
    // Within 2 units still counts as touching.
    track.Lanes[0].Spaces[2].Pt[1].x += 2.0f;
    track.Lanes[0].Spaces[2].Pt[4].y += 2.0f;
    EXPECT_EQ(Body(lane, 1).size(), 4u);
    track.Lanes[0].Spaces[2].Pt[1].x += 0.5f;
    EXPECT_EQ(Body(lane, 1).size(), 5u);
}

TEST_F(SpaceDrawTest, BodyExtendsHalfWayIntoBothGaps) {
    const int lane = AddStraightLane("Middle", 3, 0.0f, 20.0f);
    const std::vector<PointI> expected = {{110, -50}, {120, -50}, {320, -50}, {330, -50},
                                          {330, 50},  {320, 50},  {120, 50},  {110, 50}};
    EXPECT_EQ(Body(lane, 1), expected);
}

TEST_F(SpaceDrawTest, ClosedCircuitWrapsFromItsLastSpaceToItsFirst) {
    const int lane = AddLane("Middle");
    AddSpace(lane, 0.0f, 0.0f);
    AddSpace(lane, 220.0f, 0.0f);
    AddSpace(lane, -220.0f, 0.0f); // its front end (-120) meets the first space's rear
    EXPECT_TRUE(LaneIsClosed(track.Lanes[0]));
    const auto first = Body(lane, 0);
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(first[0], (PointI{-110, -50}));
    EXPECT_EQ(first[7], (PointI{-110, 50}));
    // Moving the last space away opens the circuit again.
    track.Lanes[0].Spaces[2].Pt[2].x -= 300.0f;
    EXPECT_FALSE(LaneIsClosed(track.Lanes[0]));
    EXPECT_EQ(Body(lane, 0).size(), 6u);
}

TEST_F(SpaceDrawTest, OpenLaneEndsAreNotStretchedToTheOtherEnd) {
    const int lane = AddStraightLane("Middle", 5, 0.0f, 20.0f);
    EXPECT_FALSE(LaneIsClosed(track.Lanes[0]));
    for (const PointI& p : Body(lane, 0))
        EXPECT_GE(p.x, -100);
    for (const PointI& p : Body(lane, 0))
        EXPECT_LE(p.x, 110);
    for (const PointI& p : Body(lane, 4))
        EXPECT_LE(p.x, 980);
    EXPECT_EQ(Body(lane, 0).size(), 6u);
    EXPECT_EQ(Body(lane, 4).size(), 6u);
}

TEST_F(SpaceDrawTest, GapCodesKeepTheBreakOpen) {
    const int lane = AddStraightLane("Middle", 4, 0.0f, 20.0f);
    auto& sp = track.Lanes[0].Spaces;
    sp[1].GapPart = Gap::GapStart;
    sp[2].GapPart = Gap::GapEnd;
    const auto start = Body(lane, 1);
    const auto end = Body(lane, 2);
    EXPECT_EQ(start, (std::vector<PointI>{
                         {110, -50}, {120, -50}, {320, -50}, {320, 50}, {120, 50}, {110, 50}}));
    EXPECT_EQ(end, (std::vector<PointI>{
                       {340, -50}, {540, -50}, {550, -50}, {550, 50}, {540, 50}, {340, 50}}));
    sp[1].GapPart = Gap::LastPartial;
    sp[2].GapPart = Gap::FirstPartial;
    EXPECT_EQ(Body(lane, 1), start);
    EXPECT_EQ(Body(lane, 2), end);
}

TEST_F(SpaceDrawTest, PitAndGarageLanesAreNeverExtended) {
    for (const char* name : {"Pit", "Garages"}) {
        SceneFixture f;
        const int lane = f.AddStraightLane(name, 3, 0.0f, 20.0f);
        EXPECT_EQ(SpaceBody(f.track, lane, 1).size(), 4u) << name;
    }
}

TEST_F(SpaceDrawTest, ShortLanesAreNeverCircuits) {
    // A lone space (or a pair) has no real neighbour beyond its ends, so
    // its body is just its four corners and it is filled, not degenerate.
    int lane = AddStraightLane("Left", 1);
    EXPECT_EQ(Body(lane, 0), (std::vector<PointI>{{-100, -50}, {100, -50}, {100, 50}, {-100, 50}}));
    lane = AddStraightLane("Right", 2, 0.0f, 30.0f);
    EXPECT_EQ(Body(lane, 0),
              (std::vector<PointI>{
                  {-100, -50}, {100, -50}, {115, -50}, {115, 50}, {100, 50}, {-100, 50}}));
    Scene scene = Make();
    DrawSpaceGap(scene, 0, 0);
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(SpaceDrawTest, BodyPointsRoundHalvesToEven) {
    const int lane = AddLane("Pit");
    AddSpace(lane, 0.5f, 1.5f);
    const std::vector<PointI> expected = {{-100, -48}, {100, -48}, {100, 52}, {-100, 52}};
    EXPECT_EQ(Body(lane, 0), expected);
}

TEST_F(SpaceDrawTest, FillByGarageTeamAndRedOutlineOnCornerArrowsOnlyWhenFilled) {
    EXPECT_EQ(SpaceFillColour(43), 0x0000FFu);
    EXPECT_EQ(SpaceFillColour(60), Col::RoadGrey);
    EXPECT_EQ(SpaceOutlineColour(25, Col::Black), Col::Black);
    const int lane = AddLane("Left");
    AddSpace(lane, 0, 0, 0, 1.0f, Sym::ArrowDoubleLeft);
    Scene scene = Make();
    Colour outline = Col::Black;
    DrawSpace(scene, lane, 0, outline, PenCopy, LineSolid);
    EXPECT_EQ(outline, Col::Red);
    ASSERT_EQ(surface.Of(Op::Polygon).size(), 1u);
    EXPECT_EQ(surface.Of(Op::Polygon)[0].colour, Col::Red);

    surface.Reset();
    display.Filled = false;
    outline = Col::Black;
    DrawSpace(scene, lane, 0, outline, PenCopy, LineSolid);
    EXPECT_EQ(outline, Col::Black);
    const auto lines = surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (const Call& c : lines)
        EXPECT_EQ(c.colour, Col::Black);
}

TEST_F(SpaceDrawTest, CullingIsOnTheCentreWithTwoHalfLengthsOfSlack) {
    view.Zoom = 2.0f; // slack 400 twips for the body, 200 for the overlays
    const int lane = AddLane("Pit");
    // Right edge at screen 9000: world x = (9000 - 4500) / 2 = 2250.
    AddSpace(lane, 2250.0f + 150.0f, 0.0f, 0, 1.0f, Sym::FinishCenter); // 300 twips out
    AddSpace(lane, 2250.0f + 201.0f, 0.0f);                             // 402 twips out
    AddSpace(lane, -2250.0f - 199.0f, 0.0f);                            // 398 twips out left
    Scene scene = Make();
    Colour outline = Col::Black;
    DrawSpace(scene, lane, 0, outline, PenCopy, LineSolid);
    EXPECT_EQ(surface.Count(Op::Polygon), 1u);
    EXPECT_FALSE(SpaceOverlaysVisible(scene, track.Lanes[0].Spaces[0]));
    EXPECT_FLOAT_EQ(bounds.MaxX, 2400.0f);

    surface.Reset();
    DrawSpace(scene, lane, 1, outline, PenCopy, LineSolid);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_FLOAT_EQ(bounds.MaxX, 2400.0f);

    DrawSpace(scene, lane, 2, outline, PenCopy, LineSolid);
    EXPECT_EQ(surface.Count(Op::Polygon), 1u);
    EXPECT_FLOAT_EQ(bounds.MinX, -2449.0f);
}

TEST_F(SpaceDrawTest, OverlayCullingAllowsOnlyHalfAWidthBelow) {
    const int lane = AddLane("Pit");
    AddSpace(lane, 0.0f, 3000.0f + 60.0f);  // 60 below the bottom edge
    AddSpace(lane, 0.0f, -3000.0f - 60.0f); // 60 above the top edge
    Scene scene = Make();
    EXPECT_FALSE(SpaceOverlaysVisible(scene, track.Lanes[0].Spaces[0]));
    EXPECT_TRUE(SpaceOverlaysVisible(scene, track.Lanes[0].Spaces[1]));
}

} // namespace
} // namespace td::test
