// The space commands of the toolbar, the keys and the mouse.

#include "edit/CommandTable.h"
#include "edit/Editor.h"

namespace td {

void Editor::AddSpace() {}
void Editor::DeleteSpace() {}
void Editor::ResetSpace() {}
void Editor::CycleCOR() {}
void Editor::ScaleCurrentSpace(float) {}
void Editor::MoveCurrentSpace(float, float, bool) {}
void Editor::RotateCurrentSpace(std::int16_t, bool) {}
void Editor::MoveWholeTrack(float, float) {}
void Editor::RotateWholeTrack(std::int16_t) {}
void Editor::SetNextSpace() {}
void Editor::SetAdjacentSpace() {}

void RegisterSpaceCommands(CommandTable& table) {
    table.AddButton("SetPrimarySpace", [](Editor& ed, const Command&) { ed.SetPrimarySpace(); });
}

} // namespace td
