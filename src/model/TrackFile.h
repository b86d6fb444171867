#pragma once
// Reading and writing ".trk" track files. The game reads these byte for byte.

#include <string>
#include <string_view>
#include <vector>

#include "model/Track.h"

namespace td {

// Date, time and editor version written into a file's header.
struct BuildStamp {
    std::string Date;
    std::string Time;
    std::string Version;
};

// The stamp for a save made now: the locale's short date and time (commas
// replaced so the file reads back), or the instant of SOURCE_DATE_EPOCH (UTC)
// when that is set; the version is this editor's.
BuildStamp CurrentBuildStamp();

struct SaveResult {
    bool ok = false;
    std::string error; // why the file could not be written
};

// Normalises the lane order, writes the file atomically (temporary file in
// the same folder, then rename) and, on success only, sets the build fields.
SaveResult SaveTrack(Track& track, const std::string& path, const BuildStamp& stamp);
inline SaveResult SaveTrack(Track& track, const std::string& path) {
    return SaveTrack(track, path, CurrentBuildStamp());
}

// The file text of a track as it stands, without normalising it.
std::string FormatTrack(const Track& track, const BuildStamp& stamp);

// Puts the pit lane and garage row where the game expects them and rewrites
// every reference; leaves tracks it cannot handle unchanged.
void NormalizeLaneOrder(Track& track);

// The permutation NormalizeLaneOrder applies: entry `new` holds the old index
// of the lane that moves there. The identity for tracks it cannot handle.
std::vector<int> LaneOrderFor(const Track& track);
// Reorders the lanes by `order` and rewrites every link and start position
// to follow them; does nothing unless `order` is a permutation of the lanes.
void ApplyLaneOrder(Track& track, const std::vector<int>& order);

// Signed vertical distance of p from the line through a and b; only its sign
// is used. When a and b share an x, a.x is first moved by 0.1 (in the
// caller's variable) so that the line has a slope.
double SideOfLine(PointF p, PointF& a, PointF b);

struct LoadResult {
    bool opened = false;   // false: the file could not be opened at all
    bool complete = false; // false: reading stopped early
    int line = 0;          // line (from 1) where reading stopped
    std::string reason;    // why reading stopped, when it did
    // First line (from 1) holding an unquoted lane name that the game would
    // take for a number, most likely a damaged space line; 0 when none.
    int numberLikeLaneLine = 0;
};

// Replaces `track` with the file's content; what was read before a stop
// stays. Outlines are computed and corner flags derived.
LoadResult LoadTrack(Track& track, const std::string& path);
LoadResult LoadTrackFromText(Track& track, std::string_view text);

} // namespace td
