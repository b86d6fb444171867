#pragma once
// A first scenery layer drawn from the track itself: a concrete polygon
// along the racing lane farthest from the pit lane, and a grass polygon along
// the racing lane beside the pit lane (between pit exit and pit entry) and
// the pit lane, both through the bends of those lanes.

#include "model/Selection.h"
#include "model/Track.h"

namespace td {

// The lanes the outline follows; -1 where the track has no such lane.
struct OutlineLanes {
    int pit = -1;   // the pit lane (lane 0 when the pit comes first)
    int inner = -1; // the racing lane beside it (lane 2)
    int outer = -1; // the racing lane farthest from it (the last lane)
    friend bool operator==(const OutlineLanes&, const OutlineLanes&) = default;
};

// The lanes by role. When "Pit" and "Garages" are the last two lanes (a new
// track before its first save) the racing lanes come first, so the roles
// are read from that order; otherwise the lanes 0, 2 and the last one are
// taken as they stand.
OutlineLanes OutlineLanesFor(const Track& track);

// Appends the two outline polygons (concrete, then grass, both of detail 2)
// and makes the second one current. Steps the track cannot support (a
// missing or short lane) add no vertices; the polygons are appended anyway.
void CreateOutlinePolys(Track& track, Selection& sel);

} // namespace td
