#pragma once
// What the "&Options" menu switches on and off; the renderer reads it.

namespace td {

struct DisplayOptions {
    bool DrawWorldCOR = true;
    bool DrawSpaceCOR = true;
    bool DrawTrackVector = true;
    bool DrawNext = true;
    bool DrawAdjacent = true;
    bool DrawSymbol = true;
    bool DrawFlags = true;
    bool Filled = true; // false: wireframe
};

} // namespace td
