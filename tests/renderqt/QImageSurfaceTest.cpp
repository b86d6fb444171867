#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <QImage>

#include "model/SpaceGeometry.h"
#include "render/Overlays.h"
#include "render/Pipeline.h"
#include "render/Scene.h"
#include "render/qt/PixelClip.h"
#include "render/qt/QImageSurface.h"

namespace td {
namespace {

constexpr float T = 15.0f; // twips per pixel

QRgb Px(const QImageSurface& s, int x, int y) {
    return s.Image().pixel(x, y) | 0xFF000000u;
}

// A picture with something on it, so that exclusive-or is tested against
// more than one background colour.
void PaintBusyBackground(QImageSurface& s) {
    s.SetBackColor(0x1B7913);
    s.SetFillStyle(FillSolid);
    s.SetFillColor(0xC0C0C0);
    s.DrawBox(20 * T, 20 * T, 120 * T, 80 * T, 0x000000, PenCopy, LineSolid);
    s.FillPolygon({{60, 10}, {150, 90}, {10, 95}}, 0x0000FF, PenCopy, LineSolid, 0xAE0000,
                  FillCross);
    s.SetFillStyle(FillTransparent);
}

int CountDiff(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

TEST(QImageSurface, SizesAreInTwips) {
    QImageSurface s(160, 100);
    EXPECT_FLOAT_EQ(s.Width(), 2400.0f);
    EXPECT_FLOAT_EQ(s.Height(), 1500.0f);
    EXPECT_EQ(s.Image().format(), QImage::Format_RGB32);
    s.Resize(20, 30);
    EXPECT_EQ(s.Image().size(), QSize(20, 30));
    QImageSurface fine(10, 10, 12.0f, 10.0f);
    EXPECT_FLOAT_EQ(fine.Width(), 120.0f);
    EXPECT_FLOAT_EQ(fine.TwipsPerPixelY(), 10.0f);
}

TEST(QImageSurface, ColoursAreRedInTheLowByte) {
    QImageSurface s(40, 40);
    s.SetBackColor(0xFFFFFF);
    s.DrawLine(2 * T, 5 * T, 30 * T, 5 * T, 0x0000FF, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 10, 5), qRgb(255, 0, 0));
    s.FillPolygon({{5, 10}, {30, 10}, {30, 30}, {5, 30}}, 0xFF0000, PenCopy, LineSolid, 0x00FF00,
                  FillSolid);
    EXPECT_EQ(Px(s, 15, 20), qRgb(0, 255, 0));
    EXPECT_EQ(Px(s, 5, 20), qRgb(0, 0, 255));
    EXPECT_EQ(Px(s, 2, 35), qRgb(255, 255, 255));
}

TEST(QImageSurface, ClearAndBackColourRepaintEverything) {
    QImageSurface s(30, 20);
    s.SetBackColor(0x123456);
    EXPECT_EQ(Px(s, 29, 19), qRgb(0x56, 0x34, 0x12));
    s.DrawLine(0, 0, 29 * T, 19 * T, 0xFFFFFF, PenCopy, LineSolid);
    s.Clear();
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(Px(s, x, x * 19 / 29), qRgb(0x56, 0x34, 0x12));
}

TEST(QImageSurface, ExclusiveOrTwiceRestoresEveryPixel) {
    QImageSurface s(160, 100);
    PaintBusyBackground(s);
    const QImage before = s.Image().copy();
    auto drawAll = [&s] {
        s.DrawLine(-5 * T, 3 * T, 150 * T, 97 * T, 0xFC82FF, PenXor, LineSolid);
        s.DrawLine(5 * T, 50 * T, 155 * T, 50 * T, 0xFFFFFF, PenXor, LineDot);
        s.SetLineWidth(3);
        s.DrawLine(5 * T, 60 * T, 140 * T, 20 * T, 0x00FFFF, PenXor, LineSolid);
        s.SetLineWidth(1);
        s.DrawBox(30 * T, 30 * T, 90 * T, 70 * T, 0xFFFFFF, PenXor, LineSolid);
        s.SetFillStyle(FillSolid);
        s.SetFillColor(0xFF0000);
        s.DrawBox(100 * T, 10 * T, 140 * T, 40 * T, 0xFFFFFF, PenXor, LineSolid);
        s.SetFillStyle(FillTransparent);
        s.DrawCircle(80 * T, 50 * T, 37.5f * T, 0xFFFF00, PenXor, LineSolid);
        s.DrawArc(60 * T, 40 * T, 20 * T, 0x00FFFF, 4.73f, 1.588f, 0.5f, PenXor, LineSolid);
        s.FillPolygon({{10, 10}, {70, 20}, {40, 90}}, 0xFFFFFF, PenXor, LineSolid, 0x4B4B4B,
                      FillSolid);
    };
    drawAll();
    EXPECT_GT(CountDiff(before, s.Image()), 500);
    drawAll();
    EXPECT_EQ(CountDiff(before, s.Image()), 0);
}

TEST(QImageSurface, InvertFlipsPixelsRegardlessOfColourAndUndoesItself) {
    QImageSurface s(40, 40);
    s.SetBackColor(0xFFFFFF);
    s.DrawBox(10 * T, 10 * T, 20 * T, 20 * T, 0x0000FF, PenInvert, LineSolid);
    EXPECT_EQ(Px(s, 10, 15), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 20, 20), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 15, 15), qRgb(255, 255, 255)); // outline only
    s.DrawBox(10 * T, 10 * T, 20 * T, 20 * T, 0x000000, PenInvert, LineSolid);
    EXPECT_EQ(Px(s, 10, 15), qRgb(255, 255, 255));
    EXPECT_EQ(Px(s, 20, 20), qRgb(255, 255, 255));
}

