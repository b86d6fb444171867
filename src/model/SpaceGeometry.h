#pragma once
// Rotation convention and the outline of a space. A positive angle turns +X
// towards +Y, which is clockwise on the screen because world Y points down.

#include <array>
#include <cstdint>

#include "model/Track.h"

namespace td {

// Angles go through a 32-bit float in radians before sine and cosine, so
// that every caller rotates identically.
float DegreesToRadians(std::int16_t degrees);

double RotateX(float x, float y, std::int16_t angle, float cx, float cy);
double RotateY(float x, float y, std::int16_t angle, float cx, float cy);
void RotatePoint(float& x, float& y, std::int16_t angle, float cx, float cy);

// Recomputes Pt[1..4] from Pt[0], Rotation and Scale.
void ComputeSpaceOutline(Space& space);
void ComputeSpaceOutline(Track& track, int lane, int index);
// Same rule for a free set of five points (the current space's working copy).
void ComputeOutline(std::array<PointF, 5>& pts, std::int16_t rotation, float scale);

double TriangleArea(float xa, float ya, float xb, float yb, float xc, float yc);
// True when p lies strictly inside the quad P1..P4 given clockwise on screen.
bool PointInQuad(float px, float py, float x1, float y1, float x2, float y2, float x3, float y3,
                 float x4, float y4);

// A lane is a closed circuit when it has at least three spaces and the
// front end of its last space lies within ClosingReach (on both axes) of the
// rear end of its first space.
constexpr float ClosingReach = 2.0f * SpaceHalfLength;
bool LaneIsClosed(const Lane& lane);

} // namespace td
