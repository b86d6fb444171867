#include "tools/LaneTools.h"

#include <algorithm>

#include "tools/Segments.h"

namespace td {

ToolResult ReorderLane(Track& track, int lane, int space) {
    ToolResult r;
    if (!track.ValidLane(lane) || space < 0)
        return r;
    auto& spaces = track.Lanes[static_cast<size_t>(lane)].Spaces;
    for (size_t s = static_cast<size_t>(space) + 1; s < spaces.size(); ++s) {
        const float pos = spaces[s - 1].LanePos + 1.0f;
        r.changed += spaces[s].LanePos != pos;
        spaces[s].LanePos = pos;
    }
    return r;
}

ToolResult CreatePitPaint(Track& track, int space) {
    ToolResult r;
    const int pit = LaneByName(track, "Pit");
    const int count = track.ValidLane(pit)
                          ? static_cast<int>(track.Lanes[static_cast<size_t>(pit)].Spaces.size())
                          : 0;
    if (space < 0 || count - space < 10) {
        r.refused = true;
        r.message = {"The pit lane needs ten spaces from the current space on; it has " +
                         std::to_string(space < 0 ? 0 : std::max(0, count - space)) + "." +
                         MsgLineBreak + "Add pit lane spaces or choose an earlier space.",
                     "Can't Create Pit Spaces", MsgButtons::OK, MsgIcon::Exclamation};
        return r;
    }
    auto& spaces = track.Lanes[static_cast<size_t>(pit)].Spaces;
    for (int i = 0; i < 5; ++i) {
        for (int half = 0; half < 2; ++half) {
            Space& s = spaces[static_cast<size_t>(space + 2 * i + half)];
            const auto symbol = static_cast<std::int16_t>(Sym::PitTeam1 + 5 * half + i);
            r.changed += s.Symbol != symbol;
            s.Symbol = symbol;
        }
    }
    return r;
}

ToolMessage ClearTagsQuestion(TagScope scope) {
    const char* which = scope == TagScope::All      ? "all "
                        : scope == TagScope::Corner ? "corner "
                                                    : "straight ";
    return {std::string("This will clear all 'Next' and 'Adjacent' tags from ") + which +
                MsgLineBreak + "spaces on the track!" + MsgLineBreak +
                "Are you sure you want to do this?",
            "Clear All Tags", MsgButtons::YesNo, MsgIcon::Exclamation};
}

ToolResult ClearTags(Track& track, TagScope scope) {
    ToolResult r;
    for (Lane& lane : track.Lanes)
        for (Space& s : lane.Spaces) {
            const bool corner = IsCornerSymbol(s.Symbol);
            if (scope == TagScope::Corner ? !corner : scope == TagScope::Straight ? corner : false)
                continue;
            bool had = false;
            for (SpaceRef& ref : s.Nxt) {
                had = had || ref != NoSpace;
                ref = NoSpace;
            }
            for (SpaceRef& ref : s.Adj) {
                had = had || ref != NoSpace;
                ref = NoSpace;
            }
            r.changed += had;
        }
    return r;
}

} // namespace td
