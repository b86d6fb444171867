#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "model/Templates.h"
#include "tools/AutoTag.h"

using namespace td;
using namespace td::test;

namespace {

const Space& At(const Track& t, int lane, int index) {
    return t.Lanes[static_cast<size_t>(lane)].Spaces[static_cast<size_t>(index)];
}

void ExpectUnchanged(const Track& before, const Track& after) {
    for (size_t l = 0; l < before.Lanes.size(); ++l)
        for (size_t i = 0; i < before.Lanes[l].Spaces.size(); ++i) {
            EXPECT_EQ(before.Lanes[l].Spaces[i].Nxt, after.Lanes[l].Spaces[i].Nxt);
            EXPECT_EQ(before.Lanes[l].Spaces[i].Adj, after.Lanes[l].Spaces[i].Adj);
        }
}

} // namespace

TEST(AutoTagSpaces, LinksStaggeredStraightLanesAndWrapsAround) {
    constexpr int N = 6;
    Track t = RacingTrack(3, N);
    const ToolResult r = AutoTagSpaces(t);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.message.text, "Next & Adjacent tags created.");
    EXPECT_EQ(r.message.title, "Space Tags Created");
    EXPECT_EQ(r.message.icon, MsgIcon::None);

    // Lane 0 is lined up at its first space: lane 1's space 1 (0.5) is the
    // first one ahead of position 0. The last space wraps to the start.
    for (int s = 0; s < N; ++s) {
        EXPECT_EQ(At(t, 0, s).Nxt[0], 1000 + (s + 1) % N) << s;
        EXPECT_EQ(At(t, 0, s).Adj[0], 1000 + s) << s;
        EXPECT_EQ(At(t, 0, s).Nxt[1], NoSpace);
        EXPECT_EQ(At(t, 0, s).Adj[1], NoSpace);
    }
    // Lane 1 keeps the straight going and starts from offset 0.
    EXPECT_EQ(At(t, 1, 0).Nxt[0], 2000);
    EXPECT_EQ(At(t, 1, 0).Adj[0], 2000 + N - 1);
    EXPECT_EQ(At(t, 1, 0).Nxt[1], 0);
    EXPECT_EQ(At(t, 1, 0).Adj[1], N - 1);
    EXPECT_EQ(At(t, 1, N - 1).Nxt[0], 2000 + N - 1);
    // Lane 2, even, starts its down cursor at 1 and links downwards only.
    EXPECT_EQ(At(t, 2, 0).Nxt[1], 1001);
    EXPECT_EQ(At(t, 2, 0).Adj[1], 1000);
    EXPECT_EQ(At(t, 2, N - 1).Nxt[1], 1000);
    EXPECT_EQ(At(t, 2, 0).Nxt[0], NoSpace);

    // Pit boxes from index 1 pair with garages 0..9, each through the slot
    // that points towards the other lane.
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(At(t, 3, k).Nxt[0], 4000 + 1 + k);
        EXPECT_EQ(At(t, 4, 1 + k).Nxt[1], 3000 + k);
        EXPECT_EQ(At(t, 3, k).Nxt[1], NoSpace);
    }
    EXPECT_EQ(At(t, 4, 0).Nxt[1], NoSpace);
    EXPECT_EQ(At(t, 4, 11).Nxt[1], NoSpace);

    // A second run writes the same values.
    Track again = t;
    EXPECT_EQ(AutoTagSpaces(again).changed, 0);
    ExpectUnchanged(t, again);
}

TEST(AutoTagSpaces, LeavesCornersAloneAndLinesUpAgainAfterThem) {
    constexpr int N = 10;
    Track t = RacingTrack(2, N);
    // Lane 0: corner at 3..4; lane 1: corner at 3..5, so the straight after it
    // starts later there.
    SetSegments(t.Lanes[0], {0, 0, 0, 1, 1, 2, 2, 2, 2, 2});
    SetSegments(t.Lanes[1], {0, 0, 0, 1, 1, 1, 2, 2, 2, 2});
    t.Lanes[0].Spaces[3].Nxt[0] = 1004; // set by hand
    t.Lanes[0].Spaces[4].Symbol = Sym::ArrowLight;
    AutoTagSpaces(t);
    EXPECT_EQ(At(t, 0, 3).Nxt[0], 1004);
    EXPECT_EQ(At(t, 0, 4).Nxt[0], NoSpace);
    EXPECT_EQ(At(t, 0, 4).Adj[0], NoSpace);
    // Space 5 of lane 0 (position 5) lines up with the first segment-2 space
    // of lane 1 ahead of it: index 6 (position 5.5).
    EXPECT_EQ(At(t, 0, 5).Nxt[0], 1006);
    EXPECT_EQ(At(t, 0, 5).Adj[0], 1005);
    EXPECT_EQ(At(t, 0, 9).Nxt[0], 1000); // wraps
    // Lane 1 picks up the straight state of lane 0's end (a straight), so it
    // is not lined up at its start, but is after its corner.
    EXPECT_EQ(At(t, 1, 0).Nxt[1], 0);
    EXPECT_EQ(At(t, 1, 6).Nxt[1], 6); // position 5.5 -> lane 0 index 6 (6.0)
    EXPECT_EQ(At(t, 1, 6).Adj[1], 5);
    EXPECT_EQ(At(t, 1, 4).Nxt[1], NoSpace);
}

