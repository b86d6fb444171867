// libFuzzer entry point for the editor: the input chooses a start and a
// sequence of commands (editor/EditorRun.h); a failed oracle aborts with the
// failure on stderr, and `editor-replay --words FILE` shows the sequence.
// At exit the number of commands run is printed for the figures.

#include <cstdio>
#include <cstdlib>

#include "editor/EditorRun.h"

#ifndef TD_FUZZ_DEMO_TRACK
#define TD_FUZZ_DEMO_TRACK ""
#endif

namespace {

long long g_commands = 0;
long long g_sequences = 0;

void PrintCount() {
    std::fprintf(stderr, "editor-fuzz: %lld commands in %lld sequences\n", g_commands,
                 g_sequences);
}

td::fuzz::EditorRunner& Runner() {
    static td::fuzz::EditorRunner runner(td::fuzz::DefaultRunRoot(), TD_FUZZ_DEMO_TRACK);
    return runner;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Runner();
    std::atexit(PrintCount);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const td::fuzz::RunResult result = Runner().Run(data, size);
    g_commands += result.commands;
    ++g_sequences;
    if (!result.failure.empty()) {
        std::fprintf(stderr, "editor-fuzz: after command %d: %s\n", result.failedAt,
                     result.failure.c_str());
        std::abort();
    }
    return 0;
}
