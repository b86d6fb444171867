// Reading and writing the stress track, each beside a floor measured in the
// same run: the least work any reader or writer of the same text must do.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "StressTrack.h"
#include "model/TrackFile.h"

namespace {

using Clock = std::chrono::steady_clock;

const td::BuildStamp Stamp{"12/08/2026", "03:31:05", "1.0.0"};

std::string BenchFolder() {
    const auto dir = std::filesystem::temp_directory_path() / "td-bench";
    std::filesystem::create_directories(dir);
    return dir.string();
}

// One read of the whole file, as the reader does it.
std::string ReadAll(const std::string& path) {
    std::string text(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const size_t got = std::fread(text.data(), 1, text.size(), f);
    std::fclose(f);
    text.resize(got);
    return text;
}

// Best of several runs, in seconds.
template <class F> double BestTime(F&& f, int runs = 7) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Load floor: the same bytes read from the file and every number on them
// parsed with std::from_chars.
double LoadFloor(const std::string& path) {
    const std::string text = ReadAll(path);
    double sum = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == ','))
            ++p;
        const char* q = p;
        while (q < end && !(*q == ' ' || *q == '\t' || *q == '\r' || *q == '\n' || *q == ','))
            ++q;
        double v = 0;
        if (std::from_chars(p, q, v).ec == std::errc())
            sum += v;
        p = q;
    }
    benchmark::DoNotOptimize(sum);
    return sum;
}

// Save floor: every number of the track formatted into one buffer, written
// once with the same durability as the writer (flushed to the disk).
std::string FormatFloor(const td::Track& t) {
    std::string buf;
    buf.reserve(8u << 20);
    char tmp[32];
    auto num = [&](double v, bool single) {
        auto r = single ? std::to_chars(tmp, tmp + sizeof tmp, v, std::chars_format::general, 7)
                        : std::to_chars(tmp, tmp + sizeof tmp, static_cast<long long>(v));
        buf.append(tmp, r.ptr);
        buf.push_back(' ');
    };
    for (const td::Lane& lane : t.Lanes)
        for (const td::Space& s : lane.Spaces) {
            num(s.Pt[0].x, true);
            num(s.Pt[0].y, true);
            num(s.Rotation, false);
            num(s.Scale, true);
            num(s.Symbol, false);
            num(s.LanePos, true);
            for (auto r : s.Nxt)
                num(r, false);
            for (auto r : s.Adj)
                num(r, false);
            num(s.Segment, false);
            num(s.GapPart, false);
            buf.append("\r\n");
        }
    for (const td::BackPoly& p : t.BackPolys)
        for (const td::PointI& v : p.Vtxs) {
            num(v.x, false);
            num(v.y, false);
            buf.append("\r\n");
        }
    return buf;
}

void SaveFloor(const td::Track& t, const std::string& path) {
    const std::string buf = FormatFloor(t);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(buf.data(), 1, buf.size(), f);
    std::fflush(f);
    ::fsync(::fileno(f));
    std::fclose(f);
}

void BM_LoadTrack(benchmark::State& state) {
    td::Track stress = td::MakeStressTrack();
    const std::string path = BenchFolder() + "/load.trk";
    td::SaveTrack(stress, path, Stamp);
    const double floor = BestTime([&] { LoadFloor(path); });
    double best = 1e30;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        td::Track t;
        const td::LoadResult r = td::LoadTrack(t, path);
        benchmark::DoNotOptimize(r);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["floor_ratio"] = best / floor;
}
BENCHMARK(BM_LoadTrack)->Unit(benchmark::kMillisecond);

void BM_SaveTrack(benchmark::State& state) {
    td::Track stress = td::MakeStressTrack();
    const std::string path = BenchFolder() + "/save.trk";
    const std::string floorPath = BenchFolder() + "/floor.txt";
    const double floor = BestTime([&] { SaveFloor(stress, floorPath); });
    double best = 1e30;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const td::SaveResult r = td::SaveTrack(stress, path, Stamp);
        benchmark::DoNotOptimize(r);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    // The text alone, beside formatting the numbers alone: the part of the
    // figure that the disk does not decide.
    const double formatFloor = BestTime([&] { benchmark::DoNotOptimize(FormatFloor(stress)); });
    const double format =
        BestTime([&] { benchmark::DoNotOptimize(td::FormatTrack(stress, Stamp)); });
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["floor_ratio"] = best / floor;
    state.counters["format_ratio"] = format / formatFloor;
}
BENCHMARK(BM_SaveTrack)->Unit(benchmark::kMillisecond);

} // namespace
