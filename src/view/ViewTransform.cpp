#include "view/ViewTransform.h"

#include <cmath>
#include <limits>

namespace td {

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    constexpr double lo = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (r <= lo)
        return std::numeric_limits<std::int32_t>::min();
    if (r >= hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

std::int32_t RoundToInt32(float value) {
    return RoundToInt32(static_cast<double>(value));
}

std::int32_t WorldToPixelX(const ViewState& v, float wx) {
    const float px = (wx * v.Zoom + v.OffsetX) / v.TwipsPerPixelX;
    return RoundToInt32(px);
}

std::int32_t WorldToPixelY(const ViewState& v, float wy) {
    const float py = (wy * v.Zoom + v.OffsetY) / v.TwipsPerPixelY;
    return RoundToInt32(py);
}

PointI WorldToPixel(const ViewState& v, PointI world) {
    return {WorldToPixelX(v, static_cast<float>(world.x)),
            WorldToPixelY(v, static_cast<float>(world.y))};
}

} // namespace td
