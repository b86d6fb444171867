#include "view/ViewOps.h"

#include <charconv>
#include <cmath>

namespace td {

bool ChangeZoom(ViewState& view, float delta) {
    if (delta <= 0.0f && view.Zoom <= MinZoomOut)
        return false;
    view.Zoom = view.Zoom + delta;
    return true;
}

std::string FloatShortestText(float value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string ZoomPanelText(float zoom) {
    return "Zoom Level:" + FloatShortestText(zoom);
}

void PanView(ViewState& view, float dx, float dy) {
    view.OffsetX = view.OffsetX + dx * view.Zoom;
    view.OffsetY = view.OffsetY + dy * view.Zoom;
}

void CenterView(ViewState& view) {
    view.OffsetX = view.AreaWidth / 2.0f;
    view.OffsetY = view.AreaHeight / 2.0f;
}

void CenterSpace(ViewState& view, float cx, float cy) {
    view.OffsetX = view.AreaWidth / 2.0f - cx * view.Zoom;
    view.OffsetY = view.AreaHeight / 2.0f - cy * view.Zoom;
}

void CenterOnPoint(ViewState& view, float sx, float sy) {
    view.OffsetX = view.OffsetX + view.AreaWidth / 2.0f - sx;
    view.OffsetY = view.OffsetY + view.AreaHeight / 2.0f - sy;
}

void ResizeArea(ViewState& view, float widthTwips, float heightTwips) {
    const float w = std::isfinite(widthTwips) && widthTwips > 0.0f ? widthTwips : 0.0f;
    const float h = std::isfinite(heightTwips) && heightTwips > 0.0f ? heightTwips : 0.0f;
    view.OffsetX += (w - view.AreaWidth) / 2.0f;
    view.OffsetY += (h - view.AreaHeight) / 2.0f;
    view.AreaWidth = w;
    view.AreaHeight = h;
}

const GridPair* GridForKey(std::string_view key) {
    if (key == "GridFine")
        return &GridFine;
    if (key == "GridMedium")
        return &GridMedium;
    if (key == "GridCoarse")
        return &GridCoarse;
    return nullptr;
}

bool SelectGrid(ViewState& view, std::string_view key) {
    const GridPair* g = GridForKey(key);
    if (!g)
        return false;
    view.CurrentGrid = *g;
    return true;
}

} // namespace td
