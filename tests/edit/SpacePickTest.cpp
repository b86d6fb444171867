// Finding a space by hand: clicks among overlapping spaces, the pointer's
// position and "Go to Space".

#include <gtest/gtest.h>

#include "GestureFixture.h"
#include "edit/SpaceHit.h"
#include "edit/UiDefs.h"
#include "model/SpaceGeometry.h"

using namespace td;

namespace {

class SpacePickTest : public test::GestureFixture {
  protected:
    // A chicane in miniature: the first space of the left and right lanes
    // laid across the middle lane's second one, so that all three lie under
    // the point (40, -90).
    void StartWithChicane() {
        StartWithNewTrack();
        Button("TranslateSpace");
        for (auto [lane, angle] : {std::pair{0, 30}, std::pair{2, 330}}) {
            Space& s = editor.track.Lanes[static_cast<size_t>(lane)].Spaces[0];
            s.Pt[0] = {0, -100};
            s.Rotation = static_cast<std::int16_t>(angle);
            ComputeSpaceOutline(s);
        }
    }
    std::pair<int, int> Current() const { return {editor.sel.CurLane, editor.sel.CurSpace}; }
};

TEST_F(SpacePickTest, SecondClicksAtOnePointCycleThroughTheSpacesThereAndNameTheLane) {
    StartWithChicane();
    const PointF p = At(40, -90);
    ASSERT_EQ(HitTestSpaces(editor.track, editor.view, p.x, p.y).size(), 3u);

    Click(p);
    EXPECT_EQ(Current(), std::pair(0, 0));
    EXPECT_EQ(host.panels["CurrLane"], "Lane 0, Left, space 1 (1 of 3 here)");
    Click(p);
    EXPECT_EQ(Current(), std::pair(1, 1));
    EXPECT_EQ(host.panels["CurrLane"], "Lane 1, Middle, space 2 (2 of 3 here)");
    // A quick second click arrives as a double-click.
    DoubleClick();
    EXPECT_EQ(Current(), std::pair(2, 0));
    Release(p);
    Click(p);
    EXPECT_EQ(Current(), std::pair(0, 0)) << "round again";

    // A click elsewhere starts with the first space under it again.
    Click(At(150, -100));
    EXPECT_EQ(Current(), std::pair(1, 1));
    EXPECT_EQ(host.panels["CurrLane"], "Lane 1, Middle");
    Click(At(40, -90));
    EXPECT_EQ(Current(), std::pair(0, 0));
    // The same point moved past a few pixels is another point.
    Click({p.x + 10 * editor.view.TwipsPerPixelX, p.y});
    EXPECT_EQ(Current().first, 0);
}

TEST_F(SpacePickTest, ThePointerPanelShowsTheWorldPointUnderThePointer) {
    StartWithNewTrack();
    Hover(At(123, -45));
    EXPECT_EQ(host.panels["Pointer"], "Pointer 123, -45");
    Button("TranslateView");
    Press(At(0, 0));
    Drag(At(-2000.4f, 7.6f));
    EXPECT_EQ(host.panels["Pointer"].rfind("Pointer ", 0), 0u);
}

TEST_F(SpacePickTest, GoToSpaceSelectsTheNamedSpaceAndCentresTheViewOnIt) {
    StartWithNewTrack();
    EXPECT_EQ(FindMenuItem("MnuGoToSpace")->shortcut, "Ctrl+G");
    editor.sel.CurLane = 3;
    editor.sel.CurSpace = 4;
    host.spaceAnswer = std::pair(1, 2);
    Menu("MnuGoToSpace");
    ASSERT_EQ(host.spaceAsked.size(), 1u);
    EXPECT_EQ(host.spaceAsked[0], std::pair(3, 5)) << "offers the current space, counted from 1";
    EXPECT_EQ(Current(), std::pair(1, 1));
    const Space& s = editor.track.Lanes[1].Spaces[1];
    EXPECT_NEAR(WorldToScreenX(editor.view, s.Pt[0].x), editor.view.AreaWidth / 2, 20);
    EXPECT_NEAR(WorldToScreenY(editor.view, s.Pt[0].y), editor.view.AreaHeight / 2, 20);

    for (auto bad : {std::pair(1, 3), std::pair(1, 0), std::pair(9, 1), std::pair(-1, 1)}) {
        host.spaceAnswer = bad;
        Menu("MnuGoToSpace");
        EXPECT_EQ(Current(), std::pair(1, 1));
    }
    ASSERT_EQ(host.messages.size(), 4u);
    EXPECT_EQ(host.messages[0].text, "There is no space 3 in lane 1.");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);

    host.spaceAnswer.reset();
    Menu("MnuGoToSpace");
    EXPECT_EQ(host.messages.size(), 4u) << "cancelled";
}

} // namespace
