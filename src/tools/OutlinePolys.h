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

// The lanes by role: the lane named "Pit" (lane 0 when none is), and of the
// racing lanes (the first ones when "Pit" and "Garages" are the last two
// lanes, else those from lane 2 on) the end beside the pit lane and the
// other end. The end linked with the pit lane, or else the one nearer to
// its first space, is the one beside it; without either, the racing lane
// next to the pit and garage lanes in the order.
OutlineLanes OutlineLanesFor(const Track& track);

// Appends the two outline polygons (concrete, then grass, both of detail 2)
// and makes the second one current. Steps the track cannot support (a
// missing or short lane) add no vertices; the polygons are appended anyway.
void CreateOutlinePolys(Track& track, Selection& sel);

} // namespace td
