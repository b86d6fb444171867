#pragma once
// The scenery under the track: background polygons, filtered by detail level.

#include "render/Scene.h"

namespace td {

// Whether polygon `poly` is shown at the view's detail level.
bool PolygonShown(const BackPoly& poly, const ViewState& view);

// Every shown polygon in list order: filled (cross hatch for the current
// one) or as a wire outline (dotted for the current one, left open while it
// is being built), then an inverted marker on every vertex.
void DrawBackPolys(Scene& scene);
void DrawBackPoly(Scene& scene, int index);
// Inverting box around one polygon vertex; drawing it twice removes it.
void DrawVertexMarker(Scene& scene, PointI vertex);

// Dotted outlines only, for the quick picture while zooming or panning.
void DrawBackPolyOutlines(Scene& scene);

} // namespace td
