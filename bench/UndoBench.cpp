// Recording and undoing one step of the history on the stress track, each
// beside a full redraw of the same track measured in the same run: an edit
// must never wait noticeably for its undo step.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "StressTrack.h"
#include "edit/UndoHistory.h"
#include "model/Selection.h"
#include "render/Pipeline.h"
#include "render/Scene.h"
#include "render/qt/QImageSurface.h"
#include "view/ViewOps.h"

namespace {

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Best time of a full redraw of the whole track at 1920x1080.
double RedrawTime(const td::Track& track) {
    td::QImageSurface surface(1920, 1080, 15.0f, 15.0f);
    td::Selection sel;
    td::ViewState view;
    view.AreaWidth = surface.Width();
    view.AreaHeight = surface.Height();
    view.TwipsPerPixelX = view.TwipsPerPixelY = 15.0f;
    // The whole track in view.
    float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
    for (const td::Lane& l : track.Lanes)
        for (const td::Space& s : l.Spaces) {
            minX = std::min(minX, s.Pt[0].x);
            maxX = std::max(maxX, s.Pt[0].x);
            minY = std::min(minY, s.Pt[0].y);
            maxY = std::max(maxY, s.Pt[0].y);
        }
    view.Zoom = std::min(view.AreaWidth / (maxX - minX + 400), view.AreaHeight / (maxY - minY + 400));
    td::CenterSpace(view, (minX + maxX) / 2, (minY + maxY) / 2);
    td::DisplayOptions display;
    td::TrackBounds bounds;
    double best = 1e30;
    for (int i = 0; i < 5; ++i) {
        td::Scene scene{surface, track, sel, view, display, bounds, true};
        const double t0 = Now();
        td::RefreshView(scene);
        best = std::min(best, Now() - t0);
    }
    return best;
}

void MoveOneSpace(td::Track& track, float dx) {
    td::Space& s = track.Lanes[0].Spaces[998];
    for (td::PointF& p : s.Pt)
        p.x += dx;
}

// The stress track with its history started, and the redraw it is measured against.
struct UndoSetup {
    td::Track track = td::MakeStressTrack();
    double redraw = RedrawTime(track);
    td::UndoHistory history;
    td::Selection sel;
    double best = 1e30;

    UndoSetup() { history.Reset(track); }
    void Report(benchmark::State& state) const {
        state.counters["redraw_ms"] = redraw * 1e3;
        state.counters["redraw_ratio"] = best / redraw;
    }
};

void BM_UndoStep(benchmark::State& state) {
    UndoSetup u;
    for (auto _ : state) {
        MoveOneSpace(u.track, 25.0f);
        const double t0 = Now();
        u.history.Record(u.track, "Move Space", u.sel, u.sel);
        u.best = std::min(u.best, Now() - t0);
    }
    u.Report(state);
    state.counters["history_MiB"] = static_cast<double>(u.history.Bytes()) / (1 << 20);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state) {
    UndoSetup u;
    for (auto _ : state) {
        state.PauseTiming();
        MoveOneSpace(u.track, 25.0f);
        u.history.Record(u.track, "Move Space", u.sel, u.sel);
        state.ResumeTiming();
        const double t0 = Now();
        u.history.Undo(u.track, u.sel);
        u.best = std::min(u.best, Now() - t0);
        state.PauseTiming();
        u.history.Redo(u.track, u.sel);
        state.ResumeTiming();
    }
    u.Report(state);
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

} // namespace
