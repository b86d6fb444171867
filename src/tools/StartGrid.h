#pragma once
// The starting grid tools: rows of two built back from the pole position and
// second place, and clearing the whole grid.

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// Rows behind the one before: 3 spaces for the normal grid, 2 for the tight.
constexpr int NormalGridStep = 3;
constexpr int TightGridStep = 2;

// Fills StartPos[3..20] from StartPos[1] and [2], every row `rowStep` spaces
// behind the one before in the same lane. Refuses, changing nothing, when the
// pole or second place is unset, or when a place would fall before the start
// of its lane or name a missing space.
ToolResult CreateStartGrid(Track& track, int rowStep);

// The question asked before clearing the grid.
ToolMessage ClearStartGridQuestion();
// Sets all twenty grid entries to none.
ToolResult ClearStartGrid(Track& track);

} // namespace td
