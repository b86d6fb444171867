#include <gtest/gtest.h>

#include "KeyMap.h"

namespace td {
namespace {

TEST(KeyMap, LettersAndDigitsUseTheirUnshiftedKeyCodes) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Z, Qt::NoModifier), 90);
    // Shift does not change the code of a letter key.
    EXPECT_EQ(VirtualKeyCode(Qt::Key_D, Qt::ShiftModifier | Qt::ControlModifier), 68);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_0, Qt::NoModifier), 48);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_9, Qt::NoModifier), 57);
    // A shifted digit still names its key.
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), 49);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_ParenRight, Qt::ShiftModifier), 48);
}

TEST(KeyMap, KeypadAndMainKeyboardPlusAndMinusAreDifferentKeys) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, Qt::ShiftModifier), 187);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Equal, Qt::NoModifier), 187);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, Qt::NoModifier), 189);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Underscore, Qt::ShiftModifier), 189);
    // Keypad digits are not the digit row.
    EXPECT_EQ(VirtualKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Asterisk, Qt::ShiftModifier), 56);
}

TEST(KeyMap, NavigationEditingAndFunctionKeys) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, Qt::NoModifier), 37);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Up, Qt::NoModifier), 38);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Right, Qt::NoModifier), 39);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Down, Qt::NoModifier), 40);
    // Arrow keys arrive with the keypad flag on some systems.
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, Qt::KeypadModifier), 37);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Space, Qt::NoModifier), 32);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Delete, Qt::NoModifier), 46);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Insert, Qt::NoModifier), 45);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F5, Qt::NoModifier), 116);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 16);
}

TEST(KeyMap, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_VolumeUp, Qt::NoModifier), 0);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Eacute, Qt::NoModifier), 0);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_unknown, Qt::NoModifier), 0);
}

TEST(KeyMap, ModifierMaskAddsShiftCtrlAlt) {
    EXPECT_EQ(ModifierMask(Qt::NoModifier), 0);
    EXPECT_EQ(ModifierMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(ModifierMask(Qt::ControlModifier), 2);
    EXPECT_EQ(ModifierMask(Qt::AltModifier), 4);
    EXPECT_EQ(ModifierMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    // Flags the core has no bit for are left out.
    EXPECT_EQ(ModifierMask(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

} // namespace
} // namespace td
