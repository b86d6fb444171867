#pragma once
// Conversions between the editor's single-byte texts and Qt strings.

#include <QString>

#include <string>

namespace td {

// Texts from the track and the editor are single-byte Latin-1. A text that is
// valid UTF-8 with non-ASCII bytes came from a file path (which the system
// encodes in UTF-8) and is shown as such.
QString FromHostText(const std::string& text);
std::string ToHostText(const QString& text);

// Paths cross to the core in the file system's own encoding so that the
// core opens exactly the file the author chose.
QString FromHostPath(const std::string& path);
std::string ToHostPath(const QString& path);

} // namespace td
