#include <gtest/gtest.h>

#include "render/Colours.h"
#include "render/Pipeline.h"
#include "render/Polygons.h"
#include "render/SceneFixture.h"

namespace td::test {
namespace {

struct PolygonsTest : ::testing::Test, SceneFixture {
    BackPoly& Add(int detail, std::vector<PointI> v, Colour fill = 0x00AA00,
                  Colour outline = 0x0000AA) {
        BackPoly p;
        p.Detail = static_cast<std::int16_t>(detail);
        p.FillColor = fill;
        p.OutlineColor = outline;
        p.Vtxs = std::move(v);
        track.BackPolys.push_back(p);
        return track.BackPolys.back();
    }
    std::vector<PointI> Square() { return {{0, 0}, {100, 0}, {100, 100}, {0, 100}}; }
    void Draw() {
        surface.Reset();
        Scene scene = Make();
        DrawBackPolys(scene);
    }
    std::vector<Call> Markers() {
        std::vector<Call> out;
        for (const Call& c : surface.Of(Op::Box))
            if (c.penMode == PenInvert)
                out.push_back(c);
        return out;
    }
};

TEST_F(PolygonsTest, FilledPolygonsInListOrderCurrentOneCrossHatched) {
    Add(0, Square(), 0x111111, 0x222222);
    Add(1, {{-150, 0}, {0, -150}, {150, 0}}, 0x333333, 0x444444);
    sel.CurPoly = 1;
    Draw();
    const auto polys = surface.Of(Op::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].fill, 0x111111u);
    EXPECT_EQ(polys[0].colour, 0x222222u);
    EXPECT_EQ(polys[0].fillStyle, FillSolid);
    EXPECT_EQ(polys[0].penMode, PenCopy);
    EXPECT_EQ(polys[1].fillStyle, FillCross);
    // Pixels: (world + 4500 or 3000) / 15.
    EXPECT_EQ(polys[1].pixels, (std::vector<PointI>{{290, 200}, {300, 190}, {310, 200}}));
}

TEST_F(PolygonsTest, DetailAboveTheLevelHidesFillOutlineAndMarkers) {
    for (int d = 0; d <= 4; ++d)
        Add(d, Square());
    view.DetailLevel = 2;
    Draw();
    EXPECT_EQ(surface.Count(Op::Polygon), 3u);
    EXPECT_EQ(Markers().size(), 12u);
    view.DetailLevel = 1;
    display.Filled = false;
    Draw();
    EXPECT_EQ(surface.Of(Op::Line).size(), 8u);
    EXPECT_EQ(Markers().size(), 8u);
    view.DetailLevel = 4;
    Draw();
    EXPECT_EQ(Markers().size(), 20u);
}

TEST_F(PolygonsTest, VertexMarkersAreInvertingBoxesOfTwoPixelSizes) {
    Add(0, {{10, 20}});
    view.Zoom = 2.0f;
    Draw();
    const auto m = Markers();
    ASSERT_EQ(m.size(), 1u);
    // Half size 15 world units either way, times the zoom.
    EXPECT_EQ(m[0].v, (std::vector<float>{4500 + 2 * -5.0f, 3000 + 2 * 5.0f, 4500 + 2 * 25.0f,
                                          3000 + 2 * 35.0f}));
    EXPECT_EQ(m[0].colour, Col::Black);
    EXPECT_EQ(m[0].lineStyle, LineSolid);
    EXPECT_EQ(m[0].stateFillStyle, FillTransparent);
    // A one-vertex polygon still gets its degenerate fill.
    ASSERT_EQ(surface.Count(Op::Polygon), 1u);
    EXPECT_EQ(surface.Of(Op::Polygon)[0].pixels.size(), 1u);
    // In wireframe it is just its marker: no zero-length closing edge.
    display.Filled = false;
    Draw();
    EXPECT_EQ(surface.Count(Op::Line), 0u);
    EXPECT_EQ(Markers().size(), 1u);
}

TEST_F(PolygonsTest, MarkersIgnoreAFillLeftByEarlierDrawing) {
    Add(0, Square());
    Scene scene = Make();
    surface.SetFillStyle(FillSolid);
    DrawBackPolys(scene);
    for (const Call& m : Markers())
        EXPECT_EQ(m.stateFillStyle, FillTransparent);
}

TEST_F(PolygonsTest, WireframeEdgesInFillColourSolidOrDottedForTheCurrent) {
    Add(0, Square(), 0x00AA00);
    Add(0, Square(), 0x00BB00);
    sel.CurPoly = 1;
    display.Filled = false;
    Draw();
    const auto lines = surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[static_cast<size_t>(i)].colour, i < 4 ? 0x00AA00u : 0x00BB00u);
        EXPECT_EQ(lines[static_cast<size_t>(i)].lineStyle, i < 4 ? LineSolid : LineDot);
        EXPECT_EQ(lines[static_cast<size_t>(i)].penMode, PenCopy);
    }
    // The closing edge runs from the last vertex back to the first.
    EXPECT_EQ(lines[3].v, (std::vector<float>{SX(0), SY(100), SX(0), SY(0)}));
}

TEST_F(PolygonsTest, PolygonBeingBuiltIsOpenUntilFinished) {
    Add(0, Square());
    Add(0, Square());
    Add(0, Square());
    sel.CurPoly = 1;
    sel.PolyClosed = false;
    display.Filled = false;
    Draw();
    std::vector<int> perPoly(3, 0);
    int i = 0;
    for (const Call& c : surface.calls) {
        if (c.op == Op::Box)
            ++i; // four markers close each polygon's calls
        else if (c.op == Op::Line)
            ++perPoly[static_cast<size_t>(i / 4)];
    }
    // Earlier polygons stay closed; the current and later ones are open.
    EXPECT_EQ(perPoly, (std::vector<int>{4, 3, 3}));
    sel.PolyClosed = true;
    Draw();
    EXPECT_EQ(surface.Count(Op::Line), 12u);
}

TEST_F(PolygonsTest, OnlyPolygonsWhollyBeyondOneEdgeAreSkipped) {
    // The area spans world x -4500..4500 and y -3000..3000.
    Add(0, {{5000, 0}, {5100, 0}, {5100, 100}}, 0x000001);        // beyond the right edge
    Add(0, {{-9000, -9000}, {9000, -9000}, {0, 9000}}, 0x000002); // around the whole area
    Add(0, {{-4505, 0}, {-4600, 50}, {-4600, -50}}, 0x000003);    // its marker reaches in
    Add(0, {{-100, -3400}, {100, -3400}, {0, -3300}}, 0x000004);  // beyond the top edge
    Draw();
    const auto polys = surface.Of(Op::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].fill, 0x000002u);
    EXPECT_EQ(polys[1].fill, 0x000003u);
    const auto m = Markers();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].v[0], SX(-4505 - 15));
    display.Filled = false;
    Draw();
    // The edges round the area cross it with both ends outside: not drawn.
    EXPECT_EQ(surface.Count(Op::Line), 0u);
    EXPECT_EQ(Markers().size(), 1u);
    Scene scene = Make();
    surface.Reset();
    QuickRedraw(scene);
    EXPECT_EQ(surface.Count(Op::Line), 0u);
}

} // namespace
} // namespace td::test
