#include "tools/PathGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

#include "model/SpaceGeometry.h"

namespace td {
namespace {

constexpr double Pi = 3.14159265358979323846;

// A circle of `radius` about the origin, driven clockwise on the screen
// (turning right), `n` points, stations its own distances.
Path Circle(double radius, int n) {
    std::vector<PointF> pts;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * Pi * i / n;
        pts.push_back({static_cast<float>(radius * std::cos(a)), static_cast<float>(radius * std::sin(a))});
    }
    return Path::Through(pts, true);
}

// Every segment of `p` heads within 90 degrees of the source path's heading
// at the same station.
bool NeverRunsBackwards(const Path& p, const Path& source) {
    for (int i = 0; i + 1 < p.Size(); ++i) {
        const PathPoint& a = p.Point(i);
        const PathPoint& b = p.Point(i + 1);
        const double h = source.HeadingAt(source.DistanceAtStation((a.station + b.station) / 2)) * Pi / 180;
        if ((b.x - a.x) * std::cos(h) + (b.y - a.y) * std::sin(h) <= 0)
            return false;
    }
    return true;
}

TEST(PathGeometry, MeasuresWrapsAndProjectsClosedAndOpenPaths) {
    const Path open = Path::Through({{0, 0}, {100, 0}, {100, 50}, {100, 50}}, false);
    EXPECT_EQ(open.Size(), 3); // the repeated point is dropped
    EXPECT_DOUBLE_EQ(open.Length(), 150);
    EXPECT_DOUBLE_EQ(open.At(500).y, 50); // clamped at the end
    EXPECT_NEAR(open.Project(120, 20), 120, 1e-9);

    const Path square = Path::Through({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, true);
    EXPECT_EQ(square.Size(), 4); // the closing repeat is dropped
    EXPECT_DOUBLE_EQ(square.Length(), 400);
    EXPECT_NEAR(square.At(450).x, 50, 1e-9); // wraps round the lap
    EXPECT_NEAR(square.At(350).station, 350, 1e-9); // the closing side counts on
    EXPECT_NEAR(square.HeadingAt(150), 90, 1e-9);
    EXPECT_NEAR(square.DistanceAtStation(250), 250, 1e-9);
    EXPECT_NEAR(square.DistanceAtStation(650), 250, 1e-9);
}

TEST(PathGeometry, ResampleSpreadsPointsEvenlyAndKeepsTheShape) {
    const Path c = Circle(1000, 12);
    const Path r = Resample(c, 50);
    ASSERT_GT(r.Size(), 100);
    const double step = r.Length() / r.Size();
    for (int i = 0; i < r.Size(); ++i) {
        const PathPoint& a = r.Point(i);
        const PathPoint& b = r.Point((i + 1) % r.Size());
        EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), step, step * 0.05);
    }
    EXPECT_NEAR(r.Length(), c.Length(), c.Length() * 0.005);
}

TEST(PathGeometry, OffsetOfACircleIsTheCircleOfTheOffsetRadius) {
    const Path c = Resample(Circle(1000, 360), 20);
    // Driving clockwise on the screen, the right is the inside.
    const Path inner = OffsetPath(c, 100);
    const Path outer = OffsetPath(c, -100);
    for (const auto& [p, radius] : {std::pair{&inner, 900.0}, std::pair{&outer, 1100.0}}) {
        for (const PathPoint& q : p->Points())
            ASSERT_NEAR(std::hypot(q.x, q.y), radius, 1.0);
        EXPECT_NEAR(p->Length(), 2 * Pi * radius, 5.0);
        EXPECT_TRUE(p->Closed());
    }
    // Stations still measure the centre line.
    EXPECT_NEAR(inner.At(inner.Length() / 2).station, c.Length() / 2, 30);
}

