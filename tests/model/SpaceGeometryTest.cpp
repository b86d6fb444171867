#include <gtest/gtest.h>

#include <cmath>

#include "TestTracks.h"
#include "model/SpaceGeometry.h"

using namespace td;
using td::test::MakeSpace;

namespace {

void ExpectCorners(const Space& s, std::array<PointF, 4> expected) {
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(s.Pt[i + 1].x, expected[i].x, 1e-4) << "Pt[" << i + 1 << "]";
        EXPECT_NEAR(s.Pt[i + 1].y, expected[i].y, 1e-4) << "Pt[" << i + 1 << "]";
    }
}

} // namespace

TEST(ComputeSpaceOutline, CornersRunClockwiseFromTheRearTopCorner) {
    ExpectCorners(MakeSpace(0, 0), {{{-100, -50}, {100, -50}, {100, 50}, {-100, 50}}});
    ExpectCorners(MakeSpace(0, 0, 90), {{{50, -100}, {50, 100}, {-50, 100}, {-50, -100}}});
    Space half = MakeSpace(0, 0);
    half.Scale = 0.5f;
    ComputeSpaceOutline(half);
    ExpectCorners(half, {{{-50, -50}, {50, -50}, {50, 50}, {-50, 50}}});
    ExpectCorners(MakeSpace(1000, -300), {{{900, -350}, {1100, -350}, {1100, -250}, {900, -250}}});
}

TEST(ComputeSpaceOutline, AngleGoesThroughASingleBeforeSineAndCosine) {
    // 90 degrees as a single is 1.5707963705062866 rad, a little past pi/2:
    // the cosine is not zero, and x of the rotated corner shows it.
    const float a = DegreesToRadians(90);
    EXPECT_EQ(a, static_cast<float>(90 * (3.14159265358979 / 180.0)));
    EXPECT_EQ(static_cast<double>(a), 1.5707963705062866);
    const double exact = RotateX(100, 0, 90, 0, 0);
    EXPECT_DOUBLE_EQ(exact, 100 * std::cos(1.5707963705062866));
    EXPECT_LT(exact, 0.0);
}

TEST(ComputeSpaceOutline, TrackOverloadIgnoresReferencesToMissingSpaces) {
    Track t;
    t.Lanes.push_back(Lane{"Left", {MakeSpace(0, 0)}});
    t.Lanes[0].Spaces[0].Rotation = 90;
    ComputeSpaceOutline(t, 0, 0);
    EXPECT_NEAR(t.Lanes[0].Spaces[0].Pt[1].x, 50, 1e-4);
    ComputeSpaceOutline(t, 0, 1);
    ComputeSpaceOutline(t, 5, 0);
    ComputeSpaceOutline(t, -1, -1);
}

TEST(RotatePoint, ZeroAndFullTurnsLeaveThePoint) {
    float x = 123.5f, y = -77.25f;
    RotatePoint(x, y, 0, 10, 20);
    EXPECT_EQ(x, 123.5f);
    EXPECT_EQ(y, -77.25f);
    RotatePoint(x, y, 360, 10, 20);
    EXPECT_NEAR(x, 123.5f, 1e-3);
    EXPECT_NEAR(y, -77.25f, 1e-3);
}

TEST(RotatePoint, UsesTheInputXForBothCoordinates) {
    float x = 10, y = 0;
    RotatePoint(x, y, 90, 0, 0); // +X turns towards +Y
    EXPECT_NEAR(x, 0, 1e-5);
    EXPECT_NEAR(y, 10, 1e-5);
}

TEST(PointInQuad, InsideIsStrictAndFollowsTheCornerOrder) {
    for (int rot : {0, 30, 90, 200, 359}) {
        const Space s = MakeSpace(40, -60, rot);
        const auto& p = s.Pt;
        EXPECT_TRUE(
            PointInQuad(40, -60, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, p[4].x, p[4].y))
            << rot;
    }
    const Space s = MakeSpace(0, 0);
    const auto& p = s.Pt;
    auto in = [&](float x, float y) {
        return PointInQuad(x, y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, p[4].x, p[4].y);
    };
    EXPECT_FALSE(in(100, 0));   // on the front edge
    EXPECT_FALSE(in(0, -50));   // on the top edge
    EXPECT_FALSE(in(-100, 50)); // a corner
    EXPECT_FALSE(in(101, 0));
    EXPECT_TRUE(in(99.9f, 49.9f));
    // Given anticlockwise the same quad contains nothing.
    EXPECT_FALSE(PointInQuad(0, 0, p[4].x, p[4].y, p[3].x, p[3].y, p[2].x, p[2].y, p[1].x, p[1].y));
    EXPECT_GT(TriangleArea(0, 0, 1, 0, 0, 1), 0);
    EXPECT_DOUBLE_EQ(TriangleArea(0, 0, 2, 0, 0, 2), 2.0);
}
