#pragma once
// The one affine map between world units and the drawing area: a uniform
// scale (Zoom) and a translation (OffsetX/OffsetY). Everything is 32-bit
// float so that mouse handling and drawing agree to the last bit.

#include <cstdint>

#include "model/Track.h"
#include "view/ViewState.h"

namespace td {

inline float WorldToScreenX(const ViewState& v, float wx) {
    return wx * v.Zoom + v.OffsetX;
}
inline float WorldToScreenY(const ViewState& v, float wy) {
    return wy * v.Zoom + v.OffsetY;
}
inline float ScreenToWorldX(const ViewState& v, float sx) {
    return (sx - v.OffsetX) / v.Zoom;
}
inline float ScreenToWorldY(const ViewState& v, float sy) {
    return (sy - v.OffsetY) / v.Zoom;
}
// A world length (circle radius) in screen twips.
inline float WorldToScreenLength(const ViewState& v, float r) {
    return r * v.Zoom;
}

// Nearest 32-bit integer, halves to the even neighbour. Values beyond the
// integer range saturate and NaN gives 0, so absurd coordinates from a
// damaged file cannot reach undefined behaviour.
std::int32_t RoundToInt32(float value);
std::int32_t RoundToInt32(double value);

// World to device pixel, used only for filled polygons.
std::int32_t WorldToPixelX(const ViewState& v, float wx);
std::int32_t WorldToPixelY(const ViewState& v, float wy);
PointI WorldToPixel(const ViewState& v, PointI world);

// A point is inside the drawing area when it lies strictly within it.
inline bool ScreenPointInside(const ViewState& v, float sx, float sy) {
    return sx > 0.0f && sx < v.AreaWidth && sy > 0.0f && sy < v.AreaHeight;
}

// A segment (screen twips) is drawn only when at least one end lies strictly
// inside the drawing area; one that merely crosses it is not.
inline bool LineVisible(const ViewState& v, float x1, float y1, float x2, float y2) {
    return ScreenPointInside(v, x1, y1) || ScreenPointInside(v, x2, y2);
}

} // namespace td
