#include <cmath>

#include "GestureFixture.h"
#include "render/Colours.h"

namespace td::test {
namespace {

class PolyGestures : public GestureFixture {
  protected:
    void SetUp() override {
        StartWithNewTrack();
        Button("PolyMode");
        editor.view.Zoom = 1.0f;
    }
    void Tool(const std::string& key) { Button(key); }
    const BackPoly& Last() const { return editor.track.BackPolys.back(); }
    size_t Polys() const { return editor.track.BackPolys.size(); }
};

TEST_F(PolyGestures, CreatePoly_ThreeClicksAndARightClickMakeATriangle) {
    Tool("CreatePoly");
    Click(At(0, 0));
    Click(At(100, 0));
    Click(At(0, 100));
    EXPECT_FALSE(editor.sel.PolyClosed);
    const int refreshes = editor.RefreshCount;
    Click(At(50, 50), 2);
    EXPECT_TRUE(editor.sel.PolyClosed);
    ASSERT_EQ(Polys(), 1u);
    EXPECT_EQ(Last().Vtxs, (std::vector<PointI>{{0, 0}, {100, 0}, {0, 100}}));
    EXPECT_EQ(Last().Detail, 2);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);

    // Two clicks and a right click leave nothing behind.
    Click(At(500, 500));
    Click(At(600, 500));
    Click(At(0, 0), 2);
    EXPECT_EQ(Polys(), 1u);
    EXPECT_TRUE(editor.sel.PolyClosed);
    EXPECT_EQ(editor.sel.CurPoly, 0);
}

TEST_F(PolyGestures, CreatePoly_PressOnAVertexSelectsItInsteadOfStarting) {
    editor.track.BackPolys = {BackPoly{3, 0, 0, {{0, 0}, {200, 0}, {200, 200}}}};
    Tool("CreatePoly");
    Click(At(201, 199));
    EXPECT_EQ(Polys(), 1u);
    EXPECT_EQ(editor.sel.CurPoly, 0);
    EXPECT_EQ(editor.sel.CurVtx, 2);
    EXPECT_TRUE(editor.sel.PolyClosed);
    // The panels show the polygon picked.
    EXPECT_EQ(host.comboIndex["PolyDetailCombo"], 1);
    EXPECT_EQ(host.controlText["PolyZOrderTxt"], "0");
}

TEST_F(PolyGestures, CreateRectangle_TwoClicksFinishTheRectangle) {
    Tool("CreateRectangle");
    Click(At(0, 0));
    Click(At(100, 50));
    EXPECT_TRUE(editor.sel.PolyClosed);
    EXPECT_EQ(Last().Vtxs, (std::vector<PointI>{{0, 0}, {100, 0}, {100, 50}, {0, 50}}));
}

TEST_F(PolyGestures, CreateRoad_CentreLinesOfTwoAndFivePoints) {
    Tool("CreateRoad");
    Click(At(0, 0));
    Click(At(400, 0));
    Click(At(0, 0), 2);
    ASSERT_EQ(Polys(), 1u);
    EXPECT_EQ(Last().Vtxs, (std::vector<PointI>{{0, -50}, {400, -50}, {400, 50}, {0, 50}}));
    EXPECT_EQ(Last().FillColor, Palette[3]);

    const std::vector<PointI> centre = {{0, 500}, {300, 700}, {600, 700}, {800, 1000}, {800, 1400}};
    for (const PointI& c : centre)
        Click(At(static_cast<float>(c.x), static_cast<float>(c.y)));
    Click(At(0, 0), 2);
    ASSERT_EQ(Polys(), 2u);
    const auto& v = Last().Vtxs;
    ASSERT_EQ(v.size(), 10u);
    for (size_t i = 0; i < centre.size(); ++i) {
        const PointI a = v[i], b = v[v.size() - 1 - i];
        EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 100.0, 1.5) << i;
        EXPECT_NEAR((a.x + b.x) / 2.0, centre[i].x, 1.0) << i;
        EXPECT_NEAR((a.y + b.y) / 2.0, centre[i].y, 1.0) << i;
    }
}

