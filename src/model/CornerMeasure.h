#pragma once
// The longest and shortest path through a corner, counted in spaces: corner
// record k is segment 2k+1 of every racing lane.

#include <cstdint>

#include "model/Track.h"

namespace td {

struct CornerPaths {
    std::int16_t Long = 0;  // the most spaces of the segment in one racing lane
    std::int16_t Short = 0; // the fewest, a lane without any counting 0
    bool Spaces = false;    // false: no racing space is in the segment
    friend bool operator==(const CornerPaths&, const CornerPaths&) = default;
};

CornerPaths MeasureSegment(const Track& track, int segment);
// Corner record `corner` (whether or not the track has that record yet).
CornerPaths MeasureCorner(const Track& track, int corner);

} // namespace td
