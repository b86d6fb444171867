#include "tools/GeneratorScenery.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;

using Outline = std::vector<std::pair<double, double>>;

// Resamples a closed outline to exactly n points, evenly along its length.
Outline Resample(const Outline& in, int n) {
    if (in.size() < 2 || n < 1)
        return in;
    std::vector<double> acc(in.size() + 1, 0.0);
    for (size_t i = 0; i < in.size(); ++i) {
        const auto& a = in[i];
        const auto& b = in[(i + 1) % in.size()];
        acc[i + 1] = acc[i] + std::hypot(b.first - a.first, b.second - a.second);
    }
    Outline out;
    size_t seg = 0;
    for (int k = 0; k < n; ++k) {
        const double t = acc.back() * k / n;
        while (seg + 1 < in.size() && acc[seg + 1] <= t)
            ++seg;
        const auto& a = in[seg];
        const auto& b = in[(seg + 1) % in.size()];
        const double len = acc[seg + 1] - acc[seg];
        const double f = len > 0 ? (t - acc[seg]) / len : 0;
        out.push_back({a.first + (b.first - a.first) * f, a.second + (b.second - a.second) * f});
    }
    return out;
}

class Painter {
  public:
    Painter(Track& t, int limit, int vertices) : t_(t), limit_(limit), vertices_(vertices) {}
    bool Full() const { return static_cast<int>(t_.BackPolys.size()) >= limit_; }
    void Add(int detail, int palette, const Outline& shape) {
        if (Full() || shape.size() < 3)
            return;
        const Outline pts = vertices_ > 0 ? Resample(shape, vertices_) : shape;
        BackPoly p;
        p.Detail = static_cast<std::int16_t>(detail);
        p.FillColor = Palette[static_cast<size_t>(palette)];
        p.OutlineColor = p.FillColor;
        for (const auto& [x, y] : pts)
            p.Vtxs.push_back({static_cast<std::int32_t>(std::lround(x)),
                              static_cast<std::int32_t>(std::lround(y))});
        t_.BackPolys.push_back(std::move(p));
    }

  private:
    Track& t_;
    int limit_;
    int vertices_;
};

// A point `offset` to the driver's right of the centre line at distance s.
std::pair<double, double> Beside(const LayoutPath& path, double s, double offset) {
    const Pose p = path.AtDistance(s, 0);
    const double h = p.heading * Pi / 180;
    return {p.x - offset * std::sin(h), p.y + offset * std::cos(h)};
}

// The band between two offsets along the centre line from s0 to s1.
Outline Band(const LayoutPath& path, double s0, double s1, double d0, double d1, double step) {
    const int n = std::max(2, static_cast<int>((s1 - s0) / step));
    Outline o;
    for (int k = 0; k <= n; ++k)
        o.push_back(Beside(path, s0 + (s1 - s0) * k / n, d1));
    for (int k = n; k >= 0; --k)
        o.push_back(Beside(path, s0 + (s1 - s0) * k / n, d0));
    return o;
}

Outline Blob(double cx, double cy, double rx, double ry, double turn, int n, int seed) {
    Outline o;
    for (int k = 0; k < n; ++k) {
        const double a = 2 * Pi * k / n;
        const double wobble = 1 + 0.12 * std::sin(3 * a + seed) + 0.07 * std::cos(5 * a + 2 * seed);
        const double x = rx * wobble * std::cos(a), y = ry * wobble * std::sin(a);
        o.push_back({cx + x * std::cos(turn) - y * std::sin(turn),
                     cy + x * std::sin(turn) + y * std::cos(turn)});
    }
    return o;
}

Outline Rect(double x1, double y1, double x2, double y2) {
    return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
}

bool Inside(const Outline& poly, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const auto& [xi, yi] = poly[i];
        const auto& [xj, yj] = poly[j];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}

double Distance(const Outline& line, double x, double y) {
    double best = 1e300;
    for (const auto& [px, py] : line)
        best = std::min(best, (px - x) * (px - x) + (py - y) * (py - y));
    return std::sqrt(best);
}

struct Keep {
    double x, y, r;
};

} // namespace

