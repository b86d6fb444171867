#pragma once
// Operations on the current space and its lane, over the Track and the
// Selection (which holds the working copy of the current space). They change
// data only; where a step of theirs must be shown as it happens, they call
// `xorDraw(lane, index)` once before and once after changing a stored space,
// so that an exclusive-or drawing erases the old picture and draws the new.

#include <cstdint>
#include <functional>
#include <string>

#include "model/Selection.h"
#include "model/Track.h"

namespace td {

using SpaceXorDraw = std::function<void(int lane, int index)>;

// True when (CurLane, CurSpace) is the pending space after the lane's last.
bool IsPendingSpace(const Track& track, const Selection& sel);

// The working copy to and from the stored current space. StoreCurrentSpace
// writes `symbolCode` unless the stored code has no entry in the symbol list
// (such a code is kept). Both do nothing without a stored current space.
void StoreCurrentSpace(Track& track, const Selection& sel, int symbolCode);
void LoadWorkingCopy(const Track& track, Selection& sel);
// True when StoreCurrentSpace with `symbolCode` would change what the stored
// current space shows (its points, rotation, scale or symbol).
bool StoreChangesSpace(const Track& track, const Selection& sel, int symbolCode);
// True when `code` is one of the team symbols (30..49), which a track holds
// once, and a space other than (lane, index) already carries it.
bool TeamSymbolTaken(const Track& track, int code, int lane, int index);
// Points 1..4 of the working copy from its centre, rotation and scale.
void ComputeCurrentOutline(Selection& sel);

// Whether appending space `index` to a lane named `laneName` selects the
// "Regular Space" entry first.
bool AppendResetsSymbol(const std::string& laneName, int index);

// Appends the pending space as a new zeroed space with no links. False when
// the current space is not pending or the lane is full.
bool AppendPendingSpace(Track& track, const Selection& sel);
// After storing the last space of the lane: the working copy becomes the
// pending space that touches it end to end, at scale 1.
void MakePendingAfterCurrent(Selection& sel);

// Removes the current space (or, for the pending space, the last stored
// one, which then becomes the pending working copy) and closes the gap;
// every reference follows (RemoveSpace). The removed record goes to
// `removed` when given. The only space of a lane is kept: false and nothing
// changes.
bool DeleteCurrentSpace(Track& track, Selection& sel, Space* removed = nullptr);

// Moves space (lane, index) back to its standard place and turns it to its
// standard rotation, carrying the rest of the lane along as one piece;
// `workScale` is the length of the space being placed. False when there is
// no such space or no place can be worked out (nothing changes then).
bool ResetSpace(Track& track, int lane, int index, float workScale);

// The lanes a track races on: pit and garage lanes at the end when the pit
// lane is one of the last three lanes, at the start otherwise. The reference
// lane is the racing lane beside the pit and garage lanes (the last racing
// lane or the first); the other racing lanes lie beside it in turn.
struct RacingLanes {
    int first = 0;
    int last = -1;
    int reference = 0;
};
RacingLanes FindRacingLanes(const Track& track);

// The next of the five points becomes the centre of rotation.
void CycleCOR(Selection& sel);

// Whether "ScaleSpaceUp" and "ScaleSpaceDown" would change the current
// space: its length stays within 0.8..2.0 (a space of symbol 60 may grow
// past 2.0), and the pending space has none to change. Steps of 0.1 land
// beside the limits (0.79999995, 2.0000002), so the limits allow for that.
bool CanScaleUp(const Track& track, const Selection& sel);
bool CanScaleDown(const Track& track, const Selection& sel);

// Lengthens the current space by `delta`, keeping it attached to its
// predecessor, and moves the rest of the lane with its front end. False for
// the pending space.
bool ScaleCurrentSpace(Track& track, Selection& sel, float delta, int symbolCode,
                       const SpaceXorDraw& xorDraw);

// Moves or turns the current space; without `workOnly` the stored space and
// the rest of its lane go with it.
void MoveCurrentSpace(Track& track, Selection& sel, float dx, float dy, bool workOnly,
                      const SpaceXorDraw& xorDraw);
void RotateCurrentSpace(Track& track, Selection& sel, std::int16_t degrees, bool workOnly,
                        const SpaceXorDraw& xorDraw);

// Moves or turns every space and corner flag (not the polygons); a pending
// current space gives way to the last stored one.
void MoveWholeTrack(Track& track, Selection& sel, float dx, float dy);
void RotateWholeTrack(Track& track, Selection& sel, std::int16_t degrees);

// Moves polygon `poly` by whole units (nearest, halves to even).
void MovePolygon(Track& track, int poly, float dx, float dy);

// (r + 360) mod 360 for any r.
std::int16_t NormaliseRotation(int r);

// The primary space, or nullptr when the reference names no space.
Space* PrimarySpaceOf(Track& track, SpaceRef primary);

// Toggles a Next or Adjacent link from the primary space to the current
// space (lane, index); false when the rules refuse it (no primary, same
// lane, a symbol that forbids the direction, no free slot).
bool ToggleNextLink(Track& track, SpaceRef primary, int lane, int index);
// Why Set Next (`next`) or Set Adjacent may not link the primary space to
// space (lane, index): the status-bar text, empty when the link may be made.
// A full set of Adjacent slots is not a refusal here.
std::string LinkRefusal(const Track& track, SpaceRef primary, int lane, int index, bool next);
bool ToggleAdjacentLink(Track& track, SpaceRef primary, int lane, int index);

} // namespace td

namespace td {

// Sets every Nxt and Adj link naming `ref` to -1 (used for the pending space
// when the selection leaves it unstored); true when one was set.
bool ClearLinksTo(Track& track, SpaceRef ref);

} // namespace td
