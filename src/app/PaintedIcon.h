#pragma once
// Icons drawn by code at whatever size they are asked for.

#include <QIcon>
#include <functional>

class QPainter;

namespace td {

// An icon that paints itself at every requested size: `paint` draws into the
// box (0,0)-(designSize,designSize) and the icon scales that to the target.
// The disabled state is a faded grey rendering of the same picture.
QIcon PaintedIcon(std::function<void(QPainter&)> paint, qreal designSize);

} // namespace td
