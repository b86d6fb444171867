#include "EditorFixture.h"

#include <cstdio>

#include "edit/UiDefs.h"

namespace td::test {
namespace {

using PanelsTest = EditorFixture;

TEST_F(PanelsTest, SpacePanels_FormatCoordinatesAngleAndLength) {
    StartWithNewTrack();
    editor.sel.WorkPts[0] = {1234.5f, -0.25f};
    editor.sel.WorkRotation = 275;
    editor.sel.WorkScale = 1.1f;
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["SpaceX"], "X:1234.50");
    EXPECT_EQ(host.panels["SpaceY"], "Y:-0.25");
    EXPECT_EQ(host.panels["CurrRot"], "Ang:275\xB0");
    EXPECT_EQ(host.panels["CurrScl"], "Length:1.1");

    editor.sel.WorkPts[0] = {0.125f, -0.001f};
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["SpaceX"], "X:0.13");
    EXPECT_EQ(host.panels["SpaceY"], "Y:0.00");

    // The length is written the way the author's locale writes numbers.
    host.decimalSeparator = ',';
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["CurrScl"], "Length:1,1");
}

TEST_F(PanelsTest, CornerPanel_NumbersOddSegmentsOnly) {
    StartWithNewTrack();
    Space& s = editor.track.Lanes[2].Spaces[0];
    s.Segment = 5;
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["Segment"], "Segment:5");
    EXPECT_EQ(host.panels["Corner"], "Corner:3");
    s.Segment = 1;
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["Corner"], "Corner:1");
    s.Segment = 4;
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["Corner"], "Corner: N/A");
    // Halving rounds down, also below zero.
    s.Segment = -1;
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["Corner"], "Corner:0");
}

TEST_F(PanelsTest, PendingSpace_KeepsSegmentPanelAndDisablesDeleteAndReset) {
    StartWithNewTrack();
    editor.track.Lanes[2].Spaces[0].Segment = 3;
    editor.UpdateSpacePanels();
    editor.sel.CurSpace = 1; // after the only space of the lane
    editor.UpdateSpacePanels();
    EXPECT_EQ(host.panels["CurrSpace"], "Space 2");
    EXPECT_EQ(host.panels["Segment"], "Segment:3");
    Button("PolyMode"); // polygon mode keeps the space buttons disabled
    EXPECT_FALSE(host.buttonEnabled["DeleteSpace"]);
    EXPECT_FALSE(host.buttonEnabled["ResetSpace"]);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "1");
}

TEST_F(PanelsTest, PendingGarage_ShowsHalfPosition) {
    StartWithNewTrack();
    editor.sel.CurLane = 3; // "Garages" with ten spaces
    editor.sel.CurSpace = 10;
    editor.UpdateToolbarState();
    EXPECT_EQ(host.controlText["SpacePosTxt"], "10.5");
}

TEST_F(PanelsTest, PolyModeWithoutPolygons_ShowsDisabledPolygonToolbar) {
    StartWithNewTrack();
    Button("PolyMode");
    for (const ButtonDef& b : PolyToolbar()) {
        if (b.key.empty())
            continue;
        EXPECT_TRUE(host.buttonVisible[b.key]) << b.key;
        EXPECT_FALSE(host.buttonEnabled[b.key]) << b.key;
    }
    EXPECT_EQ(host.comboIndex["PolyDetailCombo"], 0);
    EXPECT_EQ(host.controlText["PolyZOrderTxt"], "0");
    EXPECT_TRUE(host.controlVisible["PolyZOrderLblTxt"]);
    EXPECT_FALSE(host.controlVisible["SpacePosTxt"]);
    EXPECT_FALSE(host.controlVisible["GapPartLblTxt"]);
    for (const ButtonDef& b : MainToolbar()) {
        if (b.tag == "Space" && !b.key.empty()) {
            EXPECT_FALSE(host.buttonEnabled[b.key]) << b.key;
        }
    }
    EXPECT_EQ(host.pointer, "Arrow");
}

TEST_F(PanelsTest, PolyModeWithPolygon_EnablesToolbarAndShowsDetail) {
    StartWithNewTrack();
    BackPoly p;
    p.Detail = 4;
    editor.track.BackPolys = {BackPoly{}, p};
    editor.sel.CurPoly = 1;
    Button("PolyMode");
    EXPECT_TRUE(host.buttonEnabled["PolyFront"]);
    EXPECT_EQ(host.comboIndex["PolyDetailCombo"], 2);
    EXPECT_EQ(host.controlText["PolyZOrderTxt"], "1");
    Button("TranslateView");
    EXPECT_FALSE(host.buttonVisible["PolyFront"]);
    EXPECT_TRUE(host.controlVisible["SpacePropCombo"]);
}

