#pragma once
// One-pixel exclusive-or and invert strokes drawn pixel by pixel. Where the
// strokes of one figure meet (the joints of a polyline, the ends of a
// letter's strokes, a cross inside a circle) a pixel must change once:
// flipped twice it would vanish. A run gathers the pixels of one figure's
// strokes of one colour and pen mode, so that each is flipped once.

#include <cstdint>
#include <unordered_set>
#include <vector>

#include <QPoint>

#include "model/Track.h"

namespace td {

class PixelRun {
  public:
    // Goes on with the current run when colour and mode match it, else
    // starts a new one.
    void Begin(Colour colour, int penMode);
    // Ends the run: the next stroke starts afresh.
    void Reset();

    // Adds the pixels of the segment (both ends included) that this run has
    // not covered yet to `out`. Coordinates are whole pixels.
    void AddSegment(int x1, int y1, int x2, int y2, int width, int height,
                    std::vector<QPoint>& out);

  private:
    bool Take(int x, int y);

    bool active_ = false;
    Colour colour_ = 0;
    int mode_ = 0;
    std::unordered_set<std::uint64_t> covered_;
};

// The vertices of an elliptical arc in pixels (counter-clockwise as seen on
// the screen from `start` over `span` radians), close enough that straight
// pixel segments between them follow the curve.
std::vector<QPoint> ArcVertices(double cx, double cy, double rx, double ry, double start,
                                double span);

} // namespace td
