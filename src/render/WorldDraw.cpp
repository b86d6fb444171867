#include "render/WorldDraw.h"

#include <algorithm>
#include <cmath>

#include "model/SpaceGeometry.h"
#include "view/ViewTransform.h"

namespace td {

namespace {
constexpr double Pi = 3.14159265358979;
}

PointF RoundWorld(PointF p) {
    return {static_cast<float>(RoundToInt32(p.x)), static_cast<float>(RoundToInt32(p.y))};
}

PointI RoundWorldInt(PointF p) {
    return {RoundToInt32(p.x), RoundToInt32(p.y)};
}

PointF SpaceFrame::At(float fx, float fy) const {
    const float x = cx + fx;
    const float y = cy + fy;
    return {static_cast<float>(RotateX(x, y, rotation, cx, cy)),
            static_cast<float>(RotateY(x, y, rotation, cx, cy))};
}

SpaceFrame FrameOf(const Space& space) {
    return {space.Pt[0].x, space.Pt[0].y, space.Rotation};
}

void WorldLine(Scene& scene, float x1, float y1, float x2, float y2, Colour colour, int penMode,
               int lineStyle) {
    const ViewState& v = scene.view;
    const float sx1 = WorldToScreenX(v, x1);
    const float sy1 = WorldToScreenY(v, y1);
    const float sx2 = WorldToScreenX(v, x2);
    const float sy2 = WorldToScreenY(v, y2);
    if (!LineVisible(v, sx1, sy1, sx2, sy2))
        return;
    scene.surface.DrawLine(sx1, sy1, sx2, sy2, colour, penMode, lineStyle);
}

void WorldLine(Scene& scene, PointF a, PointF b, Colour colour, int penMode, int lineStyle) {
    WorldLine(scene, a.x, a.y, b.x, b.y, colour, penMode, lineStyle);
}

void WorldBox(Scene& scene, PointF a, PointF b, Colour colour, int penMode, int lineStyle) {
    const ViewState& v = scene.view;
    const float sx1 = WorldToScreenX(v, a.x);
    const float sy1 = WorldToScreenY(v, a.y);
    const float sx2 = WorldToScreenX(v, b.x);
    const float sy2 = WorldToScreenY(v, b.y);
    if (!LineVisible(v, sx1, sy1, sx2, sy2))
        return;
    scene.surface.DrawBox(sx1, sy1, sx2, sy2, colour, penMode, lineStyle);
}

void WorldCircle(Scene& scene, float cx, float cy, float radius, Colour colour, int penMode,
                 int lineStyle) {
    const ViewState& v = scene.view;
    scene.surface.DrawCircle(WorldToScreenX(v, cx), WorldToScreenY(v, cy),
                             WorldToScreenLength(v, radius), colour, penMode, lineStyle);
}

void WorldArc(Scene& scene, float cx, float cy, float radius, Colour colour, float startDeg,
              float endDeg, float aspect, int penMode, int lineStyle) {
    const ViewState& v = scene.view;
    const float startRad = static_cast<float>(startDeg * (Pi / 180.0));
    const float endRad = static_cast<float>(endDeg * (Pi / 180.0));
    scene.surface.DrawArc(WorldToScreenX(v, cx), WorldToScreenY(v, cy),
                          WorldToScreenLength(v, radius), colour, startRad, endRad, aspect, penMode,
                          lineStyle);
}

bool WorldExtentOf(const PointI* world, std::size_t count, WorldExtent& out) {
    if (count == 0)
        return false;
    std::int32_t minX = world[0].x, maxX = minX, minY = world[0].y, maxY = minY;
    for (std::size_t i = 1; i < count; ++i) {
        minX = std::min(minX, world[i].x);
        maxX = std::max(maxX, world[i].x);
        minY = std::min(minY, world[i].y);
        maxY = std::max(maxY, world[i].y);
    }
    out = {minX, minY, maxX, maxY};
    return true;
}

bool ScreenExtentOf(const ViewState& view, const WorldExtent& box, float growX, float growY,
                    ScreenExtent& out) {
    if (!(view.Zoom > 0.0f) || !std::isfinite(view.Zoom))
        return false;
    out.minX = WorldToScreenX(view, static_cast<float>(box.minX) - growX);
    out.maxX = WorldToScreenX(view, static_cast<float>(box.maxX) + growX);
    out.minY = WorldToScreenY(view, static_cast<float>(box.minY) - growY);
    out.maxY = WorldToScreenY(view, static_cast<float>(box.maxY) + growY);
    return true;
}

bool NothingInside(const ViewState& view, const ScreenExtent& e) {
    return e.maxX <= 0.0f || e.minX >= view.AreaWidth || e.maxY <= 0.0f ||
           e.minY >= view.AreaHeight;
}

void WorldFillPolygon(Scene& scene, const PointI* world, std::size_t count, Colour outline,
                      int penMode, int lineStyle, Colour fill, int fillStyle,
                      const WorldExtent* extent) {
    WorldExtent box;
    if (extent)
        box = *extent;
    else if (!WorldExtentOf(world, count, box))
        return;
    // Far enough beyond an edge that neither the fill nor a pen of any width
    // in use reaches the surface.
    constexpr float MarginPixels = 16.0f;
    const Surface& surf = scene.surface;
    ScreenExtent e;
    if (ScreenExtentOf(scene.view, box, 0.0f, 0.0f, e)) {
        const float mx = MarginPixels * surf.TwipsPerPixelX();
        const float my = MarginPixels * surf.TwipsPerPixelY();
        if (e.maxX < -mx || e.minX > surf.Width() + mx || e.maxY < -my ||
            e.minY > surf.Height() + my)
            return;
    }
    // One buffer reused by every call: a redraw fills thousands of polygons.
    static thread_local std::vector<PointI> pixels;
    pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] = WorldToPixel(scene.view, world[i]);
    scene.surface.FillPolygon(pixels, outline, penMode, lineStyle, fill, fillStyle);
}

void WorldFillPolygon(Scene& scene, const std::vector<PointI>& world, Colour outline, int penMode,
                      int lineStyle, Colour fill, int fillStyle) {
    WorldFillPolygon(scene, world.data(), world.size(), outline, penMode, lineStyle, fill,
                     fillStyle);
}

float CenterScreenX(const Scene& scene, const Space& space) {
    return WorldToScreenX(scene.view, space.Pt[0].x);
}

float CenterScreenY(const Scene& scene, const Space& space) {
    return WorldToScreenY(scene.view, space.Pt[0].y);
}

} // namespace td
