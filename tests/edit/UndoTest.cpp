// Undo and redo through the editor's one entry point.

#include "EditorFixture.h"
#include "model/TrackCheck.h"
#include "model/TrackFile.h"

namespace td::test {
namespace {

class UndoTest : public EditorFixture {
  protected:
    void SetUp() override { StartWithNewTrack(); }

    Space& Current() { return *editor.track.Find(editor.sel.CurLane, editor.sel.CurSpace); }
    void Undo() { Menu("MnuUndo"); }
    void Redo() { Menu("MnuRedo"); }
    void Type(const std::string& text) { editor.Dispatch(Command::Text("SpacePosTxt", text)); }
};

TEST_F(UndoTest, EditMenuNamesTheStepAndIsDisabledWhenThereIsNothingToDo) {
    EXPECT_FALSE(host.menuEnabled["MnuUndo"]);
    EXPECT_FALSE(host.menuEnabled["MnuRedo"]);
    EXPECT_EQ(host.menuCaption["MnuUndo"], "&Undo");

    const int before = Current().Symbol;
    Key(VK::L); // "Arrow, double, left"
    ASSERT_NE(Current().Symbol, before);
    EXPECT_TRUE(host.menuEnabled["MnuUndo"]);
    EXPECT_EQ(host.menuCaption["MnuUndo"], "&Undo Change Symbol");

    const int changedEntry = host.comboIndex["SpacePropCombo"];
    Undo();
    EXPECT_EQ(Current().Symbol, before);
    EXPECT_NE(host.comboIndex["SpacePropCombo"], changedEntry) << "the panel shows the symbol back";
    EXPECT_FALSE(host.menuEnabled["MnuUndo"]);
    EXPECT_TRUE(host.menuEnabled["MnuRedo"]);
    EXPECT_EQ(host.menuCaption["MnuRedo"], "&Redo Change Symbol");

    Redo();
    EXPECT_NE(Current().Symbol, before);
    EXPECT_EQ(host.menuCaption["MnuRedo"], "&Redo");
}

TEST_F(UndoTest, UndoRestoresTheSelectionAndRedrawsButKeepsTheView) {
    editor.sel.CurLane = 0;
    editor.sel.CurSpace = 0;
    editor.LoadCurrentSpace();
    Key(VK::S);
    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 0;
    editor.view.Zoom = 4.0f;
    const int refreshes = editor.RefreshCount;
    Undo();
    EXPECT_EQ(editor.sel.CurLane, 0);
    EXPECT_EQ(editor.sel.CurSpace, 0);
    EXPECT_EQ(editor.view.Zoom, 4.0f);
    EXPECT_GT(editor.RefreshCount, refreshes);
}

TEST_F(UndoTest, CommandsThatChangeNothingAddNoStep) {
    host.colours.push_back(std::nullopt); // the colour dialog is cancelled
    Menu("MnuSetBackColor");
    Button("CenterView");
    Key(VK::Right);
    Button("GridFine");
    Menu("MnuCheckTrack");
    EXPECT_EQ(editor.history.StepCount(), 0u);
    Key(VK::SpaceBar);
    const size_t steps = editor.history.StepCount();
    Key(VK::SpaceBar); // the current space already is a regular space
    EXPECT_EQ(editor.history.StepCount(), steps);
}

TEST_F(UndoTest, ARunOfKeystrokesInThePositionBoxIsOneStep) {
    editor.sel.CurSpace = 0;
    editor.sel.CurLane = 1; // the middle lane has two spaces: space 0 takes a position
    editor.LoadCurrentSpace();
    const float before = Current().LanePos;
    for (const char* text : {"1", "12", "12.", "12.5"})
        Type(text);
    EXPECT_EQ(Current().LanePos, 12.5f);
    EXPECT_EQ(editor.history.StepCount(), 1u);
    EXPECT_EQ(host.menuCaption["MnuUndo"], "&Undo Change Lane Position");
    Undo();
    EXPECT_EQ(Current().LanePos, before);

    Redo();
    Key(VK::H);
    Type("3");
    EXPECT_EQ(editor.history.UndoCount(), 3u) << "another command ends the run";
}

TEST_F(UndoTest, TitleShowsUnsavedChangesAndUndoBackToTheSavedStateClearsThem) {
    const std::string path = PathIn("t.trk");
    host.files.push_back(path);
    Menu("MnuSaveAs");
    EXPECT_EQ(host.title, "Tarvel Track Designer - t.trk");
    Key(VK::R);
    EXPECT_EQ(host.title, "Tarvel Track Designer - t.trk*");
    EXPECT_TRUE(editor.HasUnsavedChanges());
    Undo();
    EXPECT_EQ(host.title, "Tarvel Track Designer - t.trk");
    EXPECT_FALSE(editor.HasUnsavedChanges());
    host.answers.clear();
    Menu("MnuNew3");
    EXPECT_TRUE(host.messages.empty()) << "nothing to ask about after undoing back";
}

TEST_F(UndoTest, SavingThatReordersLanesKeepsEveryStepUndoable) {
    // A new track keeps "Pit" and "Garages" last until its first save.
    const Track fresh = editor.track;
    Key(VK::L);
    host.files.push_back(PathIn("order.trk"));
    Menu("MnuSaveAs");
    const Track saved = editor.track;
    EXPECT_EQ(editor.history.UndoCount(), 1u) << "saving adds no step";
    Undo();
    EXPECT_EQ(FormatTrack(editor.track, {"-", "-", "-"}), FormatTrack(fresh, {"-", "-", "-"}));
    Redo();
    EXPECT_EQ(FormatTrack(editor.track, {"-", "-", "-"}), FormatTrack(saved, {"-", "-", "-"}));
    EXPECT_FALSE(editor.HasUnsavedChanges());
    EXPECT_EQ(host.title, "Tarvel Track Designer - order.trk");
}

TEST_F(UndoTest, NewTrackAndOpenClearTheHistory) {
    Key(VK::L);
    host.answers.push_back(MsgAnswer::No);
    Menu("MnuNew4");
    EXPECT_FALSE(editor.history.CanUndo());
    EXPECT_FALSE(host.menuEnabled["MnuUndo"]);
    Key(VK::L);
    host.answers.push_back(MsgAnswer::No);
    host.files.push_back(DataFile("template3.trk"));
    Menu("MnuOpen");
    EXPECT_FALSE(editor.history.CanUndo());
}

TEST_F(UndoTest, TheCancelledQuestionBeforeANewTrackKeepsTheHistory) {
    Key(VK::L);
    host.answers.push_back(MsgAnswer::Cancel);
    Menu("MnuNew4");
    EXPECT_TRUE(editor.history.CanUndo());
}

TEST_F(UndoTest, AMouseGestureFromPressToReleaseIsOneStep) {
    const int before = Current().Symbol;
    editor.Dispatch(Command::Mouse(CommandKind::MouseDown, 1, 0, 100, 100));
    Key(VK::L); // a change during the gesture belongs to it
    editor.Dispatch(Command::Mouse(CommandKind::MouseMove, 1, 0, 120, 100));
    EXPECT_EQ(editor.history.StepCount(), 0u) << "nothing is recorded before the release";
    editor.Dispatch(Command::Mouse(CommandKind::MouseUp, 1, 0, 120, 100));
    EXPECT_EQ(editor.history.StepCount(), 1u);
    Undo();
    EXPECT_EQ(Current().Symbol, before);
}

TEST_F(UndoTest, AGestureStaysOneStepWhateverComesBeforeItsLastRelease) {
    Key(VK::H);
    const Selection start = editor.sel;
    auto mouse = [&](CommandKind kind, int button) {
        editor.Dispatch(Command::Mouse(kind, button, 0, 100, 100));
    };
    mouse(CommandKind::MouseDown, 1);
    Key(VK::L);
    Command wheel = Command::Mouse(CommandKind::MouseWheel, 0, 0, 100, 100);
    wheel.index = 1;
    editor.Dispatch(wheel);
    Undo(); // waits for the release: not run
    EXPECT_EQ(Current().Symbol, Sym::ArrowDoubleLeft);
    editor.Dispatch(Command::Tick());
    mouse(CommandKind::MouseDown, 2); // "AddSpace"
    mouse(CommandKind::MouseUp, 2);
    EXPECT_EQ(editor.history.StepCount(), 1u);
    mouse(CommandKind::MouseUp, 1);
    EXPECT_EQ(editor.history.StepCount(), 2u);
    Undo();
    EXPECT_EQ(editor.sel.CurSpace, start.CurSpace);
    EXPECT_EQ(Current().Symbol, Sym::ArrowHeavy);

    // A release of a button that is not held ends a gesture whose releases
    // were lost.
    mouse(CommandKind::MouseDown, 1);
    Key(VK::R);
    mouse(CommandKind::MouseUp, 4);
    EXPECT_EQ(editor.history.UndoCount(), 2u);
}

TEST_F(UndoTest, CommandsThatChangeNothingTheAuthorSeesRecordNoStep) {
    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 0;
    editor.LoadCurrentSpace();
    Button("ChangeCOR");
    Button("AddSpace"); // stores nothing new, steps on
    EXPECT_EQ(editor.sel.CurSpace, 1);
    Button("TranslateSpace");
    editor.Dispatch(Command::Mouse(CommandKind::MouseDown, 2, 0, 100, 100));
    editor.Dispatch(Command::Mouse(CommandKind::MouseUp, 2, 0, 100, 100));
    EXPECT_EQ(editor.sel.CurSpace, 2);
    editor.Dispatch(Command::Combo("StartingGridCombo", 0));
    EXPECT_EQ(editor.history.StepCount(), 0u);
}

TEST_F(UndoTest, AfterASaveThatReordersTheLanesEveryStepsSelectionNamesItsLanes) {
    // The pit lane before the garages, its first box beside the right lane:
    // saving swaps the two.
    editor.track.Lanes[4].Spaces[0].Adj[1] = MakeRef(2, 0);
    std::swap(editor.track.Lanes[3], editor.track.Lanes[4]);
    editor.history.Reset(editor.track);
    const std::string name = "Garages";
    const int lane = FindLane(editor.track, name);
    editor.sel.CurLane = lane;
    editor.sel.CurSpace = 0;
    editor.LoadCurrentSpace();
    Button("SetPrimarySpace");
    Key(VK::L);
    Key(VK::R);
    Undo(); // a redo is pending while the save reorders the lanes
    host.files.push_back(PathIn("order.trk"));
    Menu("MnuSaveAs");
    ASSERT_NE(FindLane(editor.track, name), lane) << "the save must move the lane";
    auto laneName = [&](int lane) { return editor.track.Lanes.at(static_cast<size_t>(lane)).Name; };
    for (const char* move : {"MnuRedo", "MnuUndo", "MnuUndo", "MnuRedo"}) {
        Menu(move);
        EXPECT_EQ(laneName(editor.sel.CurLane), name) << move;
        EXPECT_EQ(laneName(RefLane(editor.sel.PrimarySpace)), name) << move;
    }
}

TEST_F(UndoTest, CheckTrackListsTheProblemsAndGoesToTheSpaceOfOne) {
    Menu("MnuCheckTrack");
    ASSERT_EQ(host.checkShown.size(), 1u);
    const auto& problems = host.checkShown.back();
    EXPECT_EQ(problems.size(), FindTrackProblems(editor.track).size());
    EXPECT_FALSE(problems.empty()) << "a fresh template is not yet raceable";

    editor.Dispatch(Command::GoTo(0, 0));
    EXPECT_EQ(editor.sel.CurLane, 0);
    EXPECT_EQ(editor.sel.CurSpace, 0);
    editor.Dispatch(Command::GoTo(0, 999)); // names no space: nothing happens
    EXPECT_EQ(editor.sel.CurSpace, 0);
    EXPECT_EQ(editor.history.StepCount(), 0u);
}

class UndoBeforeTrackTest : public EditorFixture {};

TEST_F(UndoBeforeTrackTest, NothingIsRecordedBeforeAnyTrackExists) {
    Start();
    // A drag and a release, the keys and the buttons that edit a track.
    editor.Dispatch(Command::Mouse(CommandKind::MouseDown, 5, 0, 100.0f, 100.0f));
    editor.Dispatch(Command::Mouse(CommandKind::MouseMove, 5, 0, 400.0f, 300.0f));
    editor.Dispatch(Command::Mouse(CommandKind::MouseUp, 5, 0, 400.0f, 300.0f));
    Key(VK::Enter);
    Button("AddSpace");
    Button("RotateTrack");
    EXPECT_EQ(editor.history.StepCount(), 0u);
    EXPECT_FALSE(host.menuEnabled["MnuUndo"]);
    Menu("MnuNew3");
    EXPECT_EQ(editor.history.StepCount(), 0u);
}

} // namespace
} // namespace td::test
