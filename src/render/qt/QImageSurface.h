#pragma once
// The drawing surface over a retained QImage: every operation paints into
// the image at once, so exclusive-or feedback erases itself when drawn
// again. Coordinates arrive in twips (pixels for FillPolygon); antialiasing
// stays off so that raster operations act on exact pixels.

#include <memory>

#include <QImage>
#include <QPolygon>

#include "render/Surface.h"
#include "render/qt/PixelStroke.h"

class QPainter;

namespace td {

class QImageSurface : public Surface {
  public:
    QImageSurface(int widthPx, int heightPx, float twipsPerPixelX = 15, float twipsPerPixelY = 15);
    ~QImageSurface() override;
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    // New size; the picture is not kept (the caller redraws).
    void Resize(int widthPx, int heightPx);
    // The picture so far. Ends the painting session, which the next drawing
    // call reopens, so the image is never shared with an active painter.
    const QImage& Image() const;

    float Width() const override;
    float Height() const override;
    float TwipsPerPixelX() const override { return tppx_; }
    float TwipsPerPixelY() const override { return tppy_; }

    void SetFillStyle(int style) override { fillStyle_ = style; }
    void SetFillColor(Colour colour) override { fillColour_ = colour; }
    void SetLineWidth(int pixels) override { lineWidth_ = pixels < 1 ? 1 : pixels; }
    void SetBackColor(Colour colour) override;

    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                  int lineStyle) override;
    void DrawBox(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                 int lineStyle) override;
    void DrawCircle(float cx, float cy, float radius, Colour colour, int penMode,
                    int lineStyle) override;
    void DrawArc(float cx, float cy, float radius, Colour colour, float startRad, float endRad,
                 float aspect, int penMode, int lineStyle) override;
    void FillPolygon(const std::vector<PointI>& pixels, Colour outline, int penMode, int lineStyle,
                     Colour fill, int fillStyle) override;
    void BeginFigure() override;
    void EndFigure() override;

  private:
    QPainter& Painter();
    void EndPainting() const;
    void ApplyMode(int penMode);
    void ApplyPen(Colour colour, int lineStyle);
    // Brush kinds: fill style, or -1 for none.
    void ApplyBrush(int fillStyle, Colour colour);
    // Starts a one-pixel exclusive-or or invert stroke.
    void StartStroke(Colour colour, int penMode);
    // Changes the gathered pixels once each, in the pen mode.
    void FlipPoints(Colour colour, int penMode);

    mutable QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    float tppx_;
    float tppy_;
    int fillStyle_ = FillTransparent;
    Colour fillColour_ = 0;
    int lineWidth_ = 1;
    Colour backColour_ = 0xFFFFFF;

    // What the painter is set to, so that unchanged state is not set again.
    struct PainterState {
        int mode = -1;
        Colour penColour = 0;
        int penStyle = -1;
        int penWidth = -1;
        int brushStyle = -2;
        Colour brushColour = 0;
    } state_;
    QPolygon polygon_;
    // One-pixel exclusive-or and invert strokes drawn one after another.
    PixelRun run_;
    int figureDepth_ = 0;
    std::vector<QPoint> points_;
};

} // namespace td
