// The working copy of the current space, the property panel, the status bar
// and the enabled state of the toolbars.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "edit/Editor.h"
#include "edit/SpaceOps.h"
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

const char* const SpaceControls[] = {"SpacePropCombo", "SpacePropLblTxt",   "SpacePosTxt",
                                     "SpacePosLblTxt", "StartingGridCombo", "StartingGridLblTxt",
                                     "GapPartCombo",   "GapPartLblTxt"};
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

void Editor::FillSpaceProperties() {
    const Space* space = track.Find(sel.CurLane, sel.CurSpace);
    if (!space)
        return;
    const auto& symbols = SymbolTable();
    for (size_t i = 0; i < symbols.size(); ++i)
        if (symbols[i].code == space->Symbol) {
            SymbolEntry = static_cast<int>(i);
            host.SetComboIndex("SpacePropCombo", SymbolEntry);
            break;
        }
    host.SetControlText("SpacePosTxt", FloatShortestText(space->LanePos));

    const SpaceRef ref = MakeRef(sel.CurLane, sel.CurSpace);
    int gridPlace = 0;
    for (int k = 1; k <= 20; ++k)
        if (track.StartPos[static_cast<size_t>(k)] == ref) {
            gridPlace = k;
            break;
        }
    host.SetComboIndex("StartingGridCombo", gridPlace);
    if (space->GapPart >= 0 && space->GapPart < static_cast<int>(GapPartTexts().size()))
        host.SetComboIndex("GapPartCombo", space->GapPart);
    host.SetMenuEnabled("MnuCreatePitPaint",
                        track.Lanes[static_cast<size_t>(sel.CurLane)].Name == "Pit");
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
    std::string scale = FloatShortestText(sel.WorkScale);
    std::replace(scale.begin(), scale.end(), '.', host.DecimalSeparator());
    host.SetPanelText("CurrScl", "Length:" + scale);
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
                                    ? FloatShortestText(static_cast<float>(sel.CurSpace) + 0.5f)
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
        int detailEntry = 0;
        if (hasPoly) {
            const int detail = track.BackPolys[static_cast<size_t>(sel.CurPoly)].Detail - 2;
            detailEntry = detail >= 0 && detail <= 2 ? detail : 0;
        }
        host.SetComboIndex("PolyDetailCombo", detailEntry);
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
