#include "EditorFixture.h"

namespace td::test {
namespace {

using OptionsTest = EditorFixture;

TEST_F(OptionsTest, ModeButton_ChangesModePanelAndPointerWithoutRedraw) {
    StartWithNewTrack();
    const int redraws = editor.RefreshCount;
    Button("TranslateSpace");
    EXPECT_EQ(editor.EditMode, "TranslateSpace");
    EXPECT_EQ(host.panels["Mode"], "Translate Space");
    EXPECT_TRUE(host.Pressed("TranslateSpace"));
    EXPECT_FALSE(host.Pressed("TranslateView"));
    EXPECT_EQ(host.pointer, "TranslateSpace");
    EXPECT_EQ(editor.RefreshCount, redraws);
}

TEST_F(OptionsTest, PolygonToolButton_OnlyChangesThePressedTool) {
    StartWithNewTrack();
    Button("PolyMode");
    const size_t polygons = editor.track.BackPolys.size();
    Button("CreateRoad");
    EXPECT_EQ(editor.PolyTool, "CreateRoad");
    EXPECT_TRUE(host.Pressed("CreateRoad"));
    EXPECT_FALSE(host.Pressed("CreatePoly"));
    EXPECT_EQ(editor.EditMode, "PolyMode");
    EXPECT_EQ(editor.track.BackPolys.size(), polygons);
}

TEST_F(OptionsTest, GridButton_SetsGridPairAndPanelWithoutRedraw) {
    StartWithNewTrack();
    const int redraws = editor.RefreshCount;
    Button("GridFine");
    EXPECT_FLOAT_EQ(editor.view.CurrentGrid.Distance, 5.0f);
    EXPECT_EQ(editor.view.CurrentGrid.Angle, 1);
    EXPECT_EQ(host.panels["Grid"], "Fine Grid ");
    Button("GridCoarse");
    EXPECT_FLOAT_EQ(editor.view.CurrentGrid.Distance, 150.0f);
    EXPECT_EQ(editor.view.CurrentGrid.Angle, 15);
    EXPECT_EQ(host.panels["Grid"], "Coarse Grid");
    EXPECT_EQ(editor.RefreshCount, redraws);
}

TEST_F(OptionsTest, DisplayItems_FlipCheckAndLayerAndRedraw) {
    StartWithNewTrack();
    const std::pair<const char*, bool DisplayOptions::*> items[] = {
        {"MnuDrawWorldCOR", &DisplayOptions::DrawWorldCOR},
        {"MnuDrawSpaceCOR", &DisplayOptions::DrawSpaceCOR},
        {"MnuDrawTrackVector", &DisplayOptions::DrawTrackVector},
        {"MnuDrawNext", &DisplayOptions::DrawNext},
        {"MnuDrawAdjacent", &DisplayOptions::DrawAdjacent},
        {"MnuDrawSymbol", &DisplayOptions::DrawSymbol},
        {"MnuDrawFlags", &DisplayOptions::DrawFlags}};
    for (const auto& [name, field] : items) {
        const int redraws = editor.RefreshCount;
        Menu(name);
        EXPECT_FALSE(editor.display.*field) << name;
        EXPECT_FALSE(host.menuChecked[name]) << name;
        Menu(name);
        EXPECT_TRUE(editor.display.*field) << name;
        EXPECT_TRUE(host.menuChecked[name]) << name;
        EXPECT_EQ(editor.RefreshCount, redraws + 2) << name;
    }
}

TEST_F(OptionsTest, NextAndAdjacentOff_DisablePrimaryUntilEitherReturns) {
    StartWithNewTrack();
    Menu("MnuDrawNext");
    EXPECT_FALSE(host.buttonEnabled["SetNextSpace"]);
    EXPECT_TRUE(host.buttonEnabled["SetPrimarySpace"]);
    Menu("MnuDrawAdjacent");
    EXPECT_FALSE(host.buttonEnabled["SetAdjacentSpace"]);
    EXPECT_FALSE(host.buttonEnabled["SetPrimarySpace"]);
    Menu("MnuDrawAdjacent");
    EXPECT_TRUE(host.buttonEnabled["SetPrimarySpace"]);
    EXPECT_TRUE(host.buttonEnabled["SetAdjacentSpace"]);
    EXPECT_FALSE(host.buttonEnabled["SetNextSpace"]);
}

TEST_F(OptionsTest, SpaceCorAndSymbolItems_SwitchTheirControls) {
    StartWithNewTrack();
    Menu("MnuDrawSpaceCOR");
    EXPECT_FALSE(host.buttonEnabled["ChangeCOR"]);
    Menu("MnuDrawSymbol");
    EXPECT_FALSE(host.controlEnabled["SpacePropCombo"]);
    Menu("MnuDrawSpaceCOR");
    Menu("MnuDrawSymbol");
    EXPECT_TRUE(host.buttonEnabled["ChangeCOR"]);
    EXPECT_TRUE(host.controlEnabled["SpacePropCombo"]);
}

TEST_F(OptionsTest, FlagsOff_LeavesCornerModeForRotateSpace) {
    StartWithNewTrack();
    Button("EditCorner");
    Menu("MnuDrawFlags");
    EXPECT_FALSE(host.buttonEnabled["EditCorner"]);
    EXPECT_EQ(editor.EditMode, "RotateSpace");
    EXPECT_TRUE(host.Pressed("RotateSpace"));
    EXPECT_FALSE(host.Pressed("EditCorner"));
    EXPECT_EQ(host.panels["Mode"], "Rotate Space");
    Menu("MnuDrawFlags");
    EXPECT_TRUE(host.buttonEnabled["EditCorner"]);
    EXPECT_EQ(editor.EditMode, "RotateSpace");
}

TEST_F(OptionsTest, FullDetail_CaptionNamesTheOtherModeAndTwoClicksReturn) {
    StartWithNewTrack();
    EXPECT_TRUE(editor.display.Filled);
    Menu("MnuDrawFullDetail");
    EXPECT_FALSE(editor.display.Filled);
    EXPECT_EQ(host.menuCaption["MnuDrawFullDetail"], "Draw Filled Polygons");
    Key(VK::F);
    EXPECT_TRUE(editor.display.Filled);
    EXPECT_EQ(host.menuCaption["MnuDrawFullDetail"], "Draw Wireframe");
}

TEST_F(OptionsTest, DetailLevel_ChecksOnlyTheChosenItem) {
    StartWithNewTrack();
    Menu("MnuDetail(4)");
    EXPECT_EQ(editor.view.DetailLevel, 4);
    EXPECT_TRUE(host.menuChecked["MnuDetail(4)"]);
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(host.menuChecked["MnuDetail(" + std::to_string(k) + ")"]);
    Menu("MnuDetail(9)");
    EXPECT_EQ(editor.view.DetailLevel, 4);
}

TEST_F(OptionsTest, BackColor_TakesChosenColourAndKeepsItOnCancel) {
    StartWithNewTrack();
    host.colours.push_back(0x0000FF);
    Menu("MnuSetBackColor");
    EXPECT_EQ(editor.track.BackColor, 0x0000FFu);
    Menu("MnuSetBackColor"); // cancelled
    EXPECT_EQ(host.log.back(), "ColorDialog " + std::to_string(0x0000FF));
    EXPECT_EQ(editor.track.BackColor, 0x0000FFu);
}

TEST_F(OptionsTest, CenterButtons_MoveOriginOrCurrentSpaceToAreaCentre) {
    StartWithNewTrack(true);
    editor.SetArea(10000.0f, 8000.0f, true);
    Button("CenterSpace");
    // Current space: Mid-Right space 0 at (-100, -100), zoom 2.5.
    EXPECT_FLOAT_EQ(editor.view.OffsetX, 5000.0f + 250.0f);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, 4000.0f + 250.0f);
    Button("CenterView");
    EXPECT_FLOAT_EQ(editor.view.OffsetX, 5000.0f);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, 4000.0f);
}

TEST_F(OptionsTest, HiddenArea_IsNotRedrawn) {
    StartWithNewTrack();
    editor.SetArea(10000.0f, 8000.0f, false);
    surface.Reset();
    Button("RefreshView");
    EXPECT_TRUE(surface.calls.empty());
    editor.SetArea(10000.0f, 8000.0f, true);
    EXPECT_GT(surface.Count(Op::Clear), 0u);
}

} // namespace
} // namespace td::test
