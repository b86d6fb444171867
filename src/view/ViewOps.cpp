#include "view/ViewOps.h"

#include <algorithm>
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

void CenterSpaceBeside(ViewState& view, float cx, float cy, const AreaRect& covered) {
    const float w = view.AreaWidth, h = view.AreaHeight;
    const float l = std::clamp(covered.Left, 0.0f, w), r = std::clamp(covered.Right, 0.0f, w);
    const float t = std::clamp(covered.Top, 0.0f, h), b = std::clamp(covered.Bottom, 0.0f, h);
    float x = w / 2, y = h / 2;
    if (l < r && t < b) {
        // The free strips and their centres; the largest one wins.
        const AreaRect strips[4] = {{0, 0, l, h}, {r, 0, w, h}, {0, 0, w, t}, {0, b, w, h}};
        float best = 0;
        for (const AreaRect& s : strips) {
            const float size = (s.Right - s.Left) * (s.Bottom - s.Top);
            if (size > best) {
                best = size;
                x = (s.Left + s.Right) / 2;
                y = (s.Top + s.Bottom) / 2;
            }
        }
    }
    view.OffsetX = x - cx * view.Zoom;
    view.OffsetY = y - cy * view.Zoom;
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
