#include "model/Laps.h"

#include <algorithm>
#include <vector>

#include "model/LaneRoles.h"
#include "model/Moves.h"

namespace td {

namespace {

bool InBackHalf(const Track& t, SpaceRef r) {
    return 2 * RefIndex(r) >=
           static_cast<int>(t.Lanes[static_cast<size_t>(RefLane(r))].Spaces.size());
}

} // namespace

std::optional<int> ShortestLap(const Track& track) {
    const LaneRoles roles = FindLaneRoles(track);
    const int lanes = ReferableLanes(track);
    struct Move {
        SpaceRef from, to;
    };
    std::vector<Move> moves, crossings;
    for (int lane = roles.FirstRacing; lane <= roles.LastRacing && lane < lanes; ++lane) {
        const int count = std::min(
            static_cast<int>(track.Lanes[static_cast<size_t>(lane)].Spaces.size()), MaxLaneSpaces);
        for (int i = 0; i < count; ++i) {
            const SpaceRef from = MakeRef(lane, i);
            for (SpaceRef to : MovesFrom(track, roles, lane, i)) {
                if (!roles.IsRacing(RefLane(to)))
                    continue;
                const bool crosses = InBackHalf(track, from) && !InBackHalf(track, to);
                (crosses ? crossings : moves).push_back({from, to});
            }
        }
    }
    if (crossings.empty())
        return std::nullopt;

    // Moves from the line, counted breadth-first from every space a crossing
    // lands on, without crossing again on the way.
    std::vector<std::vector<SpaceRef>> out(static_cast<size_t>(lanes) * MaxLaneSpaces);
    for (const Move& m : moves)
        out[static_cast<size_t>(m.from)].push_back(m.to);
    std::vector<int> dist(out.size(), -1);
    std::vector<SpaceRef> layer, next;
    for (const Move& c : crossings)
        if (dist[static_cast<size_t>(c.to)] < 0) {
            dist[static_cast<size_t>(c.to)] = 0;
            layer.push_back(c.to);
        }
    for (int d = 1; !layer.empty(); ++d) {
        next.clear();
        for (SpaceRef r : layer)
            for (SpaceRef to : out[static_cast<size_t>(r)])
                if (dist[static_cast<size_t>(to)] < 0) {
                    dist[static_cast<size_t>(to)] = d;
                    next.push_back(to);
                }
        layer.swap(next);
    }
    std::optional<int> best;
    for (const Move& c : crossings)
        if (const int d = dist[static_cast<size_t>(c.from)]; d >= 0 && (!best || d + 1 < *best))
            best = d + 1;
    return best;
}

} // namespace td