TEST(AutoTagSpaces, HeavyArrowsTakeTheirForwardLinksInTheSecondAdjacentSlots) {
    Track t = RacingTrack(3, 6);
    Space& heavy = t.Lanes[1].Spaces[2];
    heavy.Symbol = Sym::ArrowHeavy;
    heavy.Nxt = {1234, 1235};
    AutoTagSpaces(t);
    EXPECT_EQ(heavy.Nxt[0], 1234);
    EXPECT_EQ(heavy.Nxt[1], 1235);
    EXPECT_EQ(heavy.Adj[2], 2002);
    EXPECT_EQ(heavy.Adj[0], 2001);
    EXPECT_EQ(heavy.Adj[3], 2);
    EXPECT_EQ(heavy.Adj[1], 1);
}

TEST(AutoTagSpaces, PitAndGaragesFirstLinkTheOtherWay) {
    Track t;
    t.Lanes.push_back(MakeLane("Pit", 15));
    t.Lanes.push_back(MakeLane("Garages", 10));
    for (int i = 0; i < 3; ++i)
        t.Lanes.push_back(MakeLane("Lane", 5, i % 2 ? -0.5f : 0.0f));
    t.Lanes[0].Spaces[3].Symbol = Sym::PitTeam1;
    t.Lanes[0].Spaces[14].Symbol = Sym::PitTeam1; // only the first one counts
    ASSERT_FALSE(AutoTagSpaces(t).refused);
    EXPECT_EQ(At(t, 0, 3).Nxt[0], 1000);
    EXPECT_EQ(At(t, 1, 0).Nxt[1], 3);
    EXPECT_EQ(At(t, 1, 9).Nxt[1], 12);
    EXPECT_EQ(At(t, 2, 0).Nxt[0], 3001); // racing lanes are 2..4
    EXPECT_EQ(At(t, 2, 0).Nxt[1], NoSpace);

    // Garages before pit with the garages at the higher index.
    Track swapped = t;
    std::swap(swapped.Lanes[0], swapped.Lanes[1]);
    for (Lane& lane : swapped.Lanes)
        for (Space& s : lane.Spaces)
            s.Nxt = {NoSpace, NoSpace};
    ASSERT_FALSE(AutoTagSpaces(swapped).refused);
    EXPECT_EQ(At(swapped, 0, 0).Nxt[0], 1003);
    EXPECT_EQ(At(swapped, 1, 3).Nxt[1], 0);
}

TEST(AutoTagSpaces, RefusesWhatItCannotCompleteAndChangesNothing) {
    struct Case {
        const char* what;
        void (*spoil)(Track&);
        const char* says;
    };
    const Case cases[] = {
        {"no pit lane", [](Track& t) { t.Lanes[4].Name = "Pits"; }, "no lane named \"Pit\""},
        {"no garages", [](Track& t) { t.Lanes[3].Name = "Garage"; }, "\"Garages\""},
        {"no team-1 box", [](Track& t) { t.Lanes[4].Spaces[1].Symbol = 0; }, "Pit lane, Team 1"},
        {"box too late",
         [](Track& t) {
             t.Lanes[4].Spaces[4].Symbol = Sym::PitTeam1;
             t.Lanes[4].Spaces[1].Symbol = 0;
         },
         "fewer than ten spaces from"},
        {"few garages", [](Track& t) { t.Lanes[3].Spaces.pop_back(); }, "garage lane"},
        {"empty racing lane", [](Track& t) { t.Lanes[1].Spaces.clear(); }, "has no spaces"},
        {"nothing to line up with",
         [](Track& t) {
             for (Space& s : t.Lanes[1].Spaces)
                 s.Segment = 2;
         },
         "has no space of the same segment ahead"},
    };
    for (const Case& c : cases) {
        Track t = RacingTrack(3, 6);
        c.spoil(t);
        const Track before = t;
        const ToolResult r = AutoTagSpaces(t);
        EXPECT_TRUE(r.refused) << c.what;
        EXPECT_EQ(r.changed, 0);
        EXPECT_EQ(r.message.title, "Space Tags Not Created");
        EXPECT_EQ(r.message.icon, MsgIcon::Information);
        EXPECT_EQ(r.message.buttons, MsgButtons::OK);
        EXPECT_NE(r.message.text.find(c.says), std::string::npos) << r.message.text;
        ExpectUnchanged(before, t);
    }
}

TEST(AutoTagSpaces, RefusalNamesTheSpaceTheSearchStartsFrom) {
    // The 4-lane template: lane 1 holds one space, and the search for the
    // space ahead of lane 0's first starts after it.
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    ConvertToFourLanes(t);
    EXPECT_EQ(AutoTagProblem(t),
              "The straight of segment 0 that starts at space 0 of lane 0 (\"Left\") has no "
              "space of the same segment ahead of position -0.5 in lane 1 (\"Mid-Left\") from "
              "its space 1 on, which lies past that lane's last space 0.");

    // Within the lane the search names where it began.
    Track r = RacingTrack(3, 6);
    for (Space& s : r.Lanes[1].Spaces)
        s.Segment = 2;
    EXPECT_NE(AutoTagProblem(r).find("in lane 1 (\"Lane1\") from its space 1 on."),
              std::string::npos)
        << AutoTagProblem(r);
}
