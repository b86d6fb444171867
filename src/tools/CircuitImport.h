#pragma once
// Importing a real circuit: from the centre line on a map to a complete
// track that passes Check Track, built as an author would build it. The
// racing lanes follow the line at the chosen scale, the corners are the
// line's bends, and the pit lane, grid, links, corner records and scenery are
// what generate gives its own circuits.

#include <string>

#include "model/Track.h"
#include "tools/CircuitRead.h"

namespace td {

struct CircuitImportOptions {
    int Lanes = 3;       // 3 or 4
    int Length = 0;      // spaces of the longest racing lane; 0: one per 45 m of the lap
    bool Reverse = false;
    std::string Name;    // empty: the file's own name for the circuit
};

struct CircuitImport {
    bool Ok = false;
    std::string Error; // why nothing was imported
    Track Result;
    double LapMetres = 0;
    // Where the lap as ShapeCircuit gives it lies in the world: a point (x, y)
    // in metres is at (x, y) * UnitsPerMetre + Shift.
    double UnitsPerMetre = 0;
    PointF Shift;
};

// Spaces of the longest lane for a lap of `metres` by default.
int DefaultCircuitLength(double metres);

CircuitImport ImportCircuit(const CircuitLine& line, const CircuitImportOptions& options);
CircuitImport ImportCircuitFile(const std::string& path, const CircuitImportOptions& options);

// "Imported NAME: 3 lanes of 128 to 133 spaces, 11 corners"
std::string ImportSummary(const Track& track);

} // namespace td
