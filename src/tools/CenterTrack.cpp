#include "tools/CenterTrack.h"

#include <algorithm>
#include <cmath>

#include "model/SpaceGeometry.h"

namespace td {

std::optional<PointF> SpacesMiddle(const Track& track) {
    bool any = false;
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (const Lane& lane : track.Lanes)
        for (const Space& s : lane.Spaces) {
            const float x = s.CenterX(), y = s.CenterY();
            if (!any) {
                minX = maxX = x;
                minY = maxY = y;
                any = true;
            }
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    if (!any)
        return std::nullopt;
    return PointF{(minX + maxX) / 2, (minY + maxY) / 2};
}

void MoveTrackBy(Track& track, float dx, float dy) {
    for (Lane& lane : track.Lanes)
        for (Space& s : lane.Spaces) {
            s.Pt[0].x += dx;
            s.Pt[0].y += dy;
            ComputeSpaceOutline(s);
        }
    for (Corner& c : track.Corners)
        for (PointF& v : c.Vtx) {
            v.x += dx;
            v.y += dy;
        }
    // nearbyint rounds halves to the even neighbour in the default mode.
    auto moved = [](std::int32_t v, float d) {
        return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(v) + d));
    };
    for (BackPoly& p : track.BackPolys)
        for (PointI& v : p.Vtxs) {
            v.x = moved(v.x, dx);
            v.y = moved(v.y, dy);
        }
}

ToolResult CenterTrack(Track& track) {
    ToolResult r;
    const std::optional<PointF> middle = SpacesMiddle(track);
    if (!middle || (middle->x == 0 && middle->y == 0))
        return r;
    MoveTrackBy(track, -middle->x, -middle->y);
    for (const Lane& lane : track.Lanes)
        r.changed += static_cast<int>(lane.Spaces.size());
    r.changed += static_cast<int>(track.Corners.size() + track.BackPolys.size());
    return r;
}

} // namespace td
