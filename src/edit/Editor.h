#pragma once
// The editor: the one open track, the view, the selection and the display
// options, and the one place every command goes through (Dispatch). It talks
// to the platform only through Host and draws only through Surface.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "edit/Command.h"
#include "edit/CommandTable.h"
#include "edit/DragStep.h"
#include "edit/Host.h"
#include "edit/UndoHistory.h"
#include "edit/PolyOps.h"
#include "model/Moves.h"
#include "model/Selection.h"
#include "model/Track.h"
#include "render/DisplayOptions.h"
#include "render/Scene.h"
#include "render/Surface.h"
#include "view/ViewState.h"

namespace td {

// Values kept between runs in the settings store (window geometry stays with
// the shell).
struct EditorSettings {
    std::string Mode = "TranslateView";
    float Zoom = 2.5f;
    bool DrawAdjacent = true;
    bool DrawFlags = true;
    bool DrawNext = true;
    bool DrawSpaceCOR = true;
    bool DrawSymbol = true;
    bool DrawTrackVector = true;
    bool DrawWorldCOR = true;
    bool ShowMoves = false;
    int Moves = 6;
};

// Virtual-key codes the editor binds.
namespace VK {
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int SpaceBar = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int A = 65;
constexpr int C = 67;
constexpr int D = 68;
constexpr int F = 70;
constexpr int H = 72;
constexpr int L = 76;
constexpr int N = 78;
constexpr int O = 79;
constexpr int P = 80;
constexpr int R = 82;
constexpr int S = 83;
constexpr int NumPlus = 107;
constexpr int NumMinus = 109;
constexpr int F5 = 116;
constexpr int Plus = 187;
constexpr int Minus = 189;
constexpr int Delete = 46;
} // namespace VK

// Modifier mask bits of key and mouse commands.
constexpr int MaskShift = 1;
constexpr int MaskCtrl = 2;
constexpr int MaskAlt = 4;

// File name of the autosave file inside the host's "Tracks" folder.
inline constexpr const char* AutosaveFileName = "autosave.tmp";

class Editor {
  public:
    Editor(Host& host, Surface& surface);

    // The single entry point for every input.
    void Dispatch(const Command& cmd);

    // Start-up steps that belong to the editor (mode, zoom, display options,
    // recent tracks, reset, command-line track), in that order.
    void Startup(const EditorSettings& settings, const std::string& commandLine);
    EditorSettings CurrentSettings() const;
    // The main window was activated.
    void Activated();

    // Asks about unsaved changes when there are any; false when the author
    // cancelled (the caller must then not go on).
    bool ConfirmDiscard();
    // True when the track differs from what was last loaded from or saved to
    // its own file (for a new track: from the template as created).
    bool HasUnsavedChanges() const;

    // The drawing area changed size (twips) or visibility.
    void SetArea(float widthTwips, float heightTwips, bool visible);

    void RefreshView();
    void QuickRedraw();

    Scene MakeScene();

    // ---- track life: new, open, save, autosave (FileCommands.cpp, EditorReset.cpp)
    void NewTrack(bool fourLanes);
    void ResetEditor();
    // The open dialog, then the chosen track; the dialog never proposes the
    // autosave file.
    void OpenWithDialog();
    // Saves to the track's own file, asking for one when it has none.
    void Save();
    void SaveAs();
    void OpenRecent(int index);
    // Once a minute from the eleventh: unsaved changes go to the recovery
    // file (RecoveryPathFor the track's own file, or the autosave file for a
    // track without one); the track's own file changes only by a save.
    void AutosaveTick();
    // Start-up: the last session ended with unsaved changes in a recovery
    // file; the author may restore them (true when the track was restored).
    bool OfferRecovery();
    // The window closes after the author settled the unsaved changes: the
    // recovery file is no longer needed.
    void EndSession();
    // Reads `path` into the track; false when the file could not be opened
    // (the track is then unchanged).
    bool LoadTrackFile(const std::string& path);
    // Writes the track to `path`; a failure is reported and leaves the title,
    // the recent list and the current path alone. Autosave failures are
    // reported once until a save succeeds again.
    bool SaveTrackFile(const std::string& path, bool autosave = false);
    // True when the track has a file of its own (a path that is not the
    // autosave file).
    bool HasOwnFile() const;
    void RefreshRecentTracks();
    void UpdateTitle();
    std::string AutosavePath();

