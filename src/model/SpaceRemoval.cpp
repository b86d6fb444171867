#include "model/SpaceRemoval.h"

namespace td {

SpaceRef RefAfterRemoval(SpaceRef ref, int lane, int index) {
    if (ref < 0 || RefLane(ref) != lane)
        return ref;
    const int at = RefIndex(ref);
    if (at == index)
        return NoSpace;
    return at > index ? static_cast<SpaceRef>(ref - 1) : ref;
}

bool RemoveSpace(Track& track, int lane, int index) {
    if (!track.Find(lane, index))
        return false;
    auto& spaces = track.Lanes[static_cast<size_t>(lane)].Spaces;
    spaces.erase(spaces.begin() + index);
    for (Lane& l : track.Lanes)
        for (Space& s : l.Spaces) {
            for (SpaceRef& r : s.Nxt)
                r = RefAfterRemoval(r, lane, index);
            for (SpaceRef& r : s.Adj)
                r = RefAfterRemoval(r, lane, index);
        }
    for (SpaceRef& r : track.StartPos)
        r = RefAfterRemoval(r, lane, index);
    return true;
}

bool RemoveSpace(Track& track, Selection& sel, int lane, int index) {
    if (!RemoveSpace(track, lane, index))
        return false;
    sel.PrimarySpace = RefAfterRemoval(sel.PrimarySpace, lane, index);
    if (sel.CurLane == lane && sel.CurSpace > index)
        --sel.CurSpace;
    return true;
}

} // namespace td
