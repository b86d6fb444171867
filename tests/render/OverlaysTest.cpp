#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "render/Colours.h"
#include "render/Overlays.h"
#include "render/Pipeline.h"
#include "render/SceneFixture.h"

namespace td::test {
namespace {

// Exclusive-or drawing cancels when every primitive occurs an even number of
// times; this counts them.
bool AllCancel(const std::vector<Call>& calls) {
    std::map<std::tuple<int, std::vector<float>, Colour, int, int, Colour>, int> seen;
    for (const Call& c : calls) {
        if (!c.IsDrawing())
            continue;
        if (c.penMode != PenXor && c.penMode != PenInvert)
            return false;
        ++seen[std::make_tuple(static_cast<int>(c.op), c.v, c.colour, c.lineStyle, c.stateFillStyle,
                               c.stateFillColour)];
    }
    for (const auto& [k, n] : seen)
        if (n % 2 != 0)
            return false;
    return !seen.empty();
}

struct OverlaysTest : ::testing::Test, SceneFixture {};

TEST_F(OverlaysTest, WorldOriginMarkerIsACrossAndTwoCirclesInPinkXor) {
    view.Zoom = 2.0f;
    Scene scene = Make();
    DrawWorldCOR(scene);
    const auto circles = surface.Of(Op::Circle);
    ASSERT_EQ(surface.Count(Op::Line), 2u);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_FLOAT_EQ(circles[0].v[2], 150.0f);
    EXPECT_FLOAT_EQ(circles[1].v[2], 75.0f);
    for (const Call& c : surface.Drawing()) {
        EXPECT_EQ(c.colour, Col::Pink);
        EXPECT_EQ(c.penMode, PenXor);
    }
    surface.Reset();
    display.DrawWorldCOR = false;
    DrawWorldCOR(scene);
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(OverlaysTest, HighlightIsDottedOutlineCentreOfRotationAndTrackVector) {
    sel.WorkPts[0] = {0.0f, 0.0f};
    sel.WorkCOR = 2;
    Scene scene = Make();
    ComputeCurrentOutline(scene);
    const auto d = surface.Drawing();
    ASSERT_EQ(d.size(), 4u + 3u + 2u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d[static_cast<size_t>(i)].colour, Col::White);
        EXPECT_EQ(d[static_cast<size_t>(i)].lineStyle, LineDot);
    }
    // Centre-of-rotation cross at Pt[2] = (100, -50), not rotated.
    EXPECT_EQ(d[4].colour, Col::Cyan);
    EXPECT_EQ(d[4].v, (std::vector<float>{SX(50), SY(-50), SX(150), SY(-50)}));
    EXPECT_EQ(d[6].op, Op::Circle);
    EXPECT_FLOAT_EQ(d[6].v[2], 25.0f);
    // Chevron just in front of the space.
    EXPECT_EQ(d[7].colour, Col::Pink);
    EXPECT_NEAR(d[7].v[0], SX(120), 1e-3);
    EXPECT_NEAR(d[7].v[2], SX(150), 1e-3);
    EXPECT_NEAR(d[8].v[3], SY(50), 1e-3);
}

TEST_F(OverlaysTest, TrackVectorFollowsWorkingRotationAndScale) {
    sel.WorkPts[0] = {0.0f, 0.0f};
    sel.WorkRotation = 90;
    sel.WorkScale = 2.0f;
    display.DrawSpaceCOR = false;
    Scene scene = Make();
    ComputeCurrentOutline(scene);
    const auto d = surface.Drawing();
    ASSERT_EQ(d.size(), 6u); // no centre-of-rotation marker
    // Tip B = (200 + 50, 0) turned by 90 degrees: (0, 250).
    EXPECT_NEAR(d[4].v[2], SX(0), 1e-3);
    EXPECT_NEAR(d[4].v[3], SY(250), 1e-3);
}

TEST_F(OverlaysTest, HighlightDrawnTwiceCancels) {
    sel.WorkPts[0] = {30.0f, 40.0f};
    sel.WorkRotation = 33;
    Scene scene = Make();
    ComputeCurrentOutline(scene);
    DrawCurrentSpaceHighlight(scene);
    EXPECT_TRUE(AllCancel(surface.calls));
}

TEST_F(OverlaysTest, CornerFlagClothIsFilledBlueAndPoleIsAnOutline) {
    Corner c;
    c.Vtx[0] = {0.0f, 0.0f};
    DeriveCornerFlag(c);
    Scene scene = Make();
    DrawCornerFlag(scene, c, Col::White, PenXor, LineSolid);
    const auto boxes = surface.Of(Op::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].v, (std::vector<float>{SX(20), SY(-250), SX(180), SY(-90)}));
    EXPECT_EQ(boxes[0].stateFillStyle, FillSolid);
    EXPECT_EQ(boxes[0].stateFillColour, Col::Blue);
    EXPECT_EQ(boxes[1].v, (std::vector<float>{SX(-10), SY(-250), SX(0), SY(0)}));
    EXPECT_EQ(boxes[1].stateFillStyle, FillTransparent);
    DrawCornerFlag(scene, c, Col::White, PenXor, LineSolid);
    EXPECT_TRUE(AllCancel(surface.calls));
}

TEST_F(OverlaysTest, StopFlagsMarkEverySpaceOfTheCurrentCornersSegment) {
    OnlySymbols();
    display.DrawFlags = true;
    const int lane = AddStraightLane("Left", 5);
    const int segments[] = {2, 3, 3, 5, 0};
    for (int i = 0; i < 5; ++i)
        track.Lanes[0].Spaces[static_cast<size_t>(i)].Segment =
            static_cast<std::int16_t>(segments[i]);
    sel.CurCorner = 1; // segment 3
    Scene scene = Make();
    for (int s = 0; s < 5; ++s)
        DrawSpaceOverlays(scene, lane, s);
    const auto boxes = surface.Of(Op::Box);
    ASSERT_EQ(boxes.size(), 4u);
    // Cloth of the flag on space 1 (centre x = 200).
    EXPECT_EQ(boxes[0].v, (std::vector<float>{SX(180), SY(-30), SX(230), SY(10)}));
    EXPECT_EQ(boxes[0].stateFillColour, Col::Navy);
    EXPECT_EQ(boxes[0].colour, Col::White);
    EXPECT_EQ(boxes[0].penMode, PenXor);
    EXPECT_EQ(boxes[1].v, (std::vector<float>{SX(170), SY(-30), SX(175), SY(30)}));
    EXPECT_EQ(boxes[1].stateFillStyle, FillTransparent);

    surface.Reset();
    sel.CurCorner = -1;
    for (int s = 0; s < 5; ++s)
        DrawSpaceOverlays(scene, lane, s);
    EXPECT_EQ(surface.Count(Op::Box), 0u);
}

// Link letters --------------------------------------------------------------

struct LinkLettersTest : ::testing::Test, SceneFixture {
    LinkLettersTest() {
        OnlySymbols();
        display.DrawNext = true;
        display.DrawAdjacent = true;
        AddStraightLane("Left", 4, -100.0f);
        AddStraightLane("Middle", 4, 0.0f);
        AddStraightLane("Garages", 3, 300.0f);
        sel.PrimarySpace = MakeRef(1, 1);
    }
    Space& Primary() { return track.Lanes[1].Spaces[1]; }
    // Letters found per space: P by its arc, N by three lines at the rear
    // anchor, A by three lines at the front anchor.
    std::string Letters(int lane, int s) {
        surface.Reset();
        Scene scene = Make();
        DrawLinkLetters(scene, lane, s);
        std::string out;
        if (surface.Count(Op::Arc))
            out += "P";
        const float cx =
            track.Lanes[static_cast<size_t>(lane)].Spaces[static_cast<size_t>(s)].Pt[0].x;
        int rear = 0, front = 0;
        for (const Call& c : surface.Of(Op::Line)) {
            EXPECT_EQ(c.colour, Col::Yellow);
            EXPECT_EQ(c.penMode, PenXor);
            const float mid = (c.v[0] + c.v[2]) / 2.0f - 4500.0f;
            (mid < cx ? rear : front)++;
        }
        out += std::string(static_cast<size_t>(rear / 3), 'N');
        if (!out.empty() && out[0] == 'P')
            --front; // the P's stroke
        out += std::string(static_cast<size_t>(front / 3), 'A');
        return out;
    }
};

TEST_F(LinkLettersTest, PrimaryGetsPAndItsSuccessorGetsN) {
    EXPECT_EQ(Letters(1, 1), "P");
    EXPECT_EQ(Letters(1, 2), "N");
    EXPECT_EQ(Letters(1, 3), "");
    EXPECT_EQ(Letters(0, 2), "");
}

TEST_F(LinkLettersTest, PrimaryMarkIsAnUprightStrokeWithARightHalfBowl) {
    Primary().Rotation = 90; // turns the anchor, not the letter
    ComputeSpaceOutline(Primary());
    Scene scene = Make();
    DrawPrimaryMark(scene, Primary()); // centre (200, 0): anchor (200, 50)
    const auto arcs = surface.Of(Op::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0].v[0], SX(200), 1e-3);
    EXPECT_NEAR(arcs[0].v[1], SY(50 - 15.625f), 1e-3);
    EXPECT_NEAR(arcs[0].v[3], 271.0 * 3.14159265358979 / 180.0, 1e-5);
    EXPECT_NEAR(arcs[0].v[4], 91.0 * 3.14159265358979 / 180.0, 1e-5);
    EXPECT_FLOAT_EQ(arcs[0].v[5], 0.5f);
    const auto lines = surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].v[0], lines[0].v[2]);
}

