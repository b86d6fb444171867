#pragma once
// A Surface that draws nothing and logs every call with its arguments and
// the surface state in force (fill style, fill colour, line width), so that
// tests can check drawing order, colours, pen modes and culling.

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "render/Surface.h"

namespace td::test {

enum class Op {
    SetFillStyle,
    SetFillColor,
    SetLineWidth,
    SetBackColor,
    Clear,
    Line,
    Box,
    Circle,
    Arc,
    Polygon,
};

inline const char* OpName(Op op) {
    switch (op) {
    case Op::SetFillStyle:
        return "SetFillStyle";
    case Op::SetFillColor:
        return "SetFillColor";
    case Op::SetLineWidth:
        return "SetLineWidth";
    case Op::SetBackColor:
        return "SetBackColor";
    case Op::Clear:
        return "Clear";
    case Op::Line:
        return "Line";
    case Op::Box:
        return "Box";
    case Op::Circle:
        return "Circle";
    case Op::Arc:
        return "Arc";
    case Op::Polygon:
        return "Polygon";
    }
    return "?";
}

struct Call {
    Op op = Op::Clear;
    // Line/Box: x1 y1 x2 y2. Circle: cx cy r. Arc: cx cy r start end aspect.
    // Set* calls: the value in v[0].
    std::vector<float> v;
    Colour colour = 0;
    int penMode = 0;
    int lineStyle = 0;
    // Polygon only.
    std::vector<PointI> pixels;
    Colour fill = 0;
    int fillStyle = 0;
    // Surface state when the call was made.
    int stateFillStyle = 0;
    Colour stateFillColour = 0;
    int stateLineWidth = 1;

    bool IsDrawing() const {
        return op == Op::Line || op == Op::Box || op == Op::Circle || op == Op::Arc ||
               op == Op::Polygon;
    }
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(float width = 15000.0f, float height = 12000.0f, float tppx = 15.0f,
                              float tppy = 15.0f)
        : width_(width), height_(height), tppx_(tppx), tppy_(tppy) {}

    std::vector<Call> calls;
    int fillStyle = FillTransparent;
    Colour fillColour = 0;
    int lineWidth = 1;
    Colour backColour = 0xFFFFFF;

    float Width() const override { return width_; }
    float Height() const override { return height_; }
    float TwipsPerPixelX() const override { return tppx_; }
    float TwipsPerPixelY() const override { return tppy_; }

    void SetFillStyle(int style) override {
        fillStyle = style;
        Push(Op::SetFillStyle, {static_cast<float>(style)});
    }
    void SetFillColor(Colour colour) override {
        fillColour = colour;
        Push(Op::SetFillColor, {}).colour = colour;
    }
    void SetLineWidth(int pixels) override {
        lineWidth = pixels;
        Push(Op::SetLineWidth, {static_cast<float>(pixels)});
    }
    void SetBackColor(Colour colour) override {
        backColour = colour;
        Push(Op::SetBackColor, {}).colour = colour;
    }
    void Clear() override { Push(Op::Clear, {}); }
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                  int lineStyle) override {
        Pen(Push(Op::Line, {x1, y1, x2, y2}), colour, penMode, lineStyle);
    }
    void DrawBox(float x1, float y1, float x2, float y2, Colour colour, int penMode,
                 int lineStyle) override {
        Pen(Push(Op::Box, {x1, y1, x2, y2}), colour, penMode, lineStyle);
    }
    void DrawCircle(float cx, float cy, float radius, Colour colour, int penMode,
                    int lineStyle) override {
        Pen(Push(Op::Circle, {cx, cy, radius}), colour, penMode, lineStyle);
    }
    void DrawArc(float cx, float cy, float radius, Colour colour, float startRad, float endRad,
                 float aspect, int penMode, int lineStyle) override {
        Pen(Push(Op::Arc, {cx, cy, radius, startRad, endRad, aspect}), colour, penMode, lineStyle);
    }
    void FillPolygon(const std::vector<PointI>& pixels, Colour outline, int penMode, int lineStyle,
                     Colour fill, int fillStyle) override {
        Call& c = Push(Op::Polygon, {});
        Pen(c, outline, penMode, lineStyle);
        c.pixels = pixels;
        c.fill = fill;
        c.fillStyle = fillStyle;
    }

    // Helpers for assertions.
    void Reset() { calls.clear(); }
    std::vector<Call> Drawing() const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.IsDrawing())
                out.push_back(c);
        return out;
    }
    std::vector<Call> Of(Op op) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.op == op)
                out.push_back(c);
        return out;
    }
    std::vector<Call> WithColour(Colour colour) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.IsDrawing() && c.colour == colour)
                out.push_back(c);
        return out;
    }
    std::size_t Count(Op op) const {
        return static_cast<std::size_t>(
            std::count_if(calls.begin(), calls.end(), [op](const Call& c) { return c.op == op; }));
    }
    // Index of the first call matching `pred` at or after `from`; -1 if none.
    template <class Pred> int IndexOf(Pred pred, int from = 0) const {
        for (int i = std::max(0, from); i < static_cast<int>(calls.size()); ++i)
            if (pred(calls[static_cast<std::size_t>(i)]))
                return i;
        return -1;
    }
    // A readable one-line summary, for failure messages.
    static std::string Describe(const Call& c) {
        std::string s = OpName(c.op);
        for (float f : c.v)
            s += " " + std::to_string(f);
        if (c.IsDrawing())
            s += " colour=" + std::to_string(c.colour) + " pen=" + std::to_string(c.penMode) +
                 " style=" + std::to_string(c.lineStyle);
        return s;
    }

  private:
    Call& Push(Op op, std::vector<float> v) {
        Call c;
        c.op = op;
        c.v = std::move(v);
        c.stateFillStyle = fillStyle;
        c.stateFillColour = fillColour;
        c.stateLineWidth = lineWidth;
        calls.push_back(std::move(c));
        return calls.back();
    }
    static void Pen(Call& c, Colour colour, int penMode, int lineStyle) {
        c.colour = colour;
        c.penMode = penMode;
        c.lineStyle = lineStyle;
    }

    float width_, height_, tppx_, tppy_;
};

} // namespace td::test
