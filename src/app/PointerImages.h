#pragma once
// Pointer images of the drawing area: one per editing mode key and the
// polygon vertex tool, plus the standard pointers "Arrow", "SizeAll",
// "SizeNS" and "SizeWE".

#include <QCursor>
#include <QString>

namespace td {

// The pointer for a key; the arrow for a key it does not know.
QCursor PointerFor(const QString& key);

} // namespace td
