// Replays editor fuzz inputs outside the fuzzer:
//   editor-replay [--words] FILE|FOLDER...
// (a folder's notes, *.md, are not inputs)
// runs each input as EditorFuzz does and reports the failed oracle; with
// --words it first prints the start, the commands and the host's answers.
// The exit status is 1 when any input failed.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/EditorRun.h"

#ifndef TD_FUZZ_DEMO_TRACK
#define TD_FUZZ_DEMO_TRACK ""
#endif

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    bool words = false;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--words") {
            words = true;
            continue;
        }
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            for (const auto& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file() && entry.path().extension() != ".md")
                    inputs.push_back(entry.path());
        } else {
            inputs.push_back(arg);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: editor-replay [--words] FILE|FOLDER...\n");
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    td::fuzz::EditorRunner runner(td::fuzz::DefaultRunRoot(), TD_FUZZ_DEMO_TRACK);
    int failed = 0;
    long long commands = 0;
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "editor-replay: cannot read %s\n", path.c_str());
            ++failed;
            continue;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::vector<std::string> lines;
        const td::fuzz::RunResult r =
            runner.Run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                       words ? &lines : nullptr);
        commands += r.commands;
        if (words) {
            std::printf("%s:\n", path.c_str());
            for (const std::string& line : lines)
                std::printf("  %s\n", line.c_str());
        }
        if (!r.failure.empty()) {
            ++failed;
            std::printf("%s: FAILED after command %d: %s\n", path.c_str(), r.failedAt,
                        r.failure.c_str());
        }
    }
    std::printf("editor-replay: %zu inputs, %lld commands, %d failed\n", inputs.size(), commands,
                failed);
    return failed ? 1 : 0;
}
