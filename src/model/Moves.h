#pragma once
// The move rule: where a car can go. One move takes a car to the next space
// of its lane (from the last space of a racing lane on to space 0: the lap
// closes) or along one of its space's Nxt links. Adj links lie beside, not
// forward, and are no moves; a link that names no space counts as none. The
// garage row is not driven along: a garage is left by its Nxt links only.

#include <array>
#include <vector>

#include "model/LaneRoles.h"
#include "model/Track.h"

namespace td {

// The spaces one move reaches, each once, in the order lane, Nxt[0], Nxt[1].
struct MoveTargets {
    std::array<SpaceRef, 3> To{};
    int Count = 0;

    const SpaceRef* begin() const { return To.data(); }
    const SpaceRef* end() const { return To.data() + Count; }
};

// One move from space (lane, index); no targets when that names no space.
MoveTargets MovesFrom(const Track& track, const LaneRoles& roles, int lane, int index);

// Spaces a car on `From` can end on after exactly `Moves` moves, and those it
// passes on the way (reached in fewer moves but not in exactly that many).
// Both sorted; the start space itself is in neither unless a run of moves
// comes back to it.
struct MoveReach {
    SpaceRef From = NoSpace;
    int Moves = 0;
    std::vector<SpaceRef> Exactly;
    std::vector<SpaceRef> Fewer;
    friend bool operator==(const MoveReach&, const MoveReach&) = default;
};

// Breadth-first, one layer per move. Empty sets when `from` names no space or
// `moves` is below 1.
MoveReach ReachInMoves(const Track& track, SpaceRef from, int moves);

// Sets of spaces indexed by reference value (lane * 1000 + index), sized to
// hold every reference the track can have.
using SpaceSet = std::vector<bool>;
// Every space some run of moves (none included) leads to from one of `from`.
SpaceSet SpacesReachedFrom(const Track& track, const std::vector<SpaceRef>& from);
// Every space from which some run of moves (none included) leads to one of
// `targets`.
SpaceSet SpacesLeadingTo(const Track& track, const std::vector<SpaceRef>& targets);

// Number of lanes whose spaces references can name (lanes 0..32).
int ReferableLanes(const Track& track);

} // namespace td