TEST_F(LinkLettersTest, LinkedSpacesGetTheirLetters) {
    Primary().Nxt[1] = MakeRef(0, 2);
    Primary().Adj[3] = MakeRef(0, 1);
    EXPECT_EQ(Letters(0, 2), "N");
    EXPECT_EQ(Letters(0, 1), "A");
    EXPECT_EQ(Letters(0, 3), "");
}

TEST_F(LinkLettersTest, ASpaceNamedTwiceGetsOneLetterNotAnErasedOne) {
    Primary().Nxt[0] = MakeRef(1, 2); // also the successor
    Primary().Nxt[1] = MakeRef(1, 2);
    EXPECT_EQ(Letters(1, 2), "N");
    Primary().Adj[0] = MakeRef(0, 0);
    Primary().Adj[2] = MakeRef(0, 0);
    EXPECT_EQ(Letters(0, 0), "A");
}

TEST_F(LinkLettersTest, OptionsSwitchTheirOwnLettersOff) {
    Primary().Adj[0] = MakeRef(0, 1);
    display.DrawNext = false;
    EXPECT_EQ(Letters(1, 2), "");
    EXPECT_EQ(Letters(0, 1), "A");
    EXPECT_EQ(Letters(1, 1), "P");
    display.DrawAdjacent = false;
    EXPECT_EQ(Letters(1, 1), "");
    display.DrawNext = true;
    EXPECT_EQ(Letters(0, 1), "");
}

