#pragma once
// The pit lane of an imported circuit: beside the main straight (the one the
// finish line lies on), on the side where it and the garages beyond it stay
// clearest of the rest of the circuit.

#include <vector>

#include "model/Track.h"
#include "tools/CircuitShape.h"
#include "tools/PathGeometry.h"

namespace td {

// Appends the "Garages" and "Pit" lanes to a track holding only its `lanes`
// racing lanes (left to right) and names the racing space beside the pit
// lane's first space in that space's Adj(1), as the lane order needs. Returns
// the index of the pit lane's first team box.
int AddCircuitPit(Track& track, const Path& centre, const std::vector<CircuitBend>& bends,
                  int lanes);

} // namespace td
