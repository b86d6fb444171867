// Editing input of the real window: keys wherever the focus is, the wheel.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
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
