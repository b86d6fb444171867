// "&Fit Track in View": the zoom and offsets that show the whole track.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "view/FitView.h"
#include "view/ViewOps.h"

namespace td {

namespace {

void FitTrackCommand(Editor& ed) {
    if (!ed.HasTrack)
        return;
    FitTrackInView(ed.view, ed.track);
    ed.host.SetPanelText("Zoom", ZoomPanelText(ed.view.Zoom));
    ed.RefreshView();
}

} // namespace

void RegisterFitCommands(CommandTable& table) {
    table.AddMenu("MnuFitTrack", [](Editor& ed, const Command&) { FitTrackCommand(ed); });
}

} // namespace td
