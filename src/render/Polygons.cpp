#include "render/Polygons.h"

#include "render/Colours.h"
#include "render/WorldDraw.h"

namespace td {

namespace {

PointF ToF(PointI p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

} // namespace

bool PolygonShown(const BackPoly& poly, const ViewState& view) {
    return poly.Detail <= view.DetailLevel;
}

void DrawVertexMarker(Scene& scene, PointI vertex) {
    // The half size is the pixel size taken as world units, so the marker
    // grows with the zoom.
    const float hx = scene.view.TwipsPerPixelX;
    const float hy = scene.view.TwipsPerPixelY;
    const PointF v = ToF(vertex);
    WorldBox(scene, {v.x - hx, v.y - hy}, {v.x + hx, v.y + hy}, Col::Black, PenInvert, LineSolid);
}

void DrawBackPoly(Scene& scene, int index) {
    if (index < 0 || index >= static_cast<int>(scene.track.BackPolys.size()))
        return;
    const BackPoly& poly = scene.track.BackPolys[static_cast<size_t>(index)];
    if (!PolygonShown(poly, scene.view))
        return;
    const bool current = index == scene.sel.CurPoly;
    const auto& v = poly.Vtxs;
    // Off-screen polygons are common when zoomed in: one look at the extent
    // spares the per-vertex tests that would reject every edge and marker.
    WorldExtent box;
    if (!WorldExtentOf(v.data(), v.size(), box))
        return;
    ScreenExtent edges, markers;
    const bool known = ScreenExtentOf(scene.view, box, 0.0f, 0.0f, edges) &&
                       ScreenExtentOf(scene.view, box, scene.view.TwipsPerPixelX,
                                      scene.view.TwipsPerPixelY, markers);
    if (scene.display.Filled) {
        WorldFillPolygon(scene, v.data(), v.size(), poly.OutlineColor, PenCopy, LineSolid,
                         poly.FillColor, current ? FillCross : FillSolid, &box);
    } else if (!known || !NothingInside(scene.view, edges)) {
        const int style = current ? LineDot : LineSolid;
        for (size_t j = 1; j < v.size(); ++j)
            WorldLine(scene, ToF(v[j - 1]), ToF(v[j]), poly.FillColor, PenCopy, style);
        // The polygon under construction stays open until it is finished.
        if (v.size() >= 2 && (index < scene.sel.CurPoly || scene.sel.PolyClosed))
            WorldLine(scene, ToF(v.back()), ToF(v.front()), poly.FillColor, PenCopy, style);
    }
    // Vertex markers are outlines only, whatever fill an earlier call left.
    scene.surface.SetFillStyle(FillTransparent);
    if (known && NothingInside(scene.view, markers))
        return;
    for (const PointI& p : v)
        DrawVertexMarker(scene, p);
}

void DrawBackPolys(Scene& scene) {
    const int n = static_cast<int>(scene.track.BackPolys.size());
    for (int i = 0; i < n; ++i)
        DrawBackPoly(scene, i);
}

void DrawBackPolyOutlines(Scene& scene) {
    for (const BackPoly& poly : scene.track.BackPolys) {
        if (!PolygonShown(poly, scene.view) || poly.Vtxs.empty())
            continue;
        const auto& v = poly.Vtxs;
        WorldExtent box;
        ScreenExtent e;
        if (!WorldExtentOf(v.data(), v.size(), box) ||
            (ScreenExtentOf(scene.view, box, 0.0f, 0.0f, e) && NothingInside(scene.view, e)))
            continue;
        for (size_t j = 1; j < v.size(); ++j)
            WorldLine(scene, ToF(v[j - 1]), ToF(v[j]), poly.FillColor, PenCopy, LineDot);
        if (v.size() >= 2)
            WorldLine(scene, ToF(v.back()), ToF(v.front()), poly.FillColor, PenCopy, LineDot);
    }
}

} // namespace td
