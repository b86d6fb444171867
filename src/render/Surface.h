#pragma once
// The drawing area as the renderer sees it: raw operations in screen twips
// (pixels only for FillPolygon). Culling and the world transform live in the
// renderer; a Surface draws what it is told.

#include <cstdint>
#include <vector>

#include "model/Track.h"

namespace td {

enum PenMode : int { PenCopy = 13, PenXor = 7, PenInvert = 6 };
enum LineStyle : int { LineSolid = 0, LineDot = 2 };
enum FillStyle : int { FillSolid = 0, FillTransparent = 1, FillCross = 6 };

class Surface {
  public:
    virtual ~Surface() = default;

    // Extent of the drawing area in twips and the size of one pixel in twips.
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;

    // Pen, fill and width state; each drawing call sets pen mode and line style
    // itself and leaves them set.
    virtual void SetFillStyle(int style) = 0;
    virtual void SetFillColor(Colour colour) = 0;
    virtual void SetLineWidth(int pixels) = 0;
    // Sets the background colour and repaints the whole area with it.
    virtual void SetBackColor(Colour colour) = 0;

    virtual void Clear() = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                          int lineStyle) = 0;
    // Rectangle with corners (x1,y1) and (x2,y2), outlined in `colour` and
    // filled according to the current fill style and colour.
    virtual void DrawBox(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                         int lineStyle) = 0;
    virtual void DrawCircle(float cx, float cy, float radius, Colour colour, int penMode,
                            int lineStyle) = 0;
    // Elliptical arc, angles in radians counter-clockwise as seen on screen;
    // aspect = height / width.
    virtual void DrawArc(float cx, float cy, float radius, Colour colour, float startRad,
                         float endRad, float aspect, int penMode, int lineStyle) = 0;
    // Closed polygon in pixel coordinates.
    virtual void FillPolygon(const std::vector<PointI>& pixels, Colour outline, int penMode,
                             int lineStyle, Colour fill, int fillStyle) = 0;

    // The lines and arcs drawn between BeginFigure and EndFigure form one
    // figure (a letter, a marker, a polyline): where its strokes meet or
    // cross, a pixel changes once, so that an exclusive-or figure shows whole
    // and drawing it again erases it.
    virtual void BeginFigure() {}
    virtual void EndFigure() {}
};

// Marks the strokes drawn during its lifetime as one figure.
class Figure {
  public:
    explicit Figure(Surface& surface) : surface_(surface) { surface_.BeginFigure(); }
    ~Figure() { surface_.EndFigure(); }
    Figure(const Figure&) = delete;
    Figure& operator=(const Figure&) = delete;

  private:
    Surface& surface_;
};

} // namespace td
