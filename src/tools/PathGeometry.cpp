#include "tools/PathGeometry.h"

#include <algorithm>
#include <cmath>

#include "model/SpaceGeometry.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double StandardLength = 2 * SpaceHalfLength;
constexpr double MinStep = 1e-3;

struct Vec {
    double x = 0, y = 0;
};

Vec Sub(const PathPoint& a, const PathPoint& b) {
    return {a.x - b.x, a.y - b.y};
}

double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}

double Cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}

Vec Unit(Vec v) {
    const double len = std::hypot(v.x, v.y);
    return len > 0 ? Vec{v.x / len, v.y / len} : Vec{};
}

// Where segment a0-a1 crosses segment b0-b1: the fraction along each, or
// false when they do not cross.
bool Crossing(const PathPoint& a0, const PathPoint& a1, const PathPoint& b0, const PathPoint& b1,
              double& ta, double& tb) {
    const Vec r = Sub(a1, a0), s = Sub(b1, b0);
    const double denom = Cross(r, s);
    if (std::fabs(denom) < 1e-12)
        return false;
    const Vec d = Sub(b0, a0);
    ta = Cross(d, s) / denom;
    tb = Cross(d, r) / denom;
    return ta > 0 && ta < 1 && tb > 0 && tb < 1;
}

std::int16_t WholeDegrees(double degrees) {
    int r = static_cast<int>(std::lround(degrees)) % 360;
    if (r < 0)
        r += 360;
    return static_cast<std::int16_t>(r);
}

} // namespace

Path::Path(std::vector<PathPoint> points, bool closed) : closed_(closed) {
    for (const PathPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            continue;
        if (!points_.empty() && std::hypot(p.x - points_.back().x, p.y - points_.back().y) < MinStep)
            continue;
        points_.push_back(p);
    }
    while (closed_ && points_.size() > 1 &&
           std::hypot(points_.back().x - points_.front().x, points_.back().y - points_.front().y) <
               MinStep)
        points_.pop_back();
    if (points_.size() < 3)
        closed_ = false;
    cumulative_.push_back(0);
    for (int k = 0; k < Segments(); ++k) {
        const PathPoint& a = points_[static_cast<size_t>(k)];
        const PathPoint& b = SegmentEnd(k);
        cumulative_.push_back(cumulative_.back() + std::hypot(b.x - a.x, b.y - a.y));
    }
}

Path Path::Through(const std::vector<PointF>& points, bool closed) {
    std::vector<PathPoint> pts;
    double s = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            s += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        pts.push_back({points[i].x, points[i].y, s});
    }
    return Path(std::move(pts), closed);
}

int Path::Segments() const {
    const int n = Size();
    if (n < 2)
        return 0;
    return closed_ ? n : n - 1;
}

const PathPoint& Path::SegmentEnd(int k) const {
    return points_[static_cast<size_t>((k + 1) % Size())];
}

double Path::EndStation(int k) const {
    if (closed_ && k == Size() - 1) {
        // The closing segment goes on counting from the last point, as far
        // as the segment is long.
        return points_.back().station + (cumulative_[static_cast<size_t>(k) + 1] -
                                         cumulative_[static_cast<size_t>(k)]);
    }
    return SegmentEnd(k).station;
}

int Path::SegmentAt(double& s) const {
    const double len = Length();
    if (closed_ && len > 0) {
        s = std::fmod(s, len);
        if (s < 0)
            s += len;
    } else {
        s = std::clamp(s, 0.0, len);
    }
    auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), s);
    int k = static_cast<int>(it - cumulative_.begin()) - 1;
    k = std::clamp(k, 0, std::max(0, Segments() - 1));
    s -= cumulative_[static_cast<size_t>(k)];
    return k;
}

PathPoint Path::At(double s) const {
    if (points_.empty())
        return {};
    if (Segments() == 0)
        return points_.front();
    const int k = SegmentAt(s);
    const PathPoint& a = points_[static_cast<size_t>(k)];
    const PathPoint& b = SegmentEnd(k);
    const double len = cumulative_[static_cast<size_t>(k) + 1] - cumulative_[static_cast<size_t>(k)];
    const double t = len > 0 ? std::clamp(s / len, 0.0, 1.0) : 0.0;
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t,
            a.station + (EndStation(k) - a.station) * t};
}

double Path::HeadingAt(double s) const {
    if (Segments() == 0)
        return 0;
    const int k = SegmentAt(s);
    const Vec d = Sub(SegmentEnd(k), points_[static_cast<size_t>(k)]);
    return std::atan2(d.y, d.x) * 180 / Pi;
}

