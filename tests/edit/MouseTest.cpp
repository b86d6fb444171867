// The mouse in the drawing area: drag quantisation, the space hit test and
// the view modes.

#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "edit/DragStep.h"
#include "edit/SpaceHit.h"
#include "model/SpaceGeometry.h"
#include "view/ViewTransform.h"

namespace td::test {

TEST(DragStepTest, SmallMovementsAccumulateUntilTheGridDistance) {
    PointF anchor{1000.0f, 1000.0f};
    // 10 units under a grid of 25: no step, anchor stays.
    DragStep s = QuantiseDrag(anchor, 1010.0f, 990.0f, 25.0f, 2.5f);
    EXPECT_FALSE(s.stepX);
    EXPECT_FALSE(s.stepY);
    EXPECT_EQ(s.dirX, -1); // moved right
    EXPECT_EQ(s.dirY, 1);  // moved up
    AdvanceDragAnchor(anchor, 1010.0f, 990.0f, 25.0f);
    EXPECT_EQ(anchor, (PointF{1000.0f, 1000.0f}));

    // Reaching the distance on x alone steps x only, by the full movement.
    s = QuantiseDrag(anchor, 1025.0f, 990.0f, 25.0f, 2.5f);
    EXPECT_TRUE(s.stepX);
    EXPECT_FALSE(s.stepY);
    EXPECT_FLOAT_EQ(s.dx, 10.0f);
    EXPECT_FLOAT_EQ(s.dy, 0.0f);
    AdvanceDragAnchor(anchor, 1025.0f, 990.0f, 25.0f);
    EXPECT_EQ(anchor, (PointF{1025.0f, 1000.0f}));

    // Level with the anchor: no direction and no step even with a zero grid.
    s = QuantiseDrag(anchor, 1025.0f, 1000.0f, 0.0f, 2.5f);
    EXPECT_EQ(s.dirX, 0);
    EXPECT_FALSE(s.stepX);
    EXPECT_FALSE(s.stepY);
}

TEST(SpaceHitTest, EdgesOverlapsAndEmptyLanes) {
    Track track;
    track.Lanes.resize(3);
    Space a; // centred at the origin, 200 x 100
    ComputeSpaceOutline(a);
    Space b = a;
    b.Pt[0] = {50.0f, 0.0f};
    ComputeSpaceOutline(b);
    track.Lanes[1].Spaces = {a};
    track.Lanes[2].Spaces = {b};
    ViewState v;
    v.Zoom = 1.0f;
    v.OffsetX = 1000.0f;
    v.OffsetY = 1000.0f;

    // The overlap goes to the first lane in scan order.
    SpaceHit h = HitTestSpace(track, v, 1060.0f, 1000.0f);
    ASSERT_TRUE(h.found);
    EXPECT_EQ(h.lane, 1);
    EXPECT_EQ(h.space, 0);
    // Only the second space reaches x = 120.
    h = HitTestSpace(track, v, 1120.0f, 1000.0f);
    ASSERT_TRUE(h.found);
    EXPECT_EQ(h.lane, 2);
    // Exactly on the outline's edge is outside; beyond both is nothing.
    EXPECT_FALSE(HitTestSpace(track, v, 1000.0f, 1050.0f).found);
    EXPECT_FALSE(HitTestSpace(track, v, 1200.0f, 1000.0f).found);
    EXPECT_FALSE(HitTestSpace(Track{}, v, 1000.0f, 1000.0f).found);
}

class MouseFixture : public EditorFixture {
  protected:
    void Mouse(CommandKind kind, float x, float y, int button = 1, int shift = 0) {
        editor.Dispatch(Command::Mouse(kind, button, shift, x, y));
    }
    // Drawing-area position of the centre of space (lane, s).
    PointF ScreenCentre(int lane, int s) {
        const Space* sp = editor.track.Find(lane, s);
        return {WorldToScreenX(editor.view, sp->CenterX()),
                WorldToScreenY(editor.view, sp->CenterY())};
    }
    // A point of the area that no space covers.
    PointF Empty() { return {1.0f, 1.0f}; }
};

TEST_F(MouseFixture, PressOnASpaceSelectsItAndNothingElse) {
    StartWithNewTrack();
    Button("TranslateSpace");
    const PointF p = ScreenCentre(3, 0);
    host.pointer.clear();
    Mouse(CommandKind::MouseDown, p.x, p.y);
    EXPECT_EQ(editor.sel.CurLane, 3);
    EXPECT_EQ(editor.sel.CurSpace, 0);
    EXPECT_EQ(host.pointer, "");
    EXPECT_EQ(host.panels["CurrLane"].rfind("Lane 3, ", 0), 0u);

    // A press on empty ground only changes the pointer.
    const PointF e = Empty();
    Mouse(CommandKind::MouseDown, e.x, e.y);
    EXPECT_EQ(editor.sel.CurLane, 3);
    EXPECT_EQ(host.pointer, "SizeAll");
}

TEST_F(MouseFixture, ZoomDragIsAnchoredAtThePressPoint) {
    StartWithNewTrack();
    Button("ZoomView");
    const PointF e = Empty();
    const float wx = ScreenToWorldX(editor.view, e.x);
    const float wy = ScreenToWorldY(editor.view, e.y);
    const float zoom = editor.view.Zoom;
    Mouse(CommandKind::MouseDown, e.x, e.y);
    // Horizontal movement does nothing; upwards zooms in by one step.
    Mouse(CommandKind::MouseMove, e.x + 500.0f, e.y);
    EXPECT_EQ(editor.view.Zoom, zoom);
    Mouse(CommandKind::MouseMove, e.x + 500.0f, e.y - 30.0f);
    EXPECT_FLOAT_EQ(editor.view.Zoom, zoom + 0.25f);
    EXPECT_NEAR(WorldToScreenX(editor.view, wx), e.x, 1e-2);
    EXPECT_NEAR(WorldToScreenY(editor.view, wy), e.y, 1e-2);
}

TEST_F(MouseFixture, ZoomDragDownStopsAtTheSmallestZoom) {
    StartWithNewTrack();
    Button("ZoomView");
    editor.view.Zoom = 0.75f;
    const float ox = editor.view.OffsetX;
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseMove, 1.0f, 100.0f);
    EXPECT_EQ(editor.view.Zoom, 0.75f);
    EXPECT_EQ(editor.view.OffsetX, ox);
}

