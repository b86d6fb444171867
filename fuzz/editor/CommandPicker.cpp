#include "CommandPicker.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "edit/CommandTable.h"
#include "edit/UiDefs.h"
#include "view/ViewTransform.h"

namespace td::fuzz {

namespace {

// Texts a box may be given: numbers of every form the readers meet, junk,
// out-of-range and locale forms.
const std::vector<std::string>& JunkTexts() {
    static const std::vector<std::string> texts = {
        "",      "0",     "-0",     "1",     "-1",     "1.5",    "2,5",  "2x",   "x",
        " 7",    "7 ",    "1e30",   "-1e30", "1e-45",  "nan",    "inf",  "-inf", "32767",
        "32768", "-32769", "65536", "2147483648", "99999999999999999999", "0x10", "+3",
        ".5",    "5.",    "-",      "1e",    "1.5.5",  "\t3",    "-0.0", "1000", "1001",
        "\xe9",  "a,b",   "\"q\"",  std::string(300, '9')};
    return texts;
}

// Virtual keys the editor binds, and some it does not.
const std::vector<int>& KeyCodes() {
    static const std::vector<int> codes = {
        VK::Enter, VK::Shift, VK::SpaceBar, VK::Left, VK::Up, VK::Right, VK::Down, VK::A,
        VK::C,     VK::D,     VK::F,        VK::H,    VK::L,  VK::N,     VK::O,    VK::P,
        VK::R,     VK::S,     VK::NumPlus,  VK::NumMinus, VK::F5, VK::Plus, VK::Minus,
        8,         9,         27,           46,       48,     57,        90,       89};
    return codes;
}

std::string NumberText(ByteSource& in, char separator) {
    const int whole = in.Range(-3000, 3000);
    if (in.Chance(2))
        return std::to_string(whole);
    return std::to_string(whole) + separator + std::to_string(in.Pick(100));
}

std::string PickText(ByteSource& in) {
    switch (in.Pick(4)) {
    case 0:
        return NumberText(in, '.');
    case 1:
        return NumberText(in, ',');
    case 2:
        return in.Bytes(8);
    default: {
        const auto& texts = JunkTexts();
        return texts[static_cast<size_t>(in.Pick(static_cast<int>(texts.size())))];
    }
    }
}

template <typename T>
const T& PickOf(ByteSource& in, const std::vector<T>& items) {
    return items[static_cast<size_t>(in.Pick(static_cast<int>(items.size())))];
}

void AddUnique(std::vector<std::string>& list, const std::string& name) {
    if (!name.empty() && std::find(list.begin(), list.end(), name) == list.end())
        list.push_back(name);
}

void MenuItemNames(const std::vector<MenuItemDef>& items, std::vector<std::string>& out) {
    for (const MenuItemDef& item : items) {
        if (item.kind == MenuItemKind::Submenu)
            MenuItemNames(item.items, out);
        else if (item.kind == MenuItemKind::Item)
            AddUnique(out, item.name);
    }
}

} // namespace

CommandPicker::CommandPicker() {
    CommandTable table;
    BuildCommandTable(table);
    for (const auto* bar : {&MainToolbar(), &PolyToolbar()})
        for (const ButtonDef& b : *bar)
            AddUnique(buttons_, b.key);
    for (const std::string& key : table.ButtonKeys())
        AddUnique(buttons_, key);
    for (const MenuDef& menu : td::Menus())
        MenuItemNames(menu.items, menus_);
    for (const std::string& name : table.MenuNames())
        AddUnique(menus_, name);
}

Command CommandPicker::PickButton(ByteSource& in) const {
    Command c = Command::Button(PickOf(in, buttons_));
    // An entry of a split button's drop-down list.
    const ButtonDef* def = FindPolyButton(c.key);
    if (!def)
        def = FindMainButton(c.key);
    if (def && !def->dropEntries.empty() && in.Chance(2)) {
        const DropEntryDef& entry = PickOf(in, def->dropEntries);
        c.text = entry.tag;
        c.index = entry.index;
    }
    return c;
}

PointF CommandPicker::PickPoint(ByteSource& in, const Editor& ed) const {
    const ViewState& v = ed.view;
    const Track& t = ed.track;
    const auto screen = [&](float wx, float wy) {
        return PointF{WorldToScreenX(v, wx), WorldToScreenY(v, wy)};
    };
    const auto jitter = [&](PointF p) {
        const int r = in.Chance(2) ? 0 : in.Range(-60, 60);
        return PointF{p.x + static_cast<float>(r), p.y + static_cast<float>(in.Range(-60, 60))};
    };
    switch (in.Pick(8)) {
    case 0:
    case 1:
        return {static_cast<float>(in.Word() % 12000), static_cast<float>(in.Word() % 9000)};
    case 2: {
        static const float extremes[] = {-1e7f, -1.0f, 0.0f, 11999.0f, 1e7f};
        return {extremes[in.Pick(5)], extremes[in.Pick(5)]};
    }
    case 3:
    case 4: {
        if (t.Lanes.empty())
            break;
        const Lane& lane = PickOf(in, t.Lanes);
        if (lane.Spaces.empty())
            break;
        const Space& s = PickOf(in, lane.Spaces);
        const PointF& p = s.Pt[static_cast<size_t>(in.Pick(in.Chance(2) ? 1 : 5))];
        return jitter(screen(p.x, p.y));
    }
    case 5: {
        if (t.Corners.empty())
            break;
        const Corner& c = PickOf(in, t.Corners);
        const PointF& p = c.Vtx[static_cast<size_t>(in.Pick(3))];
        return jitter(screen(p.x, p.y));
    }
    case 6: {
        if (t.BackPolys.empty())
            break;
        const BackPoly& poly = PickOf(in, t.BackPolys);
        if (poly.Vtxs.empty())
            break;
        const PointI& p = PickOf(in, poly.Vtxs);
        return jitter(screen(static_cast<float>(p.x), static_cast<float>(p.y)));
    }
    default:
        break;
    }
    // Near where the pointer last was: drags across the grid steps.
    return {ed.LastPt.x + static_cast<float>(in.Range(-200, 200)),
            ed.LastPt.y + static_cast<float>(in.Range(-200, 200))};
}

Command CommandPicker::PickMouse(ByteSource& in, const Editor& ed) const {
    static const CommandKind kinds[] = {CommandKind::MouseDown, CommandKind::MouseDown,
                                        CommandKind::MouseMove, CommandKind::MouseMove,
                                        CommandKind::MouseMove, CommandKind::MouseUp,
                                        CommandKind::MouseUp,   CommandKind::DblClick,
                                        CommandKind::MouseWheel};
    static const int buttons[] = {1, 1, 1, 2, 4, 0, 3, 5, 6, 7};
    const CommandKind kind = kinds[in.Pick(9)];
    const int button = buttons[in.Pick(10)];
    const int shift = in.Chance(2) ? 0 : in.Pick(8);
    const PointF p = PickPoint(in, ed);
    Command c = Command::Mouse(kind, button, shift, p.x, p.y);
    if (kind == CommandKind::MouseWheel)
        c.index = in.Chance(16) ? static_cast<int>(in.Word()) - 32768 : in.Range(-5, 5);
    return c;
}

Command CommandPicker::PickPanel(ByteSource& in, const Editor&) const {
    static const std::vector<const ControlDef*> texts = [] {
        std::vector<const ControlDef*> out;
        for (const ControlDef& c : PropertyControls())
            if (c.kind == ControlKind::Text || c.kind == ControlKind::Number)
                out.push_back(&c);
        return out;
    }();
    static const std::vector<const ControlDef*> combos = [] {
        std::vector<const ControlDef*> out;
        for (const ControlDef& c : PropertyControls())
            if (c.kind == ControlKind::Combo)
                out.push_back(&c);
        return out;
    }();
    if (in.Chance(2) && !combos.empty()) {
        const ControlDef& c = *PickOf(in, combos);
        const int n = static_cast<int>(c.entries.size());
        const int index = in.Chance(16) ? static_cast<int>(in.Word()) - 32768 : in.Range(-2, n + 1);
        return Command::Combo(c.name, index);
    }
    if (texts.empty())
        return Command::Tick();
    return Command::Text(PickOf(in, texts)->name, PickText(in));
}

Command CommandPicker::Next(ByteSource& in, const Editor& ed, std::string& popup) const {
    const int k = in.Pick(32);
    if (k < 6)
        return PickButton(in);
    if (k < 11)
        return Command::Menu(PickOf(in, menus_));
    if (k < 13)
        return Command::Menu(k == 11 ? "MnuUndo" : "MnuRedo");
    if (k < 17) {
        const int code = in.Chance(4) ? (in.Chance(8) ? in.Word() : in.Byte()) : PickOf(in, KeyCodes());
        return Command::Key(k < 16 ? CommandKind::KeyDown : CommandKind::KeyUp, code, in.Pick(8));
    }
    if (k < 24)
        return PickMouse(in, ed);
    if (k < 27)
        return PickPanel(in, ed);
    if (k == 27) {
        std::vector<std::string> boxes;
        const int n = in.Chance(8) ? in.Pick(7) : 4;
        for (int i = 0; i < n; ++i)
            boxes.push_back(PickText(in));
        return Command::DialogOK(in.Chance(8) ? "Junk" : "TDCornerProp", std::move(boxes));
    }
    if (k == 28)
        return Command::Tick();
    if (k == 29) {
        const int lanes = static_cast<int>(ed.track.Lanes.size());
        const int lane = in.Range(-1, lanes);
        const int spaces = ed.track.ValidLane(lane)
                               ? static_cast<int>(ed.track.Lanes[static_cast<size_t>(lane)].Spaces.size())
                               : 3;
        return Command::GoTo(lane, in.Chance(16) ? in.Word() : in.Range(-1, spaces + 1));
    }
    // An item of the context menu just popped up, or a mode.
    if (!popup.empty()) {
        std::vector<std::string> items;
        if (const MenuDef* menu = FindMenu(popup))
            MenuItemNames(menu->items, items);
        popup.clear();
        if (!items.empty())
            return Command::Menu(PickOf(in, items));
    }
    return Command::Button(PickOf(in, ModeKeys()));
}

std::string Describe(const Command& c) {
    const auto quoted = [](const std::string& s) {
        std::string out = "\"";
        for (unsigned char ch : s) {
            if (ch >= 32 && ch < 127 && ch != '"' && ch != '\\') {
                out += static_cast<char>(ch);
            } else {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02x", ch);
                out += buf;
            }
        }
        return out + "\"";
    };
    const auto at = [&] {
        char buf[64];
        std::snprintf(buf, sizeof buf, " at (%g, %g)", static_cast<double>(c.x),
                      static_cast<double>(c.y));
        return std::string(buf);
    };
    const auto mask = [&] { return c.shift ? " mask " + std::to_string(c.shift) : std::string(); };
    switch (c.kind) {
    case CommandKind::Button:
        return "button " + c.key + (c.text.empty() ? "" : " entry " + c.text + " " + std::to_string(c.index));
    case CommandKind::Menu:
        return "menu " + c.key;
    case CommandKind::KeyDown:
        return "key down " + std::to_string(c.keyCode) + mask();
    case CommandKind::KeyUp:
        return "key up " + std::to_string(c.keyCode) + mask();
    case CommandKind::MouseDown:
        return "mouse down button " + std::to_string(c.button) + mask() + at();
    case CommandKind::MouseMove:
        return "mouse move button " + std::to_string(c.button) + mask() + at();
    case CommandKind::MouseUp:
        return "mouse up button " + std::to_string(c.button) + mask() + at();
    case CommandKind::DblClick:
        return "double-click button " + std::to_string(c.button) + mask() + at();
    case CommandKind::MouseWheel:
        return "wheel " + std::to_string(c.index) + mask() + at();
    case CommandKind::PanelText:
        return "text " + c.key + " " + quoted(c.text);
    case CommandKind::PanelCombo:
        return "combo " + c.key + " entry " + std::to_string(c.index);
    case CommandKind::AutosaveTick:
        return "autosave tick";
    case CommandKind::GoToSpace:
        return "go to space " + std::to_string(c.index) + "/" + std::to_string(c.space);
    case CommandKind::DialogOK: {
        std::string out = "OK of " + c.key;
        for (const std::string& t : c.texts)
            out += " " + quoted(t);
        return out;
    }
    }
    return "?";
}

} // namespace td::fuzz
