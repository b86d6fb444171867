#pragma once
// Laps by the move rule, on the racing lanes (the pit lane is no line to race
// on). A move crosses the finish line when it leaves the back half of its
// lane for the front half of a lane, as the step from the last space to
// space 0 does.

#include <optional>

#include "model/Track.h"

namespace td {

// The fewest moves from the finish line back to it, lane changes included;
// none when no run of moves crosses the line.
std::optional<int> ShortestLap(const Track& track);

} // namespace td
