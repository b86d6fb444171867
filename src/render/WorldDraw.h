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
// Whole-unit world vertices, converted to pixels. Nothing is drawn for an
// empty list.
void WorldFillPolygon(Scene& scene, const PointI* world, std::size_t count, Colour outline,
                      int penMode, int lineStyle, Colour fill, int fillStyle);
void WorldFillPolygon(Scene& scene, const std::vector<PointI>& world, Colour outline, int penMode,
                      int lineStyle, Colour fill, int fillStyle);

// Screen position of a space's centre.
float CenterScreenX(const Scene& scene, const Space& space);
float CenterScreenY(const Scene& scene, const Space& space);

} // namespace td
