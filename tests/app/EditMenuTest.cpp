// The Edit menu and the track check window in the real main window.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include "TD.h"
#include "TDCheckTrack.h"
#include "TDTestSupport.h"
#include "DrawArea.h"
#include "edit/Editor.h"
#include "view/ViewTransform.h"

namespace td {
namespace {

// Questions are answered "No" at once, so closing never waits for an author;
// the save dialog answers with the next name the test has queued.
class QuietTD : public TD {
  public:
    using TD::TD;
    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::No;
    }
    std::optional<std::string> FileDialog(FileDialogKind, const std::string&) override {
        if (saveAs.empty())
            return std::nullopt;
        std::string path = saveAs.front();
        saveAs.erase(saveAs.begin());
        return path;
    }
    std::vector<std::string> saveAs;
};

std::string ReadAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

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

TEST_F(EditMenuTest, UndoneAndRedoneEditsSaveAsTheFilesTheyCameFrom) {
    // One build stamp for every save: the files must not differ by the clock.
    ::setenv("SOURCE_DATE_EPOCH", "1796700665", 1);
    struct Unset {
        ~Unset() { ::unsetenv("SOURCE_DATE_EPOCH"); }
    } unset;
    const QString first = tracks.filePath("first.trk"), edited = tracks.filePath("edited.trk");
    const QString undone = tracks.filePath("undone.trk"), redone = tracks.filePath("redone.trk");
    window->saveAs = {first.toStdString(), edited.toStdString(), undone.toStdString(),
                      redone.toStdString()};
    window->MenuAction("MnuSaveAs")->trigger();
    EXPECT_FALSE(window->windowTitle().endsWith("*"));

    // Two edits: a symbol and a move of the current space.
    window->Dispatch(Command::Key(CommandKind::KeyDown, VK::L, 0));
    window->Dispatch(Command::Key(CommandKind::KeyDown, VK::Right, 0));
    EXPECT_TRUE(window->windowTitle().endsWith("*"));
    window->MenuAction("MnuSaveAs")->trigger();
    EXPECT_FALSE(window->windowTitle().endsWith("*"));

    window->MenuAction("MnuUndo")->trigger();
    window->MenuAction("MnuUndo")->trigger();
    EXPECT_TRUE(window->windowTitle().endsWith("*"));
    window->MenuAction("MnuSaveAs")->trigger();
    window->MenuAction("MnuRedo")->trigger();
    window->MenuAction("MnuRedo")->trigger();
    window->MenuAction("MnuSaveAs")->trigger();

    EXPECT_NE(ReadAll(first), ReadAll(edited));
    EXPECT_EQ(ReadAll(undone), ReadAll(first));
    EXPECT_EQ(ReadAll(redone), ReadAll(edited));
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
    // The window over the right half of the drawing area: the space goes
    // where it can be seen.
    DrawArea* area = window->drawArea();
    const QPoint topLeft = area->mapToGlobal(QPoint(area->width() / 2, 0));
    dialog->setGeometry(QRect(topLeft, QSize(area->width() / 2, area->height())));
    emit list->itemDoubleClicked(list->item(row));
    EXPECT_EQ(window->editor().sel.CurLane, lane);
    EXPECT_EQ(window->editor().sel.CurSpace, space);
    const Space* s = window->editor().track.Find(lane, space);
    ASSERT_NE(s, nullptr);
    const ViewState& v = window->editor().view;
    const float x = WorldToScreenX(v, s->CenterX()) / area->TwipsPerPixelX();
    const QRect frame = dialog->frameGeometry().translated(-area->mapToGlobal(QPoint()));
    EXPECT_LT(x, frame.left()) << "the space lies under the check window";
    EXPECT_GT(x, 0);
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
