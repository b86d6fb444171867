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

} // namespace

ToolResult CreateStartGrid(Track& track, int rowStep) {
    auto& pos = track.StartPos;
    if (pos[1] == NoSpace || pos[2] == NoSpace)
        return Refuse(std::string("The Pole Position and 2nd place starting grid spaces") +
                          MsgLineBreak + "must be created before you can use the automated tools" +
                          MsgLineBreak + "to build the rest of the grid.",
                      MsgIcon::Information);

    // Each column runs back from its first place in its own lane; the last
    // row lies nine rows behind the first.
    std::array<SpaceRef, 21> grid = pos;
    for (int k = 3; k <= 20; ++k) {
        const SpaceRef front = grid[static_cast<size_t>(k - 2)];
        const int index = RefIndex(front) - rowStep;
        if (front < 0 || index < 0 || !track.Find(RefLane(front), index))
            return Refuse(std::string("Grid place ") + std::to_string(k) +
                              " would lie before the start of its lane or on a missing space." +
                              MsgLineBreak +
                              "Set the Pole Position and 2nd place further along their lanes.",
                          MsgIcon::Exclamation);
        grid[static_cast<size_t>(k)] = MakeRef(RefLane(front), index);
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
