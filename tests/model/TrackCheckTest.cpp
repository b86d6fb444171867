#include <gtest/gtest.h>

#include <algorithm>

#include "model/LaneRoles.h"
#include "model/SpaceGeometry.h"
#include "model/Templates.h"
#include "model/TrackCheck.h"

namespace td {
namespace {

// Three straight racing lanes of `n` spaces (lanes 2..4), a pit lane with the
// ten team spaces, ten garages, its entry and exit and a full grid: raceable except where a test
// breaks it. The lanes are open, so the last spaces link forward by hand.
Track RaceableTrack(int n = 30) {
    Track t;
    t.Lanes.push_back({"Pit", {}});
    t.Lanes.push_back({"Garages", {}});
    for (const char* name : {"Left", "Middle", "Right"})
        t.Lanes.push_back({name, {}});
    for (int li = 0; li < 5; ++li) {
        const int count = li == 1 ? 10 : n;
        for (int i = 0; i < count; ++i) {
            Space s;
            s.Pt[0] = {static_cast<float>(200 * i), static_cast<float>(100 * li)};
            ComputeSpaceOutline(s);
            if (li == 0 && i >= 2 && i < 12)
                s.Symbol = static_cast<std::int16_t>(Sym::PitTeam1 + i - 2);
            if (li == 1)
                s.Symbol = static_cast<std::int16_t>(Sym::GarageTeam1 + i);
            t.Lanes[static_cast<size_t>(li)].Spaces.push_back(s);
        }
    }
    for (int li = 2; li <= 4; ++li)
        t.Lanes[static_cast<size_t>(li)].Spaces.back().Nxt[0] = MakeRef(li == 4 ? 3 : li + 1, 0);
    // Into the pits from the lane beside them, and out again at the end.
    t.Lanes[2].Spaces[1].Nxt[1] = MakeRef(0, 2);
    t.Lanes[0].Spaces.back().Nxt[0] = MakeRef(2, n - 1);
    for (int k = 1; k <= 20; ++k)
        t.StartPos[static_cast<size_t>(k)] = MakeRef(2 + (k - 1) % 3, (k - 1) / 3);
    return t;
}

bool Has(const std::vector<TrackProblem>& problems, const std::string& text, int lane = -2,
         int space = -2) {
    return std::any_of(problems.begin(), problems.end(), [&](const TrackProblem& p) {
        return p.Text.find(text) != std::string::npos && (lane == -2 || p.Lane == lane) &&
               (space == -2 || p.Space == space);
    });
}

std::string All(const std::vector<TrackProblem>& problems) {
    std::string s;
    for (const auto& p : problems)
        s += p.Text + "\n";
    return s;
}

TEST(TrackCheck, TheHandBuiltTrackIsRaceable) {
    const auto problems = FindTrackProblems(RaceableTrack());
    EXPECT_TRUE(problems.empty()) << All(problems);
}

TEST(TrackCheck, ReportsWhatKeepsATrackFromBeingRacedWithTheSpaceItConcerns) {
    Track t = RaceableTrack();
    t.Lanes[3].Spaces.back().Nxt[0] = NoSpace;            // lane ends without a way on
    t.Lanes[2].Spaces[4].Segment = -1;                     // no segment
    for (int i = 10; i < 14; ++i)
        t.Lanes[4].Spaces[static_cast<size_t>(i)].Segment = 3; // corner 1, but no corners
    t.Lanes[0].Spaces[5].Symbol = 0;                       // team 4 loses its pit space
    t.Lanes[1].Spaces.pop_back();                          // team 10 loses its garage
    t.StartPos[20] = NoSpace;
    t.Lanes[2].Spaces[7].Adj[0] = MakeRef(4, 7);           // skips the middle lane
    t.Lanes[2].Spaces[1].Nxt[1] = NoSpace;                 // no way into the pits
    t.Lanes[0].Spaces.back().Nxt[0] = MakeRef(1, 0);       // the pit exit leads to a garage
    const auto p = FindTrackProblems(t);
    EXPECT_TRUE(Has(p, "no way forward", 3, 29)) << All(p);
    EXPECT_TRUE(Has(p, "no segment (segment -1)", 2, 4));
    EXPECT_TRUE(Has(p, "corner segment 3 has no corner record (corner 1)", 4, 10));
    EXPECT_FALSE(Has(p, "corner segment 3", 4, 11)) << "a run is reported once";
    EXPECT_TRUE(Has(p, "team 4 has no pit space (symbol 33)"));
    EXPECT_TRUE(Has(p, "team 10 has no garage (symbol 49)"));
    EXPECT_TRUE(Has(p, "the starting grid has 19 places; a race needs 20"));
    EXPECT_TRUE(Has(p, "Adj(0) links to lane 4 \"Right\", which is not a neighbouring lane", 2, 7));
    EXPECT_TRUE(Has(p, "no racing space has a Next link into the pit lane", 0, 0));
    EXPECT_TRUE(Has(p, "the pit exit has no Next link back to a racing lane", 0, 29));
}

TEST(TrackCheck, NeighbouringLanesFollowTheLaneRoles) {
    Track t = RaceableTrack();
    t.Lanes[0].Spaces[20].Nxt[0] = MakeRef(2, 21); // pit exit into the lane beside the pit
    t.Lanes[0].Spaces[2].Nxt[1] = MakeRef(1, 0);   // pit space to its garage
    t.Lanes[1].Spaces[0].Nxt[1] = MakeRef(0, 2);
    EXPECT_TRUE(FindTrackProblems(t).empty()) << All(FindTrackProblems(t));
    t.Lanes[0].Spaces[21].Nxt[0] = MakeRef(3, 22);
    t.Lanes[1].Spaces[1].Nxt[0] = MakeRef(2, 1);
    const auto p = FindTrackProblems(t);
    EXPECT_TRUE(Has(p, "links to lane 3 \"Middle\"", 0, 21));
    EXPECT_TRUE(Has(p, "links to lane 2 \"Left\"", 1, 1));

    Track fresh;
    Selection sel;
    BuildNewTrack3(fresh, sel);
    const LaneRoles roles = FindLaneRoles(fresh);
    EXPECT_EQ(roles.FirstRacing, 0);
    EXPECT_EQ(roles.LastRacing, 2);
    EXPECT_TRUE(LanesAreNeighbours(roles, roles.Pit, roles.Garages));
    EXPECT_TRUE(LanesAreNeighbours(roles, roles.Pit, 2));
    EXPECT_FALSE(LanesAreNeighbours(roles, roles.Pit, 0));
    EXPECT_FALSE(LanesAreNeighbours(roles, 0, 2));
}

TEST(TrackCheck, CornersNeedTheirSpacesAndAFlag) {
    Track t = RaceableTrack();
    for (int li = 2; li <= 4; ++li)
        for (int i = 5; i < 9; ++i)
            t.Lanes[static_cast<size_t>(li)].Spaces[static_cast<size_t>(i)].Segment = 1;
    t.Corners.push_back(Corner{"Hairpin", 1, 4, 4, {}});
    EXPECT_TRUE(FindTrackProblems(t).empty()) << All(FindTrackProblems(t));
    t.Corners.push_back(Corner{"Spare", 1, 4, 3, {}});
    t.Corners[0].Vtx[0].x = std::numeric_limits<float>::infinity();
    const auto p = FindTrackProblems(t);
    EXPECT_TRUE(Has(p, "corner 1 \"Spare\" has no flagged spaces: no racing space is in segment 3"));
    EXPECT_TRUE(Has(p, "corner 0 \"Hairpin\" has no flag on the track"));
}

TEST(TrackCheck, NamesThatReadAsSomethingElse) {
    Track t = RaceableTrack();
    t.Lanes.push_back({"Corners", {}});
    t.Lanes.push_back({"", {}});
    t.Lanes.push_back({";old", {}});
    t.Lanes.push_back({"12 Oaks", {}});
    t.Corners.push_back(Corner{"Backcolor", 0, 0, 0, {}});
    t.Corners.push_back(Corner{";Hairpin", 0, 0, 0, {}});
    const auto p = FindTrackProblems(t);
    EXPECT_TRUE(Has(p, "lane 5 \"Corners\" is named like the \"Corners\" keyword", 5, 0)) << All(p);
    EXPECT_TRUE(Has(p, "lane 6 \"\" has no name", 6, 0));
    EXPECT_TRUE(Has(p, "lane 7 \";old\" has a name starting with \";\"", 7, 0));
    EXPECT_TRUE(Has(p, "lane 8 \"12 Oaks\" has a name the game reads as a number", 8, 0));
    EXPECT_TRUE(Has(p, "corner 0 \"Backcolor\" is named like the \"Backcolor\" keyword"));
    EXPECT_TRUE(Has(p, "corner 1 \";Hairpin\" has a name starting with \";\""));
}

TEST(TrackCheck, CheckTrackListsTheTextsInOrder) {
    Track t = RaceableTrack();
    t.Lanes[2].Spaces[0].Nxt[1] = MakeRef(3, 500);
    t.StartPos[1] = MakeRef(2, 900);
    const auto lines = CheckTrack(t);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "lane 2 \"Left\", space 0: Nxt(1) names a missing space 3500 (lane 3, space 500)");
    EXPECT_EQ(lines[1], "start position 1 names a missing space 2900 (lane 2, space 900)");
    EXPECT_EQ(lines[2], "the starting grid has 19 places; a race needs 20");
}

} // namespace
} // namespace td
