#pragma once
// Problems of a track that the game or the editor would trip over, or that
// keep it from being raced. The model stores such tracks unchanged; this
// only reports them.

#include <string>
#include <vector>

#include "model/Track.h"

namespace td {

struct TrackProblem {
    std::string Text;
    // The space the problem is about; -1 when it is about no single space.
    int Lane = -1;
    int Space = -1;
};

// Every problem, in track order; empty for a sound track.
std::vector<TrackProblem> FindTrackProblems(const Track& track);

// The texts of FindTrackProblems, one line per problem.
std::vector<std::string> CheckTrack(const Track& track);

} // namespace td
