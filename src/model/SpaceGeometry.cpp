#include "model/SpaceGeometry.h"

#include <cmath>

namespace td {

float DegreesToRadians(std::int16_t degrees) {
    return static_cast<float>(degrees * (3.14159265358979 / 180.0));
}

double RotateX(float x, float y, std::int16_t angle, float cx, float cy) {
    const double a = DegreesToRadians(angle);
    return cx + (static_cast<double>(x) - cx) * std::cos(a) - (static_cast<double>(y) - cy) * std::sin(a);
}

double RotateY(float x, float y, std::int16_t angle, float cx, float cy) {
    const double a = DegreesToRadians(angle);
    return cy + (static_cast<double>(x) - cx) * std::sin(a) + (static_cast<double>(y) - cy) * std::cos(a);
}

void RotatePoint(float& x, float& y, std::int16_t angle, float cx, float cy) {
    const float nx = static_cast<float>(RotateX(x, y, angle, cx, cy));
    const float ny = static_cast<float>(RotateY(x, y, angle, cx, cy));
    x = nx;
    y = ny;
}

void ComputeOutline(std::array<PointF, 5>& pts, std::int16_t rotation, float scale) {
    const float cx = pts[0].x;
    const float cy = pts[0].y;
    const float h = scale * SpaceHalfLength;
    const float w = SpaceHalfWidth;
    const PointF corners[4] = {{cx - h, cy - w}, {cx + h, cy - w}, {cx + h, cy + w}, {cx - h, cy + w}};
    for (int i = 0; i < 4; ++i) {
        pts[static_cast<size_t>(i) + 1].x = static_cast<float>(RotateX(corners[i].x, corners[i].y, rotation, cx, cy));
        pts[static_cast<size_t>(i) + 1].y = static_cast<float>(RotateY(corners[i].x, corners[i].y, rotation, cx, cy));
    }
}

void ComputeSpaceOutline(Space& space) {
    ComputeOutline(space.Pt, space.Rotation, space.Scale);
}

void ComputeSpaceOutline(Track& track, int lane, int index) {
    if (Space* s = track.Find(lane, index))
        ComputeSpaceOutline(*s);
}

double TriangleArea(float xa, float ya, float xb, float yb, float xc, float yc) {
    return 0.5 * ((static_cast<double>(xb) - xa) * (static_cast<double>(yc) - ya) -
                  (static_cast<double>(xc) - xa) * (static_cast<double>(yb) - ya));
}

bool PointInQuad(float px, float py, float x1, float y1, float x2, float y2, float x3, float y3,
                 float x4, float y4) {
    return TriangleArea(x1, y1, x2, y2, px, py) > 0 && TriangleArea(x2, y2, x3, y3, px, py) > 0 &&
           TriangleArea(x3, y3, x4, y4, px, py) > 0 && TriangleArea(x4, y4, x1, y1, px, py) > 0;
}

bool LaneIsClosed(const Lane& lane) {
    const auto& sp = lane.Spaces;
    if (sp.size() < 3)
        return false;
    const Space& first = sp.front();
    const Space& last = sp.back();
    auto near = [](PointF a, PointF b) {
        return std::fabs(a.x - b.x) <= ClosingReach && std::fabs(a.y - b.y) <= ClosingReach;
    };
    return near(last.Pt[2], first.Pt[1]) && near(last.Pt[3], first.Pt[4]);
}

} // namespace td
