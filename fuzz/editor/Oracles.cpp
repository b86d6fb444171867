#include "Oracles.h"

#include "model/TrackFile.h"

namespace td::fuzz {

namespace {

// Commands that may replace, save or reorder the track with no new state id.
bool MayKeepId(const Command& cmd) {
    if (cmd.kind == CommandKind::AutosaveTick)
        return true;
    if (cmd.kind != CommandKind::Button && cmd.kind != CommandKind::Menu &&
        cmd.kind != CommandKind::KeyDown)
        return false;
    if (cmd.kind == CommandKind::KeyDown)
        return (cmd.shift & MaskCtrl) != 0; // Ctrl+S, Ctrl+O, Ctrl+N
    for (const char* word : {"New", "Open", "Load", "Save", "Recent", "Import", "Exit"})
        if (cmd.key.find(word) != std::string::npos)
            return true;
    return false;
}

std::string RefText(SpaceRef ref) {
    return std::to_string(RefLane(ref)) + "/" + std::to_string(RefIndex(ref));
}

} // namespace

std::string Oracles::Form(const Track& track) {
    return FormatTrack(track, BuildStamp{"-", "-", "-"});
}

std::string Oracles::BadLink(const Track& track, const Selection& sel) {
    for (size_t l = 0; l < track.Lanes.size(); ++l) {
        const auto& spaces = track.Lanes[l].Spaces;
        for (size_t s = 0; s < spaces.size(); ++s) {
            const Space& space = spaces[s];
            for (int slot = 0; slot < 6; ++slot) {
                const SpaceRef ref = slot < 2 ? space.Nxt[static_cast<size_t>(slot)]
                                              : space.Adj[static_cast<size_t>(slot - 2)];
                if (ref == NoSpace || track.Find(ref))
                    continue;
                const bool pending = ref >= 0 && RefLane(ref) == sel.CurLane &&
                                     track.ValidLane(sel.CurLane) &&
                                     RefIndex(ref) == sel.CurSpace &&
                                     sel.CurSpace == static_cast<int>(
                                         track.Lanes[static_cast<size_t>(sel.CurLane)].Spaces.size());
                if (pending)
                    continue;
                return "space " + std::to_string(l) + "/" + std::to_string(s) +
                       (slot < 2 ? " Nxt[" + std::to_string(slot) : " Adj[" + std::to_string(slot - 2)) +
                       "] names " + RefText(ref) + ", which does not exist";
            }
        }
    }
    return {};
}

void Oracles::Remember(const Editor& ed) {
    hadTrack_ = ed.HasTrack;
    lastId_ = ed.history.StateId();
    lastSteps_ = ed.history.StepCount();
    lastUndo_ = ed.history.UndoCount();
    lastLane_ = ed.sel.CurLane;
    lastSpace_ = ed.sel.CurSpace;
}

void Oracles::Begin(const Editor& ed) {
    forms_.clear();
    Remember(ed);
    checkLinks_ = !ed.HasTrack || BadLink(ed.track, ed.sel).empty();
    if (ed.HasTrack)
        forms_[lastId_] = Form(ed.track);
}

std::string Oracles::CheckState(const Editor& ed, const Command& cmd) {
    const UndoHistory& h = ed.history;
    if (!h.Matches(ed.track))
        return "the track changed without an undo step";

    const std::uint64_t id = h.StateId();
    const bool moved = id != lastId_ || h.StepCount() != lastSteps_ || h.UndoCount() != lastUndo_;
    const bool keepsId = MayKeepId(cmd) || !hadTrack_;
    if (!moved && !keepsId)
        return {};

    const std::string form = Form(ed.track);
    Track again;
    const LoadResult read = LoadTrackFromText(again, form);
    if (!read.complete)
        return "the written track does not read back (line " + std::to_string(read.line) + ": " +
               read.reason + ")";
    if (Form(again) != form)
        return "the written track reads back different";

    // A new step on top of the state before it. The history records a step
    // only when some bit changed; a typed value must also change what the
    // file holds. (A drag or a key that moves and moves back may leave
    // rounding below what the file writes: that is no fault.)
    const bool typed = cmd.kind == CommandKind::PanelText || cmd.kind == CommandKind::PanelCombo ||
                       cmd.kind == CommandKind::DialogOK;
    const bool recorded = typed && id != lastId_ &&
                          h.UndoCount() >= 1 && h.UndoCount() == h.StepCount();
    if (recorded) {
        auto before = forms_.find(lastId_);
        if (before != forms_.end() && before->second == form && h.UndoCount() > lastUndo_)
            return "a typed value made an undo step but the written track did not change";
    }
    auto known = forms_.find(id);
    if (known != forms_.end() && !keepsId && known->second != form)
        return "the history's state " + std::to_string(id) + " is not the track it was";
    forms_[id] = form;
    return {};
}

std::string Oracles::After(const Editor& ed, const Command& cmd) {
    if (ed.GestureOpen())
        return {};
    std::string failure;
    if (!ed.HasTrack && ed.history.StepCount() > 0)
        failure = "an undo step was recorded before any track exists";
    if (ed.HasTrack) {
        const bool selMoved = ed.sel.CurLane != lastLane_ || ed.sel.CurSpace != lastSpace_;
        const std::uint64_t before = lastId_;
        failure = CheckState(ed, cmd);
        if (failure.empty() && checkLinks_ &&
            (selMoved || before != ed.history.StateId() || MayKeepId(cmd)))
            failure = BadLink(ed.track, ed.sel);
    }
    Remember(ed);
    return failure;
}

std::string Oracles::AtEnd(Editor& ed) {
    if (ed.GestureOpen()) {
        const Command release = Command::Mouse(CommandKind::MouseUp, 7, 0, ed.LastPt.x, ed.LastPt.y);
        ed.Dispatch(release);
        if (std::string f = After(ed, release); !f.empty())
            return f;
        if (ed.GestureOpen())
            return "releasing every button did not end the gesture";
    }
    if (!ed.HasTrack)
        return {};
    const std::uint64_t finalId = ed.history.StateId();
    const std::string finalForm = Form(ed.track);
    const std::size_t steps = ed.history.UndoCount();
    const bool atTop = steps == ed.history.StepCount();
    const Command undo = Command::Menu("MnuUndo");
    const Command redo = Command::Menu("MnuRedo");
    for (std::size_t i = 0; i < steps; ++i) {
        ed.Dispatch(undo);
        if (std::string f = After(ed, undo); !f.empty())
            return "undoing every step: " + f;
    }
    if (ed.history.CanUndo())
        return "undoing every step left a step to undo";
    auto first = forms_.find(ed.history.StateId());
    if (first != forms_.end() && first->second != Form(ed.track))
        return "undoing every step did not give the first track back";
    const std::size_t redoable = ed.history.StepCount();
    for (std::size_t i = 0; i < redoable; ++i) {
        ed.Dispatch(redo);
        if (std::string f = After(ed, redo); !f.empty())
            return "redoing every step: " + f;
    }
    if (atTop && (ed.history.StateId() != finalId || Form(ed.track) != finalForm))
        return "redoing every step did not give the final track";
    return {};
}

} // namespace td::fuzz
