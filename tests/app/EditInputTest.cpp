// Editing input of the real window: keys wherever the focus is, the wheel.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include "DrawArea.h"
#include "TD.h"
#include "TDTestSupport.h"

namespace td {
namespace {

void KeyClick(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QCoreApplication::sendEvent(w, &release);
}

TDOptions Quiet(const QString& tracks) {
    TDOptions o;
    o.showSplash = false;
    o.tracksFolder = tracks;
    return o;
}

TEST(EditInputTest, BindingsWorkWhileAComboHasTheFocusButNotInThePositionBox) {
    testing::ClearSettings();
    QTemporaryDir tracks;
    TD w(Quiet(tracks.path()));
    w.Start({});
    w.Dispatch(Command::Button("New3Lane"));
    w.show();
    QApplication::setActiveWindow(&w);

    auto* combo = qobject_cast<QComboBox*>(w.Control("GapPartCombo"));
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), combo);
    KeyClick(combo, Qt::Key_H);
    KeyClick(combo, Qt::Key_Return);
    EXPECT_EQ(w.editor().sel.CurSpace, 1);
    EXPECT_EQ(w.editor().SymbolEntry, 1);
    EXPECT_EQ(combo->currentIndex(), 0);

    auto* position = qobject_cast<QLineEdit*>(w.Control("SpacePosTxt"));
    position->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), position);
    KeyClick(position, Qt::Key_Return);
    EXPECT_EQ(w.editor().sel.CurSpace, 1) << w.editor().track.Lanes[2].Spaces.size();
    EXPECT_EQ(QApplication::focusWidget(), w.drawArea());
}

TEST(EditInputTest, APressWhoseMessageTookTheReleaseEndsItsGestureAndTheNoteIsKept) {
    testing::ClearSettings();
    QTemporaryDir tracks;
    TD w(Quiet(tracks.path()));
    w.Start({});
    w.Dispatch(Command::Button("New3Lane"));
    w.show();
    Editor& ed = w.editor();
    ed.sel.CurLane = 3;
    ed.sel.CurSpace = 9; // the last garage: the pending space after it takes its symbol
    ed.LoadCurrentSpace();
    w.Dispatch(Command::Button("AddSpace"));

    // The right press adds the pending space and refuses the team symbol in
    // a message box, which the author closes; the release goes to the box.
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), w.drawArea()->mapToGlobal(QPointF(5, 5)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.drawArea(), &press);
    closer.stop();
    ASSERT_EQ(ed.track.Lanes[3].Spaces.size(), 11u);
    w.Dispatch(Command::Menu("MnuUndo")); // runs: the gesture is over
    EXPECT_EQ(ed.track.Lanes[3].Spaces.size(), 10u);

    // The recovery note goes to the settings store and comes back.
    w.StoreRecovery({"/t/a.trk.autosave", "/t/a.trk", 42});
    const RecoveryNote note = w.StoredRecovery();
    EXPECT_EQ(note.file, "/t/a.trk.autosave");
    EXPECT_EQ(note.track, "/t/a.trk");
    EXPECT_EQ(note.owner, 42);
    EXPECT_TRUE(w.SessionRunning(w.SessionId()));
    w.StoreRecovery({});
    EXPECT_TRUE(w.StoredRecovery().file.empty());
}

TEST(EditInputTest, WheelNotchesBecomeZoomStepsAtThePointer) {
    testing::App();
    QImageSurface surface(100, 80, 15.0f, 15.0f);
    DrawArea area(surface);
    std::vector<Command> got;
    area.SetCommandSink([&](const Command& c) { got.push_back(c); });
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(10, 20), area.mapToGlobal(QPointF(10, 20)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&area, &e);
    };
    wheel(60);
    EXPECT_TRUE(got.empty());
    wheel(60);
    wheel(-240);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, CommandKind::MouseWheel);
    EXPECT_EQ(got[0].index, 1);
    EXPECT_FLOAT_EQ(got[0].x, 150.0f);
    EXPECT_FLOAT_EQ(got[0].y, 300.0f);
    EXPECT_EQ(got[1].index, -2);
}

} // namespace
} // namespace td
