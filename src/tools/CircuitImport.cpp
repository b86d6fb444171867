#include "tools/CircuitImport.h"

#include <algorithm>
#include <cmath>

#include "model/LaneRoles.h"
#include "model/Selection.h"
#include "model/TrackFile.h"
#include "tools/AutoTag.h"
#include "tools/CenterTrack.h"
#include "tools/CircuitLanes.h"
#include "tools/CircuitPit.h"
#include "tools/CircuitShape.h"
#include "tools/LaneTools.h"
#include "tools/MeasureCorners.h"
#include "tools/OutlinePolys.h"
#include "tools/Segments.h"
#include "tools/TrackGenerator.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SpaceUnits = 2 * SpaceHalfLength;
constexpr double MetresPerSpace = 45;
constexpr int MinDefaultLength = 60;
constexpr int MaxDefaultLength = 990;
// A bend is a corner when it is tighter than this and turns far enough.
constexpr double CornerRadius = 270; // metres
constexpr double CornerTurn = 20;    // degrees

// The lap scaled by `factor` and evenly resampled for the lanes.
Path Scaled(const Path& lap, double factor) {
    std::vector<PathPoint> pts;
    for (const PathPoint& p : lap.Points())
        pts.push_back({p.x * factor, p.y * factor, p.station * factor});
    const Path scaled(std::move(pts), true);
    return Resample(scaled, std::clamp(2 * factor, 10.0, 40.0));
}

struct Layout {
    Path centre;
    std::vector<CircuitBend> bends;
    CircuitLaneSet lanes;
    double factor = 0; // world units per metre

    int Longest() const {
        size_t n = 0;
        for (const Lane& l : lanes.lanes)
            n = std::max(n, l.Spaces.size());
        return static_cast<int>(n);
    }
};

// Arrows at the corner entries: none yet, the light arrows stand for them.
int NoEntryArrow(const CircuitBend&, int, int) {
    return 0;
}

Layout LayOut(const Path& lap, double factor, int lanes) {
    Layout l;
    l.factor = factor;
    l.centre = Scaled(lap, factor);
    BendRules rules;
    rules.maxRadius = CornerRadius * factor;
    rules.minTurn = CornerTurn;
    // Every lane keeps at least two spaces on a straight and one in a bend.
    rules.minGap = 3 * SpaceUnits;
    rules.minLength = 1.5 * SpaceUnits + 2 * std::fabs(CircuitLaneOffset(0, lanes));
    l.bends = FindBends(l.centre, rules);
    l.lanes = LayCircuitLanes(l.centre, l.bends, lanes, NoEntryArrow);
    return l;
}

// The layout whose longest lane has `length` spaces, or as close below it as
// the rounding allows.
Layout Fit(const Path& lap, int lanes, int length) {
    double factor = length * SpaceUnits / lap.Length();
    Layout best;
    for (int tries = 0; tries < 40; ++tries) {
        Layout l = LayOut(lap, factor, lanes);
        const int longest = l.Longest();
        if (longest <= length && (best.lanes.lanes.empty() || longest > best.Longest()))
            best = l;
        if (longest == length)
            break;
        // In proportion at first, then in small steps down to the length.
        factor *= tries < 4 ? static_cast<double>(length) / longest
                            : (longest > length ? 0.997 : 1.002);
    }
    return best.lanes.lanes.empty() ? LayOut(lap, factor * 0.9, lanes) : best;
}

std::int16_t StopsFor(double metres) {
    return static_cast<std::int16_t>(metres < 50 ? 3 : metres < 120 ? 2 : 1);
}

// A point `offset` to the driver's right of the centre line at station s.
PointF Beside(const Path& centre, double s, double offset) {
    const double d = centre.DistanceAtStation(s);
    const PathPoint p = centre.At(d);
    const double h = centre.HeadingAt(d) * Pi / 180;
    return {static_cast<float>(p.x - offset * std::sin(h)),
            static_cast<float>(p.y + offset * std::cos(h))};
}

void AddCorners(Track& t, const Layout& l, int lanes) {
    const double halfWidth = lanes * SpaceHalfWidth;
    for (size_t k = 0; k < l.bends.size(); ++k) {
        const CircuitBend& b = l.bends[k];
        Corner c;
        c.Name = "Turn " + std::to_string(k + 1);
        c.Stops = StopsFor(b.radius / l.factor);
        // The flag stands outside the bend at its apex.
        c.Vtx[0] = Beside(l.centre, b.apex, (b.apexTurn > 0 ? -1 : 1) * (halfWidth + 250));
        DeriveCornerFlag(c);
        t.Corners.push_back(c);
    }
}

