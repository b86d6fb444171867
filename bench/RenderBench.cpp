// The full redraw of the stress track into the QImage surface, beside a floor
// measured in the same run: the same fills and lines drawn with bare QPainter
// calls on the same image, with every pixel coordinate worked out beforehand.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include <QImage>
#include <QPainter>

#include "StressTrack.h"
#include "model/Moves.h"
#include "render/Pipeline.h"
#include "render/Scene.h"
#include "render/qt/QImageSurface.h"
#include "view/ViewOps.h"

namespace {

// Thread CPU time: drawing is pure computation, and the machine the figures
// are taken on is shared, so wall time would mostly measure the neighbours.
double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
constexpr int W = 1920;
constexpr int H = 1080;
constexpr float Tpp = 15.0f;

template <class F> double BestTime(F&& f, int runs = 5) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double t0 = Now();
        f();
        best = std::min(best, Now() - t0);
    }
    return best;
}

QColor Q(td::Colour c) {
    return QColor(qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
}

QPainter::CompositionMode Mode(int pen) {
    return pen == td::PenXor      ? QPainter::RasterOp_SourceXorDestination
           : pen == td::PenInvert ? QPainter::RasterOp_NotDestination
                                  : QPainter::CompositionMode_SourceOver;
}

int Px(float twips) {
    return static_cast<int>(std::nearbyint(twips / Tpp));
}

// One primitive in pixels, ready for QPainter.
struct PixelOp {
    enum Kind { Fill, Line, Rect, Ellipse, Polygon } kind;
    QPainter::CompositionMode mode;
    QPen pen;
    QBrush brush;
    QLine line;
    QRect rect;
    QRectF ellipse;
    QPolygon polygon;
    QColor fill;
};

// Records what a redraw hands to its surface as pixel primitives, leaving
// out those that lie wholly outside the image (QPainter would only clip
// them away).
class PixelRecorder : public td::Surface {
  public:
    std::vector<PixelOp> ops;

    float Width() const override { return W * Tpp; }
    float Height() const override { return H * Tpp; }
    float TwipsPerPixelX() const override { return Tpp; }
    float TwipsPerPixelY() const override { return Tpp; }
    void SetFillStyle(int style) override { fillStyle_ = style; }
    void SetFillColor(td::Colour c) override { fillColour_ = c; }
    void SetLineWidth(int px) override { width_ = std::max(1, px); }
    void SetBackColor(td::Colour c) override {
        back_ = c;
        Clear();
    }
    void Clear() override {
        PixelOp op{PixelOp::Fill, QPainter::CompositionMode_SourceOver, {}, {}, {}, {}, {}, {},
                   Q(back_)};
        ops.push_back(op);
    }
    void DrawLine(float x1, float y1, float x2, float y2, td::Colour c, int pen,
                  int style) override {
        const QLine l(Px(x1), Px(y1), Px(x2), Px(y2));
        if (Outside(std::min(l.x1(), l.x2()), std::min(l.y1(), l.y2()), std::max(l.x1(), l.x2()),
                    std::max(l.y1(), l.y2())))
            return;
        PixelOp op{PixelOp::Line, Mode(pen), Pen(c, style), Qt::NoBrush, l, {}, {}, {}, {}};
        ops.push_back(op);
    }
    void DrawBox(float x1, float y1, float x2, float y2, td::Colour c, int pen,
                 int style) override {
        const int ax = Px(x1), ay = Px(y1), bx = Px(x2), by = Px(y2);
        if (Outside(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)))
            return;
        QRect r(QPoint(std::min(ax, bx), std::min(ay, by)),
                QSize(std::abs(bx - ax), std::abs(by - ay)));
        PixelOp op{PixelOp::Rect,
                   Mode(pen),
                   Pen(c, style),
                   Brush(fillStyle_, fillColour_),
                   {},
                   r,
                   {},
                   {},
                   {}};
        ops.push_back(op);
    }
    void DrawCircle(float cx, float cy, float r, td::Colour c, int pen, int style) override {
        PixelOp op{PixelOp::Ellipse,
                   Mode(pen),
                   Pen(c, style),
                   Qt::NoBrush,
                   {},
                   {},
                   QRectF((cx - r) / Tpp, (cy - r) / Tpp, 2 * r / Tpp, 2 * r / Tpp),
                   {},
                   {}};
        ops.push_back(op);
    }
    void DrawArc(float cx, float cy, float r, td::Colour c, float, float, float, int pen,
                 int style) override {
        DrawCircle(cx, cy, r, c, pen, style);
    }
    void FillPolygon(const std::vector<td::PointI>& px, td::Colour outline, int pen, int style,
                     td::Colour fill, int fillStyle) override {
        QPolygon poly;
        for (const td::PointI& p : px)
            poly.append(QPoint(p.x, p.y));
        const QRect b = poly.boundingRect();
        if (Outside(b.left(), b.top(), b.right(), b.bottom()))
            return;
        PixelOp op{PixelOp::Polygon,
                   Mode(pen),
                   Pen(outline, style),
                   Brush(fillStyle, fill),
                   {},
                   {},
                   {},
                   poly,
                   {}};
        ops.push_back(op);
    }

  private:
    static bool Outside(int x1, int y1, int x2, int y2) {
        return x2 < -4 || y2 < -4 || x1 > W + 4 || y1 > H + 4;
    }
    QPen Pen(td::Colour c, int style) const {
        return QPen(Q(c), width_, style == td::LineDot ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap,
                    Qt::MiterJoin);
    }
    static QBrush Brush(int style, td::Colour c) {
        if (style == td::FillSolid)
            return QBrush(Q(c));
        if (style == td::FillCross)
            return QBrush(Q(c), Qt::CrossPattern);
        return Qt::NoBrush;
    }
    int fillStyle_ = td::FillTransparent;
    td::Colour fillColour_ = 0;
    int width_ = 1;
    td::Colour back_ = 0xFFFFFF;
};

