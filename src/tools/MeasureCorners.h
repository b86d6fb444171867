#pragma once
// Measure Corners: the longest and shortest path of every corner record,
// counted from the spaces of its segment (the counts generate writes too).

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Sets Long and Short of every corner whose segment has racing spaces and
// lists each corner with its old and new values. Refused (nothing changes)
// when the track has no corner records.
ToolResult MeasureCorners(Track& track);

} // namespace td
