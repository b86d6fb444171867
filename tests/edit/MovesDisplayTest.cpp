#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "render/Colours.h"
#include "view/ViewTransform.h"

namespace td::test {
namespace {

class MovesDisplayTest : public EditorFixture {
  protected:
    void StartOnDemo(const EditorSettings& settings = {}) {
        Start(settings);
        ASSERT_TRUE(editor.LoadTrackFile(DataFile("../../tracks/demo.trk")));
        surface.Reset();
    }
    // Frames drawn since the last reset, four lines each.
    size_t Frames(Colour colour) const { return surface.WithColour(colour).size() / 4; }
    void Click(int lane, int s) {
        const Space* sp = editor.track.Find(lane, s);
        const float x = WorldToScreenX(editor.view, sp->CenterX());
        const float y = WorldToScreenY(editor.view, sp->CenterY());
        const int before = editor.RefreshCount;
        editor.Dispatch(Command::Mouse(CommandKind::MouseDown, 1, 0, x, y));
        pressRedraws = editor.RefreshCount - before;
        releaseRedraws = editor.RefreshCount;
        editor.Dispatch(Command::Mouse(CommandKind::MouseUp, 1, 0, x, y));
        releaseRedraws = editor.RefreshCount - releaseRedraws;
    }
    std::string Panel() { return host.panels["Moves"]; }
    int pressRedraws = 0;
    int releaseRedraws = 0;
};

TEST_F(MovesDisplayTest, ShowMovesMarksTheReachAfterTheSpacesAndSaysHowMany) {
    StartOnDemo();
    editor.RefreshView();
    EXPECT_EQ(Frames(Col::MoveEnd), 0u) << "off by default";
    EXPECT_EQ(Panel(), "");

    Menu("MnuShowMoves");
    EXPECT_TRUE(host.menuChecked["MnuShowMoves"]);
    const MoveReach reach = editor.CurrentReach();
    ASSERT_FALSE(reach.Exactly.empty());
    EXPECT_EQ(Frames(Col::MoveEnd), reach.Exactly.size());
    EXPECT_EQ(Frames(Col::MovePassed), reach.Fewer.size());
    EXPECT_EQ(Panel(), "Moves: 6, " + std::to_string(reach.Exactly.size()) + " spaces");
    // Over the spaces, under the current space's highlight, in the copy pen.
    const auto& calls = surface.calls;
    size_t lastBody = 0, firstMark = calls.size(), lastMark = 0, highlight = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op == Op::Polygon && calls[i].fill == Col::SpaceGrey)
            lastBody = i;
        if (calls[i].colour == Col::MoveEnd) {
            firstMark = std::min(firstMark, i);
            lastMark = i;
            EXPECT_EQ(calls[i].penMode, PenCopy);
            EXPECT_EQ(calls[i].stateLineWidth, 3);
        }
        if (calls[i].lineStyle == LineDot && calls[i].penMode == PenXor)
            highlight = i;
    }
    EXPECT_LT(lastBody, firstMark);
    EXPECT_LT(lastMark, highlight);

    surface.Reset();
    Menu("MnuShowMoves");
    EXPECT_EQ(Frames(Col::MoveEnd), 0u);
    EXPECT_EQ(Panel(), "");
    EXPECT_FALSE(editor.history.CanUndo()) << "a display option is no edit";
}

TEST_F(MovesDisplayTest, FollowsTheCurrentSpaceAndItsLinksButNotInsideAGesture) {
    StartOnDemo();
    Menu("MnuShowMoves");
    Click(0, 3);
    EXPECT_EQ(editor.CurrentReach().From, MakeRef(0, 3));
    EXPECT_EQ(pressRedraws, 0) << "a drag may follow the press";
    EXPECT_EQ(releaseRedraws, 1);

    // The check window's pick moves the reach too.
    surface.Reset();
    editor.Dispatch(Command::GoTo(1, 40));
    const MoveReach there = ReachInMoves(editor.track, MakeRef(1, 40), 6);
    EXPECT_EQ(Frames(Col::MoveEnd), there.Exactly.size());

    // Links cleared by a tool that leaves the drawing alone: the marks follow.
    host.answers.push_back(MsgAnswer::Yes);
    surface.Reset();
    Menu("MnuClearAllTags");
    EXPECT_EQ(Frames(Col::MoveEnd), 1u) << "only the lane itself is left";
    EXPECT_EQ(Panel(), "Moves: 6, 1 spaces");
}

TEST_F(MovesDisplayTest, TheMovesBoxTakesWholeNumbersWithinItsRange) {
    StartOnDemo();
    EXPECT_EQ(host.controlText["MovesTxt"], "6");
    Menu("MnuShowMoves");
    editor.Dispatch(Command::Text("MovesTxt", "12"));
    EXPECT_EQ(editor.display.Moves, 12);
    EXPECT_EQ(Panel().rfind("Moves: 12, ", 0), 0u);
    for (const auto& [text, moves] : std::vector<std::pair<std::string, int>>{
             {"99", 40}, {"0", 1}, {"-3", 1}, {"99999999999", 40}, {" 7", 7}}) {
        editor.Dispatch(Command::Text("MovesTxt", text));
        EXPECT_EQ(editor.display.Moves, moves) << text;
        EXPECT_EQ(host.controlText["MovesTxt"], std::to_string(moves)) << text;
    }
    for (const char* junk : {"", "x", "7x", "4.5"}) {
        editor.Dispatch(Command::Text("MovesTxt", junk));
        EXPECT_EQ(editor.display.Moves, 7) << junk;
        EXPECT_EQ(host.controlText["MovesTxt"], "7") << junk;
    }
    EXPECT_FALSE(editor.history.CanUndo());
}

TEST_F(MovesDisplayTest, TheSettingsKeepTheOptionAndTheCount) {
    EditorSettings s;
    s.ShowMoves = true;
    s.Moves = 55;
    StartOnDemo(s);
    EXPECT_TRUE(host.menuChecked["MnuShowMoves"]);
    EXPECT_EQ(host.controlText["MovesTxt"], "40");
    EXPECT_EQ(Panel().rfind("Moves: 40, ", 0), 0u);
    const EditorSettings kept = editor.CurrentSettings();
    EXPECT_TRUE(kept.ShowMoves);
    EXPECT_EQ(kept.Moves, 40);
}

} // namespace
} // namespace td::test
