#pragma once
// Small tools that rewrite one field across many spaces: lane positions of
// the rest of a lane, the team symbols of the pit boxes, and the links.

#include "model/Track.h"
#include "tools/ToolResult.h"

namespace td {

// LanePos of every space after `space` in `lane` becomes its predecessor's
// plus 1. Nothing happens for the last space, a pending space or a bad index.
ToolResult ReorderLane(Track& track, int lane, int space);

// Puts the pit boxes of teams 1, 6, 2, 7, 3, 8, 4, 9, 5, 10 on the ten pit
// lane spaces from index `space` on (the pit lane is the last lane named
// "Pit", lane 0 when none is). Refuses, changing nothing, when the lane has
// fewer than ten spaces from there.
ToolResult CreatePitPaint(Track& track, int space);

enum class TagScope { All, Corner, Straight };

// The question asked before clearing links.
ToolMessage ClearTagsQuestion(TagScope scope);
// Sets every Nxt and Adj link of the chosen spaces to none.
ToolResult ClearTags(Track& track, TagScope scope);

} // namespace td
