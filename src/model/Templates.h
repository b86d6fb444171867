#pragma once
// The small template tracks every new track starts from.

#include "model/Selection.h"
#include "model/Track.h"

namespace td {

// Empties the track to five nameless lanes with no spaces, no corners, no
// polygons and an empty grid; clears the corner and primary selection.
void ResetTrack(Track& track, Selection& sel);

// ResetTrack, then the 3-lane template and the grass background. The track
// information is left as it was.
void BuildNewTrack3(Track& track, Selection& sel);

// Turns the freshly built 3-lane template into the 4-lane template.
void ConvertToFourLanes(Track& track);

} // namespace td
