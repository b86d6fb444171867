#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/LaneRoles.h"
#include "model/TrackCheck.h"
#include "model/TrackFile.h"
#include "tools/AutoTag.h"
#include "tools/Segments.h"
#include "tools/TrackGenerator.h"

using namespace td;

namespace {

float Distance(const Space& a, const Space& b) {
    return std::hypot(a.Pt[0].x - b.Pt[0].x, a.Pt[0].y - b.Pt[0].y);
}

std::vector<int> Identity(size_t n) {
    std::vector<int> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<int>(i);
    return v;
}

// Properties every generated track has, whatever its layout and size.
void ExpectSoundTrack(const Track& t, int lanes) {
    EXPECT_TRUE(CheckTrack(t).empty()) << CheckTrack(t).front();
    ASSERT_EQ(t.Lanes.size(), static_cast<size_t>(lanes + 2));
    EXPECT_EQ(LaneOrderFor(t), Identity(t.Lanes.size()));
    EXPECT_EQ(t.Lanes[static_cast<size_t>(FindLane(t, "Garages"))].Spaces.size(), 10u);
    for (int k = 1; k <= 20; ++k)
        EXPECT_NE(t.Find(t.StartPos[static_cast<size_t>(k)]), nullptr) << k;

    // The tools find nothing left to do: segments and straight links are
    // theirs already.
    Track again = t;
    EXPECT_EQ(AssignSegments(again).changed, 0);
    EXPECT_EQ(AutoTagSpaces(again).changed, 0);

    for (int l = 0; l < lanes; ++l) {
        const auto& spaces = t.Lanes[static_cast<size_t>(l)].Spaces;
        for (size_t k = 0; k < spaces.size(); ++k) {
            const Space& s = spaces[k];
            // About a standard length, touching the next space, and every
            // link names a near neighbour.
            EXPECT_GE(s.Scale, 0.7f);
            EXPECT_LE(s.Scale, 1.42f);
            EXPECT_NEAR(Distance(s, spaces[(k + 1) % spaces.size()]),
                        (s.Scale + spaces[(k + 1) % spaces.size()].Scale) * SpaceHalfLength,
                        0.12f * 2 * SpaceHalfLength);
            EXPECT_GE(s.Rotation, 0);
            EXPECT_LT(s.Rotation, 360);
            for (SpaceRef r : s.Adj) {
                if (const Space* n = t.Find(r)) {
                    EXPECT_LT(Distance(s, *n), 4.0f * SpaceHalfLength);
                }
            }
            // Corner spaces carry arrows and odd segments; straights even.
            EXPECT_EQ(IsCornerSymbol(s.Symbol), s.Segment % 2 == 1);
        }
    }
    // Cars can drive into the pit lane and out again, from and to the racing
    // lane beside it.
    const LaneRoles roles = FindLaneRoles(t);
    const auto& pit = t.Lanes[static_cast<size_t>(roles.Pit)].Spaces;
    const SpaceRef pitExit = MakeRef(roles.Pit, static_cast<int>(pit.size()) - 1);
    int entries = 0, besideExit = 0;
    for (const Space& s : t.Lanes[static_cast<size_t>(roles.PitSide)].Spaces) {
        for (SpaceRef r : s.Nxt)
            entries += r == MakeRef(roles.Pit, 0);
        for (SpaceRef r : s.Adj)
            besideExit += r == pitExit;
    }
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(besideExit, 1);
    const auto& exitLinks = pit.back().Nxt;
    const auto rejoin = std::find_if(exitLinks.begin(), exitLinks.end(),
                                     [&](SpaceRef r) { return RefLane(r) == roles.PitSide; });
    ASSERT_NE(rejoin, exitLinks.end());
    ASSERT_NE(t.Find(*rejoin), nullptr);
    EXPECT_LT(Distance(pit.back(), *t.Find(*rejoin)), 5.0f * SpaceHalfLength);

    // Corner c covers segment 2c + 1 in every racing lane.
    for (size_t c = 0; c < t.Corners.size(); ++c) {
        int shortest = MaxLaneSpaces;
        for (int l = 0; l < lanes; ++l) {
            int n = 0;
            for (const Space& s : t.Lanes[static_cast<size_t>(l)].Spaces)
                n += s.Segment == static_cast<int>(2 * c + 1);
            shortest = std::min(shortest, n);
        }
        EXPECT_EQ(shortest, t.Corners[c].Short);
        EXPECT_GT(shortest, 0);
    }
}

} // namespace

