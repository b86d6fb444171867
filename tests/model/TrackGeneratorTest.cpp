#include <gtest/gtest.h>

#include <cmath>

#include "model/TrackCheck.h"
#include "model/TrackFile.h"
#include "model/TrackGenerator.h"

using namespace td;

namespace {

float Distance(const Space& a, const Space& b) {
    return std::hypot(a.Pt[0].x - b.Pt[0].x, a.Pt[0].y - b.Pt[0].y);
}

} // namespace

TEST(GenerateTrack, BuildsASoundTrackThatSavingLeavesInOrder) {
    for (int lanes : {3, 4}) {
        GeneratorOptions o = OptionsForLength(lanes, 120, 25);
        o.LinkCorners = lanes == 4;
        const Track t = GenerateTrack(o);
        EXPECT_TRUE(CheckTrack(t).empty());
        ASSERT_EQ(t.Lanes.size(), static_cast<size_t>(lanes + 2));
        EXPECT_EQ(t.Lanes[static_cast<size_t>(lanes)].Name, "Garages");
        EXPECT_EQ(t.Lanes[static_cast<size_t>(lanes)].Spaces.size(), 10u);
        EXPECT_EQ(t.BackPolys.size(), 25u);
        std::vector<int> identity(static_cast<size_t>(lanes + 2));
        for (size_t i = 0; i < identity.size(); ++i)
            identity[i] = static_cast<int>(i);
        EXPECT_EQ(LaneOrderFor(t), identity);
        for (int k = 1; k <= 20; ++k)
            EXPECT_NE(t.Find(t.StartPos[static_cast<size_t>(k)]), nullptr);
    }
}

TEST(GenerateTrack, LinksNameNeighbouringSpaces) {
    const Track t = GenerateTrack(OptionsForLength(3, 200, 0));
    int links = 0;
    for (size_t i = 0; i < 3; ++i)
        for (const Space& s : t.Lanes[i].Spaces) {
            for (SpaceRef r : s.Adj)
                if (const Space* n = t.Find(r)) {
                    ++links;
                    EXPECT_LT(Distance(s, *n), 2.5f * SpaceHalfLength);
                }
            // Rotations stay in 0..359 and spaces keep about a standard length.
            EXPECT_GE(s.Rotation, 0);
            EXPECT_LT(s.Rotation, 360);
            EXPECT_NEAR(s.Scale, 1.0f, 0.2f);
        }
    EXPECT_GT(links, 200);
}

TEST(GenerateTrack, EveryPolygonGetsTheRequestedVertexCount) {
    GeneratorOptions o = OptionsForLength(4, 999, 40);
    o.PolygonVertices = 50;
    const Track t = GenerateTrack(o);
    EXPECT_EQ(t.Lanes[0].Spaces.size(), 999u);
    for (const BackPoly& p : t.BackPolys)
        EXPECT_EQ(p.Vtxs.size(), 50u);
}
