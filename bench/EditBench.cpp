// The editor's mouse work on the stress track: the space hit test of a press
// and one quantised drag step of a space, each beside a full RefreshView of
// the same track measured in the same run (redraw_ratio = time / redraw).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "StressTrack.h"
#include "edit/Editor.h"
#include "edit/SilentHost.h"
#include "edit/SpaceHit.h"
#include "render/qt/QImageSurface.h"
#include "view/ViewOps.h"
#include "view/ViewTransform.h"

namespace {

// Thread CPU time, as in the redraw benchmarks.
double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
constexpr int W = 1920;
constexpr int H = 1080;
constexpr float Tpp = 15.0f;

// A host that shows nothing and answers every question with OK.
class NullHost : public td::SilentHost {
  public:
    NullHost() : SilentHost(td::MsgAnswer::OK) {}
};

// An editor on the stress track with the whole track in view, the last space
// of racing lane 0 (999 spaces) current.
struct StressEditor {
    NullHost host;
    td::QImageSurface surface{W, H, Tpp, Tpp};
    td::Editor editor{host, surface};

    StressEditor() {
        editor.track = td::MakeStressTrack();
        editor.HasTrack = true;
        editor.view.AreaWidth = W * Tpp;
        editor.view.AreaHeight = H * Tpp;
        editor.view.DetailLevel = 4;
        editor.sel.CurCorner = 0;
        editor.sel.PrimarySpace = td::MakeRef(1, 10);
        FitWhole();
        editor.sel.CurLane = 0;
        editor.sel.CurSpace = static_cast<int>(editor.track.Lanes[0].Spaces.size()) - 1;
        editor.LoadCurrentSpace();
        editor.RefreshView();
    }

    void FitWhole() {
        float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
        for (const td::Lane& l : editor.track.Lanes)
            for (const td::Space& s : l.Spaces) {
                minX = std::min(minX, s.Pt[0].x);
                maxX = std::max(maxX, s.Pt[0].x);
                minY = std::min(minY, s.Pt[0].y);
                maxY = std::max(maxY, s.Pt[0].y);
            }
        const float margin = 200.0f;
        td::ViewState& v = editor.view;
        v.Zoom = std::min(v.AreaWidth / (maxX - minX + 2 * margin),
                          v.AreaHeight / (maxY - minY + 2 * margin));
        td::CenterSpace(v, (minX + maxX) / 2, (minY + maxY) / 2);
    }

    double RedrawTime() {
        double best = 1e30;
        for (int i = 0; i < 5; ++i) {
            const double t0 = Now();
            editor.RefreshView();
            benchmark::DoNotOptimize(surface.Image().constBits());
            best = std::min(best, Now() - t0);
        }
        return best;
    }
};

void BM_HitTest(benchmark::State& state) {
    StressEditor se;
    const double redraw = se.RedrawTime();
    // Presses on a grid over the whole area: on spaces and beside them.
    std::vector<td::PointF> presses;
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 9; ++j)
            presses.push_back({(static_cast<float>(i) + 0.5f) * W * Tpp / 16.0f,
                               (static_cast<float>(j) + 0.5f) * H * Tpp / 9.0f});
    // And one on every tenth space of lane 0, which is sure to hit.
    const auto& lane = se.editor.track.Lanes[0].Spaces;
    for (size_t s = 0; s < lane.size(); s += 10)
        presses.push_back({td::WorldToScreenX(se.editor.view, lane[s].Pt[0].x),
                           td::WorldToScreenY(se.editor.view, lane[s].Pt[0].y)});
    // Each iteration presses at every point once; the figure is per press.
    double best = 1e30;
    for (auto _ : state) {
        const double t0 = Now();
        for (const td::PointF& p : presses)
            benchmark::DoNotOptimize(td::HitTestSpace(se.editor.track, se.editor.view, p.x, p.y));
        best = std::min(best, (Now() - t0) / static_cast<double>(presses.size()));
    }
    state.counters["press_us"] = best * 1e6;
    state.counters["redraw_ms"] = redraw * 1e3;
    state.counters["redraw_ratio"] = best / redraw;
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
    StressEditor se;
    const double redraw = se.RedrawTime();
    se.editor.Dispatch(td::Command::Button("TranslateSpace"));
    // A press on empty ground: the drag moves the current space.
    se.editor.Dispatch(td::Command::Mouse(td::CommandKind::MouseDown, 1, 0, 1.0f, 1.0f));
    // Back and forth by just over one Medium grid step: one step per move.
    float x = 1.0f;
    double best = 1e30;
    for (auto _ : state) {
        x = x > 1.0f ? 1.0f : 31.0f;
        const double t0 = Now();
        se.editor.Dispatch(td::Command::Mouse(td::CommandKind::MouseMove, 1, 0, x, 1.0f));
        benchmark::DoNotOptimize(se.surface.Image().constBits());
        best = std::min(best, Now() - t0);
    }
    state.counters["step_us"] = best * 1e6;
    state.counters["redraw_ms"] = redraw * 1e3;
    state.counters["redraw_ratio"] = best / redraw;
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

} // namespace
