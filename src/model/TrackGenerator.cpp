#include "model/TrackGenerator.h"

#include <algorithm>
#include <cmath>

#include "model/SpaceGeometry.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979;

struct Pose {
    double x, y;
    double heading; // degrees, 0 = +x, 90 = +y
    int piece;      // 0..7: straight, corner, straight, corner, ...
};

// The circuit: a rounded rectangle around the origin, started in the middle
// of the top straight heading +x. `d` is the offset to the right of the
// driver (towards the infield).
class Circuit {
  public:
    Circuit(double straight, double side, double radius) : ls_(straight), lv_(side), r_(radius) {}

    double Perimeter(double d) const { return 2 * ls_ + 2 * lv_ + 2 * Pi * (r_ - d); }

    Pose At(double s, double d) const {
        const double p = Perimeter(d);
        s = std::fmod(s, p);
        if (s < 0)
            s += p;
        const double arc = Pi / 2 * (r_ - d);
        // Pieces in driving order, starting half way along the top straight.
        const double lengths[9] = {ls_ / 2, arc, lv_, arc, ls_, arc, lv_, arc, ls_ / 2};
        int piece = 0;
        while (piece < 8 && s >= lengths[piece]) {
            s -= lengths[piece];
            ++piece;
        }
        // Corner centres, in the order the corners are met.
        const double cx[4] = {ls_ / 2, ls_ / 2, -ls_ / 2, -ls_ / 2};
        const double cy[4] = {-lv_ / 2, lv_ / 2, lv_ / 2, -lv_ / 2};
        const int kind = piece % 8;
        if (kind % 2 == 1) {
            const int c = kind / 2;
            const double h0 = 90.0 * c; // heading when entering the corner
            const double a = h0 + s / (r_ - d) * 180.0 / Pi;
            const double rad = (a - 90.0) * Pi / 180.0; // from the centre to the lane
            return {cx[c] + (r_ - d) * std::cos(rad), cy[c] + (r_ - d) * std::sin(rad), a, kind};
        }
        switch (piece) {
        case 0:
            return {s, -lv_ / 2 - r_ + d, 0, 0};
        case 2:
            return {ls_ / 2 + r_ - d, -lv_ / 2 + s, 90, 2};
        case 4:
            return {ls_ / 2 - s, lv_ / 2 + r_ - d, 180, 4};
        case 6:
            return {-ls_ / 2 - r_ + d, lv_ / 2 - s, 270, 6};
        default:
            return {-ls_ / 2 + s, -lv_ / 2 - r_ + d, 0, 0};
        }
    }

    double CornerCentreX(int c) const { return c < 2 ? ls_ / 2 : -ls_ / 2; }
    double CornerCentreY(int c) const { return (c == 0 || c == 3) ? -lv_ / 2 : lv_ / 2; }
    double Radius() const { return r_; }
    double Straight() const { return ls_; }
    double Side() const { return lv_; }

  private:
    double ls_, lv_, r_;
};

std::int16_t RoundDegrees(double heading) {
    int r = static_cast<int>(std::lround(heading)) % 360;
    if (r < 0)
        r += 360;
    return static_cast<std::int16_t>(r);
}

using Outline = std::vector<std::pair<double, double>>;

