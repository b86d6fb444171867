#pragma once
// What a built racing lane carries besides its geometry, the same for every
// tool that lays lanes from a centre line (generate, the circuit import): its
// name, the arrows of its corner spaces and the finish line.

#include <cstdint>
#include <string>

#include "model/Track.h"

namespace td {

// "Left", "Middle", "Right" or, with four lanes, "Left" to "Right" by the middle two.
std::string RacingLaneName(int lane, int lanes);

// The double arrow of a corner space in `lane`: it sends its cars into the lane
// that lies on the inside of the bend's entry (28 toward the lane of lower index,
// 27 toward higher), and the edge lanes inward. `entryTurn` > 0 is a bend to the
// right.
std::int16_t CornerArrowFor(int entryTurn, int lane, int lanes);

// The finish-line symbols on the first space (and, in the lanes of odd index,
// the last) of a lane laid from the start of the lap.
void MarkFinishLine(Lane& lane, int laneIndex);

} // namespace td