double Path::Project(double x, double y) const {
    if (Segments() == 0)
        return 0;
    double best = 1e300, bestS = 0;
    const PathPoint p{x, y, 0};
    for (int k = 0; k < Segments(); ++k) {
        const PathPoint& a = points_[static_cast<size_t>(k)];
        const Vec ab = Sub(SegmentEnd(k), a);
        const double len2 = Dot(ab, ab);
        const double t = len2 > 0 ? std::clamp(Dot(Sub(p, a), ab) / len2, 0.0, 1.0) : 0.0;
        const double dx = a.x + ab.x * t - x, dy = a.y + ab.y * t - y;
        const double d = dx * dx + dy * dy;
        if (d < best) {
            best = d;
            bestS = cumulative_[static_cast<size_t>(k)] + t * std::sqrt(len2);
        }
    }
    return bestS;
}

double Path::DistanceAtStation(double station) const {
    if (Segments() == 0)
        return 0;
    if (closed_) {
        const double first = points_.front().station;
        const double period = EndStation(Size() - 1) - first;
        if (period > 0) {
            station = std::fmod(station - first, period);
            if (station < 0)
                station += period;
            station += first;
        }
    }
    if (station <= points_.front().station)
        return 0;
    for (int k = 0; k < Segments(); ++k) {
        const double s0 = points_[static_cast<size_t>(k)].station, s1 = EndStation(k);
        if (s1 >= station) {
            const double t = s1 > s0 ? std::clamp((station - s0) / (s1 - s0), 0.0, 1.0) : 0.0;
            return cumulative_[static_cast<size_t>(k)] +
                   t * (cumulative_[static_cast<size_t>(k) + 1] - cumulative_[static_cast<size_t>(k)]);
        }
    }
    return Length();
}

Path Resample(const Path& path, double step) {
    const double len = path.Length();
    if (path.Empty() || step <= 0 || len <= 0)
        return path;
    int pieces = std::max(1, static_cast<int>(std::lround(len / step)));
    if (path.Closed())
        pieces = std::max(3, pieces);
    std::vector<PathPoint> pts;
    const int count = path.Closed() ? pieces : pieces + 1;
    for (int i = 0; i < count; ++i)
        pts.push_back(path.At(len * i / pieces));
    if (!path.Closed())
        pts.back() = path.Point(path.Size() - 1);
    return Path(std::move(pts), path.Closed());
}

