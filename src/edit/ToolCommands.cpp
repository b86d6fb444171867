// The "&Tools" menu commands: each runs a tool of src/tools on the editor's
// track, shows its message through the Host and redraws where the command
// wants it.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "edit/SpaceOps.h"
#include "tools/AutoTag.h"
#include "tools/AutoTagCorners.h"
#include "tools/CenterTrack.h"
#include "tools/LaneTools.h"
#include "tools/MeasureCorners.h"
#include "tools/Segments.h"
#include "tools/StartGrid.h"

namespace td {

namespace {

MsgAnswer Show(Editor& ed, const ToolMessage& m) {
    return ed.host.MessageBox(m.text, m.title, m.buttons, m.icon);
}

void AssignSegmentsCommand(Editor& ed) {
    Show(ed, AssignSegments(ed.track).message);
    ed.host.SetMenuEnabled("MnuAutoTagSpaces", true);
    ed.RefreshView();
}

// The new links show with the next redraw.
void AutoTagCommand(Editor& ed) {
    Show(ed, AutoTagSpaces(ed.track).message);
}

// Yes links every corner space both ways, No as the arrows allow.
void AutoTagCornersCommand(Editor& ed) {
    const MsgAnswer a = Show(ed, AutoTagCornersQuestion());
    if (a != MsgAnswer::Yes && a != MsgAnswer::No)
        return;
    const int n =
        AutoTagCorners(ed.track, a == MsgAnswer::Yes ? CornerArrows::Ignore : CornerArrows::Honour);
    ed.RefreshView();
    Show(ed, AutoTagCornersDone(n));
}

void CreateGridCommand(Editor& ed, int rowStep) {
    const ToolResult r = CreateStartGrid(ed.track, rowStep);
    if (r.refused) {
        Show(ed, r.message);
        return;
    }
    ed.RefreshView();
}

void ClearGridCommand(Editor& ed) {
    if (Show(ed, ClearStartGridQuestion()) != MsgAnswer::Yes)
        return;
    ClearStartGrid(ed.track);
    ed.RefreshView();
}

// The cleared links stay on screen until the next redraw.
void ClearTagsCommand(Editor& ed, TagScope scope) {
    if (Show(ed, ClearTagsQuestion(scope)) == MsgAnswer::Yes)
        ClearTags(ed.track, scope);
}

void PitPaintCommand(Editor& ed) {
    const ToolResult r = CreatePitPaint(ed.track, ed.sel.CurSpace);
    if (r.refused) {
        Show(ed, r.message);
        return;
    }
    ed.RefreshView();
}

void CenterTrackCommand(Editor& ed) {
    const std::optional<PointF> middle = SpacesMiddle(ed.track);
    if (!middle)
        return;
    // The renderer collects the bounds of what it draws afresh.
    ed.bounds = TrackBounds{};
    MoveWholeTrack(ed.track, ed.sel, -middle->x, -middle->y);
    for (size_t p = 0; p < ed.track.BackPolys.size(); ++p) {
        ed.sel.CurPoly = static_cast<int>(p);
        MovePolygon(ed.track, ed.sel.CurPoly, -middle->x, -middle->y);
    }
    ed.RefreshView();
}

// The corner values are not drawn: nothing to redraw.
void MeasureCornersCommand(Editor& ed) {
    Show(ed, MeasureCorners(ed.track).message);
}

struct ToolItem {
    const char* name;
    void (*run)(Editor&);
};

const ToolItem ToolItems[] = {
    {"MnuReorder", [](Editor& ed) { ReorderLane(ed.track, ed.sel.CurLane, ed.sel.CurSpace); }},
    {"MnuCreatePitPaint", PitPaintCommand},
    {"MnuAssignSeg", AssignSegmentsCommand},
    {"MnuAutoTagSpaces", AutoTagCommand},
    {"MnuAutoTagCorners", AutoTagCornersCommand},
    {"MnuClearAllTags", [](Editor& ed) { ClearTagsCommand(ed, TagScope::All); }},
    {"MnuClearCornerTags", [](Editor& ed) { ClearTagsCommand(ed, TagScope::Corner); }},
    {"MnuClearStraightTags", [](Editor& ed) { ClearTagsCommand(ed, TagScope::Straight); }},
    {"MnuNormalStartGrid", [](Editor& ed) { CreateGridCommand(ed, NormalGridStep); }},
    {"MnuTightStartGrid", [](Editor& ed) { CreateGridCommand(ed, TightGridStep); }},
    {"MnuClearStartGrid", ClearGridCommand},
    {"MnuCenterTrack", CenterTrackCommand},
    {"MnuMeasureCorners", MeasureCornersCommand},
};

} // namespace

void RegisterToolCommands(CommandTable& table) {
    for (const ToolItem& item : ToolItems)
        table.AddMenu(item.name, [run = item.run](Editor& ed, const Command&) {
            // Before the first new track or load the tools have nothing to
            // work on (their menu items are disabled then).
            if (ed.HasTrack)
                run(ed);
        });
}

} // namespace td
