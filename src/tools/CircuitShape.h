#pragma once
// From the longitude and latitude of a map line to one clean lap in metres:
// projected about the line's centre with north up (x east, y south, as the
// screen has it), cut to one lap when the line was recorded over several,
// optionally turned round, evenly resampled and smoothed. The first point of
// the lap is the first point of the line: the finish line.

#include <string>
#include <vector>

#include "tools/CircuitRead.h"
#include "tools/PathGeometry.h"

namespace td {

// Fewer points than this make no circuit.
constexpr int MinCircuitPoints = 10;

// The lap as a closed path in metres whose stations are its own distances.
// False with a message for the author when the line has too few points,
// coordinates out of range or does not come back to its start.
bool ShapeCircuit(const std::vector<GeoPoint>& line, bool reverse, Path& lap, std::string& error);

// One bend of the centre line: from and to are distances along it, turn the
// degrees it turns (> 0 to the right), radius its tightest radius and apex
// the distance where that lies.
struct CircuitBend {
    double from = 0;
    double to = 0;
    double turn = 0;
    double radius = 0;
    double apex = 0;
    double entry = 0;    // degrees of its first part: the way it begins
    double apexTurn = 0; // degrees of the part holding the apex
};

// The bends of a closed path tighter than `maxRadius` that turn at least
// `minTurn` degrees, in driving order, none across the start of the path.
// Bends closer than `minGap` to each other (a chicane) are one; every bend
// is at least `minLength` long. Units are those of the path.
struct BendRules {
    double maxRadius = 0;
    double minTurn = 20;
    double minGap = 0;
    double minLength = 0;
};
std::vector<CircuitBend> FindBends(const Path& centre, const BendRules& rules);

} // namespace td
