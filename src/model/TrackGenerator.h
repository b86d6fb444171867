#pragma once
// Builds complete closed tracks: a rounded-rectangle circuit driven
// clockwise on the screen, with straights and marked corners, a pit lane with
// the ten team boxes, ten garages, segments, links, a starting grid, corner
// flags and scenery. Used for the demo track, for stress tests and by
// `trktool generate`.

#include "model/Track.h"

namespace td {

struct GeneratorOptions {
    int Lanes = 3;               // racing lanes: 3 or 4
    int Length = 60;             // spaces in every racing lane (at most 1000)
    int PitLength = 14;          // spaces of the pit lane (at least 10)
    int Polygons = 20;           // scenery polygons
    int PolygonVertices = 0;     // 0: each shape's own count; otherwise every polygon has this many
    bool LinkCorners = false;    // links on straights only, as an author would start
    float StraightLength = 3600; // top and bottom straights, world units
    float SideLength = 1200;     // left and right straights
    float CornerRadius = 600;    // of the track's centre line
};

// The generated track, its lane order already as saving would leave it.
Track GenerateTrack(const GeneratorOptions& options);

// Sensible geometry for a given lane length: the straights grow with it so
// that spaces stay about as long as a standard space.
GeneratorOptions OptionsForLength(int lanes, int length, int polygons);

} // namespace td