TEST(QImageSurface, FilledExclusiveOrBoxShowsThePenColourOnEveryEdge) {
    QImageSurface s(40, 40);
    s.SetBackColor(0x000000);
    s.SetFillStyle(FillSolid);
    s.SetFillColor(0xFF0000);
    s.DrawBox(10 * T, 10 * T, 20 * T, 20 * T, 0xFFFFFF, PenXor, LineSolid);
    for (int i = 10; i <= 20; ++i) {
        EXPECT_EQ(Px(s, 10, i), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(Px(s, i, 10), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(Px(s, 20, i), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(Px(s, i, 20), qRgb(255, 255, 255)) << i;
    }
    EXPECT_EQ(Px(s, 11, 11), qRgb(0, 0, 255));
    EXPECT_EQ(Px(s, 19, 19), qRgb(0, 0, 255));
    EXPECT_EQ(Px(s, 21, 15), qRgb(0, 0, 0));
    // A box too small for an inside is all outline.
    s.Clear();
    s.DrawBox(5 * T, 30 * T, 6 * T, 31 * T, 0xFFFFFF, PenXor, LineSolid);
    EXPECT_EQ(Px(s, 5, 30), qRgb(255, 255, 255));
    EXPECT_EQ(Px(s, 6, 31), qRgb(255, 255, 255));
}

TEST(QImageSurface, CirclesAndArcsAreOutlinesInTwips) {
    QImageSurface s(100, 100);
    s.SetBackColor(0xFFFFFF);
    s.SetFillStyle(FillSolid); // circles never take the box fill
    s.DrawCircle(50 * T, 50 * T, 20 * T, 0x000000, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 70, 50), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 30, 50), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 50, 30), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 50, 50), qRgb(255, 255, 255));
    s.Clear();
    // A right half-ellipse, flat (half as tall as wide), from 271 to 91 degrees.
    s.DrawArc(50 * T, 50 * T, 20 * T, 0x000000, 4.7298f, 1.5882f, 0.5f, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 70, 50), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 30, 50), qRgb(255, 255, 255));
    EXPECT_EQ(Px(s, 50, 40), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 50, 30), qRgb(255, 255, 255));
}

