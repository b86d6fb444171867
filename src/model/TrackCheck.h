#pragma once
// Consistency problems of a track that the game or the editor would trip
// over. The model stores such tracks unchanged; this only reports them.

#include <string>
#include <vector>

#include "model/Track.h"

namespace td {

// One line per problem, in track order; empty for a sound track.
std::vector<std::string> CheckTrack(const Track& track);

} // namespace td