TEST(GenerateTrack, BuildsSoundTracksOfEverySize) {
    for (int lanes : {3, 4})
        for (int length : {50, 79, 120, 300}) {
            SCOPED_TRACE(std::to_string(lanes) + " lanes of " + std::to_string(length));
            const GeneratorOptions o = OptionsForLength(lanes, length, 25);
            const Track t = GenerateTrack(o);
            ExpectSoundTrack(t, lanes);
            EXPECT_EQ(t.BackPolys.size(), 25u);
            size_t longest = 0;
            for (int l = 0; l < lanes; ++l)
                longest = std::max(longest, t.Lanes[static_cast<size_t>(l)].Spaces.size());
            EXPECT_LE(longest, static_cast<size_t>(length));
            EXPECT_GE(longest, static_cast<size_t>(length * 9 / 10));
        }
}

TEST(GenerateTrack, InnerLanesOfACornerAreShorter) {
    const Track t = GenerateTrack(OptionsForLength(3, 120, 0));
    EXPECT_GE(t.Corners.size(), 6u);
    bool both = false;
    for (const Corner& c : t.Corners)
        both = both || c.Long > c.Short;
    EXPECT_TRUE(both);
    // A clockwise circuit: the left lane, outside in most corners, is longest.
    EXPECT_GT(t.Lanes[0].Spaces.size(), t.Lanes[2].Spaces.size());
    // Every corner space carries a double arrow and exactly the Next link
    // Set Next would accept from it: 27 into the lane above, 28 below; the
    // outermost lanes point inwards. Adjacent links go to both sides.
    int corners = 0;
    for (int l = 0; l < 3; ++l)
        for (const Space& s : t.Lanes[static_cast<size_t>(l)].Spaces) {
            if (s.Segment % 2 != 1)
                continue;
            ++corners;
            ASSERT_TRUE(s.Symbol == Sym::ArrowDoubleLeft || s.Symbol == Sym::ArrowDoubleRight);
            const size_t side = s.Symbol == Sym::ArrowDoubleLeft ? 0 : 1;
            EXPECT_EQ(RefLane(s.Nxt[side]), side == 0 ? l + 1 : l - 1);
            EXPECT_EQ(s.Nxt[1 - side], NoSpace);
            EXPECT_EQ(s.Adj[0] != NoSpace, l < 2);
            EXPECT_EQ(s.Adj[1] != NoSpace, l > 0);
        }
    EXPECT_GT(corners, 30);
}

TEST(GenerateTrack, TakesALayoutOfItsOwn) {
    TrackLayout layout;
    std::string error;
    ASSERT_TRUE(ParseLayout("S10 R3:90 S5 R3:90 S14 L2:45, R2:135 S3 R4:90 S10", layout, error))
        << error;
    ASSERT_TRUE(CloseLayout(layout, error)) << error;
    GeneratorOptions o;
    o.Layout = layout;
    o.Polygons = 12;
    const Track t = GenerateTrack(o);
    ExpectSoundTrack(t, 3);
    EXPECT_EQ(t.Corners.size(), 4u); // the left and right bend make one corner

    for (const char* bad : {"S10 R3:90 S5", "X3", "R3:90", "S10 R3:90x S2", ""}) {
        TrackLayout l;
        std::string e;
        EXPECT_FALSE(ParseLayout(bad, l, e) && CloseLayout(l, e)) << bad;
        EXPECT_FALSE(e.empty()) << bad;
    }
}

TEST(GenerateTrack, EveryPolygonGetsTheRequestedVertexCount) {
    GeneratorOptions o = OptionsForLength(4, 999, 40);
    o.PolygonVertices = 50;
    const Track t = GenerateTrack(o);
    EXPECT_LE(t.Lanes[0].Spaces.size(), 999u);
    EXPECT_GT(t.Lanes[0].Spaces.size(), 950u);
    EXPECT_EQ(t.BackPolys.size(), 40u);
    for (const BackPoly& p : t.BackPolys)
        EXPECT_EQ(p.Vtxs.size(), 50u);
}
