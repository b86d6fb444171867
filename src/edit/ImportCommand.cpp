// Import Circuit in the File menu: a real circuit's centre line from a map
// file becomes the track, as New makes one: the unsaved-changes question
// first, then no file of its own and a fresh history, the whole circuit in
// view.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "tools/CircuitImport.h"
#include "tools/CircuitShape.h"
#include "view/FitView.h"

namespace td {

namespace {

constexpr const char* ImportTitle = "Import Circuit";

void Refuse(Editor& ed, const std::string& file, const std::string& why) {
    ed.host.MessageBox("The circuit in \"" + file + "\" cannot be imported: " + why + ".",
                       ImportTitle, MsgButtons::OK, MsgIcon::Exclamation);
}

void ImportCircuitCommand(Editor& ed) {
    if (!ed.ConfirmDiscard())
        return;
    const auto file = ed.host.CircuitFileDialog(ed.host.TracksFolder());
    if (!file || file->empty())
        return;
    CircuitLine line;
    std::string error;
    Path lap;
    if (!ReadCircuitFile(*file, line, error) || !ShapeCircuit(line.points, false, lap, error)) {
        Refuse(ed, *file, error);
        return;
    }
    CircuitImportChoice choice;
    choice.Length = DefaultCircuitLength(lap.Length());
    if (!ed.host.CircuitImportDialog(choice))
        return;
    CircuitImportOptions options;
    options.Lanes = choice.Lanes;
    options.Length = choice.Length;
    options.Reverse = choice.Reverse;
    CircuitImport result = ImportCircuit(line, options);
    if (!result.Ok) {
        Refuse(ed, *file, result.Error);
        return;
    }
    ed.track = std::move(result.Result);
    ed.TrackPath.clear();
    ed.UpdateTitle();
    ed.ResetEditor();
    FitTrackInView(ed.view, ed.track);
    ed.RefreshView();
}

} // namespace

void RegisterImportCommands(CommandTable& table) {
    table.AddMenu("MnuImportCircuit", [](Editor& ed, const Command&) { ImportCircuitCommand(ed); });
}

} // namespace td
