#pragma once
// The editor's window onto the platform. The Qt shell implements it; tests use
// a fake that records calls and answers questions from a script. Everything is
// addressed by the names and keys the user interface is built from: status-bar
// panel keys ("Mode", "Zoom", ...), toolbar button keys ("AddSpace", ...),
// menu item names ("MnuAutoTagSpaces", "MnuRecentTrack(0)", "MnuDetail(2)", ...)
// and control names ("SpacePropCombo", "SpacePosTxt", ...).

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/MessageKinds.h"
#include "model/Track.h"
#include "model/TrackCheck.h"
#include "view/ViewOps.h"

namespace td {

enum class FileDialogKind { Open, Save };

// The recovery file of an editing session, kept in the settings store from
// the first autosave of unsaved changes until the session ends normally.
struct RecoveryNote {
    std::string file;    // the recovery file written
    std::string track;   // the track's own file; empty for a track without one
    long long owner = 0; // the session (SessionId) that writes it
};

// What the author picks for an imported circuit.
struct CircuitImportChoice {
    int Lanes = 3;
    int Length = 0; // spaces of the longest racing lane
    bool Reverse = false;
};

class Host {
  public:
    virtual ~Host() = default;

    // Modal message box; returns the button the author chose.
    virtual MsgAnswer MessageBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // File dialog with the track filter, starting at `startPath` (a folder or
    // a file); empty optional when cancelled.
    virtual std::optional<std::string> FileDialog(FileDialogKind kind,
                                                  const std::string& startPath) = 0;
    // Colour dialog preset to `initial`; empty optional when cancelled.
    virtual std::optional<Colour> ColorDialog(Colour initial) = 0;

    // Status bar panels by key.
    virtual void SetPanelText(const std::string& key, const std::string& text) = 0;
    // The decimal separator of the author's locale (one Latin-1 character).
    virtual char DecimalSeparator() = 0;

    // Toolbar buttons by key (main and polygon toolbar).
    virtual void SetButtonEnabled(const std::string& key, bool enabled) = 0;
    virtual void SetButtonVisible(const std::string& key, bool visible) = 0;
    virtual void SetButtonPressed(const std::string& key, bool pressed) = 0;

    // Menu items by name.
    virtual void SetMenuEnabled(const std::string& name, bool enabled) = 0;
    virtual void SetMenuChecked(const std::string& name, bool checked) = 0;
    virtual void SetMenuCaption(const std::string& name, const std::string& caption) = 0;
    virtual void SetMenuVisible(const std::string& name, bool visible) = 0;

    // Property-panel controls by name: visibility, enabled state, text of a
    // text box and selected entry of a combo box. Filling a control from here
    // is silent: it must not come back as a PanelText or PanelCombo command.
    virtual void SetControlVisible(const std::string& name, bool visible) = 0;
    virtual void SetControlEnabled(const std::string& name, bool enabled) = 0;
    virtual void SetControlText(const std::string& name, const std::string& text) = 0;
    virtual void SetComboIndex(const std::string& name, int index) = 0;

    // Pointer image over the drawing area: a mode key ("RotateSpace",
    // "EditPolyVertex", ...) or one of "Arrow", "SizeAll", "SizeNS", "SizeWE".
    virtual void SetPointer(const std::string& key) = 0;

    // Makes the drawing area, the main toolbar and the status bar visible.
    virtual void ShowEditingArea() = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;

    // Dialogs owned by the shell.
    // The modeless corner properties dialog with its four boxes (name,
    // required stops, longest path, shortest path) filled in; its OK comes
    // back as a DialogOK command "TDCornerProp". Showing it while it is open
    // fills it again.
    virtual void ShowCornerProperties(const std::array<std::string, 4>& texts) = 0;
    // Closes the corner properties dialog (after its OK was accepted).
    virtual void CloseCornerProperties() = 0;
    // Leaves the dialog open with box `index` focused and its text selected
    // (after its OK was refused).
    virtual void SelectCornerPropertyBox(int index) = 0;
    virtual void ShowTrackInfo() = 0;
    // The modeless track check window, listing `problems` (empty: none found).
    virtual void ShowTrackCheck(const std::vector<TrackProblem>& problems) = 0;

    // Recent tracks: the shell keeps the list in its settings store.
    virtual std::vector<std::string> RecentTracks() = 0;
    virtual void AddRecentTrack(const std::string& path) = 0;

    // Starts the one-minute autosave timer (a second call does nothing).
    virtual void StartAutosaveTimer() = 0;

    // The "Tracks" folder beside the program (created when missing).
    virtual std::string TracksFolder() = 0;

    // The recovery note of the settings store (an empty file: none), and
    // storing a new one (an empty note clears it).
    virtual RecoveryNote StoredRecovery() { return {}; }
    virtual void StoreRecovery(const RecoveryNote& note) { (void)note; }

    // "Go to Space": asks for a lane and a space number, offering `lane` and
    // `space`; empty optional when cancelled.
    virtual std::optional<std::pair<int, int>> AskSpace(int lane, int space) {
        (void)lane, (void)space;
        return std::nullopt;
    }
    // This session's id, and whether another session of id `owner` still
    // runs (its recovery file is then no leftover).
    virtual long long SessionId() { return 0; }
    virtual bool SessionRunning(long long owner) { return owner != 0 && owner == SessionId(); }

    // Pops up a context menu ("MnuCorner", "MnuPoly", "MnuVertex") at the
    // pointer; the chosen item comes back as a command through the editor.
    virtual void PopupMenu(const std::string& name) = 0;

    // Import Circuit: the map file to read, starting at `startPath` (empty
    // optional when cancelled), then the lane count, length and direction,
    // preset in `choice` (false when cancelled).
    virtual std::optional<std::string> CircuitFileDialog(const std::string& startPath) {
        (void)startPath;
        return std::nullopt;
    }
    virtual bool CircuitImportDialog(CircuitImportChoice& choice) {
        (void)choice;
        return true;
    }

    // A passing note in the status bar (why a command did nothing).
    virtual void ShowStatusMessage(const std::string& text) { (void)text; }
    // The part of the drawing area the track check window covers, in the
    // area's twips; nothing when it covers none of it.
    virtual std::optional<AreaRect> CheckWindowCover() { return std::nullopt; }
};

} // namespace td
