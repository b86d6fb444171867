#include <gtest/gtest.h>

#include <cmath>

#include "edit/PolyOps.h"

namespace td::test {
namespace {

ViewState View(float zoom, float ox = 0.0f, float oy = 0.0f) {
    ViewState v;
    v.Zoom = zoom;
    v.OffsetX = ox;
    v.OffsetY = oy;
    return v;
}

BackPoly Poly(std::vector<PointI> v, std::int16_t detail = 2, Colour fill = 0) {
    BackPoly p;
    p.Detail = detail;
    p.FillColor = fill;
    p.Vtxs = std::move(v);
    return p;
}

// Clicks world point (x, y) with zoom 1 and no offset.
void Click(Track& t, Selection& s, float x, float y) {
    AddPolyVertex(t, s, View(1.0f), x, y, 3);
}

double Distance(PointI a, PointI b) {
    return std::hypot(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y);
}

TEST(PolyOps, AddPolyVertex_StartsAPolygonThenAppendsToIt) {
    Track track;
    Selection sel;
    const ViewState view = View(2.0f, 100.0f, -50.0f);
    EXPECT_TRUE(AddPolyVertex(track, sel, view, 105.0f, -46.0f, 3));
    ASSERT_EQ(track.BackPolys.size(), 1u);
    // (5 / 2, 4 / 2) = (2.5, 2): halves go to the even neighbour.
    EXPECT_EQ(track.BackPolys[0].Vtxs, (std::vector<PointI>{{2, 2}}));
    EXPECT_EQ(track.BackPolys[0].Detail, 3);
    EXPECT_EQ(track.BackPolys[0].FillColor, 0u);
    EXPECT_FALSE(sel.PolyClosed);
    EXPECT_FALSE(AddPolyVertex(track, sel, view, 107.0f, -50.0f, 2));
    EXPECT_EQ(track.BackPolys[0].Vtxs.back(), (PointI{4, 0}));
    EXPECT_EQ(sel.CurPoly, 0);
    EXPECT_EQ(sel.CurVtx, 1);

    // The polygon under construction is the last one, whatever is current.
    track.BackPolys.insert(track.BackPolys.begin(), Poly({{9, 9}}));
    sel.CurPoly = 0;
    EXPECT_FALSE(AddPolyVertex(track, sel, view, 100.0f, -50.0f, 2));
    EXPECT_EQ(track.BackPolys[1].Vtxs.size(), 3u);
    EXPECT_EQ(sel.CurPoly, 1);

    // Should the polygon under construction be deleted, a new one starts.
    track.BackPolys.clear();
    EXPECT_TRUE(AddPolyVertex(track, sel, view, 100.0f, -50.0f, 4));
    EXPECT_EQ(track.BackPolys.size(), 1u);
}

TEST(PolyOps, FinishPolygon_KeepsATriangleAndDropsShorterFreePolygons) {
    Track track;
    Selection sel;
    track.BackPolys = {Poly({{1, 1}, {2, 2}, {3, 1}})};
    Click(track, sel, 0, 0);
    Click(track, sel, 10, 0);
    Click(track, sel, 0, 10);
    FinishPolygon(track, sel, "CreatePoly");
    EXPECT_TRUE(sel.PolyClosed);
    ASSERT_EQ(track.BackPolys.size(), 2u);
    EXPECT_EQ(track.BackPolys[1].Vtxs.size(), 3u);

    Click(track, sel, 0, 0);
    Click(track, sel, 10, 0);
    FinishPolygon(track, sel, "CreatePoly");
    EXPECT_TRUE(sel.PolyClosed);
    EXPECT_EQ(track.BackPolys.size(), 2u);
    EXPECT_EQ(sel.CurPoly, 1);
    EXPECT_EQ(sel.CurVtx, 0);

    // A lone polygon dropped leaves an empty list, not a placeholder.
    Track lone;
    Selection s2;
    Click(lone, s2, 5, 5);
    FinishPolygon(lone, s2, "CreateRectangle");
    EXPECT_TRUE(lone.BackPolys.empty());
    EXPECT_EQ(s2.CurPoly, 0);

    // Other tools finish without dropping anything; nothing to finish is a no-op.
    Click(lone, s2, 5, 5);
    FinishPolygon(lone, s2, "EditPolyVertex");
    EXPECT_EQ(lone.BackPolys.size(), 1u);
    FinishPolygon(lone, s2, "CreatePoly");
    EXPECT_EQ(lone.BackPolys.size(), 1u);
}

TEST(PolyOps, CompleteRectangle_FromTwoOppositeCorners) {
    Track track;
    Selection sel;
    Click(track, sel, 0, 0);
    CompleteRectangle(track, sel); // one vertex: not yet
    EXPECT_FALSE(sel.PolyClosed);
    Click(track, sel, 100, 50);
    CompleteRectangle(track, sel);
    EXPECT_TRUE(sel.PolyClosed);
    EXPECT_EQ(track.BackPolys[0].Vtxs, (std::vector<PointI>{{0, 0}, {100, 0}, {100, 50}, {0, 50}}));
}

TEST(PolyOps, BuildRoadOutline_TwoPointsGiveFourVerticesAcrossTheLine) {
    BackPoly road = Poly({{0, 0}, {200, 0}});
    BuildRoadOutline(road);
    // Vertices 0 and 3 from the first centre point, 1 and 2 from the second.
    EXPECT_EQ(road.Vtxs, (std::vector<PointI>{{0, -50}, {200, -50}, {200, 50}, {0, 50}}));
    EXPECT_EQ(road.FillColor, Palette[3]);
    EXPECT_EQ(road.OutlineColor, Palette[3]);

    BackPoly vertical = Poly({{0, 0}, {0, 300}});
    BuildRoadOutline(vertical);
    EXPECT_EQ(vertical.Vtxs, (std::vector<PointI>{{50, 0}, {50, 300}, {-50, 300}, {-50, 0}}));
}

TEST(PolyOps, BuildRoadOutline_IsABand100WideWhateverTheSlant) {
    const std::vector<PointI> centre = {{0, 0}, {300, 173}, {600, 346}, {700, 700}, {650, 1200}};
    BackPoly road = Poly(centre);
    BuildRoadOutline(road);
    ASSERT_EQ(road.Vtxs.size(), 10u);
    for (size_t i = 0; i < centre.size(); ++i) {
        const PointI a = road.Vtxs[i];
        const PointI b = road.Vtxs[road.Vtxs.size() - 1 - i];
        // Each edge point lies 50 from its centre point, on opposite sides.
        EXPECT_NEAR(Distance(a, centre[i]), 50.0, 1.0) << i;
        EXPECT_NEAR(Distance(b, centre[i]), 50.0, 1.0) << i;
        EXPECT_NEAR(Distance(a, b), 100.0, 1.5) << i;
    }
    // On the straight first stretch the edges stand at right angles to it.
    const double ux = 300.0 / std::hypot(300.0, 173.0), uy = 173.0 / std::hypot(300.0, 173.0);
    for (size_t i : {0u, 1u}) {
        const PointI a = road.Vtxs[i];
        const double along = (a.x - centre[i].x) * ux + (a.y - centre[i].y) * uy;
        EXPECT_NEAR(along, 0.0, 1.5) << i;
    }
}

TEST(PolyOps, BuildRoadOutline_ShortAndDegenerateLines) {
    BackPoly one = Poly({{10, 10}});
    BuildRoadOutline(one);
    EXPECT_EQ(one.Vtxs.size(), 2u);
    BackPoly none = Poly({});
    BuildRoadOutline(none);
    EXPECT_TRUE(none.Vtxs.empty());
    EXPECT_EQ(none.FillColor, Palette[3]);
    BackPoly same = Poly({{0, 0}, {0, 0}, {100, 0}, {0, 0}});
    BuildRoadOutline(same);
    EXPECT_EQ(same.Vtxs.size(), 8u);
}

TEST(PolyOps, FinishPolygon_WithTheRoadToolBuildsTheOutlineOfTheLastPolygon) {
    Track track;
    Selection sel;
    Click(track, sel, 0, 0);
    Click(track, sel, 200, 0);
    FinishPolygon(track, sel, "CreateRoad");
    EXPECT_TRUE(sel.PolyClosed);
    EXPECT_EQ(track.BackPolys[0].Vtxs.size(), 4u);
    EXPECT_EQ(track.BackPolys[0].FillColor, Palette[3]);
}

TEST(PolyOps, VertexHit_WithinOnePixelSizeOnEachAxis) {
    Track track;
    track.BackPolys = {Poly({{0, 0}, {100, 100}}), Poly({{100, 100}})};
    const ViewState view = View(1.0f); // pixel size 15 twips = 15 world units
    EXPECT_EQ(FirstVertexHit(track, view, 14.0f, -14.0f), (VertexRef{0, 0}));
    EXPECT_FALSE(FirstVertexHit(track, view, 15.0f, 0.0f));
    EXPECT_EQ(FirstVertexHit(track, view, 101.0f, 99.0f), (VertexRef{0, 1}));
    EXPECT_EQ(LastVertexHit(track, view, 101.0f, 99.0f), (VertexRef{1, 0}));
    // At zoom 2 the square grows with the zoom.
    EXPECT_EQ(FirstVertexHit(track, View(2.0f), 29.0f, 0.0f), (VertexRef{0, 0}));
    EXPECT_FALSE(FirstVertexHit(Track{}, view, 0.0f, 0.0f));
}

TEST(PolyOps, MoveVertex_RoundsHalvesToEven) {
    Track track;
    track.BackPolys = {Poly({{0, 0}, {1, 1}})};
    Selection sel;
    sel.CurPoly = 0;
    sel.CurVtx = 1;
    EXPECT_TRUE(MoveVertex(track, sel, 0.5f, -2.5f));
    EXPECT_EQ(track.BackPolys[0].Vtxs[1], (PointI{2, -2}));
    EXPECT_EQ(track.BackPolys[0].Vtxs[0], (PointI{0, 0}));
    sel.CurVtx = 2;
    EXPECT_FALSE(MoveVertex(track, sel, 1, 1));
}

TEST(PolyOps, RotatePolygon_TurnsAboutTheMeanOfItsVertices) {
    Track track;
    track.BackPolys = {Poly({{0, 0}, {100, 0}, {100, 100}, {0, 100}})};
    EXPECT_TRUE(RotatePolygon(track, 0, 90));
    // A square turned a quarter about its middle covers itself.
    EXPECT_EQ(track.BackPolys[0].Vtxs,
              (std::vector<PointI>{{100, 0}, {100, 100}, {0, 100}, {0, 0}}));
    for (int i = 0; i < 72; ++i)
        RotatePolygon(track, 0, 5);
    for (const PointI& p : track.BackPolys[0].Vtxs) {
        EXPECT_NEAR(p.x, 50, 52);
        EXPECT_NEAR(p.y, 50, 52);
    }
    EXPECT_FALSE(RotatePolygon(track, 3, 5));
}

TEST(PolyOps, AddVertex_InsertsTheMidpointOfTheEdgeItSplits) {
    Track track;
    track.BackPolys = {Poly({{0, 0}, {100, 0}, {100, 100}, {0, 100}})};
    Selection sel;
    sel.CurPoly = 0;
    sel.CurVtx = 0;
    EXPECT_TRUE(AddVertex(track, sel));
    EXPECT_EQ(track.BackPolys[0].Vtxs[1], (PointI{50, 0}));
    EXPECT_EQ(sel.CurVtx, 1);
    // On the last vertex the closing edge back to vertex 0 is split.
    sel.CurVtx = 4;
    EXPECT_TRUE(AddVertex(track, sel));
    EXPECT_EQ(track.BackPolys[0].Vtxs.back(), (PointI{0, 50}));
    EXPECT_EQ(sel.CurVtx, 5);
    EXPECT_EQ(track.BackPolys[0].Vtxs.size(), 6u);
    // (1 + 2) / 2 = 1.5 -> 2, (0 + 1) / 2 = 0.5 -> 0.
    track.BackPolys = {Poly({{1, 0}, {2, 1}})};
    sel.CurVtx = 0;
    AddVertex(track, sel);
    EXPECT_EQ(track.BackPolys[0].Vtxs[1], (PointI{2, 0}));
}

TEST(PolyOps, DeleteVertex_KeepsTheIndexAndTheLastVertex) {
    Track track;
    track.BackPolys = {Poly({{0, 0}, {1, 1}, {2, 2}})};
    Selection sel;
    sel.CurPoly = 0;
    sel.CurVtx = 1;
    EXPECT_TRUE(DeleteVertex(track, sel));
    EXPECT_EQ(track.BackPolys[0].Vtxs, (std::vector<PointI>{{0, 0}, {2, 2}}));
    EXPECT_EQ(sel.CurVtx, 1);
    track.BackPolys = {Poly({{7, 7}})};
    sel.CurVtx = 0;
    EXPECT_FALSE(DeleteVertex(track, sel));
    EXPECT_EQ(track.BackPolys[0].Vtxs.size(), 1u);
}

std::vector<int> Order(const Track& t) {
    std::vector<int> out;
    for (const BackPoly& p : t.BackPolys)
        out.push_back(p.Detail);
    return out;
}

TEST(PolyOps, StackingMoves_FollowTheCurrentPolygon) {
    Track track;
    for (std::int16_t i = 0; i < 4; ++i)
        track.BackPolys.push_back(Poly({{i, i}}, i));
    Selection sel;
    sel.CurPoly = 1;
    EXPECT_TRUE(PolyToFront(track, sel));
    EXPECT_EQ(Order(track), (std::vector<int>{0, 2, 3, 1}));
    EXPECT_EQ(sel.CurPoly, 3);
    EXPECT_FALSE(PolyToFront(track, sel));
    EXPECT_FALSE(PolyForward(track, sel));
    EXPECT_TRUE(PolyToBack(track, sel));
    EXPECT_EQ(Order(track), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(sel.CurPoly, 0);
    EXPECT_FALSE(PolyToBack(track, sel));
    EXPECT_FALSE(PolyBackward(track, sel));
    EXPECT_TRUE(PolyForward(track, sel));
    EXPECT_EQ(Order(track), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(sel.CurPoly, 1);
    EXPECT_TRUE(PolyBackward(track, sel));
    EXPECT_EQ(Order(track), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(sel.CurPoly, 0);
    sel.CurPoly = 4;
    EXPECT_FALSE(PolyToFront(track, sel) || PolyForward(track, sel) || PolyBackward(track, sel) ||
                 PolyToBack(track, sel));
}

TEST(PolyOps, DuplicatePoly_AppendsAnOffsetCopyThatBecomesCurrent) {
    Track track;
    track.BackPolys = {Poly({{10, 10}}, 3, 0x123456), Poly({{0, 0}})};
    Selection sel;
    sel.CurPoly = 0;
    EXPECT_TRUE(DuplicatePoly(track, sel));
    ASSERT_EQ(track.BackPolys.size(), 3u);
    EXPECT_EQ(track.BackPolys[2].Vtxs, (std::vector<PointI>{{110, -40}}));
    EXPECT_EQ(track.BackPolys[2].Detail, 3);
    EXPECT_EQ(track.BackPolys[2].FillColor, 0x123456u);
    EXPECT_EQ(track.BackPolys[0].Vtxs, (std::vector<PointI>{{10, 10}}));
    EXPECT_EQ(sel.CurPoly, 2);
    sel.CurPoly = 7;
    EXPECT_FALSE(DuplicatePoly(track, sel));
}

TEST(PolyOps, DeleteCurrentPoly_KeepsTheIndex) {
    Track track;
    track.BackPolys = {Poly({}, 0), Poly({}, 1), Poly({}, 2)};
    Selection sel;
    sel.CurPoly = 1;
    EXPECT_TRUE(DeleteCurrentPoly(track, sel));
    EXPECT_EQ(Order(track), (std::vector<int>{0, 2}));
    sel.CurPoly = 0;
    DeleteCurrentPoly(track, sel);
    DeleteCurrentPoly(track, sel);
    EXPECT_TRUE(track.BackPolys.empty());
    EXPECT_FALSE(DeleteCurrentPoly(track, sel));
}

} // namespace
} // namespace td::test
