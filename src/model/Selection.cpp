#include "model/Selection.h"

namespace td {

void FollowLaneOrder(Selection& sel, const std::vector<int>& order) {
    // Lane `order[k]` moved to position k.
    auto newIndexOf = [&](int old) {
        for (size_t k = 0; k < order.size(); ++k)
            if (order[k] == old)
                return static_cast<int>(k);
        return old;
    };
    sel.CurLane = newIndexOf(sel.CurLane);
    if (sel.PrimarySpace >= 0)
        sel.PrimarySpace = MakeRef(newIndexOf(RefLane(sel.PrimarySpace)), RefIndex(sel.PrimarySpace));
}

} // namespace td
