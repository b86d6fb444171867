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
    // Where a car on the current space can go, in this many moves.
    bool ShowMoves = false;
    int Moves = 6;
};

} // namespace td