TEST_F(PolyGestures, RubberBandErasesItselfAndIsNotTakenOffAfterARedraw) {
    Tool("CreatePoly");
    Click(At(0, 0)); // the release redraws everything
    surface.Reset();
    Hover(At(100, 0));
    auto lines = Drawn(Op::Line, PenInvert);
    ASSERT_EQ(lines.size(), 1u); // nothing to take off: the redraw did
    EXPECT_EQ(host.pointer, "Arrow");
    surface.Reset();
    Hover(At(100, 100));
    lines = Drawn(Op::Line, PenInvert);
    ASSERT_EQ(lines.size(), 2u);
    const PointF origin = At(0, 0);
    EXPECT_FLOAT_EQ(lines[0].v[0], origin.x);
    EXPECT_FLOAT_EQ(lines[0].v[2], At(100, 0).x);
    EXPECT_FLOAT_EQ(lines[1].v[3], At(100, 100).y);
    EXPECT_EQ(lines[1].colour, Col::Black);
    // Hovering on the same point draws nothing.
    surface.Reset();
    Hover(At(100, 100));
    EXPECT_TRUE(surface.Drawing().empty());

    // Rectangles get a rubber box from their first corner.
    Click(At(0, 0), 2);
    Tool("CreateRectangle");
    Click(At(300, 300));
    Hover(At(400, 350));
    surface.Reset();
    Hover(At(420, 380));
    const auto boxes = Drawn(Op::Box, PenInvert);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].stateFillStyle, FillTransparent);
    EXPECT_FLOAT_EQ(boxes[1].v[2], At(420, 380).x);

    // The vertex tool shows its own pointer and no band.
    Tool("EditPolyVertex");
    Hover(At(500, 500));
    EXPECT_EQ(host.pointer, "EditPolyVertex");
}

TEST_F(PolyGestures, EditPolyVertex_DragErasesAndRedrawsTheTwoEdges) {
    editor.track.BackPolys = {BackPoly{2, 0, 0, {{0, 0}, {200, 0}, {200, 200}, {0, 200}}}};
    Tool("EditPolyVertex");
    const PointF p = At(200, 0);
    Press(p);
    EXPECT_EQ(editor.sel.CurVtx, 1);
    surface.Reset();
    Drag({p.x + 30.0f, p.y});
    EXPECT_EQ(editor.track.BackPolys[0].Vtxs[1], (PointI{230, 0}));
    const auto lines = Drawn(Op::Line, PenInvert);
    ASSERT_EQ(lines.size(), 4u);
    // Taken off at the old place, drawn again at the new one.
    EXPECT_FLOAT_EQ(lines[0].v[2], At(200, 0).x);
    EXPECT_FLOAT_EQ(lines[2].v[2], At(230, 0).x);
    EXPECT_FLOAT_EQ(lines[3].v[0], At(230, 0).x);
    const int refreshes = editor.RefreshCount;
    Release({p.x + 30.0f, p.y});
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);

    // A press first draws the current vertex's edges in black.
    surface.Reset();
    Press(At(0, 200));
    const auto black = Drawn(Op::Line, PenCopy);
    ASSERT_EQ(black.size(), 2u);
    EXPECT_EQ(black[0].colour, Col::Black);
    EXPECT_EQ(editor.sel.CurVtx, 3);
}

TEST_F(PolyGestures, TranslateAndRotatePolyDragTheCurrentPolygon) {
    editor.track.BackPolys = {BackPoly{2, 0, 0, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}}};
    editor.sel.CurPoly = 0;
    Tool("TranslatePoly");
    const PointF p = At(1000, 1000);
    Press(p);
    EXPECT_EQ(host.pointer, "SizeAll");
    Drag({p.x - 25.0f, p.y + 40.0f});
    EXPECT_EQ(editor.track.BackPolys[0].Vtxs[0], (PointI{-25, 40}));
    Release({p.x - 25.0f, p.y + 40.0f});

    Tool("RotatePoly");
    Press(p);
    // One step to the right turns by the grid angle (Medium: 5 degrees).
    Drag({p.x + 30.0f, p.y});
    const auto& v = editor.track.BackPolys[0].Vtxs;
    EXPECT_NEAR(std::atan2(v[1].y - v[0].y, v[1].x - v[0].x) * 180.0 / 3.14159265, 5.0, 0.8);
}

TEST_F(PolyGestures, RightPressMenusPerTool) {
    editor.track.BackPolys = {BackPoly{2, 0, 0, {{0, 0}, {100, 0}, {100, 100}}},
                              BackPoly{2, 0, 0, {{100, 100}}}};
    Tool("EditPolyVertex");
    Click(At(100, 100), 2);
    EXPECT_EQ(host.popups, (std::vector<std::string>{"MnuVertex"}));
    EXPECT_EQ(editor.sel.CurPoly, 0);
    EXPECT_EQ(editor.sel.CurVtx, 2);
    Tool("CreatePoly");
    Click(At(100, 0), 2);
    EXPECT_EQ(host.popups.back(), "MnuPoly");
    // Other tools pick the last vertex hit and show no menu, but redraw.
    Tool("TranslatePoly");
    const int refreshes = editor.RefreshCount;
    Click(At(100, 100), 2);
    EXPECT_EQ(host.popups.size(), 2u);
    EXPECT_EQ(editor.sel.CurPoly, 1);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
    Menu("MnuAddVtx"); // one-vertex polygon: a copy of it at the middle
    EXPECT_EQ(editor.track.BackPolys[1].Vtxs.size(), 2u);
    Menu("MnuDeleteVtx");
    Menu("MnuDeleteVtx");
    EXPECT_EQ(editor.track.BackPolys[1].Vtxs.size(), 1u);
}

} // namespace
} // namespace td::test
