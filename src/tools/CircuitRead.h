#pragma once
// Reads the centre line of a real circuit from a map file: GeoJSON (the first
// LineString, MultiLineString or Polygon ring of a Feature or
// FeatureCollection), GPX (track points, else route points) or KML (the
// first LineString's coordinates). The format is told by the content, not
// by the file name.

#include <string>
#include <vector>

namespace td {

struct GeoPoint {
    double lon = 0;
    double lat = 0;
};

struct CircuitLine {
    std::vector<GeoPoint> points; // WGS84, in the order of the file
    std::string name;             // the file's own name for the circuit; may be empty
};

// False with a message for the author when the text holds no line.
bool ReadCircuitText(const std::string& text, CircuitLine& line, std::string& error);
// The same for a file; a file that cannot be read is an error too.
bool ReadCircuitFile(const std::string& path, CircuitLine& line, std::string& error);

} // namespace td
