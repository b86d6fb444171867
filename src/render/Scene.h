#pragma once
// Everything one redraw reads, and the little it writes back (the current
// space's outline and the track bounds).

#include "model/Selection.h"
#include "model/Track.h"
#include "render/DisplayOptions.h"
#include "render/Surface.h"
#include "view/ViewState.h"

namespace td {

struct MoveReach;

// Extent of the space centres drawn since the last reset; the centring tool
// reads and resets it.
struct TrackBounds {
    float MinX = 0.0f;
    float MinY = 0.0f;
    float MaxX = 0.0f;
    float MaxY = 0.0f;
};

struct Scene {
    Surface& surface;
    const Track& track;
    Selection& sel;
    const ViewState& view;
    const DisplayOptions& display;
    TrackBounds& bounds;
    // False while the window is minimised or hidden: RefreshView draws nothing.
    bool areaVisible = true;
    // The spaces Show Moves marks; nullptr: none.
    const MoveReach* moves = nullptr;
};

} // namespace td
