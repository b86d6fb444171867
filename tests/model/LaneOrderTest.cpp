#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "TestTracks.h"
#include "model/TrackFile.h"

using namespace td;
using td::test::MakeSpace;

namespace {

struct LaneSetup {
    const char* name;
    float y;
};

// Lanes of four spaces each along +x at the given y. Every space links to
// the same index in the lane listed after it and before it, and start
// positions name spaces of several lanes, so that renumbering shows.
Track MakeTrack(std::initializer_list<LaneSetup> lanes) {
    Track t;
    for (const LaneSetup& l : lanes) {
        Lane lane{l.name, {}};
        for (int i = 0; i < 4; ++i)
            lane.Spaces.push_back(MakeSpace(200.0f * i, l.y));
        t.Lanes.push_back(lane);
    }
    const int n = static_cast<int>(t.Lanes.size());
    for (int li = 0; li < n; ++li)
        for (int i = 0; i < 4; ++i) {
            Space& s = t.Lanes[static_cast<size_t>(li)].Spaces[static_cast<size_t>(i)];
            s.Nxt[0] = MakeRef((li + 1) % n, (i + 1) % 4);
            s.Nxt[1] = MakeRef((li + n - 1) % n, (i + 1) % 4);
            s.Adj[0] = MakeRef((li + 1) % n, i);
            s.Adj[2] = MakeRef((li + 2) % n, i);
            s.Adj[3] = NoSpace;
        }
    for (int k = 1; k <= 20; ++k)
        t.StartPos[static_cast<size_t>(k)] = MakeRef(k % n, k % 4);
    t.StartPos[20] = NoSpace;
    return t;
}

// The pit lane's first space names the racing space beside it in Adj[1].
void SetPitNeighbour(Track& t, const char* racingLane) {
    const int pit = FindLane(t, "Pit");
    t.Lanes[static_cast<size_t>(pit)].Spaces[0].Adj[1] = MakeRef(FindLane(t, racingLane), 0);
}

using Named = std::pair<std::string, int>;

Named NameOf(const Track& t, SpaceRef r) {
    if (r < 0)
        return {"", r};
    return {t.Lanes[static_cast<size_t>(RefLane(r))].Name, RefIndex(r)};
}

// Every link and start position as (lane name, index): what must survive.
std::map<std::string, std::vector<Named>> Meaning(const Track& t) {
    std::map<std::string, std::vector<Named>> m;
    for (const Lane& lane : t.Lanes)
        for (size_t i = 0; i < lane.Spaces.size(); ++i) {
            auto& v = m[lane.Name + "#" + std::to_string(i)];
            for (SpaceRef r : lane.Spaces[i].Nxt)
                v.push_back(NameOf(t, r));
            for (SpaceRef r : lane.Spaces[i].Adj)
                v.push_back(NameOf(t, r));
        }
    auto& grid = m["grid"];
    for (int k = 1; k <= 20; ++k)
        grid.push_back(NameOf(t, t.StartPos[static_cast<size_t>(k)]));
    return m;
}

std::vector<std::string> Names(const Track& t) {
    std::vector<std::string> v;
    for (const Lane& l : t.Lanes)
        v.push_back(l.Name);
    return v;
}

using V = std::vector<std::string>;

void ExpectNormalizedTo(Track t, const V& expected) {
    const auto meaning = Meaning(t);
    NormalizeLaneOrder(t);
    EXPECT_EQ(Names(t), expected);
    EXPECT_EQ(Meaning(t), meaning) << "a link or start position changed its target";
    const Track once = t;
    NormalizeLaneOrder(t);
    EXPECT_EQ(Names(t), Names(once)) << "normalising twice changed the order";
    EXPECT_EQ(Meaning(t), meaning);
}

} // namespace

TEST(NormalizeLaneOrder, PitOnTheMinusYSideMovesPitAndGaragesToTheFront) {
    Track t =
        MakeTrack({{"Left", 0}, {"Middle", 100}, {"Right", 200}, {"Garages", -400}, {"Pit", -300}});
    SetPitNeighbour(t, "Left");
    ExpectNormalizedTo(t, {"Garages", "Pit", "Left", "Middle", "Right"});
}

TEST(NormalizeLaneOrder, PitOnThePlusYSideMovesPitAndGaragesToTheEnd) {
    Track t =
        MakeTrack({{"Garages", 200}, {"Pit", 300}, {"Left", -200}, {"Middle", -100}, {"Right", 0}});
    SetPitNeighbour(t, "Right");
    ExpectNormalizedTo(t, {"Left", "Middle", "Right", "Garages", "Pit"});
}

TEST(NormalizeLaneOrder, FourLaneTrackMovesBothLanesToTheEnd) {
    Track t = MakeTrack({{"Pit", 400},
                         {"Garages", 500},
                         {"Left", -200},
                         {"Mid-Left", -100},
                         {"Mid-Right", 0},
                         {"Right", 100}});
    SetPitNeighbour(t, "Right");
    // Garages lie beyond the pit box's +y edge, away from its centre: they
    // come after the pit lane.
    ExpectNormalizedTo(t, {"Left", "Mid-Left", "Mid-Right", "Right", "Pit", "Garages"});
}

TEST(NormalizeLaneOrder, GaragesOnTheCentreSideOfTheTeam1PitBoxComeBeforeThePitLane) {
    Track t =
        MakeTrack({{"Left", -200}, {"Middle", -100}, {"Right", 0}, {"Pit", 300}, {"Garages", 200}});
    SetPitNeighbour(t, "Right");
    ExpectNormalizedTo(t, {"Left", "Middle", "Right", "Garages", "Pit"});
}

