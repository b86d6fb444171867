#include "EditorFixture.h"

#include "model/TrackFile.h"

namespace td::test {
namespace {

class FileCommandsTest : public EditorFixture {
  protected:
    // An edit through a real command: a new background colour.
    void Edit(Colour c = 0x123456) {
        host.colours.push_back(c);
        Menu("MnuSetBackColor");
    }
    std::string CopyTemplate(const std::string& name) {
        const std::string path = PathIn(name);
        std::filesystem::copy_file(DataFile("template3.trk"), path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            editor.Dispatch(Command::Tick());
    }
};

TEST_F(FileCommandsTest, SaveOfNewTrack_AsksForNameInTracksFolder) {
    StartWithNewTrack();
    const std::string path = PathIn("oval.trk");
    host.ChooseFile(path);
    Menu("MnuSave");
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].kind, FileDialogKind::Save);
    EXPECT_EQ(host.dialogs[0].startPath, host.tracksFolder);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(editor.TrackPath, path);
    EXPECT_EQ(host.title, "Tarvel Track Designer - oval.trk");
    EXPECT_EQ(host.recent, std::vector<std::string>{path});
    EXPECT_EQ(host.menuCaption["MnuRecentTrack(0)"], path);

    // With a file of its own, Save writes without asking; so does the toolbar.
    Edit();
    Menu("MnuSave");
    Button("SaveTrack");
    EXPECT_EQ(host.dialogs.size(), 1u);
    Track back;
    LoadTrack(back, path);
    EXPECT_EQ(back.BackColor, 0x123456u);
}

TEST_F(FileCommandsTest, CancelledSaveDialog_WritesNothing) {
    StartWithNewTrack();
    host.CancelFile();
    Button("SaveTrack");
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_TRUE(host.recent.empty());
    EXPECT_EQ(host.title, "Tarvel Track Designer");
}

TEST_F(FileCommandsTest, SaveAs_ProposesCurrentFileAndSwitchesToTheNewOne) {
    StartWithNewTrack();
    const std::string first = PathIn("a.trk");
    const std::string second = PathIn("b.trk");
    host.ChooseFile(first);
    Menu("MnuSaveAs");
    host.ChooseFile(second);
    Menu("MnuSaveAs");
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_EQ(host.dialogs[1].startPath, first);
    EXPECT_EQ(editor.TrackPath, second);
    EXPECT_EQ(host.recent, (std::vector<std::string>{second, first}));
    EXPECT_EQ(host.title, "Tarvel Track Designer - b.trk");
}

TEST_F(FileCommandsTest, OpenedAutosaveFile_IsNeverProposedNorOverwrittenBySave) {
    StartWithNewTrack();
    host.ChooseFile(AutosaveFile());
    Menu("MnuOpen");
    EXPECT_EQ(editor.TrackPath, AutosaveFile());
    EXPECT_TRUE(host.recent.empty());
    const std::string before = Read(AutosaveFile());

    host.CancelFile();
    Menu("MnuSave");
    host.CancelFile();
    Menu("MnuSaveAs");
    host.CancelFile();
    Menu("MnuOpen");
    ASSERT_EQ(host.dialogs.size(), 4u);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(host.dialogs[i].startPath, host.tracksFolder) << i;
    EXPECT_EQ(host.dialogs[1].kind, FileDialogKind::Save);
    EXPECT_EQ(host.dialogs[3].kind, FileDialogKind::Open);
    EXPECT_EQ(Read(AutosaveFile()), before);
}

TEST_F(FileCommandsTest, Open_LoadsTheChosenTrackAndResetsTheEditor) {
    StartWithNewTrack(true);
    const std::string path = CopyTemplate("three.trk");
    host.ChooseFile(path);
    Button("LoadTrack");
    EXPECT_EQ(host.dialogs.back().kind, FileDialogKind::Open);
    EXPECT_EQ(editor.track.Lanes.size(), 5u);
    EXPECT_EQ(editor.TrackPath, path);
    EXPECT_EQ(host.title, "Tarvel Track Designer - three.trk");
    EXPECT_EQ(host.recent.front(), path);
    EXPECT_EQ(editor.sel.CurLane, 2);
    EXPECT_EQ(host.panels["CurrLane"], "Lane 2, " + editor.track.Lanes[2].Name);

    host.CancelFile();
    Menu("MnuOpen");
    EXPECT_EQ(editor.TrackPath, path);
}

TEST_F(FileCommandsTest, FileThatCannotBeOpened_IsReportedAndTrackKept) {
    StartWithNewTrack(true);
    const int resets = host.timerStarts;
    const std::string missing = PathIn("missing.trk");
    host.ChooseFile(missing);
    Menu("MnuOpen");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Open Track");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
    EXPECT_NE(host.messages[0].text.find(missing), std::string::npos);
    EXPECT_EQ(editor.track.Lanes.size(), 6u);
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_EQ(host.timerStarts, resets);
    EXPECT_TRUE(host.recent.empty());
}

TEST_F(FileCommandsTest, TruncatedFile_KeepsPartialTrackWithoutItsFileName) {
    StartWithNewTrack();
    const std::string full = Read(DataFile("template3.trk"));
    const std::string path = PathIn("cut.trk");
    Write(path, full.substr(0, full.size() * 2 / 3));
    host.ChooseFile(path);
    Menu("MnuOpen");

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Open Track");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_NE(host.messages[0].text.find("line"), std::string::npos);
    EXPECT_TRUE(editor.HasTrack);
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_EQ(host.title, "Tarvel Track Designer");

    // Neither the autosave nor Save may write the partial track over the file.
    Ticks(11);
    host.CancelFile();
    Menu("MnuSave");
    EXPECT_EQ(host.dialogs.back().kind, FileDialogKind::Save);
    EXPECT_EQ(Read(path), full.substr(0, full.size() * 2 / 3));
}

TEST_F(FileCommandsTest, FailedSave_IsReportedAndChangesNeitherTitleNorRecentList) {
    StartWithNewTrack();
    const std::string good = PathIn("good.trk");
    host.ChooseFile(good);
    Menu("MnuSave");
    const std::string bad = PathIn("no/such/folder/x.trk");
    host.ChooseFile(bad);
    Menu("MnuSaveAs");

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Save Track");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
    EXPECT_NE(host.messages[0].text.find(bad), std::string::npos);
    EXPECT_EQ(editor.TrackPath, good);
    EXPECT_EQ(host.title, "Tarvel Track Designer - good.trk");
    EXPECT_EQ(host.recent, std::vector<std::string>{good});
    EXPECT_EQ(editor.track.Lanes.size(), 5u);
}

TEST_F(FileCommandsTest, AutosaveKeepsUnsavedChangesInARecoveryFileNotInTheTrackFile) {
    StartWithNewTrack();
    const std::string path = PathIn("own.trk");
    const std::string recovery = path + ".autosave";
    host.ChooseFile(path);
    Menu("MnuSave");
    const std::string saved = Read(path);
    Edit(0x00FF00);
    Ticks(10);
    EXPECT_FALSE(std::filesystem::exists(recovery));
    Ticks(1);
    EXPECT_EQ(Read(path), saved);
    Track back;
    LoadTrack(back, recovery);
    EXPECT_EQ(back.BackColor, 0x00FF00u);
    EXPECT_EQ(host.recovery.file, recovery);
    EXPECT_EQ(host.recovery.track, path);
    EXPECT_TRUE(editor.HasUnsavedChanges());
    EXPECT_EQ(host.title, "Tarvel Track Designer - own.trk*");

    // A save makes the recovery file needless; without changes none is written.
    Menu("MnuSave");
    EXPECT_FALSE(std::filesystem::exists(recovery));
    EXPECT_TRUE(host.recovery.file.empty());
    Ticks(1);
    EXPECT_FALSE(std::filesystem::exists(recovery));

    // Giving the changes up on closing takes the recovery file with them.
    Edit(0x0000FF);
    Ticks(1);
    ASSERT_TRUE(std::filesystem::exists(recovery));
    host.Answer(MsgAnswer::No);
    ASSERT_TRUE(editor.ConfirmDiscard());
    editor.EndSession();
    EXPECT_FALSE(std::filesystem::exists(recovery));
    EXPECT_TRUE(host.recovery.file.empty());
    LoadTrack(back, path);
    EXPECT_EQ(back.BackColor, 0x00FF00u);
}

TEST_F(FileCommandsTest, RecoveryFileOfAWindowStillOpen_IsNotOffered) {
    const std::string path = CopyTemplate("own.trk");
    std::filesystem::copy_file(path, path + ".autosave");
    host.recovery = {path + ".autosave", path, 77};
    host.runningSession = 77;
    Start();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(path + ".autosave"));
}

