#pragma once
// Building a racing lane beside another one: the neighbouring lane's spaces
// are laid end to end along the current lane's path moved one lane across,
// staggered by half a space, the lap closed. The pieces (a lane's own path,
// fitting bounds to a lap, the whole lane) are public so that other tools
// that lay lanes along a path can share them.

#include <vector>

#include "model/Track.h"
#include "tools/PathGeometry.h"
#include "tools/ToolResult.h"

namespace td {

// Distance between the centre lines of neighbouring lanes.
inline constexpr double LaneSpacing = 100;

enum class LaneSide { Left, Right };

// The closed path through a lane's space ends and centres (as LanePath lays
// it), its stations its own distances. `centres` receives the distance of
// every space's centre along it, ascending, within one lap.
Path LaneLoop(const Lane& lane, std::vector<double>* centres);

// Bounds of spaces laid end to end round a closed path of `lapLength`: the
// n + 1 ascending bounds are stretched or squeezed about the first so that
// the last lies exactly a lap on (the difference is spread over every space
// by its length), then spaces shorter than `minLength` are lengthened at the
// expense of the others, so that none is stacked on its neighbour.
std::vector<double> FitLapBounds(std::vector<double> bounds, double lapLength, double minLength);

// The spaces of the lane `offset` units to the driver's right (negative: to
// the left) of `source`, one for each of its spaces, each spanning from the
// centre of one source space to the centre of the next (with `early`, from
// the centre of the previous one to its own), so that the two lanes are
// staggered by half a space. LanePos is half way between the LanePos of the
// two source spaces (their index when the source's values do not rise along
// the lane); corner arrows come from the source space of the same index.
// Links are none. Fewer than three source spaces give none.
std::vector<Space> LaneBeside(const Lane& source, double offset, bool early);

// The racing lane beside `lane` on `side` (lane index + 1 is the right), or
// -1 when there is none.
int NeighbourLane(const Track& track, int lane, LaneSide side);

// True when building beside `lane` on `side` replaces spaces worth keeping:
// the neighbour holds more than a new track's two.
bool LaneBesideReplaces(const Track& track, int lane, LaneSide side);

// The questions of the editor's command: which side, then whether to replace
// the neighbour's spaces.
ToolMessage LaneBesideSideQuestion(const Track& track, int lane);
ToolMessage LaneBesideReplaceQuestion(const Track& track, int lane, LaneSide side);

// Why nothing can be built beside `lane` (not a racing lane, fewer than
// three spaces); empty when something can.
ToolMessage LaneBesideRefusal(const Track& track, int lane);

// Replaces the spaces of the racing lane on `side` of `lane` by LaneBeside,
// one lane across. The finish-line symbols follow the source's (a source
// whose first space lies across the line gets a neighbour that starts at it,
// and the other way round). References into the replaced lane from anywhere
// else (links, the starting grid) move to the new space nearest to the old
// one. Refuses, changing nothing, when LaneBesideRefusal says why or there
// is no racing lane on that side.
ToolResult BuildLaneBeside(Track& track, int lane, LaneSide side);

} // namespace td
