#pragma once
// The keys of the main window that run a toolbar button's or a menu item's
// command, as the author reads them in tooltips and beside menu items. The
// keys themselves are handled in Keyboard.cpp; this table only names them.

#include <string>
#include <vector>

namespace td {

struct KeyHint {
    const char* command; // toolbar button key or menu item name
    const char* key;     // as shown: "P", "Delete"
};

const std::vector<KeyHint>& KeyHints();

// The key of a button or menu item; empty when it has none.
std::string KeyHintFor(const std::string& command);

// A button's tooltip followed by its key: "Set ... \"primary\" (P)".
std::string TooltipWithKey(const std::string& command, const std::string& tooltip);

// A menu item's text with its key in the shortcut column (after a tab),
// which shows the key without binding it a second time.
std::string MenuTextWithKey(const std::string& name, const std::string& caption);

} // namespace td
