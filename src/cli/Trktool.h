#pragma once
// trktool, the command-line companion of the editor: every command as a
// function of its words, so that tests can run it without a process.

#include <ostream>
#include <string>
#include <vector>

namespace trktool {

// Exit codes shared by every command.
constexpr int ExitOk = 0;
constexpr int ExitProblems = 1; // the command ran and found or refused something
constexpr int ExitError = 2;    // usage errors, unreadable input, files that cannot be written

// args are the words after the program name.
int RunTrktool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace trktool
