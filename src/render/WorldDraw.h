#pragma once
// Drawing in world coordinates: converts to the drawing area and applies the
// visibility rule of lines and boxes before handing the call to the Surface,
// which itself draws whatever it is told.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/Scene.h"

namespace td {

// Nearest whole world unit, halves to even.
PointF RoundWorld(PointF p);
PointI RoundWorldInt(PointF p);

// A point given in a space's own frame (origin at its centre, +X along the
// space), turned with the space about its centre.
struct SpaceFrame {
    float cx = 0.0f;
    float cy = 0.0f;
    std::int16_t rotation = 0;
    PointF At(float fx, float fy) const;
};
SpaceFrame FrameOf(const Space& space);

void WorldLine(Scene& scene, float x1, float y1, float x2, float y2, Colour colour, int penMode,
               int lineStyle);
void WorldLine(Scene& scene, PointF a, PointF b, Colour colour, int penMode, int lineStyle);
// Box with corners a and b; culled like a line between them.
void WorldBox(Scene& scene, PointF a, PointF b, Colour colour, int penMode, int lineStyle);
// Circles are never culled.
void WorldCircle(Scene& scene, float cx, float cy, float radius, Colour colour, int penMode,
                 int lineStyle);
// Angles in degrees, counter-clockwise as seen on the screen.
void WorldArc(Scene& scene, float cx, float cy, float radius, Colour colour, float startDeg,
              float endDeg, float aspect, int penMode, int lineStyle);
// The smallest box holding whole-unit world points; false for an empty list.
struct WorldExtent {
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
};
bool WorldExtentOf(const PointI* world, std::size_t count, WorldExtent& out);

// Screen extent (twips) of a world box grown by (growX, growY) world units
// on every side. Since the transform keeps the order of values for a finite
// positive zoom, no point of the box lands outside it. False for a zoom for
// which that does not hold.
struct ScreenExtent {
    float minX = 0.0f;
    float minY = 0.0f;
    float maxX = 0.0f;
    float maxY = 0.0f;
};
bool ScreenExtentOf(const ViewState& view, const WorldExtent& box, float growX, float growY,
                    ScreenExtent& out);
// Whether no point of the extent lies strictly inside the drawing area, so
// that no line or box between such points passes the visibility rule.
bool NothingInside(const ViewState& view, const ScreenExtent& e);

// Whole-unit world vertices, converted to pixels. Nothing is drawn for an
// empty list, nor for a polygon lying wholly beyond one edge of the surface
// (it would leave every pixel as it is).
// `extent`, when given, is WorldExtentOf the vertices.
void WorldFillPolygon(Scene& scene, const PointI* world, std::size_t count, Colour outline,
                      int penMode, int lineStyle, Colour fill, int fillStyle,
                      const WorldExtent* extent = nullptr);
void WorldFillPolygon(Scene& scene, const std::vector<PointI>& world, Colour outline, int penMode,
                      int lineStyle, Colour fill, int fillStyle);

// Screen position of a space's centre.
float CenterScreenX(const Scene& scene, const Space& space);
float CenterScreenY(const Scene& scene, const Space& space);

} // namespace td
