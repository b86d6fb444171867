#pragma once
// Quantisation of a mouse drag into steps: each axis takes a step once the
// pointer has moved at least the grid distance from the drag anchor (LastPt)
// along it; smaller movements accumulate until they do.

#include "model/Track.h"

namespace td {

struct DragStep {
    // +1 when the pointer moved left (x) or up (y) of the anchor, -1 right or
    // down, 0 when level with it.
    int dirX = 0;
    int dirY = 0;
    bool stepX = false;
    bool stepY = false;
    // World distance of each step: (pointer - anchor) / zoom; 0 without a step.
    float dx = 0.0f;
    float dy = 0.0f;
};

// The steps that a pointer at (x, y) takes from `anchor` (drawing-area units).
DragStep QuantiseDrag(PointF anchor, float x, float y, float gridDistance, float zoom);

// Moves the anchor to the pointer along each axis that moved at least the grid
// distance; the other axis keeps its anchor.
void AdvanceDragAnchor(PointF& anchor, float x, float y, float gridDistance);

} // namespace td