TEST(NormalizeLaneOrder, TheLastTeam1PitBoxDecidesTheGarageSide) {
    Track t =
        MakeTrack({{"Left", -200}, {"Middle", -100}, {"Right", 0}, {"Garages", 200}, {"Pit", 300}});
    SetPitNeighbour(t, "Right");
    // The team 1 box is turned round: its +y edge now faces the racing lanes,
    // so the garages (at y 200) lie on the far side from its centre.
    Space& box = t.Lanes[4].Spaces[2];
    box.Symbol = Sym::PitTeam1;
    box.Rotation = 180;
    box.Pt[0].y = 260;
    ComputeSpaceOutline(box);
    ExpectNormalizedTo(t, {"Left", "Middle", "Right", "Pit", "Garages"});
}

TEST(NormalizeLaneOrder, RightStoredBeforeLeftSwapsThem) {
    Track t =
        MakeTrack({{"Right", 0}, {"Middle", -100}, {"Left", -200}, {"Garages", 200}, {"Pit", 300}});
    SetPitNeighbour(t, "Right");
    ExpectNormalizedTo(t, {"Left", "Middle", "Right", "Garages", "Pit"});
}

TEST(NormalizeLaneOrder, SwapOfRightAndLeftSurvivesMovingThePitToTheFront) {
    Track t =
        MakeTrack({{"Right", 200}, {"Middle", 100}, {"Left", 0}, {"Garages", -400}, {"Pit", -300}});
    SetPitNeighbour(t, "Left");
    ExpectNormalizedTo(t, {"Garages", "Pit", "Left", "Middle", "Right"});
}

TEST(NormalizeLaneOrder, TracksItCannotHandleKeepTheirOrderAndReferences) {
    const auto unchanged = [](Track t) {
        const Track before = t;
        NormalizeLaneOrder(t);
        EXPECT_EQ(Names(t), Names(before));
        EXPECT_EQ(Meaning(t), Meaning(before));
        EXPECT_EQ(t.StartPos, before.StartPos);
    };
    // No pit lane at all.
    unchanged(MakeTrack({{"Right", 0}, {"Middle", -100}, {"Left", -200}, {"Garages", 200}}));
    // A pit lane whose first space names no neighbour.
    Track noNeighbour =
        MakeTrack({{"Right", 0}, {"Middle", -100}, {"Left", -200}, {"Garages", 200}, {"Pit", 300}});
    noNeighbour.Lanes[4].Spaces[0].Adj[1] = NoSpace;
    unchanged(noNeighbour);
    // A neighbour past the end of its lane.
    Track dangling = noNeighbour;
    dangling.Lanes[4].Spaces[0].Adj[1] = MakeRef(0, 999);
    unchanged(dangling);
    // An empty pit lane.
    Track emptyPit =
        MakeTrack({{"Left", -200}, {"Middle", -100}, {"Right", 0}, {"Garages", 200}, {"Pit", 300}});
    emptyPit.Lanes[4].Spaces.clear();
    unchanged(emptyPit);
    // More than six lanes.
    Track seven = MakeTrack({{"Right", 0},
                             {"A", 1},
                             {"B", 2},
                             {"Middle", -100},
                             {"Left", -200},
                             {"Garages", 200},
                             {"Pit", 300}});
    SetPitNeighbour(seven, "Right");
    unchanged(seven);
    // Two lanes of the same name.
    Track twins = MakeTrack({{"Garages", 200}, {"Garages", 300}, {"Left", -200}, {"Pit", 400}});
    SetPitNeighbour(twins, "Left");
    unchanged(twins);
    // Pit and garages in the middle of the lanes, where neither move fits.
    Track middle =
        MakeTrack({{"Left", 0}, {"Middle", 100}, {"Pit", -300}, {"Garages", -400}, {"Right", 200}});
    SetPitNeighbour(middle, "Left");
    unchanged(middle);
}

TEST(NormalizeLaneOrder, ReferencesIntoMissingLanesStayAsTheyAre) {
    Track t =
        MakeTrack({{"Right", 0}, {"Middle", -100}, {"Left", -200}, {"Garages", 200}, {"Pit", 300}});
    SetPitNeighbour(t, "Right");
    t.Lanes[1].Spaces[0].Adj[3] = MakeRef(7, 3);
    t.StartPos[20] = MakeRef(32, 767);
    NormalizeLaneOrder(t);
    ASSERT_EQ(t.Lanes[1].Name, "Middle");
    EXPECT_EQ(t.Lanes[1].Spaces[0].Adj[3], MakeRef(7, 3));
    EXPECT_EQ(t.StartPos[20], MakeRef(32, 767));
    EXPECT_EQ(t.StartPos[0], NoSpace); // the scratch slot is never touched
}

TEST(SideOfLine, SignTellsTheSideAndAVerticalLineIsNudged) {
    PointF a{0, 0};
    EXPECT_GT(SideOfLine({0, 10}, a, {10, 0}), 0);
    EXPECT_LT(SideOfLine({0, -10}, a, {10, 0}), 0);
    PointF v{5, 0};
    const double r = SideOfLine({0, 0}, v, {5, 10});
    EXPECT_FLOAT_EQ(v.x, 5.1f);
    EXPECT_TRUE(std::isfinite(r));
}
