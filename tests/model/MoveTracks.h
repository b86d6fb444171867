#pragma once
// A small lap for the move tests: racing lanes "Left" and "Right" of twelve
// spaces, staggered by half a space and linked forward both ways on every
// space; a pit lane of three spaces beside "Right" with its entry, its exit
// and one box linked to the only garage; the pole on the last space of "Left".

#include "model/Track.h"

namespace td::test {

inline Track LoopTrack() {
    Track t;
    t.Lanes = {{"Left", {}}, {"Right", {}}, {"Pit", {}}, {"Garages", {}}};
    for (int i = 0; i < 12; ++i) {
        Space left, right;
        left.LanePos = static_cast<float>(i);
        right.LanePos = static_cast<float>(i) + 0.5f;
        left.Nxt[0] = MakeRef(1, i);
        right.Nxt[1] = MakeRef(0, (i + 1) % 12);
        t.Lanes[0].Spaces.push_back(left);
        t.Lanes[1].Spaces.push_back(right);
    }
    t.Lanes[2].Spaces.resize(3);
    t.Lanes[3].Spaces.resize(1);
    t.Lanes[1].Spaces[10].Nxt[0] = MakeRef(2, 0);
    t.Lanes[2].Spaces[2].Nxt[1] = MakeRef(1, 1);
    t.Lanes[2].Spaces[1].Nxt[0] = MakeRef(3, 0);
    t.Lanes[3].Spaces[0].Nxt[1] = MakeRef(2, 1);
    t.StartPos[1] = MakeRef(0, 11);
    return t;
}

} // namespace td::test
