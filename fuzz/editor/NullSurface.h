#pragma once
// A drawing area that draws nothing: the renderer still walks the whole
// scene, but no pixels or records cost time.

#include "render/Surface.h"

namespace td::fuzz {

class NullSurface : public Surface {
  public:
    float Width() const override { return 12000.0f; }
    float Height() const override { return 9000.0f; }
    float TwipsPerPixelX() const override { return 15.0f; }
    float TwipsPerPixelY() const override { return 15.0f; }
    void SetFillStyle(int) override {}
    void SetFillColor(Colour) override {}
    void SetLineWidth(int) override {}
    void SetBackColor(Colour) override {}
    void Clear() override {}
    void DrawLine(float, float, float, float, Colour, int, int) override {}
    void DrawBox(float, float, float, float, Colour, int, int) override {}
    void DrawCircle(float, float, float, Colour, int, int) override {}
    void DrawArc(float, float, float, Colour, float, float, float, int, int) override {}
    void FillPolygon(const std::vector<PointI>&, Colour, int, int, Colour, int) override {}
};

} // namespace td::fuzz