TEST_F(PanelsTest, PolygonOfADetailTheListLacks_ShowsNoEntryAndChangesOnlyWhenPicked) {
    StartWithNewTrack();
    BackPoly p;
    p.Detail = 1;
    editor.track.BackPolys = {p};
    editor.sel.CurPoly = 0;
    Button("PolyMode");
    EXPECT_EQ(host.comboIndex["PolyDetailCombo"], -1);
    EXPECT_EQ(editor.track.BackPolys[0].Detail, 1);
    editor.Dispatch(Command::Combo("PolyDetailCombo", 0));
    EXPECT_EQ(editor.track.BackPolys[0].Detail, 2);
}

TEST_F(PanelsTest, PrimarySpace_EnablesLinkButtonsAndPanelStaysOnLane) {
    StartWithNewTrack();
    EXPECT_FALSE(host.buttonEnabled["SetAdjacentSpace"]);
    Key(VK::P);
    EXPECT_EQ(editor.sel.PrimarySpace, 2000);
    EXPECT_TRUE(host.buttonEnabled["SetNextSpace"]);
    EXPECT_TRUE(host.buttonEnabled["SetAdjacentSpace"]);
}

TEST_F(PanelsTest, LoadCurrentSpace_SelectsGridPlaceAndPitMenu) {
    StartWithNewTrack();
    editor.track.StartPos[7] = 2000;
    editor.track.StartPos[3] = 2000;
    editor.track.Lanes[2].Spaces[0].GapPart = 4;
    editor.track.Lanes[2].Spaces[0].LanePos = 1.5f;
    editor.LoadCurrentSpace();
    EXPECT_EQ(host.comboIndex["StartingGridCombo"], 3);
    EXPECT_EQ(host.comboIndex["GapPartCombo"], 4);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "1.5");
    editor.sel.CurLane = 4; // "Pit"
    editor.LoadCurrentSpace();
    EXPECT_TRUE(host.menuEnabled["MnuCreatePitPaint"]);
}

TEST_F(PanelsTest, StatusBarFollowsEveryCommandThatMovesTheCurrentSpace) {
    StartWithNewTrack();
    auto mouse = [&](CommandKind kind, float x, float y) {
        editor.Dispatch(Command::Mouse(kind, 1, 0, x, y));
    };
    // Deleting space 1 of the garages brings the next one back to its place.
    editor.sel.CurLane = 3;
    editor.sel.CurSpace = 1;
    editor.LoadCurrentSpace();
    editor.UpdateSpacePanels();
    const std::string x1 = host.panels["SpaceX"];
    editor.sel.CurSpace = 2;
    editor.LoadCurrentSpace();
    editor.UpdateSpacePanels();
    editor.sel.CurSpace = 1;
    Button("DeleteSpace");
    EXPECT_EQ(host.panels["SpaceX"], x1);

    // Whole-track drags: the pending space gives way to the last stored one.
    editor.sel.CurSpace = static_cast<int>(editor.track.Lanes[3].Spaces.size());
    editor.UpdateSpacePanels();
    Button("RotateTrack");
    mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    mouse(CommandKind::MouseMove, 30.0f, 1.0f);
    mouse(CommandKind::MouseUp, 30.0f, 1.0f);
    EXPECT_EQ(host.panels["CurrSpace"], "Space 9");
    EXPECT_EQ(host.panels["CurrRot"], "Ang:5\xB0");
    Button("TranslateTrack");
    const std::string before = host.panels["SpaceX"];
    mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    mouse(CommandKind::MouseMove, 301.0f, 1.0f);
    EXPECT_NE(host.panels["SpaceX"], before);

    // Center Track moves it, Assign Segments renumbers it.
    mouse(CommandKind::MouseUp, 301.0f, 1.0f);
    Menu("MnuCenterTrack");
    char x[32];
    std::snprintf(x, sizeof x, "X:%.2f", editor.sel.WorkPts[0].x);
    EXPECT_EQ(host.panels["SpaceX"], x);
    editor.sel.CurLane = 2;
    editor.sel.CurSpace = 0;
    editor.LoadCurrentSpace();
    editor.track.Lanes[2].Spaces[0].Segment = 7;
    Button("RefreshView");
    EXPECT_EQ(host.panels["Segment"], "Segment:7");
    EXPECT_EQ(host.panels["CurrLane"], "Lane 2, Right");
}

TEST_F(PanelsTest, SelectionOutsideTrack_ChangesNothing) {
    StartWithNewTrack();
    host.panels.clear();
    editor.sel.CurLane = 42;
    editor.sel.CurSpace = -3;
    editor.LoadCurrentSpace();
    editor.UpdateLanePanel();
    editor.UpdateToolbarState();
    Key(VK::P);
    Button("CenterSpace");
    EXPECT_FALSE(host.panels.count("CurrLane"));
    EXPECT_EQ(editor.sel.PrimarySpace, NoSpace);
}

} // namespace
} // namespace td::test