TEST_F(MouseFixture, TranslateViewFollowsThePointerAndDoubleClickCentres) {
    StartWithNewTrack();
    Button("TranslateView");
    const float ox = editor.view.OffsetX, oy = editor.view.OffsetY;
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseMove, 101.0f, 61.0f);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, ox + 100.0f);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, oy + 60.0f);
    const int refreshes = editor.RefreshCount;
    Mouse(CommandKind::MouseUp, 101.0f, 61.0f);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
    // Right release never redraws.
    Mouse(CommandKind::MouseUp, 101.0f, 61.0f, 2);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);

    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseUp, 1.0f, 1.0f);
    editor.Dispatch(Command::Make(CommandKind::DblClick));
    EXPECT_FLOAT_EQ(editor.view.OffsetX, ox + 100.0f + editor.view.AreaWidth / 2 - 1.0f);
}

TEST_F(MouseFixture, WheelAndMiddleButtonChangeOnlyTheView) {
    StartWithNewTrack();
    Button("TranslateSpace");
    const std::string before = editor.track.Lanes[2].Name;
    const Space s0 = editor.track.Lanes[2].Spaces[0];
    const float wx = ScreenToWorldX(editor.view, 3000.0f);
    Command wheel = Command::Mouse(CommandKind::MouseWheel, 0, 0, 3000.0f, 2000.0f);
    wheel.index = 2;
    const float zoom = editor.view.Zoom;
    editor.Dispatch(wheel);
    EXPECT_FLOAT_EQ(editor.view.Zoom, zoom + 0.5f);
    EXPECT_NEAR(WorldToScreenX(editor.view, wx), 3000.0f, 1e-2);

    const float ox = editor.view.OffsetX;
    Mouse(CommandKind::MouseDown, 500.0f, 500.0f, 4);
    Mouse(CommandKind::MouseMove, 507.0f, 500.0f, 4);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, ox + 7.0f);
    Mouse(CommandKind::MouseUp, 507.0f, 500.0f, 4);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Pt, s0.Pt);
}

TEST_F(MouseFixture, PanWhoseReleaseWentAstrayEndsAtTheNextMove) {
    StartWithNewTrack();
    Button("TranslateSpace");
    Mouse(CommandKind::MouseDown, 500.0f, 500.0f, 4);
    Mouse(CommandKind::MouseMove, 510.0f, 500.0f, 4);
    // The release never comes: a message box took it.
    const float ox = editor.view.OffsetX;
    const int redraws = editor.RefreshCount;
    Mouse(CommandKind::MouseMove, 600.0f, 500.0f, 0);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, ox);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
    EXPECT_EQ(host.pointer, "TranslateSpace");

    // A left drag edits again instead of panning.
    const float x0 = editor.track.Lanes[2].Spaces[0].Pt[0].x;
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f, 1);
    Mouse(CommandKind::MouseMove, 101.0f, 1.0f, 1);
    Mouse(CommandKind::MouseUp, 101.0f, 1.0f, 1);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, ox);
    EXPECT_GT(editor.track.Lanes[2].Spaces[0].Pt[0].x, x0);
}

} // namespace td::test