Path OffsetPath(const Path& path, double offset) {
    const int n = path.Size();
    if (path.Empty() || offset == 0)
        return path;
    const bool closed = path.Closed();
    auto wrap = [&](int i) { return ((i % n) + n) % n; };

    // Tangents at the points: the bisector of the segments that meet there.
    std::vector<Vec> tangent(static_cast<size_t>(n));
    std::vector<PathPoint> q(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const bool hasIn = closed || i > 0, hasOut = closed || i + 1 < n;
        const Vec in = hasIn ? Unit(Sub(path.Point(i), path.Point(wrap(i - 1)))) : Vec{};
        const Vec out = hasOut ? Unit(Sub(path.Point(wrap(i + 1)), path.Point(i))) : Vec{};
        Vec t = Unit({in.x + out.x, in.y + out.y});
        if (t.x == 0 && t.y == 0)
            t = hasOut ? out : in;
        tangent[static_cast<size_t>(i)] = t;
        // The mitre keeps straight offset lines at their distance; it is
        // capped where the path turns sharply.
        const double c = hasIn && hasOut ? std::max(0.5, Dot(t, out)) : 1.0;
        const double d = offset / c;
        q[static_cast<size_t>(i)] = {path.Point(i).x - t.y * d, path.Point(i).y + t.x * d,
                                     path.Point(i).station};
    }

    // Points are taken out by marking them; `next` walks the ones left.
    std::vector<char> alive(static_cast<size_t>(n), 1);
    std::vector<char> touched(static_cast<size_t>(n), 0);
    int left = n;
    auto next = [&](int i) {
        for (int k = 1; k <= n; ++k) {
            const int j = closed ? wrap(i + k) : i + k;
            if (j >= n)
                return -1;
            if (alive[static_cast<size_t>(j)])
                return j;
        }
        return -1;
    };
    auto forward = [&](int a, int b) {
        const Vec d = Sub(q[static_cast<size_t>(b)], q[static_cast<size_t>(a)]);
        const Vec t = {tangent[static_cast<size_t>(a)].x + tangent[static_cast<size_t>(b)].x,
                       tangent[static_cast<size_t>(a)].y + tangent[static_cast<size_t>(b)].y};
        return Dot(d, t) > 0;
    };
    // Drops every point that the line reaches by running backwards; the ends
    // of an open path stay.
    auto dropBackward = [&]() {
        bool changed = true;
        while (changed && left > 3) {
            changed = false;
            int first = 0;
            while (!alive[static_cast<size_t>(first)])
                ++first;
            int a = first;
            for (int guard = 0; guard < n && left > 3; ++guard) {
                const int b = next(a);
                if (b < 0 || (closed && b == first && guard > 0))
                    break;
                if (!closed && b == n - 1) {
                    if (!forward(a, b) && a != 0) {
                        alive[static_cast<size_t>(a)] = 0;
                        touched[static_cast<size_t>(b)] = 1;
                        --left;
                        changed = true;
                    }
                    break;
                }
                if (!forward(a, b)) {
                    alive[static_cast<size_t>(b)] = 0;
                    touched[static_cast<size_t>(a)] = 1;
                    --left;
                    changed = true;
                    if (closed && b == first)
                        break;
                    continue;
                }
                a = b;
            }
        }
    };

    // Loops (the line crossing itself within a bend) are cut at the crossing.
    // Only parts of the line that lie close along the path are compared, so
    // a figure-eight keeps its bridge; the reach allows the legs of a hairpin
    // to meet at a narrow angle.
    const double reach = 12 * std::fabs(offset) + 2 * path.Length() / n;
    auto along = [&](int a, int b) {
        double d = path.DistanceOf(b) - path.DistanceOf(a);
        if (closed && d < 0)
            d += path.Length();
        return d;
    };
    int start = 0;
    while (!alive[static_cast<size_t>(start)])
        ++start;
    int a = start;
    for (int guard = 0; guard < n && left > 3; ++guard) {
        const int a1 = next(a);
        if (a1 < 0 || (closed && a1 == start && guard > 0))
            break;
        int cut = -1;
        double cutTa = 0;
        for (int b = next(a1); b >= 0 && b != a && along(a, b) <= reach; b = next(b)) {
            const int b1 = next(b);
            if (b1 < 0 || b1 == a)
                break;
            double ta, tb;
            if (Crossing(q[static_cast<size_t>(a)], q[static_cast<size_t>(a1)],
                         q[static_cast<size_t>(b)], q[static_cast<size_t>(b1)], ta, tb)) {
                cut = b;
                cutTa = ta;
            }
        }
        if (cut >= 0) {
            const PathPoint& p0 = q[static_cast<size_t>(a)];
            const PathPoint& p1 = q[static_cast<size_t>(a1)];
            // The crossing keeps the station it has on the way in, so that
            // stations never fall along the line.
            const PathPoint x{p0.x + (p1.x - p0.x) * cutTa, p0.y + (p1.y - p0.y) * cutTa,
                              p0.station + (p1.station - p0.station) * cutTa};
            // The crossing takes the place of the loop's first point.
            for (int k = next(a1); k >= 0 && k != next(cut); k = next(k)) {
                if (k == start)
                    start = a1;
                alive[static_cast<size_t>(k)] = 0;
                --left;
            }
            q[static_cast<size_t>(a1)] = x;
            alive[static_cast<size_t>(a1)] = 1;
            touched[static_cast<size_t>(a1)] = 1;
        }
        a = a1;
    }
    // What is left running backwards (where the legs of a bend never cross,
    // as when they run side by side) is dropped.
    dropBackward();

    // Round the corners left where points were taken out: a few passes of
    // neighbour averaging over the points within the offset of them.
    std::vector<int> order;
    for (int i = 0; i < n; ++i)
        if (alive[static_cast<size_t>(i)])
            order.push_back(i);
    const int m = static_cast<int>(order.size());
    std::vector<char> smooth(static_cast<size_t>(m), 0);
    for (int k = 0; k < m; ++k) {
        if (!touched[static_cast<size_t>(order[static_cast<size_t>(k)])])
            continue;
        const double here = path.DistanceOf(order[static_cast<size_t>(k)]);
        for (int j = 0; j < m; ++j) {
            double d = std::fabs(path.DistanceOf(order[static_cast<size_t>(j)]) - here);
            if (closed)
                d = std::min(d, path.Length() - d);
            if (d <= std::fabs(offset) * 1.5)
                smooth[static_cast<size_t>(j)] = 1;
        }
    }
    for (int pass = 0; pass < 12; ++pass) {
        std::vector<PathPoint> moved;
        for (int k = 0; k < m; ++k) {
            PathPoint p = q[static_cast<size_t>(order[static_cast<size_t>(k)])];
            const bool end = !closed && (k == 0 || k == m - 1);
            if (smooth[static_cast<size_t>(k)] && !end && m >= 3) {
                const PathPoint& l = q[static_cast<size_t>(order[static_cast<size_t>((k + m - 1) % m)])];
                const PathPoint& r = q[static_cast<size_t>(order[static_cast<size_t>((k + 1) % m)])];
                p.x = (l.x + 2 * p.x + r.x) / 4;
                p.y = (l.y + 2 * p.y + r.y) / 4;
            }
            moved.push_back(p);
        }
        for (int k = 0; k < m; ++k)
            q[static_cast<size_t>(order[static_cast<size_t>(k)])] = moved[static_cast<size_t>(k)];
    }
    dropBackward();

    // Start where the source path starts: at the first point left from it
    // onwards.
    std::vector<PathPoint> out;
    for (int i = 0; i < n; ++i)
        if (alive[static_cast<size_t>(i)])
            out.push_back(q[static_cast<size_t>(i)]);
    return Path(std::move(out), closed);
}

