#include "edit/CornerOps.h"

#include <charconv>
#include <cmath>

#include "view/ViewTransform.h"

namespace td {

const std::array<const char*, 4> CornerPropCaptions = {"Corner Name", "Required Stops",
                                                       "Longest Path", "Shortest Path"};
const char* const CornerPropTitle = "Corner Properties";
const char* const DeleteCornerTitle = "Delete Corner";

std::string CornerCountInvalidText(int box) {
    const char* caption = box >= 0 && box < static_cast<int>(CornerPropCaptions.size())
                              ? CornerPropCaptions[box]
                              : "";
    return std::string("\"") + caption + "\" must be a whole number from -32768 to 32767.";
}

std::string DeleteCornerText(const Corner& corner) {
    return "Are you sure you want to delete the corner: " + corner.Name + "?";
}

int FlagHit(const Track& track, const ViewState& view, float x, float y) {
    const int n = static_cast<int>(track.Corners.size());
    for (int i = 0; i < n; ++i) {
        const Corner& c = track.Corners[static_cast<size_t>(i)];
        const float left = WorldToScreenX(view, c.Vtx[1].x);
        const float top = WorldToScreenY(view, c.Vtx[1].y);
        const float right = WorldToScreenX(view, c.Vtx[2].x);
        const float bottom = WorldToScreenY(view, c.Vtx[2].y);
        if (left < x && x < right && top < y && y < bottom)
            return i;
    }
    return -1;
}

int AddCornerAt(Track& track, Selection& sel, const ViewState& view, float x, float y) {
    Corner corner;
    corner.Vtx[0] = {ScreenToWorldX(view, x), ScreenToWorldY(view, y)};
    DeriveCornerFlag(corner);
    track.Corners.push_back(std::move(corner));
    sel.CurCorner = static_cast<int>(track.Corners.size()) - 1;
    return sel.CurCorner;
}

bool MoveCornerFlag(Track& track, int index, std::int16_t dx, std::int16_t dy) {
    if (index < 0 || index >= static_cast<int>(track.Corners.size()))
        return false;
    Corner& c = track.Corners[static_cast<size_t>(index)];
    c.Vtx[0].x += static_cast<float>(dx);
    c.Vtx[0].y += static_cast<float>(dy);
    DeriveCornerFlag(c);
    return true;
}

const Corner* CurrentCorner(const Track& track, const Selection& sel) {
    if (sel.CurCorner < 0 || sel.CurCorner >= static_cast<int>(track.Corners.size()))
        return nullptr;
    return &track.Corners[static_cast<size_t>(sel.CurCorner)];
}

Corner* CurrentCorner(Track& track, const Selection& sel) {
    return const_cast<Corner*>(CurrentCorner(static_cast<const Track&>(track), sel));
}

bool DeleteCurrentCorner(Track& track, const Selection& sel) {
    if (!CurrentCorner(track, sel))
        return false;
    track.Corners.erase(track.Corners.begin() + sel.CurCorner);
    return true;
}

CornerTexts CornerPropertyTexts(const Corner& corner) {
    return {corner.Name, std::to_string(corner.Stops), std::to_string(corner.Long),
            std::to_string(corner.Short)};
}

std::optional<std::int16_t> CornerCountFromText(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const size_t last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    // from_chars takes no leading "+"; a sign alone is no number.
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-')
            return std::nullopt;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

int FillCornerArray(Track& track, const Selection& sel, const CornerTexts& texts) {
    Corner* corner = CurrentCorner(track, sel);
    if (!corner)
        return -1;
    std::array<std::int16_t, 3> counts{};
    for (int box = 1; box <= 3; ++box) {
        const auto value = CornerCountFromText(texts[static_cast<size_t>(box)]);
        if (!value)
            return box;
        counts[static_cast<size_t>(box - 1)] = *value;
    }
    corner->Name = texts[0];
    corner->Stops = counts[0];
    corner->Long = counts[1];
    corner->Short = counts[2];
    return 0;
}

} // namespace td
