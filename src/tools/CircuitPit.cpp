#include "tools/CircuitPit.h"

#include <algorithm>
#include <cmath>

#include "model/SpaceGeometry.h"
#include "tools/CircuitLanes.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SpaceUnits = 2 * SpaceHalfLength;
// Centre to centre: the outermost racing lane to the pit lane, and the pit
// lane to the garages.
constexpr double PitGap = 300;
constexpr double GarageGap = 2 * SpaceHalfWidth + 100;
constexpr int Teams = 10;

struct Stretch {
    double from = 0; // stations; from may be below 0 (before the finish line)
    double to = 0;
};

// The main straight: from the end of the last bend round to the first one.
Stretch MainStraight(const Path& centre, const std::vector<CircuitBend>& bends) {
    if (bends.empty())
        return {-centre.Length() / 4, centre.Length() / 4};
    return {bends.back().to - centre.Length(), bends.front().from};
}

double Wrap(double s, double length) {
    s = std::fmod(s, length);
    return s < 0 ? s + length : s;
}

// How close the band `offset` beside the centre line over `stretch` comes to
// parts of the circuit away from it along the line.
double Clearance(const Path& centre, Stretch stretch, double offset) {
    const Path side = OffsetPath(UnrolledLap(centre), offset);
    const double len = centre.Length();
    const double away = std::fabs(offset) * 1.5 + SpaceUnits;
    double nearest = 1e300;
    for (double s = stretch.from; s <= stretch.to; s += SpaceUnits / 2) {
        const PathPoint p = side.At(side.DistanceAtStation(s));
        for (const PathPoint& c : centre.Points()) {
            double along = std::fabs(c.station - Wrap(s, len));
            along = std::min(along, len - along);
            if (along > away)
                nearest = std::min(nearest, std::hypot(c.x - p.x, c.y - p.y));
        }
    }
    return nearest;
}

} // namespace

int AddCircuitPit(Track& t, const Path& centre, const std::vector<CircuitBend>& bends, int lanes) {
    const Stretch main = MainStraight(centre, bends);
    const double len = centre.Length();
    const int count = std::clamp(static_cast<int>((main.to - main.from) / SpaceUnits * 0.6), Teams,
                                 std::min(200, MaxLaneSpaces - 1));
    const double middle = (main.from + main.to) / 2;
    const Stretch pitStretch{std::max(middle - count * SpaceHalfLength, -len / 2),
                             std::min(middle + count * SpaceHalfLength, len * 1.5)};
    const double pitOffset = -CircuitLaneOffset(0, lanes) + PitGap;
    const double garageOffset = pitOffset + GarageGap;
    const int side = Clearance(centre, pitStretch, garageOffset) >=
                             Clearance(centre, pitStretch, -garageOffset)
                         ? 1
                         : -1;

    const Path path = OffsetPath(UnrolledLap(centre), side * pitOffset);
    const double a = path.DistanceAtStation(pitStretch.from);
    const double b = path.DistanceAtStation(pitStretch.to);
    Lane pit{"Pit", LaySpaces(path, EvenBounds(a, b - a, count))};
    Lane garages{"Garages", {}};
    const int firstBox = (count - Teams) / 2;
    for (int k = 0; k < count; ++k) {
        Space& s = pit.Spaces[static_cast<size_t>(k)];
        s.LanePos = static_cast<float>(k);
        const int box = k - firstBox;
        if (box < 0 || box >= Teams)
            continue;
        // Box t carries team 1, 6, 2, 7, ... as pit paint puts them.
        const int team = box % 2 == 0 ? box / 2 : 5 + box / 2;
        Space g = s;
        const double h = s.Rotation * Pi / 180;
        g.Pt[0].x -= static_cast<float>(side * GarageGap * std::sin(h));
        g.Pt[0].y += static_cast<float>(side * GarageGap * std::cos(h));
        g.Symbol = static_cast<std::int16_t>(Sym::GarageTeam1 + team);
        g.LanePos = static_cast<float>(box);
        ComputeSpaceOutline(g);
        garages.Spaces.push_back(g);
    }
    // The racing space beside the pit lane's first one tells which side of
    // the track the pit lies on: the one at the same place along the lap.
    const int beside = side > 0 ? lanes - 1 : 0;
    const auto& racing = t.Lanes[static_cast<size_t>(beside)].Spaces;
    const float at = static_cast<float>(Wrap(pitStretch.from, len) / SpaceUnits);
    const auto near = std::min_element(racing.begin(), racing.end(), [&](const Space& x, const Space& y) {
        return std::fabs(x.LanePos - at) < std::fabs(y.LanePos - at);
    });
    pit.Spaces[0].Adj[1] = MakeRef(beside, static_cast<int>(near - racing.begin()));
    t.Lanes.push_back(std::move(garages));
    t.Lanes.push_back(std::move(pit));
    return firstBox;
}

} // namespace td
