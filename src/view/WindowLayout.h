#pragma once
// The arithmetic of the main window's resize handler, kept apart from Qt so
// that it can be checked without a window. All lengths are twips.

namespace td {

struct WindowLayoutInput {
    float windowWidth = 0.0f; // outer size of the main window
    float windowHeight = 0.0f;
    bool minimised = false;
    float toolbarHeight = 0.0f;
    float statusBarHeight = 0.0f;
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;
    // The drawing area as it is now; a minimised window keeps it.
    float areaWidth = 0.0f;
    float areaHeight = 0.0f;
    // The free area of the screen the window is on; 0: not known. A screen
    // smaller than the minimum lowers it (see FittedMinimum).
    float screenWidth = 0.0f;
    float screenHeight = 0.0f;
};

struct WindowLayout {
    float windowWidth = 0.0f; // possibly enlarged to the minimum
    float windowHeight = 0.0f;
    bool windowResized = false; // the shell must apply the new window size
    float areaWidth = 0.0f;     // DrawArea.Width/Height
    float areaHeight = 0.0f;
};

// The smallest window the editor allows, in pixels, on a screen with room for it.
constexpr float MinWindowWidthPx = 800.0f;
constexpr float MinWindowHeightPx = 560.0f;
// Room left beside and below the drawing area.
constexpr float AreaRightMargin = 100.0f;
constexpr float AreaBottomMargin = 720.0f;

WindowLayout FormResize(const WindowLayoutInput& in);

} // namespace td
