#include <algorithm>
#include <array>

#include "model/TrackFile.h"

namespace td {

double SideOfLine(PointF p, PointF& a, PointF b) {
    if (a.x == b.x)
        a.x += 0.1f;
    // Computed in double: a nudge of 0.1 must separate the x values even
    // where a float could not hold the difference.
    double ax = a.x;
    if (ax == static_cast<double>(b.x))
        ax += 0.1;
    const double slope = (static_cast<double>(b.y) - a.y) / (static_cast<double>(b.x) - ax);
    return (static_cast<double>(p.y) - a.y) - slope * (static_cast<double>(p.x) - ax);
}

namespace {

constexpr int MaxNormalizedLanes = 6;

int Sign(double v) {
    return (v > 0) - (v < 0);
}

// Sign of the side of `p` relative to the +y long edge (Pt[4] -> Pt[3]) of `s`.
int SideOfEdge(PointF p, const Space& s) {
    PointF a = s.Pt[4];
    return Sign(SideOfLine(p, a, s.Pt[3]));
}

bool IsPermutation(const std::array<int, MaxNormalizedLanes>& order, int count) {
    std::array<bool, MaxNormalizedLanes> seen{};
    for (int j = 0; j < count; ++j) {
        const int o = order[static_cast<std::size_t>(j)];
        if (o < 0 || o >= count || seen[static_cast<std::size_t>(o)])
            return false;
        seen[static_cast<std::size_t>(o)] = true;
    }
    return true;
}

SpaceRef Renumber(SpaceRef ref, const std::array<int, MaxNormalizedLanes>& inv, int count) {
    if (ref < 0)
        return ref;
    const int lane = RefLane(ref);
    // A reference into a lane that does not exist names no space before or
    // after; it is left as it is.
    if (lane >= count)
        return ref;
    return MakeRef(inv[static_cast<std::size_t>(lane)], RefIndex(ref));
}

} // namespace

std::vector<int> LaneOrderFor(const Track& track) {
    const int count = static_cast<int>(track.Lanes.size());
    std::vector<int> identity(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        identity[static_cast<std::size_t>(i)] = i;
    if (count > MaxNormalizedLanes || count < 2)
        return identity;

    // A name that two lanes share leaves it open which lane is meant; such
    // tracks keep their order (moving one of the twins could move it back
    // on the next save).
    for (const char* name : {"Pit", "Garages", "Left", "Right"})
        if (std::count_if(track.Lanes.begin(), track.Lanes.end(),
                          [&](const Lane& l) { return l.Name == name; }) > 1)
            return identity;

    const int pit = FindLane(track, "Pit");
    const int gar = FindLane(track, "Garages");
    const int left = FindLane(track, "Left");
    const int right = FindLane(track, "Right");
    if (pit < 0 || gar < 0 || pit == gar)
        return identity;
    const Space* pit0 = track.Find(pit, 0);
    const Space* gar0 = track.Find(gar, 0);
    if (!pit0 || !gar0)
        return identity;
    const Space* beside = track.Find(pit0->Adj[1]);
    if (!beside)
        return identity;

    const int ub = count - 1;
    std::array<int, MaxNormalizedLanes> order{};
    for (int i = 0; i < count; ++i)
        order[static_cast<std::size_t>(i)] = i;

    // Racing lanes run from left to right. Both names must be there: a
    // missing one would otherwise count as lane 0 and move some other lane.
    if (left >= 0 && right >= 0 && right < left)
        std::swap(order[static_cast<std::size_t>(right)], order[static_cast<std::size_t>(left)]);

    // The pit lane and garage row go to the side of the racing lanes the pit
    // lies on. The moves carry the racing lanes' order from above along, so
    // that a second save finds nothing left to change.
    const int s1 = SideOfEdge(pit0->Pt[0], *beside);
    const int s2 = SideOfEdge(beside->Pt[0], *beside);
    const std::array<int, MaxNormalizedLanes> before = order;
    if (s1 == s2 && pit > 1) {
        for (int i = ub - 2; i >= 0; --i)
            order[static_cast<std::size_t>(i + 2)] = before[static_cast<std::size_t>(i)];
        const int pPit = pit - ub + 1;
        const int pGar = gar - ub + 1;
        if (pPit < 0 || pPit > ub || pGar < 0 || pGar > ub)
            return identity;
        order[static_cast<std::size_t>(pPit)] = pit;
        order[static_cast<std::size_t>(pGar)] = gar;
    } else if (s1 != s2 && pit < ub - 1) {
        for (int i = 2; i <= ub; ++i)
            order[static_cast<std::size_t>(i - 2)] = before[static_cast<std::size_t>(i)];
        const int pPit = ub + pit - 1;
        const int pGar = ub + gar - 1;
        if (pPit < 0 || pPit > ub || pGar < 0 || pGar > ub)
            return identity;
        order[static_cast<std::size_t>(pPit)] = pit;
        order[static_cast<std::size_t>(pGar)] = gar;
    }
    if (!IsPermutation(order, count))
        return identity;

    // The garage row comes before the pit lane exactly when the garages lie
    // on the same side of the pit box of team 1 as that box's centre.
    const Space* team1 = pit0;
    const auto& pitSpaces = track.Lanes[static_cast<std::size_t>(pit)].Spaces;
    for (const Space& s : pitSpaces)
        if (s.Symbol == Sym::PitTeam1)
            team1 = &s;
    const int s3 = SideOfEdge(gar0->Pt[0], *team1);
    const int s4 = SideOfEdge(team1->Pt[0], *team1);
    const auto pPit = std::find(order.begin(), order.begin() + count, pit) - order.begin();
    const auto pGar = std::find(order.begin(), order.begin() + count, gar) - order.begin();
    if ((s3 == s4 && pGar > pPit) || (s3 != s4 && pGar < pPit))
        std::swap(order[static_cast<std::size_t>(pPit)], order[static_cast<std::size_t>(pGar)]);

    return std::vector<int>(order.begin(), order.begin() + count);
}

void ApplyLaneOrder(Track& track, const std::vector<int>& order) {
    const int count = static_cast<int>(track.Lanes.size());
    if (static_cast<int>(order.size()) != count || count > MaxNormalizedLanes)
        return;
    std::array<int, MaxNormalizedLanes> ord{};
    std::copy(order.begin(), order.end(), ord.begin());
    if (!IsPermutation(ord, count))
        return;
    bool moved = false;
    for (int j = 0; j < count; ++j)
        moved = moved || ord[static_cast<std::size_t>(j)] != j;
    if (!moved)
        return;

    std::vector<Lane> old = std::move(track.Lanes);
    track.Lanes.clear();
    track.Lanes.reserve(old.size());
    std::array<int, MaxNormalizedLanes> inv{};
    for (int j = 0; j < count; ++j) {
        track.Lanes.push_back(
            std::move(old[static_cast<std::size_t>(ord[static_cast<std::size_t>(j)])]));
        inv[static_cast<std::size_t>(ord[static_cast<std::size_t>(j)])] = j;
    }
    for (Lane& lane : track.Lanes) {
        for (Space& s : lane.Spaces) {
            for (SpaceRef& r : s.Nxt)
                r = Renumber(r, inv, count);
            for (SpaceRef& r : s.Adj)
                r = Renumber(r, inv, count);
        }
    }
    for (std::size_t k = 1; k < track.StartPos.size(); ++k)
        track.StartPos[k] = Renumber(track.StartPos[k], inv, count);
}

void NormalizeLaneOrder(Track& track) {
    ApplyLaneOrder(track, LaneOrderFor(track));
}

} // namespace td
