// Polygon mode on the stress track: a press that runs the vertex hit test
// over all 1000 polygons, and one drag step of a vertex with its
// exclusive-or feedback, each as a ratio to a full RefreshView of the same
// editor in the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "StressTrack.h"
#include "edit/Editor.h"
#include "edit/SilentHost.h"
#include "render/qt/QImageSurface.h"

namespace {

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

constexpr int W = 1920;
constexpr int H = 1080;
constexpr float Tpp = 15.0f;

// A host that shows nothing and answers every question with No.
class NullHost : public td::SilentHost {
  public:
    NullHost() : SilentHost(td::MsgAnswer::No) {}
};

// The editor in polygon mode on the stress track, the whole track in view.
struct PolyScene {
    NullHost host;
    td::QImageSurface surface{W, H, Tpp, Tpp};
    td::Editor editor{host, surface};

    explicit PolyScene(const std::string& tool) {
        editor.track = td::MakeStressTrack();
        editor.HasTrack = true;
        editor.EditMode = "PolyMode";
        editor.PolyTool = tool;
        editor.view.DetailLevel = 4;
        editor.sel.CurCorner = 0;
        editor.SetArea(W * Tpp, H * Tpp, true);
        FitWhole();
    }

    void FitWhole() {
        float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
        for (const td::BackPoly& p : editor.track.BackPolys)
            for (const td::PointI& v : p.Vtxs) {
                minX = std::min(minX, static_cast<float>(v.x));
                maxX = std::max(maxX, static_cast<float>(v.x));
                minY = std::min(minY, static_cast<float>(v.y));
                maxY = std::max(maxY, static_cast<float>(v.y));
            }
        td::ViewState& view = editor.view;
        view.Zoom =
            std::min(view.AreaWidth / (maxX - minX + 400), view.AreaHeight / (maxY - minY + 400));
        view.OffsetX = view.AreaWidth / 2 - (minX + maxX) / 2 * view.Zoom;
        view.OffsetY = view.AreaHeight / 2 - (minY + maxY) / 2 * view.Zoom;
    }

    double RefreshTime() {
        double best = 1e30;
        for (int i = 0; i < 5; ++i) {
            const double t0 = Now();
            editor.RefreshView();
            benchmark::DoNotOptimize(surface.Image().constBits());
            best = std::min(best, Now() - t0);
        }
        return best;
    }

    void Mouse(td::CommandKind kind, int button, float x, float y) {
        editor.Dispatch(td::Command::Mouse(kind, button, 0, x, y));
    }
};

void BM_PolyHitTest(benchmark::State& state) {
    // "RotatePoly" presses only pick a vertex, so every press is alike.
    PolyScene scene("RotatePoly");
    const double refresh = scene.RefreshTime();
    // A single press is too short for the clock; the mean over the run counts.
    double total = 0.0;
    unsigned seed = 12345;
    for (auto _ : state) {
        seed = seed * 1103515245u + 12345u;
        const float x = static_cast<float>(seed % (W * 15));
        const float y = static_cast<float>((seed >> 8) % (H * 15));
        const double t0 = Now();
        scene.Mouse(td::CommandKind::MouseDown, 1, x, y);
        total += Now() - t0;
    }
    const double mean =
        total / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["refresh_ms"] = refresh * 1e3;
    state.counters["refresh_ratio"] = mean / refresh;
}
BENCHMARK(BM_PolyHitTest)->Unit(benchmark::kMicrosecond);

void BM_VertexDragStep(benchmark::State& state) {
    PolyScene scene("EditPolyVertex");
    td::Editor& ed = scene.editor;
    ed.sel.CurPoly = 500;
    ed.sel.CurVtx = 25;
    const double refresh = scene.RefreshTime();
    // Press away from any vertex: the current vertex stays, as after picking it.
    scene.Mouse(td::CommandKind::MouseDown, 1, 1.0f, 1.0f);
    const float step = ed.view.CurrentGrid.Distance;
    float x = 1.0f;
    double total = 0.0;
    for (auto _ : state) {
        // Back and forth by one grid step: every event is one x step.
        x = x > 1.0f ? 1.0f : 1.0f + step;
        const double t0 = Now();
        scene.Mouse(td::CommandKind::MouseMove, 1, x, 1.0f);
        benchmark::DoNotOptimize(scene.surface.Image().constBits());
        total += Now() - t0;
    }
    const double mean =
        total / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["refresh_ms"] = refresh * 1e3;
    state.counters["refresh_ratio"] = mean / refresh;
}
BENCHMARK(BM_VertexDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
