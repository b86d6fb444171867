#pragma once
// Small tracks built space by space for the tool tests.

#include <cmath>
#include <string>
#include <vector>

#include "model/SpaceGeometry.h"
#include "model/Track.h"

namespace td::test {

// A lane of `count` spaces at LanePos first, first + 1, ..., laid along +x.
inline Lane MakeLane(const std::string& name, int count, float first = 0.0f) {
    Lane lane{name, {}};
    for (int j = 0; j < count; ++j) {
        Space s;
        s.Pt[0] = {200.0f * (first + static_cast<float>(j)), 0.0f};
        s.LanePos = first + static_cast<float>(j);
        ComputeSpaceOutline(s);
        lane.Spaces.push_back(s);
    }
    return lane;
}

// Racing lanes 0..lanes-1 of `count` spaces each, odd lanes staggered half a
// space back, then "Garages" (10 spaces) and "Pit" (12 spaces with the box of
// team 1 at index 1). Every space is in straight segment 0.
inline Track RacingTrack(int lanes, int count) {
    Track t;
    for (int i = 0; i < lanes; ++i)
        t.Lanes.push_back(MakeLane("Lane" + std::to_string(i), count, i % 2 == 1 ? -0.5f : 0.0f));
    t.Lanes.push_back(MakeLane("Garages", 10));
    t.Lanes.push_back(MakeLane("Pit", 12));
    t.Lanes.back().Spaces[1].Symbol = Sym::PitTeam1;
    return t;
}

inline void SetSegments(Lane& lane, const std::vector<int>& segments) {
    for (size_t j = 0; j < segments.size() && j < lane.Spaces.size(); ++j)
        lane.Spaces[j].Segment = static_cast<std::int16_t>(segments[j]);
}

inline void SetSymbols(Lane& lane, const std::vector<int>& symbols) {
    for (size_t j = 0; j < symbols.size() && j < lane.Spaces.size(); ++j)
        lane.Spaces[j].Symbol = static_cast<std::int16_t>(symbols[j]);
}

inline std::vector<int> Segments(const Lane& lane) {
    std::vector<int> out;
    for (const Space& s : lane.Spaces)
        out.push_back(s.Segment);
    return out;
}

// The end of a space's centre line: ahead of its centre (sign 1) or behind it (-1).
inline PointF SpaceEnd(const Space& s, double sign) {
    const double r = s.Rotation * 3.14159265358979323846 / 180;
    const double h = SpaceHalfLength * s.Scale * sign;
    return {static_cast<float>(s.Pt[0].x + h * std::cos(r)),
            static_cast<float>(s.Pt[0].y + h * std::sin(r))};
}

inline double Gap(PointF a, PointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace td::test
