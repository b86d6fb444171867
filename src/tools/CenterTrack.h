#pragma once
// Moving the whole track, with its corner flags and scenery, so that the
// middle of its spaces lies on the world origin.

#include <optional>

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Middle of the bounding box of all space centres; none for a track without
// spaces.
std::optional<PointF> SpacesMiddle(const Track& track);

// Moves every space, every corner flag and every polygon by (dx, dy);
// polygon vertices are rounded to whole numbers, halves to the even one.
void MoveTrackBy(Track& track, float dx, float dy);

// Moves the track by minus SpacesMiddle. A track without spaces stays.
ToolResult CenterTrack(Track& track);

} // namespace td
