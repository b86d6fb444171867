// Undo and redo: every command that reaches Dispatch is one step of the
// history when it changed the track. A mouse gesture from press to release,
// and a run of keystrokes in one text box, are one step each.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "edit/SpaceOps.h"
#include "edit/StepNames.h"
#include "edit/TypedPlacement.h"

namespace td {

namespace {

bool IsFileCommand(const Command& cmd) {
    if (cmd.kind == CommandKind::AutosaveTick)
        return true;
    if (cmd.kind == CommandKind::Button)
        return cmd.key == "New3Lane" || cmd.key == "New4Lane" || cmd.key == "LoadTrack" ||
               cmd.key == "SaveTrack";
    if (cmd.kind == CommandKind::Menu)
        return cmd.key == "MnuNew3" || cmd.key == "MnuNew4" || cmd.key == "MnuOpen" ||
               cmd.key == "MnuImportCircuit" ||
               cmd.key == "MnuSave" || cmd.key == "MnuSaveAs" || cmd.key == "MnuExit" ||
               cmd.key.rfind("MnuRecentTrack(", 0) == 0;
    return false;
}

bool IsHistoryCommand(const Command& cmd) {
    return cmd.kind == CommandKind::Menu && (cmd.key == "MnuUndo" || cmd.key == "MnuRedo");
}

// Commands that would move in the history, or replace or save the track,
// under a gesture that has not ended yet.
bool InterruptsGesture(const Command& cmd) {
    return IsHistoryCommand(cmd) || (IsFileCommand(cmd) && cmd.kind != CommandKind::AutosaveTick);
}

// The mouse buttons a press or release names (1 left, 2 right, 4 middle).
int ButtonBits(const Command& cmd) {
    return cmd.button & 7;
}

// "&" in a step name would turn the next letter into a mnemonic.
std::string MenuText(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

} // namespace

void Editor::Dispatch(const Command& cmd) {
    const bool outer = dispatchDepth_ == 0;
    // A gesture is one step from the press to the last release: undo, redo
    // and the file commands are not run before it ends.
    if (outer && gestureOpen_ && InterruptsGesture(cmd))
        return;
    ShownSpace shown;
    SpaceRef pending = NoSpace;
    if (outer) {
        shown = ShownSpaceNow();
        if (HasTrack && IsPendingSpace(track, sel) && sel.CurSpace < MaxLaneSpaces)
            pending = MakeRef(sel.CurLane, sel.CurSpace);
        BeginStep(cmd);
    } else {
        NameNestedStep(cmd);
    }
    {
        // The depth comes back down even when the command throws.
        struct Depth {
            int& d;
            explicit Depth(int& depth) : d(depth) { ++d; }
            ~Depth() { --d; }
        } depth(dispatchDepth_);
        DispatchCommand(cmd);
    }
    if (outer) {
        // A link may name the pending space, which exists only while it is
        // current: when a command leaves it unstored, the links go with it.
        // (Undo, redo and the file commands bring states of their own.)
        const bool stillPending = IsPendingSpace(track, sel) &&
                                  MakeRef(sel.CurLane, sel.CurSpace) == pending;
        if (pending != NoSpace && !stillPending && !track.Find(pending) &&
            !IsHistoryCommand(cmd) && !IsFileCommand(cmd) && ClearLinksTo(track, pending))
            RefreshView();
        RefreshShownSpace(shown, cmd);
        // Whatever moved the current space, the status bar follows it.
        SyncPanels();
        EndStep(cmd);
        FollowMoves(cmd);
    }
}

void Editor::BeginStep(const Command& cmd) {
    // Whatever comes while a button is held belongs to that gesture.
    if (gestureOpen_) {
        NameNestedStep(cmd);
        return;
    }
    if (stepOpen_)
        return;
    stepOpen_ = true;
    stepBefore_ = sel;
    stepName_ = StepName(cmd, EditMode, PolyTool);
    // Typing into a box merges into one step, but a typed placement applies
    // once per value and each is a step of its own.
    stepMergeKey_ =
        cmd.kind == CommandKind::PanelText && !IsPlacementBox(cmd.key) ? cmd.key : std::string();
    if (!stepMergeKey_.empty() && stepMergeKey_ != lastMergeKey_)
        history.EndMerge();
    trackReplaced_ = false;
    trackSaved_ = false;
}

void Editor::NameNestedStep(const Command& cmd) {
    // A context menu chosen during a press names the step after itself.
    if ((cmd.kind == CommandKind::Menu || cmd.kind == CommandKind::Button) &&
        IsGestureName(stepName_))
        stepName_ = StepName(cmd, EditMode, PolyTool);
}

void Editor::EndStep(const Command& cmd) {
    if (gestureOpen_) {
        if (cmd.kind == CommandKind::MouseDown)
            heldButtons_ |= ButtonBits(cmd);
        if (cmd.kind != CommandKind::MouseUp)
            return;
        // A release of a button not held means the other releases were lost
        // (the window never saw them): the gesture ends here too.
        const int bits = ButtonBits(cmd);
        heldButtons_ = (heldButtons_ & bits) == bits && bits ? heldButtons_ & ~bits : 0;
        if (heldButtons_ != 0)
            return;
        gestureOpen_ = false;
        CommitStep();
        return;
    }
    switch (cmd.kind) {
    case CommandKind::MouseDown:
        heldButtons_ = ButtonBits(cmd);
        if (heldButtons_ != 0) {
            gestureOpen_ = true;
            return;
        }
        break;
    case CommandKind::MouseMove:
        // Hovering changes nothing; a drag is recorded at its release.
        if (cmd.button == 0) {
            stepOpen_ = false;
            return;
        }
        break;
    default:
        break;
    }
    if (IsHistoryCommand(cmd)) {
        stepOpen_ = false;
        return;
    }
    if (IsFileCommand(cmd) || trackReplaced_) {
        if (trackReplaced_)
            history.Reset(track);
        else
            history.Rebase(track, sel);
        if (trackSaved_)
            savedStateId_ = history.StateId();
        stepOpen_ = false;
        lastMergeKey_.clear();
        UpdateEditMenu();
        UpdateTitle();
        return;
    }
    CommitStep();
}

void Editor::CommitStep() {
    if (!stepOpen_)
        return;
    stepOpen_ = false;
    // Before the first new track or load there is nothing to undo.
    if (!HasTrack)
        return;
    if (stepMergeKey_.empty())
        history.EndMerge();
    lastMergeKey_ = stepMergeKey_;
    if (!history.Record(track, stepName_, stepBefore_, sel, stepMergeKey_))
        return;
    UpdateEditMenu();
    UpdateTitle();
}

void Editor::NoteTrackReplaced() {
    trackReplaced_ = true;
    trackSaved_ = true;
    if (dispatchDepth_ == 0) {
        // Outside any command (start-up): take the track as it is.
        history.Reset(track);
        savedStateId_ = history.StateId();
        UpdateEditMenu();
    }
}

void Editor::NoteTrackSaved() {
    trackSaved_ = true;
    if (dispatchDepth_ == 0) {
        history.Rebase(track, sel);
        savedStateId_ = history.StateId();
    }
}

void Editor::Undo() {
    if (!HasTrack || !history.Undo(track, sel))
        return;
    AfterHistoryMove();
}

void Editor::Redo() {
    if (!HasTrack || !history.Redo(track, sel))
        return;
    AfterHistoryMove();
}

void Editor::AfterHistoryMove() {
    FillSpaceProperties();
    UpdateLanePanel();
    UpdateSpacePanels();
    UpdateToolbarState();
    UpdateEditMenu();
    UpdateTitle();
    RefreshView();
}

void Editor::UpdateEditMenu() {
    const bool undo = HasTrack && history.CanUndo();
    const bool redo = HasTrack && history.CanRedo();
    host.SetMenuEnabled("MnuUndo", undo);
    host.SetMenuEnabled("MnuRedo", redo);
    host.SetMenuCaption("MnuUndo", undo ? "&Undo " + MenuText(history.UndoName()) : "&Undo");
    host.SetMenuCaption("MnuRedo", redo ? "&Redo " + MenuText(history.RedoName()) : "&Redo");
}

bool Editor::IsModified() {
    if (!HasTrack)
        return false;
    const std::uint64_t id = history.StateId();
    if (id == savedStateId_)
        return false;
    // Equal texts count as unchanged: undoing by hand, or an edit and its
    // opposite, bring the track back to what is saved.
    if (id != modifiedCacheId_) {
        modifiedCacheId_ = id;
        modifiedCache_ = HasUnsavedChanges();
    }
    return modifiedCache_;
}

void RegisterHistoryCommands(CommandTable& table) {
    table.AddMenu("MnuUndo", [](Editor& ed, const Command&) { ed.Undo(); });
    table.AddMenu("MnuRedo", [](Editor& ed, const Command&) { ed.Redo(); });
    table.AddMenu("MnuCheckTrack", [](Editor& ed, const Command&) { ed.CheckTrackCommand(); });
}

} // namespace td
