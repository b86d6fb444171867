#pragma once
// Keeps pixel coordinates within what the raster engine handles exactly:
// geometry far outside the image is cut at a frame just beyond it, which
// changes nothing visible.

#include <vector>

#include <QPolygon>

#include "model/Track.h"

namespace td {

// Nearest integer, halves to even, saturated to a range far beyond any image.
int PixelCoord(double v);

// Cuts the segment to the image grown by a margin when it reaches far out;
// false when nothing of it can show.
bool ClipSegmentToPixels(double& x1, double& y1, double& x2, double& y2, int width, int height);

// Copies the polygon into `out`, cut to a frame around the image when it
// reaches far out; false when nothing is left to draw.
bool ClipPolygonToPixels(const std::vector<PointI>& in, int width, int height, QPolygon& out);

} // namespace td
