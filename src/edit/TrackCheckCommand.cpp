// "Check Track": the problems of the track in a window of their own, and the
// way back from a problem to the space it names.

#include "edit/Editor.h"
#include "model/TrackCheck.h"
#include "view/ViewOps.h"

namespace td {

void Editor::CheckTrackCommand() {
    if (HasTrack)
        host.ShowTrackCheck(FindTrackProblems(track));
}

void Editor::GoToSpace(int lane, int space) {
    const Space* s = HasTrack ? track.Find(lane, space) : nullptr;
    if (!s)
        return;
    sel.CurLane = lane;
    sel.CurSpace = space;
    LoadCurrentSpace();
    UpdateLanePanel();
    UpdateSpacePanels();
    UpdateToolbarState();
    // Where the check window leaves the space in sight.
    if (const std::optional<AreaRect> cover = host.CheckWindowCover())
        CenterSpaceBeside(view, s->CenterX(), s->CenterY(), *cover);
    else
        CenterSpace(view, s->CenterX(), s->CenterY());
    RefreshView();
}

} // namespace td
