#include "render/qt/QImageSurface.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "render/qt/PixelClip.h"
#include "render/qt/PixelStroke.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979;

QColor ToQColor(Colour c) {
    return QColor(qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
}

QPainter::CompositionMode ModeFor(int penMode) {
    switch (penMode) {
    case PenXor:
        return QPainter::RasterOp_SourceXorDestination;
    case PenInvert:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

bool Flips(int penMode) {
    return penMode == PenXor || penMode == PenInvert;
}

// Cuts the segment to the image grown by two pixels (Liang-Barsky); false
// when nothing of it is left.
bool ClipToFrame(double& x1, double& y1, double& x2, double& y2, int width, int height) {
    const double lo = -2.0, hx = width + 1.0, hy = height + 1.0;
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo, hx - x1, y1 - lo, hy - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

} // namespace

QImageSurface::QImageSurface(int widthPx, int heightPx, float twipsPerPixelX, float twipsPerPixelY)
    : image_(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32),
      tppx_(twipsPerPixelX > 0 ? twipsPerPixelX : 15.0f),
      tppy_(twipsPerPixelY > 0 ? twipsPerPixelY : 15.0f) {
    image_.fill(ToQColor(backColour_));
}

QImageSurface::~QImageSurface() {
    EndPainting();
}

void QImageSurface::Resize(int widthPx, int heightPx) {
    EndPainting();
    run_.Reset();
    image_ = QImage(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32);
    image_.fill(ToQColor(backColour_));
}

const QImage& QImageSurface::Image() const {
    EndPainting();
    return image_;
}

float QImageSurface::Width() const {
    return static_cast<float>(image_.width()) * tppx_;
}
float QImageSurface::Height() const {
    return static_cast<float>(image_.height()) * tppy_;
}

QPainter& QImageSurface::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        state_ = PainterState{};
    }
    return *painter_;
}

void QImageSurface::EndPainting() const {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QImageSurface::ApplyMode(int penMode) {
    QPainter& p = Painter();
    const int mode = static_cast<int>(ModeFor(penMode));
    if (state_.mode != mode) {
        p.setCompositionMode(ModeFor(penMode));
        state_.mode = mode;
    }
}

void QImageSurface::ApplyPen(Colour colour, int lineStyle) {
    QPainter& p = Painter();
    const int style = lineStyle == LineDot ? LineDot : LineSolid;
    if (state_.penColour == colour && state_.penStyle == style && state_.penWidth == lineWidth_)
        return;
    QPen pen(ToQColor(colour), lineWidth_, style == LineDot ? Qt::DotLine : Qt::SolidLine,
             Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    state_.penColour = colour;
    state_.penStyle = style;
    state_.penWidth = lineWidth_;
}

void QImageSurface::ApplyBrush(int fillStyle, Colour colour) {
    QPainter& p = Painter();
    int kind = -1;
    if (fillStyle == FillSolid)
        kind = FillSolid;
    else if (fillStyle == FillCross)
        kind = FillCross;
    if (state_.brushStyle == kind && (kind < 0 || state_.brushColour == colour))
        return;
    if (kind < 0)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(
            QBrush(ToQColor(colour), kind == FillCross ? Qt::CrossPattern : Qt::SolidPattern));
    state_.brushStyle = kind;
    state_.brushColour = colour;
}

void QImageSurface::SetBackColor(Colour colour) {
    backColour_ = colour;
    Clear();
}

void QImageSurface::Clear() {
    run_.Reset();
    ApplyMode(PenCopy);
    Painter().fillRect(image_.rect(), ToQColor(backColour_));
}

void QImageSurface::DrawLine(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                             int lineStyle) {
    double ax = x1 / tppx_, ay = y1 / tppy_, bx = x2 / tppx_, by = y2 / tppy_;
    if (!ClipSegmentToPixels(ax, ay, bx, by, image_.width(), image_.height()))
        return;
    if (Flips(penMode) && lineStyle != LineDot && lineWidth_ == 1) {
        StartStroke(colour, penMode);
        if (!ClipToFrame(ax, ay, bx, by, image_.width(), image_.height()))
            return;
        run_.AddSegment(PixelCoord(ax), PixelCoord(ay), PixelCoord(bx), PixelCoord(by),
                        image_.width(), image_.height(), points_);
        FlipPoints(colour, penMode);
        return;
    }
    run_.Reset();
    ApplyMode(penMode);
    ApplyPen(colour, lineStyle);
    Painter().drawLine(QPoint(PixelCoord(ax), PixelCoord(ay)),
                       QPoint(PixelCoord(bx), PixelCoord(by)));
}

void QImageSurface::DrawBox(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                            int lineStyle) {
    const int ax = PixelCoord(x1 / tppx_), ay = PixelCoord(y1 / tppy_);
    const int bx = PixelCoord(x2 / tppx_), by = PixelCoord(y2 / tppy_);
    run_.Reset();
    QRect r(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by)));
    const QRect area = image_.rect().adjusted(-8, -8, 8, 8);
    if (!r.intersects(area))
        return;
    // Edges far outside are pulled in to just beyond the image: nothing
    // visible changes and the rasteriser never sees huge coordinates.
    r = r.intersected(area);
    ApplyMode(penMode);
    // The fill covers the inside only: were it laid under the outline too, an
    // exclusive-or box would show pen and fill colour combined on two edges.
    if (fillStyle_ == FillSolid || fillStyle_ == FillCross) {
        const int inset = (lineWidth_ + 1) / 2;
        const QRect inside = r.adjusted(inset, inset, -inset, -inset);
        if (inside.isValid()) {
            ApplyBrush(fillStyle_, fillColour_);
            QPainter& p = Painter();
            p.fillRect(inside, p.brush());
        }
    }
    if (lineWidth_ > 1) {
        ApplyPen(colour, lineStyle);
        ApplyBrush(-1, 0);
        // A QRect of width w spans w pixels; the box includes both corners.
        Painter().drawRect(QRect(r.topLeft(), QSize(r.width() - 1, r.height() - 1)));
        return;
    }
    // One-pixel outlines are laid as strips that share no pixel, so that
    // every pixel of the outline changes once in every pen mode, even for a
    // box one pixel wide or high.
    QPainter& p = Painter();
    const QColor c = ToQColor(colour);
    const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    auto strip = [&](int x, int y, int w, int h) {
        if (w <= 0 || h <= 0)
            return;
        if (lineStyle != LineDot) {
            p.fillRect(QRect(x, y, w, h), c);
            return;
        }
        for (int i = 0; i < w; i += 2)
            for (int j = 0; j < h; j += 2)
                p.fillRect(QRect(x + i, y + j, 1, 1), c);
    };
    strip(left, top, r.width(), 1);
    if (bottom > top)
        strip(left, bottom, r.width(), 1);
    strip(left, top + 1, 1, r.height() - 2);
    if (right > left)
        strip(right, top + 1, 1, r.height() - 2);
}

void QImageSurface::DrawCircle(float cx, float cy, float radius, Colour colour, int penMode,
                               int lineStyle) {
    DrawArc(cx, cy, radius, colour, 0.0f, static_cast<float>(2.0 * Pi), 1.0f, penMode, lineStyle);
}

void QImageSurface::DrawArc(float cx, float cy, float radius, Colour colour, float startRad,
                            float endRad, float aspect, int penMode, int lineStyle) {
    if (!(radius > 0.0f) || !(aspect > 0.0f))
        return;
    // The radius is the larger semi-axis: along X for a flat ellipse, along
    // Y for a tall one.
    double rx = radius, ry = radius;
    if (aspect < 1.0f)
        ry = radius * aspect;
    else if (aspect > 1.0f)
        rx = radius / aspect;
    const double pcx = cx / tppx_, pcy = cy / tppy_, prx = rx / tppx_, pry = ry / tppy_;
    const double w = image_.width(), h = image_.height();
    if (!std::isfinite(pcx) || !std::isfinite(pcy) || !std::isfinite(startRad) ||
        !std::isfinite(endRad))
        return;
    if (pcx + prx < -2 || pcx - prx > w + 2 || pcy + pry < -2 || pcy - pry > h + 2)
        return;
    if (prx > 1e6 || pry > 1e6)
        return; // larger than any screen: only its far-away rim could show
    // Counter-clockwise from start to end; equal angles (to within float
    // precision, as for a whole turn) make a full ellipse.
    double span = std::fmod(static_cast<double>(endRad) - startRad, 2.0 * Pi);
    if (span < 0.0)
        span += 2.0 * Pi;
    const int start16 = static_cast<int>(std::lround(startRad * 180.0 / Pi * 16.0));
    int span16 = static_cast<int>(std::lround(span * 180.0 / Pi * 16.0));
    if (span16 <= 0 || span16 >= 360 * 16 - 1)
        span16 = 360 * 16;
    if (Flips(penMode) && lineStyle != LineDot && lineWidth_ == 1) {
        StartStroke(colour, penMode);
        const double from = span16 >= 360 * 16 ? 0.0 : startRad;
        const double turn = span16 >= 360 * 16 ? 2.0 * Pi : span;
        const std::vector<QPoint> v = ArcVertices(pcx, pcy, prx, pry, from, turn);
        for (std::size_t i = 1; i < v.size(); ++i) {
            double ax = v[i - 1].x(), ay = v[i - 1].y(), bx = v[i].x(), by = v[i].y();
            if (ClipToFrame(ax, ay, bx, by, image_.width(), image_.height()))
                run_.AddSegment(PixelCoord(ax), PixelCoord(ay), PixelCoord(bx), PixelCoord(by),
                                image_.width(), image_.height(), points_);
        }
        FlipPoints(colour, penMode);
        return;
    }
    run_.Reset();
    ApplyMode(penMode);
    ApplyPen(colour, lineStyle);
    ApplyBrush(-1, 0);
    const QRectF box(pcx - prx, pcy - pry, 2 * prx, 2 * pry);
    if (span16 >= 360 * 16)
        Painter().drawEllipse(box);
    else
        Painter().drawArc(box, start16, span16);
}

void QImageSurface::FillPolygon(const std::vector<PointI>& pixels, Colour outline, int penMode,
                                int lineStyle, Colour fill, int fillStyle) {
    if (pixels.empty())
        return;
    const int w = image_.width(), h = image_.height();
    int minX = pixels[0].x, maxX = minX, minY = pixels[0].y, maxY = minY;
    for (const PointI& p : pixels) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int margin = lineWidth_ + 2;
    if (maxX < -margin || minX > w + margin || maxY < -margin || minY > h + margin)
        return;
    run_.Reset();
    if (!ClipPolygonToPixels(pixels, w, h, polygon_))
        return;
    ApplyMode(penMode);
    ApplyPen(outline, lineStyle);
    ApplyBrush(fillStyle, fill);
    Painter().drawPolygon(polygon_);
}

void QImageSurface::BeginFigure() {
    if (figureDepth_++ == 0)
        run_.Reset();
}

void QImageSurface::EndFigure() {
    if (figureDepth_ > 0 && --figureDepth_ == 0)
        run_.Reset();
}

void QImageSurface::StartStroke(Colour colour, int penMode) {
    // Outside a figure every stroke stands alone.
    if (figureDepth_ == 0)
        run_.Reset();
    run_.Begin(colour, penMode);
}

void QImageSurface::FlipPoints(Colour colour, int penMode) {
    if (points_.empty())
        return;
    ApplyMode(penMode);
    ApplyPen(colour, LineSolid);
    Painter().drawPoints(points_.data(), static_cast<int>(points_.size()));
    points_.clear();
}

} // namespace td
