#pragma once
// The track the benchmarks run on: as large as a track gets in practice.

#include "model/Track.h"

namespace td {

// Four racing lanes of 999 spaces, a pit lane of 200, ten garages and 1000
// background polygons of 50 vertices, on a big closed loop with corners,
// every link filled in and the starting grid set.
Track MakeStressTrack();

} // namespace td
