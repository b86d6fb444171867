// Open, save, save as, the recent tracks, the autosave timer and the
// question before unsaved changes would be lost.

#include "edit/Editor.h"
#include "edit/Messages.h"
#include "edit/UiDefs.h"
#include "model/TrackFile.h"

namespace td {

namespace {

bool IsAutosaveName(const std::string& path) {
    return FileNamePart(path) == AutosaveFileName;
}

} // namespace

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
    // A partial track must not be written over the file it came from, so it
    // is kept without a file name.
    TrackPath = result.complete ? path : std::string();
    // Only tracks read whole are worth offering again.
    if (result.complete && !IsAutosaveName(path))
        host.AddRecentTrack(path);
    RefreshRecentTracks();
    UpdateTitle();
    ResetEditor();
    if (!result.complete)
        host.MessageBox(LoadStoppedText(path, result.line, result.reason), OpenFailedTitle,
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
    const std::string curLaneName =
        track.ValidLane(sel.CurLane) ? track.Lanes[static_cast<size_t>(sel.CurLane)].Name : "";
    const int primaryLane = sel.PrimarySpace >= 0 ? RefLane(sel.PrimarySpace) : -1;
    const std::string primaryLaneName =
        track.ValidLane(primaryLane) ? track.Lanes[static_cast<size_t>(primaryLane)].Name : "";

    const SaveResult result = SaveTrack(track, path);
    FollowLaneOrder(curLaneName, primaryLaneName);
    if (!result.ok) {
        if (!autosave)
            ReportSaveFailure(path, result.error);
        else if (!autosaveFailureShown_)
            host.MessageBox(AutosaveFailedText(path, result.error), SaveFailedTitle, MsgButtons::OK,
                            MsgIcon::Exclamation);
        if (autosave)
            autosaveFailureShown_ = true;
        return false;
    }
    autosaveFailureShown_ = false;
    if (!IsAutosaveName(path)) {
        TrackPath = path;
        host.AddRecentTrack(path);
        TakeSavedSnapshot();
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
// author sees it.
void Editor::FollowLaneOrder(const std::string& curLaneName, const std::string& primaryLaneName) {
    if (track.ValidLane(sel.CurLane) &&
        track.Lanes[static_cast<size_t>(sel.CurLane)].Name != curLaneName) {
        const int moved = FindLane(track, curLaneName);
        if (moved >= 0) {
            sel.CurLane = moved;
            UpdateLanePanel();
        }
    }
    if (sel.PrimarySpace >= 0) {
        const int lane = RefLane(sel.PrimarySpace);
        if (track.ValidLane(lane) &&
            track.Lanes[static_cast<size_t>(lane)].Name != primaryLaneName) {
            const int moved = FindLane(track, primaryLaneName);
            if (moved >= 0)
                sel.PrimarySpace = MakeRef(moved, RefIndex(sel.PrimarySpace));
        }
    }
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
    SaveTrackFile(TrackPath.empty() ? AutosavePath() : TrackPath, true);
}

} // namespace td
