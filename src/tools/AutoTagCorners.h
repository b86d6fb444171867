#pragma once
// Links of the corner spaces across the racing lanes, as an author sets them
// by hand with Set Next and Set Adjacent: forward into the first space ahead
// in each neighbouring lane, and beside to the one before that.

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Honour: Next links only where the space's arrow lets Set Next store them
// (a double arrow to its own side, a light arrow none); Adjacent links on
// both sides. Ignore: every corner space both ways.
enum class CornerArrows { Honour, Ignore };

// Fills the empty link slots of every corner space (light or double arrow)
// of the racing lanes; links already set are kept. Returns how many spaces
// got at least one link.
int AutoTagCorners(Track& track, CornerArrows arrows);

// The question the editor asks first, and the box with the outcome.
ToolMessage AutoTagCornersQuestion();
ToolMessage AutoTagCornersDone(int spaces);

} // namespace td
