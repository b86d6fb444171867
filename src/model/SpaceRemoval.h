#pragma once
// Taking a space out of a lane without breaking the references to the rest:
// every link, grid place and the primary space go on naming the space they
// named. Every command that removes a space goes through here.

#include "model/Selection.h"
#include "model/Track.h"

namespace td {

// The reference `ref` after space `index` of lane `lane` is removed: the
// removed space becomes NoSpace, later spaces of that lane move down by one,
// everything else (other lanes, NoSpace, out-of-range values) is kept.
SpaceRef RefAfterRemoval(SpaceRef ref, int lane, int index);

// Removes space (lane, index) and rewrites every Nxt, Adj and StartPos of
// the track by RefAfterRemoval. False (nothing changes) when there is no
// such space.
bool RemoveSpace(Track& track, int lane, int index);
// The same, and the selection follows: its primary space is rewritten, and a
// current space after the removed one in that lane (the pending space
// included) moves down with it. A current space on the removed one stays
// where it is for the caller to settle.
bool RemoveSpace(Track& track, Selection& sel, int lane, int index);

} // namespace td