TEST(PathGeometry, InsideOfAHairpinTighterThanTheOffsetNeverRunsBackwards) {
    // East along a straight, a right-hand turn of 150 degrees on a radius of
    // 60, then away on a straight: the lanes 100 and 150 to the inside would
    // loop back on themselves at the apex.
    std::vector<PointF> pts;
    for (int x = -1000; x < 0; x += 20)
        pts.push_back({static_cast<float>(x), 0});
    for (int k = 0; k <= 30; ++k) {
        const double a = -Pi / 2 + 150.0 / 180 * Pi * k / 30;
        pts.push_back({static_cast<float>(60 * std::cos(a)), static_cast<float>(60 + 60 * std::sin(a))});
    }
    const PointF end = pts.back();
    const double h = 150.0 / 180 * Pi;
    for (int d = 20; d <= 1000; d += 20)
        pts.push_back({static_cast<float>(end.x + d * std::cos(h)), static_cast<float>(end.y + d * std::sin(h))});
    const Path centre = Path::Through(pts, false);
    for (double offset : {150.0, 100.0}) {
        const Path inner = OffsetPath(centre, offset);
        ASSERT_GT(inner.Size(), 50);
        EXPECT_TRUE(NeverRunsBackwards(inner, centre)) << offset;
        // Far from the bend the lane keeps its distance from the line.
        EXPECT_NEAR(inner.Point(0).y, offset, 1e-6);
        EXPECT_LT(inner.Length(), centre.Length() - 2 * offset);
    }
    const Path outer = OffsetPath(centre, -150);
    EXPECT_TRUE(NeverRunsBackwards(outer, centre));
    EXPECT_NEAR(outer.Length(), centre.Length() + 150 * h, 20);
}

TEST(PathGeometry, FigureEightKeepsItsCrossing) {
    // A lemniscate crosses itself at the origin, half a lap apart.
    std::vector<PointF> pts;
    for (int i = 0; i < 400; ++i) {
        const double t = 2 * Pi * i / 400;
        const double d = 1 + std::sin(t) * std::sin(t);
        pts.push_back({static_cast<float>(3000 * std::cos(t) / d),
                       static_cast<float>(3000 * std::sin(t) * std::cos(t) / d)});
    }
    const Path centre = Path::Through(pts, true);
    const Path lane = OffsetPath(centre, 100);
    EXPECT_NEAR(lane.Length(), centre.Length(), centre.Length() * 0.05);
    EXPECT_TRUE(NeverRunsBackwards(lane, centre));
}

TEST(PathGeometry, LaidSpacesMeetEndToEndAndCloseTheLap) {
    const Path c = Resample(Circle(2000, 720), 10);
    const int count = 60;
    const std::vector<Space> spaces = LaySpaces(c, EvenBounds(100, c.Length(), count));
    ASSERT_EQ(spaces.size(), static_cast<size_t>(count));
    Lane lane{"Middle", spaces};
    EXPECT_TRUE(LaneIsClosed(lane));
    for (int k = 0; k < count; ++k) {
        const Space& a = spaces[static_cast<size_t>(k)];
        const Space& b = spaces[static_cast<size_t>((k + 1) % count)];
        const double ra = a.Rotation * Pi / 180, rb = b.Rotation * Pi / 180;
        const double fx = a.Pt[0].x + 100 * a.Scale * std::cos(ra);
        const double fy = a.Pt[0].y + 100 * a.Scale * std::sin(ra);
        const double bx = b.Pt[0].x - 100 * b.Scale * std::cos(rb);
        const double by = b.Pt[0].y - 100 * b.Scale * std::sin(rb);
        // Whole-degree headings leave at most a unit or two at the joints.
        EXPECT_LT(std::hypot(fx - bx, fy - by), 3.0) << k;
    }
    EXPECT_NEAR(spaces[0].Scale, 2 * Pi * 2000 / count / 200, 0.01);
    // LanePos counts standard lengths along the stations, on past the lap.
    EXPECT_NEAR(spaces[0].LanePos, (100 + c.Length() / count / 2) / 200, 0.02);
    EXPECT_GT(spaces.back().LanePos, spaces.front().LanePos);
}

TEST(PathGeometry, LanePathFollowsTheSpacesOfALane) {
    const Path c = Resample(Circle(2000, 720), 10);
    Lane lane{"Middle", LaySpaces(c, EvenBounds(0, c.Length(), 50))};
    const Path p = LanePath(lane, true);
    EXPECT_EQ(p.Size(), 100);
    EXPECT_NEAR(p.Length(), c.Length(), c.Length() * 0.002);
    // A lane beside it, laid at the same stations, sits 100 units inside.
    const Path inner = OffsetPath(p, 100);
    const double s = inner.DistanceAtStation(lane.Spaces[10].LanePos * 200);
    const PathPoint q = inner.At(s);
    // (the path through the spaces cuts the circle's chords, a few units in)
    EXPECT_NEAR(std::hypot(q.x, q.y), 1900, 5);
}

} // namespace
} // namespace td
