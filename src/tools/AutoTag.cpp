#include "tools/AutoTag.h"

#include <tuple>

#include "model/NumberForms.h"
#include "tools/Segments.h"

namespace td {

namespace {

std::string LaneText(const Track& t, int lane) {
    return "lane " + std::to_string(lane) + " (\"" + t.Lanes[static_cast<size_t>(lane)].Name +
           "\")";
}

int Count(const Track& t, int lane) {
    return static_cast<int>(t.Lanes[static_cast<size_t>(lane)].Spaces.size());
}

// Steps `cursor` to the first space of `lane` at or after it in the same
// segment as `s` and strictly ahead of it. False when the lane ends first.
bool Resync(const Track& t, int lane, const Space& s, int& cursor) {
    const auto& spaces = t.Lanes[static_cast<size_t>(lane)].Spaces;
    while (cursor >= 0 && cursor < static_cast<int>(spaces.size())) {
        const Space& n = spaces[static_cast<size_t>(cursor)];
        if (n.Segment == s.Segment && n.LanePos > s.LanePos)
            return true;
        ++cursor;
    }
    return false;
}

// One link towards a neighbouring lane: the forward target (in Adj[2 + side]
// instead of Nxt[side] for a heavy arrow) and the space beside it. Without a
// space to write (the check pass) only the cursor moves on.
void Link(Space* s, int side, int lane, int count, int& cursor) {
    if (!s) {
        cursor = (cursor + 1) % count;
        return;
    }
    const SpaceRef ahead = MakeRef(lane, cursor % count);
    const SpaceRef beside = MakeRef(lane, (cursor - 1 + count) % count);
    if (s->Symbol == Sym::ArrowHeavy)
        s->Adj[static_cast<size_t>(2 + side)] = ahead;
    else
        s->Nxt[static_cast<size_t>(side)] = ahead;
    s->Adj[static_cast<size_t>(side)] = beside;
    cursor = (cursor + 1) % count;
}

// The search for the space to line up with runs on in the neighbouring lane
// from where its links have got to, not from its first space: say so.
std::string SearchFailure(const Track& t, int lane, int index, int other, int from) {
    const Space& s = t.Lanes[static_cast<size_t>(lane)].Spaces[static_cast<size_t>(index)];
    std::string text = "The straight of segment " + std::to_string(s.Segment) +
                       " that starts at space " + std::to_string(index) + " of " +
                       LaneText(t, lane) + " has no space of the same segment ahead of position " +
                       SingleText(s.LanePos) + " in " + LaneText(t, other) +
                       " from its space " + std::to_string(from) + " on";
    const int last = Count(t, other) - 1;
    if (from > last)
        text += ", which lies past that lane's last space " + std::to_string(last);
    return text + ".";
}

// The scan over the straights. Reads only Segment, LanePos and Symbol, so
// the check pass (out == nullptr) sees what the writing pass will see.
std::string ScanStraights(const Track& t, LaneRange r, Track* out) {
    bool inStraight = false;
    for (int l = r.First; l <= r.Last; ++l) {
        int up = l % 2 == 0 ? 1 : 0;
        int down = up;
        const auto& spaces = t.Lanes[static_cast<size_t>(l)].Spaces;
        for (size_t i = 0; i < spaces.size(); ++i) {
            const Space& s = spaces[i];
            const int rem = s.Segment % 2;
            if (rem == 1 && inStraight)
                inStraight = false;
            if (rem == 0 && !inStraight) {
                inStraight = true;
                for (const auto& [ok, other, cursor] :
                     {std::tuple{l < r.Last, l + 1, &up}, std::tuple{l > r.First, l - 1, &down}}) {
                    if (!ok)
                        continue;
                    const int from = *cursor;
                    if (!Resync(t, other, s, *cursor))
                        return SearchFailure(t, l, static_cast<int>(i), other, from);
                }
            }
            if (!inStraight)
                continue;
            Space* w = out ? &out->Lanes[static_cast<size_t>(l)].Spaces[i] : nullptr;
            if (l < r.Last)
                Link(w, 0, l + 1, Count(t, l + 1), up);
            if (l > r.First)
                Link(w, 1, l - 1, Count(t, l - 1), down);
        }
    }
    return {};
}

int FirstPitBox(const Track& t, int pitLane) {
    const auto& spaces = t.Lanes[static_cast<size_t>(pitLane)].Spaces;
    for (size_t i = 0; i < spaces.size(); ++i)
        if (spaces[i].Symbol == Sym::PitTeam1)
            return static_cast<int>(i);
    return -1;
}

bool SameLinks(const Space& a, const Space& b) {
    return a.Nxt == b.Nxt && a.Adj == b.Adj;
}

} // namespace

std::string AutoTagProblem(const Track& t) {
    const int pit = FindLane(t, "Pit");
    const int garages = FindLane(t, "Garages");
    if (pit < 0)
        return "The track has no lane named \"Pit\".";
    if (garages < 0)
        return "The track has no lane named \"Garages\".";
    const LaneRange r = RacingLanes(t);
    // With a single racing lane nothing is linked, so nothing can be missing.
    if (r.First < r.Last) {
        for (int l = r.First; l <= r.Last; ++l)
            if (Count(t, l) == 0)
                return "The racing " + LaneText(t, l) + " has no spaces.";
        std::string problem = ScanStraights(t, r, nullptr);
        if (!problem.empty())
            return problem;
    }
    const int box = FirstPitBox(t, LaneByName(t, "Pit"));
    if (box < 0)
        return "The pit lane has no space marked \"" + std::string(SymbolText(Sym::PitTeam1)) +
               "\".";
    if (Count(t, LaneByName(t, "Pit")) - box < 10)
        return "The pit lane has fewer than ten spaces from its \"" +
               std::string(SymbolText(Sym::PitTeam1)) + "\" space on.";
    if (Count(t, LaneByName(t, "Garages")) < 10)
        return "The garage lane has fewer than ten spaces.";
    return {};
}

ToolResult AutoTagSpaces(Track& t) {
    ToolResult result;
    const std::string problem = AutoTagProblem(t);
    if (!problem.empty()) {
        result.refused = true;
        // What the track still lacks: a missing precondition, not bad input.
        result.message = {problem, "Space Tags Not Created", MsgButtons::OK, MsgIcon::Information};
        return result;
    }
    const std::vector<Lane> before = t.Lanes;
    const LaneRange r = RacingLanes(t);
    if (r.First < r.Last)
        ScanStraights(t, r, &t);

    // Pit boxes of teams 1..10 follow the first team-1 box; the side of the
    // link slots follows the order of the two lanes.
    const int pitLane = LaneByName(t, "Pit");
    const int garageLane = LaneByName(t, "Garages");
    const int box = FirstPitBox(t, pitLane);
    auto& pit = t.Lanes[static_cast<size_t>(pitLane)].Spaces;
    auto& gar = t.Lanes[static_cast<size_t>(garageLane)].Spaces;
    const size_t toGarage = pitLane <= garageLane ? 0 : 1;
    for (int k = 0; k < 10; ++k) {
        Space& p = pit[static_cast<size_t>(box + k)];
        Space& g = gar[static_cast<size_t>(k)];
        g.Nxt[1 - toGarage] = MakeRef(pitLane, box + k);
        p.Nxt[toGarage] = MakeRef(garageLane, k);
    }

    for (size_t l = 0; l < t.Lanes.size(); ++l)
        for (size_t i = 0; i < t.Lanes[l].Spaces.size(); ++i)
            result.changed += !SameLinks(before[l].Spaces[i], t.Lanes[l].Spaces[i]);
    result.message = {std::string("Next & Adjacent tags created."), "Space Tags Created",
                      MsgButtons::OK, MsgIcon::None};
    return result;
}

} // namespace td