TEST_F(LinkLettersTest, NoSuccessorMarkAtTheLaneEndOrInTheGarages) {
    sel.PrimarySpace = MakeRef(1, 3);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(Letters(1, s), s == 3 ? "P" : "");
    sel.PrimarySpace = MakeRef(2, 0);
    EXPECT_EQ(Letters(2, 1), "");
}

TEST_F(LinkLettersTest, DanglingReferencesAreSkipped) {
    Primary().Nxt[0] = MakeRef(7, 0);
    Primary().Nxt[1] = MakeRef(0, 999);
    Primary().Adj[0] = 32767;
    Scene scene = Make();
    for (int l = 0; l < 3; ++l)
        for (int s = 0; s < 4; ++s)
            DrawLinkLetters(scene, l, s);
    EXPECT_EQ(surface.Count(Op::Arc), 1u);
    sel.PrimarySpace = MakeRef(1, 50); // names no space: treated as none
    surface.Reset();
    for (int s = 0; s < 4; ++s)
        DrawLinkLetters(scene, 1, s);
    EXPECT_TRUE(surface.calls.empty());
    sel.PrimarySpace = NoSpace;
    DrawLinkLetters(scene, 1, 1);
    EXPECT_TRUE(surface.calls.empty());
}

} // namespace
} // namespace td::test
