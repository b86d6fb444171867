#include "edit/SpaceHit.h"

#include <cmath>

#include "model/SpaceGeometry.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

// Calls `found` for each hit in order until it returns false.
template <typename F>
void ForEachHit(const Track& track, const ViewState& view, float x, float y, F found) {
    // The coarse filter keeps the exact test to the few spaces near the point.
    const float reachX = 2.0f * view.Zoom * SpaceHalfLength;
    const float reachY = 2.0f * view.Zoom * SpaceHalfWidth;
    for (size_t l = 0; l < track.Lanes.size(); ++l) {
        const auto& spaces = track.Lanes[l].Spaces;
        for (size_t s = 0; s < spaces.size(); ++s) {
            const auto& pt = spaces[s].Pt;
            const float cx = WorldToScreenX(view, pt[0].x);
            const float cy = WorldToScreenY(view, pt[0].y);
            if (!(x - reachX < cx && cx < x + reachX && y - reachY < cy && cy < y + reachY))
                continue;
            if (PointInQuad(x, y, WorldToScreenX(view, pt[1].x), WorldToScreenY(view, pt[1].y),
                            WorldToScreenX(view, pt[2].x), WorldToScreenY(view, pt[2].y),
                            WorldToScreenX(view, pt[3].x), WorldToScreenY(view, pt[3].y),
                            WorldToScreenX(view, pt[4].x), WorldToScreenY(view, pt[4].y)))
                if (!found(SpaceHit{true, static_cast<int>(l), static_cast<int>(s)}))
                    return;
        }
    }
}

} // namespace

SpaceHit HitTestSpace(const Track& track, const ViewState& view, float x, float y) {
    SpaceHit first;
    ForEachHit(track, view, x, y, [&](const SpaceHit& hit) {
        first = hit;
        return false;
    });
    return first;
}

std::vector<SpaceHit> HitTestSpaces(const Track& track, const ViewState& view, float x, float y) {
    std::vector<SpaceHit> hits;
    ForEachHit(track, view, x, y, [&](const SpaceHit& hit) {
        hits.push_back(hit);
        return true;
    });
    return hits;
}

} // namespace td
