#pragma once
// The editor: the one open track, the view, the selection and the display
// options, and the one place every command goes through (Dispatch). It talks
// to the platform only through Host and draws only through Surface.

#include <string>

#include "edit/Command.h"
#include "edit/Host.h"
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
};

class Editor {
public:
    Editor(Host& host, Surface& surface);

    // The single entry point for every input.
    void Dispatch(const Command& cmd);

    // Start-up steps that belong to the editor (mode, zoom, display options,
    // recent tracks, reset, command-line track), in that order.
    void Startup(const EditorSettings& settings, const std::string& commandLine);
    EditorSettings CurrentSettings() const;

    // Asks about unsaved changes when there are any; false when the author
    // cancelled (the caller must then not go on).
    bool ConfirmDiscard();

    // The drawing area changed size (twips) or visibility.
    void SetArea(float widthTwips, float heightTwips, bool visible);

    void RefreshView();
    void QuickRedraw();

    Scene MakeScene();

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
};

} // namespace td
