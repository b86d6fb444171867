#include "view/WindowLayout.h"

#include <algorithm>

#include "view/WindowFit.h"

namespace td {

WindowLayout FormResize(const WindowLayoutInput& in) {
    WindowLayout out;
    out.windowWidth = in.windowWidth;
    out.windowHeight = in.windowHeight;
    out.areaWidth = in.areaWidth;
    out.areaHeight = in.areaHeight;
    if (in.minimised)
        return out;
    const auto minimum = [](float px, float screen, float twipsPerPixel) {
        const int screenPx = twipsPerPixel > 0.0f ? static_cast<int>(screen / twipsPerPixel) : 0;
        return static_cast<float>(FittedMinimum(static_cast<int>(px), screenPx)) * twipsPerPixel;
    };
    const float minW = minimum(MinWindowWidthPx, in.screenWidth, in.twipsPerPixelX);
    const float minH = minimum(MinWindowHeightPx, in.screenHeight, in.twipsPerPixelY);
    if (out.windowWidth < minW) {
        out.windowWidth = minW;
        out.windowResized = true;
    }
    if (out.windowHeight < minH) {
        out.windowHeight = minH;
        out.windowResized = true;
    }
    // Tall toolbars on a tiny screen must not give a negative extent, which
    // would turn every visibility test upside down.
    out.areaWidth = std::max(0.0f, out.windowWidth - AreaRightMargin);
    out.areaHeight =
        std::max(0.0f, out.windowHeight - in.toolbarHeight - in.statusBarHeight - AreaBottomMargin);
    return out;
}

} // namespace td
