#include "model/Moves.h"

#include <algorithm>

namespace td {

namespace {

// References exist for lanes 0..32 only (32767 is lane 32, space 767).
constexpr int MaxReferableLanes = 33;

size_t SetSize(const Track& track) {
    return static_cast<size_t>(ReferableLanes(track)) * MaxLaneSpaces;
}

size_t At(SpaceRef ref) {
    return static_cast<size_t>(ref);
}

} // namespace

int ReferableLanes(const Track& track) {
    return std::min(static_cast<int>(track.Lanes.size()), MaxReferableLanes);
}

MoveTargets MovesFrom(const Track& track, const LaneRoles& roles, int lane, int index) {
    MoveTargets m;
    const Space* space = track.Find(lane, index);
    if (!space || lane >= MaxReferableLanes || index >= MaxLaneSpaces)
        return m;
    auto add = [&](SpaceRef to) {
        if (!track.Find(to))
            return;
        for (int k = 0; k < m.Count; ++k)
            if (m.To[static_cast<size_t>(k)] == to)
                return;
        m.To[static_cast<size_t>(m.Count++)] = to;
    };
    if (lane != roles.Garages) {
        const int count = static_cast<int>(track.Lanes[static_cast<size_t>(lane)].Spaces.size());
        int next = index + 1;
        if (next == count && roles.IsRacing(lane))
            next = 0;
        if (next < count && next < MaxLaneSpaces)
            add(MakeRef(lane, next));
    }
    add(space->Nxt[0]);
    add(space->Nxt[1]);
    return m;
}

MoveReach ReachInMoves(const Track& track, SpaceRef from, int moves) {
    MoveReach reach;
    reach.From = from;
    reach.Moves = moves;
    if (moves < 1 || !track.Find(from))
        return reach;
    const LaneRoles roles = FindLaneRoles(track);
    // The last move count at which each space was reached; -1: never.
    std::vector<int> layer(SetSize(track), -1);
    std::vector<SpaceRef> frontier{from}, next, passed;
    for (int k = 1; k <= moves && !frontier.empty(); ++k) {
        next.clear();
        for (SpaceRef f : frontier)
            for (SpaceRef to : MovesFrom(track, roles, RefLane(f), RefIndex(f))) {
                int& seen = layer[At(to)];
                if (seen == k)
                    continue;
                if (seen < 0)
                    passed.push_back(to);
                seen = k;
                next.push_back(to);
            }
        frontier.swap(next);
    }
    // The frontier is empty when the moves ran out before the count did.
    reach.Exactly = std::move(frontier);
    std::sort(reach.Exactly.begin(), reach.Exactly.end());
    for (SpaceRef p : passed)
        if (layer[At(p)] != moves)
            reach.Fewer.push_back(p);
    std::sort(reach.Fewer.begin(), reach.Fewer.end());
    return reach;
}

SpaceSet SpacesReachedFrom(const Track& track, const std::vector<SpaceRef>& from) {
    const LaneRoles roles = FindLaneRoles(track);
    SpaceSet seen(SetSize(track), false);
    std::vector<SpaceRef> todo;
    for (SpaceRef r : from)
        if (track.Find(r) && !seen[At(r)]) {
            seen[At(r)] = true;
            todo.push_back(r);
        }
    while (!todo.empty()) {
        const SpaceRef r = todo.back();
        todo.pop_back();
        for (SpaceRef to : MovesFrom(track, roles, RefLane(r), RefIndex(r)))
            if (!seen[At(to)]) {
                seen[At(to)] = true;
                todo.push_back(to);
            }
    }
    return seen;
}

SpaceSet SpacesLeadingTo(const Track& track, const std::vector<SpaceRef>& targets) {
    const LaneRoles roles = FindLaneRoles(track);
    // The moves turned round: for every space, the spaces one move brings to it.
    std::vector<std::vector<SpaceRef>> into(SetSize(track));
    for (int lane = 0; lane < ReferableLanes(track); ++lane) {
        const int count = std::min(
            static_cast<int>(track.Lanes[static_cast<size_t>(lane)].Spaces.size()), MaxLaneSpaces);
        for (int i = 0; i < count; ++i)
            for (SpaceRef to : MovesFrom(track, roles, lane, i))
                into[At(to)].push_back(MakeRef(lane, i));
    }
    SpaceSet seen(SetSize(track), false);
    std::vector<SpaceRef> todo;
    for (SpaceRef r : targets)
        if (track.Find(r) && !seen[At(r)]) {
            seen[At(r)] = true;
            todo.push_back(r);
        }
    while (!todo.empty()) {
        const SpaceRef r = todo.back();
        todo.pop_back();
        for (SpaceRef before : into[At(r)])
            if (!seen[At(before)]) {
                seen[At(before)] = true;
                todo.push_back(before);
            }
    }
    return seen;
}

} // namespace td
