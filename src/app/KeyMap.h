#pragma once
// Translation of Qt key events into the virtual-key codes and modifier masks
// the editor core understands.

#include <Qt>

namespace td {

// Modifier mask of the core: 1 Shift, 2 Ctrl, 4 Alt, added.
int ModifierMask(Qt::KeyboardModifiers modifiers);

// Virtual-key code for a Qt key; 0 when the key has no code the core uses.
// `modifiers` tells the numeric keypad's plus and minus from the main ones.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace td