void AddScenery(Track& t, const LayoutPath& path, int lanes, int polygons, int vertices) {
    Painter paint(t, polygons, vertices);
    const double half = lanes * SpaceHalfWidth;
    const double lap = path.Length(0);

    // Centre line, sampled finely enough for distances and the infield test.
    Outline centre;
    const int samples = std::max(64, static_cast<int>(lap / 100));
    for (int k = 0; k < samples; ++k)
        centre.push_back(Beside(path, lap * k / samples, 0));
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (const auto& [x, y] : centre) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    std::vector<Keep> keep; // areas the trees stay out of

    // Gravel traps outside every corner, running on past its exit.
    double s = 0;
    for (int j = 0; j < path.Pieces(); ++j) {
        const TrackPiece& p = path.Piece(j);
        const double len = path.PieceLength(j, 0);
        if (p.IsArc()) {
            const double side = p.Turn > 0 ? -1.0 : 1.0;
            const double depth = std::clamp(p.Radius * 0.5, 250.0, 700.0);
            paint.Add(2, 8,
                      Band(path, s + len * 0.1, s + len * 1.2, side * (half + 60),
                           side * (half + 60 + depth), 60));
        }
        s += len;
    }

    // The track surface, a ring under all racing lanes, and the pit apron
    // from the track edge to behind the garages.
    {
        const int n = std::max(64, static_cast<int>(lap / 150));
        Outline ring;
        for (int k = 0; k <= n; ++k)
            ring.push_back(Beside(path, lap * k / n, -(half + 40)));
        for (int k = n; k >= 0; --k)
            ring.push_back(Beside(path, lap * k / n, half + 40));
        paint.Add(1, 1, ring);
    }
    const int pit = FindLane(t, "Pit");
    const int gar = FindLane(t, "Garages");
    if (pit >= 0 && gar >= 0 && !t.Lanes[static_cast<size_t>(pit)].Spaces.empty()) {
        const auto& ps = t.Lanes[static_cast<size_t>(pit)].Spaces;
        const double x1 = ps.front().Pt[0].x - 500, x2 = ps.back().Pt[0].x + 500;
        const double y2 = t.Lanes[static_cast<size_t>(gar)].Spaces.front().Pt[0].y + 300;
        paint.Add(1, 2, Rect(x1, half + 40, x2, y2));
        // Paddock road behind the garages.
        paint.Add(2, 3, Rect(x1 + 300, y2, x2 - 300, y2 + 160));
        keep.push_back({(x1 + x2) / 2, (half + y2) / 2, std::max(x2 - x1, y2) / 2 + 200});
    }

    // Grandstands opposite the pits, rows of seats on a concrete base.
    {
        const double before = path.Piece(path.Pieces() - 1).Length;
        const double x1 = -before * 0.7, x2 = -before * 0.1;
        const double y1 = -(half + 160), y2 = -(half + 620);
        paint.Add(1, 2, Rect(x1, y2, x2, y1));
        for (int row = 0; row < 4; ++row) {
            const double y = y1 - 70 - row * 110;
            paint.Add(2, 3, Rect(x1 + 40, y - 50, x2 - 40, y));
        }
        keep.push_back({(x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1) / 2 + 300});
    }

    // A lake where the infield is widest, on a sandy shore.
    {
        double bx = 0, by = 0, bd = 0;
        const double step = std::max(maxX - minX, maxY - minY) / 60;
        for (double y = minY; y <= maxY; y += step)
            for (double x = minX; x <= maxX; x += step) {
                if (!Inside(centre, x, y))
                    continue;
                double d = Distance(centre, x, y);
                for (const Keep& kp : keep)
                    d = std::min(d, std::hypot(x - kp.x, y - kp.y) - kp.r + half + 300);
                if (d > bd) {
                    bd = d;
                    bx = x;
                    by = y;
                }
            }
        const double r = std::min(bd - half - 300, 2500.0);
        if (r > 200) {
            paint.Add(2, 9, Blob(bx, by, r * 1.25 + 80, r * 0.75 + 80, 0.4, 40, 1));
            paint.Add(2, 7, Blob(bx, by, r * 1.25, r * 0.75, 0.4, 40, 1));
            keep.push_back({bx, by, r * 1.3 + 100});
        }
    }

    // Trees, in and around the circuit, clear of the track and of the rest.
    const double cx = (minX + maxX) / 2, cy = (minY + maxY) / 2;
    const double reach = std::hypot(maxX - minX, maxY - minY) / 2 + 1500;
    for (int k = 1; !paint.Full() && k < 200000; ++k) {
        const double a = k * 2.39996323; // golden angle: an even spread
        const double rho = reach * std::sqrt(k / 1500.0);
        const double x = cx + rho * std::cos(a), y = cy + rho * std::sin(a);
        const double size = 120 + (k % 5) * 40;
        if (rho < reach * 1.5) {
            if (Distance(centre, x, y) < half + 350 + size)
                continue;
            bool clear = true;
            for (const Keep& kp : keep)
                clear = clear && std::hypot(x - kp.x, y - kp.y) > kp.r + size;
            if (!clear)
                continue;
        }
        paint.Add(k % 4 == 3 ? 3 : 2, 5, Blob(x, y, size, size * 0.8, k * 0.7, 12, k));
    }
}

} // namespace td
