#include <gtest/gtest.h>

#include "render/Colours.h"
#include "render/Pipeline.h"
#include "render/SceneFixture.h"

namespace td::test {
namespace {

bool IsPolygonFilledWith(const Call& c, Colour fill) {
    return c.op == Op::Polygon && c.fill == fill;
}

struct PipelineTest : ::testing::Test, SceneFixture {
    void SetUp() override {
        AddStraightLane("Left", 3, -100.0f, 20.0f);
        AddStraightLane("Middle", 3, 0.0f, 20.0f);
        track.Lanes[0].Spaces[1].Symbol = Sym::ArrowLight;
        BackPoly poly;
        poly.Detail = 1;
        poly.FillColor = 0x123456;
        poly.OutlineColor = 0x654321;
        poly.Vtxs = {{-500, -500}, {500, -500}, {0, 500}};
        track.BackPolys.push_back(poly);
        Corner c;
        c.Vtx[0] = {0.0f, 300.0f};
        DeriveCornerFlag(c);
        track.Corners.push_back(c);
        sel.CurCorner = 0;
        sel.CurPoly = 5;
        track.BackColor = 0x1B7913;
    }
};

TEST_F(PipelineTest, DrawsTheLayersInStackingOrder) {
    Scene scene = Make();
    RefreshView(scene);
    const auto& calls = surface.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, Op::Clear);
    EXPECT_EQ(calls[1].op, Op::SetBackColor);
    EXPECT_EQ(calls[1].colour, 0x1B7913u);

    const int poly =
        surface.IndexOf([](const Call& c) { return IsPolygonFilledWith(c, 0x123456); });
    const int firstGap =
        surface.IndexOf([](const Call& c) { return IsPolygonFilledWith(c, Col::RoadGrey); });
    const int firstSpace =
        surface.IndexOf([](const Call& c) { return IsPolygonFilledWith(c, Col::SpaceGrey); });
    int lastGap = -1, lastSpace = -1;
    for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
        if (IsPolygonFilledWith(calls[static_cast<size_t>(i)], Col::RoadGrey))
            lastGap = i;
        if (IsPolygonFilledWith(calls[static_cast<size_t>(i)], Col::SpaceGrey))
            lastSpace = i;
    }
    const int flag = surface.IndexOf([](const Call& c) {
        return c.op == Op::Box && c.stateFillColour == Col::Blue && c.stateFillStyle == FillSolid;
    });
    const int highlight = surface.IndexOf([](const Call& c) {
        return c.op == Op::Line && c.lineStyle == LineDot && c.colour == Col::White;
    });
    const int worldCor =
        surface.IndexOf([](const Call& c) { return c.op == Op::Circle && c.colour == Col::Pink; });

    ASSERT_GE(poly, 0);
    EXPECT_LT(poly, firstGap);
    EXPECT_LT(lastGap, firstSpace);
    EXPECT_LT(lastSpace, flag);
    EXPECT_LT(flag, highlight);
    EXPECT_LT(highlight, worldCor);
    EXPECT_EQ(surface.Of(Op::Polygon).size(), 1u + 4u + 6u);
}

TEST_F(PipelineTest, OverlaysOfASpaceComeRightAfterItsBody) {
    Scene scene = Make();
    RefreshView(scene);
    // The arrow of space 1 of lane 0 lies between that space's body and the next body.
    std::vector<int> bodies;
    for (int i = 0; i < static_cast<int>(surface.calls.size()); ++i)
        if (IsPolygonFilledWith(surface.calls[static_cast<size_t>(i)], Col::SpaceGrey) ||
            surface.calls[static_cast<size_t>(i)].colour == Col::Red)
            bodies.push_back(i);
    ASSERT_EQ(bodies.size(), 6u);
    const int arrow = surface.IndexOf(
        [](const Call& c) { return c.op == Op::Line && c.colour == Col::Black; }, bodies[0]);
    EXPECT_GT(arrow, bodies[1]);
    EXPECT_LT(arrow, bodies[2]);
}

