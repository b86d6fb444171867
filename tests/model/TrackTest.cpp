#include <gtest/gtest.h>

#include "TestTracks.h"
#include "model/Track.h"

using namespace td;

TEST(SpaceRef, EncodesLaneTimesThousandPlusIndexAndMinusOneIsNone) {
    EXPECT_EQ(MakeRef(3, 5), 3005);
    EXPECT_EQ(RefLane(3005), 3);
    EXPECT_EQ(RefIndex(3005), 5);
    EXPECT_EQ(RefLane(32767), 32);
    EXPECT_EQ(RefIndex(32767), 767);

    Track t;
    t.Lanes.push_back(Lane{"Left", {test::MakeSpace(0, 0)}});
    EXPECT_EQ(t.Find(NoSpace), nullptr); // never lane 0, space 0
    EXPECT_EQ(t.Find(MakeRef(0, 0)), &t.Lanes[0].Spaces[0]);
    for (SpaceRef dangling :
         {SpaceRef(1), SpaceRef(1000), SpaceRef(32767), SpaceRef(-5), SpaceRef(-32768)})
        EXPECT_EQ(t.Find(dangling), nullptr) << dangling;
    EXPECT_EQ(t.Find(0, -1), nullptr);
    EXPECT_EQ(t.Find(-1, 0), nullptr);
}

TEST(LaneByName, TakesTheLastMatchAndFallsBackToLaneZero) {
    Track t;
    t.Lanes = {Lane{"Pit", {}}, Lane{"Left", {}}, Lane{"Pit", {}}, Lane{"pit", {}}};
    EXPECT_EQ(LaneByName(t, "Pit"), 2);
    EXPECT_EQ(LaneByName(t, "Garages"), 0);
    EXPECT_EQ(FindLane(t, "Garages"), -1);
    EXPECT_EQ(FindLane(t, "pit"), 3);
}

TEST(DeriveCornerFlag, PlacesTheFlagTriangleFromItsFoot) {
    Corner c;
    c.Vtx[0] = {10, 20};
    DeriveCornerFlag(c);
    EXPECT_EQ(c.Vtx[1], (PointF{30, -230}));
    EXPECT_EQ(c.Vtx[2], (PointF{190, -70}));
}
