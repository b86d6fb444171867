#pragma once
// One fuzz input run against a fresh editor: the first bytes choose the
// start (no track, either template, a small generated track, the demo, a
// damaged file) and the settings, the rest a sequence of commands, each
// followed by the oracles.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CommandPicker.h"

namespace td::fuzz {

struct RunResult {
    int commands = 0;     // commands dispatched, the end checks included
    std::string failure;  // the oracle that failed, empty when all held
    int failedAt = -1;    // index of the command after which it failed
};

class EditorRunner {
  public:
    // Writes into a private folder under `root` (made and removed here);
    // `demoPath` is the demo track to start from (empty: none).
    EditorRunner(const std::string& root, std::string demoPath);
    ~EditorRunner();
    EditorRunner(const EditorRunner&) = delete;
    EditorRunner& operator=(const EditorRunner&) = delete;

    // When `words` is given, the start, each command and each answer the
    // host gave are described there, one line each.
    RunResult Run(const std::uint8_t* data, std::size_t size,
                  std::vector<std::string>* words = nullptr);

    // At most this many commands a sequence: short sequences find as much
    // and keep the history far from its step limit.
    static constexpr int MaxCommands = 300;

    // Called after each command and before its oracles (for debugging a
    // replay); empty by default.
    std::function<void(const Editor&, const Command&)> watch;

  private:
    std::string folder_;
    std::string demoPath_;
    std::string demoForm_;
    std::string generatedForm_;
    std::string templateForm_;
    CommandPicker picker_;
};

// The default folder for runs: /dev/shm when it exists, else the temporary folder.
std::string DefaultRunRoot();

} // namespace td::fuzz
