#include "model/LaneRoles.h"

#include <cstdlib>

namespace td {

LaneRoles FindLaneRoles(const Track& track) {
    LaneRoles r;
    r.Pit = FindLane(track, "Pit");
    r.Garages = FindLane(track, "Garages");
    const int last = static_cast<int>(track.Lanes.size()) - 1;
    // A track without a "Pit" lane is read as one whose pit lane is lane 0.
    const int pit = r.Pit < 0 ? 0 : r.Pit;
    if (pit >= last - 2) {
        r.FirstRacing = 0;
        r.LastRacing = last - 2;
        r.PitSide = r.LastRacing;
    } else {
        r.FirstRacing = 2;
        r.LastRacing = last;
        r.PitSide = r.FirstRacing;
    }
    if (r.LastRacing < r.FirstRacing)
        r.PitSide = -1;
    return r;
}

bool LanesAreNeighbours(const LaneRoles& r, int a, int b) {
    if (r.IsRacing(a) && r.IsRacing(b))
        return std::abs(a - b) == 1;
    auto pair = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    if (r.Pit >= 0 && r.Garages >= 0 && pair(r.Pit, r.Garages))
        return true;
    return r.Pit >= 0 && r.PitSide >= 0 && pair(r.Pit, r.PitSide);
}

} // namespace td
