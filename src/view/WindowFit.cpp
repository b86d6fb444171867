#include "view/WindowFit.h"

#include <algorithm>

namespace td {

int FittedMinimum(int minimum, int extent) {
    if (extent <= 0)
        return minimum;
    return std::max(1, std::min(minimum, extent * 3 / 4));
}

namespace {

// One side: the length cut to the room, the start moved so that the frame
// fits; where even the frame alone does not fit, the start edge wins.
void FitSide(int& start, int& length, int roomStart, int room, int before, int after) {
    const int free = room - before - after;
    length = std::clamp(length, 1, std::max(1, free));
    const int lowest = roomStart + before;
    const int highest = roomStart + room - after - length;
    start = std::max(lowest, std::min(start, highest));
}

} // namespace

PixelRect FitToScreen(const PixelRect& wanted, const PixelRect& screen, const FrameMargins& frame) {
    if (screen.width <= 0 || screen.height <= 0)
        return wanted;
    PixelRect out = wanted;
    FitSide(out.left, out.width, screen.left, screen.width, frame.left, frame.right);
    FitSide(out.top, out.height, screen.top, screen.height, frame.top, frame.bottom);
    return out;
}

} // namespace td
