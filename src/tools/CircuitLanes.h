#pragma once
// The racing lanes of an imported circuit: side by side about its centre
// line, 100 units apart, each following the path offset from the centre
// line (eased where a hairpin is tighter than the offset). Spaces lie end to
// end, straight by straight and bend by bend at about a standard length, the
// lap closing exactly; neighbouring lanes are staggered by half a space on
// the straights, as generate's lanes are.

#include <vector>

#include "model/Track.h"
#include "tools/CircuitShape.h"
#include "tools/PathGeometry.h"

namespace td {

// Distance of racing lane `lane` of `lanes` to the right of the centre line.
double CircuitLaneOffset(int lane, int lanes);

// The closed centre line unrolled into an open one from half a lap before
// its start to half a lap after its end, stations running on from -lap/2 to
// 1.5 laps: paths offset from it have the same shape round the finish line
// as anywhere else, and a distance along them for every station of the lap.
Path UnrolledLap(const Path& centre);

struct CircuitLaneSet {
    std::vector<Lane> lanes; // left to right, named "Left" ... "Right"
    std::vector<Path> paths; // the path each lane's spaces follow, unrolled
};

// Lays the lanes; corner spaces carry light arrows and the first space of
// every bend `entryArrow(bend, lane)` when that is not 0; the first spaces
// carry the finish line. Bends too short for a space in some lane are
// widened first.
CircuitLaneSet LayCircuitLanes(const Path& centre, std::vector<CircuitBend>& bends, int lanes,
                               int (*entryArrow)(const CircuitBend&, int lane, int lanes));

} // namespace td
