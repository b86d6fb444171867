#pragma once
// The editor's command line: --help, --version, --fit and one track path.
// Read before any window or display exists, so that --help and --version
// answer on a machine without a desktop.

#include <QString>
#include <QStringList>

namespace td {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // Help or version text (stdout), or the error message (stderr).
    QString text;
    // The track to open, as given (it may still carry its double quotes).
    QString track;
    // Fit the opened track in the window.
    bool fit = false;
};

// The exit status of a command line the editor refuses.
constexpr int CommandLineErrorExit = 2;

// `arguments` starts with the program name. Qt's own window options
// (-platform, -style, ...) are accepted and left to QApplication.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace td
