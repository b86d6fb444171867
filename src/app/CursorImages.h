#pragma once
// Pointer images of the drawing area, painted in code in the toolbar's style.

#include <QCursor>
#include <QString>
#include <QStringList>

namespace td {

// The pointer for a mode key ("ZoomView", "TranslateView", "TranslateSpace",
// "RotateSpace", "TranslateTrack", "RotateTrack", "EditCorner") or the vertex
// tool ("EditPolyVertex"); the platform's own pointers for "Arrow",
// "SizeAll", "SizeNS" and "SizeWE". Any other key gives the arrow.
QCursor CursorImage(const QString& key);

// The keys that have a painted pointer.
const QStringList& CursorImageKeys();

} // namespace td
