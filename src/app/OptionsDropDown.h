#pragma once
// The main toolbar's "Options" button: a drop-down of the display options.

namespace td {

class TD;

// Gives the "Options" button the check items of the "&Options" menu as its
// drop-down. They are the menu's own actions, so marks and commands are the
// same whichever way the author picks them.
void AttachOptionsDropDown(TD& window);

} // namespace td
