// "Go to Space...": the author names a lane and a space number (as the lane
// and space panels count them); that space becomes current, in the middle of
// the view.

#include "edit/CommandTable.h"
#include "edit/Editor.h"

namespace td {

namespace {

void GoToSpaceCommand(Editor& ed) {
    const std::optional<std::pair<int, int>> asked =
        ed.host.AskSpace(ed.sel.CurLane, ed.sel.CurSpace + 1);
    if (!asked)
        return;
    const auto [lane, number] = *asked;
    if (!ed.track.Find(lane, number - 1)) {
        ed.host.MessageBox("There is no space " + std::to_string(number) + " in lane " +
                               std::to_string(lane) + ".",
                           "Go to Space", MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    ed.GoToSpace(lane, number - 1);
}

} // namespace

void RegisterGoToSpaceCommands(CommandTable& table) {
    table.AddMenu("MnuGoToSpace", [](Editor& ed, const Command&) {
        if (ed.HasTrack)
            GoToSpaceCommand(ed);
    });
}

} // namespace td