TEST(QImageSurface, DottedLinesLeaveGaps) {
    QImageSurface s(60, 10);
    s.SetBackColor(0xFFFFFF);
    s.DrawLine(0, 5 * T, 59 * T, 5 * T, 0x000000, PenCopy, LineDot);
    int set = 0;
    for (int x = 0; x < 60; ++x)
        set += Px(s, x, 5) == qRgb(0, 0, 0);
    EXPECT_GT(set, 10);
    EXPECT_LT(set, 50);
}

TEST(QImageSurface, CrossHatchShowsWhatLiesBeneath) {
    QImageSurface s(60, 60);
    s.SetBackColor(0xFFFFFF);
    s.FillPolygon({{0, 0}, {59, 0}, {59, 59}, {0, 59}}, 0x000000, PenCopy, LineSolid, 0xFF0000,
                  FillCross);
    int blue = 0, white = 0;
    for (int y = 5; y < 55; ++y)
        for (int x = 5; x < 55; ++x) {
            blue += Px(s, x, y) == qRgb(0, 0, 255);
            white += Px(s, x, y) == qRgb(255, 255, 255);
        }
    EXPECT_GT(blue, 100);
    EXPECT_GT(white, 1000);
}

TEST(QImageSurface, HugeCoordinatesDrawTheVisiblePartOnly) {
    QImageSurface s(100, 100);
    s.SetBackColor(0xFFFFFF);
    // A horizontal line from far left to the middle of row 50.
    s.DrawLine(-1e12f, 50 * T, 50 * T, 50 * T, 0x000000, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 0, 50), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 49, 50), qRgb(0, 0, 0));
    EXPECT_EQ(Px(s, 70, 50), qRgb(255, 255, 255));
    // A polygon reaching far out still fills the visible part.
    s.FillPolygon({{-2000000000, 60}, {80, 60}, {80, 90}, {-2000000000, 90}}, 0x000000, PenCopy,
                  LineSolid, 0x0000FF, FillSolid);
    EXPECT_EQ(Px(s, 40, 75), qRgb(255, 0, 0));
    EXPECT_EQ(Px(s, 90, 75), qRgb(255, 255, 255));
    s.DrawBox(-1e12f, -1e12f, 1e12f, 30 * T, 0x000000, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 50, 30), qRgb(0, 0, 0));
    s.DrawCircle(0, 0, 1e20f, 0x000000, PenCopy, LineSolid);
    s.DrawLine(std::nanf(""), 0, 10, 10, 0, PenCopy, LineSolid);
}

TEST(QImageSurface, DrawingGoesOnAfterTheImageIsRead) {
    QImageSurface s(20, 20);
    s.SetBackColor(0xFFFFFF);
    const QImage first = s.Image();
    s.DrawLine(0, 10 * T, 19 * T, 10 * T, 0x000000, PenCopy, LineSolid);
    EXPECT_EQ(Px(s, 5, 10), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(5, 10) | 0xFF000000u, qRgb(255, 255, 255)); // a copy is not changed
}

TEST(QImageSurface, HighlightDrawnTwiceOverARedrawnTrackRestoresThePicture) {
    Track track;
    track.Lanes.push_back(Lane{"Left", {}});
    for (int i = 0; i < 4; ++i) {
        Space sp;
        sp.Pt[0] = {static_cast<float>(i) * 200.0f, 0.0f};
        sp.Rotation = static_cast<std::int16_t>(i * 10);
        sp.Symbol = static_cast<std::int16_t>(i == 1 ? 27 : 0);
        ComputeSpaceOutline(sp);
        track.Lanes[0].Spaces.push_back(sp);
    }
    Selection sel;
    sel.WorkPts[0] = {200.0f, 0.0f};
    sel.WorkRotation = 10;
    ViewState view;
    view.Zoom = 1.5f;
    view.AreaWidth = 300 * T;
    view.AreaHeight = 200 * T;
    view.OffsetX = 1500;
    view.OffsetY = 1500;
    DisplayOptions display;
    TrackBounds bounds;
    QImageSurface s(300, 200);
    Scene scene{s, track, sel, view, display, bounds, true};
    RefreshView(scene);
    const QImage before = s.Image().copy();
    DrawCurrentSpaceHighlight(scene);
    EXPECT_GT(CountDiff(before, s.Image()), 50);
    DrawCurrentSpaceHighlight(scene);
    EXPECT_EQ(CountDiff(before, s.Image()), 0);
}

