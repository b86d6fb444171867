#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "tools/CenterTrack.h"

using namespace td;
using namespace td::test;

TEST(CenterTrack, MovesSpacesFlagsAndPolygonsToTheMiddleOfAllSpaces) {
    Track t;
    t.Lanes.push_back(MakeLane("Left", 2));
    t.Lanes[0].Spaces[0].Pt[0] = {1000, -500};
    t.Lanes[0].Spaces[1].Pt[0] = {3000, 505};
    t.Lanes.push_back(MakeLane("Pit", 1));
    t.Lanes[1].Spaces[0].Pt[0] = {2000, 0};
    for (Lane& lane : t.Lanes)
        for (Space& s : lane.Spaces) {
            s.Rotation = 30;
            ComputeSpaceOutline(s);
        }
    Corner c;
    c.Vtx[0] = {2000, 100};
    DeriveCornerFlag(c);
    const Corner flag = c;
    t.Corners.push_back(c);
    t.BackPolys.push_back({1, 0, 0, {{10, 10}, {2001, 3}, {0, 0}}});

    const ToolResult r = CenterTrack(t);
    EXPECT_EQ(r.changed, 5);
    EXPECT_TRUE(r.message.Empty());
    EXPECT_EQ(t.Lanes[0].Spaces[0].Pt[0], (PointF{-1000, -502.5f}));
    EXPECT_EQ(t.Lanes[1].Spaces[0].Pt[0], (PointF{0, -2.5f}));
    // The outline follows its centre.
    Space fresh = t.Lanes[0].Spaces[1];
    ComputeSpaceOutline(fresh);
    EXPECT_EQ(fresh.Pt, t.Lanes[0].Spaces[1].Pt);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(t.Corners[0].Vtx[k].x, flag.Vtx[k].x - 2000);
        EXPECT_FLOAT_EQ(t.Corners[0].Vtx[k].y, flag.Vtx[k].y - 2.5f);
    }
    // 7.5, 0.5 and -2.5 round to the even neighbour.
    EXPECT_EQ(t.BackPolys[0].Vtxs[0], (PointI{-1990, 8}));
    EXPECT_EQ(t.BackPolys[0].Vtxs[1], (PointI{1, 0}));
    EXPECT_EQ(t.BackPolys[0].Vtxs[2], (PointI{-2000, -2}));

    // Centred already: nothing moves, also not on a second run.
    EXPECT_EQ(CenterTrack(t).changed, 0);
    Track empty;
    EXPECT_EQ(CenterTrack(empty).changed, 0);
}
