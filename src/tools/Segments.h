#pragma once
// Numbering of straights and corners, and the racing-lane range that the
// segment numbering and the auto-tagging share.

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Spaces with a light or double arrow are corner spaces; every other symbol,
// the heavy arrow included, counts as straight.
constexpr bool IsCornerSymbol(int symbol) {
    return symbol >= Sym::ArrowLight && symbol <= Sym::ArrowDoubleRight;
}

struct LaneRange {
    int First = 0;
    int Last = -1; // Last < First: no racing lanes
};

// Racing lanes 0..U-2 when the pit lane is one of the last three lanes
// (U = highest lane index), else 2..U; the pit lane is the last lane named
// "Pit", lane 0 when none is.
LaneRange RacingLanes(const Track& track);

// Numbers the racing lanes: even segments for straights, odd for corners,
// counting from 0 in every lane, with the last stretch of each lane closed
// back to 0. Space 0 of a lane keeps its value; a lane of one space is left
// alone. The message reports the largest count before closing.
ToolResult AssignSegments(Track& track);

} // namespace td
