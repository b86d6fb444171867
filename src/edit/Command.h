#pragma once
// One input to the editor. Every toolbar button, menu item, key press, mouse
// event, property-panel change and timer tick reaches the editor as a Command
// through Editor::Dispatch.

#include <string>
#include <utility>
#include <vector>

namespace td {

enum class CommandKind {
    // toolbar button: key = button key ("AddSpace", "GridFine", ...); an entry
    // of a split button's drop-down list also sets text = the entry's tag
    // ("Fill", "Outline") and index = its 1-based index (0: the button itself)
    Button,
    Menu,    // menu item: key = item name ("MnuOpen", "MnuDetail(3)", "MnuRecentTrack(0)")
    KeyDown, // keyCode = virtual-key code, shift = modifier mask
    KeyUp,
    MouseDown, // button (1 left, 2 right, 4 middle), shift mask (1 Shift, 2 Ctrl, 4 Alt), x/y in
               // twips
    MouseMove,
    MouseUp,
    DblClick,
    // mouse wheel: index = notches turned (+ away from the author), x/y the
    // pointer in twips, shift the modifier mask
    MouseWheel,
    PanelText,  // a property text box changed: key = control name, text = new text
    PanelCombo, // a property combo box changed: key = control name, index = entry
    AutosaveTick,
    // a dialog's OK button: key = the dialog's name ("TDCornerProp"), texts =
    // its text boxes in order
    DialogOK,
};

struct Command {
    CommandKind kind = CommandKind::Button;
    std::string key;
    std::string text;
    int index = 0;
    int keyCode = 0;
    int button = 0;
    int shift = 0;
    float x = 0.0f;
    float y = 0.0f;
    std::vector<std::string> texts;

    static Command Make(CommandKind kind, std::string k = {}) {
        Command c;
        c.kind = kind;
        c.key = std::move(k);
        return c;
    }
    static Command Button(std::string k) { return Make(CommandKind::Button, std::move(k)); }
    static Command Menu(std::string k) { return Make(CommandKind::Menu, std::move(k)); }
    static Command Tick() { return Make(CommandKind::AutosaveTick); }
    static Command Key(CommandKind kind, int code, int shift) {
        Command c = Make(kind);
        c.keyCode = code;
        c.shift = shift;
        return c;
    }
    static Command Mouse(CommandKind kind, int button, int shift, float x, float y) {
        Command c = Make(kind);
        c.button = button;
        c.shift = shift;
        c.x = x;
        c.y = y;
        return c;
    }
    static Command Text(std::string control, std::string t) {
        Command c = Make(CommandKind::PanelText, std::move(control));
        c.text = std::move(t);
        return c;
    }
    static Command DialogOK(std::string dialog, std::vector<std::string> boxes) {
        Command c = Make(CommandKind::DialogOK, std::move(dialog));
        c.texts = std::move(boxes);
        return c;
    }
    static Command Combo(std::string control, int i) {
        Command c = Make(CommandKind::PanelCombo, std::move(control));
        c.index = i;
        return c;
    }
};

} // namespace td
