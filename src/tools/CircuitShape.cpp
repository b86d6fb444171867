#include "tools/CircuitShape.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double EarthRadius = 6371000; // metres
// How near its start a line must come again to close a lap, and how far
// away it must have been first.
constexpr double CloseWithin = 50;
// Headings at the start and where a lap closes differ by less than this:
// a later pass near the start in another direction is no lap.
constexpr double SameHeading = 60;
// Spacing of the lap's points.
constexpr double LapStep = 2;

struct Xy {
    double x = 0, y = 0;
};

double Dist(Xy a, Xy b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double HeadingDiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return d;
}

double Heading(Xy a, Xy b) {
    return std::atan2(b.y - a.y, b.x - a.x) * 180 / Pi;
}

std::string Metres(double m) {
    return std::to_string(static_cast<long long>(std::lround(m))) + " m";
}

bool InRange(const GeoPoint& p) {
    return std::isfinite(p.lon) && std::isfinite(p.lat) && std::fabs(p.lon) <= 180 &&
           std::fabs(p.lat) <= 90;
}

// Equirectangular about the middle of the line's extent.
std::vector<Xy> Project(const std::vector<GeoPoint>& line) {
    double lo0 = line[0].lon, lo1 = lo0, la0 = line[0].lat, la1 = la0;
    for (const GeoPoint& p : line) {
        lo0 = std::min(lo0, p.lon), lo1 = std::max(lo1, p.lon);
        la0 = std::min(la0, p.lat), la1 = std::max(la1, p.lat);
    }
    const double lon0 = (lo0 + lo1) / 2, lat0 = (la0 + la1) / 2;
    const double k = EarthRadius * Pi / 180;
    std::vector<Xy> out;
    for (const GeoPoint& p : line) {
        const Xy q{(p.lon - lon0) * k * std::cos(lat0 * Pi / 180), -(p.lat - lat0) * k};
        if (out.empty() || Dist(out.back(), q) > 0.01)
            out.push_back(q);
    }
    return out;
}

// The first heading of the line, over its first few metres.
double StartHeading(const std::vector<Xy>& p) {
    for (size_t i = 1; i < p.size(); ++i)
        if (Dist(p[0], p[i]) > 5)
            return Heading(p[0], p[i]);
    return 0;
}

// The index where the first lap ends (the point nearest the start when the
// line first comes back to it, heading the same way), or 0 when it never does.
size_t LapEnd(const std::vector<Xy>& p) {
    const double start = StartHeading(p);
    bool away = false;
    for (size_t i = 1; i < p.size(); ++i) {
        const double d = Dist(p[i], p[0]);
        away = away || d > 3 * CloseWithin;
        if (!away || d > CloseWithin)
            continue;
        size_t best = i;
        while (best + 1 < p.size() && Dist(p[best + 1], p[0]) < Dist(p[best], p[0]))
            ++best;
        const size_t from = best > 0 ? best - 1 : best;
        const size_t to = std::min(best + 1, p.size() - 1);
        if (from == to || std::fabs(HeadingDiff(Heading(p[from], p[to]), start)) < SameHeading)
            return best;
        i = best;
    }
    return 0;
}

// Gaussian smoothing of a closed line of evenly spaced points.
std::vector<Xy> Smooth(const std::vector<Xy>& p, double sigmaPoints) {
    const int n = static_cast<int>(p.size());
    const int reach = std::min(n / 4, static_cast<int>(std::ceil(3 * sigmaPoints)));
    if (reach < 1)
        return p;
    std::vector<double> w(static_cast<size_t>(reach) + 1);
    for (int k = 0; k <= reach; ++k)
        w[static_cast<size_t>(k)] = std::exp(-0.5 * k * k / (sigmaPoints * sigmaPoints));
    std::vector<Xy> out(p.size());
    for (int i = 0; i < n; ++i) {
        double sx = 0, sy = 0, sw = 0;
        for (int k = -reach; k <= reach; ++k) {
            const Xy& q = p[static_cast<size_t>(((i + k) % n + n) % n)];
            const double wk = w[static_cast<size_t>(std::abs(k))];
            sx += q.x * wk, sy += q.y * wk, sw += wk;
        }
        out[static_cast<size_t>(i)] = {sx / sw, sy / sw};
    }
    return out;
}

double MedianSpacing(const std::vector<Xy>& p) {
    std::vector<double> d;
    for (size_t i = 1; i < p.size(); ++i)
        d.push_back(Dist(p[i - 1], p[i]));
    if (d.empty())
        return 0;
    std::nth_element(d.begin(), d.begin() + static_cast<long>(d.size() / 2), d.end());
    return d[d.size() / 2];
}

} // namespace