TEST(QImageSurface, AbsurdValuesFromADamagedFileDrawWithoutHarm) {
    Track track;
    track.Lanes.push_back(Lane{"Left", {}});
    const float bad[][3] = {{std::nanf(""), 0, 1}, {1e30f, -1e30f, 1}, {0, 0, 1e30f}, {50, 50, -3}};
    for (const auto& b : bad) {
        Space sp;
        sp.Pt[0] = {b[0], b[1]};
        sp.Scale = b[2];
        sp.Rotation = 32767;
        sp.Symbol = 45;
        ComputeSpaceOutline(sp);
        track.Lanes[0].Spaces.push_back(sp);
    }
    BackPoly poly;
    poly.Vtxs = {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}, {5, 5}};
    track.BackPolys.push_back(poly);
    Selection sel;
    sel.WorkScale = 1e30f;
    ViewState view;
    view.Zoom = 1e6f;
    view.AreaWidth = 100 * T;
    view.AreaHeight = 100 * T;
    DisplayOptions display;
    TrackBounds bounds;
    QImageSurface s(100, 100);
    Scene scene{s, track, sel, view, display, bounds, true};
    RefreshView(scene);
    QuickRedraw(scene);
    display.Filled = false;
    RefreshView(scene);
    EXPECT_EQ(s.Image().size(), QSize(100, 100));
}

TEST(QImageSurface, JoinedExclusiveOrLinesKeepEveryJoint) {
    QImageSurface s(120, 80);
    s.SetBackColor(0x000000);
    const int open[][2] = {{5, 5}, {40, 30}, {41, 70}, {80, 12}, {110, 12}, {111, 60}};
    const int closed[][2] = {{20, 50}, {60, 45}, {55, 75}, {20, 50}};
    auto draw = [&] {
        Figure polyline(s);
        for (size_t i = 1; i < std::size(open); ++i)
            s.DrawLine(open[i - 1][0] * T, open[i - 1][1] * T, open[i][0] * T, open[i][1] * T,
                       0xFFFFFF, PenXor, LineSolid);
        Figure triangle(s);
        for (size_t i = 1; i < std::size(closed); ++i)
            s.DrawLine(closed[i - 1][0] * T, closed[i - 1][1] * T, closed[i][0] * T,
                       closed[i][1] * T, 0xFFFFFF, PenXor, LineSolid);
    };
    draw();
    const QRgb white = qRgb(255, 255, 255);
    for (const auto& p : open)
        EXPECT_EQ(Px(s, p[0], p[1]), white) << p[0] << "," << p[1];
    for (const auto& p : closed)
        EXPECT_EQ(Px(s, p[0], p[1]), white) << p[0] << "," << p[1];
    for (int x = 80; x <= 110; ++x)
        EXPECT_EQ(Px(s, x, 12), white) << x;
    draw();
    const QImage black = [] {
        QImage i(120, 80, QImage::Format_RGB32);
        i.fill(Qt::black);
        return i;
    }();
    EXPECT_EQ(CountDiff(black, s.Image()), 0);
}

TEST(QImageSurface, BoxesOfOnePixelColumnOrOnePixelDrawItOnce) {
    for (int mode : {PenCopy, PenXor, PenInvert}) {
        QImageSurface s(40, 40);
        s.SetBackColor(0x000000);
        s.SetFillStyle(FillSolid);
        s.SetFillColor(0x0000FF);
        // Corners 0.2 and 0.4 pixels apart land on one column, one row, one pixel.
        s.DrawBox(10.2f * T, 5 * T, 10.4f * T, 15 * T, 0xFFFFFF, mode, LineSolid);
        s.DrawBox(15 * T, 30.1f * T, 35 * T, 29.9f * T, 0xFFFFFF, mode, LineSolid);
        s.DrawBox(20 * T, 20 * T, 20.3f * T, 20.2f * T, 0xFFFFFF, mode, LineSolid);
        const QRgb on = qRgb(255, 255, 255);
        for (int y = 5; y <= 15; ++y)
            EXPECT_EQ(Px(s, 10, y), on) << mode << " row " << y;
        for (int x = 15; x <= 35; ++x)
            EXPECT_EQ(Px(s, x, 30), on) << mode << " column " << x;
        EXPECT_EQ(Px(s, 20, 20), on) << mode;
        EXPECT_EQ(Px(s, 11, 10), qRgb(0, 0, 0)) << mode;
        EXPECT_EQ(Px(s, 20, 21), qRgb(0, 0, 0)) << mode;
    }
}

