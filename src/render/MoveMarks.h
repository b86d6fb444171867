#pragma once
// Show Moves: a frame inside each space a car on the current space can reach,
// drawn over the spaces with the copy pen.

#include "model/Moves.h"
#include "render/Scene.h"

namespace td {

// The spaces passed on the way in a thin light frame, those reached in
// exactly the moves shown in a thick full one; culled like the overlays.
void DrawMoveReach(Scene& scene, const MoveReach& reach);

} // namespace td
