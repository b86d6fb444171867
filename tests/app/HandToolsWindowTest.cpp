// The hand-editing tools in the real window: Build Lane Beside through its
// real message boxes, the pointer panel, typing a space's place, and the Go
// to Space dialog.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include "StatusPanel.h"
#include "TD.h"
#include "TDTestSupport.h"
#include "model/LaneRoles.h"

namespace td {
namespace {

TDOptions Quiet(const QString& tracks) {
    TDOptions o;
    o.showSplash = false;
    o.tracksFolder = tracks;
    return o;
}

// Answers every real message box with Yes (or OK) and records its title.
class AnsweringTD : public TD {
  public:
    using TD::TD;
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override {
        titles.push_back(title);
        QTimer::singleShot(0, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes ? yes : box->button(QMessageBox::Ok))->click();
            }
        });
        return TD::MessageBox(text, title, buttons, icon);
    }
    std::vector<std::string> titles;
};

TEST(HandToolsWindowTest, BuildLaneBesideTypedPlacementPointerAndGoToSpace) {
    testing::ClearSettings();
    QTemporaryDir tracks;
    AnsweringTD w(Quiet(tracks.path()));
    w.Start({});
    w.resize(1400, 900);
    w.show();
    Editor& ed = w.editor();
    ASSERT_TRUE(ed.LoadTrackFile(std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk"));
    const int middle = FindLaneRoles(ed.track).FirstRacing + 1;
    const int right = middle + 1;
    ed.GoToSpace(middle, 0);

    // Right (Yes), replace (Yes), then the result.
    ASSERT_TRUE(w.MenuAction("MnuBuildLaneBeside")->isEnabled());
    w.MenuAction("MnuBuildLaneBeside")->trigger();
    ASSERT_EQ(w.titles.size(), 3u);
    EXPECT_EQ(w.titles[2], "Build Lane Beside");
    EXPECT_EQ(ed.track.Lanes[static_cast<size_t>(right)].Spaces.size(),
              ed.track.Lanes[static_cast<size_t>(middle)].Spaces.size());

    // The pointer's world position. The panel is the first to give way: at
    // the least width of the window the bar has no room for it.
    QCoreApplication::processEvents();
    auto move = [&] {
        w.Dispatch(Command::Mouse(CommandKind::MouseMove, 0, 0,
                                  ed.view.OffsetX + 300 * ed.view.Zoom,
                                  ed.view.OffsetY - 150 * ed.view.Zoom));
        w.statusBar()->layout()->activate();
    };
    move();
    auto* pointer = dynamic_cast<StatusPanel*>(w.Panel("Pointer"));
    ASSERT_NE(pointer, nullptr);
    if (w.statusBar()->width() <= 800) {
        EXPECT_TRUE(pointer->isHidden());
    }
    // With room made it shows, whole, after the other panels.
    w.Panel("Segment")->hide();
    w.Panel("Corner")->hide();
    w.Panel("CurrScl")->hide();
    move();
    EXPECT_FALSE(pointer->isHidden());
    EXPECT_EQ(pointer->ShownText(), QStringLiteral("Pointer 300, -150"));
    EXPECT_GE(pointer->geometry().left(), w.Panel("CurrRot")->geometry().right());

    // Typing the current space's X: Enter applies it.
    auto* x = qobject_cast<QLineEdit*>(w.Control("SpaceXTxt"));
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->isVisible());
    const float nextBefore = ed.track.Lanes[static_cast<size_t>(middle)].Spaces[1].Pt[0].x;
    const float before = ed.track.Lanes[static_cast<size_t>(middle)].Spaces[0].Pt[0].x;
    x->setFocus();
    x->setText(QString::number(static_cast<int>(before) + 40));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(x, &enter);
    EXPECT_NEAR(ed.track.Lanes[static_cast<size_t>(middle)].Spaces[0].Pt[0].x,
                static_cast<int>(before) + 40, 1e-3);
    EXPECT_NEAR(ed.track.Lanes[static_cast<size_t>(middle)].Spaces[1].Pt[0].x,
                nextBefore + (static_cast<int>(before) + 40 - before), 1e-2);

    // Go to Space through its dialog: lane `right`, space 5.
    QTimer::singleShot(0, &w, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox*>(QStringLiteral("GoToLaneTxt"))->setValue(right);
        dialog->findChild<QSpinBox*>(QStringLiteral("GoToSpaceTxt"))->setValue(5);
        qobject_cast<QDialog*>(dialog)->accept();
    });
    w.MenuAction("MnuGoToSpace")->trigger();
    EXPECT_EQ(ed.sel.CurLane, right);
    EXPECT_EQ(ed.sel.CurSpace, 4);

    if (const char* shot = std::getenv("TD_HAND_TOOLS_SHOT"))
        w.grab().save(QString::fromLocal8Bit(shot));
}

} // namespace
} // namespace td
