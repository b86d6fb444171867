// Open, save, save as, the recent tracks, the autosave timer and the
// question before unsaved changes would be lost.

#include "edit/Editor.h"
#include "edit/Messages.h"
#include "edit/UiDefs.h"
#include "model/TrackFile.h"

#include <filesystem>
#include <string_view>

namespace td {

namespace {

constexpr std::string_view RecoverySuffix = ".autosave";

bool IsRecoveryName(const std::string& path) {
    return path.size() > RecoverySuffix.size() && path.ends_with(RecoverySuffix);
}

// The autosave file and the recovery files are never a track's own file.
bool IsAutosaveName(const std::string& path) {
    return FileNamePart(path) == AutosaveFileName || IsRecoveryName(path);
}

} // namespace

std::string RecoveryPathFor(const std::string& trackPath) {
    return trackPath + std::string(RecoverySuffix);
}

std::string Editor::AutosavePath() {
    return host.TracksFolder() + "/" + AutosaveFileName;
}

bool Editor::HasOwnFile() const {
    return !TrackPath.empty() && !IsAutosaveName(TrackPath);
}

void Editor::UpdateTitle() {
    std::string title = AppTitle;
    if (!TrackPath.empty())
        title += " - " + FileNamePart(TrackPath);
    if (IsModified())
        title += "*";
    host.SetWindowTitle(title);
}

void Editor::RefreshRecentTracks() {
    std::vector<std::string> list;
    for (auto& path : host.RecentTracks())
        if (!path.empty() && !IsAutosaveName(path))
            list.push_back(std::move(path));
    if (!list.empty())
        host.SetMenuVisible("Separator3", true);
    for (size_t i = 0; i < list.size() && i < RecentCaptions.size(); ++i) {
        RecentCaptions[i] = list[i];
        RecentVisible[i] = true;
        const std::string item = RecentTrackItem(static_cast<int>(i));
        host.SetMenuCaption(item, list[i]);
        host.SetMenuVisible(item, true);
    }
}

// ---- change detection

std::string Editor::WrittenForm() const {
    // A fixed stamp, so that only the track's own content counts.
    return FormatTrack(track, BuildStamp{"-", "-", "-"});
}

void Editor::TakeSavedSnapshot() {
    savedText_ = WrittenForm();
    NoteTrackSaved();
}

bool Editor::HasUnsavedChanges() const {
    return HasTrack && WrittenForm() != savedText_;
}

bool Editor::ConfirmDiscard() {
    if (!HasUnsavedChanges())
        return true;
    switch (host.MessageBox(UnsavedChangesText(), AppTitle, MsgButtons::YesNoCancel,
                            MsgIcon::Question)) {
    case MsgAnswer::Yes:
        return SaveForDiscard();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

bool Editor::SaveForDiscard() {
    if (HasOwnFile())
        return SaveTrackFile(TrackPath);
    auto chosen = host.FileDialog(FileDialogKind::Save, host.TracksFolder());
    return chosen && SaveTrackFile(*chosen);
}

// ---- open

void Editor::OpenWithDialog() {
    // The dialog starts at the current track, never at the autosave file.
    if (IsAutosaveName(TrackPath))
        TrackPath.clear();
    auto chosen =
        host.FileDialog(FileDialogKind::Open, TrackPath.empty() ? host.TracksFolder() : TrackPath);
    if (chosen && !chosen->empty())
        LoadTrackFile(*chosen);
}

void Editor::OpenRecent(int index) {
    if (index < 0 || index >= static_cast<int>(RecentCaptions.size()) ||
        !RecentVisible[static_cast<size_t>(index)])
        return;
    if (!ConfirmDiscard())
        return;
    // A copy: loading rewrites the recent captions before the path is used
    // in a message.
    const std::string path = RecentCaptions[static_cast<size_t>(index)];
    LoadTrackFile(path);
}

bool Editor::LoadTrackFile(const std::string& path) {
    // Read into a copy so that a file that cannot be opened leaves the track
    // in memory as it was.
    Track loaded = track;
    const LoadResult result = LoadTrack(loaded, path);
    if (!result.opened) {
        host.MessageBox(OpenFailedText(path, result.reason), OpenFailedTitle, MsgButtons::OK,
                        MsgIcon::Exclamation);
        return false;
    }
    track = std::move(loaded);
    sel.CurCorner = track.Corners.empty() ? -1 : 0;
    sel.PrimarySpace = NoSpace;
    sel.PolyClosed = true;
    // A partial or damaged track must not be written over the file it came
    // from, so it is kept without a file name.
    const bool sound = result.complete && result.numberLikeLaneLine == 0;
    TrackPath = sound ? path : std::string();
    // Only tracks read whole are worth offering again.
    if (sound && !IsAutosaveName(path))
        host.AddRecentTrack(path);
    RefreshRecentTracks();
    UpdateTitle();
    ResetEditor();
    if (!result.complete)
        host.MessageBox(LoadStoppedText(path, result.line, result.reason), OpenFailedTitle,
                        MsgButtons::OK, MsgIcon::Exclamation);
    else if (result.numberLikeLaneLine != 0)
        host.MessageBox(LaneNameDamageText(path, result.numberLikeLaneLine), OpenFailedTitle,
                        MsgButtons::OK, MsgIcon::Exclamation);
    return true;
}

// ---- save

void Editor::Save() {
    if (!HasTrack)
        return;
    if (HasOwnFile()) {
        SaveTrackFile(TrackPath);
        return;
    }
    if (auto chosen = host.FileDialog(FileDialogKind::Save, host.TracksFolder()))
        SaveTrackFile(*chosen);
}

void Editor::SaveAs() {
    if (!HasTrack)
        return;
    if (IsAutosaveName(TrackPath))
        TrackPath.clear();
    auto chosen =
        host.FileDialog(FileDialogKind::Save, TrackPath.empty() ? host.TracksFolder() : TrackPath);
    if (chosen)
        SaveTrackFile(*chosen);
}

bool Editor::SaveTrackFile(const std::string& path, bool autosave) {
    if (path.empty())
        return false;
    if (autosave)
        return WriteRecovery(path);
    const std::vector<int> order = LaneOrderFor(track);
    const SaveResult result = SaveTrack(track, path);
    FollowSavedLaneOrder(order);
    if (!result.ok) {
        ReportSaveFailure(path, result.error);
        return false;
    }
    autosaveFailureShown_ = false;
    if (!IsAutosaveName(path)) {
        TrackPath = path;
        host.AddRecentTrack(path);
        TakeSavedSnapshot();
        ForgetRecovery();
    }
    RefreshRecentTracks();
    UpdateTitle();
    return true;
}

void Editor::ReportSaveFailure(const std::string& path, const std::string& error) {
    host.MessageBox(SaveFailedText(path, error), SaveFailedTitle, MsgButtons::OK,
                    MsgIcon::Exclamation);
}

// Saving puts the pit lane and the garage row where the game expects them;
// the selection follows its lanes so that the next edit lands where the
// author sees it, and so does the selection that undoing the next step
// restores onto the saved track.
void Editor::FollowSavedLaneOrder(const std::vector<int>& order) {
    bool moved = false;
    for (size_t k = 0; k < order.size(); ++k)
        moved = moved || order[k] != static_cast<int>(k);
    if (!moved)
        return;
    td::FollowLaneOrder(sel, order);
    history.FollowLaneOrder(order);
    UpdateLanePanel();
}

// ---- autosave

void Editor::AutosaveTick() {
    // The first ten ticks after the timer starts pass without saving.
    if (AutosaveTicks != 10) {
        ++AutosaveTicks;
        return;
    }
    if (!HasTrack)
        return;
    if (!HasOwnFile()) {
        // A track without a file of its own is kept in the autosave file.
        const std::string file = AutosavePath();
        if (!WriteRecovery(file))
            return;
        if (IsModified())
            host.StoreRecovery({file, "", host.SessionId()});
        else
            ForgetRecovery();
        return;
    }
    if (!IsModified()) {
        ForgetRecovery();
        return;
    }
    const std::string file = RecoveryPathFor(TrackPath);
    if (WriteRecovery(file))
        host.StoreRecovery({file, TrackPath, host.SessionId()});
}

bool Editor::WriteRecovery(const std::string& path) {
    // A copy: the lane order of the track being edited stays as it is.
    Track copy = track;
    const SaveResult result = SaveTrack(copy, path);
    if (!result.ok) {
        if (!autosaveFailureShown_)
            host.MessageBox(AutosaveFailedText(path, result.error), SaveFailedTitle,
                            MsgButtons::OK, MsgIcon::Exclamation);
        autosaveFailureShown_ = true;
        return false;
    }
    autosaveFailureShown_ = false;
    recoveryFile_ = path;
    return true;
}

void Editor::ForgetRecovery() {
    // The autosave file stays; a recovery file beside a track goes.
    if (IsRecoveryName(recoveryFile_)) {
        std::error_code ec;
        std::filesystem::remove(recoveryFile_, ec);
    }
    const RecoveryNote note = host.StoredRecovery();
    // Another window's note is left to that window.
    if (!note.file.empty() && note.owner == host.SessionId())
        host.StoreRecovery({});
    recoveryFile_.clear();
}

void Editor::EndSession() {
    ForgetRecovery();
}

bool Editor::OfferRecovery() {
    const RecoveryNote note = host.StoredRecovery();
    if (note.file.empty() || host.SessionRunning(note.owner))
        return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(note.file, ec)) {
        host.StoreRecovery({});
        return false;
    }
    const std::string track = note.track.empty() ? std::string() : note.track;
    if (host.MessageBox(RecoveryOfferText(track, note.file), AppTitle, MsgButtons::YesNo,
                        MsgIcon::Question) != MsgAnswer::Yes) {
        if (IsRecoveryName(note.file))
            std::filesystem::remove(note.file, ec);
        host.StoreRecovery({});
        return false;
    }
    return RestoreRecovery(note);
}

bool Editor::RestoreRecovery(const RecoveryNote& note) {
    keepRecovery_ = true;
    const bool loaded = LoadTrackFile(note.file);
    keepRecovery_ = false;
    if (!loaded) {
        host.StoreRecovery({});
        return false;
    }
    // This session goes on with the note: the file stays until a save.
    recoveryFile_ = note.file;
    host.StoreRecovery({note.file, note.track, host.SessionId()});
    // The restored changes were never saved by the author: they count as
    // unsaved, against the track's own file when it has one.
    savedText_.clear();
    if (!note.track.empty() && TrackPath == note.file) {
        TrackPath = note.track;
        Track own;
        if (LoadTrack(own, note.track).opened)
            savedText_ = FormatTrack(own, BuildStamp{"-", "-", "-"});
    }
    savedStateId_ = 0;
    modifiedCacheId_ = 0;
    UpdateTitle();
    return true;
}

} // namespace td
