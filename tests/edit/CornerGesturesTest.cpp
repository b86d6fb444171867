#include <cmath>

#include "GestureFixture.h"
#include "render/Colours.h"

namespace td::test {
namespace {

class CornerGestures : public GestureFixture {
  protected:
    void SetUp() override {
        StartWithNewTrack();
        Button("EditCorner");
    }
    // Empty ground well above the template's spaces.
    PointF Ground(float dx = 0.0f) { return At(-1000.0f + dx, -1000.0f); }
    // A point inside the cloth of a flag whose foot is at world (fx, fy).
    PointF OnCloth(float fx, float fy) { return At(fx + 100.0f, fy - 170.0f); }
};

TEST_F(CornerGestures, PressOnGroundCreatesACornerAtTheExactPointAndOpensTheDialog) {
    const int refreshes = editor.RefreshCount;
    const PointF p = At(-1000.4f, -999.6f);
    Press(p);
    ASSERT_EQ(editor.track.Corners.size(), 1u);
    EXPECT_EQ(editor.sel.CurCorner, 0);
    EXPECT_FLOAT_EQ(editor.track.Corners[0].Vtx[0].x, ScreenToWorldX(editor.view, p.x));
    EXPECT_FLOAT_EQ(editor.track.Corners[0].Vtx[0].y, ScreenToWorldY(editor.view, p.y));
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
    EXPECT_EQ(host.cornerPropertiesShown, 1);
    EXPECT_EQ(host.cornerTexts, (std::array<std::string, 4>{"", "0", "0", "0"}));
    // The release never redraws in this mode.
    Release(p);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
}

TEST_F(CornerGestures, PressOnASpaceSelectsItAndCreatesNoCorner) {
    const Space& s = editor.track.Lanes[0].Spaces[0];
    Press(At(s.CenterX(), s.CenterY()));
    EXPECT_TRUE(editor.track.Corners.empty());
    EXPECT_EQ(editor.sel.CurLane, 0);
    EXPECT_EQ(host.cornerPropertiesShown, 0);
}

TEST_F(CornerGestures, FlagsArePickedOnlyWhileACornerIsCurrent) {
    Press(Ground());
    ASSERT_EQ(editor.track.Corners.size(), 1u);
    const PointF foot = editor.track.Corners[0].Vtx[0];

    // With no current corner a press on the flag places another corner.
    editor.sel.CurCorner = -1;
    Press(OnCloth(foot.x, foot.y));
    EXPECT_EQ(editor.track.Corners.size(), 2u);
    EXPECT_EQ(editor.sel.CurCorner, 1);

    // Now corner 0's flag is picked (the lower index where flags overlap).
    const int refreshes = editor.RefreshCount;
    const int dialogs = host.cornerPropertiesShown;
    Press(OnCloth(foot.x, foot.y));
    EXPECT_EQ(editor.track.Corners.size(), 2u);
    EXPECT_EQ(editor.sel.CurCorner, 0);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
    EXPECT_EQ(host.cornerPropertiesShown, dialogs);
}

TEST_F(CornerGestures, RightPressShowsTheCornerMenuOnAFlagOnly) {
    Press(Ground());
    const PointF foot = editor.track.Corners[0].Vtx[0];
    editor.sel.CurCorner = -1;
    const int refreshes = editor.RefreshCount;
    Click(Ground(-2000.0f), 2);
    EXPECT_TRUE(host.popups.empty());
    EXPECT_EQ(editor.RefreshCount, refreshes);
    EXPECT_EQ(editor.track.Corners.size(), 1u);

    Click(OnCloth(foot.x, foot.y), 2);
    EXPECT_EQ(editor.sel.CurCorner, 0);
    EXPECT_EQ(host.popups, (std::vector<std::string>{"MnuCorner"}));
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
}

TEST_F(CornerGestures, DragMovesTheFlagInWholeUnitsWithExclusiveOrFeedback) {
    for (const float zoom : {2.0f, 2.5f, 1.0f}) {
        editor.view.Zoom = zoom;
        editor.sel.CurCorner = -1;
        const PointF p = Ground();
        Press(p);
        const PointF before =
            editor.track.Corners[static_cast<size_t>(editor.sel.CurCorner)].Vtx[0];
        surface.Reset();
        const int refreshes = editor.RefreshCount;
        // 30 units right and 10 up under the Medium grid: an x step only.
        Drag({p.x + 30.0f, p.y - 10.0f});
        const Corner& c = editor.track.Corners[static_cast<size_t>(editor.sel.CurCorner)];
        EXPECT_FLOAT_EQ(c.Vtx[0].x - before.x, std::nearbyint(30.0f / zoom)) << zoom;
        EXPECT_FLOAT_EQ(c.Vtx[0].y, before.y) << zoom;
        EXPECT_FLOAT_EQ(c.Vtx[1].x, c.Vtx[0].x + 20.0f);
        // The cloth and the pole are drawn twice, in white exclusive-or.
        const auto boxes = Drawn(Op::Box, PenXor);
        ASSERT_EQ(boxes.size(), 4u);
        for (const Call& b : boxes)
            EXPECT_EQ(b.colour, Col::White);
        EXPECT_FLOAT_EQ(boxes[2].v[0] - boxes[0].v[0], std::nearbyint(30.0f / zoom) * zoom);
        Release({p.x + 30.0f, p.y - 10.0f});
        EXPECT_EQ(editor.RefreshCount, refreshes);
    }
    // Zoom 2.0: 30 drawing-area units are 15 world units.
    EXPECT_EQ(editor.track.Corners.size(), 3u);
}

TEST_F(CornerGestures, DragAfterSelectingASpaceMovesTheCurrentCorner) {
    Press(Ground());
    const PointF before = editor.track.Corners[0].Vtx[0];
    const Space& s = editor.track.Lanes[0].Spaces[0];
    const PointF p = At(s.CenterX(), s.CenterY());
    Press(p);
    Drag({p.x, p.y + 50.0f});
    EXPECT_FLOAT_EQ(editor.track.Corners[0].Vtx[0].y, before.y + std::nearbyint(50.0f / 2.5f));
}

TEST_F(CornerGestures, DoubleClickAndMenusReachTheCurrentCorner) {
    DoubleClick(); // no corner yet
    EXPECT_EQ(host.cornerPropertiesShown, 0);
    Press(Ground());
    DoubleClick();
    EXPECT_EQ(host.cornerPropertiesShown, 2);
    Menu("MnuCornerInfo");
    EXPECT_EQ(host.cornerPropertiesShown, 3);
    host.Answer(MsgAnswer::Yes);
    Menu("MnuDeleteCorner");
    EXPECT_TRUE(editor.track.Corners.empty());
    EXPECT_EQ(editor.sel.CurCorner, 0);
    // Nothing left to drag, open or delete.
    Drag(Ground(100.0f));
    DoubleClick();
    Menu("MnuDeleteCorner");
    EXPECT_EQ(host.cornerPropertiesShown, 3);
    EXPECT_EQ(host.messages.size(), 1u);
}

} // namespace
} // namespace td::test
