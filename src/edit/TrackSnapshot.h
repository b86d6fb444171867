#pragma once
// A whole track held as shared, immutable pieces. Snapshots taken one after
// another share every lane and polygon that did not change, so a long history
// of small edits costs little more than the pieces each edit touched.

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "model/Track.h"

namespace td {

// Everything of a track outside its lanes, corners and polygons.
struct TrackHeader {
    std::array<SpaceRef, 21> StartPos{};
    Colour BackColor = 0;
    TrackInfo Info;
};

struct TrackSnapshot {
    std::vector<std::shared_ptr<const Lane>> Lanes;
    std::vector<std::shared_ptr<const BackPoly>> BackPolys;
    std::shared_ptr<const std::vector<Corner>> Corners;
    std::shared_ptr<const TrackHeader> Header;

    // Bytes held by the pieces this snapshot did not share with the one it
    // was taken against, plus its own lists of pieces.
    std::size_t OwnBytes = 0;

    // Bytes of every piece it refers to, shared or not.
    std::size_t TotalBytes() const;
};

// Takes a snapshot of `track`, sharing every piece that is bit for bit equal
// to the piece at the same place in `previous`.
TrackSnapshot TakeSnapshot(const Track& track, const TrackSnapshot* previous);

// True when `track` is bit for bit the track `snapshot` holds.
bool SnapshotMatches(const TrackSnapshot& snapshot, const Track& track);

// Writes the snapshot's track into `track`.
void RestoreSnapshot(const TrackSnapshot& snapshot, Track& track);

// Bit-for-bit equality (floats compared by their bits, so NaN equals itself
// and 0 differs from -0: a change an author made is never missed).
bool SameBits(const Lane& a, const Lane& b);
bool SameBits(const BackPoly& a, const BackPoly& b);
bool SameBits(const std::vector<Corner>& a, const std::vector<Corner>& b);
bool SameBits(const TrackHeader& a, const Track& b);

} // namespace td
