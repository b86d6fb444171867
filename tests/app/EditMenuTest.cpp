// The Edit menu and the track check window in the real main window.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>

#include "TD.h"
#include "TDCheckTrack.h"
#include "TDTestSupport.h"
#include "edit/Editor.h"

namespace td {
namespace {

// Questions are answered "No" at once, so closing never waits for an author.
class QuietTD : public TD {
  public:
    using TD::TD;
    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::No;
    }
};

class EditMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ClearSettings();
        TDOptions o;
        o.showSplash = false;
        o.tracksFolder = tracks.path();
        window = std::make_unique<QuietTD>(o);
        window->Start({});
        window->Dispatch(Command::Button("New3Lane"));
    }

    QTemporaryDir tracks;
    std::unique_ptr<QuietTD> window;
};

TEST_F(EditMenuTest, UndoAndRedoCarryTheirShortcutsAndNameTheStep) {
    QAction* undo = window->MenuAction("MnuUndo");
    QAction* redo = window->MenuAction("MnuRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_FALSE(undo->isEnabled());

    window->Dispatch(Command::Key(CommandKind::KeyDown, VK::L, 0));
    window->Dispatch(Command::Key(CommandKind::KeyUp, VK::L, 0));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Change Symbol");
    EXPECT_TRUE(window->windowTitle().endsWith("*"));

    undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "&Redo Change Symbol");
    EXPECT_FALSE(window->windowTitle().endsWith("*"));
    redo->trigger();
    EXPECT_EQ(undo->text(), "&Undo Change Symbol");
}

TEST_F(EditMenuTest, CheckTrackListsProblemsAndDoubleClickSelectsTheSpace) {
    window->MenuAction("MnuCheckTrack")->trigger();
    auto* dialog = window->findChild<TDCheckTrack*>("TDCheckTrack");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    QListWidget* list = dialog->List();
    ASSERT_GT(list->count(), 0) << "a fresh template is not yet raceable";

    // Choose the first problem that names a space.
    int row = -1;
    for (int i = 0; i < list->count() && row < 0; ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() >= 0)
            row = i;
    ASSERT_GE(row, 0);
    const int lane = list->item(row)->data(Qt::UserRole).toInt();
    const int space = list->item(row)->data(Qt::UserRole + 1).toInt();
    emit list->itemDoubleClicked(list->item(row));
    EXPECT_EQ(window->editor().sel.CurLane, lane);
    EXPECT_EQ(window->editor().sel.CurSpace, space);
}

TEST(CheckTrackDialog, ACleanTrackSaysSoAndProblemsWithoutSpaceLeadNowhere) {
    testing::App();
    TDCheckTrack dialog(nullptr);
    int calls = 0;
    dialog.OnGoTo = [&](int, int) { ++calls; };
    dialog.SetProblems({});
    EXPECT_EQ(dialog.List()->count(), 0);
    EXPECT_EQ(dialog.findChild<QLabel*>("CheckSummaryLbl")->text(), "No problems found.");

    dialog.SetProblems({TrackProblem{"the starting grid has 0 places; a race needs 20", -1, -1},
                        TrackProblem{"lane 2 \"Left\", space 4: no segment", 2, 4}});
    ASSERT_EQ(dialog.List()->count(), 2);
    emit dialog.List()->itemDoubleClicked(dialog.List()->item(0));
    EXPECT_EQ(calls, 0);
    emit dialog.List()->itemDoubleClicked(dialog.List()->item(1));
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace td
