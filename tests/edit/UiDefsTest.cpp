#include <gtest/gtest.h>

#include <set>

#include "edit/UiDefs.h"
#include "model/Track.h"

namespace td {
namespace {

void CollectNames(const std::vector<MenuItemDef>& items, std::vector<std::string>& out) {
    for (const auto& it : items) {
        if (!it.name.empty())
            out.push_back(it.name);
        CollectNames(it.items, out);
    }
}

// The host addresses buttons of both toolbars, menu items and controls by
// name alone, so each name may exist only once.
TEST(UiDefsTest, KeysAndNames_AreUniqueWhereTheHostLooksThemUp) {
    std::set<std::string> buttons;
    for (const auto* bar : {&MainToolbar(), &PolyToolbar()})
        for (const ButtonDef& b : *bar) {
            if (b.style == ButtonStyle::Separator || b.style == ButtonStyle::Spacer) {
                EXPECT_TRUE(b.key.empty());
                continue;
            }
            EXPECT_TRUE(buttons.insert(b.key).second) << b.key;
            EXPECT_FALSE(b.image.empty()) << b.key;
        }

    std::vector<std::string> names;
    for (const MenuDef& m : Menus()) {
        names.push_back(m.name);
        CollectNames(m.items, names);
    }
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());

    std::set<std::string> panels;
    for (const PanelDef& p : StatusPanels())
        EXPECT_TRUE(panels.insert(p.key).second) << p.key;
    EXPECT_EQ(panels.size(), 11u);
}

TEST(UiDefsTest, MainToolbar_GroupsAndVisibilityBeforeATrack) {
    const auto& bar = MainToolbar();
    EXPECT_EQ(ModeKeys(), (std::vector<std::string>{"ZoomView", "TranslateView", "TranslateSpace",
                                                    "RotateSpace", "TranslateTrack", "RotateTrack",
                                                    "EditCorner", "PolyMode"}));
    EXPECT_EQ(GridKeys(), (std::vector<std::string>{"GridFine", "GridMedium", "GridCoarse"}));
    EXPECT_EQ(bar[3].key, "SaveTrack");
    EXPECT_FALSE(bar[3].visibleWithoutTrack);
    EXPECT_TRUE(bar[2].visibleWithoutTrack);
    EXPECT_EQ(FindMainButton("SetNextSpace")->image, "NextSpace");
    EXPECT_EQ(FindMainButton("GridFine")->description, "Fine Grid ");

    int spaceButtons = 0;
    for (const ButtonDef& b : bar)
        if (b.tag == "Space" && !b.key.empty())
            ++spaceButtons;
    EXPECT_EQ(spaceButtons, 9);
    EXPECT_EQ(FindMainButton(""), nullptr);
    EXPECT_EQ(FindMainButton("CreatePoly"), nullptr);
}

TEST(UiDefsTest, PolyToolbar_SplitButtonsListThePaletteByIndex) {
    const ButtonDef* fill = FindPolyButton("PolyFillcolor");
    const ButtonDef* outline = FindPolyButton("PolyOutline");
    ASSERT_TRUE(fill && outline);
    ASSERT_EQ(fill->dropEntries.size(), 9u);
    EXPECT_EQ(fill->dropEntries[3].caption, "Grass");
    EXPECT_EQ(fill->dropEntries[3].index, 4);
    EXPECT_EQ(Palette[static_cast<size_t>(fill->dropEntries[3].index)], 0x1B7913u);
    EXPECT_EQ(fill->dropEntries[0].tag, "Fill");
    EXPECT_EQ(outline->dropEntries[8].tag, "Outline");
    EXPECT_EQ(outline->dropEntries[8].caption, "Sand (Beach)");
    EXPECT_EQ(FindPolyButton("CreateRoad")->image, "NewRoad");
    EXPECT_EQ(FindPolyButton("CreateRoad")->group, ButtonGroup::PolyTools);
}

TEST(UiDefsTest, FileMenu_OrderAndInitialState) {
    const MenuDef* file = FindMenu("MnuFile");
    ASSERT_TRUE(file);
    std::vector<std::string> order;
    for (const auto& it : file->items)
        order.push_back(it.kind == MenuItemKind::Separator && it.name.empty() ? "-" : it.name);
    EXPECT_EQ(order, (std::vector<std::string>{
                         "MnuNew3", "MnuNew4", "MnuOpen", "MnuSave", "MnuSaveAs", "-",
                         "MnuTrackInfo", "-", "MnuRecentTrack(0)", "MnuRecentTrack(1)",
                         "MnuRecentTrack(2)", "MnuRecentTrack(3)", "MnuRecentTrack(4)",
                         "Separator3", "MnuExit"}));
    EXPECT_EQ(FindMenuItem("MnuSaveAs")->shortcut, "Ctrl+A");
    EXPECT_FALSE(FindMenuItem("MnuTrackInfo")->enabled);
    EXPECT_FALSE(FindMenuItem("Separator3")->visible);
    EXPECT_FALSE(FindMenuItem("MnuRecentTrack(4)")->visible);
    EXPECT_EQ(FindMenuItem("MnuRecentTrack(4)")->caption, "Recent Track");
}

TEST(UiDefsTest, NestedItems_AreFoundWithTheirState) {
    EXPECT_TRUE(FindMenuItem("MnuDetail(2)")->checked);
    EXPECT_FALSE(FindMenuItem("MnuDetail(3)")->checked);
    EXPECT_TRUE(FindMenuItem("MnuDetail(3)")->radio);
    EXPECT_EQ(FindMenuItem("MnuClearStraightTags")->caption, "Clear Straight Tags");
    EXPECT_FALSE(FindMenuItem("MnuStartingGrid")->enabled);
    EXPECT_TRUE(FindMenu("MnuVertex")->contextOnly);
    EXPECT_FALSE(FindMenu("MnuOptions")->contextOnly);
    EXPECT_EQ(FindMenuItem("MnuNoSuchThing"), nullptr);
}

TEST(UiDefsTest, PropertyControls_CombosCarryTheirEntriesAndLabels) {
    const ControlDef* symbol = FindControl("SpacePropCombo");
    ASSERT_TRUE(symbol);
    ASSERT_EQ(symbol->entries.size(), 28u);
    ASSERT_EQ(symbol->itemData.size(), 28u);
    EXPECT_EQ(symbol->itemData[15], 40);
    EXPECT_EQ(symbol->entries[27], "Finish line, right");
    const ControlDef* grid = FindControl("StartingGridCombo");
    ASSERT_EQ(grid->entries.size(), 21u);
    EXPECT_EQ(grid->entries[1], "Pole Position");
    EXPECT_EQ(grid->entries[20], "Space 20");
    EXPECT_EQ(FindControl("PolyDetailCombo")->entries[2], "Very High");
    for (const ControlDef& c : PropertyControls()) {
        if (c.kind == ControlKind::Label)
            continue;
        const ControlDef* label = FindControl(c.labelName);
        ASSERT_TRUE(label) << c.name;
        EXPECT_EQ(label->polygonControl, c.polygonControl) << c.name;
        EXPECT_EQ(c.initiallyVisible, !c.polygonControl) << c.name;
    }
}

} // namespace
} // namespace td