Outline Ellipse(double cx, double cy, double rx, double ry, int n) {
    Outline o;
    for (int k = 0; k < n; ++k) {
        const double a = 2 * Pi * k / n;
        o.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return o;
}

// A rounded rectangle around the circuit's corner centres at offset d.
Outline RoundedRing(const Circuit& c, double radius, int perCorner) {
    Outline o;
    for (int corner = 0; corner < 4; ++corner) {
        const double start = -90.0 + 90.0 * corner;
        for (int k = 0; k <= perCorner; ++k) {
            const double a = (start + 90.0 * k / perCorner) * Pi / 180.0;
            o.push_back({c.CornerCentreX(corner) + radius * std::cos(a),
                         c.CornerCentreY(corner) + radius * std::sin(a)});
        }
    }
    return o;
}

Outline Rect(double x1, double y1, double x2, double y2) {
    return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
}

// A band between two radii across one corner (a gravel trap).
Outline CornerBand(const Circuit& c, int corner, double r1, double r2, int steps) {
    Outline o;
    const double start = -90.0 + 90.0 * corner;
    for (int k = 0; k <= steps; ++k) {
        const double a = (start + 90.0 * k / steps) * Pi / 180.0;
        o.push_back({c.CornerCentreX(corner) + r2 * std::cos(a),
                     c.CornerCentreY(corner) + r2 * std::sin(a)});
    }
    for (int k = steps; k >= 0; --k) {
        const double a = (start + 90.0 * k / steps) * Pi / 180.0;
        o.push_back({c.CornerCentreX(corner) + r1 * std::cos(a),
                     c.CornerCentreY(corner) + r1 * std::sin(a)});
    }
    return o;
}

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

void AddPoly(Track& t, const GeneratorOptions& o, int detail, int palette, const Outline& shape) {
    if (static_cast<int>(t.BackPolys.size()) >= o.Polygons)
        return;
    const Outline pts = o.PolygonVertices > 0 ? Resample(shape, o.PolygonVertices) : shape;
    BackPoly p;
    p.Detail = static_cast<std::int16_t>(detail);
    p.FillColor = Palette[static_cast<size_t>(palette)];
    p.OutlineColor = Palette[static_cast<size_t>(palette)];
    for (const auto& [x, y] : pts)
        p.Vtxs.push_back(
            {static_cast<std::int32_t>(std::lround(x)), static_cast<std::int32_t>(std::lround(y))});
    t.BackPolys.push_back(std::move(p));
}

} // namespace

GeneratorOptions OptionsForLength(int lanes, int length, int polygons) {
    GeneratorOptions o;
    o.Lanes = lanes == 4 ? 4 : 3;
    o.Length = std::clamp(length, 16, MaxLaneSpaces);
    o.Polygons = std::max(0, polygons);
    // Centre line of about Length standard spaces; straights 3:1.
    const double perimeter = 200.0 * o.Length;
    o.CornerRadius = static_cast<float>(std::max(600.0, perimeter / 40));
    const double straights = perimeter - 2 * Pi * o.CornerRadius;
    o.StraightLength = static_cast<float>(std::max(2400.0, straights * 0.375));
    o.SideLength = static_cast<float>(std::max(400.0, straights * 0.125));
    o.PitLength = std::clamp(static_cast<int>(o.StraightLength / 250), 10, 200);
    return o;
}

