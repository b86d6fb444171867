#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "edit/EditorFixture.h"

using namespace td;
using namespace td::test;

namespace {

class ToolMenuTest : public EditorFixture {
  protected:
    // A new track, then the given racing track put in its place.
    void StartWith(const Track& t) {
        StartWithNewTrack();
        editor.track = t;
        host.messages.clear();
        host.log.clear();
    }
};

} // namespace

TEST_F(ToolMenuTest, AssignSegmentsReportsThenEnablesAutoTagThenRedraws) {
    StartWithNewTrack();
    EXPECT_FALSE(host.menuEnabled["MnuAutoTagSpaces"]);
    host.log.clear();
    const int redraws = editor.RefreshCount;
    Menu("MnuAssignSeg");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Segments Created");
    EXPECT_EQ(host.messages[0].text, "0 segments created.\r\n(0 corners)");
    EXPECT_TRUE(host.menuEnabled["MnuAutoTagSpaces"]);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);

    // A new track disables auto-tagging again.
    Menu("MnuNew4");
    EXPECT_FALSE(host.menuEnabled["MnuAutoTagSpaces"]);
}

TEST_F(ToolMenuTest, AutoTagShowsItsMessageWithoutRedrawing) {
    StartWith(RacingTrack(3, 8));
    const int redraws = editor.RefreshCount;
    Menu("MnuAutoTagSpaces");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Next & Adjacent tags created.");
    EXPECT_EQ(editor.track.Lanes[0].Spaces[0].Nxt[0], 1001);
    EXPECT_EQ(editor.RefreshCount, redraws);

    editor.track.Lanes[4].Spaces[1].Symbol = 0;
    Menu("MnuAutoTagSpaces");
    EXPECT_EQ(host.messages.back().title, "Space Tags Not Created");
    EXPECT_EQ(host.messages.back().icon, MsgIcon::Information);
}

TEST_F(ToolMenuTest, ClearCommandsAskAndNoKeepsEverything) {
    Track t = RacingTrack(3, 8);
    t.Lanes[0].Spaces[2].Nxt[0] = 1003;
    t.StartPos[1] = 2007;
    StartWith(t);
    const int redraws = editor.RefreshCount;
    host.answers = {MsgAnswer::No, MsgAnswer::No};
    Menu("MnuClearAllTags");
    Menu("MnuClearStartGrid");
    EXPECT_EQ(editor.track.Lanes[0].Spaces[2].Nxt[0], 1003);
    EXPECT_EQ(editor.track.StartPos[1], 2007);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].title, "Clear All Tags");
    EXPECT_EQ(host.messages[1].title, "Clear All Starting Grids");

    host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Menu("MnuClearStraightTags");
    EXPECT_EQ(editor.track.Lanes[0].Spaces[2].Nxt[0], NoSpace);
    EXPECT_EQ(editor.RefreshCount, redraws); // clearing tags does not redraw
    Menu("MnuClearStartGrid");
    EXPECT_EQ(editor.track.StartPos[1], NoSpace);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
}

TEST_F(ToolMenuTest, GridCommandsRedrawOnlyWhenTheyBuild) {
    Track t = RacingTrack(3, 40);
    t.StartPos[1] = 2035;
    StartWith(t);
    const int redraws = editor.RefreshCount;
    Menu("MnuTightStartGrid");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(editor.RefreshCount, redraws);

    editor.track.StartPos[2] = 1034;
    Menu("MnuNormalStartGrid");
    EXPECT_EQ(editor.track.StartPos[20], 1034 - 27);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ToolMenuTest, PitPaintAndReorderStartAtTheCurrentSpace) {
    StartWith(RacingTrack(3, 8));
    editor.sel.CurLane = 4;
    editor.sel.CurSpace = 1;
    const int redraws = editor.RefreshCount;
    Menu("MnuCreatePitPaint");
    EXPECT_EQ(editor.track.Lanes[4].Spaces[2].Symbol, 35);
    EXPECT_EQ(editor.track.Lanes[4].Spaces[10].Symbol, 39);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
    EXPECT_TRUE(host.messages.empty());

    editor.sel.CurSpace = 3;
    Menu("MnuCreatePitPaint");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Can't Create Pit Spaces");
    EXPECT_EQ(editor.track.Lanes[4].Spaces[3].Symbol, 31);

    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 5;
    editor.track.Lanes[1].Spaces[5].LanePos = 20.25f;
    Menu("MnuReorder");
    EXPECT_EQ(editor.track.Lanes[1].Spaces[7].LanePos, 22.25f);
    EXPECT_EQ(editor.track.Lanes[1].Spaces[4].LanePos, 3.5f);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
}

TEST_F(ToolMenuTest, CenterTrackMovesTheTrackAndTheWorkingCopyAndRedraws) {
    Track t = RacingTrack(3, 8);
    t.BackPolys.push_back({1, 0, 0, {{1100, 0}}});
    t.BackPolys.push_back({1, 0, 0, {}});
    for (Lane& lane : t.Lanes)
        for (Space& s : lane.Spaces)
            s.Pt[0].y += 1000;
    StartWith(t);
    // The pending space after the last of lane 1.
    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 8;
    const int redraws = editor.RefreshCount;
    Menu("MnuCenterTrack");
    // Centres spanned x -100..2200, y 1000.
    EXPECT_EQ(editor.track.Lanes[0].Spaces[0].Pt[0], (PointF{-1050, 0}));
    EXPECT_EQ(editor.track.BackPolys[0].Vtxs[0], (PointI{50, -1000}));
    EXPECT_EQ(editor.sel.CurSpace, 7);
    EXPECT_EQ(editor.sel.WorkPts[0], editor.track.Lanes[1].Spaces[7].Pt[0]);
    EXPECT_EQ(editor.sel.CurPoly, 1);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
}

TEST_F(ToolMenuTest, ToolsDoNothingBeforeTheFirstTrack) {
    Start();
    for (const char* name : {"MnuAssignSeg", "MnuAutoTagSpaces", "MnuClearAllTags",
                             "MnuNormalStartGrid", "MnuCreatePitPaint", "MnuCenterTrack"})
        Menu(name);
    EXPECT_TRUE(host.messages.empty());
}
