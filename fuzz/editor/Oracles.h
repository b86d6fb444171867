#pragma once
// What must hold while any sequence of commands runs, checked cheaply enough
// for thousands of commands a second: the written form of a track is
// computed only when the history names a new state or a file command ran,
// and each state the history names is remembered by its id.
//   - No undo step is recorded before a track exists.
//   - Outside a gesture the track is the history's current state: nothing
//     changes the track without an undo step.
//   - The written form reads back to itself.
//   - A step made by a typed value (panel, dialog) changes the written form.
//   - A state the history names again (undo, redo) is the track it was.
//   - Every link names a space, is -1, or names the pending space while it
//     is current (checked only when the start had no dangling link).
//   - At the end, undoing every step gives the form of the first state and
//     redoing every step gives the final one.

#include <cstdint>
#include <map>
#include <string>

#include "edit/Command.h"
#include "edit/Editor.h"

namespace td::fuzz {

class Oracles {
  public:
    // The editor just started; links are checked only when the start had
    // no link to a missing space.
    void Begin(const Editor& editor);
    // After each command; the failure in words, empty when all held.
    std::string After(const Editor& editor, const Command& cmd);
    // After the sequence: closes an open gesture, then undoes and redoes
    // every step through the editor.
    std::string AtEnd(Editor& editor);

    // The first link of the track that names no space (and not the current
    // pending space), in words; empty when there is none.
    static std::string BadLink(const Track& track, const Selection& sel);
    // The written form with the fixed stamp the editor compares with.
    static std::string Form(const Track& track);

  private:
    std::string CheckState(const Editor& editor, const Command& cmd);
    // What the next command is compared with.
    void Remember(const Editor& editor);

    bool checkLinks_ = true;
    bool hadTrack_ = false;
    std::uint64_t lastId_ = 0;
    std::size_t lastSteps_ = 0;
    std::size_t lastUndo_ = 0;
    int lastLane_ = -1;
    int lastSpace_ = -1;
    std::map<std::uint64_t, std::string> forms_;
};

} // namespace td::fuzz
