#pragma once
// Texts of the message boxes the editor shows itself (the tools and the
// editing commands keep theirs beside their code).

#include <string>

namespace td {

// Asked before a command would drop unsaved changes.
std::string UnsavedChangesText();

// A save that failed: the file and the reason.
extern const char* const SaveFailedTitle;
std::string SaveFailedText(const std::string& path, const std::string& error);
// The automatic save failed: says so, since the author asked for nothing.
std::string AutosaveFailedText(const std::string& path, const std::string& error);

// Offered at start-up when the last session ended with unsaved changes in
// `recoveryFile` (for `track`, empty for a track without a file of its own).
std::string RecoveryOfferText(const std::string& track, const std::string& recoveryFile);

// A file read whole whose lane name at `line` the game reads as a number.
std::string LaneNameDamageText(const std::string& path, int line);

// A file that could not be opened at all, and one whose reading stopped early.
extern const char* const OpenFailedTitle;
std::string OpenFailedText(const std::string& path, const std::string& reason);
std::string LoadStoppedText(const std::string& path, int line, const std::string& reason);

} // namespace td

namespace td {

// A team's pit or garage symbol that another space already carries.
extern const char* const SymbolInUseTitle;
std::string SymbolInUseText();

} // namespace td
