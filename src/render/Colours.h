#pragma once
// The fixed colours of the drawing (0x00BBGGRR, red in the low byte).

#include "model/Track.h"

namespace td::Col {
constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Red = 0x0000FF;
constexpr Colour SpaceGrey = 0xC0C0C0; // default body of a space
constexpr Colour RoadGrey = 0x4B4B4B;  // road between spaces, symbol 60
constexpr Colour Pink = 0xFC82FF;      // world origin, track vector
constexpr Colour Cyan = 0xFFFF00;      // centre-of-rotation marker
constexpr Colour Yellow = 0x00FFFF;    // link letters
constexpr Colour Blue = 0xFF0000;      // corner flag cloth
constexpr Colour Navy = 0x800000;      // cloth of the small stop flags
// Show Moves: no scenery, space or team colour is purple.
constexpr Colour MoveEnd = 0xE000E0;    // reached in exactly the moves shown
constexpr Colour MovePassed = 0xF0A8F0; // passed on the way
} // namespace td::Col
