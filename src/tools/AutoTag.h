#pragma once
// Links of the straights and of the pit boxes with their garages, built in
// one pass over the whole track.

#include <string>

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Why a run over this track could not complete (a lane missing or empty, a
// straight with nothing to line up with in the neighbouring lane, too few pit
// boxes or garages); empty when it can.
std::string AutoTagProblem(const Track& track);

// Sets Nxt and Adj of every straight space towards its neighbouring racing
// lanes and pairs the ten pit boxes with the ten garages; corner spaces keep
// their links. Refuses, changing nothing, when AutoTagProblem finds a reason.
ToolResult AutoTagSpaces(Track& track);

} // namespace td
