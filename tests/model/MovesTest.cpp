#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "MoveTracks.h"
#include "model/Laps.h"
#include "model/Moves.h"
#include "model/Templates.h"
#include "model/TrackFile.h"

namespace td {
namespace {

using test::LoopTrack;

std::vector<SpaceRef> Targets(const Track& t, int lane, int index) {
    const MoveTargets m = MovesFrom(t, FindLaneRoles(t), lane, index);
    return {m.begin(), m.end()};
}

using Refs = std::vector<SpaceRef>;

TEST(Moves, OneMoveFollowsTheLaneClosesTheLapAndTakesTheNextLinksOnly) {
    Track t = LoopTrack();
    t.Lanes[0].Spaces[3].Adj = {MakeRef(1, 2), MakeRef(1, 3), MakeRef(1, 4), -1};
    EXPECT_EQ(Targets(t, 0, 3), (Refs{4, 1003})) << "Adj links are no moves";
    EXPECT_EQ(Targets(t, 0, 11), (Refs{0, 1011})) << "the lap closes";
    EXPECT_EQ(Targets(t, 1, 11), (Refs{1000, 0}));
    EXPECT_EQ(Targets(t, 1, 10), (Refs{1011, 2000, 11}));

    // Links that name no space, and a link that repeats the lane's own move.
    t.Lanes[0].Spaces[5].Nxt = {MakeRef(1, 12), MakeRef(7, 0)};
    EXPECT_EQ(Targets(t, 0, 5), (Refs{6}));
    t.Lanes[0].Spaces[5].Nxt = {MakeRef(0, 6), -5};
    EXPECT_EQ(Targets(t, 0, 5), (Refs{6}));

    // The pit lane ends at its exit; the garage row is left by its link only.
    EXPECT_EQ(Targets(t, 2, 2), (Refs{1001}));
    EXPECT_EQ(Targets(t, 2, 1), (Refs{2002, 3000}));
    t.Lanes[3].Spaces.resize(2);
    EXPECT_EQ(Targets(t, 3, 0), (Refs{2001}));
    EXPECT_TRUE(Targets(t, 3, 1).empty());
    EXPECT_TRUE(Targets(t, 4, 0).empty());
    EXPECT_TRUE(Targets(t, 0, 12).empty());
}

TEST(Moves, ReachSeparatesTheLastMoveFromTheSpacesPassed) {
    const Track t = LoopTrack();
    // A move advances half a space or a whole one: two halves also end on
    // space 3, which one move reaches too.
    const MoveReach two = ReachInMoves(t, MakeRef(0, 2), 2);
    EXPECT_EQ(two.Exactly, (Refs{3, 4, 1003}));
    EXPECT_EQ(two.Fewer, (Refs{1002}));
    EXPECT_EQ(ReachInMoves(t, MakeRef(0, 2), 1).Exactly, (Refs{3, 1002}));

    // Into the pits and out again: the exit leads on, the garage is a turn off.
    const MoveReach pits = ReachInMoves(t, MakeRef(2, 0), 3);
    EXPECT_EQ(pits.Exactly, (Refs{1001, 2001}));
    EXPECT_EQ(pits.Fewer, (Refs{2002, 3000}));

    // A dead end empties the last layer but keeps what was passed.
    Track dead = t;
    dead.Lanes[2].Spaces[2].Nxt[1] = NoSpace;
    dead.Lanes[2].Spaces[1].Nxt[0] = NoSpace;
    const MoveReach stuck = ReachInMoves(dead, MakeRef(2, 0), 5);
    EXPECT_TRUE(stuck.Exactly.empty());
    EXPECT_EQ(stuck.Fewer, (Refs{2001, 2002}));

    EXPECT_TRUE(ReachInMoves(t, MakeRef(0, 2), 0).Exactly.empty());
    EXPECT_TRUE(ReachInMoves(t, MakeRef(0, 12), 3).Fewer.empty());
    EXPECT_TRUE(ReachInMoves(t, NoSpace, 3).Exactly.empty());
}

TEST(Moves, TemplatesGoRoundTheirShortLanes) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    // "Left" has one space, "Middle" two: each lap comes back to the start,
    // and only "Middle" has a back half to cross the line from.
    EXPECT_EQ(ReachInMoves(t, MakeRef(0, 0), 40).Exactly, (Refs{0}));
    const MoveReach middle = ReachInMoves(t, MakeRef(1, 0), 6);
    EXPECT_EQ(middle.Exactly, (Refs{1000}));
    EXPECT_EQ(middle.Fewer, (Refs{1001}));
    EXPECT_EQ(ShortestLap(t), 2);
    ConvertToFourLanes(t);
    for (int lane = 0; lane < 4; ++lane)
        EXPECT_FALSE(ReachInMoves(t, MakeRef(lane, 0), 6).Exactly.empty()) << lane;
}

// On the demo a car can always stay in its lane, and wherever lane changes
// take it, N moves never go much more than N spaces ahead nor back.
TEST(Moves, OnTheDemoTrackNMovesKeepToTheLaneOrGoAboutNSpacesAhead) {
    Track t;
    ASSERT_TRUE(LoadTrack(t, std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk").complete);
    const LaneRoles roles = FindLaneRoles(t);
    const float lap = t.Lanes[0].Spaces.back().LanePos + 0.97f;
    for (int n : {1, 6, 40}) {
        size_t most = 0;
        for (int lane = roles.FirstRacing; lane <= roles.LastRacing; ++lane) {
            const auto& spaces = t.Lanes[static_cast<size_t>(lane)].Spaces;
            for (size_t i = 0; i < spaces.size(); i += 7) {
                const MoveReach r = ReachInMoves(t, MakeRef(lane, static_cast<int>(i)), n);
                const SpaceRef inLane = MakeRef(lane, static_cast<int>((i + n) % spaces.size()));
                EXPECT_TRUE(std::binary_search(r.Exactly.begin(), r.Exactly.end(), inLane));
                most = std::max(most, r.Exactly.size());
                for (SpaceRef to : r.Exactly) {
                    if (!roles.IsRacing(RefLane(to)))
                        continue; // the pit lane counts positions of its own
                    float ahead = std::fmod(t.Find(to)->LanePos - spaces[i].LanePos + lap, lap);
                    if (ahead > lap / 2)
                        ahead -= lap;
                    EXPECT_GT(ahead, -1.0f) << lane << "/" << i << " -> " << to;
                    EXPECT_LT(ahead, 1.6f * n) << lane << "/" << i << " -> " << to;
                }
            }
        }
        EXPECT_GT(most, 2u) << "lane changes spread the cars out";
    }
    // Cutting across to the inside lane makes the lap shorter than any lane.
    const auto shortest = ShortestLap(t);
    ASSERT_TRUE(shortest);
    for (int lane = roles.FirstRacing; lane <= roles.LastRacing; ++lane)
        EXPECT_LE(*shortest, static_cast<int>(t.Lanes[static_cast<size_t>(lane)].Spaces.size()));
}

TEST(Moves, ClosuresFollowTheMovesForwardAndBack) {
    Track t = LoopTrack();
    t.Lanes[2].Spaces[2].Nxt[1] = NoSpace;
    const SpaceSet fromPit = SpacesReachedFrom(t, {MakeRef(2, 0)});
    EXPECT_TRUE(fromPit[2002] && fromPit[3000] && fromPit[2000]);
    EXPECT_FALSE(fromPit[1001]);
    const SpaceSet home = SpacesLeadingTo(t, {MakeRef(0, 0)});
    EXPECT_TRUE(home[0] && home[1011] && home[5]);
    EXPECT_FALSE(home[2000] || home[3000]);
    EXPECT_EQ(ShortestLap(t), 12);
}

} // namespace
} // namespace td
