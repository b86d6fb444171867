// What the window shows after a load that did not go whole: the messages,
// the recent list, the status bar, the property panel and the highlight.

#include "EditorFixture.h"
#include "edit/UiDefs.h"

namespace td::test {
namespace {

class LoadOutcomeTest : public EditorFixture {
  protected:
    std::string Template() { return Read(DataFile("template3.trk")); }
    // The template cut just before the named lane: the lanes before it are read.
    std::string CutBefore(const std::string& lane) {
        const std::string t = Template();
        return t.substr(0, t.find("\r\n" + lane + "\r\n") + 2) + "1e99\r\n";
    }
    bool HighlightDrawn() const {
        for (const Call& c : surface.calls)
            if (c.op == Op::Line && c.penMode == PenXor && c.lineStyle == LineDot)
                return true;
        return false;
    }
};

TEST_F(LoadOutcomeTest, RecentEntryThatStops_NamesItsOwnFileWhenTheListReorders) {
    const std::string bad = PathIn("hugevtx.trk");
    const std::string good = PathIn("good.trk");
    Write(bad, CutBefore("Right"));
    Write(good, Template());
    host.recent = {bad, good};
    Start();
    // The list kept by the shell changes under the menu before the load.
    host.recent = {good, bad};
    Menu("MnuRecentTrack(0)");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(bad), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(host.messages[0].text.find(good), std::string::npos) << host.messages[0].text;
}

TEST_F(LoadOutcomeTest, OnlyTracksReadWholeEnterTheRecentList) {
    StartWithNewTrack();
    const std::string cut = PathIn("cut.trk");
    const std::string whole = PathIn("whole.trk");
    Write(cut, CutBefore("Right"));
    Write(whole, Template());
    host.ChooseFile(whole);
    Menu("MnuOpen");
    host.ChooseFile(cut);
    Menu("MnuOpen");
    host.ChooseFile(PathIn("missing.trk"));
    Menu("MnuOpen");
    EXPECT_EQ(host.recent, std::vector<std::string>{whole});
    EXPECT_EQ(host.menuCaption["MnuRecentTrack(0)"], whole);
}

TEST_F(LoadOutcomeTest, ALaneNameThatReadsAsANumber_IsReportedAndKeptFromItsFile) {
    StartWithNewTrack();
    std::string text = Template();
    text.replace(text.find("\r\n100 "), 4, std::string("\r\n1\0", 4));
    const std::string path = PathIn("damaged.trk");
    Write(path, text);
    host.ChooseFile(path);
    Menu("MnuOpen");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("line 76"), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(editor.track.Lanes.size(), 6u) << "shown as read";
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_TRUE(host.recent.empty());
    host.CancelFile();
    Menu("MnuSave");
    EXPECT_EQ(host.dialogs.back().kind, FileDialogKind::Save) << "Save asks for a new name";
    EXPECT_EQ(Read(path), text);
}

TEST_F(LoadOutcomeTest, PartialTrackWithoutLaneTwo_EmptiesPanelsAndDrawsNoHighlight) {
    StartWithNewTrack(true);
    // Something current in the 4-lane track to be forgotten.
    editor.sel.CurSpace = 1;
    editor.LoadCurrentSpace();
    editor.UpdateSpacePanels();
    const std::string path = PathIn("two.trk");
    Write(path, CutBefore("Right"));
    host.ChooseFile(path);
    surface.calls.clear();
    Menu("MnuOpen");
    ASSERT_EQ(editor.track.Lanes.size(), 2u);
    for (const char* key :
         {"CurrLane", "CurrSpace", "SpaceX", "SpaceY", "CurrRot", "CurrScl", "Segment", "Corner"})
        EXPECT_EQ(host.panels[key], "") << key;
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], -1);
    EXPECT_EQ(host.comboIndex["StartingGridCombo"], -1);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "");
    EXPECT_FALSE(HighlightDrawn());
}

TEST_F(LoadOutcomeTest, EmptyFile_LeavesNothingOfTheTrackBefore) {
    StartWithNewTrack();
    const std::string path = PathIn("empty.trk");
    Write(path, "");
    host.ChooseFile(path);
    surface.calls.clear();
    Menu("MnuOpen");
    EXPECT_TRUE(editor.track.Lanes.empty());
    EXPECT_EQ(host.panels["CurrLane"], "");
    EXPECT_EQ(host.panels["SpaceX"], "");
    EXPECT_FALSE(HighlightDrawn());
}

TEST_F(LoadOutcomeTest, PartialTrackWithLaneTwo_DescribesItsFirstSpace) {
    StartWithNewTrack(true);
    std::string text = Template();
    text = text.substr(0, text.find("\r\nGarages\r\n") + 2) + "1e99\r\n";
    const std::string path = PathIn("three.trk");
    Write(path, text);
    host.ChooseFile(path);
    Menu("MnuOpen");
    ASSERT_EQ(host.messages.size(), 1u);
    ASSERT_GE(editor.track.Lanes.size(), 3u);
    const Space& first = editor.track.Lanes[2].Spaces[0];
    EXPECT_EQ(host.panels["CurrLane"], "Lane 2, Right");
    EXPECT_EQ(host.panels["CurrSpace"], "Space 1");
    EXPECT_EQ(editor.sel.WorkPts[0], first.Pt[0]);
    EXPECT_EQ(host.panels["SpaceX"], "X:0.00");
}

TEST_F(LoadOutcomeTest, LaneOfMoreThanAThousandSpaces_OpensWhole) {
    StartWithNewTrack();
    std::string text = Template();
    const std::string row = "0 300 0 1 0 0 -1 -1 -1 -1 -1 -1 0 0\r\n";
    std::string many;
    for (int i = 0; i < 1003; ++i)
        many += row;
    text.insert(text.find("\r\nPit\r\n") + 7, many);
    text.insert(text.find("\r\nBackcolor\r\n") + 2, "\"After\"\r\n1 5 3 10 20\r\n");
    const std::string path = PathIn("long.trk");
    Write(path, text);
    host.ChooseFile(path);
    Menu("MnuOpen");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(editor.TrackPath, path);
    EXPECT_EQ(editor.track.Lanes[4].Spaces.size(), 1004u);
    ASSERT_EQ(editor.track.Corners.size(), 1u);
    EXPECT_EQ(host.recent.front(), path);
}

TEST_F(LoadOutcomeTest, FailingAutosave_SaysItWasTheAutomaticSave) {
    host.tracksFolder = PathIn("no/such/folder");
    StartWithNewTrack();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text.rfind("The automatic save of the track could not write", 0), 0u)
        << host.messages[0].text;
    EXPECT_NE(host.messages[0].text.find(PathIn("no/such/folder")), std::string::npos);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    // A save the author asked for keeps its own text.
    host.ChooseFile(PathIn("no/such/folder/x.trk"));
    Menu("MnuSaveAs");
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text.rfind("The track could not be saved", 0), 0u);
}

TEST_F(LoadOutcomeTest, SaveAndSaveAsWaitForATrack) {
    // The window builds them disabled; a new track or a load enables them.
    EXPECT_FALSE(FindMenuItem("MnuSave")->enabled);
    EXPECT_FALSE(FindMenuItem("MnuSaveAs")->enabled);
    Start();
    EXPECT_FALSE(host.menuEnabled.count("MnuSave"));
    Menu("MnuNew3");
    EXPECT_TRUE(host.menuEnabled["MnuSave"]);
    EXPECT_TRUE(host.menuEnabled["MnuSaveAs"]);
}

} // namespace
} // namespace td::test
