#pragma once
// The scenery of generated tracks: the track surface, the pit apron, gravel
// traps outside the corners, grandstands, a lake in the infield and trees.

#include "model/Track.h"
#include "tools/TrackLayout.h"

namespace td {

// Appends at most `polygons` background polygons around the circuit of
// `path` with `lanes` racing lanes; the pit lane and garages already in
// `track` get their apron. With `vertices` > 0 every polygon is resampled to
// exactly that many vertices.
void AddScenery(Track& track, const LayoutPath& path, int lanes, int polygons, int vertices);

} // namespace td
