#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "KeyMap.h"

namespace td {
namespace {

TEST(KeyMap, KeysMapToTheVirtualKeyCodesTheEditorBinds) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_A, Qt::NoModifier), 65);
    // Modifiers do not change a letter's code: Ctrl+Shift+D is still D.
    EXPECT_EQ(VirtualKeyCode(Qt::Key_D, Qt::ShiftModifier | Qt::ControlModifier), 68);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Z, Qt::NoModifier), 90);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_0, Qt::NoModifier), 48);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), 49);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, Qt::NoModifier), 37);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Down, Qt::KeypadModifier), 40);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Space, Qt::NoModifier), 32);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Delete, Qt::NoModifier), 46);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Insert, Qt::NoModifier), 45);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F5, Qt::NoModifier), 116);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_VolumeUp, Qt::NoModifier), 0);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Eacute, Qt::NoModifier), 0);
}

TEST(KeyMap, KeypadAndMainKeyboardPlusAndMinusAreDifferentKeys) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, Qt::ShiftModifier), 187);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Equal, Qt::NoModifier), 187);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, Qt::NoModifier), 189);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Underscore, Qt::ShiftModifier), 189);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Asterisk, Qt::ShiftModifier), 56);
}

TEST(KeyMap, LettersOfOtherScriptsCountAsTheLatinKeyAtTheirPlace) {
    // A Russian layout: the H key types "р", the D key "в", Ctrl+D "в" too.
    auto code = [](int key, const char* text, quint32 scan,
                   Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QKeyEvent e(QEvent::KeyPress, key, mods, scan, 0, 0, QString::fromUtf8(text));
        return KeyEventCode(e);
    };
    EXPECT_EQ(code(0x0420, "р", 43), 'H');
    EXPECT_EQ(code(0x0412, "в", 40, Qt::ControlModifier), 'D');
    EXPECT_EQ(code(0x0419, "й", 24), 'Q');
    EXPECT_EQ(code(0x0427, "ч", 58), 'M');
    // A Latin letter keeps its own meaning wherever its key is (AZERTY A).
    EXPECT_EQ(code(Qt::Key_A, "a", 24), 'A');
    // Letters outside the letter rows, and what is no letter, stay unbound.
    EXPECT_EQ(code(0x0416, "ж", 47), 0);
    EXPECT_EQ(code(Qt::Key_Eacute, "é", 11), 0);
    EXPECT_EQ(code(0x2116, "№", 12), 0);
    EXPECT_EQ(code(Qt::Key_VolumeUp, "", 123), 0);
}

TEST(KeyMap, CtrlAndAltWithALetterOfAnotherScriptRunTheLatinShortcut) {
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open"));
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    int opened = 0;
    QObject::connect(open, &QAction::triggered, [&] { ++opened; });
    auto press = [&](int key, const char* text, quint32 scan, Qt::KeyboardModifiers mods) {
        const QKeyEvent e(QEvent::KeyPress, key, mods, scan, 0, 0, QString::fromUtf8(text));
        return RunLatinShortcut(&window, e);
    };
    // "щ" is on the O key, "а" on the F key.
    EXPECT_TRUE(press(0x0429, "щ", 32, Qt::ControlModifier));
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(press(0x0429, "щ", 32, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_FALSE(press(0x0429, "щ", 32, Qt::NoModifier));
    open->setEnabled(false);
    EXPECT_FALSE(press(0x0429, "щ", 32, Qt::ControlModifier));
    EXPECT_EQ(opened, 1);
    // Latin keys are Qt's own business.
    EXPECT_FALSE(press(Qt::Key_O, "o", 32, Qt::ControlModifier));
    EXPECT_FALSE(press(0x0410, "а", 41, Qt::AltModifier)); // no menu bar on the screen
    window.show();
    EXPECT_TRUE(press(0x0410, "а", 41, Qt::AltModifier));
    EXPECT_EQ(window.menuBar()->activeAction(), file->menuAction());
}

TEST(KeyMap, ModifierMaskAddsShiftCtrlAlt) {
    EXPECT_EQ(ModifierMask(Qt::NoModifier), 0);
    EXPECT_EQ(ModifierMask(Qt::ControlModifier), 2);
    EXPECT_EQ(ModifierMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    // Flags the editor has no bit for are left out.
    EXPECT_EQ(ModifierMask(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

} // namespace
} // namespace td
