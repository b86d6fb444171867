#include "model/Track.h"

namespace td {

const std::vector<SymbolEntry>& SymbolTable() {
    static const std::vector<SymbolEntry> table = [] {
        std::vector<SymbolEntry> t = {
            {0, "Regular Space"},
            {25, "Arrow, single, heavy"},
            {26, "Arrow, single, light"},
            {27, "Arrow, double, left"},
            {28, "Arrow, double, right"},
        };
        static const char* pit[10] = {"Pit lane, Team 1", "Pit lane, Team 2", "Pit lane, Team 3",
                                      "Pit lane, Team 4", "Pit lane, Team 5", "Pit lane, Team 6",
                                      "Pit lane, Team 7", "Pit lane, Team 8", "Pit lane, Team 9",
                                      "Pit lane, Team 10"};
        static const char* garage[10] = {
            "Pit garage, Team 1", "Pit garage, Team 2", "Pit garage, Team 3", "Pit garage, Team 4",
            "Pit garage, Team 5", "Pit garage, Team 6", "Pit garage, Team 7", "Pit garage, Team 8",
            "Pit garage, Team 9", "Pit garage, Team 10"};
        for (int i = 0; i < 10; ++i)
            t.push_back({Sym::PitTeam1 + i, pit[i]});
        for (int i = 0; i < 10; ++i)
            t.push_back({Sym::GarageTeam1 + i, garage[i]});
        t.push_back({50, "Finish line, center"});
        t.push_back({51, "Finish line, left"});
        t.push_back({52, "Finish line, right"});
        return t;
    }();
    return table;
}

std::string_view SymbolText(int code) {
    for (const auto& e : SymbolTable())
        if (e.code == code)
            return e.text;
    return {};
}

const std::array<const char*, 5>& GapPartTexts() {
    static const std::array<const char*, 5> texts = {
        "None", "Gap Start Space", "Gap End Space", "First Partial Space", "Last Partial Space"};
    return texts;
}

const Space* Track::Find(int lane, int index) const {
    if (!ValidLane(lane) || index < 0)
        return nullptr;
    const auto& spaces = Lanes[static_cast<size_t>(lane)].Spaces;
    if (index >= static_cast<int>(spaces.size()))
        return nullptr;
    return &spaces[static_cast<size_t>(index)];
}

Space* Track::Find(int lane, int index) {
    return const_cast<Space*>(static_cast<const Track*>(this)->Find(lane, index));
}

const Space* Track::Find(SpaceRef ref) const {
    if (ref < 0)
        return nullptr;
    return Find(RefLane(ref), RefIndex(ref));
}

Space* Track::Find(SpaceRef ref) {
    return const_cast<Space*>(static_cast<const Track*>(this)->Find(ref));
}

int FindLane(const Track& track, std::string_view name) {
    int found = -1;
    for (size_t i = 0; i < track.Lanes.size(); ++i)
        if (track.Lanes[i].Name == name)
            found = static_cast<int>(i);
    return found;
}

int LaneByName(const Track& track, std::string_view name) {
    int i = FindLane(track, name);
    return i < 0 ? 0 : i;
}

void DeriveCornerFlag(Corner& corner) {
    const PointF foot = corner.Vtx[0];
    corner.Vtx[1] = {foot.x + 0.2f * SpaceHalfLength, foot.y - 2.5f * SpaceHalfLength};
    corner.Vtx[2] = {foot.x + 1.8f * SpaceHalfLength, foot.y - 0.9f * SpaceHalfLength};
}

} // namespace td
