#pragma once
// The view transform's parameters and the grid in force.

#include <cstdint>

namespace td {

struct GridPair {
    float Distance; // screen twips of mouse travel per step
    int Angle;      // degrees per rotation step
};

constexpr GridPair GridFine{5.0f, 1};
constexpr GridPair GridMedium{25.0f, 5};
constexpr GridPair GridCoarse{150.0f, 15};

struct ViewState {
    float Zoom = 2.5f;    // screen twips per world unit
    float OffsetX = 0.0f; // screen position of the world origin (twips)
    float OffsetY = 0.0f;
    GridPair CurrentGrid = GridMedium;
    std::int16_t DetailLevel = 2;
    // Visible extent of the drawing area in twips.
    float AreaWidth = 0.0f;
    float AreaHeight = 0.0f;
    float TwipsPerPixelX = 15.0f;
    float TwipsPerPixelY = 15.0f;
};

} // namespace td