Track GenerateTrack(const GeneratorOptions& opt) {
    Track t;
    const int n = opt.Lanes == 4 ? 4 : 3;
    const int len = std::clamp(opt.Length, 4, MaxLaneSpaces);
    const Circuit circuit(opt.StraightLength, opt.SideLength, opt.CornerRadius);
    static const char* names3[] = {"Left", "Middle", "Right"};
    static const char* names4[] = {"Left", "Mid-Left", "Mid-Right", "Right"};
    auto laneOffset = [&](int i) { return (i - (n - 1) / 2.0) * 2 * SpaceHalfWidth; };

    // Racing lanes: every lane has `len` spaces stretched to its own
    // perimeter; odd lanes are staggered by half a space.
    for (int i = 0; i < n; ++i) {
        Lane lane{n == 3 ? names3[i] : names4[i], {}};
        const double d = laneOffset(i);
        const double step = circuit.Perimeter(d) / len;
        const double stagger = (i % 2) * 0.5;
        for (int j = 0; j < len; ++j) {
            const Pose p = circuit.At((j + stagger) * step, d);
            Space s;
            s.Pt[0] = {static_cast<float>(p.x), static_cast<float>(p.y)};
            s.Rotation = RoundDegrees(p.heading);
            s.Scale = static_cast<float>(step / (2 * SpaceHalfLength));
            s.LanePos = static_cast<float>(j + stagger);
            s.Segment = static_cast<std::int16_t>(2 + p.piece);
            if (p.piece % 2 == 1)
                s.Symbol = j % 4 == 0 ? Sym::ArrowHeavy : Sym::ArrowLight;
            ComputeSpaceOutline(s);
            lane.Spaces.push_back(s);
        }
        // Finish line across the first spaces (the middle of the top straight).
        if (i % 2 == 0) {
            lane.Spaces[0].Symbol = Sym::FinishCenter;
        } else {
            lane.Spaces[static_cast<size_t>(len - 1)].Symbol = Sym::FinishRight;
            lane.Spaces[0].Symbol = Sym::FinishLeft;
        }
        t.Lanes.push_back(std::move(lane));
    }

    // Links between neighbouring lanes. Space j of an even lane lies between
    // spaces j-1 and j of an odd neighbour; space j of an odd lane between
    // spaces j and j+1 of an even neighbour.
    auto wrap = [&](int j) { return ((j % len) + len) % len; };
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < len; ++j) {
            Space& s = t.Lanes[static_cast<size_t>(i)].Spaces[static_cast<size_t>(j)];
            if (!opt.LinkCorners && s.Segment % 2 == 1)
                continue;
            const int behind = i % 2 == 0 ? wrap(j - 1) : j;
            const int ahead = i % 2 == 0 ? j : wrap(j + 1);
            if (i + 1 < n) {
                s.Nxt[0] = MakeRef(i + 1, ahead);
                s.Adj[0] = MakeRef(i + 1, behind);
                s.Adj[2] = MakeRef(i + 1, ahead);
            }
            if (i > 0) {
                s.Nxt[1] = MakeRef(i - 1, ahead);
                s.Adj[1] = MakeRef(i - 1, behind);
                s.Adj[3] = MakeRef(i - 1, ahead);
            }
        }
    }

    // Garages between the track and the pit lane, inside the top straight,
    // as in the templates; pit boxes of teams 1..10 in the middle.
    const int pitLen = std::clamp(opt.PitLength, 10, MaxLaneSpaces);
    const double dRight = laneOffset(n - 1);
    const double topY = -circuit.Side() / 2 - circuit.Radius();
    const int firstBox = (pitLen - 10) / 2;
    const int garIndex = n;
    const int pitIndex = n + 1;
    Lane garages{"Garages", {}};
    Lane pit{"Pit", {}};
    for (int k = 0; k < pitLen; ++k) {
        const float x = static_cast<float>((k - (pitLen - 1) / 2.0) * 2 * SpaceHalfLength);
        Space s;
        s.Pt[0] = {x, static_cast<float>(topY + dRight + 6 * SpaceHalfWidth)};
        s.LanePos = static_cast<float>(k);
        const int team = k - firstBox;
        if (team >= 0 && team < 10) {
            s.Symbol = static_cast<std::int16_t>(Sym::PitTeam1 + team);
            s.Nxt[1] = MakeRef(garIndex, team);
            Space g;
            g.Pt[0] = {x, static_cast<float>(topY + dRight + 4 * SpaceHalfWidth)};
            g.Symbol = static_cast<std::int16_t>(Sym::GarageTeam1 + team);
            g.LanePos = static_cast<float>(team);
            g.Nxt[0] = MakeRef(pitIndex, k);
            ComputeSpaceOutline(g);
            garages.Spaces.push_back(g);
        }
        ComputeSpaceOutline(s);
        pit.Spaces.push_back(s);
    }
    // The racing space beside the pit lane's first space tells which side of
    // the track the pit lies on.
    {
        const Lane& right = t.Lanes[static_cast<size_t>(n - 1)];
        const float x0 = pit.Spaces[0].Pt[0].x;
        int best = 0;
        for (int j = 0; j < len; ++j) {
            const Space& s = right.Spaces[static_cast<size_t>(j)];
            if (s.Segment == 2 &&
                std::fabs(s.Pt[0].x - x0) <
                    std::fabs(right.Spaces[static_cast<size_t>(best)].Pt[0].x - x0))
                best = j;
        }
        pit.Spaces[0].Adj[1] = MakeRef(n - 1, best);
    }
    t.Lanes.push_back(std::move(garages));
    t.Lanes.push_back(std::move(pit));

    // Starting grid behind the finish line, across the lanes.
    for (int k = 1; k <= 20; ++k) {
        const int lane = (k - 1) % n;
        const int row = (k - 1) / n;
        const int j = lane % 2 == 0 ? len - 1 - row : len - 2 - row;
        t.StartPos[static_cast<size_t>(k)] = j >= 0 ? MakeRef(lane, j) : NoSpace;
    }

    // Corners with their flags outside the bend.
    const double outer = circuit.Radius() - laneOffset(0);
    const char* cornerNames[4] = {"North Hairpin", "East Bend", "South Curve", "West Sweep"};
    for (int c = 0; c < 4; ++c) {
        Corner corner;
        corner.Name = cornerNames[c];
        corner.Stops = static_cast<std::int16_t>(1 + c % 3);
        int longest = 0, shortest = MaxLaneSpaces;
        for (int i = 0; i < n; ++i) {
            int count = 0;
            for (const Space& s : t.Lanes[static_cast<size_t>(i)].Spaces)
                count += s.Segment == 3 + 2 * c;
            longest = std::max(longest, count);
            shortest = std::min(shortest, count);
        }
        corner.Long = static_cast<std::int16_t>(longest);
        corner.Short = static_cast<std::int16_t>(shortest);
        const double a = (-45.0 + 90.0 * c) * Pi / 180.0;
        corner.Vtx[0] = {
            static_cast<float>(circuit.CornerCentreX(c) + (outer + 250) * std::cos(a)),
            static_cast<float>(circuit.CornerCentreY(c) + (outer + 250) * std::sin(a))};
        DeriveCornerFlag(corner);
        t.Corners.push_back(corner);
    }

    // Scenery, drawn in list order: asphalt under the lanes, the infield,
    // the pit apron, gravel traps, a lake and trees.
    t.BackColor = Palette[4];
    const double inner = circuit.Radius() - dRight;
    AddPoly(t, opt, 1, 1, RoundedRing(circuit, outer + 80, 8));
    AddPoly(t, opt, 1, 4, RoundedRing(circuit, std::max(40.0, inner - 80), 8));
    const double apronX = pitLen * SpaceHalfLength + 100;
    AddPoly(t, opt, 1, 2, Rect(-apronX, topY + dRight + 130, apronX, topY + dRight + 400));
    AddPoly(t, opt, 2, 3, Rect(-150, topY + dRight + 400, 150, -circuit.Side() / 4));
    for (int c = 0; c < 4; ++c)
        AddPoly(t, opt, 2, 8, CornerBand(circuit, c, outer + 120, outer + 450, 8));
    AddPoly(t, opt, 2, 7,
            Ellipse(circuit.Straight() / 4, circuit.Side() / 6, circuit.Straight() / 8,
                    std::max(100.0, circuit.Side() / 6), 20));
    for (int k = 0; static_cast<int>(t.BackPolys.size()) < opt.Polygons; ++k) {
        // Trees on a ring outside the circuit, with a beach or a pond now and then.
        const double a = k * 2.39996; // golden angle: an even spread
        const double rx = circuit.Straight() / 2 + outer + 700 + (k % 7) * 90;
        const double ry = circuit.Side() / 2 + outer + 700 + (k % 5) * 90;
        const int kind = k % 10 == 9 ? 9 : k % 10 == 4 ? 6 : 5;
        AddPoly(
            t, opt, 2 + k % 3, kind,
            Ellipse(rx * std::cos(a), ry * std::sin(a), 120 + (k % 3) * 40, 90 + (k % 4) * 30, 12));
    }
    return t;
}

} // namespace td