// Bare QPainter: only the calls the primitives need, state set only when it
// changes.
void Replay(QImage& img, const std::vector<PixelOp>& ops) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    for (const PixelOp& op : ops) {
        if (op.kind == PixelOp::Fill) {
            if (mode != QPainter::CompositionMode_SourceOver)
                p.setCompositionMode(mode = QPainter::CompositionMode_SourceOver);
            p.fillRect(img.rect(), op.fill);
            continue;
        }
        if (op.mode != mode)
            p.setCompositionMode(mode = op.mode);
        if (p.pen() != op.pen)
            p.setPen(op.pen);
        if (op.kind != PixelOp::Line && p.brush() != op.brush)
            p.setBrush(op.brush);
        switch (op.kind) {
        case PixelOp::Line:
            p.drawLine(op.line);
            break;
        case PixelOp::Rect:
            p.drawRect(op.rect);
            break;
        case PixelOp::Ellipse:
            p.drawEllipse(op.ellipse);
            break;
        case PixelOp::Polygon:
            p.drawPolygon(op.polygon);
            break;
        case PixelOp::Fill:
            break;
        }
    }
}

struct StressScene {
    td::Track track = td::MakeStressTrack();
    td::Selection sel;
    td::ViewState view;
    td::DisplayOptions display;
    td::TrackBounds bounds;

    StressScene() {
        view.AreaWidth = W * Tpp;
        view.AreaHeight = H * Tpp;
        view.DetailLevel = 4;
        sel.CurCorner = 0;
        sel.CurPoly = -1;
        sel.PrimarySpace = td::MakeRef(1, 10);
        if (const td::Space* s = track.Find(2, 0)) {
            sel.WorkPts = s->Pt;
            sel.WorkRotation = s->Rotation;
        }
    }

