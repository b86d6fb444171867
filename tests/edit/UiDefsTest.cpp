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
    EXPECT_EQ(panels.size(), 13u);
}

TEST(UiDefsTest, Lookups_FindNestedItemsAndRefuseUnknownNames) {
    EXPECT_TRUE(FindMenuItem("MnuDetail(2)")->checked);
    EXPECT_FALSE(FindMenuItem("Separator3")->visible);
    EXPECT_EQ(FindMenuItem("MnuNoSuchThing"), nullptr);
    EXPECT_EQ(FindMainButton(""), nullptr);
    EXPECT_EQ(FindMainButton("CreatePoly"), nullptr);
    EXPECT_EQ(FindPolyButton("PolyFillcolor")->dropEntries.size(), 9u);
    EXPECT_EQ(Palette[static_cast<size_t>(FindPolyButton("PolyFillcolor")->dropEntries[3].index)],
              0x1B7913u); // "Grass"
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
