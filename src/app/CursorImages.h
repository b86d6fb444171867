#pragma once
// Pointer images of the drawing area: SVG files under icons/cursors/.

#include <QCursor>
#include <QString>
#include <QStringList>

namespace td {

// The pointer for a mode key ("ZoomView", "TranslateView", "TranslateSpace",
// "RotateSpace", "TranslateTrack", "RotateTrack", "EditCorner") or the vertex
// tool ("EditPolyVertex"); the platform's own pointers for "Arrow",
// "SizeAll", "SizeNS" and "SizeWE". Any other key gives the arrow.
QCursor CursorImage(const QString& key);

// The keys that have a pointer image of their own.
const QStringList& CursorImageKeys();

} // namespace td
