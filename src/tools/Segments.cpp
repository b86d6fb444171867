#include "tools/Segments.h"

#include <algorithm>

namespace td {

namespace {

std::string SegmentsReport(int largest) {
    // Half the count, with ".5" for an odd count.
    std::string corners = std::to_string(largest / 2);
    if (largest % 2 != 0)
        corners += ".5";
    return std::to_string(largest) + " segments created." + MsgLineBreak + "(" + corners +
           " corners)";
}

} // namespace

LaneRange RacingLanes(const Track& track) {
    const int top = static_cast<int>(track.Lanes.size()) - 1;
    if (top < 0)
        return {};
    const int pit = LaneByName(track, "Pit");
    if (pit >= top - 2)
        return {0, top - 2};
    return {2, top};
}

ToolResult AssignSegments(Track& track) {
    ToolResult result;
    const LaneRange range = RacingLanes(track);
    int largest = 0;
    for (int l = std::max(range.First, 0); l <= range.Last; ++l) {
        auto& spaces = track.Lanes[static_cast<size_t>(l)].Spaces;
        const int last = static_cast<int>(spaces.size()) - 1;
        if (last < 1)
            continue;
        std::vector<std::int16_t> seg(spaces.size());
        seg[0] = spaces[0].Segment;
        int counter = 0;
        bool prevCorner = IsCornerSymbol(spaces[0].Symbol);
        for (int s = 1; s <= last; ++s) {
            const bool corner = IsCornerSymbol(spaces[static_cast<size_t>(s)].Symbol);
            if (corner != prevCorner)
                ++counter;
            prevCorner = corner;
            seg[static_cast<size_t>(s)] = static_cast<std::int16_t>(counter);
        }
        largest = std::max(largest, counter);

        // Close the lap: the final run of equal numbers joins the first
        // straight. The run never reaches index 0, and only that run is
        // closed, however short it is.
        int first = last;
        while (first > 1 && seg[static_cast<size_t>(first - 1)] == seg[static_cast<size_t>(last)])
            --first;
        std::fill(seg.begin() + first, seg.end(), std::int16_t{0});

        for (int k = 1; k <= last; ++k) {
            Space& space = spaces[static_cast<size_t>(k)];
            if (space.Segment != seg[static_cast<size_t>(k)]) {
                space.Segment = seg[static_cast<size_t>(k)];
                ++result.changed;
            }
        }
    }
    result.message = {SegmentsReport(largest), "Segments Created", MsgButtons::OK, MsgIcon::None};
    return result;
}

} // namespace td
