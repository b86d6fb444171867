#pragma once
// Paths along which lanes are laid: polylines in world units (y grows
// downwards), open or closed. Every point carries a station, the distance
// along a reference line (usually the centre line of the circuit) that it
// belongs to, so that lanes laid beside one another can be matched up: a path
// offset from another keeps the stations of the points it comes from.
// Headings are degrees, 0 along +x, positive turning clockwise on the screen
// (to the driver's right).

#include <vector>

#include "model/Track.h"

namespace td {

struct PathPoint {
    double x = 0;
    double y = 0;
    double station = 0;
};

class Path {
  public:
    Path() = default;
    // Points closer than a thousandth of a unit to their predecessor are
    // dropped, and so is the last point of a closed path when it repeats the
    // first.
    Path(std::vector<PathPoint> points, bool closed);
    // A path through `points` whose stations are its own distances.
    static Path Through(const std::vector<PointF>& points, bool closed);

    bool Closed() const { return closed_; }
    int Size() const { return static_cast<int>(points_.size()); }
    bool Empty() const { return points_.size() < 2; }
    const PathPoint& Point(int i) const { return points_[static_cast<size_t>(i)]; }
    const std::vector<PathPoint>& Points() const { return points_; }
    // Length, with the closing segment of a closed path.
    double Length() const { return cumulative_.empty() ? 0 : cumulative_.back(); }
    // Distance along the path of point i.
    double DistanceOf(int i) const { return cumulative_[static_cast<size_t>(i)]; }

    // The point at distance s, with its station interpolated; s wraps round a
    // closed path and is clamped to the ends of an open one. On a closed path
    // a station past the closing point is counted on from the last point's.
    PathPoint At(double s) const;
    // Heading of the segment at distance s.
    double HeadingAt(double s) const;
    // Distance along the path of the point nearest to (x, y).
    double Project(double x, double y) const;
    // The first distance at which the station reaches `station` (stations
    // taken as not falling along the path); the ends when it lies outside.
    double DistanceAtStation(double station) const;

  private:
    // Segment k runs from point k to point k+1 (to point 0 for the closing
    // segment of a closed path).
    int Segments() const;
    int SegmentAt(double& s) const;
    const PathPoint& SegmentEnd(int k) const;
    double EndStation(int k) const;

    std::vector<PathPoint> points_;
    std::vector<double> cumulative_;
    bool closed_ = false;
};

// Points evenly spread along the path, about `step` apart (the step is fitted
// so that a closed path divides into equal pieces), the ends of an open path
// kept.
Path Resample(const Path& path, double step);

// The path `offset` units to the driver's right (negative: to the left). Where
// the inside of a bend is tighter than the offset, the plain offset line would
// loop backwards: that loop is cut where the line crosses itself and the
// corner left there is rounded, so that the result never runs against the
// path it comes from. Crossings of parts of the path that lie far apart along
// it (a figure-eight's bridge) are kept.
Path OffsetPath(const Path& path, double offset);

// `count` distances evenly spread over `length` from `start`: count + 1
// bounds, the last one `length` past the first.
std::vector<double> EvenBounds(double start, double length, int count);

// Spaces end to end along the path: space k spans bounds[k] to bounds[k + 1]
// (distances along the path, ascending; on a closed path they may run past
// its length and wrap round). A space's centre is the middle of its chord,
// its Rotation the chord's heading, its Scale the chord's length over a
// standard length, its LanePos the station half way along it in standard
// lengths, to hundredths. Outlines are computed; every other field is left
// as a new space has it.
std::vector<Space> LaySpaces(const Path& path, const std::vector<double>& bounds);

// The path a lane's spaces follow: through the ends and centres of its
// spaces in turn, joints taken half way between one space's front and the
// next one's rear. Stations are LanePos in world units (LanePos times a
// standard length) at the centres, interpolated at the joints; a closed lane
// counts its closing joint on from the last space.
Path LanePath(const Lane& lane, bool closed);

} // namespace td
