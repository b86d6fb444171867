#include "EditorFixture.h"

#include "edit/UiDefs.h"
#include "model/TrackFile.h"

namespace td::test {
namespace {

using NewTrackTest = EditorFixture;

TEST_F(NewTrackTest, New3Lane_ResetsEditorOntoLaneTwo) {
    StartWithNewTrack();
    EXPECT_TRUE(editor.HasTrack);
    EXPECT_EQ(host.title, "Tarvel Track Designer");
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_EQ(editor.sel.CurLane, 2);
    EXPECT_EQ(editor.sel.CurSpace, 0);

    EXPECT_EQ(host.panels["CurrLane"], "Lane 2, Right");
    EXPECT_EQ(host.panels["CurrSpace"], "Space 1");
    EXPECT_EQ(host.panels["SpaceX"], "X:0.00");
    EXPECT_EQ(host.panels["SpaceY"], "Y:0.00");
    EXPECT_EQ(host.panels["CurrRot"], "Ang:0\xB0");
    EXPECT_EQ(host.panels["CurrScl"], "Length:1");
    EXPECT_EQ(host.panels["Segment"], "Segment:0");
    EXPECT_EQ(host.panels["Corner"], "Corner: N/A");
    EXPECT_EQ(host.panels["Grid"], "Medium Grid ");
    EXPECT_EQ(host.panels["Zoom"], "Zoom Level:2.5");

    // The first space of the "Right" lane carries the finish line, centre.
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 25);
    EXPECT_EQ(host.comboIndex["StartingGridCombo"], 0);
    EXPECT_EQ(host.comboIndex["GapPartCombo"], 0);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "0");
    EXPECT_FALSE(host.menuEnabled["MnuCreatePitPaint"]);
}

TEST_F(NewTrackTest, New4Lane_CurrentLaneIsMidRight) {
    StartWithNewTrack(true);
    EXPECT_EQ(editor.track.Lanes.size(), 6u);
    EXPECT_EQ(host.panels["CurrLane"], "Lane 2, Mid-Right");
    // Mid-Right starts with the staggered space at x = -100.
    EXPECT_EQ(host.panels["SpaceX"], "X:-100.00");
}

TEST_F(NewTrackTest, Reset_ShowsTrackButtonsAndEnablesTrackMenus) {
    StartWithNewTrack();
    const auto& bar = MainToolbar();
    for (size_t i = 0; i < bar.size(); ++i) {
        if (bar[i].key.empty())
            continue;
        if (i < static_cast<size_t>(AlwaysVisibleButtons))
            EXPECT_FALSE(host.buttonVisible.count(bar[i].key)) << bar[i].key;
        else
            EXPECT_TRUE(host.buttonVisible[bar[i].key]) << bar[i].key;
    }
    for (const char* item :
         {"MnuTrackInfo", "MnuReorder", "MnuAssignSeg", "MnuClearTags", "MnuStartingGrid",
          "MnuSetBackColor", "MnuCreateOutline", "MnuCenterTrack"})
        EXPECT_TRUE(host.menuEnabled[item]) << item;
    EXPECT_FALSE(host.menuEnabled["MnuAutoTagSpaces"]);
    EXPECT_EQ(host.editingAreaShown, 1);
    EXPECT_EQ(host.timerStarts, 1);
    // Not in polygon mode: polygon toolbar hidden, space controls shown.
    EXPECT_FALSE(host.buttonVisible["CreatePoly"]);
    EXPECT_TRUE(host.controlVisible["SpacePropCombo"]);
    EXPECT_FALSE(host.controlVisible["PolyDetailCombo"]);
    EXPECT_FALSE(host.buttonEnabled["SetNextSpace"]);
    EXPECT_TRUE(host.buttonEnabled["AddSpace"]);
}

TEST_F(NewTrackTest, Reset_CentresTheViewAndRedraws) {
    Start();
    editor.SetArea(9000.0f, 6000.0f, true);
    const int before = editor.RefreshCount;
    Menu("MnuNew3");
    EXPECT_FLOAT_EQ(editor.view.OffsetX, 4500.0f);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, 3000.0f);
    EXPECT_GT(editor.RefreshCount, before);
}

TEST_F(NewTrackTest, NewTrack_IsWrittenToTheAutosaveFileAtOnce) {
    StartWithNewTrack();
    ASSERT_TRUE(std::filesystem::exists(AutosaveFile()));
    Track back;
    const LoadResult r = LoadTrack(back, AutosaveFile());
    EXPECT_TRUE(r.complete);
    ASSERT_EQ(back.Lanes.size(), 5u);
    size_t spaces = 0;
    for (const Lane& l : back.Lanes)
        spaces += l.Spaces.size();
    EXPECT_EQ(spaces, 15u);
    // The autosave file never becomes the track's name nor a recent entry.
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_TRUE(host.recent.empty());
    EXPECT_EQ(host.title, "Tarvel Track Designer");
}

TEST_F(NewTrackTest, TrackInfo_OpensOnlyOnceATrackExists) {
    Start();
    Menu("MnuTrackInfo");
    EXPECT_EQ(host.trackInfoShown, 0);
    Menu("MnuNew3");
    Menu("MnuTrackInfo");
    Button("TrackInfo");
    EXPECT_EQ(host.trackInfoShown, 2);
}

} // namespace
} // namespace td::test
