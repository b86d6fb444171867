#pragma once
// The counts the Track Info dialog shows; computed on demand, never stored.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Track.h"

namespace td {

struct TrackStats {
    int NumLanes = 0;       // lanes other than the pit lane and the garage row
    std::optional<int> PitLength;
    // "Lane 1 Length" .. "Lane 4 Length"; empty when no lane fills that row.
    std::array<std::optional<int>, 4> LaneLength{};
    int NumCorners = 0;
    int TotalStops = 0;
    // Caption rows shown from "Number of Lanes" on (1..6).
    int VisibleRows = 1;
};

TrackStats ComputeTrackStats(const Track& track);

// "Caption: value" rows in dialog order, only the visible ones plus the
// corner rows ("Number of Lanes: 3", ..., "Total Stops: 0").
std::vector<std::string> TrackStatsRows(const TrackStats& stats);

} // namespace td