// Gravel outside the corners of two stops or more, running on past the exit.
void AddGravel(Track& t, const Layout& l, int lanes) {
    const double half = lanes * SpaceHalfWidth;
    for (size_t k = 0; k < l.bends.size(); ++k) {
        const CircuitBend& b = l.bends[k];
        if (t.Corners[k].Stops < 2)
            continue;
        const double side = b.apexTurn > 0 ? -1 : 1;
        const double depth = std::clamp(b.radius * 0.5, 200.0, 500.0);
        const double len = b.to - b.from;
        const double s0 = b.from + len * 0.1, s1 = std::min(b.to + len * 0.2, l.centre.Length());
        const int n = std::max(2, static_cast<int>((s1 - s0) / 60));
        BackPoly p;
        p.Detail = 2;
        p.FillColor = p.OutlineColor = Palette[8];
        auto add = [&](double s, double offset) {
            const PointF q = Beside(l.centre, s, offset);
            p.Vtxs.push_back({static_cast<std::int32_t>(std::lround(q.x)),
                              static_cast<std::int32_t>(std::lround(q.y))});
        };
        for (int i = 0; i <= n; ++i)
            add(s0 + (s1 - s0) * i / n, side * (half + 60 + depth));
        for (int i = n; i >= 0; --i)
            add(s0 + (s1 - s0) * i / n, side * (half + 60));
        t.BackPolys.push_back(std::move(p));
    }
}

Track Build(const Layout& l, int lanes, PointF& shift) {
    Track t;
    for (const Lane& lane : l.lanes.lanes)
        t.Lanes.push_back(lane);
    const int firstBox = AddCircuitPit(t, l.centre, l.bends, lanes);
    BuildGrid(t, lanes);
    // The lanes in the order saving gives them, so that the links below
    // name the lanes as the file will.
    NormalizeLaneOrder(t);

    // What the Tools menu does for an author.
    AssignSegments(t);
    CreatePitPaint(t, firstBox);
    AutoTagSpaces(t);
    LinkPitLane(t);
    AddCorners(t, l, lanes);
    MeasureCorners(t);

    t.BackColor = Palette[4];
    Selection sel;
    CreateOutlinePolys(t, sel);
    AddGravel(t, l, lanes);
    // The editor opens a track on the world origin: put the middle of the
    // pit lane there, as generate does.
    const auto& pit = t.Lanes[static_cast<size_t>(FindLane(t, "Pit"))].Spaces;
    const PointF middle = pit[pit.size() / 2].Pt[0];
    shift = {-std::round(middle.x), -std::round(middle.y)};
    MoveTrackBy(t, shift.x, shift.y);
    return t;
}

} // namespace

int DefaultCircuitLength(double metres) {
    return std::clamp(static_cast<int>(std::lround(metres / MetresPerSpace)), MinDefaultLength,
                      MaxDefaultLength);
}

CircuitImport ImportCircuit(const CircuitLine& line, const CircuitImportOptions& options) {
    CircuitImport out;
    Path lap;
    if (!ShapeCircuit(line.points, options.Reverse, lap, out.Error))
        return out;
    out.LapMetres = lap.Length();
    const int lanes = options.Lanes == 4 ? 4 : 3;
    const int length = options.Length > 0 ? std::min(options.Length, MaxLaneSpaces - 1)
                                          : DefaultCircuitLength(out.LapMetres);
    const Layout layout = Fit(lap, lanes, length);
    out.UnitsPerMetre = layout.factor;
    out.Result = Build(layout, lanes, out.Shift);
    out.Result.Info.Name = !options.Name.empty() ? options.Name
                           : !line.name.empty()  ? line.name
                                                 : "Imported Circuit";
    out.Ok = true;
    return out;
}

CircuitImport ImportCircuitFile(const std::string& path, const CircuitImportOptions& options) {
    CircuitLine line;
    CircuitImport out;
    if (!ReadCircuitFile(path, line, out.Error))
        return out;
    return ImportCircuit(line, options);
}

std::string ImportSummary(const Track& track) {
    const LaneRoles roles = FindLaneRoles(track);
    size_t lo = 0, hi = 0;
    int lanes = 0;
    for (int l = roles.FirstRacing; l <= roles.LastRacing && track.ValidLane(l); ++l) {
        const size_t n = track.Lanes[static_cast<size_t>(l)].Spaces.size();
        lo = lanes == 0 ? n : std::min(lo, n);
        hi = std::max(hi, n);
        ++lanes;
    }
    std::string text = "Imported " + track.Info.Name + ": " + std::to_string(lanes) +
                       " lanes of " + std::to_string(lo);
    if (hi != lo)
        text += " to " + std::to_string(hi);
    return text + " spaces, " + std::to_string(track.Corners.size()) +
           (track.Corners.size() == 1 ? " corner" : " corners");
}

} // namespace td
