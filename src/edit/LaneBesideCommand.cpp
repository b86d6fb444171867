// "Build Lane Beside" of the Tools menu: asks which side, asks before
// replacing a neighbour that has spaces of its own, then builds it.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "tools/LaneBeside.h"

namespace td {

namespace {

MsgAnswer Show(Editor& ed, const ToolMessage& m) {
    return ed.host.MessageBox(m.text, m.title, m.buttons, m.icon);
}

void BuildLaneBesideCommand(Editor& ed) {
    const int lane = ed.sel.CurLane;
    if (const ToolMessage why = LaneBesideRefusal(ed.track, lane); !why.Empty()) {
        Show(ed, why);
        return;
    }
    const MsgAnswer answer = Show(ed, LaneBesideSideQuestion(ed.track, lane));
    if (answer != MsgAnswer::Yes && answer != MsgAnswer::No)
        return;
    const LaneSide side = answer == MsgAnswer::Yes ? LaneSide::Right : LaneSide::Left;
    if (LaneBesideReplaces(ed.track, lane, side) &&
        Show(ed, LaneBesideReplaceQuestion(ed.track, lane, side)) != MsgAnswer::Yes)
        return;
    const int other = NeighbourLane(ed.track, lane, side);
    const ToolResult r = BuildLaneBeside(ed.track, lane, side);
    if (!r.refused) {
        // A link being set from a replaced space has lost its start.
        if (ed.sel.PrimarySpace != NoSpace && RefLane(ed.sel.PrimarySpace) == other)
            ed.sel.PrimarySpace = NoSpace;
        ed.RefreshView();
    }
    Show(ed, r.message);
}

} // namespace

void RegisterLaneBesideCommands(CommandTable& table) {
    table.AddMenu("MnuBuildLaneBeside", [](Editor& ed, const Command&) {
        if (ed.HasTrack)
            BuildLaneBesideCommand(ed);
    });
}

} // namespace td
