#include "EditorFixture.h"

#include "model/TrackFile.h"

namespace td::test {
namespace {

using StartupTest = EditorFixture;

TEST_F(StartupTest, FirstStart_DefaultsApplyAndNoTrackExists) {
    Start();
    EXPECT_EQ(editor.EditMode, "TranslateView");
    EXPECT_TRUE(host.Pressed("TranslateView"));
    EXPECT_TRUE(host.Pressed("GridMedium"));
    EXPECT_EQ(host.panels["Mode"], "Translate View");
    EXPECT_FLOAT_EQ(editor.view.Zoom, 2.5f);
    for (const char* item : {"MnuDrawAdjacent", "MnuDrawFlags", "MnuDrawNext", "MnuDrawSpaceCOR",
                             "MnuDrawSymbol", "MnuDrawTrackVector", "MnuDrawWorldCOR"})
        EXPECT_TRUE(host.menuChecked[item]) << item;
    EXPECT_EQ(host.menuCaption["MnuDrawFullDetail"], "Draw Wireframe");
    EXPECT_FALSE(editor.HasTrack);
    EXPECT_EQ(host.title, "Tarvel Track Designer");
    EXPECT_EQ(host.editingAreaShown, 0);
    EXPECT_EQ(host.timerStarts, 0);
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_FALSE(host.menuVisible.count("Separator3"));
}

TEST_F(StartupTest, RestoredSettings_AreAppliedAndReportedBackOnClose) {
    EditorSettings s;
    s.Mode = "RotateTrack";
    s.Zoom = 1.25f;
    s.DrawFlags = false;
    s.DrawWorldCOR = false;
    Start(s);
    EXPECT_EQ(editor.EditMode, "RotateTrack");
    EXPECT_TRUE(host.Pressed("RotateTrack"));
    EXPECT_EQ(host.panels["Mode"], "Rotate Track");
    EXPECT_FALSE(host.menuChecked["MnuDrawFlags"]);
    EXPECT_FALSE(host.menuChecked["MnuDrawWorldCOR"]);
    EXPECT_TRUE(host.menuChecked["MnuDrawNext"]);

    Button("ZoomView");
    Menu("MnuDrawNext");
    const EditorSettings out = editor.CurrentSettings();
    EXPECT_EQ(out.Mode, "ZoomView");
    EXPECT_FLOAT_EQ(out.Zoom, 1.25f);
    EXPECT_FALSE(out.DrawFlags);
    EXPECT_FALSE(out.DrawNext);
    EXPECT_FALSE(out.DrawWorldCOR);
    EXPECT_TRUE(out.DrawAdjacent);
}

TEST_F(StartupTest, UnusableStoredValues_FallBackToDefaults) {
    EditorSettings s;
    s.Mode = "NoSuchMode";
    s.Zoom = 0.0f;
    Start(s);
    EXPECT_EQ(editor.EditMode, "TranslateView");
    EXPECT_FLOAT_EQ(editor.view.Zoom, 2.5f);
}

TEST_F(StartupTest, RecentTracks_FillMenuAndMostRecentBecomesStartPath) {
    host.recent = {"/t/a.trk", "/t/b.trk"};
    Start();
    EXPECT_TRUE(host.menuVisible["Separator3"]);
    EXPECT_EQ(host.menuCaption["MnuRecentTrack(0)"], "/t/a.trk");
    EXPECT_EQ(host.menuCaption["MnuRecentTrack(1)"], "/t/b.trk");
    EXPECT_TRUE(host.menuVisible["MnuRecentTrack(1)"]);
    EXPECT_FALSE(host.menuVisible.count("MnuRecentTrack(2)"));
    EXPECT_EQ(editor.TrackPath, "/t/a.trk");
    // Without a track there is nothing to save over that file.
    Menu("MnuSave");
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_FALSE(std::filesystem::exists("/t/a.trk"));
}

TEST_F(StartupTest, QuotedCommandLineTrack_IsOpenedAndNamedInTitle) {
    const std::string path = PathIn("My Track.trk");
    std::filesystem::copy_file(DataFile("template3.trk"), path);
    Start({}, "\"" + path + "\"");
    EXPECT_TRUE(editor.HasTrack);
    EXPECT_EQ(editor.TrackPath, path);
    EXPECT_EQ(host.title, "Tarvel Track Designer - My Track.trk");
    EXPECT_EQ(editor.track.Lanes.size(), 5u);
    EXPECT_EQ(host.recent.front(), path);
    // A track with a file of its own is not written to the autosave file.
    EXPECT_FALSE(std::filesystem::exists(AutosaveFile()));
}

TEST_F(StartupTest, CommandLineWithoutTrkEnding_OpensNothing) {
    const std::string path = PathIn("track.txt");
    std::filesystem::copy_file(DataFile("template3.trk"), path);
    Start({}, path);
    EXPECT_FALSE(editor.HasTrack);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartupTest, Activation_PressesTheGridInForce) {
    Start();
    editor.Activated();
    EXPECT_TRUE(host.Pressed("GridMedium"));
    Button("GridFine");
    editor.Activated();
    EXPECT_TRUE(host.Pressed("GridFine"));
    EXPECT_FALSE(host.Pressed("GridMedium"));
}

} // namespace
} // namespace td::test
