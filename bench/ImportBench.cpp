// Importing a real circuit: the shared Spa line at 990 spaces a lane, beside
// loading the track it writes, measured in the same run
// (load_ratio = import time / load time).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "model/TrackFile.h"
#include "tools/CircuitImport.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void BM_ImportCircuit(benchmark::State& state) {
    const std::string in = std::string(TD_SOURCE_DIR) + "/tests/data/circuits/be-1925.geojson";
    td::CircuitLine line;
    std::string error;
    if (!td::ReadCircuitFile(in, line, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    td::CircuitImportOptions options;
    options.Length = 990;
    double best = 1e30;
    td::CircuitImport result;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        result = td::ImportCircuit(line, options);
        benchmark::DoNotOptimize(result);
        best = std::min(best, Seconds(t0));
    }
    if (!result.Ok) {
        state.SkipWithError(result.Error.c_str());
        return;
    }
    const std::string out =
        (std::filesystem::temp_directory_path() / "td-bench-import.trk").string();
    td::SaveTrack(result.Result, out, td::BuildStamp{"12/08/2026", "03:31:05", "1.0.0"});
    double load = 1e30;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = Clock::now();
        td::Track t;
        benchmark::DoNotOptimize(td::LoadTrack(t, out));
        load = std::min(load, Seconds(t0));
    }
    std::filesystem::remove(out);
    state.counters["load_ms"] = load * 1e3;
    state.counters["load_ratio"] = best / load;
}
BENCHMARK(BM_ImportCircuit)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
