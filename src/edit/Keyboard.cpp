// Key bindings of the main window.

#include "edit/Editor.h"
#include "view/ViewOps.h"

namespace td {

namespace {

// Keys that pick one of the first five entries of the symbol list.
int SymbolEntryForKey(int keyCode) {
    switch (keyCode) {
    case VK::SpaceBar:
        return 0;
    case VK::H:
        return 1;
    case VK::S:
        return 2;
    case VK::L:
        return 3;
    case VK::R:
        return 4;
    default:
        return -1;
    }
}

} // namespace

void Editor::OnKeyDown(int keyCode, int shift) {
    // The arrow keys move the picture by 10 grid steps, 100 with Shift alone;
    // PanView multiplies by the zoom again, so divide it out here.
    const float panStep =
        (shift == MaskShift ? 100.0f : 10.0f) * view.CurrentGrid.Distance / view.Zoom;

    switch (keyCode) {
    case VK::D:
        if (EditMode == "PolyMode" && shift == MaskCtrl)
            RunMenu("MnuDupPoly");
        break;
    case VK::F5:
        RefreshView();
        break;
    case VK::F:
        ToggleFilled();
        break;
    case VK::Left:
        PanStep(-panStep, 0.0f);
        RefreshView();
        break;
    case VK::Right:
        PanStep(panStep, 0.0f);
        RefreshView();
        break;
    case VK::Up:
        PanStep(0.0f, -panStep);
        RefreshView();
        break;
    case VK::Down:
        PanStep(0.0f, panStep);
        RefreshView();
        break;
    case VK::C:
        RunButton("CenterView");
        break;
    case VK::P:
        RunButton("SetPrimarySpace");
        break;
    case VK::N:
        if (ButtonEnabled("SetNextSpace"))
            RunButton("SetNextSpace");
        break;
    case VK::A:
        if (ButtonEnabled("SetAdjacentSpace"))
            RunButton("SetAdjacentSpace");
        break;
    case VK::Enter:
        if (EditMode != "PolyMode")
            RunButton("AddSpace");
        break;
    // The Delete key is the "DeleteSpace" button wherever that can be pressed.
    case VK::Delete:
        if (EditMode != "PolyMode" && ButtonEnabled("DeleteSpace"))
            RunButton("DeleteSpace");
        break;
    case VK::O:
        RunButton("ChangeCOR");
        break;
    case VK::NumPlus:
    case VK::Plus:
        ZoomStep(0.25f);
        RefreshView();
        break;
    case VK::NumMinus:
    case VK::Minus:
        ZoomStep(-0.25f);
        RefreshView();
        break;
    default:
        if (int entry = SymbolEntryForKey(keyCode); entry >= 0 && HasTrack)
            PickSymbolEntry(entry);
        break;
    }
}

void Editor::OnKeyUp(int, int shift) {
    if (shift == MaskShift)
        RefreshView();
}

} // namespace td
