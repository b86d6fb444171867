// Table entries of the file commands and the view commands: new, open, save,
// track info, recent tracks, refresh, centring, modes, grids, polygon tools
// and the display items of the "&Options" menu.

#include "edit/CommandTable.h"
#include "edit/DisplayItems.h"
#include "edit/Editor.h"
#include "edit/UiDefs.h"
#include "view/ViewOps.h"

namespace td {

namespace {

void NewTrackCommand(Editor& ed, bool fourLanes) {
    if (ed.ConfirmDiscard())
        ed.NewTrack(fourLanes);
}

void OpenCommand(Editor& ed) {
    if (ed.ConfirmDiscard())
        ed.OpenWithDialog();
}

void TrackInfoCommand(Editor& ed) {
    if (ed.HasTrack)
        ed.host.ShowTrackInfo();
}

} // namespace

void RegisterFileCommands(CommandTable& table) {
    table.AddButton("New3Lane", [](Editor& ed, const Command&) { NewTrackCommand(ed, false); });
    table.AddButton("New4Lane", [](Editor& ed, const Command&) { NewTrackCommand(ed, true); });
    table.AddButton("LoadTrack", [](Editor& ed, const Command&) { OpenCommand(ed); });
    table.AddButton("SaveTrack", [](Editor& ed, const Command&) { ed.Save(); });
    table.AddButton("TrackInfo", [](Editor& ed, const Command&) { TrackInfoCommand(ed); });

    table.AddMenu("MnuNew3", [](Editor& ed, const Command&) { NewTrackCommand(ed, false); });
    table.AddMenu("MnuNew4", [](Editor& ed, const Command&) { NewTrackCommand(ed, true); });
    table.AddMenu("MnuOpen", [](Editor& ed, const Command&) { OpenCommand(ed); });
    table.AddMenu("MnuSave", [](Editor& ed, const Command&) { ed.Save(); });
    table.AddMenu("MnuSaveAs", [](Editor& ed, const Command&) { ed.SaveAs(); });
    table.AddMenu("MnuTrackInfo", [](Editor& ed, const Command&) { TrackInfoCommand(ed); });
    for (int i = 0; i < RecentTrackCount; ++i)
        table.AddMenu(RecentTrackItem(i), [i](Editor& ed, const Command&) { ed.OpenRecent(i); });
    // "MnuExit" and "MnuAbout" belong to the shell.
}

void RegisterViewCommands(CommandTable& table) {
    table.AddButton("RefreshView", [](Editor& ed, const Command&) { ed.RefreshView(); });
    table.AddButton("CenterView", [](Editor& ed, const Command&) {
        CenterView(ed.view);
        ed.RefreshView();
    });
    table.AddButton("CenterSpace", [](Editor& ed, const Command&) {
        if (const Space* s = ed.track.Find(ed.sel.CurLane, ed.sel.CurSpace)) {
            CenterSpace(ed.view, s->CenterX(), s->CenterY());
            ed.RefreshView();
        }
    });
    for (const std::string& key : ModeKeys())
        table.AddButton(key, [](Editor& ed, const Command& c) { ed.SetEditMode(c.key); });
    for (const std::string& key : GridKeys())
        table.AddButton(key, [](Editor& ed, const Command& c) { ed.SelectGridButton(c.key); });
    for (const ButtonDef& tool : PolyToolbar()) {
        if (tool.group != ButtonGroup::PolyTools)
            continue;
        table.AddButton(tool.key, [](Editor& ed, const Command& c) {
            if (ed.PolyTool != c.key)
                ed.host.SetButtonPressed(ed.PolyTool, false);
            ed.PolyTool = c.key;
            ed.host.SetButtonPressed(c.key, true);
        });
    }

    table.AddMenu("MnuDrawFullDetail", [](Editor& ed, const Command&) { ed.ToggleFilled(); });
    for (int k = 1; k <= 4; ++k)
        table.AddMenu(DetailItem(k), [k](Editor& ed, const Command&) { ed.SetDetailLevel(k); });
    table.AddMenu("MnuSetBackColor", [](Editor& ed, const Command&) { ed.ChooseBackColor(); });
    for (const DisplayItem& item : DisplayItems)
        table.AddMenu(item.menuName,
                      [](Editor& ed, const Command& c) { ed.ToggleDisplayOption(c.key); });
}

} // namespace td
