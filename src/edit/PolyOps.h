#pragma once
// Background polygon operations: the vertex hit test, building polygons
// vertex by vertex (free, rectangle, road), moving and turning vertices and
// whole polygons, the vertex commands and the polygon commands (stacking
// order, duplicate, delete). They change the Track and the Selection only;
// the gestures and the editor decide what to draw.

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/Selection.h"
#include "model/Track.h"
#include "view/ViewState.h"

namespace td {

// Half width of a road built from its centre line (world units).
constexpr float RoadHalfWidth = SpaceHalfLength / 2.0f;
// Offset of a duplicated polygon from its original (world units).
constexpr float DuplicateOffsetX = SpaceHalfLength;
constexpr float DuplicateOffsetY = -SpaceHalfWidth;

struct VertexRef {
    int poly = 0;
    int vtx = 0;
    friend bool operator==(const VertexRef&, const VertexRef&) = default;
};

// Whether the drawing-area point (x, y) picks `vertex`: it must lie strictly
// within one pixel size (taken as world units) of it along each axis.
bool VertexPicked(const ViewState& view, PointI vertex, float x, float y);
// The first and the last vertex picked at (x, y), polygons and their vertices
// scanned in index order.
std::optional<VertexRef> FirstVertexHit(const Track& track, const ViewState& view, float x,
                                        float y);
std::optional<VertexRef> LastVertexHit(const Track& track, const ViewState& view, float x, float y);

// The current polygon, or nullptr when CurPoly names none.
const BackPoly* CurrentPoly(const Track& track, const Selection& sel);
BackPoly* CurrentPoly(Track& track, const Selection& sel);
// Whether CurVtx names a vertex of the current polygon.
bool HasCurrentVertex(const Track& track, const Selection& sel);

// The neighbours of vertex i of a polygon of n vertices, counted cyclically.
inline int PrevVertex(int n, int i) {
    return i == 0 ? n - 1 : i - 1;
}
inline int NextVertex(int n, int i) {
    return i + 1 == n ? 0 : i + 1;
}

// Appends a vertex at the drawing-area point (x, y), rounded to whole world
// units, to the polygon under construction; when none is under construction
// a new polygon of detail `detail` and black colours is started at the end
// of the list first. The new vertex becomes current. Returns true when a new
// polygon was started.
bool AddPolyVertex(Track& track, Selection& sel, const ViewState& view, float x, float y,
                   std::int16_t detail);

// Makes the two clicked corners V0 and V1 of the current polygon an
// axis-parallel rectangle V0, (V1.x, V0.y), V1, (V0.x, V1.y) and finishes it.
// Does nothing unless the polygon holds exactly two vertices.
void CompleteRectangle(Track& track, Selection& sel);

// Turns a centre line C0..Cn into a closed road outline 2 * RoadHalfWidth
// wide: at every centre point the two edge points lie RoadHalfWidth to each
// side, at right angles to the local direction of the line (the mean of the
// directions of its two segments at an inner point). The vertices run along
// one edge from C0 to Cn and back along the other; both colours become the
// "Roads" colour.
void BuildRoadOutline(BackPoly& poly);

// Ends the construction of the polygon being built (the last one) with the
// polygon tool `tool`: "CreatePoly" and "CreateRectangle" drop a polygon of
// fewer than three vertices, "CreateRoad" builds the road outline; any other
// tool keeps the vertices as they are. Nothing happens while no polygon is
// under construction.
void FinishPolygon(Track& track, Selection& sel, std::string_view tool);

// Moves the current vertex by (dx, dy) world units, rounding to whole units.
bool MoveVertex(Track& track, const Selection& sel, float dx, float dy);
// Turns polygon `poly` by `degrees` about the mean of its vertices,
// rounding the vertices to whole units.
bool RotatePolygon(Track& track, int poly, std::int16_t degrees);

// Inserts a vertex after the current one, at the middle of the edge it
// splits; it becomes current.
bool AddVertex(Track& track, Selection& sel);
// Removes the current vertex; a polygon keeps its last vertex.
bool DeleteVertex(Track& track, const Selection& sel);

// Stacking order (index 0 is drawn first, at the back). Each returns whether
// the order changed; the current polygon follows the move.
bool PolyToFront(Track& track, Selection& sel);
bool PolyForward(Track& track, Selection& sel);
bool PolyBackward(Track& track, Selection& sel);
bool PolyToBack(Track& track, Selection& sel);

// Appends a copy of the current polygon, moved by the duplicate offset; the
// copy becomes current.
bool DuplicatePoly(Track& track, Selection& sel);
// Removes the current polygon; the index stays and names the one that
// followed it.
bool DeleteCurrentPoly(Track& track, const Selection& sel);

// The question before a polygon is deleted.
extern const char* const DeletePolyTitle;
extern const char* const DeletePolyText;

} // namespace td
