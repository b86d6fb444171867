#pragma once
// The full redraw of the drawing area and the quick picture shown while the
// view is zoomed or panned.

#include "render/Scene.h"

namespace td {

// Repaints everything from the model, in stacking order: background,
// polygons, road between spaces, spaces with their overlays, corner flags,
// the current space's highlight, the world origin. Nothing when the area is
// not visible. Never fails: missing elements are skipped.
void RefreshView(Scene& scene);

// Centre lines of lane 2 and of the last lane, and dotted polygon outlines.
void QuickRedraw(Scene& scene);

// Recomputes the corners of the current space's working copy from its
// centre, rotation and scale, then draws its highlight (exclusive-or).
void ComputeCurrentOutline(Scene& scene);

} // namespace td
