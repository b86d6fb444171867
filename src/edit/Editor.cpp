#include "edit/Editor.h"

#include "edit/UiDefs.h"
#include "render/Pipeline.h"
#include "view/ViewOps.h"

namespace td {

Editor::Editor(Host& h, Surface& s) : host(h), surface(s) {
    view.AreaWidth = surface.Width();
    view.AreaHeight = surface.Height();
    view.TwipsPerPixelX = surface.TwipsPerPixelX();
    view.TwipsPerPixelY = surface.TwipsPerPixelY();
}

void Editor::Dispatch(const Command& cmd) {
    switch (cmd.kind) {
    case CommandKind::Button:
        OnButton(cmd.key);
        break;
    case CommandKind::Menu:
        OnMenu(cmd.key);
        break;
    case CommandKind::KeyDown:
        OnKeyDown(cmd.keyCode, cmd.shift);
        break;
    case CommandKind::KeyUp:
        OnKeyUp(cmd.keyCode, cmd.shift);
        break;
    case CommandKind::MouseDown:
    case CommandKind::MouseMove:
    case CommandKind::MouseUp:
    case CommandKind::DblClick:
        // Mouse gestures are not handled yet.
        break;
    case CommandKind::PanelText:
        OnPanelText(cmd.key, cmd.text);
        break;
    case CommandKind::PanelCombo:
        OnPanelCombo(cmd.key, cmd.index);
        break;
    case CommandKind::AutosaveTick:
        AutosaveTick();
        break;
    case CommandKind::DialogOK:
        OnDialogOK(cmd);
        break;
    }
}

void Editor::OnButton(const std::string& key) {
    if (key == "New3Lane" || key == "New4Lane") {
        if (ConfirmDiscard())
            NewTrack(key == "New4Lane");
    } else if (key == "LoadTrack") {
        if (ConfirmDiscard())
            OpenWithDialog();
    } else if (key == "SaveTrack") {
        Save();
    } else if (key == "TrackInfo") {
        if (HasTrack)
            host.ShowTrackInfo();
    } else if (key == "RefreshView") {
        RefreshView();
    } else if (key == "CenterView") {
        CenterView(view);
        RefreshView();
    } else if (key == "CenterSpace") {
        if (const Space* s = track.Find(sel.CurLane, sel.CurSpace)) {
            CenterSpace(view, s->CenterX(), s->CenterY());
            RefreshView();
        }
    } else if (IsModeKey(key)) {
        SetEditMode(key);
    } else if (key == "SetPrimarySpace") {
        SetPrimarySpace();
    } else if (IsGridKey(key)) {
        SelectGridButton(key);
    } else if (const ButtonDef* tool = FindPolyButton(key);
               tool && tool->group == ButtonGroup::PolyTools) {
        if (PolyTool != key)
            host.SetButtonPressed(PolyTool, false);
        PolyTool = key;
        host.SetButtonPressed(key, true);
    }
    // The space commands ("AddSpace" .. "SetAdjacentSpace"), the polygon
    // commands and "Options" have no command here yet.
}

void Editor::OnMenu(const std::string& name) {
    if (name == "MnuNew3" || name == "MnuNew4") {
        if (ConfirmDiscard())
            NewTrack(name == "MnuNew4");
    } else if (name == "MnuOpen") {
        if (ConfirmDiscard())
            OpenWithDialog();
    } else if (name == "MnuSave") {
        Save();
    } else if (name == "MnuSaveAs") {
        SaveAs();
    } else if (name == "MnuTrackInfo") {
        if (HasTrack)
            host.ShowTrackInfo();
    } else if (name.rfind("MnuRecentTrack(", 0) == 0) {
        for (int i = 0; i < RecentTrackCount; ++i)
            if (name == RecentTrackItem(i))
                OpenRecent(i);
    } else if (name == "MnuDrawFullDetail") {
        ToggleFilled();
    } else if (name.rfind("MnuDetail(", 0) == 0) {
        for (int k = 1; k <= 4; ++k)
            if (name == DetailItem(k))
                SetDetailLevel(k);
    } else if (name == "MnuSetBackColor") {
        ChooseBackColor();
    } else if (name.rfind("MnuDraw", 0) == 0) {
        ToggleDisplayOption(name);
    }
    // "MnuExit" and "MnuAbout" belong to the shell; the tools and the
    // context menus have no command here yet.
}

void Editor::SetArea(float widthTwips, float heightTwips, bool visible) {
    view.AreaWidth = widthTwips;
    view.AreaHeight = heightTwips;
    AreaVisible = visible;
    RefreshView();
}

Scene Editor::MakeScene() {
    return Scene{surface, track, sel, view, display, bounds, AreaVisible};
}

void Editor::RefreshView() {
    if (!AreaVisible)
        return;
    ++RefreshCount;
    Scene scene = MakeScene();
    td::RefreshView(scene);
}

void Editor::QuickRedraw() {
    Scene scene = MakeScene();
    td::QuickRedraw(scene);
}

void Editor::EnableButton(const std::string& key, bool enabled) {
    buttonEnabled_[key] = enabled;
    host.SetButtonEnabled(key, enabled);
}

bool Editor::ButtonEnabled(const std::string& key) const {
    auto it = buttonEnabled_.find(key);
    return it == buttonEnabled_.end() ? true : it->second;
}

std::string FileNamePart(const std::string& path) {
    auto pos = path.find_last_of("/\\");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

} // namespace td
