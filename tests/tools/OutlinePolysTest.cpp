#include <gtest/gtest.h>

#include <cmath>

#include "model/SpaceGeometry.h"
#include "model/TrackFile.h"
#include "tools/TrackGenerator.h"
#include "tools/OutlinePolys.h"

namespace td::test {
namespace {

Space At(float x, float y, int rotation) {
    Space s;
    s.Pt[0] = {x, y};
    s.Rotation = static_cast<std::int16_t>(rotation);
    ComputeSpaceOutline(s);
    return s;
}

// A lane of spaces along +X whose rotations are given; space i stands at
// (200 * i, y).
Lane MakeLane(const char* name, float y, const std::vector<int>& rotations) {
    Lane lane{name, {}};
    for (size_t i = 0; i < rotations.size(); ++i)
        lane.Spaces.push_back(At(200.0f * static_cast<float>(i), y, rotations[i]));
    return lane;
}

// Pit and garages first, then the racing lanes Left, Middle, Right. The pit
// lane's last space sits beside space 2 of lane 2 (pit exit) and space 7 of
// lane 2 leads into the pit lane's first space (pit entry).
Track PitFirstTrack() {
    Track t;
    t.Lanes.push_back(MakeLane("Pit", 400, {0, 0, 90, 0, 0}));
    t.Lanes.push_back(MakeLane("Garages", 600, {0, 0}));
    t.Lanes.push_back(MakeLane("Left", 200, {0, 0, 0, 0, 10, 0, 0, 0, 0, 0}));
    t.Lanes.push_back(MakeLane("Middle", 100, {0, 0, 0}));
    t.Lanes.push_back(MakeLane("Right", 0, {0, 0, 0, 0, 90, 90, 0, 0}));
    t.Lanes[2].Spaces[2].Adj[1] = MakeRef(0, 4);
    t.Lanes[2].Spaces[7].Nxt[0] = MakeRef(0, 0);
    return t;
}

TEST(OutlinePolys, PitFirstTrack_FollowsTheFixedLanes) {
    Track t = PitFirstTrack();
    t.BackPolys.push_back(BackPoly{});
    Selection sel;
    CreateOutlinePolys(t, sel);
    ASSERT_EQ(t.BackPolys.size(), 3u);
    EXPECT_EQ(sel.CurPoly, 2);

    const BackPoly& concrete = t.BackPolys[1];
    EXPECT_EQ(concrete.Detail, 2);
    EXPECT_EQ(concrete.FillColor, Palette[2]);
    EXPECT_EQ(concrete.OutlineColor, Palette[2]);
    // Bends of the last lane at 3, 4, 5 and 6; 6 is its second-to-last space
    // and gives nothing. At rotation 0 the -y side is 100 above the centre;
    // at 90 it turns to the +x side.
    EXPECT_EQ(concrete.Vtxs, (std::vector<PointI>{{600, -100}, {900, 0}, {1100, 0}}));

    const BackPoly& grass = t.BackPolys[2];
    EXPECT_EQ(grass.FillColor, Palette[4]);
    EXPECT_EQ(grass.OutlineColor, Palette[4]);
    // Lane 2 from pit exit (3) to pit entry (7 - 2 = 5): bends 3, 4, 5 on the
    // +y side; then the pit lane's bends 1, 2, 3 (its last space gives none).
    const float s10 = 100.0f * std::sin(DegreesToRadians(10));
    const float c10 = 100.0f * std::cos(DegreesToRadians(10));
    EXPECT_EQ(grass.Vtxs, (std::vector<PointI>{{600, 300},
                                               {800 + static_cast<int>(std::lround(-s10)),
                                                200 + static_cast<int>(std::lround(c10))},
                                               {1000, 300},
                                               {200, 500},
                                               {300, 400},
                                               {600, 500}}));
}

TEST(OutlinePolys, PitLastTrack_MapsTheLanesByRole) {
    // The same lanes with the racing lanes first (Right beside the pit, as a
    // new track keeps them before its first save).
    Track first = PitFirstTrack();
    Track t;
    t.Lanes = {first.Lanes[4], first.Lanes[3], first.Lanes[2], first.Lanes[1], first.Lanes[0]};
    for (Lane& lane : t.Lanes)
        for (Space& s : lane.Spaces) {
            for (SpaceRef& r : s.Adj)
                if (r == MakeRef(0, 4))
                    r = MakeRef(4, 4);
            for (SpaceRef& r : s.Nxt)
                if (r == MakeRef(0, 0))
                    r = MakeRef(4, 0);
        }
    EXPECT_EQ(OutlineLanesFor(t), (OutlineLanes{4, 2, 0}));
    EXPECT_EQ(OutlineLanesFor(first), (OutlineLanes{0, 2, 4}));

    Selection a, b;
    CreateOutlinePolys(first, a);
    CreateOutlinePolys(t, b);
    ASSERT_EQ(t.BackPolys.size(), 2u);
    EXPECT_EQ(t.BackPolys[0].Vtxs, first.BackPolys[0].Vtxs);
    EXPECT_EQ(t.BackPolys[1].Vtxs, first.BackPolys[1].Vtxs);
    EXPECT_EQ(b.CurPoly, 1);

    // Garages and Pit in the other order at the end map the same way.
    std::swap(t.Lanes[3], t.Lanes[4]);
    EXPECT_EQ(OutlineLanesFor(t), (OutlineLanes{3, 2, 0}));
}

TEST(OutlinePolys, ACircuitGetsTheSameOutlineWhicheverEndItsPitLanesTake) {
    GeneratorOptions options = OptionsForLength(3, 120, 0);
    Track last = GenerateTrack(options);
    ASSERT_EQ(last.Lanes[3].Name, "Pit");
    Selection sel;
    CreateOutlinePolys(last, sel);
    ASSERT_FALSE(last.BackPolys[0].Vtxs.empty());
    ASSERT_FALSE(last.BackPolys[1].Vtxs.empty());

    // The pit lane and garages moved to the front, in either order; the
    // pit lane still lies beside "Right", now the last lane.
    for (const std::vector<int>& order : {std::vector<int>{3, 4, 0, 1, 2}, {4, 3, 0, 1, 2}}) {
        Track first = GenerateTrack(options);
        ApplyLaneOrder(first, order);
        ASSERT_EQ(first.Lanes[4].Name, "Right");
        CreateOutlinePolys(first, sel);
        EXPECT_TRUE(first.BackPolys[0].Vtxs == last.BackPolys[0].Vtxs) << order[0];
        EXPECT_TRUE(first.BackPolys[1].Vtxs == last.BackPolys[1].Vtxs) << order[0];
    }
}

TEST(OutlinePolys, StraightOrMissingLanesGiveEmptyPolygons) {
    Track straight;
    straight.Lanes.push_back(MakeLane("Pit", 0, {0, 0, 0}));
    straight.Lanes.push_back(MakeLane("Garages", 0, {0}));
    straight.Lanes.push_back(MakeLane("Left", 0, {0, 0, 0, 0}));
    Selection sel;
    CreateOutlinePolys(straight, sel);
    CreateOutlinePolys(straight, sel);
    ASSERT_EQ(straight.BackPolys.size(), 4u);
    for (const BackPoly& p : straight.BackPolys)
        EXPECT_TRUE(p.Vtxs.empty());
    EXPECT_EQ(sel.CurPoly, 3);

    Track empty;
    CreateOutlinePolys(empty, sel);
    EXPECT_EQ(empty.BackPolys.size(), 2u);
    EXPECT_EQ(sel.CurPoly, 1);

    // A second-to-last bend of the pit lane still counts.
    Track pit;
    pit.Lanes.push_back(MakeLane("Pit", 0, {0, 0, 0, 45, 0}));
    CreateOutlinePolys(pit, sel);
    EXPECT_EQ(pit.BackPolys[1].Vtxs.size(), 2u); // spaces 2 and 3
    // ... while the last lane, here the same lane, skips its last two.
    EXPECT_EQ(pit.BackPolys[0].Vtxs.size(), 1u); // space 2 only
}

} // namespace
} // namespace td::test