    // ---- the working copy and the status bar (Panels.cpp)
    void LoadCurrentSpace();
    // The property panel from the stored current space, working copy untouched.
    void FillSpaceProperties();
    // The property panel for a pending space made from `model` (the space
    // "DeleteSpace" took back): what the next "AddSpace" will store.
    void FillPendingProperties(const Space& model);
    // A number as the panels show it, with the locale's decimal separator.
    std::string LocaleNumberText(float value);
    void UpdateLanePanel();
    void UpdateSpacePanels();
    void UpdateToolbarState();
    // Fills the lane and space panels again when what they show has changed
    // since they were last filled (run at the end of every command).
    void SyncPanels();

    // ---- corners (CornerCommands.cpp)
    // Opens the properties dialog on the current corner (nothing without one).
    void OpenCornerProperties();
    // The dialog's OK: writes its texts into the current corner, or refuses
    // a count that is no whole number in range and keeps the dialog open.
    void AcceptCornerProperties(const std::vector<std::string>& texts);
    // Deletes the current corner after the author confirms it.
    void DeleteCorner();

    // ---- modes, grids and display options (Options.cpp)
    void SetEditMode(const std::string& key);
    void SelectGridButton(const std::string& key);
    void ToggleDisplayOption(const std::string& menuName);
    void ToggleFilled();
    void SetDetailLevel(int level);
    void ChooseBackColor();
    void ZoomStep(float delta);
    void PanStep(float dx, float dy);
    void SetPrimarySpace();
    // Selects entry `index` of the symbol list as if the author had.
    void PickSymbolEntry(int index);
    // Draws the current space again where it stands, without a full redraw.
    void RedrawCurrentSpace();

    // ---- Show Moves (MovesDisplay.cpp)
    void ToggleShowMoves();
    // The moves shown, held within the box's range.
    void SetShownMoves(int moves);
    // Where N moves take a car on the current space (none when no space is current).
    MoveReach CurrentReach() const;

    // ---- undo history and track check (EditorHistory.cpp, TrackCheckCommand.cpp)
    void Undo();
    void Redo();
    void UpdateEditMenu();
    // True while the track differs from what was last loaded or saved; the
    // title then ends in "*".
    bool IsModified();
    // Lists the track's problems in the check dialog.
    void CheckTrackCommand();
    // Makes a space the current one and centres the view on it.
    void GoToSpace(int lane, int space);

    // ---- space commands (SpaceCommands.cpp); each redraws what it changes
    void AddSpace();
    void DeleteSpace();
    void ResetSpace();
    void CycleCOR();
    void ScaleCurrentSpace(float delta);
    void MoveCurrentSpace(float dx, float dy, bool modifier);
    void RotateCurrentSpace(std::int16_t degrees, bool modifier);
    void MoveWholeTrack(float dx, float dy);
    void RotateWholeTrack(std::int16_t degrees);
    void SetNextSpace();
    void SetAdjacentSpace();
    // Moves polygon CurPoly by whole world units.
    void MovePolygon(float dx, float dy);
    // Draws (or, drawn twice, erases) the current-space highlight.
    void ToggleHighlight();
    // Paints stored space (lane, index) where it stands, keeping the
    // exclusive-or layers whole.
    void PaintSpace(int lane, int index);

    // ---- commands by key (CommandTable.h): the toolbar button `key` or the
    // menu item `name`, as if the author had clicked it
    void RunButton(const std::string& key);
    void RunMenu(const std::string& name);

    // ---- the mouse in the drawing area (Mouse.cpp)
    // The space under the drawing-area point (x, y) becomes the current space;
    // false (and nothing changes) when no space is there.
    bool SelectSpaceAt(float x, float y);
    // The drag steps of a pointer at (x, y) from LastPt under the grid in force.
    DragStep DragStepAt(float x, float y) const;
    // Gestures of the corner and polygon modes. In "EditCorner" the editor
    // hands on the whole left press (after setting DownPt and LastPt), the
    // right press, every left drag event (LastPt is advanced after the hook
    // returns; use DragStepAt), the left release (never followed by a redraw)
    // and the double-click. In "PolyMode" it hands on the left and right
    // presses, every left drag event, hovering (button 0) and the left
    // release (followed by RefreshView). Both modes' middle-button pan and
    // wheel zoom stay with the editor.
    void CornerMouse(const Command& cmd);
    void PolyMouse(const Command& cmd);

