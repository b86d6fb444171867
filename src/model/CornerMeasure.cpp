#include "model/CornerMeasure.h"

#include <algorithm>

#include "model/LaneRoles.h"

namespace td {

CornerPaths MeasureSegment(const Track& track, int segment) {
    const LaneRoles roles = FindLaneRoles(track);
    CornerPaths paths;
    int longest = 0, shortest = MaxLaneSpaces;
    for (int lane = roles.FirstRacing; lane <= roles.LastRacing && track.ValidLane(lane); ++lane) {
        int n = 0;
        for (const Space& s : track.Lanes[static_cast<size_t>(lane)].Spaces)
            n += s.Segment == segment;
        longest = std::max(longest, n);
        shortest = std::min(shortest, n);
    }
    if (longest == 0)
        return paths;
    paths.Long = static_cast<std::int16_t>(std::min(longest, 32767));
    paths.Short = static_cast<std::int16_t>(shortest);
    paths.Spaces = true;
    return paths;
}

CornerPaths MeasureCorner(const Track& track, int corner) {
    return MeasureSegment(track, 2 * corner + 1);
}

} // namespace td
