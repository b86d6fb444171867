#pragma once
// Turns input bytes into well-formed editor commands: every toolbar button
// and menu item the command table and the interface tables know (so a new
// command is picked without an edit here), keys with every modifier mask,
// mouse events at random points and at the points of real spaces, flags and
// polygon vertices, panel texts and combo picks with junk and huge values,
// the corner dialog's OK, autosave ticks, Go to Space, undo and redo.

#include <string>
#include <vector>

#include "ByteSource.h"
#include "edit/Command.h"
#include "edit/Editor.h"

namespace td::fuzz {

class CommandPicker {
  public:
    CommandPicker();

    // The next command for `editor` in its present state. `popup` is the
    // context menu the editor popped up last (empty: none); picking one of
    // its items clears it.
    Command Next(ByteSource& in, const Editor& editor, std::string& popup) const;

    const std::vector<std::string>& Buttons() const { return buttons_; }
    const std::vector<std::string>& Menus() const { return menus_; }

  private:
    Command PickButton(ByteSource& in) const;
    Command PickMouse(ByteSource& in, const Editor& editor) const;
    PointF PickPoint(ByteSource& in, const Editor& editor) const;
    Command PickPanel(ByteSource& in, const Editor& editor) const;

    std::vector<std::string> buttons_;
    std::vector<std::string> menus_;
};

// A command in words, one line: what `editor-replay --words` prints.
std::string Describe(const Command& cmd);

} // namespace td::fuzz