std::vector<double> EvenBounds(double start, double length, int count) {
    std::vector<double> bounds;
    for (int k = 0; k <= std::max(0, count); ++k)
        bounds.push_back(start + length * k / std::max(1, count));
    return bounds;
}

std::vector<Space> LaySpaces(const Path& path, const std::vector<double>& bounds) {
    std::vector<Space> spaces;
    if (path.Empty())
        return spaces;
    for (size_t k = 0; k + 1 < bounds.size(); ++k) {
        const PathPoint a = path.At(bounds[k]);
        const PathPoint b = path.At(bounds[k + 1]);
        PathPoint mid = path.At((bounds[k] + bounds[k + 1]) / 2);
        // A bound a lap on from the start counts its station a lap on too.
        if (path.Closed() && path.Length() > 0) {
            const double laps = std::floor((bounds[k] + bounds[k + 1]) / 2 / path.Length());
            const double period = path.At(path.Length() - 1e-9).station - path.Point(0).station;
            mid.station += laps * period;
        }
        Space s;
        s.Pt[0] = {static_cast<float>((a.x + b.x) / 2), static_cast<float>((a.y + b.y) / 2)};
        s.Rotation = WholeDegrees(std::atan2(b.y - a.y, b.x - a.x) * 180 / Pi);
        s.Scale = static_cast<float>(std::hypot(b.x - a.x, b.y - a.y) / StandardLength);
        s.LanePos = static_cast<float>(std::round(mid.station / StandardLength * 100) / 100);
        ComputeSpaceOutline(s);
        spaces.push_back(s);
    }
    return spaces;
}

Path LanePath(const Lane& lane, bool closed) {
    std::vector<PathPoint> pts;
    const size_t n = lane.Spaces.size();
    auto end = [&](size_t i, double sign) {
        const Space& s = lane.Spaces[i];
        const double r = s.Rotation * Pi / 180;
        const double h = SpaceHalfLength * s.Scale * sign;
        return PathPoint{s.Pt[0].x + h * std::cos(r), s.Pt[0].y + h * std::sin(r),
                         s.LanePos * StandardLength + h};
    };
    auto middle = [](const PathPoint& a, const PathPoint& b) {
        return PathPoint{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.station + b.station) / 2};
    };
    for (size_t i = 0; i < n; ++i) {
        const Space& s = lane.Spaces[i];
        PathPoint rear = end(i, -1);
        if (i > 0)
            rear = middle(end(i - 1, 1), rear);
        else if (closed && n > 1) {
            // The closing joint belongs to the first space here, so its
            // station stays at the start of the lap.
            PathPoint last = end(n - 1, 1);
            rear = {(last.x + rear.x) / 2, (last.y + rear.y) / 2, rear.station};
        }
        pts.push_back(rear);
        pts.push_back({s.Pt[0].x, s.Pt[0].y, s.LanePos * StandardLength});
    }
    if (!closed && n > 0)
        pts.push_back(end(n - 1, 1));
    return Path(std::move(pts), closed);
}

} // namespace td
