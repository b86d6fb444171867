// Modes, grids, the "&Options" menu and the small view commands.

#include "edit/Editor.h"
#include "edit/Messages.h"
#include "edit/UiDefs.h"
#include "view/ViewOps.h"

namespace td {

void Editor::SetEditMode(const std::string& key) {
    const ButtonDef* button = FindMainButton(key);
    if (!button || button->group != ButtonGroup::Modes)
        return;
    if (EditMode != key)
        host.SetButtonPressed(EditMode, false);
    EditMode = key;
    host.SetButtonPressed(key, true);
    host.SetPanelText("Mode", button->description);
    host.SetPointer(key == "PolyMode" ? "Arrow" : key);
    if (HasTrack)
        UpdateToolbarState();
}

void Editor::SelectGridButton(const std::string& key) {
    const ButtonDef* button = FindMainButton(key);
    if (!button || !SelectGrid(view, key))
        return;
    if (GridKey != key)
        host.SetButtonPressed(GridKey, false);
    GridKey = key;
    host.SetButtonPressed(key, true);
    host.SetPanelText("Grid", button->description);
}

void Editor::ToggleDisplayOption(const std::string& menuName) {
    bool* option = nullptr;
    if (menuName == "MnuDrawWorldCOR")
        option = &display.DrawWorldCOR;
    else if (menuName == "MnuDrawSpaceCOR")
        option = &display.DrawSpaceCOR;
    else if (menuName == "MnuDrawTrackVector")
        option = &display.DrawTrackVector;
    else if (menuName == "MnuDrawNext")
        option = &display.DrawNext;
    else if (menuName == "MnuDrawAdjacent")
        option = &display.DrawAdjacent;
    else if (menuName == "MnuDrawSymbol")
        option = &display.DrawSymbol;
    else if (menuName == "MnuDrawFlags")
        option = &display.DrawFlags;
    if (!option)
        return;

    const bool on = !*option;
    *option = on;
    host.SetMenuChecked(menuName, on);

    if (menuName == "MnuDrawSpaceCOR") {
        EnableButton("ChangeCOR", on);
    } else if (menuName == "MnuDrawNext" || menuName == "MnuDrawAdjacent") {
        const bool next = menuName == "MnuDrawNext";
        const std::string linkButton = next ? "SetNextSpace" : "SetAdjacentSpace";
        const bool otherOn = next ? display.DrawAdjacent : display.DrawNext;
        if (on) {
            EnableButton("SetPrimarySpace", true);
            EnableButton(linkButton, true);
        } else {
            EnableButton(linkButton, false);
            if (!otherOn)
                EnableButton("SetPrimarySpace", false);
        }
    } else if (menuName == "MnuDrawSymbol") {
        host.SetControlEnabled("SpacePropCombo", on);
    } else if (menuName == "MnuDrawFlags") {
        EnableButton("EditCorner", on);
        if (!on)
            SetEditMode("RotateSpace");
    }
    RefreshView();
}

void Editor::ToggleFilled() {
    display.Filled = !display.Filled;
    host.SetMenuCaption("MnuDrawFullDetail",
                        display.Filled ? CaptionDrawWireframe : CaptionDrawFilled);
    RefreshView();
}

void Editor::SetDetailLevel(int level) {
    if (level < 1 || level > 4)
        return;
    for (int k = 1; k <= 4; ++k)
        host.SetMenuChecked(DetailItem(k), k == level);
    view.DetailLevel = static_cast<std::int16_t>(level);
    RefreshView();
}

void Editor::ChooseBackColor() {
    if (!HasTrack)
        return;
    if (auto colour = host.ColorDialog(track.BackColor))
        track.BackColor = *colour;
    RefreshView();
}

void Editor::ZoomStep(float delta) {
    if (ChangeZoom(view, delta)) {
        QuickRedraw();
        host.SetPanelText("Zoom", ZoomPanelText(view.Zoom));
    }
}

void Editor::PanStep(float dx, float dy) {
    PanView(view, dx, dy);
    QuickRedraw();
}

void Editor::SetPrimarySpace() {
    if (!HasTrack || !track.ValidLane(sel.CurLane) || sel.CurSpace < 0 ||
        sel.CurSpace >= MaxLaneSpaces)
        return;
    sel.PrimarySpace = MakeRef(sel.CurLane, sel.CurSpace);
    UpdateLanePanel();
    UpdateSpacePanels();
    UpdateToolbarState();
    RefreshView();
}

void Editor::PickSymbolEntry(int index) {
    const auto& symbols = SymbolTable();
    if (index < 0 || index >= static_cast<int>(symbols.size()))
        return;
    SymbolEntry = index;
    host.SetComboIndex("SpacePropCombo", index);

    Space* current = track.Find(sel.CurLane, sel.CurSpace);
    if (!current)
        return; // the pending space takes the choice when it is added
    const int code = symbols[static_cast<size_t>(index)].code;
    if (code >= Sym::PitTeam1 && code <= Sym::GarageTeam1 + 9) {
        for (const Lane& lane : track.Lanes)
            for (const Space& other : lane.Spaces)
                if (&other != current && other.Symbol == code) {
                    host.MessageBox(SymbolInUseText(), SymbolInUseTitle, MsgButtons::OK,
                                    MsgIcon::Exclamation);
                    PickSymbolEntry(0);
                    return;
                }
    }
    current->Symbol = static_cast<std::int16_t>(code);
    RefreshView();
}

} // namespace td
