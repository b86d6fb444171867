#include "model/TrackCheck.h"

#include <map>

namespace td {

namespace {

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string Where(const Track& t, size_t lane, size_t index) {
    return "lane " + std::to_string(lane) + " " + Quoted(t.Lanes[lane].Name) + ", space " +
           std::to_string(index);
}

std::string RefText(SpaceRef r) {
    return std::to_string(r) + " (lane " + std::to_string(RefLane(r)) + ", space " +
           std::to_string(RefIndex(r)) + ")";
}

void CheckLink(const Track& t, std::vector<std::string>& out, const std::string& where,
               const char* field, SpaceRef r) {
    if (r == NoSpace)
        return;
    if (r < 0)
        out.push_back(where + ": " + field + " is " + std::to_string(r) +
                      ", which is no reference");
    else if (!t.Find(r))
        out.push_back(where + ": " + field + " names a missing space " + RefText(r));
}

} // namespace

std::vector<std::string> CheckTrack(const Track& t) {
    std::vector<std::string> out;
    if (FindLane(t, "Pit") < 0)
        out.push_back("no lane is named \"Pit\"");
    if (FindLane(t, "Garages") < 0)
        out.push_back("no lane is named \"Garages\"");

    std::map<std::string, int> names;
    for (const Lane& lane : t.Lanes)
        ++names[lane.Name];
    for (const auto& [name, count] : names)
        if (count > 1)
            out.push_back("lane name " + Quoted(name) + " is used by " + std::to_string(count) +
                          " lanes");

    // References reach lanes 0..32 only (32767 is lane 32, space 767).
    if (t.Lanes.size() > 33)
        out.push_back("the track has " + std::to_string(t.Lanes.size()) +
                      " lanes; spaces of lanes after lane 32 cannot be referred to");

    std::map<int, int> uniqueUse;
    for (size_t li = 0; li < t.Lanes.size(); ++li) {
        const Lane& lane = t.Lanes[li];
        if (lane.Spaces.size() > static_cast<size_t>(MaxLaneSpaces))
            out.push_back("lane " + std::to_string(li) + " " + Quoted(lane.Name) + " has " +
                          std::to_string(lane.Spaces.size()) +
                          " spaces; its spaces past 999 cannot be referred to by a link");
        for (size_t si = 0; si < lane.Spaces.size(); ++si) {
            const Space& s = lane.Spaces[si];
            const std::string where = Where(t, li, si);
            static const char* nxt[2] = {"Nxt(0)", "Nxt(1)"};
            static const char* adj[4] = {"Adj(0)", "Adj(1)", "Adj(2)", "Adj(3)"};
            for (size_t k = 0; k < 2; ++k)
                CheckLink(t, out, where, nxt[k], s.Nxt[k]);
            for (size_t k = 0; k < 4; ++k)
                CheckLink(t, out, where, adj[k], s.Adj[k]);
            if (s.GapPart < 0 || s.GapPart > 4)
                out.push_back(where + ": unknown gap/partial code " + std::to_string(s.GapPart));
            if (s.Symbol >= Sym::PitTeam1 && s.Symbol <= Sym::GarageTeam1 + 9)
                ++uniqueUse[s.Symbol];
        }
    }
    for (const auto& [code, count] : uniqueUse)
        if (count > 1)
            out.push_back("symbol " + std::to_string(code) + " " +
                          Quoted(std::string(SymbolText(code))) + " is used by " +
                          std::to_string(count) + " spaces");

    for (int k = 1; k <= 20; ++k) {
        const SpaceRef r = t.StartPos[static_cast<size_t>(k)];
        if (r != NoSpace && !t.Find(r))
            out.push_back("start position " + std::to_string(k) + " names a missing space " +
                          RefText(r));
    }
    return out;
}

} // namespace td
