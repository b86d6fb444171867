// Start-up, new tracks and the editor reset that follows every new track and
// every load.

#include "edit/DisplayItems.h"
#include "edit/Editor.h"
#include "edit/UiDefs.h"
#include "model/SpaceGeometry.h"
#include "model/Templates.h"
#include "view/ViewOps.h"

#include <cmath>

namespace td {

namespace {

// Track menu items that need a track to work on.
const char* const TrackMenus[] = {
    "MnuSave",      "MnuSaveAs",       "MnuTrackInfo",    "MnuReorder",       "MnuAssignSeg",
    "MnuClearTags", "MnuStartingGrid", "MnuSetBackColor", "MnuCreateOutline", "MnuCenterTrack",
    "MnuCheckTrack", "MnuMeasureCorners", "MnuAutoTagCorners",
    "MnuBuildLaneBeside", "MnuGoToSpace"};

// Status panels and property-panel controls that describe the current space.
const char* const SpacePanels[] = {"CurrSpace", "SpaceX",  "SpaceY", "CurrRot",
                                   "CurrScl",   "Segment", "Corner"};
const char* const SpaceCombos[] = {"SpacePropCombo", "StartingGridCombo", "GapPartCombo"};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

void Editor::Startup(const EditorSettings& settings, const std::string& commandLine) {
    host.SetWindowTitle(AppTitle);
    // A mode key the toolbar does not know falls back to the default mode.
    const std::string mode = IsModeKey(settings.Mode) ? settings.Mode : EditorSettings{}.Mode;
    EditMode = mode;
    host.SetButtonPressed(mode, true);
    host.SetPanelText("Mode", FindMainButton(mode)->description);

    // Every view computation divides by the zoom.
    view.Zoom = std::isfinite(settings.Zoom) && settings.Zoom > 0.0f ? settings.Zoom
                                                                     : EditorSettings{}.Zoom;

    for (const DisplayItem& item : DisplayItems) {
        const bool on = settings.*item.setting;
        host.SetMenuChecked(item.menuName, on);
        display.*item.option = on;
    }
    display.ShowMoves = settings.ShowMoves;
    host.SetMenuChecked("MnuShowMoves", settings.ShowMoves);
    SetShownMoves(settings.Moves);
    // The caption names the mode a click switches to; polygons start filled.
    display.Filled = true;
    host.SetMenuCaption("MnuDrawFullDetail", CaptionDrawWireframe);

    RefreshRecentTracks();
    if (RecentVisible[0])
        TrackPath = RecentCaptions[0];

    ResetTrack(track, sel);
    view.DetailLevel = 2;
    view.CurrentGrid = GridMedium;
    GridKey = "GridMedium";
    host.SetButtonPressed(GridKey, true);

    std::string path = commandLine;
    if (!path.empty() && path.front() == '"') {
        path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
    }
    if (OfferRecovery())
        return;
    if (EndsWith(path, ".trk"))
        LoadTrackFile(path);
}

EditorSettings Editor::CurrentSettings() const {
    EditorSettings s;
    s.Mode = EditMode;
    s.Zoom = view.Zoom;
    for (const DisplayItem& item : DisplayItems)
        s.*item.setting = display.*item.option;
    s.ShowMoves = display.ShowMoves;
    s.Moves = display.Moves;
    return s;
}

void Editor::Activated() {
    // The grid button shown pressed is the grid in force (Medium at start).
    host.SetButtonPressed(GridKey, true);
}

void Editor::NewTrack(bool fourLanes) {
    BuildNewTrack3(track, sel);
    if (fourLanes)
        ConvertToFourLanes(track);
    TrackPath.clear();
    UpdateTitle();
    ResetEditor();
}

void Editor::ResetEditor() {
    // The track before this one was settled (saved or given up) before it
    // was replaced; its recovery file goes. A restore keeps the one it read.
    if (!keepRecovery_)
        ForgetRecovery();
    sel.CurLane = 2;
    sel.CurSpace = 0;
    // A track read in part may have no first space in lane 2: nothing of the
    // track before it may then be shown as current.
    const bool hasSpace = track.Find(sel.CurLane, sel.CurSpace) != nullptr;
    if (!hasSpace) {
        Space fresh;
        ComputeSpaceOutline(fresh);
        sel.WorkPts = fresh.Pt;
        sel.WorkRotation = fresh.Rotation;
        sel.WorkScale = fresh.Scale;
        sel.WorkCOR = 0;
    }
    LoadCurrentSpace();

    const auto& buttons = MainToolbar();
    for (size_t i = AlwaysVisibleButtons; i < buttons.size(); ++i)
        if (!buttons[i].key.empty())
            host.SetButtonVisible(buttons[i].key, true);

    UpdateToolbarState();

    host.SetPanelText("Grid", FindMainButton("GridMedium")->description);
    host.SetPanelText("Zoom", ZoomPanelText(view.Zoom));

    UpdateLanePanel();
    UpdateSpacePanels();
    if (!hasSpace) {
        if (!track.ValidLane(sel.CurLane))
            host.SetPanelText("CurrLane", "");
        for (const char* key : SpacePanels)
            host.SetPanelText(key, "");
        for (const char* name : SpaceCombos)
            host.SetComboIndex(name, -1);
        host.SetControlText("SpacePosTxt", "");
    }

    for (const char* name : TrackMenus)
        host.SetMenuEnabled(name, true);
    host.SetMenuEnabled("MnuAutoTagSpaces", false);

    host.ShowEditingArea();
    HasTrack = true;

    CenterView(view);
    RefreshView();

    if (TrackPath.empty())
        WriteRecovery(AutosavePath());

    host.StartAutosaveTimer();
    TakeSavedSnapshot();
    NoteTrackReplaced();
    UpdateTitle();
}

} // namespace td
