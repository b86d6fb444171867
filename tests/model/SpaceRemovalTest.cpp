#include <gtest/gtest.h>

#include "model/SpaceRemoval.h"

using namespace td;

namespace {

// Two lanes of four spaces; every space of lane 0 links to spaces of lane 1.
Track LinkedLanes() {
    Track t;
    t.Lanes.resize(2);
    for (Lane& lane : t.Lanes)
        lane.Spaces.resize(4);
    for (int i = 0; i < 4; ++i) {
        Space& s = t.Lanes[0].Spaces[static_cast<size_t>(i)];
        s.Segment = static_cast<std::int16_t>(i); // tells the records apart
        s.Nxt = {MakeRef(1, i), MakeRef(1, 3)};
        s.Adj = {MakeRef(1, 1), MakeRef(1, 2), MakeRef(0, 3), 1999};
    }
    t.Lanes[1].Spaces[3].Nxt[0] = MakeRef(0, 2);
    return t;
}

TEST(RemoveSpace, EveryReferenceKeepsNamingTheSpaceItNamed) {
    Track t = LinkedLanes();
    t.StartPos[1] = MakeRef(1, 2);
    t.StartPos[2] = MakeRef(1, 1);
    t.StartPos[3] = MakeRef(1, 0);
    t.StartPos[4] = MakeRef(0, 2);
    Selection sel;
    sel.PrimarySpace = MakeRef(1, 3);
    sel.CurLane = 1;
    sel.CurSpace = 4; // the pending space after the lane's end
    ASSERT_TRUE(RemoveSpace(t, sel, 1, 1));

    ASSERT_EQ(t.Lanes[1].Spaces.size(), 3u);
    const Space& s = t.Lanes[0].Spaces[0];
    EXPECT_EQ(s.Nxt[0], MakeRef(1, 0));
    EXPECT_EQ(s.Nxt[1], MakeRef(1, 2)) << "the old space 3 is now space 2";
    EXPECT_EQ(s.Adj[0], NoSpace) << "the removed space";
    EXPECT_EQ(s.Adj[1], MakeRef(1, 1));
    EXPECT_EQ(s.Adj[2], MakeRef(0, 3)) << "another lane is untouched";
    EXPECT_EQ(s.Adj[3], 1998) << "a dangling reference stays dangling";
    EXPECT_EQ(t.Lanes[0].Spaces[1].Nxt[0], NoSpace);
    EXPECT_EQ(t.Lanes[1].Spaces[2].Nxt[0], MakeRef(0, 2)) << "the moved record keeps its links";
    EXPECT_EQ(t.StartPos[1], MakeRef(1, 1));
    EXPECT_EQ(t.StartPos[2], NoSpace);
    EXPECT_EQ(t.StartPos[3], MakeRef(1, 0));
    EXPECT_EQ(t.StartPos[4], MakeRef(0, 2));
    EXPECT_EQ(sel.PrimarySpace, MakeRef(1, 2));
    EXPECT_EQ(sel.CurSpace, 3) << "still the pending space";

    // The removed space as primary: none is left.
    sel.PrimarySpace = MakeRef(0, 2);
    ASSERT_TRUE(RemoveSpace(t, sel, 0, 2));
    EXPECT_EQ(sel.PrimarySpace, NoSpace);
    EXPECT_EQ(t.Lanes[0].Spaces[2].Segment, 3);
    EXPECT_EQ(t.Lanes[0].Spaces[2].Adj[2], MakeRef(0, 2)) << "it named itself";
    EXPECT_FALSE(RemoveSpace(t, 0, 3));
    EXPECT_FALSE(RemoveSpace(t, 5, 0));
}

} // namespace