    // ---- corner gestures (CornerGestures.cpp)
    void CornerPress(float x, float y);
    void CornerMenuPress(float x, float y);
    // One drag step of the current corner's flag, with exclusive-or feedback.
    void MoveFlagStep(std::int16_t dx, std::int16_t dy);

    // ---- polygon gestures (PolyGestures.cpp)
    void PolyPress(float x, float y);
    void PolyMenuPress(float x, float y);
    void PolyHover(float x, float y);
    void PolyDragStep(const DragStep& step);
    // Makes a vertex hit current (and updates the panels); false without one.
    bool SelectVertex(std::optional<VertexRef> hit);
    // The rubber band from the polygon under construction to RubberPt, in
    // the inverting pen: a second call takes it off.
    void DrawRubberBand();
    // The edges that meet at the current vertex.
    void DrawVertexEdges(Colour colour, int penMode);

    // ---- polygon commands (PolyCommands.cpp)
    // Colour dialog for the current polygon's fill or outline colour.
    void ChoosePolyColour(bool fill);
    // Palette colour k (1..9) as the current polygon's fill or outline colour.
    void SetPolyPaletteColour(bool fill, int k);
    // One of the stacking moves of PolyOps.h on the current polygon.
    void MovePolyInStack(bool (*move)(Track&, Selection&));
    void DuplicateCurrentPoly();
    // Deletes the current polygon after the author confirms it.
    void DeleteCurrentPolygon();
    // "Create Outline Polys" of the Tools menu.
    void CreateOutline();
    // Ends the construction of a polygon, keeping its vertices.
    void EndPolygonConstruction();

    // ---- mirrors of widget state the editor's own decisions depend on
    void EnableButton(const std::string& key, bool enabled);
    bool ButtonEnabled(const std::string& key) const;
    // True from a mouse press until its last button comes up.
    bool GestureOpen() const { return gestureOpen_; }

    Host& host;
    Surface& surface;

    Track track;
    Selection sel;
    ViewState view;
    DisplayOptions display;
    TrackBounds bounds;
    std::string EditMode = "TranslateView";
    // Path last chosen in the open or save dialog; empty for a new track.
    std::string TrackPath;
    // False until the first new track or load.
    bool HasTrack = false;
    bool AreaVisible = true;

    // Key of the grid button in force.
    std::string GridKey = "GridMedium";
    // Key of the polygon tool in force (the pressed tool button).
    std::string PolyTool = "CreatePoly";
    // Entry selected in the symbol list; new spaces take its symbol.
    int SymbolEntry = 0;
    // Ticks of the autosave timer counted towards the first save.
    std::int16_t AutosaveTicks = 0;
    // Captions of the recent-track entries; an entry once shown stays shown.
    std::array<std::string, 5> RecentCaptions{};
    std::array<bool, 5> RecentVisible{};
    // How often the whole area was redrawn (RefreshView runs that drew).
    int RefreshCount = 0;
    UndoHistory history;

    // Drawing-area position of the last left press; drag anchor (the point of
    // the last step along each axis); free end of the rubber band.
    PointF DownPt;
    PointF LastPt;
    PointF RubberPt;
    // Entry selected in the polygon detail list; new polygons take detail
    // entry + 2.
    int PolyDetailEntry = 0;

  private:
    // What the property panel shows of the current space; a command that
    // changes it has the panel filled again.
    struct ShownSpace {
        int lane = 0;
        int space = 0;
        std::string laneName;
        bool stored = false;
        int symbol = 0;
        std::uint32_t lanePos = 0;
        int gapPart = 0;
        int gridPlace = 0;
        bool operator==(const ShownSpace&) const = default;
    };
    ShownSpace ShownSpaceNow() const;
    void RefreshShownSpace(const ShownSpace& before, const Command& cmd);
    void ShowSpaceProperties(const Space& space, bool withPosition);
    // The first grid place (1..20) that names the current space; 0 for none.
    int GridPlaceOfCurrent() const;