TEST_F(PipelineTest, WireframeUsesAWhiteBackgroundAndHiddenAreaNothing) {
    display.Filled = false;
    Scene wire = Make();
    RefreshView(wire);
    EXPECT_EQ(surface.calls[1].colour, Col::White);
    EXPECT_EQ(surface.Count(Op::Polygon), 0u);
    surface.Reset();
    visible = false;
    Scene scene = Make();
    RefreshView(scene);
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(PipelineTest, CornerFlagsNeedTheOptionAndACurrentCorner) {
    auto flags = [this] {
        surface.Reset();
        Scene scene = Make();
        RefreshView(scene);
        return surface.IndexOf([](const Call& c) {
            return c.op == Op::Box && c.stateFillColour == Col::Blue &&
                   c.stateFillStyle == FillSolid;
        });
    };
    EXPECT_GE(flags(), 0);
    sel.CurCorner = -1;
    EXPECT_EQ(flags(), -1);
    sel.CurCorner = 0;
    display.DrawFlags = false;
    EXPECT_EQ(flags(), -1);
}

TEST_F(PipelineTest, RecomputesTheWorkingCopyOutlineAndHighlightsIt) {
    sel.WorkPts[0] = {1000.0f, 0.0f};
    sel.WorkRotation = 90;
    sel.WorkScale = 1.0f;
    Scene scene = Make();
    RefreshView(scene);
    EXPECT_NEAR(sel.WorkPts[1].x, 1050.0f, 1e-3);
    EXPECT_NEAR(sel.WorkPts[1].y, -100.0f, 1e-3);
    const auto dotted = surface.WithColour(Col::White);
    int edges = 0;
    for (const Call& c : dotted)
        if (c.op == Op::Line && c.lineStyle == LineDot && c.penMode == PenXor)
            ++edges;
    EXPECT_EQ(edges, 4);
}

TEST_F(PipelineTest, TrackBoundsGrowWithDrawnCentresOnly) {
    AddSpace(1, 100000.0f, 50000.0f); // far off screen: culled
    Scene scene = Make();
    RefreshView(scene);
    EXPECT_FLOAT_EQ(bounds.MinX, 0.0f);
    EXPECT_FLOAT_EQ(bounds.MaxX, 440.0f);
    EXPECT_FLOAT_EQ(bounds.MinY, -100.0f);
    EXPECT_FLOAT_EQ(bounds.MaxY, 0.0f);
}

TEST(PipelineEmpty, EmptyTrackAndDanglingStateRedrawWithoutError) {
    SceneFixture f;
    f.sel.CurLane = 7;
    f.sel.CurSpace = 99;
    f.sel.CurCorner = 3;
    f.sel.CurPoly = 12;
    f.sel.PrimarySpace = 4005;
    f.sel.WorkCOR = 9;
    Scene scene = f.Make();
    RefreshView(scene);
    QuickRedraw(scene);
    EXPECT_EQ(f.surface.Count(Op::Polygon), 0u);
    // The origin marker only: no highlight without the current lane.
    EXPECT_EQ(f.surface.Count(Op::Circle), 2u);
    // Empty lanes, a one-vertex and an empty polygon, in both modes.
    f.AddLane("Left");
    f.AddLane("Pit");
    BackPoly p;
    p.Vtxs = {{10, 10}};
    f.track.BackPolys.push_back(p);
    f.track.BackPolys.push_back(BackPoly{});
    RefreshView(scene);
    f.display.Filled = false;
    RefreshView(scene);
    QuickRedraw(scene);
}

// QuickRedraw -------------------------------------------------------------

struct QuickRedrawTest : ::testing::Test, SceneFixture {
    std::vector<Call> WhiteLines() {
        std::vector<Call> out;
        for (const Call& c : surface.Of(Op::Line))
            if (c.colour == Col::White)
                out.push_back(c);
        return out;
    }
};

TEST_F(QuickRedrawTest, DrawsLaneTwoAndTheLastLaneCentreLines) {
    for (int l = 0; l < 5; ++l)
        AddStraightLane("L" + std::to_string(l), 3, static_cast<float>(l) * 100.0f - 200.0f);
    Scene scene = Make();
    QuickRedraw(scene);
    EXPECT_EQ(surface.calls[0].op, Op::Clear);
    EXPECT_EQ(surface.Count(Op::SetBackColor), 0u);
    const auto lines = WhiteLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_FLOAT_EQ(lines[0].v[1], SY(0.0f));   // lane 2
    EXPECT_FLOAT_EQ(lines[2].v[1], SY(200.0f)); // lane 4
    for (const Call& c : lines) {
        EXPECT_EQ(c.penMode, PenXor);
        EXPECT_EQ(c.lineStyle, LineSolid);
    }
}

TEST_F(QuickRedrawTest, ThreeLanesDrawTheLastLaneOnceSoItDoesNotEraseItself) {
    AddStraightLane("A", 3, -100.0f);
    AddStraightLane("B", 3, 0.0f);
    AddStraightLane("C", 3, 100.0f);
    Scene scene = Make();
    QuickRedraw(scene);
    EXPECT_EQ(WhiteLines().size(), 2u);
    // With two lanes only the last one is drawn.
    track.Lanes.erase(track.Lanes.begin());
    surface.Reset();
    QuickRedraw(scene);
    const auto lines = WhiteLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FLOAT_EQ(lines[0].v[1], SY(100.0f));
}

TEST_F(QuickRedrawTest, SkipsSpacesWhoseCentreIsFarOutside) {
    const int a = AddLane("A");
    AddLane("B");
    const int c = AddLane("C");
    (void)a;
    // Area is 9000 x 6000 twips with the origin at (4500, 3000), zoom 1.
    AddSpace(c, -4500.0f - 101.0f, 0.0f); // more than SpaceHalfLength left: skipped
    AddSpace(c, -4500.0f - 99.0f, 0.0f);  // drawn (line to the next centre)
    AddSpace(c, 0.0f, 0.0f);              // drawn
    AddSpace(c, 0.0f, 3000.0f + 51.0f);   // more than SpaceHalfWidth below: skipped
    AddSpace(c, 0.0f, 3000.0f + 49.0f);   // drawn
    AddSpace(c, 0.0f, 0.0f);
    Scene scene = Make();
    QuickRedraw(scene);
    const auto lines = WhiteLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(lines[0].v[0], SX(-4599.0f));
    EXPECT_FLOAT_EQ(lines[1].v[3], SY(3051.0f));
    EXPECT_FLOAT_EQ(lines[2].v[1], SY(3049.0f));
}

TEST_F(QuickRedrawTest, PolygonsAreDottedClosedOutlinesFilteredByDetail) {
    BackPoly p;
    p.Detail = 2;
    p.FillColor = 0x00AA00;
    p.Vtxs = {{0, 0}, {100, 0}, {100, 100}};
    track.BackPolys.push_back(p);
    p.Detail = 3;
    track.BackPolys.push_back(p);
    Scene scene = Make();
    QuickRedraw(scene);
    const auto lines = surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 3u);
    for (const Call& c : lines) {
        EXPECT_EQ(c.colour, 0x00AA00u);
        EXPECT_EQ(c.lineStyle, LineDot);
        EXPECT_EQ(c.penMode, PenCopy);
    }
    EXPECT_FLOAT_EQ(lines[2].v[0], SX(100.0f));
    EXPECT_FLOAT_EQ(lines[2].v[3], SY(0.0f));
    EXPECT_EQ(surface.Count(Op::Box), 0u);
}

} // namespace
} // namespace td::test
