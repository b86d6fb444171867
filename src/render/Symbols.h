#pragma once
// The marks painted on a space according to its symbol, and the bracket of
// a starting-grid position. All shapes are built in the space's own frame
// and turned with the space.

#include "render/Scene.h"

namespace td {

// The symbol of the space (arrows, pit and garage marks, finish lines).
void DrawSpaceSymbol(Scene& scene, const Space& space);
void DrawSingleArrow(Scene& scene, const Space& space, int lineWidth);
void DrawDoubleArrow(Scene& scene, const Space& space, bool left);
void DrawPitMark(Scene& scene, const Space& space, int team);
void DrawGarageMark(Scene& scene, const Space& space, int team);
void DrawFinishLine(Scene& scene, const Space& space, int symbol);
void DrawStartGridMark(Scene& scene, const Space& space);

// Whether (lane, index) is one of the twenty starting-grid positions.
bool IsStartPosition(const Track& track, int lane, int index);

// Pen width of a garage mark at this zoom.
int GarageLineWidth(float zoom);

} // namespace td
