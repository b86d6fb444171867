#pragma once
// The board itself: the road between consecutive spaces of a lane and the
// body of every space, filled or as a wire outline.

#include <array>
#include <cstddef>
#include <vector>

#include "model/SpaceGeometry.h"
#include "render/Scene.h"

namespace td {

// Fill colour of a space body in filled mode, by symbol.
Colour SpaceFillColour(int symbol);
// Outline colour of a body in filled mode: red for the corner arrows 26..28,
// otherwise `given`.
Colour SpaceOutlineColour(int symbol, Colour given);
// Colour of team 1..10 (garage fill); 0 for any other number.
Colour TeamColour(int team);

// Two corners are joined when both coordinates differ by at most 2 units.
bool CornersJoined(PointF a, PointF b);

// Road quadrilateral between space s and s + 1 of a lane; nothing for the
// last space of a lane or an index outside it.
void DrawSpaceGap(Scene& scene, int lane, int s);

// Outline of the filled body of space s, extended half way into the gaps
// to its neighbours unless the lane is the pit lane or the garage row. The
// ends of an open lane are not extended outwards.
std::vector<PointI> SpaceBody(const Track& track, int lane, int s);

// The same body without an allocation, for the redraw loop.
struct SpaceBodyPoints {
    std::array<PointI, 8> pts{};
    int count = 0;
    void Add(PointI p) { pts[static_cast<std::size_t>(count++)] = p; }
};
void BuildSpaceBody(const Track& track, int lane, int s, SpaceBodyPoints& body);

// Draws space s (culled on its centre) and widens the track bounds with its
// centre. `outline` is in/out: corner arrows turn it red in filled mode.
void DrawSpace(Scene& scene, int lane, int s, Colour& outline, int penMode, int lineStyle);

// Culling on the centre alone, so an off-screen space costs one transform.
bool SpaceBodyVisible(const Scene& scene, const Space& space);
bool SpaceOverlaysVisible(const Scene& scene, const Space& space);

} // namespace td
