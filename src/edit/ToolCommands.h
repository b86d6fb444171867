#pragma once
// The "&Tools" menu commands of the editor: each runs a tool of src/tools on
// the editor's track, shows its message through the Host and redraws where
// the command wants it.

#include <string>

namespace td {

class Editor;

// Runs the tool of menu item `name`; false when `name` is no tool item.
bool RunToolMenu(Editor& editor, const std::string& name);

} // namespace td
