#include <gtest/gtest.h>

#include "model/Templates.h"

using namespace td;

namespace {

std::vector<size_t> Sizes(const Track& t) {
    std::vector<size_t> v;
    for (const Lane& l : t.Lanes)
        v.push_back(l.Spaces.size());
    return v;
}

} // namespace

TEST(Templates, NewTrackReplacesTheContentButKeepsTheInformation) {
    Track t;
    Selection sel;
    sel.CurCorner = 3;
    sel.PrimarySpace = 2001;
    sel.PolyClosed = false;
    t.Corners.resize(2);
    t.BackPolys.resize(1);
    t.StartPos[5] = 1;
    t.Info.Name = "Previous";
    BuildNewTrack3(t, sel);
    EXPECT_EQ(Sizes(t), (std::vector<size_t>{1, 2, 1, 10, 1}));
    // Every field is pinned by the golden file; here what it cannot show.
    for (const Lane& l : t.Lanes)
        for (const Space& s : l.Spaces) {
            EXPECT_EQ(s.Nxt, (std::array<SpaceRef, 2>{NoSpace, NoSpace}));
            EXPECT_EQ(s.Adj, (std::array<SpaceRef, 4>{NoSpace, NoSpace, NoSpace, NoSpace}));
        }
    EXPECT_TRUE(t.Corners.empty());
    EXPECT_TRUE(t.BackPolys.empty());
    EXPECT_EQ(t.StartPos, Track::MakeEmptyStartPos());
    EXPECT_EQ(t.BackColor, 0x1B7913u);
    EXPECT_EQ(t.Info.Name, "Previous"); // a new track keeps the information
    EXPECT_EQ(sel.CurCorner, -1);
    EXPECT_EQ(sel.PrimarySpace, NoSpace);
    EXPECT_TRUE(sel.PolyClosed);
}

TEST(Templates, FourLaneTemplateAddsALeftLaneAndRenamesTheOthers) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    ConvertToFourLanes(t);
    EXPECT_EQ(Sizes(t), (std::vector<size_t>{2, 1, 2, 1, 10, 1}));
    EXPECT_EQ(t.Lanes[0].Name, "Left");
    EXPECT_EQ(t.Lanes[1].Name, "Mid-Left");
    EXPECT_EQ(t.Lanes[0].Spaces[0].Pt[4], (PointF{-200, -250}));
}

TEST(Templates, ResetTrackLeavesFiveEmptyNamelessLanes) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    ResetTrack(t, sel);
    ASSERT_EQ(t.Lanes.size(), 5u);
    for (const Lane& l : t.Lanes) {
        EXPECT_TRUE(l.Name.empty());
        EXPECT_TRUE(l.Spaces.empty());
    }
}
