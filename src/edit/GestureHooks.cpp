// Gestures of the corner and polygon modes. Until those modes have their
// own, their mouse events do nothing.

#include "edit/Editor.h"

namespace td {

void Editor::CornerMouse(const Command&) {}

void Editor::PolyMouse(const Command&) {}

} // namespace td
