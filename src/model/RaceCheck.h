#pragma once
// The part of the track check that follows the cars: where the moves lead,
// which way the links point, and whether the corner records fit their spaces.

#include <vector>

#include "model/TrackCheck.h"

namespace td {

// Appends the problems found to `out`.
void FindRaceProblems(const Track& track, std::vector<TrackProblem>& out);

} // namespace td
