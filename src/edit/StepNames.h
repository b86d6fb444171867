#pragma once
// The name an undo step takes from the command that made it, as the Edit
// menu shows it ("&Undo Add Space").

#include <string>

#include "edit/Command.h"

namespace td {

// `editMode` and `polyTool` are the mode and polygon tool in force when a
// mouse gesture began.
std::string StepName(const Command& cmd, const std::string& editMode,
                     const std::string& polyTool);

// True for names that only say a mouse gesture happened; a menu chosen
// during the gesture (a context menu) names the step instead.
bool IsGestureName(const std::string& name);

} // namespace td