bool ShapeCircuit(const std::vector<GeoPoint>& line, bool reverse, Path& lap, std::string& error) {
    if (line.size() < static_cast<size_t>(MinCircuitPoints)) {
        error = "the line has " + std::to_string(line.size()) + " points; a circuit needs at least " +
                std::to_string(MinCircuitPoints);
        return false;
    }
    for (size_t i = 0; i < line.size(); ++i)
        if (!InRange(line[i])) {
            error = "point " + std::to_string(i + 1) + " (" + std::to_string(line[i].lon) + ", " +
                    std::to_string(line[i].lat) +
                    ") is no longitude and latitude: they lie within -180 to 180 and -90 to 90";
            return false;
        }
    std::vector<Xy> p = Project(line);
    if (p.size() < static_cast<size_t>(MinCircuitPoints)) {
        error = "the line has only " + std::to_string(p.size()) +
                " distinct points; a circuit needs at least " + std::to_string(MinCircuitPoints);
        return false;
    }
    const size_t end = LapEnd(p);
    if (end == 0) {
        error = "the line does not close: its end lies " + Metres(Dist(p.back(), p.front())) +
                " from its start";
        return false;
    }
    p.resize(end); // the closing point repeats the start
    if (reverse)
        std::reverse(p.begin() + 1, p.end());

    // Resampled evenly, then smoothed over about half the spacing of the
    // source points: their noise and their corners go, the bends stay.
    const double sigma = std::clamp(0.6 * MedianSpacing(p), 5.0, 15.0);
    std::vector<PathPoint> pts;
    for (const Xy& q : p)
        pts.push_back({q.x, q.y, 0});
    const Path even = Resample(Path(std::move(pts), true), LapStep);
    std::vector<Xy> q;
    for (const PathPoint& e : even.Points())
        q.push_back({e.x, e.y});
    q = Smooth(q, sigma / LapStep);
    std::vector<PointF> f;
    for (const Xy& e : q)
        f.push_back({static_cast<float>(e.x), static_cast<float>(e.y)});
    lap = Path::Through(f, true);
    if (lap.Empty() || lap.Length() < 100 * LapStep) {
        error = "the line is too short for a circuit";
        return false;
    }
    return true;
}

std::vector<CircuitBend> FindBends(const Path& centre, const BendRules& rules) {
    std::vector<CircuitBend> bends;
    if (centre.Empty() || rules.maxRadius <= 0)
        return bends;
    const double step = rules.maxRadius / 60;
    const Path r = Resample(centre, step);
    const int n = r.Size();
    const int k = std::max(2, static_cast<int>(std::lround(rules.maxRadius / 15 / step)));
    if (n < 4 * k)
        return bends;
    // Unwrapped heading of segment i (point i to i + 1), extended a lap either way.
    std::vector<double> h(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const PathPoint& a = r.Point(i);
        const PathPoint& b = r.Point((i + 1) % n);
        const double raw = std::atan2(b.y - a.y, b.x - a.x) * 180 / Pi;
        h[static_cast<size_t>(i)] = i == 0 ? raw : h[static_cast<size_t>(i - 1)] +
                                                       HeadingDiff(raw, h[static_cast<size_t>(i - 1)]);
    }
    const double lapTurn = h[static_cast<size_t>(n - 1)] - h[0] +
                           HeadingDiff(h[0], h[static_cast<size_t>(n - 1)]);
    auto heading = [&](int i) {
        const int w = ((i % n) + n) % n;
        return h[static_cast<size_t>(w)] + lapTurn * std::floor(static_cast<double>(i) / n);
    };
    // Turn over the 2k segments about point i, in degrees.
    std::vector<double> turn(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        turn[static_cast<size_t>(i)] = heading(i + k - 1) - heading(i - k);
    const double span = 2 * k * step;
    auto radiusAt = [&](int i) {
        const double t = std::fabs(turn[static_cast<size_t>(i)]) * Pi / 180;
        return t > 0 ? span / t : 1e300;
    };
    auto station = [&](int i) { return r.Point(i).station; };

    // Runs of bent points turning the same way.
    for (int i = 0; i < n;) {
        if (radiusAt(i) >= rules.maxRadius) {
            ++i;
            continue;
        }
        const bool right = turn[static_cast<size_t>(i)] > 0;
        int j = i;
        int apex = i;
        while (j + 1 < n && radiusAt(j + 1) < rules.maxRadius &&
               (turn[static_cast<size_t>(j + 1)] > 0) == right) {
            ++j;
            if (radiusAt(j) < radiusAt(apex))
                apex = j;
        }
        CircuitBend b;
        b.from = station(i);
        b.to = j + 1 < n ? station(j + 1) : centre.Length();
        b.turn = heading(j) - heading(i - 1);
        b.radius = radiusAt(apex);
        b.apex = station(apex);
        b.entry = b.apexTurn = b.turn;
        // Pieces of one bend that a short easing split are one.
        if (!bends.empty() && (bends.back().turn > 0) == right && b.from - bends.back().to < span) {
            CircuitBend& p = bends.back();
            p.to = b.to;
            p.turn += b.turn;
            p.entry = p.apexTurn = p.turn;
            if (b.radius < p.radius)
                p.radius = b.radius, p.apex = b.apex;
        } else {
            bends.push_back(b);
        }
        i = j + 1;
    }
    std::erase_if(bends, [&](const CircuitBend& b) { return std::fabs(b.turn) < rules.minTurn; });

    // Give every bend its length and merge those too close together, until
    // nothing changes; then keep clear of the finish line.
    for (bool changed = true; changed;) {
        changed = false;
        for (CircuitBend& b : bends)
            if (b.to - b.from < rules.minLength) {
                const double grow = (rules.minLength - (b.to - b.from)) / 2;
                b.from -= grow, b.to += grow;
            }
        for (size_t i = 1; i < bends.size(); ++i) {
            CircuitBend& a = bends[i - 1];
            const CircuitBend& b = bends[i];
            if (b.from - a.to >= rules.minGap)
                continue;
            a.to = std::max(a.to, b.to);
            a.turn += b.turn;
            if (b.radius < a.radius)
                a.radius = b.radius, a.apex = b.apex, a.apexTurn = b.apexTurn;
            bends.erase(bends.begin() + static_cast<long>(i));
            changed = true;
            break;
        }
    }
    const double last = centre.Length() - rules.minGap;
    for (CircuitBend& b : bends) {
        b.from = std::max(b.from, rules.minGap);
        b.to = std::min(b.to, last);
        b.apex = std::clamp(b.apex, b.from, b.to);
    }
    std::erase_if(bends, [&](const CircuitBend& b) { return b.to - b.from < rules.minLength / 2; });
    return bends;
}

} // namespace td
