#pragma once
// The editor's selection and the working copy of the current space. Kept
// apart from the Track: it is document state, not part of the file.

#include <array>
#include <cstdint>
#include <vector>

#include "model/Track.h"

namespace td {

struct Selection {
    int CurLane = 0;
    // May equal the lane's space count: the pending new space.
    int CurSpace = 0;
    int CurCorner = -1;
    int CurPoly = 0;
    int CurVtx = 0;
    // True while no polygon is being built.
    bool PolyClosed = true;
    SpaceRef PrimarySpace = NoSpace;

    // Working copy of the current space: its five points, rotation, scale and
    // centre-of-rotation choice (0..4).
    std::array<PointF, 5> WorkPts{};
    std::int16_t WorkRotation = 0;
    float WorkScale = 1.0f;
    std::int16_t WorkCOR = 0;
};

// The selection after the lanes were put in `order` (entry `new` holds the
// old index of the lane that moved there): the current lane and the primary
// space keep naming the lanes they named.
void FollowLaneOrder(Selection& sel, const std::vector<int>& order);

} // namespace td