TEST_F(FileCommandsTest, RestoringTheRecoveryFile_GivesBackTheUnsavedChangesOfTheOwnFile) {
    const std::string path = CopyTemplate("own.trk");
    const std::string recovery = path + ".autosave";
    Track changed;
    LoadTrack(changed, path);
    changed.BackColor = 0x00FF00;
    ASSERT_TRUE(SaveTrack(changed, recovery).ok);
    const std::string own = Read(path);
    host.recovery = {recovery, path, 77};
    host.Answer(MsgAnswer::Yes);
    Start({}, PathIn("other.trk"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(editor.track.BackColor, 0x00FF00u);
    EXPECT_EQ(editor.TrackPath, path);
    EXPECT_TRUE(editor.HasUnsavedChanges());
    EXPECT_EQ(host.title, "Tarvel Track Designer - own.trk*");
    EXPECT_EQ(host.recovery.owner, host.sessionId) << "this session carries the note on";
    EXPECT_EQ(Read(path), own);
    Menu("MnuSave");
    Track back;
    LoadTrack(back, path);
    EXPECT_EQ(back.BackColor, 0x00FF00u);
    EXPECT_FALSE(std::filesystem::exists(recovery));
}

TEST_F(FileCommandsTest, RestoringTheAutosaveFile_KeepsItUnnamedAndUnsaved) {
    std::filesystem::copy_file(DataFile("template3.trk"), AutosaveFile());
    host.recovery = {AutosaveFile(), "", 77};
    host.Answer(MsgAnswer::Yes);
    Start();
    ASSERT_TRUE(editor.HasTrack);
    EXPECT_FALSE(editor.HasOwnFile());
    EXPECT_TRUE(editor.HasUnsavedChanges()) << "closing asks before it is lost";
    host.Answer(MsgAnswer::No);
    ASSERT_TRUE(editor.ConfirmDiscard());
    editor.EndSession();
    EXPECT_TRUE(host.recovery.file.empty());
    EXPECT_TRUE(std::filesystem::exists(AutosaveFile())) << "the autosave file stays";
}

TEST_F(FileCommandsTest, DecliningTheRecoveryFile_DiscardsIt) {
    const std::string path = CopyTemplate("own.trk");
    const std::string recovery = path + ".autosave";
    std::filesystem::copy_file(path, recovery);
    host.recovery = {recovery, path, 77};
    host.Answer(MsgAnswer::No);
    Start();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(recovery));
    EXPECT_TRUE(host.recovery.file.empty());
    EXPECT_FALSE(editor.HasTrack);
}

TEST_F(FileCommandsTest, SaveThroughALinkKeepsItAndAReadOnlyFileIsRefused) {
    namespace fs = std::filesystem;
    const std::string real = CopyTemplate("real.trk");
    const std::string link = PathIn("link.trk");
    fs::create_symlink(real, link);
    Start();
    host.ChooseFile(link);
    Menu("MnuOpen");
    Edit(0x00FF00);
    Menu("MnuSave");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    Track back;
    LoadTrack(back, real);
    EXPECT_EQ(back.BackColor, 0x00FF00u);

    fs::permissions(real, fs::perms::owner_read | fs::perms::group_read);
    const std::string before = Read(real);
    Edit(0x0000FF);
    Menu("MnuSave");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("read-only"), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(Read(real), before);
    EXPECT_EQ(editor.track.BackColor, 0x0000FFu);
    EXPECT_TRUE(editor.HasUnsavedChanges());
}

TEST_F(FileCommandsTest, AutosaveOfUnnamedTrack_GoesToTheAutosaveFile) {
    StartWithNewTrack();
    std::filesystem::remove(AutosaveFile());
    Ticks(10);
    EXPECT_FALSE(std::filesystem::exists(AutosaveFile()));
    Ticks(1);
    EXPECT_TRUE(std::filesystem::exists(AutosaveFile()));
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_TRUE(host.recent.empty());
}

TEST_F(FileCommandsTest, FailingAutosave_IsReportedOnceUntilASaveWorksAgain) {
    StartWithNewTrack();
    const std::string path = PathIn("sub/own.trk");
    std::filesystem::create_directories(PathIn("sub"));
    host.ChooseFile(path);
    Menu("MnuSave");
    std::filesystem::remove_all(PathIn("sub"));
    Edit();
    Ticks(13);
    EXPECT_EQ(host.messages.size(), 1u);
    std::filesystem::create_directories(PathIn("sub"));
    Ticks(1);
    std::filesystem::remove_all(PathIn("sub"));
    Ticks(1);
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(FileCommandsTest, UntouchedNewTrack_IsReplacedWithoutAsking) {
    StartWithNewTrack();
    Menu("MnuNew4");
    Ticks(11); // saving to the autosave file changes nothing that could be lost
    Menu("MnuNew3");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FileCommandsTest, UnsavedChanges_CancelStopsTheCommand) {
    StartWithNewTrack();
    Edit();
    host.Answer(MsgAnswer::Cancel);
    Menu("MnuNew4");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Tarvel Track Designer");
    EXPECT_EQ(host.messages[0].text,
              "The current track has changes that are not saved.\nDo you want to save them first?");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(editor.track.Lanes.size(), 5u);
    EXPECT_EQ(editor.track.BackColor, 0x123456u);
}

TEST_F(FileCommandsTest, UnsavedChanges_NoDiscardsThem) {
    StartWithNewTrack();
    Edit();
    host.Answer(MsgAnswer::No);
    host.ChooseFile(CopyTemplate("other.trk"));
    Menu("MnuOpen");
    EXPECT_EQ(editor.TrackPath, PathIn("other.trk"));
    EXPECT_TRUE(host.dialogs.size() == 1u && host.dialogs[0].kind == FileDialogKind::Open);
}

TEST_F(FileCommandsTest, UnsavedChanges_YesSavesThroughDialogFirst) {
    StartWithNewTrack();
    Edit();
    const std::string path = PathIn("kept.trk");
    host.Answer(MsgAnswer::Yes);
    host.ChooseFile(path);
    Button("New4Lane");
    Track back;
    ASSERT_TRUE(LoadTrack(back, path).complete);
    EXPECT_EQ(back.BackColor, 0x123456u);
    EXPECT_EQ(editor.track.Lanes.size(), 6u);
}

TEST_F(FileCommandsTest, UnsavedChanges_YesWithCancelledDialogStops) {
    StartWithNewTrack();
    Edit();
    host.Answer(MsgAnswer::Yes);
    host.CancelFile();
    Button("New4Lane");
    EXPECT_EQ(editor.track.Lanes.size(), 5u);
    EXPECT_TRUE(editor.HasUnsavedChanges());
    // The shell asks the same before closing.
    host.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(editor.ConfirmDiscard());
}

TEST_F(FileCommandsTest, UnsavedChanges_YesSavesOwnFileWithoutDialog) {
    StartWithNewTrack();
    const std::string path = PathIn("own.trk");
    host.ChooseFile(path);
    Menu("MnuSave");
    EXPECT_FALSE(editor.HasUnsavedChanges());
    Edit();
    host.Answer(MsgAnswer::Yes);
    EXPECT_TRUE(editor.ConfirmDiscard());
    EXPECT_EQ(host.dialogs.size(), 1u);
    Track back;
    LoadTrack(back, path);
    EXPECT_EQ(back.BackColor, 0x123456u);
}

TEST_F(FileCommandsTest, RecentEntry_OpensItsTrackAndAutosaveNeverListed) {
    const std::string path = CopyTemplate("recent.trk");
    host.recent = {"/x/Tracks/autosave.tmp", path};
    Start();
    EXPECT_EQ(host.menuCaption["MnuRecentTrack(0)"], path);
    EXPECT_FALSE(host.menuVisible.count("MnuRecentTrack(1)"));
    Menu("MnuRecentTrack(0)");
    EXPECT_TRUE(editor.HasTrack);
    EXPECT_EQ(editor.TrackPath, path);
    // An entry never shown does nothing.
    Menu("MnuRecentTrack(3)");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace td::test

namespace td::test {
namespace {

TEST_F(FileCommandsTest, SaveThatReordersLanes_KeepsTheSelectionOnItsLanes) {
    StartWithNewTrack();
    Key(VK::P); // primary space: first space of "Right"
    // A pit lane on the inner side of the racing lanes goes to the front.
    Space& pit = editor.track.Lanes[4].Spaces[0];
    pit.Pt[0].y = -500.0f;
    pit.Adj[1] = 2000;
    host.ChooseFile(PathIn("moved.trk"));
    Menu("MnuSave");
    ASSERT_NE(editor.track.Lanes[2].Name, "Right");
    EXPECT_EQ(editor.track.Lanes[static_cast<size_t>(editor.sel.CurLane)].Name, "Right");
    EXPECT_EQ(host.panels["CurrLane"], "Lane " + std::to_string(editor.sel.CurLane) + ", Right");
    EXPECT_EQ(editor.sel.PrimarySpace, MakeRef(editor.sel.CurLane, 0));
}

} // namespace
} // namespace td::test

namespace td::test {
namespace {

TEST_F(FileCommandsTest, FileThatIsNoTrack_GivesAnEmptyTrackThatEveryCommandSurvives) {
    StartWithNewTrack();
    const std::string path = PathIn("note.trk");
    Write(path, "hello\r\n");
    host.ChooseFile(path);
    Menu("MnuOpen");
    EXPECT_EQ(host.messages.size(), 1u);
    for (const char* b : {"CenterSpace", "SetPrimarySpace", "PolyMode", "TranslateView"})
        Button(b);
    for (int k : {VK::P, VK::H, VK::Right, VK::NumMinus, VK::N, VK::Enter})
        Key(k);
    editor.Dispatch(Command::Text("SpacePosTxt", "4"));
    editor.Dispatch(Command::Combo("StartingGridCombo", 2));
    editor.Dispatch(Command::Combo("GapPartCombo", 2));
    host.ChooseFile(PathIn("empty.trk"));
    Menu("MnuSave");
    EXPECT_TRUE(std::filesystem::exists(PathIn("empty.trk")));
}

} // namespace
} // namespace td::test