    void DispatchCommand(const Command& cmd);
    // The undo step around each command (EditorHistory.cpp).
    void BeginStep(const Command& cmd);
    void NameNestedStep(const Command& cmd);
    void EndStep(const Command& cmd);
    void CommitStep();
    void NoteTrackReplaced();
    void NoteTrackSaved();
    void AfterHistoryMove();

    void OnButton(const Command& cmd);
    void OnMenu(const Command& cmd);
    void OnKeyDown(int keyCode, int shift);
    void OnKeyUp(int keyCode, int shift);
    void OnPanelCombo(const std::string& control, int index);
    void OnMouseDown(const Command& cmd);
    void OnMouseMove(const Command& cmd);
    void OnMouseUp(const Command& cmd);
    void OnDblClick(const Command& cmd);
    void OnWheel(const Command& cmd);
    void EndPan();
    // The quantised drag step of the space and view modes.
    void DragModeStep(const DragStep& step, bool modifier);
    void ToggleLink(bool next);
    void OnPanelText(const std::string& control, const std::string& text);
    void OnDialogOK(const Command& cmd);
    // After a command: redraws when the moves shown no longer fit the
    // current space or the track (never inside a gesture).
    void FollowMoves(const Command& cmd);
    // The "Moves" status panel for what was last drawn.
    void ShowMovesPanel();
    void OnMovesText(const std::string& text);

    // The written form of the track with a fixed stamp, for change detection.
    std::string WrittenForm() const;
    void TakeSavedSnapshot();
    // Save that asks for a path when the track has no file of its own.
    bool SaveForDiscard();
    void ReportSaveFailure(const std::string& path, const std::string& error);
    // Writes the track, in file order, to `path` without touching the track
    // in memory; a failure is reported once until a write succeeds.
    bool WriteRecovery(const std::string& path);
    // Removes this session's recovery file and its note.
    void ForgetRecovery();
    bool RestoreRecovery(const RecoveryNote& note);
    void FollowSavedLaneOrder(const std::vector<int>& order);

    int dispatchDepth_ = 0;
    bool gestureOpen_ = false; // a mouse button went down and has not come up
    int heldButtons_ = 0;      // the buttons of that gesture still down
    bool stepOpen_ = false;
    Selection stepBefore_;
    std::string stepName_;
    std::string stepMergeKey_;
    std::string lastMergeKey_;
    bool trackReplaced_ = false;
    bool trackSaved_ = false;
    std::uint64_t savedStateId_ = 0;
    std::uint64_t modifiedCacheId_ = 0;
    bool modifiedCache_ = false;

    CommandTable commands_;
    // What the lane and space panels were last filled from.
    struct PanelSource {
        int lane = -1;
        std::string laneName;
        int space = -1;
        PointF centre;
        std::int16_t rotation = 0;
        float scale = 0.0f;
        int segment = -1;
        friend bool operator==(const PanelSource&, const PanelSource&) = default;
    };
    PanelSource CurrentPanelSource() const;
    PanelSource laneShown_;
    PanelSource spaceShown_;
    // Last pointer position of a middle-button pan, in drawing-area units.
    PointF panPt_;
    bool panning_ = false;
    // RefreshCount when the rubber band was last drawn: a full redraw since
    // then has painted it over.
    int rubberShownAt_ = -1;
    std::map<std::string, bool> buttonEnabled_;
    std::string savedText_;
    bool autosaveFailureShown_ = false;
    // The recovery file this session wrote last; kept while a restore loads it.
    std::string recoveryFile_;
    bool keepRecovery_ = false;
    // Where the last click that selected a space was made.
    PointF cyclePt_;
    bool cyclePtKept_ = false;
    // The reach the last full redraw marked, and the panel text it set.
    MoveReach shownMoves_;
    std::string movesPanel_;
};

// The part of a path after its last "/" or "\".
std::string FileNamePart(const std::string& path);

// The recovery file beside track file `trackPath`: "demo.trk.autosave".
std::string RecoveryPathFor(const std::string& trackPath);

} // namespace td
