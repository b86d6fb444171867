#include "tools/MeasureCorners.h"

#include "model/CornerMeasure.h"

namespace td {

namespace {

constexpr const char* Title = "Corners Measured";

// "7" when unchanged, "7 (was 6)" when not.
std::string Value(int now, int was) {
    std::string text = std::to_string(now);
    if (now != was)
        text += " (was " + std::to_string(was) + ")";
    return text;
}

} // namespace

ToolResult MeasureCorners(Track& track) {
    ToolResult result;
    if (track.Corners.empty()) {
        result.refused = true;
        result.message = {"The track has no corner records to measure.", Title, MsgButtons::OK,
                          MsgIcon::Information};
        return result;
    }
    std::string text;
    for (size_t c = 0; c < track.Corners.size(); ++c) {
        Corner& corner = track.Corners[c];
        const CornerPaths paths = MeasureCorner(track, static_cast<int>(c));
        text += corner.Name.empty() ? "(corner " + std::to_string(c + 1) + ")" : corner.Name;
        if (!paths.Spaces) {
            text +=
                ": no racing space is in segment " + std::to_string(2 * c + 1) + "; left as it is";
        } else {
            text += ": Long " + Value(paths.Long, corner.Long) + ", Short " +
                    Value(paths.Short, corner.Short);
            if (paths.Long != corner.Long || paths.Short != corner.Short)
                ++result.changed;
            corner.Long = paths.Long;
            corner.Short = paths.Short;
        }
        text += MsgLineBreak;
    }
    text += result.changed == 0 ? std::string("No corner changed.")
                                : std::to_string(result.changed) + " of " +
                                      std::to_string(track.Corners.size()) + " corners changed.";
    result.message = {text, Title, MsgButtons::OK, MsgIcon::None};
    return result;
}

} // namespace td