    // Zoom and offsets that show every space centre and polygon vertex.
    void FitWhole() {
        float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
        auto add = [&](float x, float y) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        };
        for (const td::Lane& l : track.Lanes)
            for (const td::Space& s : l.Spaces)
                add(s.Pt[0].x, s.Pt[0].y);
        for (const td::BackPoly& p : track.BackPolys)
            for (const td::PointI& v : p.Vtxs)
                add(static_cast<float>(v.x), static_cast<float>(v.y));
        const float margin = 200.0f;
        view.Zoom = std::min(view.AreaWidth / (maxX - minX + 2 * margin),
                             view.AreaHeight / (maxY - minY + 2 * margin));
        td::CenterSpace(view, (minX + maxX) / 2, (minY + maxY) / 2);
    }

    // A tenth of the whole view's width and height, about one per cent of
    // its area, centred on a racing space.
    void ZoomIn() {
        FitWhole();
        view.Zoom *= 10.0f;
        const td::Space* s = track.Find(0, 100);
        td::CenterSpace(view, s ? s->Pt[0].x : 0.0f, s ? s->Pt[0].y : 0.0f);
    }

    void Draw(td::Surface& surface) {
        td::Scene scene{surface, track, sel, view, display, bounds, true};
        td::RefreshView(scene);
    }

    double Floor() {
        PixelRecorder rec;
        Draw(rec);
        QImage img(W, H, QImage::Format_RGB32);
        return BestTime([&] { Replay(img, rec.ops); });
    }
};

double TimeRedraws(benchmark::State& state, StressScene& scene, td::QImageSurface& surface) {
    double best = 1e30;
    for (auto _ : state) {
        const double t0 = Now();
        scene.Draw(surface);
        benchmark::DoNotOptimize(surface.Image().constBits());
        best = std::min(best, Now() - t0);
    }
    return best;
}

void BM_RefreshView(benchmark::State& state) {
    StressScene scene;
    scene.FitWhole();
    td::QImageSurface surface(W, H, Tpp, Tpp);
    const double floor = scene.Floor();
    const double best = TimeRedraws(state, scene, surface);
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["floor_ratio"] = best / floor;
}
BENCHMARK(BM_RefreshView)->Unit(benchmark::kMillisecond);

void BM_RefreshViewZoomed(benchmark::State& state) {
    StressScene scene;
    td::QImageSurface surface(W, H, Tpp, Tpp);
    scene.FitWhole();
    const double whole = BestTime([&] {
        scene.Draw(surface);
        benchmark::DoNotOptimize(surface.Image().constBits());
    });
    scene.ZoomIn();
    const double floor = scene.Floor();
    const double best = TimeRedraws(state, scene, surface);
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["floor_ratio"] = best / floor;
    state.counters["whole_ratio"] = best / whole;
}
BENCHMARK(BM_RefreshViewZoomed)->Unit(benchmark::kMillisecond);

// Show Moves: the reach of 40 moves from a racing space in the middle of a
// lane, beside a full redraw of the whole track in the same run; and what the
// marks of that reach add to the redraw.
void BM_Reach40(benchmark::State& state) {
    StressScene scene;
    scene.FitWhole();
    td::QImageSurface surface(W, H, Tpp, Tpp);
    auto redraw = [&] {
        scene.Draw(surface);
        benchmark::DoNotOptimize(surface.Image().constBits());
    };
    const double plain = BestTime(redraw);
    const td::SpaceRef from = td::MakeRef(1, 500);
    const td::MoveReach marks = td::ReachInMoves(scene.track, from, 40);
    scene.display.ShowMoves = true;
    const double marked = BestTime([&] {
        td::Scene s{surface, scene.track, scene.sel, scene.view, scene.display, scene.bounds, true,
                    &marks};
        td::RefreshView(s);
        benchmark::DoNotOptimize(surface.Image().constBits());
    });
    double total = 0.0;
    for (auto _ : state) {
        const double t0 = Now();
        const td::MoveReach r = td::ReachInMoves(scene.track, from, 40);
        benchmark::DoNotOptimize(r.Exactly.data());
        total += Now() - t0;
    }
    const double mean =
        total / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["refresh_ms"] = plain * 1e3;
    state.counters["refresh_ratio"] = mean / plain;
    state.counters["marked_ratio"] = marked / plain;
    state.counters["spaces"] = static_cast<double>(marks.Exactly.size() + marks.Fewer.size());
}
BENCHMARK(BM_Reach40)->Unit(benchmark::kMicrosecond);

} // namespace
