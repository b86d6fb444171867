#pragma once
// Typing a space's place: the "X", "Y", "Angle" and "Length" boxes of the
// property panel. A value applies when the author ends the typing (Enter or
// leaving the box) and moves, turns or lengthens the current space as the
// mouse and keys do, the rest of its lane going with it.

#include <optional>
#include <string>

namespace td {

class Editor;

// True for the names of the four boxes.
bool IsPlacementBox(const std::string& control);

// A whole typed number, the locale's separator taken for the point, blanks
// around it allowed; nothing for anything else (empty, "12x", "1e99").
std::optional<float> TypedNumber(std::string text, char decimalSeparator);

// Applies a value typed into placement box `control`. Text that is not a
// number, or no stored current space, changes nothing; the boxes show the
// current space's values again either way. Lengths are held to what the
// scale keys allow.
void ApplyTypedPlacement(Editor& ed, const std::string& control, const std::string& text);

// Fills the four boxes from the working copy of the current space.
void ShowPlacement(Editor& ed);

} // namespace td
