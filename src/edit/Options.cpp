// Modes, grids, the "&Options" menu and the small view commands.

#include "edit/DisplayItems.h"
#include "edit/Editor.h"
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
    for (const DisplayItem& item : DisplayItems)
        if (menuName == item.menuName)
            option = &(display.*item.option);
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

} // namespace td
