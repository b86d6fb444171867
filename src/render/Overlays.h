#pragma once
// Markers drawn over the board. Most use the exclusive-or pen, so drawing
// one a second time without a redraw in between erases it; the editing
// commands rely on that to move the highlight and the link letters.

#include "render/Scene.h"

namespace td {

// Cross and two circles at the world origin (when switched on).
void DrawWorldCOR(Scene& scene);

// Dotted outline of the current space's working copy, its centre of
// rotation and its track vector. A second call erases the first.
void DrawCurrentSpaceHighlight(Scene& scene);
// Centre-of-rotation cross at a world point (when switched on).
void DrawSpaceCOR(Scene& scene, float x, float y);
// Chevron in front of the current space, pointing in its direction of travel
// (when switched on); uses the working copy's rotation and scale.
void DrawTrackVector(Scene& scene, float x, float y);

// Link letters on a space: P for the primary space, N for a Next link, A for
// an Adjacent link. Axis-aligned, yellow, exclusive-or.
void DrawPrimaryMark(Scene& scene, const Space& space);
void DrawNextMark(Scene& scene, const Space& space);
void DrawAdjacentMark(Scene& scene, const Space& space);

// The letters that space (lane, s) gets from the primary space's links.
void DrawLinkLetters(Scene& scene, int lane, int s);

// The flag of a corner: the cloth filled blue, and the pole.
void DrawCornerFlag(Scene& scene, const Corner& corner, Colour colour, int penMode, int lineStyle);
// The small flag on a space of the current corner's segment.
void DrawCornerStops(Scene& scene, const Space& space);

// Symbol, grid bracket, link letters and stop flag of space (lane, s),
// culled on its centre.
void DrawSpaceOverlays(Scene& scene, int lane, int s);
// Only the exclusive-or ones of those (link letters, stop flag): drawn once
// where the space stands and once more after it moved, they go with it.
void DrawSpaceXorMarks(Scene& scene, int lane, int s);

} // namespace td
