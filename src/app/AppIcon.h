#pragma once
// The application's own icon: a stylised track board, painted in code. The
// installed SVG (packaging/org.tarvel.TrackDesigner.svg) draws the same design.

#include <QIcon>

class QPainter;

namespace td {

// The icon at every size.
QIcon AppIcon();

// Paints the icon's design into the box (0,0)-(256,256) of the painter's
// current coordinates.
void PaintAppIcon(QPainter& painter);

} // namespace td
