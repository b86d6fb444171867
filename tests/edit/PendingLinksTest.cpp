// Links to the pending space: it exists only while it is current, so the
// links the author set to it go when the selection leaves it unstored, and
// stay when "AddSpace" stores it.

#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace td::test {
namespace {

class PendingLinksTest : public EditorFixture {
  protected:
    // The primary space on lane 0's first space, the current space the
    // pending one after lane 1's last, linked from the primary as Adjacent.
    SpaceRef LinkToPending() {
        StartWithNewTrack();
        editor.Dispatch(Command::GoTo(0, 0));
        Button("SetPrimarySpace");
        const int last = static_cast<int>(editor.track.Lanes[1].Spaces.size()) - 1;
        editor.Dispatch(Command::GoTo(1, last));
        Button("AddSpace");
        EXPECT_EQ(editor.sel.CurSpace, last + 1);
        Button("SetAdjacentSpace");
        const SpaceRef pending = MakeRef(1, last + 1);
        EXPECT_EQ(Primary().Adj[0], pending);
        return pending;
    }
    const Space& Primary() const { return editor.track.Lanes[0].Spaces[0]; }
};

TEST_F(PendingLinksTest, LeavingThePendingSpaceClearsTheLinksToIt_UndoBringsThemBack) {
    const SpaceRef pending = LinkToPending();
    editor.Dispatch(Command::GoTo(2, 0));
    EXPECT_EQ(Primary().Adj[0], NoSpace);
    Menu("MnuUndo");
    EXPECT_EQ(Primary().Adj[0], pending);
    EXPECT_EQ(MakeRef(editor.sel.CurLane, editor.sel.CurSpace), pending);
    Menu("MnuRedo");
    EXPECT_EQ(Primary().Adj[0], NoSpace);
}

TEST_F(PendingLinksTest, StoringThePendingSpaceKeepsTheLinksToIt) {
    const SpaceRef pending = LinkToPending();
    Button("AddSpace");
    editor.Dispatch(Command::GoTo(2, 0));
    EXPECT_EQ(Primary().Adj[0], pending);
    EXPECT_NE(editor.track.Find(pending), nullptr);
}

TEST_F(PendingLinksTest, CommandsThatStayOnThePendingSpaceKeepTheLinks) {
    const SpaceRef pending = LinkToPending();
    Button("CenterView");
    Key(VK::Left);
    EXPECT_EQ(Primary().Adj[0], pending);
}

} // namespace
} // namespace td::test
