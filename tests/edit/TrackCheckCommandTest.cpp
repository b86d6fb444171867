#include "EditorFixture.h"

#include "view/ViewTransform.h"

namespace td::test {
namespace {

using TrackCheckCommandTest = EditorFixture;

// A problem chosen in the check window makes its space current and puts it
// where the window does not hide it.
TEST_F(TrackCheckCommandTest, GoToPutsTheSpaceBesideTheCheckWindow) {
    StartWithNewTrack();
    ASSERT_TRUE(editor.LoadTrackFile(DataFile("../../tracks/demo.trk")));
    Menu("MnuCheckTrack");
    ASSERT_EQ(host.checkShown.size(), 1u);
    const ViewState& v = editor.view;
    const Space& s = editor.track.Lanes[1].Spaces[3];

    editor.Dispatch(Command::GoTo(1, 3));
    EXPECT_EQ(editor.sel.CurLane, 1);
    EXPECT_EQ(editor.sel.CurSpace, 3);
    EXPECT_FLOAT_EQ(WorldToScreenX(v, s.CenterX()), v.AreaWidth / 2);

    // The window over the right two thirds: the space goes to the middle of
    // the left third.
    host.checkCover = AreaRect{v.AreaWidth / 3, 0, v.AreaWidth, v.AreaHeight};
    editor.Dispatch(Command::GoTo(1, 4));
    const Space& t = editor.track.Lanes[1].Spaces[4];
    EXPECT_NEAR(WorldToScreenX(v, t.CenterX()), v.AreaWidth / 6, 1.0f);
    EXPECT_NEAR(WorldToScreenY(v, t.CenterY()), v.AreaHeight / 2, 1.0f);
}

} // namespace
} // namespace td::test
