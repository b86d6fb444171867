#pragma once
// The space under a point of the drawing area.

#include <vector>

#include "model/Track.h"
#include "view/ViewState.h"

namespace td {

struct SpaceHit {
    bool found = false;
    int lane = 0;
    int space = 0;
};

// Lanes in index order, spaces in index order; the first space whose centre
// lies within 200 x 100 zoomed units of (x, y) (strictly) and whose outline
// holds (x, y) is the hit.
SpaceHit HitTestSpace(const Track& track, const ViewState& view, float x, float y);
// Every space the same test finds at (x, y), in the same order: where lanes
// overlap (a chicane) several are under one point.
std::vector<SpaceHit> HitTestSpaces(const Track& track, const ViewState& view, float x, float y);

} // namespace td
