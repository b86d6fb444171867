#pragma once
// Which lanes of a track are the pit lane, the garages and the racing lanes.
// The pit and garage lanes are either the first two lanes (the file order) or
// the last two (a new track before it is saved).

#include "model/Track.h"

namespace td {

struct LaneRoles {
    int Pit = -1;     // last lane named "Pit"; -1 when none
    int Garages = -1; // last lane named "Garages"; -1 when none
    int FirstRacing = 0;
    int LastRacing = -1; // below FirstRacing when there is no racing lane
    // The racing lane the pit lane lies beside; -1 when none.
    int PitSide = -1;

    bool IsRacing(int lane) const { return lane >= FirstRacing && lane <= LastRacing; }
};

LaneRoles FindLaneRoles(const Track& track);

// True when a link may join spaces of lanes `a` and `b`: racing lanes next to
// each other, the pit lane and the garages, the pit lane and the racing lane
// beside it.
bool LanesAreNeighbours(const LaneRoles& roles, int a, int b);

} // namespace td
