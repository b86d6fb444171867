// The track tools over the whole stress track, each beside the time it takes
// to read the same track from its file in the same run: a tool over the
// whole track should cost no more than reading it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "StressTrack.h"
#include "model/TrackFile.h"
#include "tools/AutoTag.h"
#include "tools/Segments.h"

namespace {

using Clock = std::chrono::steady_clock;

// Best of several loads of the stress track written to a file, in seconds.
double LoadTime(td::Track& stress) {
    const auto dir = std::filesystem::temp_directory_path() / "td-bench";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "tools.trk").string();
    td::SaveTrack(stress, path, {"12/08/2026", "03:31:05", "1.0.0"});
    double best = 1e30;
    for (int i = 0; i < 7; ++i) {
        const auto t0 = Clock::now();
        td::Track t;
        benchmark::DoNotOptimize(td::LoadTrack(t, path));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Runs `tool` over the same track every iteration: both tools write the same
// values again on unchanged input, so every run does the whole work.
template <class Tool> void RunTool(benchmark::State& state, Tool tool) {
    td::Track stress = td::MakeStressTrack();
    const double load = LoadTime(stress);
    double best = 1e30;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(tool(stress));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    state.counters["load_ms"] = load * 1e3;
    state.counters["load_ratio"] = best / load;
}

void BM_AutoTag(benchmark::State& state) {
    RunTool(state, [](td::Track& t) { return td::AutoTagSpaces(t).changed; });
}
BENCHMARK(BM_AutoTag)->Unit(benchmark::kMillisecond);

void BM_AssignSegments(benchmark::State& state) {
    RunTool(state, [](td::Track& t) { return td::AssignSegments(t).changed; });
}
BENCHMARK(BM_AssignSegments)->Unit(benchmark::kMillisecond);

} // namespace
