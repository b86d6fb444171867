// The working copy of the current space, the property panel, the status bar
// and the enabled state of the toolbars.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

#include "edit/Editor.h"
#include "edit/SpaceOps.h"
#include "edit/TypedPlacement.h"
#include "edit/UiDefs.h"
#include "render/Overlays.h"
#include "view/ViewOps.h"

namespace td {

namespace {

// "####0.00": at least one integer digit, exactly two decimals; halves round
// away from zero, and a value that rounds to zero shows without a sign.
std::string TwoDecimals(float value) {
    double hundredths = std::round(static_cast<double>(value) * 100.0);
    if (hundredths == 0.0)
        hundredths = 0.0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", hundredths / 100.0);
    return buf;
}

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// Host texts are single-byte Latin-1; 176 is the degree sign.
constexpr char DegreeSign = static_cast<char>(0xB0);

const char* const SpaceControls[] = {
    "SpacePropCombo",    "SpacePropLblTxt",    "SpacePosTxt",    "SpacePosLblTxt",
    "StartingGridCombo", "StartingGridLblTxt", "GapPartCombo",   "GapPartLblTxt",
    "SpaceXTxt",         "SpaceXLblTxt",       "SpaceYTxt",      "SpaceYLblTxt",
    "SpaceAngleTxt",     "SpaceAngleLblTxt",   "SpaceLengthTxt", "SpaceLengthLblTxt"};
const char* const PolyControls[] = {"PolyDetailCombo", "PolyDetailLblTxt", "PolyZOrderTxt",
                                    "PolyZOrderLblTxt"};

} // namespace

void Editor::LoadCurrentSpace() {
    if (!track.Find(sel.CurLane, sel.CurSpace))
        return;
    LoadWorkingCopy(track, sel);
    FillSpaceProperties();
    if (AreaVisible) {
        Scene scene = MakeScene();
        DrawCurrentSpaceHighlight(scene);
    }
}

std::string Editor::LocaleNumberText(float value) {
    std::string text = FloatShortestText(value);
    std::replace(text.begin(), text.end(), '.', host.DecimalSeparator());
    return text;
}

int Editor::GridPlaceOfCurrent() const {
    if (!track.ValidLane(sel.CurLane) || sel.CurSpace < 0 || sel.CurSpace >= MaxLaneSpaces)
        return 0;
    const SpaceRef ref = MakeRef(sel.CurLane, sel.CurSpace);
    for (int k = 1; k <= 20; ++k)
        if (track.StartPos[static_cast<size_t>(k)] == ref)
            return k;
    return 0;
}

void Editor::ShowSpaceProperties(const Space& space, bool withPosition) {
    const auto& symbols = SymbolTable();
    for (size_t i = 0; i < symbols.size(); ++i)
        if (symbols[i].code == space.Symbol) {
            SymbolEntry = static_cast<int>(i);
            host.SetComboIndex("SpacePropCombo", SymbolEntry);
            break;
        }
    if (withPosition)
        host.SetControlText("SpacePosTxt", LocaleNumberText(space.LanePos));
    host.SetComboIndex("StartingGridCombo", GridPlaceOfCurrent());
    if (space.GapPart >= 0 && space.GapPart < static_cast<int>(GapPartTexts().size()))
        host.SetComboIndex("GapPartCombo", space.GapPart);
    host.SetMenuEnabled("MnuCreatePitPaint",
                        track.Lanes[static_cast<size_t>(sel.CurLane)].Name == "Pit");
}

void Editor::FillSpaceProperties() {
    if (const Space* space = track.Find(sel.CurLane, sel.CurSpace))
        ShowSpaceProperties(*space, true);
}

void Editor::FillPendingProperties(const Space& model) {
    if (!track.ValidLane(sel.CurLane))
        return;
    // What the next "AddSpace" will store: the symbol, and no gap mark.
    Space shown;
    shown.Symbol = model.Symbol;
    ShowSpaceProperties(shown, false);
}

Editor::ShownSpace Editor::ShownSpaceNow() const {
    ShownSpace s;
    s.lane = sel.CurLane;
    s.space = sel.CurSpace;
    if (track.ValidLane(sel.CurLane))
        s.laneName = track.Lanes[static_cast<size_t>(sel.CurLane)].Name;
    if (const Space* space = track.Find(sel.CurLane, sel.CurSpace)) {
        s.stored = true;
        s.symbol = space->Symbol;
        s.lanePos = std::bit_cast<std::uint32_t>(space->LanePos);
        s.gapPart = space->GapPart;
        s.gridPlace = GridPlaceOfCurrent();
    }
    return s;
}

void Editor::RefreshShownSpace(const ShownSpace& before, const Command& cmd) {
    if (!HasTrack)
        return;
    const ShownSpace now = ShownSpaceNow();
    // Without a stored current space the commands fill (or empty) the
    // panels themselves; the status bar follows in SyncPanels.
    if (now == before || !now.stored)
        return;
    // The box the author is typing in keeps what was typed.
    if (cmd.kind != CommandKind::PanelText)
        FillSpaceProperties();
}

Editor::PanelSource Editor::CurrentPanelSource() const {
    PanelSource src;
    src.lane = sel.CurLane;
    if (track.ValidLane(sel.CurLane))
        src.laneName = track.Lanes[static_cast<size_t>(sel.CurLane)].Name;
    src.space = sel.CurSpace;
    src.centre = sel.WorkPts[0];
    src.rotation = sel.WorkRotation;
    src.scale = sel.WorkScale;
    if (const Space* space = track.Find(sel.CurLane, sel.CurSpace))
        src.segment = space->Segment;
    return src;
}

void Editor::SyncPanels() {
    if (!HasTrack)
        return;
    const PanelSource now = CurrentPanelSource();
    if (now.lane != laneShown_.lane || now.laneName != laneShown_.laneName)
        UpdateLanePanel();
    if (!(now == spaceShown_))
        UpdateSpacePanels();
}

void Editor::UpdateLanePanel() {
    laneShown_ = CurrentPanelSource();
    if (!track.ValidLane(sel.CurLane))
        return;
    host.SetPanelText("CurrLane", "Lane " + std::to_string(sel.CurLane) + ", " +
                                      track.Lanes[static_cast<size_t>(sel.CurLane)].Name);
}

void Editor::UpdateSpacePanels() {
    spaceShown_ = CurrentPanelSource();
    host.SetPanelText("CurrSpace", "Space " + std::to_string(sel.CurSpace + 1));
    host.SetPanelText("SpaceX", "X:" + TwoDecimals(sel.WorkPts[0].x));
    host.SetPanelText("SpaceY", "Y:" + TwoDecimals(sel.WorkPts[0].y));
    host.SetPanelText("CurrRot", "Ang:" + std::to_string(sel.WorkRotation) + DegreeSign);
    host.SetPanelText("CurrScl", "Length:" + LocaleNumberText(sel.WorkScale));
    ShowPlacement(*this);
    const Space* space = track.Find(sel.CurLane, sel.CurSpace);
    if (!space)
        return;
    host.SetPanelText("Segment", "Segment:" + std::to_string(space->Segment));
    // Corners are the odd segments: segment 1 is corner 1, segment 3 corner 2.
    if (space->Segment % 2 == 0)
        host.SetPanelText("Corner", "Corner: N/A");
    else
        host.SetPanelText("Corner", "Corner:" + std::to_string(FloorHalf(space->Segment) + 1));
}

void Editor::UpdateToolbarState() {
    const bool laneValid = track.ValidLane(sel.CurLane);
    const Lane* lane = laneValid ? &track.Lanes[static_cast<size_t>(sel.CurLane)] : nullptr;

    // Space commands: a pending space cannot be deleted or reset.
    if (lane) {
        const int count = static_cast<int>(lane->Spaces.size());
        if (sel.CurSpace >= count) {
            EnableButton("DeleteSpace", false);
            EnableButton("ResetSpace", false);
            // A garage position sits between two numbered places.
            host.SetControlText("SpacePosTxt",
                                lane->Name == "Garages"
                                    ? LocaleNumberText(static_cast<float>(sel.CurSpace) + 0.5f)
                                    : std::to_string(sel.CurSpace));
        } else {
            EnableButton("DeleteSpace", true);
            EnableButton("ResetSpace", true);
        }
    }

    const bool polyMode = EditMode == "PolyMode";
    for (const ButtonDef& b : PolyToolbar())
        if (!b.key.empty())
            host.SetButtonVisible(b.key, polyMode);
    for (const char* name : SpaceControls)
        host.SetControlVisible(name, !polyMode);
    for (const char* name : PolyControls)
        host.SetControlVisible(name, polyMode);

    if (polyMode) {
        const bool hasPoly =
            sel.CurPoly >= 0 && sel.CurPoly < static_cast<int>(track.BackPolys.size());
        // A detail the list has no entry for shows no entry, so that picking
        // any entry is a change the author makes.
        int detailEntry = 0;
        if (hasPoly) {
            const int detail = track.BackPolys[static_cast<size_t>(sel.CurPoly)].Detail - 2;
            detailEntry = detail >= 0 && detail <= 2 ? detail : -1;
        }
        host.SetComboIndex("PolyDetailCombo", detailEntry);
        if (detailEntry >= 0)
            PolyDetailEntry = detailEntry;
        for (const ButtonDef& b : PolyToolbar())
            if (!b.key.empty())
                EnableButton(b.key, hasPoly);
        host.SetControlText("PolyZOrderTxt", std::to_string(sel.CurPoly));
        for (const ButtonDef& b : MainToolbar())
            if (b.tag == "Space" && !b.key.empty())
                EnableButton(b.key, false);
    } else {
        for (const ButtonDef& b : MainToolbar())
            if (b.tag == "Space" && !b.key.empty())
                EnableButton(b.key, true);
        // The scale buttons say whether a press would change the length.
        EnableButton("ScaleSpaceUp", CanScaleUp(track, sel));
        EnableButton("ScaleSpaceDown", CanScaleDown(track, sel));
        EnableButton("SetNextSpace", sel.PrimarySpace >= 0);
        EnableButton("SetAdjacentSpace", sel.PrimarySpace >= 0);
    }
}

} // namespace td
