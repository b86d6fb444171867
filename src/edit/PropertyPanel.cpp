// The property panel: every change the author makes is written straight into
// the current space (or the starting grid).

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "edit/Editor.h"
#include "edit/Messages.h"
#include "edit/SpaceOps.h"
#include "edit/TypedPlacement.h"
#include "render/Colours.h"
#include "render/Overlays.h"
#include "render/SpaceDraw.h"

namespace td {

namespace {

// The number at the start of `text` (blanks skipped), up to the first
// character that cannot continue it: "1.5" -> 1.5, "2x" -> 2, "x" -> 0. The
// locale's decimal separator counts as the point does.
float LeadingNumber(std::string text, char decimalSeparator) {
    if (decimalSeparator != '.')
        std::replace(text.begin(), text.end(), decimalSeparator, '.');
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0.0f;
    const size_t start = i;
    if (text[i] == '-' || text[i] == '+')
        ++i;
    auto digits = [&](size_t& k) {
        size_t from = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9')
            ++k;
        return k > from;
    };
    bool any = digits(i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = digits(i) || any;
    }
    if (!any)
        return 0.0f;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < text.size() && (text[k] == '-' || text[k] == '+'))
            ++k;
        if (digits(k))
            i = k;
    }
    std::string number = text.substr(start, i - start);
    if (number[0] == '+')
        number.erase(0, 1);
    float value = 0.0f;
    auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    // "-0" is 0: the file writes both alike, and a negative zero would make
    // an undo step that changes nothing one can see.
    return res.ec == std::errc() && value != 0.0f ? value : 0.0f;
}

} // namespace

void Editor::OnPanelText(const std::string& control, const std::string& text) {
    if (control == "MovesTxt") {
        OnMovesText(text);
        return;
    }
    if (IsPlacementBox(control)) {
        ApplyTypedPlacement(*this, control, text);
        return;
    }
    if (control != "SpacePosTxt" || text.empty() || !track.ValidLane(sel.CurLane))
        return;
    // Neither the last space of the lane nor the pending space takes a position.
    Lane& lane = track.Lanes[static_cast<size_t>(sel.CurLane)];
    if (sel.CurSpace < 0 || sel.CurSpace >= static_cast<int>(lane.Spaces.size()) - 1)
        return;
    lane.Spaces[static_cast<size_t>(sel.CurSpace)].LanePos =
        LeadingNumber(text, host.DecimalSeparator());
}

void Editor::OnPanelCombo(const std::string& control, int index) {
    if (!HasTrack)
        return;
    if (control == "SpacePropCombo") {
        PickSymbolEntry(index);
    } else if (control == "GapPartCombo") {
        if (Space* space = track.Find(sel.CurLane, sel.CurSpace); space && index >= 0 && index <= 4)
            space->GapPart = static_cast<std::int16_t>(index);
    } else if (control == "StartingGridCombo") {
        // Entry 0 ("None") would write only the scratch slot, which nothing
        // reads: it changes nothing.
        if (index >= 1 && index <= 20 && track.ValidLane(sel.CurLane) && sel.CurSpace >= 0 &&
            sel.CurSpace < MaxLaneSpaces)
            track.StartPos[static_cast<size_t>(index)] = MakeRef(sel.CurLane, sel.CurSpace);
    } else if (control == "PolyDetailCombo") {
        if (index >= 0 && index <= 2)
            PolyDetailEntry = index;
        if (sel.CurPoly >= 0 && sel.CurPoly < static_cast<int>(track.BackPolys.size()) &&
            index >= 0 && index <= 2)
            track.BackPolys[static_cast<size_t>(sel.CurPoly)].Detail =
                static_cast<std::int16_t>(index + 2);
    }
}

void Editor::PickSymbolEntry(int index) {
    const auto& symbols = SymbolTable();
    if (index < 0 || index >= static_cast<int>(symbols.size()))
        return;
    SymbolEntry = index;
    host.SetComboIndex("SpacePropCombo", index);

    const int code = symbols[static_cast<size_t>(index)].code;
    if (TeamSymbolTaken(track, code, sel.CurLane, sel.CurSpace)) {
        host.MessageBox(SymbolInUseText(), SymbolInUseTitle, MsgButtons::OK, MsgIcon::Exclamation);
        PickSymbolEntry(0);
        return;
    }
    Space* current = track.Find(sel.CurLane, sel.CurSpace);
    if (!current)
        return; // the pending space takes the choice when it is added
    current->Symbol = static_cast<std::int16_t>(code);
    RedrawCurrentSpace();
}

void Editor::RedrawCurrentSpace() {
    if (!AreaVisible || !track.Find(sel.CurLane, sel.CurSpace))
        return;
    // The body is painted over whatever exclusive-or marks lie on it: the
    // corner flags, the highlight and the world origin are taken off first
    // and put back after, so that the next toggle of any of them still
    // erases it completely.
    Scene scene = MakeScene();
    auto toggleXorLayers = [&] {
        if (display.DrawFlags && sel.CurCorner >= 0)
            for (const Corner& c : track.Corners)
                DrawCornerFlag(scene, c, Col::White, PenXor, LineSolid);
        DrawCurrentSpaceHighlight(scene);
        DrawWorldCOR(scene);
    };
    toggleXorLayers();
    Colour outline = Col::Black;
    DrawSpace(scene, sel.CurLane, sel.CurSpace, outline, PenCopy, LineSolid);
    DrawSpaceOverlays(scene, sel.CurLane, sel.CurSpace);
    toggleXorLayers();
}

void Editor::PaintSpace(int lane, int index) {
    if (!AreaVisible || !track.Find(lane, index))
        return;
    // As above, without the highlight, which the caller has taken off.
    Scene scene = MakeScene();
    auto toggleXorLayers = [&] {
        if (display.DrawFlags && sel.CurCorner >= 0)
            for (const Corner& c : track.Corners)
                DrawCornerFlag(scene, c, Col::White, PenXor, LineSolid);
        DrawWorldCOR(scene);
    };
    toggleXorLayers();
    Colour outline = Col::Black;
    DrawSpace(scene, lane, index, outline, PenCopy, LineSolid);
    DrawSpaceOverlays(scene, lane, index);
    toggleXorLayers();
}

} // namespace td
