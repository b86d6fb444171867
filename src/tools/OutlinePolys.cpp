#include "tools/OutlinePolys.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "model/SpaceGeometry.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

constexpr std::int16_t OutlineDetail = 2;

const std::vector<Space>* LaneSpaces(const Track& track, int lane) {
    return track.ValidLane(lane) ? &track.Lanes[static_cast<size_t>(lane)].Spaces : nullptr;
}

// A space whose heading differs from that of a neighbour in its lane.
bool IsBend(const std::vector<Space>& spaces, int s) {
    const std::int16_t r = spaces[static_cast<size_t>(s)].Rotation;
    return (s > 0 && spaces[static_cast<size_t>(s) - 1].Rotation != r) ||
           (s + 1 < static_cast<int>(spaces.size()) &&
            spaces[static_cast<size_t>(s) + 1].Rotation != r);
}

// The point SpaceHalfLength beside the centre of `space`, on its -y side
// (side -1) or +y side (+1), turned with the space.
PointI OffsetVertex(const Space& space, int side) {
    const float cx = space.Pt[0].x;
    const float cy = space.Pt[0].y;
    const float y = cy + static_cast<float>(side) * SpaceHalfLength;
    return {RoundToInt32(RotateX(cx, y, space.Rotation, cx, cy)),
            RoundToInt32(RotateY(cx, y, space.Rotation, cx, cy))};
}

// Offset vertices of the bend spaces from..to of a lane that lie within
// first..last.
void AddBends(std::vector<PointI>& out, const std::vector<Space>* spaces, int from, int to,
              int first, int last, int side) {
    if (!spaces)
        return;
    for (int s = from; s <= to; ++s)
        if (s >= first && s <= last && s < static_cast<int>(spaces->size()) && IsBend(*spaces, s))
            out.push_back(OffsetVertex((*spaces)[static_cast<size_t>(s)], side));
}

// Links between lane `lane` and the pit lane, either way.
int PitLinks(const Track& track, int pit, int lane) {
    int links = 0;
    auto count = [&links](const Lane& from, int to) {
        for (const Space& s : from.Spaces) {
            for (SpaceRef r : s.Nxt)
                links += r >= 0 && RefLane(r) == to;
            for (SpaceRef r : s.Adj)
                links += r >= 0 && RefLane(r) == to;
        }
    };
    count(track.Lanes[static_cast<size_t>(lane)], pit);
    count(track.Lanes[static_cast<size_t>(pit)], lane);
    return links;
}

// Squared distance from the pit lane's first space to the nearest space of
// `lane`; infinite when either has none.
float PitDistance(const Track& track, int pit, int lane) {
    float best = std::numeric_limits<float>::infinity();
    const auto& pitSpaces = track.Lanes[static_cast<size_t>(pit)].Spaces;
    if (pitSpaces.empty())
        return best;
    const PointF p = pitSpaces.front().Pt[0];
    for (const Space& s : track.Lanes[static_cast<size_t>(lane)].Spaces) {
        const float dx = s.Pt[0].x - p.x;
        const float dy = s.Pt[0].y - p.y;
        best = std::min(best, dx * dx + dy * dy);
    }
    return best;
}

// True when racing lane `a` lies beside the pit lane rather than lane `b`.
bool BesidePit(const Track& track, int pit, int a, int b) {
    if (!track.ValidLane(pit) || !track.ValidLane(a) || !track.ValidLane(b) || pit == a ||
        pit == b)
        return false;
    const int linksA = PitLinks(track, pit, a);
    const int linksB = PitLinks(track, pit, b);
    if (linksA != linksB)
        return linksA > linksB;
    return PitDistance(track, pit, a) < PitDistance(track, pit, b);
}

BackPoly& AppendPolygon(Track& track, Selection& sel) {
    track.BackPolys.emplace_back();
    sel.CurPoly = static_cast<int>(track.BackPolys.size()) - 1;
    return track.BackPolys.back();
}

} // namespace

OutlineLanes OutlineLanesFor(const Track& track) {
    const int n = static_cast<int>(track.Lanes.size());
    const int pit = FindLane(track, "Pit");
    const int garages = FindLane(track, "Garages");
    const bool pitLast = n >= 3 && pit >= n - 2 && garages >= n - 2 && pit != garages;
    OutlineLanes lanes;
    if (pitLast) {
        lanes.pit = pit;
        lanes.inner = n - 3;
        lanes.outer = 0;
    } else {
        lanes.pit = pit >= 0 ? pit : n > 0 ? 0 : -1;
        lanes.inner = n > 2 ? 2 : -1;
        lanes.outer = n - 1;
    }
    // The order alone does not say which end of the racing lanes the pit
    // lane lies beside (a file may keep it at the front beside the last
    // racing lane): the end that is linked with it, or else the one nearer
    // to its first space, is the inner lane.
    if (lanes.inner >= 0 && lanes.inner != lanes.outer &&
        BesidePit(track, lanes.pit, lanes.outer, lanes.inner))
        std::swap(lanes.inner, lanes.outer);
    return lanes;
}

void CreateOutlinePolys(Track& track, Selection& sel) {
    const OutlineLanes lanes = OutlineLanesFor(track);

    // Along the outer lane, leaving out its first space and its last two.
    {
        BackPoly& concrete = AppendPolygon(track, sel);
        concrete.Detail = OutlineDetail;
        concrete.FillColor = Palette[2];
        concrete.OutlineColor = Palette[2];
        if (const auto* outer = LaneSpaces(track, lanes.outer)) {
            const int u = static_cast<int>(outer->size()) - 1;
            AddBends(concrete.Vtxs, outer, 0, u, 1, u - 2, -1);
        }
    }

    BackPoly& grass = AppendPolygon(track, sel);
    const auto* inner = LaneSpaces(track, lanes.inner);
    const auto* pit = LaneSpaces(track, lanes.pit);

    // Pit exit: the last inner space beside the pit lane's last space; pit
    // entry: two spaces before the last inner space leading into the pit
    // lane's first space.
    int exitStart = 0;
    int entryEnd = 0;
    if (inner && pit && !pit->empty()) {
        const SpaceRef pitLast = MakeRef(lanes.pit, static_cast<int>(pit->size()) - 1);
        const SpaceRef pitFirst = MakeRef(lanes.pit, 0);
        for (int s = 0; s < static_cast<int>(inner->size()); ++s) {
            const Space& space = (*inner)[static_cast<size_t>(s)];
            for (SpaceRef r : space.Adj)
                if (r == pitLast)
                    exitStart = s + 1;
            for (SpaceRef r : space.Nxt)
                if (r == pitFirst)
                    entryEnd = s - 2;
        }
    }
    if (inner)
        AddBends(grass.Vtxs, inner, exitStart, entryEnd, 1, static_cast<int>(inner->size()) - 2,
                 +1);
    if (pit)
        AddBends(grass.Vtxs, pit, 0, static_cast<int>(pit->size()) - 1, 1,
                 static_cast<int>(pit->size()) - 2, +1);
    grass.Detail = OutlineDetail;
    grass.FillColor = Palette[4];
    grass.OutlineColor = Palette[4];
}

} // namespace td
