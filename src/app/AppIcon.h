#pragma once
// The application's own icon: a stylised track board. The same SVG file
// (icons/org.tarvel.TrackDesigner.svg) is installed for the desktop.

#include <QIcon>

namespace td {

// The icon at every size.
QIcon AppIcon();

} // namespace td
