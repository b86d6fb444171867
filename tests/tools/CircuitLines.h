#pragma once
// Small synthetic circuit lines for the import tests, drawn in metres (x
// east, y south) and turned into longitude and latitude about a point in
// northern Italy.

#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/CircuitRead.h"

namespace circuit_lines {

constexpr double Pi = 3.14159265358979323846;
constexpr double Lat0 = 45.6, Lon0 = 9.28;

struct Xy {
    double x, y;
};

inline td::GeoPoint ToGeo(Xy p) {
    const double k = 6371000 * Pi / 180;
    return {Lon0 + p.x / (k * std::cos(Lat0 * Pi / 180)), Lat0 - p.y / k};
}

inline std::vector<td::GeoPoint> ToGeo(const std::vector<Xy>& pts) {
    std::vector<td::GeoPoint> out;
    for (Xy p : pts)
        out.push_back(ToGeo(p));
    return out;
}

// Draws straights and clockwise (positive) or anticlockwise arcs on the
// screen, a point every `step` metres; headings in degrees, 0 east.
class Turtle {
  public:
    Turtle(Xy at, double heading, double step) : p_(at), h_(heading), step_(step) {
        pts_.push_back(p_);
    }
    void Straight(double len) {
        const int n = std::max(1, static_cast<int>(len / step_));
        for (int i = 0; i < n; ++i) {
            p_.x += len / n * std::cos(h_ * Pi / 180);
            p_.y += len / n * std::sin(h_ * Pi / 180);
            pts_.push_back(p_);
        }
    }
    void Arc(double radius, double degrees) {
        const double len = radius * std::fabs(degrees) * Pi / 180;
        const int n = std::max(2, static_cast<int>(len / step_));
        for (int i = 0; i < n; ++i) {
            const double h0 = h_, h1 = h_ + degrees / n;
            // Chord of the small arc, along its mean heading.
            const double c = 2 * radius * std::sin(std::fabs(degrees / n) * Pi / 360);
            p_.x += c * std::cos((h0 + h1) / 2 * Pi / 180);
            p_.y += c * std::sin((h0 + h1) / 2 * Pi / 180);
            h_ = h1;
            pts_.push_back(p_);
        }
    }
    const std::vector<Xy>& Points() const { return pts_; }

  private:
    Xy p_;
    double h_;
    double step_;
    std::vector<Xy> pts_;
};

// A stadium: two straights of `straight` metres joined by half circles; it
// starts half way along the bottom straight heading east and ends there
// again (the last point repeats the first).
inline std::vector<Xy> Stadium(double straight, double radius, double step = 5) {
    Turtle t({0, 0}, 0, step);
    t.Straight(straight / 2);
    t.Arc(radius, -180);
    t.Straight(straight);
    t.Arc(radius, -180);
    t.Straight(straight / 2);
    return t.Points();
}

// A teardrop with a 15 m hairpin at its top, far tighter than three lanes
// are wide, its legs opening at 30 degrees, and a straight at the bottom
// where it starts heading west. Symmetric about x = 0.
inline std::vector<Xy> Hairpin() {
    // The right half from the apex down to the bottom middle.
    Turtle half({0, 0}, 0, 2);
    half.Arc(15, 75);
    half.Straight(800);
    const double x = 15 * std::sin(75 * Pi / 180) + 800 * std::cos(75 * Pi / 180);
    const double bottom = 150;
    half.Arc((x - bottom) / std::sin(75 * Pi / 180), 105);
    half.Straight(bottom);
    const std::vector<Xy>& right = half.Points();
    // From the bottom middle west, up the left leg, round the hairpin and
    // down the right one.
    std::vector<Xy> loop;
    for (size_t i = right.size(); i-- > 1;)
        loop.push_back({-right[i].x, right[i].y});
    for (const Xy& p : right)
        loop.push_back(p);
    return loop;
}

// A figure-eight (the lemniscate of Gerono, lobes `a` metres from the
// crossing), starting away from the crossing; its line crosses itself once.
inline std::vector<Xy> FigureEight(double a, double step = 5) {
    std::vector<Xy> out;
    const int n = static_cast<int>(6.1 * a / step);
    for (int i = 0; i <= n; ++i) {
        const double t = 0.4 + 2 * Pi * i / n;
        out.push_back({a * std::sin(t), a * std::sin(t) * std::cos(t)});
    }
    return out;
}

// What a GPS logger gives over `laps` laps of `lap`: a point every `every`
// metres, each off by up to `noise` metres, the recording stopping short of
// its start.
inline std::vector<Xy> Recording(const std::vector<Xy>& lap, int laps, double every,
                                 double noise) {
    std::vector<double> at{0};
    for (size_t i = 1; i < lap.size(); ++i)
        at.push_back(at.back() + std::hypot(lap[i].x - lap[i - 1].x, lap[i].y - lap[i - 1].y));
    const double length = at.back();
    std::uint32_t seed = 12345;
    auto jitter = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (static_cast<double>(seed >> 8) / (1u << 24) * 2 - 1) * noise;
    };
    std::vector<Xy> out;
    size_t k = 0;
    for (double s = 0; s < laps * length - 3 * every; s += every) {
        const double d = std::fmod(s, length);
        if (d < at[k])
            k = 0;
        while (k + 2 < at.size() && at[k + 1] < d)
            ++k;
        const double f = (d - at[k]) / (at[k + 1] - at[k]);
        out.push_back({lap[k].x + (lap[k + 1].x - lap[k].x) * f + jitter(),
                       lap[k].y + (lap[k + 1].y - lap[k].y) * f + jitter()});
    }
    return out;
}

} // namespace circuit_lines
