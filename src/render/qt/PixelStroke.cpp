#include "render/qt/PixelStroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/qt/PixelClip.h"

namespace td {

void PixelRun::Begin(Colour colour, int penMode) {
    if (active_ && colour == colour_ && penMode == mode_)
        return;
    Reset();
    active_ = true;
    colour_ = colour;
    mode_ = penMode;
}

void PixelRun::Reset() {
    active_ = false;
    covered_.clear();
}

bool PixelRun::Take(int x, int y) {
    const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
                              static_cast<std::uint32_t>(y);
    return covered_.insert(key).second;
}

void PixelRun::AddSegment(int x1, int y1, int x2, int y2, int width, int height,
                          std::vector<QPoint>& out) {
    // Bresenham from end to end; pixels off the image are stepped over.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    for (;;) {
        if (x >= 0 && y >= 0 && x < width && y < height && Take(x, y))
            out.emplace_back(x, y);
        if (x == x2 && y == y2)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

std::vector<QPoint> ArcVertices(double cx, double cy, double rx, double ry, double start,
                                double span) {
    // Chords of about two pixels; a bounded count keeps huge arcs cheap, and
    // their chords still stray far less than a pixel from the curve.
    const double along = span * std::max(rx, ry);
    const int steps = std::clamp(static_cast<int>(std::ceil(along / 2.0)), 8, 4096);
    std::vector<QPoint> v;
    v.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double a = start + span * i / steps;
        v.emplace_back(PixelCoord(cx + rx * std::cos(a)), PixelCoord(cy - ry * std::sin(a)));
    }
    return v;
}

} // namespace td