// The link letters and the corner marks, drawn in exclusive-or on black at
// several zooms: their corner pixels show, every stroke is whole, and a
// second drawing leaves black again.
TEST(QImageSurface, ExclusiveOrLettersAndMarksKeepEveryPixelOnce) {
    const QRgb yellow = qRgb(255, 255, 0);
    for (float zoom : {0.2f, 0.5f, 1.0f, 3.0f, 6.0f}) {
        Track track;
        Space sp;
        sp.Pt[0] = {0.0f, 0.0f};
        ComputeSpaceOutline(sp);
        Selection sel;
        ViewState view;
        view.Zoom = zoom;
        view.AreaWidth = 200 * T;
        view.AreaHeight = 200 * T;
        view.OffsetX = 1500;
        view.OffsetY = 1500;
        DisplayOptions display;
        TrackBounds bounds;
        QImageSurface s(200, 200);
        s.SetBackColor(0x000000);
        Scene scene{s, track, sel, view, display, bounds, true};
        auto px = [&](float wx, float wy) {
            return QPoint(PixelCoord((wx * zoom + 1500) / T), PixelCoord((wy * zoom + 1500) / T));
        };
        auto lit = [&](QPoint p) { return Px(s, p.x(), p.y()) == yellow; };
        const float w = SpaceHalfWidth, dx = 0.25f * SpaceHalfLength;

        DrawNextMark(scene, sp); // letter N around (-50, 0)
        for (QPoint p : {px(-50 - dx, -0.625f * w), px(-50 - dx, 0.625f * w),
                         px(-50 + dx, -0.625f * w), px(-50 + dx, 0.625f * w)})
            EXPECT_TRUE(lit(p)) << "N at zoom " << zoom;
        DrawNextMark(scene, sp);

        DrawAdjacentMark(scene, sp); // letter A around (50, 0)
        for (QPoint p : {px(50, -0.625f * w), px(50 - dx, 0.625f * w), px(50 + dx, 0.625f * w)})
            EXPECT_TRUE(lit(p)) << "A at zoom " << zoom;
        DrawAdjacentMark(scene, sp);

        DrawPrimaryMark(scene, sp); // letter P: the stem is whole
        const QPoint top = px(50, -0.625f * w), bottom = px(50, 0.625f * w);
        for (int y = top.y(); y <= bottom.y(); ++y)
            EXPECT_TRUE(lit(QPoint(top.x(), y))) << "P row " << y << " at zoom " << zoom;
        DrawPrimaryMark(scene, sp);

        DrawSpaceCOR(scene, 0, 0);
        DrawTrackVector(scene, 0, 0);
        DrawCornerStops(scene, sp);
        const QImage shown = s.Image().copy();
        DrawSpaceCOR(scene, 0, 0);
        DrawTrackVector(scene, 0, 0);
        DrawCornerStops(scene, sp);

        QImage black(200, 200, QImage::Format_RGB32);
        black.fill(Qt::black);
        EXPECT_EQ(CountDiff(black, s.Image()), 0) << "zoom " << zoom;
        // The chevron's tip and the pole of the small flag are there.
        EXPECT_NE(shown.pixel(px(150, 0)) & 0xFFFFFF, 0u) << "zoom " << zoom;
        EXPECT_NE(shown.pixel(px(-0.55f * w, 0)) & 0xFFFFFF, 0u) << "zoom " << zoom;
    }
}

} // namespace
} // namespace td
