#include "edit/TypedPlacement.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "edit/Editor.h"
#include "model/NumberForms.h"

namespace td {

namespace {

constexpr const char* XBox = "SpaceXTxt";
constexpr const char* YBox = "SpaceYTxt";
constexpr const char* AngleBox = "SpaceAngleTxt";
constexpr const char* LengthBox = "SpaceLengthTxt";

// Beyond this a coordinate could no longer be told from its neighbours in a
// single float, and the file's print zones could not hold it.
constexpr float MaxCoordinate = 1e6f;
constexpr float MinLength = 0.8f;
constexpr float MaxLength = 2.0f;
// A space with this symbol may grow past the usual longest.
constexpr int GrowingSymbol = 60;
constexpr float MaxGrowingLength = 20.0f;

// Whole degrees 0..359, halves to the even neighbour.
int WholeDegrees(float value) {
    int d = static_cast<int>(std::nearbyint(std::fmod(value, 360.0f)));
    return ((d % 360) + 360) % 360;
}

} // namespace

bool IsPlacementBox(const std::string& control) {
    return control == XBox || control == YBox || control == AngleBox || control == LengthBox;
}

std::optional<float> TypedNumber(std::string text, char decimalSeparator) {
    // The locale's separator counts as the point does, as in the position box.
    if (decimalSeparator != '.')
        std::replace(text.begin(), text.end(), decimalSeparator, '.');
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const size_t last = text.find_last_not_of(" \t");
    std::string number = text.substr(first, last - first + 1);
    if (number[0] == '+')
        number.erase(0, 1);
    float value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec != std::errc() || res.ptr != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void ApplyTypedPlacement(Editor& ed, const std::string& control, const std::string& text) {
    const Space* space = ed.HasTrack ? ed.track.Find(ed.sel.CurLane, ed.sel.CurSpace) : nullptr;
    const std::optional<float> value = TypedNumber(text, ed.host.DecimalSeparator());
    if (space && value) {
        const Selection& sel = ed.sel;
        bool changed = false;
        if (control == XBox || control == YBox) {
            const float v = std::clamp(*value, -MaxCoordinate, MaxCoordinate);
            const PointF at = sel.WorkPts[0];
            const float dx = control == XBox ? v - at.x : 0.0f;
            const float dy = control == YBox ? v - at.y : 0.0f;
            // A value the file would write as the coordinate it has is no change.
            const float was = control == XBox ? at.x : at.y;
            changed = SingleText(v) != SingleText(was);
            if (changed)
                ed.MoveCurrentSpace(dx, dy, false);
        } else if (control == AngleBox) {
            // The short way round, as the rotate keys would turn it.
            int turn = WholeDegrees(*value) - sel.WorkRotation;
            turn = ((turn % 360) + 540) % 360 - 180;
            changed = turn != 0;
            if (changed)
                ed.RotateCurrentSpace(static_cast<std::int16_t>(turn), false);
        } else if (control == LengthBox) {
            const float most = space->Symbol == GrowingSymbol ? MaxGrowingLength : MaxLength;
            const float v = std::clamp(*value, MinLength, most);
            changed = SingleText(v) != SingleText(sel.WorkScale);
            if (changed)
                ed.ScaleCurrentSpace(v - sel.WorkScale);
        }
        if (changed)
            ed.RefreshView();
    }
    ShowPlacement(ed);
}

void ShowPlacement(Editor& ed) {
    const Selection& sel = ed.sel;
    ed.host.SetControlText(XBox, ed.LocaleNumberText(sel.WorkPts[0].x));
    ed.host.SetControlText(YBox, ed.LocaleNumberText(sel.WorkPts[0].y));
    ed.host.SetControlText(AngleBox, std::to_string(sel.WorkRotation));
    ed.host.SetControlText(LengthBox, ed.LocaleNumberText(sel.WorkScale));
}

} // namespace td
