#include "tools/StartGrid.h"

namespace td {

namespace {

const char* const GridTitle = "Can't Auto-Create Grid";

ToolResult Refuse(std::string text, MsgIcon icon) {
    ToolResult r;
    r.refused = true;
    r.message = {std::move(text), GridTitle, MsgButtons::OK, icon};
    return r;
}

// Rows behind the first row of the grid.
constexpr int RowsBehind = 9;

const char* PlaceName(int k) {
    return k == 1 ? "Pole Position" : "2nd place";
}

std::string Where(SpaceRef r) {
    if (r < 0)
        return "reference " + std::to_string(r);
    return "lane " + std::to_string(RefLane(r)) + ", space " + std::to_string(RefIndex(r));
}

} // namespace

ToolResult CreateStartGrid(Track& track, int rowStep) {
    auto& pos = track.StartPos;
    if (pos[1] == NoSpace || pos[2] == NoSpace)
        return Refuse(std::string("The Pole Position and 2nd place starting grid spaces") +
                          MsgLineBreak + "must be created before you can use the automated tools" +
                          MsgLineBreak + "to build the rest of the grid.",
                      MsgIcon::Information);

    // The first row itself must stand on the track.
    std::string missing;
    int missingCount = 0;
    for (int k = 1; k <= 2; ++k)
        if (!track.Find(pos[static_cast<size_t>(k)])) {
            missing += std::string("The ") + PlaceName(k) + " names no space of the track (" +
                       Where(pos[static_cast<size_t>(k)]) + ")." + MsgLineBreak;
            ++missingCount;
        }
    if (missingCount > 0)
        return Refuse(missing +
                          (missingCount == 1 ? "Set it again on a space of the track"
                                             : "Set them again on spaces of the track") +
                          MsgLineBreak + "before you use the automated tools.",
                      MsgIcon::Exclamation);

    // Each column runs back from its first place in its own lane, so a lane
    // that holds the first place holds every place behind it down to its
    // start; the last row lies nine rows behind the first.
    const int needed = RowsBehind * rowStep;
    const int before[3] = {0, RefIndex(pos[1]), RefIndex(pos[2])};
    const bool shortPole = before[1] < needed;
    const bool shortSecond = before[2] < needed;
    if (shortPole || shortSecond) {
        int place = 3;
        while (place <= 20 && before[place % 2 ? 1 : 2] - rowStep * ((place - 1) / 2) >= 0)
            ++place;
        std::string text = "Grid place " + std::to_string(place) +
                           " would lie before the start of its lane." + MsgLineBreak;
        const std::string need = "; this grid needs " + std::to_string(needed) + ".";
        if (shortPole && shortSecond)
            text += "The Pole Position has " + std::to_string(before[1]) + " and the 2nd place " +
                    std::to_string(before[2]) + " spaces before them in their lanes" + need +
                    MsgLineBreak + "Set the Pole Position and 2nd place further along their lanes.";
        else
            text += std::string("The ") + PlaceName(shortPole ? 1 : 2) + " has " +
                    std::to_string(before[shortPole ? 1 : 2]) + " spaces before it in its lane" +
                    need + MsgLineBreak + "Set the " + PlaceName(shortPole ? 1 : 2) +
                    " further along its lane.";
        return Refuse(std::move(text), MsgIcon::Exclamation);
    }

    std::array<SpaceRef, 21> grid = pos;
    for (int k = 3; k <= 20; ++k) {
        const SpaceRef front = grid[static_cast<size_t>(k - 2)];
        grid[static_cast<size_t>(k)] = MakeRef(RefLane(front), RefIndex(front) - rowStep);
    }
    ToolResult r;
    for (size_t k = 3; k <= 20; ++k)
        r.changed += pos[k] != grid[k];
    pos = grid;
    return r;
}

ToolMessage ClearStartGridQuestion() {
    return {std::string("This will clear all starting grid spaces on the track!") + MsgLineBreak +
                "Are you sure you want to do this?",
            "Clear All Starting Grids", MsgButtons::YesNo, MsgIcon::Exclamation};
}

ToolResult ClearStartGrid(Track& track) {
    ToolResult r;
    for (size_t k = 1; k <= 20; ++k) {
        r.changed += track.StartPos[k] != NoSpace;
        track.StartPos[k] = NoSpace;
    }
    return r;
}

} // namespace td
