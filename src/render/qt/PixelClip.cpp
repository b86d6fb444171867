#include "render/qt/PixelClip.h"

#include <cmath>

namespace td {

namespace {

// Beyond this distance from the image the engine's fixed-point arithmetic
// could overflow; inside it Qt clips exactly by itself.
constexpr double FarOut = 1 << 15;
constexpr double Frame = 64;

bool Far(double v, int extent) {
    return v < -FarOut || v > extent + FarOut;
}

struct Pt {
    double x, y;
};

// One Sutherland-Hodgman pass against the half-plane `inside`.
template <class Inside, class Cut>
void ClipPass(const std::vector<Pt>& in, std::vector<Pt>& out, Inside inside, Cut cut) {
    out.clear();
    if (in.empty())
        return;
    Pt prev = in.back();
    bool prevIn = inside(prev);
    for (const Pt& cur : in) {
        const bool curIn = inside(cur);
        if (curIn != prevIn)
            out.push_back(cut(prev, cur));
        if (curIn)
            out.push_back(cur);
        prev = cur;
        prevIn = curIn;
    }
}

} // namespace

int PixelCoord(double v) {
    if (std::isnan(v))
        return 0;
    const double limit = 1 << 24;
    if (v < -limit)
        return -(1 << 24);
    if (v > limit)
        return 1 << 24;
    return static_cast<int>(std::nearbyint(v));
}

bool ClipSegmentToPixels(double& x1, double& y1, double& x2, double& y2, int width, int height) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
        return false;
    const double lo = -Frame, hx = width + Frame, hy = height + Frame;
    // Both ends beyond the same edge: nothing shows.
    if ((x1 < lo && x2 < lo) || (x1 > hx && x2 > hx) || (y1 < lo && y2 < lo) ||
        (y1 > hy && y2 > hy))
        return false;
    if (!Far(x1, width) && !Far(y1, height) && !Far(x2, width) && !Far(y2, height))
        return true;
    // Liang-Barsky against the frame.
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
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

bool ClipPolygonToPixels(const std::vector<PointI>& in, int width, int height, QPolygon& out) {
    bool far = false;
    for (const PointI& p : in)
        far = far || Far(p.x, width) || Far(p.y, height);
    out.resize(0);
    if (!far) {
        out.reserve(static_cast<int>(in.size()));
        for (const PointI& p : in)
            out.append(QPoint(p.x, p.y));
        return true;
    }
    const double lo = -Frame, hx = width + Frame, hy = height + Frame;
    std::vector<Pt> a, b;
    a.reserve(in.size() + 4);
    for (const PointI& p : in)
        a.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    auto cutX = [](double x) {
        return [x](Pt p, Pt q) { return Pt{x, p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x)}; };
    };
    auto cutY = [](double y) {
        return [y](Pt p, Pt q) { return Pt{p.x + (q.x - p.x) * (y - p.y) / (q.y - p.y), y}; };
    };
    ClipPass(
        a, b, [lo](Pt p) { return p.x >= lo; }, cutX(lo));
    ClipPass(
        b, a, [hx](Pt p) { return p.x <= hx; }, cutX(hx));
    ClipPass(
        a, b, [lo](Pt p) { return p.y >= lo; }, cutY(lo));
    ClipPass(
        b, a, [hy](Pt p) { return p.y <= hy; }, cutY(hy));
    if (a.empty())
        return false;
    for (const Pt& p : a)
        out.append(QPoint(PixelCoord(p.x), PixelCoord(p.y)));
    return true;
}

} // namespace td
