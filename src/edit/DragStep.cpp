#include "edit/DragStep.h"

#include <cmath>

namespace td {

namespace {

int Direction(float pointer, float anchor) {
    if (pointer < anchor)
        return 1;
    if (pointer > anchor)
        return -1;
    return 0;
}

} // namespace

DragStep QuantiseDrag(PointF anchor, float x, float y, float gridDistance, float zoom) {
    DragStep step;
    step.dirX = Direction(x, anchor.x);
    step.dirY = Direction(y, anchor.y);
    step.stepX = step.dirX != 0 && std::fabs(x - anchor.x) >= gridDistance;
    step.stepY = step.dirY != 0 && std::fabs(y - anchor.y) >= gridDistance;
    if (zoom != 0.0f) {
        if (step.stepX)
            step.dx = (x - anchor.x) / zoom;
        if (step.stepY)
            step.dy = (y - anchor.y) / zoom;
    }
    return step;
}

void AdvanceDragAnchor(PointF& anchor, float x, float y, float gridDistance) {
    if (std::fabs(x - anchor.x) >= gridDistance)
        anchor.x = x;
    if (std::fabs(y - anchor.y) >= gridDistance)
        anchor.y = y;
}

} // namespace td
