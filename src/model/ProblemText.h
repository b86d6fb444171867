#pragma once
// How the track check names what a problem is about.

#include <string>

#include "model/Track.h"

namespace td {

inline std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

inline std::string LaneText(const Track& t, size_t lane) {
    return "lane " + std::to_string(lane) + " " + Quoted(t.Lanes[lane].Name);
}

inline std::string Where(const Track& t, size_t lane, size_t index) {
    return LaneText(t, lane) + ", space " + std::to_string(index);
}

inline std::string RefText(SpaceRef r) {
    return std::to_string(r) + " (lane " + std::to_string(RefLane(r)) + ", space " +
           std::to_string(RefIndex(r)) + ")";
}

inline std::string CornerText(const Track& t, size_t c) {
    return "corner " + std::to_string(c) + " " + Quoted(t.Corners[c].Name);
}

} // namespace td
