#include "edit/Editor.h"

#include "render/Pipeline.h"
#include "view/ViewOps.h"

namespace td {

Editor::Editor(Host& h, Surface& s) : host(h), surface(s) {
    view.AreaWidth = surface.Width();
    view.AreaHeight = surface.Height();
    view.TwipsPerPixelX = surface.TwipsPerPixelX();
    view.TwipsPerPixelY = surface.TwipsPerPixelY();
    BuildCommandTable(commands_);
}

void Editor::DispatchCommand(const Command& cmd) {
    switch (cmd.kind) {
    case CommandKind::Button:
        OnButton(cmd);
        break;
    case CommandKind::Menu:
        OnMenu(cmd);
        break;
    case CommandKind::KeyDown:
        OnKeyDown(cmd.keyCode, cmd.shift);
        break;
    case CommandKind::KeyUp:
        OnKeyUp(cmd.keyCode, cmd.shift);
        break;
    case CommandKind::MouseDown:
        OnMouseDown(cmd);
        break;
    case CommandKind::MouseMove:
        OnMouseMove(cmd);
        break;
    case CommandKind::MouseUp:
        OnMouseUp(cmd);
        break;
    case CommandKind::DblClick:
        OnDblClick(cmd);
        break;
    case CommandKind::MouseWheel:
        OnWheel(cmd);
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
    case CommandKind::GoToSpace:
        GoToSpace(cmd.index, cmd.space);
        break;
    case CommandKind::DialogOK:
        OnDialogOK(cmd);
        break;
    }
}

// A key without an entry (the "Options" button, for one) does nothing.
void Editor::OnButton(const Command& cmd) {
    if (const CommandTable::Handler* handler = commands_.FindButton(cmd.key))
        (*handler)(*this, cmd);
}

void Editor::OnMenu(const Command& cmd) {
    if (const CommandTable::Handler* handler = commands_.FindMenu(cmd.key))
        (*handler)(*this, cmd);
}

void Editor::RunButton(const std::string& key) {
    OnButton(Command::Button(key));
}

void Editor::RunMenu(const std::string& name) {
    OnMenu(Command::Menu(name));
}

void Editor::SetArea(float widthTwips, float heightTwips, bool visible) {
    // A maximised or resized window keeps showing what was in its middle.
    ResizeArea(view, widthTwips, heightTwips);
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
    shownMoves_ = display.ShowMoves ? CurrentReach() : MoveReach{};
    scene.moves = &shownMoves_;
    td::RefreshView(scene);
    ShowMovesPanel();
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
