#pragma once
// The user interface as plain data: toolbars, menus, status-bar panels and
// property-panel controls with their keys, names and texts. The Qt shell
// builds its widgets from these tables and the editor addresses the widgets
// by the same keys, so every visible text is written here and nowhere else.

#include <string>
#include <string_view>
#include <vector>

namespace td {

// ---------------------------------------------------------------- toolbars

enum class ButtonStyle {
    Normal,    // a command button
    Check,     // one of a pressed-button group (see ButtonDef::group)
    Separator, // a gap between groups; no key
    Spacer,    // an empty placeholder button; no key, may carry a tag
    Split,     // a command button with a drop-down list of entries
};

enum class ButtonGroup {
    None,
    Modes,     // the eight editing modes; exactly one is pressed
    Grids,     // the three grid settings; exactly one is pressed
    PolyTools, // the six polygon tools; exactly one is pressed
};

// One entry of a split button's drop-down list.
struct DropEntryDef {
    std::string caption;
    std::string tag; // "Fill" or "Outline"
    int index = 0;   // 1-based; the palette index it stands for
};

struct ButtonDef {
    ButtonStyle style = ButtonStyle::Normal;
    std::string key;         // dispatch value; empty for separators and spacers
    std::string tag;         // "Space", "Polygon" or empty
    std::string description; // short name; the status bar shows it for modes and grids
    std::string tooltip;
    std::string image; // image key; equals key unless the image is shared
    ButtonGroup group = ButtonGroup::None;
    // False for the buttons that only make sense once a track exists: hidden
    // at start-up and shown by the editor reset.
    bool visibleWithoutTrack = true;
    bool initiallyPressed = false;
    std::vector<DropEntryDef> dropEntries; // Split buttons only
};

// Main toolbar, in display order.
const std::vector<ButtonDef>& MainToolbar();
// Polygon toolbar, in display order (hidden outside polygon mode).
const std::vector<ButtonDef>& PolyToolbar();

// The button with that key, or nullptr.
const ButtonDef* FindMainButton(std::string_view key);
const ButtonDef* FindPolyButton(std::string_view key);

// Keys of the mode group and the grid group, in toolbar order.
const std::vector<std::string>& ModeKeys();
const std::vector<std::string>& GridKeys();
bool IsModeKey(std::string_view key);
bool IsGridKey(std::string_view key);

// Number of main toolbar buttons that are shown before any track exists.
constexpr int AlwaysVisibleButtons = 3;

// Names of the nine palette colours, index 1..9 (index 0 unused).
const std::vector<std::string>& PaletteNames();

// ---------------------------------------------------------------- menus

enum class MenuItemKind { Item, Separator, Submenu };

struct MenuItemDef {
    MenuItemKind kind = MenuItemKind::Item;
    // Unique name the editor addresses it by; indexed items read
    // "MnuRecentTrack(0)", "MnuDetail(2)". Separators may have no name.
    std::string name;
    std::string caption;  // with the "&" mnemonic marker
    std::string shortcut; // "Ctrl+O" style, several separated by "; ", empty for none
    bool checkable = false;
    bool radio = false; // checkable and exclusive within its submenu
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItemDef> items; // Submenu only
};

struct MenuDef {
    std::string name;
    std::string caption;
    // Context menus are popped up by the editor and never shown in the menu bar.
    bool contextOnly = false;
    std::vector<MenuItemDef> items;
};

// "&File", "&Tools", "&Options", "&Help", then the context menus
// "MnuCorner", "MnuPoly", "MnuVertex".
const std::vector<MenuDef>& Menus();
// A menu item anywhere in the tables (submenus included), or nullptr.
const MenuItemDef* FindMenuItem(std::string_view name);
const MenuDef* FindMenu(std::string_view name);

// Indexed item names.
std::string RecentTrackItem(int i); // "MnuRecentTrack(i)", i = 0..4
std::string DetailItem(int k);      // "MnuDetail(k)", k = 1..4
constexpr int RecentTrackCount = 5;

// Captions the editor sets on the filled/wireframe item: each names the mode
// that the next click switches to.
extern const char* const CaptionDrawWireframe;
extern const char* const CaptionDrawFilled;

// ---------------------------------------------------------------- status bar

struct PanelDef {
    std::string key;
    std::string text; // shown before any track exists
    std::string tooltip;
};

const std::vector<PanelDef>& StatusPanels();

// ---------------------------------------------------------------- property panel

// Number: a whole number in minimum..maximum that the wheel and the +/- keys
// step; its changes come as PanelText commands.
enum class ControlKind { Label, Combo, Text, Number };

struct ControlDef {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption; // labels only
    std::string tooltip;
    std::string labelName;            // the label beside a combo or text box
    std::vector<std::string> entries; // combo entries in list order
    std::vector<int> itemData;        // combo item data, parallel to entries (may be empty)
    bool polygonControl = false;      // shown only in polygon mode
    bool initiallyVisible = true;
    int minimum = 0; // Number boxes only
    int maximum = 0;
    // Text boxes only: the text is handed on when the typing ends (Enter or
    // leaving the box), not with every key.
    bool applyOnFinish = false;
};

// The space controls (the symbol, position, gap and grid inputs, then the
// X, Y, Angle and Length boxes, each before its label), the four polygon
// controls, inputs before their labels, then the Show Moves box and its label.
const std::vector<ControlDef>& PropertyControls();
const ControlDef* FindControl(std::string_view name);

// The move counts the Show Moves box offers.
constexpr int MinShownMoves = 1;
constexpr int MaxShownMoves = 40;

// Window title and the product name used as message box title.
extern const char* const AppTitle;

} // namespace td
