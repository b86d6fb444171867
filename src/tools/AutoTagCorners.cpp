#include "tools/AutoTagCorners.h"

#include <algorithm>

#include "tools/Segments.h"

namespace td {

namespace {

// Set Next's rule: a double arrow to its own side (27 into the lane of
// higher index, 28 into the lane of lower index), single arrows none.
bool NextAllowed(int symbol, int side, CornerArrows arrows) {
    if (arrows == CornerArrows::Ignore)
        return true;
    return (side == 0 && symbol == Sym::ArrowDoubleLeft) ||
           (side == 1 && symbol == Sym::ArrowDoubleRight);
}

// The first space of `lane` in driving order whose position lies ahead of
// `pos`; past the last one the lap goes on at space 0.
int FirstAhead(const Lane& lane, float pos) {
    const auto it = std::find_if(lane.Spaces.begin(), lane.Spaces.end(),
                                 [pos](const Space& n) { return n.LanePos > pos; });
    return it == lane.Spaces.end() ? 0 : static_cast<int>(it - lane.Spaces.begin());
}

bool Names(const Space& s, SpaceRef r) {
    return std::find(s.Nxt.begin(), s.Nxt.end(), r) != s.Nxt.end() ||
           std::find(s.Adj.begin(), s.Adj.end(), r) != s.Adj.end();
}

// Stores `r` in an empty `slot` unless the space already links to it (a
// space is never both Next and Adjacent of another). True when stored.
bool Fill(const Space& s, SpaceRef& slot, SpaceRef r) {
    if (slot != NoSpace || Names(s, r))
        return false;
    slot = r;
    return true;
}

} // namespace

int AutoTagCorners(Track& t, CornerArrows arrows) {
    const LaneRange r = RacingLanes(t);
    const int last = std::min(r.Last, static_cast<int>(t.Lanes.size()) - 1);
    int tagged = 0;
    for (int l = std::max(r.First, 0); l <= last; ++l) {
        for (Space& s : t.Lanes[static_cast<size_t>(l)].Spaces) {
            if (!IsCornerSymbol(s.Symbol))
                continue;
            bool got = false;
            // Slot 0 leads into the lane of higher index, slot 1 lower.
            for (int side = 0; side < 2; ++side) {
                const int other = side == 0 ? l + 1 : l - 1;
                if (other < r.First || other > last)
                    continue;
                const Lane& lane = t.Lanes[static_cast<size_t>(other)];
                const int n = static_cast<int>(lane.Spaces.size());
                if (n == 0)
                    continue;
                const int ahead = FirstAhead(lane, s.LanePos);
                const auto k = static_cast<size_t>(side);
                if (NextAllowed(s.Symbol, side, arrows))
                    got |= Fill(s, s.Nxt[k], MakeRef(other, ahead));
                got |= Fill(s, s.Adj[k], MakeRef(other, (ahead + n - 1) % n));
            }
            tagged += got;
        }
    }
    return tagged;
}

ToolMessage AutoTagCornersQuestion() {
    return {"Link all corner spaces both ways, whatever their arrows?\r\n"
            "Yes: all corner spaces. No: as their arrows allow.",
            "Auto-Tag Corners", MsgButtons::YesNoCancel, MsgIcon::Question};
}

ToolMessage AutoTagCornersDone(int spaces) {
    return {std::to_string(spaces) + (spaces == 1 ? " space" : " spaces") + " got corner links.",
            "Corner Tags Created", MsgButtons::OK, MsgIcon::None};
}

} // namespace td
