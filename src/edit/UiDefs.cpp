#include "edit/UiDefs.h"

#include "edit/KeyHints.h"
#include "model/Track.h"

namespace td {

const char* const AppTitle = "Tarvel Track Designer";
const char* const CaptionDrawWireframe = "Draw Wireframe";
const char* const CaptionDrawFilled = "Draw Filled Polygons";

namespace {

ButtonDef Btn(std::string key, std::string tag, std::string description, std::string tooltip) {
    ButtonDef b;
    b.key = key;
    b.image = std::move(key);
    b.tag = std::move(tag);
    b.description = std::move(description);
    b.tooltip = std::move(tooltip);
    return b;
}

ButtonDef Separator() {
    ButtonDef b;
    b.style = ButtonStyle::Separator;
    return b;
}

ButtonDef Spacer(std::string tag) {
    ButtonDef b;
    b.style = ButtonStyle::Spacer;
    b.tag = std::move(tag);
    return b;
}

ButtonDef InGroup(ButtonDef b, ButtonGroup g) {
    b.style = ButtonStyle::Check;
    b.group = g;
    return b;
}

ButtonDef WithImage(ButtonDef b, std::string image) {
    b.image = std::move(image);
    return b;
}

std::vector<ButtonDef> BuildMainToolbar() {
    const auto M = ButtonGroup::Modes;
    const auto G = ButtonGroup::Grids;
    std::vector<ButtonDef> t = {
        Btn("New3Lane", "", "New 3 Lane Track", "Create a new 3-lane track"),
        Btn("New4Lane", "", "New 4 Lane Track", "Create a new 4-lane track"),
        Btn("LoadTrack", "", "Load Track", "Load a track file"),
        Btn("SaveTrack", "", "Save Track", "Save the current track file"),
        Separator(),
        Btn("TrackInfo", "", "TrackInfo", "Edit detailed info about the track"),
        Separator(),
        Btn("RefreshView", "", "Refresh View", "Refresh the drawing area"),
        Btn("CenterView", "", "Reset View", "Reset the view back to the origin"),
        Btn("CenterSpace", "", "Center Space", "Center the current space in the view"),
        Separator(),
        InGroup(Btn("ZoomView", "", "Zoom View", "Zoom the view in and out"), M),
        InGroup(Btn("TranslateView", "", "Translate View", "Drag the view window"), M),
        InGroup(Btn("TranslateSpace", "", "Translate Space", "Move the current track space"), M),
        InGroup(Btn("RotateSpace", "", "Rotate Space", "Rotate the current track space"), M),
        InGroup(Btn("TranslateTrack", "", "Translate Track", "Move the entire track"), M),
        InGroup(Btn("RotateTrack", "", "Rotate Track", "Rotate the entire track"), M),
        InGroup(Btn("EditCorner", "", "Edit Corner",
                    "Create/Edit corner \"flags\" on the track layout"),
                M),
        InGroup(Btn("PolyMode", "", "Polygon Mode", "Draw background polygons"), M),
        Spacer("Space"),
        Btn("AddSpace", "Space", "", "Add the current space to the track layout"),
        Btn("DeleteSpace", "Space", "Delete Space",
            "Delete the current space from the track layout"),
        Btn("ResetSpace", "Space", "Reset Space", "Reset the space back to original location"),
        Btn("ChangeCOR", "Space", "", "Change the current Center of Rotation"),
        Btn("ScaleSpaceUp", "Space", "Scale Space Up", "Increase the length of the current space"),
        Btn("ScaleSpaceDown", "Space", "Scale Space Down",
            "Decrease the length of the current space"),
        WithImage(Btn("SetPrimarySpace", "Space", "Set Primary Space",
                      "Set the current space as the \"primary\""),
                  "PrimarySpace"),
        WithImage(Btn("SetNextSpace", "Space", "Set Next Space",
                      "Set the current space as a \"next\" option"),
                  "NextSpace"),
        WithImage(Btn("SetAdjacentSpace", "Space", "Set Adjacent Space",
                      "Set the current space as adjacent to the \"primary\""),
                  "AdjacentSpace"),
        Separator(),
        InGroup(Btn("GridFine", "", "Fine Grid ", "Fine grid setting"), G),
        InGroup(Btn("GridMedium", "", "Medium Grid ", "Medium grid setting"), G),
        InGroup(Btn("GridCoarse", "", "Coarse Grid", "Coarse grid setting"), G),
        Separator(),
        Btn("Options", "", "", "Set program options"),
    };
    for (size_t i = 0; i < t.size(); ++i) {
        t[i].visibleWithoutTrack = i < static_cast<size_t>(AlwaysVisibleButtons);
        t[i].tooltip = TooltipWithKey(t[i].key, t[i].tooltip);
    }
    return t;
}

std::vector<DropEntryDef> PaletteEntries(const std::string& tag) {
    std::vector<DropEntryDef> e;
    for (int k = 1; k <= 9; ++k)
        e.push_back({PaletteNames()[static_cast<size_t>(k)], tag, k});
    return e;
}

std::vector<ButtonDef> BuildPolyToolbar() {
    const auto T = ButtonGroup::PolyTools;
    std::vector<ButtonDef> t = {
        WithImage(InGroup(Btn("CreatePoly", "", "", "Create a new polygon"), T), "NewPoly"),
        WithImage(InGroup(Btn("CreateRectangle", "", "", "Create a new rectangle polygon"), T),
                  "NewRectangle"),
        WithImage(InGroup(Btn("CreateRoad", "", "", "Create a new road polygon"), T), "NewRoad"),
        InGroup(Btn("EditPolyVertex", "", "", "Create/Edit vertices of the current polygon"), T),
        InGroup(Btn("TranslatePoly", "", "", "Move the current polygon"), T),
        InGroup(Btn("RotatePoly", "", "", "Rotate the current polygon"), T),
        Separator(),
        Btn("DeletePoly", "", "", "Delete the current polygon"),
        Btn("PolyFillcolor", "Polygon", "Poly Fillcolor", "Edit the current polygon fill color"),
        Btn("PolyOutline", "Polygon", "Poly Outline", "Edit the current polygon outline color"),
        Btn("PolyFront", "", "", "Move the current polygon to the front of the Z order"),
        Btn("PolyForward", "Polygon", "Poly Forward",
            "Move the current polygon forward in the Z order"),
        Btn("PolyBackward", "Polygon", "Poly Backward",
            "Move the current polygon backward in the Z order"),
        Btn("PolyBack", "Polygon", "", "Move the current polygon to the back of the Z order"),
        Spacer("Polygon"),
    };
    t[0].initiallyPressed = true;
    for (auto& b : t) {
        if (b.key == "PolyFillcolor" || b.key == "PolyOutline") {
            b.style = ButtonStyle::Split;
            b.dropEntries = PaletteEntries(b.key == "PolyFillcolor" ? "Fill" : "Outline");
        }
    }
    return t;
}

const ButtonDef* FindIn(const std::vector<ButtonDef>& bar, std::string_view key) {
    if (key.empty())
        return nullptr;
    for (const auto& b : bar)
        if (b.key == key)
            return &b;
    return nullptr;
}

std::vector<std::string> KeysOf(ButtonGroup g) {
    std::vector<std::string> keys;
    for (const auto& b : MainToolbar())
        if (b.group == g)
            keys.push_back(b.key);
    return keys;
}

// ---- menus

MenuItemDef Item(std::string name, std::string caption, std::string shortcut = {}) {
    MenuItemDef m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.shortcut = std::move(shortcut);
    return m;
}

MenuItemDef Disabled(MenuItemDef m) {
    m.enabled = false;
    return m;
}

MenuItemDef Hidden(MenuItemDef m) {
    m.visible = false;
    return m;
}

MenuItemDef Checked(MenuItemDef m, bool radio = false) {
    m.checkable = true;
    m.checked = true;
    m.radio = radio;
    return m;
}

MenuItemDef Sep(std::string name = {}) {
    MenuItemDef m;
    m.kind = MenuItemKind::Separator;
    m.name = std::move(name);
    return m;
}

MenuItemDef Sub(std::string name, std::string caption, std::vector<MenuItemDef> items) {
    MenuItemDef m = Item(std::move(name), std::move(caption));
    m.kind = MenuItemKind::Submenu;
    m.items = std::move(items);
    return m;
}

MenuDef BuildFileMenu() {
    MenuDef m{"MnuFile", "&File", false, {}};
    m.items = {
        Item("MnuNew3", "New &3-Lane Track"),
        Item("MnuNew4", "New &4-Lane Track"),
        Item("MnuOpen", "&Open", "Ctrl+O"),
        Item("MnuImportCircuit", "&Import Circuit..."),
        Disabled(Item("MnuSave", "&Save", "Ctrl+S")),
        Disabled(Item("MnuSaveAs", "Save &As...", "Ctrl+A")),
        Sep(),
        Disabled(Item("MnuTrackInfo", "&Track Info", "Ctrl+T")),
        Sep(),
    };
    for (int i = 0; i < RecentTrackCount; ++i)
        m.items.push_back(Hidden(Item(RecentTrackItem(i), "Recent Track")));
    m.items.push_back(Hidden(Sep("Separator3")));
    m.items.push_back(Item("MnuExit", "E&xit"));
    return m;
}

// Undo and redo name the step they take back or do again; the editor sets
// their captions.
MenuDef BuildEditMenu() {
    return MenuDef{"MnuEdit",
                   "&Edit",
                   false,
                   {Disabled(Item("MnuUndo", "&Undo", "Ctrl+Z")),
                    Disabled(Item("MnuRedo", "&Redo", "Ctrl+Y; Ctrl+Shift+Z")), Sep(),
                    Disabled(Item("MnuGoToSpace", "&Go to Space...", "Ctrl+G"))}};
}

// The track tools stay disabled until a track exists.
MenuDef BuildToolsMenu() {
    MenuDef m{"MnuTools", "&Tools", false, {}};
    m.items = {
        Disabled(Item("MnuReorder", "&Reorder Lane")),
        Disabled(Item("MnuBuildLaneBeside", "Build &Lane Beside")),
        Disabled(Item("MnuCreatePitPaint", "Create &Pit \"Paint\" Spaces")),
        Disabled(Item("MnuAssignSeg", "&Assign Segments")),
        Disabled(Item("MnuAutoTagSpaces", "Auto-&Tag Spaces")),
        Disabled(Item("MnuAutoTagCorners", "Auto-Tag &Corners")),
        Disabled(Sub("MnuClearTags", "Clear Tags",
                     {Item("MnuClearAllTags", "Cl&ear All Tags"),
                      Item("MnuClearCornerTags", "Clear Corner Tags"),
                      Item("MnuClearStraightTags", "Clear Straight Tags")})),
        Disabled(Sub("MnuStartingGrid", "Starting Grid",
                     {Item("MnuNormalStartGrid", "Create Normal Grid"),
                      Item("MnuTightStartGrid", "Create Tight Grid"),
                      Item("MnuClearStartGrid", "Clear Starting Grid")})),
        Disabled(Item("MnuSetBackColor", "Set &Background Color")),
        Disabled(Item("MnuCreateOutline", "Create &Outline Polys")),
        Disabled(Item("MnuCenterTrack", "&Center Track")),
        Disabled(Item("MnuMeasureCorners", "&Measure Corners")),
        Sep(),
        Disabled(Item("MnuCheckTrack", "Chec&k Track...")),
    };
    return m;
}

// Off until the author turns it on.
MenuItemDef ShowMovesItem() {
    MenuItemDef m = Checked(Item("MnuShowMoves", "Show &Moves", "Ctrl+M"));
    m.checked = false;
    return m;
}

MenuDef BuildOptionsMenu() {
    static const char* const details[4] = {"Low", "Medium", "High", "VeryHigh"};
    std::vector<MenuItemDef> levels;
    for (int k = 1; k <= 4; ++k) {
        MenuItemDef d = Checked(Item(DetailItem(k), details[k - 1]), true);
        d.checked = k == 2;
        levels.push_back(std::move(d));
    }
    MenuDef m{"MnuOptions", "&Options", false, {}};
    m.items = {
        Item("MnuDrawFullDetail", "Draw &Filled Polygons"),
        Sub("MnuTrackDetailLevel", "Track &Detail Level", std::move(levels)),
        Sep(),
        Checked(Item("MnuDrawWorldCOR", "Draw &World COR")),
        Checked(Item("MnuDrawSpaceCOR", "Draw Space C&OR")),
        Checked(Item("MnuDrawTrackVector", "Draw &Track Vector")),
        Checked(Item("MnuDrawNext", "Draw \"&Next\" Spaces")),
        Checked(Item("MnuDrawAdjacent", "Draw &Adjacent Spaces")),
        Checked(Item("MnuDrawSymbol", "Draw Space S&ymbols")),
        Checked(Item("MnuDrawFlags", "Draw Corner F&lags")),
        ShowMovesItem(),
        Sep(),
        Item("MnuFitTrack", "&Fit Track in View", "Ctrl+0"),
    };
    return m;
}

std::vector<MenuDef> BuildMenus() {
    return {
        BuildFileMenu(),
        BuildEditMenu(),
        BuildToolsMenu(),
        BuildOptionsMenu(),
        MenuDef{"MnuHelp", "&Help", false, {Item("MnuAbout", "&About")}},
        MenuDef{
            "MnuCorner",
            "Corner Menu",
            true,
            {Item("MnuCornerInfo", "Edit Corner Info"), Item("MnuDeleteCorner", "Delete Corner")}},
        MenuDef{"MnuPoly",
                "Polygon Menu",
                true,
                {Item("MnuPolyFillColor", "Polygon Fill Color"),
                 Item("MnuPolyOutline", "Polygon Outline Color"),
                 Item("MnuDupPoly", "Duplicate Polygon"), Item("MnuDeletePoly", "Delete Polygon")}},
        MenuDef{"MnuVertex",
                "Vertex Menu",
                true,
                {Item("MnuAddVtx", "Add Vertex"), Item("MnuDeleteVtx", "Delete Vertex")}},
    };
}

const MenuItemDef* FindItemIn(const std::vector<MenuItemDef>& items, std::string_view name) {
    for (const auto& it : items) {
        if (!it.name.empty() && it.name == name)
            return &it;
        if (const auto* sub = FindItemIn(it.items, name))
            return sub;
    }
    return nullptr;
}

// ---- property panel

const char* const SymbolTip = "Symbol to be drawn on the current space";

ControlDef Label(std::string name, std::string caption, bool poly) {
    ControlDef c;
    c.name = std::move(name);
    c.kind = ControlKind::Label;
    c.caption = std::move(caption);
    c.polygonControl = poly;
    c.initiallyVisible = !poly;
    return c;
}

ControlDef Input(std::string name, ControlKind kind, std::string label, std::string tooltip,
                 bool poly) {
    ControlDef c;
    c.name = std::move(name);
    c.kind = kind;
    c.labelName = std::move(label);
    c.tooltip = std::move(tooltip);
    c.polygonControl = poly;
    c.initiallyVisible = !poly;
    return c;
}

ControlDef Placement(std::string name, std::string label, std::string tooltip) {
    ControlDef c =
        Input(std::move(name), ControlKind::Text, std::move(label), std::move(tooltip), false);
    c.applyOnFinish = true;
    return c;
}

ControlDef MovesBox() {
    ControlDef c = Input("MovesTxt", ControlKind::Number, "MovesLblTxt",
                         "Moves of a car from the current space that Show Moves marks", false);
    c.minimum = MinShownMoves;
    c.maximum = MaxShownMoves;
    return c;
}

std::vector<ControlDef> BuildControls() {
    ControlDef symbol =
        Input("SpacePropCombo", ControlKind::Combo, "SpacePropLblTxt", SymbolTip, false);
    for (const auto& e : SymbolTable()) {
        symbol.entries.emplace_back(e.text);
        symbol.itemData.push_back(e.code);
    }

    ControlDef gap = Input("GapPartCombo", ControlKind::Combo, "GapPartLblTxt", SymbolTip, false);
    for (const char* t : GapPartTexts())
        gap.entries.emplace_back(t);

    ControlDef grid =
        Input("StartingGridCombo", ControlKind::Combo, "StartingGridLblTxt", SymbolTip, false);
    grid.entries = {"None", "Pole Position"};
    for (int k = 2; k <= 20; ++k)
        grid.entries.push_back("Space " + std::to_string(k));

    ControlDef detail = Input("PolyDetailCombo", ControlKind::Combo, "PolyDetailLblTxt",
                              "Set the track detail level at which the polygon is shown", true);
    detail.entries = {"Medium", "High", "Very High"};

    return {
        std::move(symbol),
        Label("SpacePropLblTxt", "Symbol", false),
        Input("SpacePosTxt", ControlKind::Text, "SpacePosLblTxt",
              "Current space's \"position\" relative to other spaces", false),
        Label("SpacePosLblTxt", "Position", false),
        Placement("SpaceXTxt", "SpaceXLblTxt", "Centre of the current space across (world units)"),
        Label("SpaceXLblTxt", "X", false),
        Placement("SpaceYTxt", "SpaceYLblTxt", "Centre of the current space down (world units)"),
        Label("SpaceYLblTxt", "Y", false),
        Placement("SpaceAngleTxt", "SpaceAngleLblTxt", "Angle of the current space (degrees)"),
        Label("SpaceAngleLblTxt", "Angle", false),
        Placement("SpaceLengthTxt", "SpaceLengthLblTxt", "Length of the current space (0.8 to 2)"),
        Label("SpaceLengthLblTxt", "Length", false),
        std::move(gap),
        Label("GapPartLblTxt", "Gap/Partial", false),
        std::move(grid),
        Label("StartingGridLblTxt", "Starting Grid", false),
        std::move(detail),
        Label("PolyDetailLblTxt", "Detail Level", true),
        Input("PolyZOrderTxt", ControlKind::Text, "PolyZOrderLblTxt", "Set the polygon's Z order",
              true),
        Label("PolyZOrderLblTxt", "Z Order", true),
        MovesBox(),
        Label("MovesLblTxt", "Moves", false),
    };
}

} // namespace

const std::vector<ButtonDef>& MainToolbar() {
    static const std::vector<ButtonDef> t = BuildMainToolbar();
    return t;
}

const std::vector<ButtonDef>& PolyToolbar() {
    static const std::vector<ButtonDef> t = BuildPolyToolbar();
    return t;
}

const ButtonDef* FindMainButton(std::string_view key) {
    return FindIn(MainToolbar(), key);
}
const ButtonDef* FindPolyButton(std::string_view key) {
    return FindIn(PolyToolbar(), key);
}

const std::vector<std::string>& ModeKeys() {
    static const std::vector<std::string> k = KeysOf(ButtonGroup::Modes);
    return k;
}

const std::vector<std::string>& GridKeys() {
    static const std::vector<std::string> k = KeysOf(ButtonGroup::Grids);
    return k;
}

bool IsModeKey(std::string_view key) {
    for (const auto& k : ModeKeys())
        if (k == key)
            return true;
    return false;
}

bool IsGridKey(std::string_view key) {
    for (const auto& k : GridKeys())
        if (k == key)
            return true;
    return false;
}

const std::vector<std::string>& PaletteNames() {
    static const std::vector<std::string> names = {"",
                                                   "Track Color",
                                                   "Concrete",
                                                   "Roads",
                                                   "Grass",
                                                   "Tree/Hedge",
                                                   "Water (Ocean)",
                                                   "Water (Lake/Stream)",
                                                   "Gravel Trap",
                                                   "Sand (Beach)"};
    return names;
}

const std::vector<MenuDef>& Menus() {
    static const std::vector<MenuDef> m = BuildMenus();
    return m;
}

const MenuItemDef* FindMenuItem(std::string_view name) {
    for (const auto& menu : Menus())
        if (const auto* it = FindItemIn(menu.items, name))
            return it;
    return nullptr;
}

const MenuDef* FindMenu(std::string_view name) {
    for (const auto& menu : Menus())
        if (menu.name == name)
            return &menu;
    return nullptr;
}

std::string RecentTrackItem(int i) {
    return "MnuRecentTrack(" + std::to_string(i) + ")";
}
std::string DetailItem(int k) {
    return "MnuDetail(" + std::to_string(k) + ")";
}

const std::vector<PanelDef>& StatusPanels() {
    static const std::vector<PanelDef> p = {
        {"Mode", "Current Mode", "Choose the editing mode from the toolbar above"},
        {"Grid", "Grid Setting", "Choose the grid setting from the toolbar above"},
        {"Zoom", "Scale Amount", "Current Zoom level"},
        {"CurrLane", "Lane 1, Inside", "This is the current lane being edited"},
        {"CurrSpace", "Space:1", "Current space being edited"},
        {"SpaceX", "X:0", "X coordinate of current space being edited"},
        {"SpaceY", "Y:0", ""},
        {"CurrRot", "Ang:0", "Angle of current space being edited"},
        {"CurrScl", "Length:1", "Length of the current space"},
        {"Segment", "Segment:", "Segment current space belongs to"},
        {"Corner", "Corner: N/A", "Corner current space belongs to"},
        {"Moves", "", "Spaces a car on the current space reaches (Show Moves)"},
        {"Pointer", "Pointer", "Position of the pointer in the track"},
    };
    return p;
}

const std::vector<ControlDef>& PropertyControls() {
    static const std::vector<ControlDef> c = BuildControls();
    return c;
}

const ControlDef* FindControl(std::string_view name) {
    for (const auto& c : PropertyControls())
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace td
