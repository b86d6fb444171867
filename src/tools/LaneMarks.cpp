#include "tools/LaneMarks.h"

namespace td {

std::string RacingLaneName(int lane, int lanes) {
    static const char* names3[] = {"Left", "Middle", "Right"};
    static const char* names4[] = {"Left", "Mid-Left", "Mid-Right", "Right"};
    if (lane < 0 || lane >= lanes || lanes < 3 || lanes > 4)
        return "Lane";
    return lanes == 4 ? names4[lane] : names3[lane];
}

std::int16_t CornerArrowFor(int entryTurn, int lane, int lanes) {
    const bool towardLower = entryTurn > 0 ? lane > 0 : lane == lanes - 1;
    return static_cast<std::int16_t>(towardLower ? Sym::ArrowDoubleRight : Sym::ArrowDoubleLeft);
}

void MarkFinishLine(Lane& lane, int laneIndex) {
    if (lane.Spaces.empty())
        return;
    if (laneIndex % 2 == 0) {
        lane.Spaces.front().Symbol = Sym::FinishCenter;
    } else {
        lane.Spaces.front().Symbol = Sym::FinishLeft;
        lane.Spaces.back().Symbol = Sym::FinishRight;
    }
}

} // namespace td
