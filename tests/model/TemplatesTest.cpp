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

TEST(Templates, ThreeLaneTemplateHasTheFixedLanesAndGarageSymbols) {
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
    EXPECT_EQ(t.Lanes[0].Name, "Left");
    EXPECT_EQ(t.Lanes[1].Name, "Middle");
    EXPECT_EQ(t.Lanes[2].Name, "Right");
    EXPECT_EQ(t.Lanes[3].Name, "Garages");
    EXPECT_EQ(t.Lanes[4].Name, "Pit");
    const int garages[10] = {40, 45, 41, 46, 42, 47, 43, 48, 44, 49};
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(t.Lanes[3].Spaces[static_cast<size_t>(j)].Symbol, garages[j]);
        EXPECT_EQ(t.Lanes[3].Spaces[static_cast<size_t>(j)].Pt[0], (PointF{200.0f * (j + 1), 200}));
    }
    EXPECT_EQ(t.Lanes[1].Spaces[0].LanePos, -0.5f);
    EXPECT_EQ(t.Lanes[1].Spaces[1].Symbol, 51);
    EXPECT_EQ(t.Lanes[4].Spaces[0].Pt[0], (PointF{0, 300}));
    EXPECT_EQ(t.Lanes[0].Spaces[0].Pt[1], (PointF{-100, -250}));
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
    const char* names[6] = {"Left", "Mid-Left", "Mid-Right", "Right", "Garages", "Pit"};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(t.Lanes[i].Name, names[i]);
    EXPECT_EQ(t.Lanes[0].Spaces[0].Pt[0], (PointF{-100, -300}));
    EXPECT_EQ(t.Lanes[0].Spaces[1].Symbol, 51);
    EXPECT_EQ(t.Lanes[0].Spaces[1].LanePos, 0.5f);
    EXPECT_EQ(t.Lanes[1].Spaces[0].Pt[0], (PointF{0, -200}));
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
