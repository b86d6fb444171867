#pragma once
// Translation of Qt key events into the virtual-key codes and modifier masks
// the editor core understands.

#include <Qt>

#include <functional>

#include "edit/Command.h"

class QKeyEvent;
class QWidget;

namespace td {

// Modifier mask of the core: 1 Shift, 2 Ctrl, 4 Alt, added.
int ModifierMask(Qt::KeyboardModifiers modifiers);

// Virtual-key code for a Qt key; 0 when the key has no code the core uses.
// `modifiers` tells the numeric keypad's plus and minus from the main ones.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The virtual-key code of a key event. A key that types a letter of another
// script (a Cyrillic or Greek layout) counts as the Latin letter key at the
// same place on the keyboard, as the shortcuts of desktop programs do.
int KeyEventCode(const QKeyEvent& event);
// The Latin letter KeyEventCode takes a key of another script for; 0 when
// the key is no such letter.
int LatinLetterFor(const QKeyEvent& event);
// With Ctrl or Alt held on a key of another script: carries out the menu
// item of `window` whose shortcut the same keys give on a Latin layout, or
// with Alt alone opens the menu of that mnemonic. False when there is none.
bool RunLatinShortcut(QWidget* window, const QKeyEvent& event);
// The Latin letter key 'A'..'Z' at a keyboard position, given as the XKB
// keycode Linux desktops report (evdev code + 8); 0 for any other key.
int LetterKeyAt(quint32 nativeScanCode);

// Sends the keys pressed and released anywhere in `window` to `sink` as
// editor key commands before the control with the focus sees them, so that
// the bindings work whatever has the focus; a text box with the focus keeps
// its keys. Keys the editor has no code for go on as usual. Keys sent to the
// window itself are left to its own handlers.
void RouteWindowKeys(QWidget* window, std::function<void(const Command&)> sink);

} // namespace td
