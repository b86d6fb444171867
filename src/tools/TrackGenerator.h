#pragma once
// Builds complete closed tracks from a layout of straights and arcs: racing
// lanes whose spaces keep about a standard length in every lane, corners
// marked with arrows, a pit lane with the ten team boxes and ten garages
// beside the main straight, a starting grid, corners with flags, and scenery.
// Segments, straight links, the grid and the pit boxes come from the track
// tools, as an author would make them; the corner links, corner records and
// scenery are what an author adds by hand. Used for the demo track, for
// stress tests and by `trktool generate`.

#include <string>

#include "model/Track.h"
#include "tools/TrackLayout.h"

namespace td {

struct GeneratorOptions {
    int Lanes = 3;           // racing lanes: 3 or 4
    int Length = 120;        // spaces of the longest racing lane (at most 1000)
    int PitLength = 14;      // spaces of the pit lane (at least 10)
    int Polygons = 40;       // scenery polygons
    int PolygonVertices = 0; // 0: each shape's own count; otherwise every polygon has this many
    bool LinkCorners = true; // link corner spaces too, as an author finishing the track would
    // The centre line, starting on the main straight; empty: chosen by Length.
    TrackLayout Layout;
};

// The generated track, with the middle of its pit lane on the origin and its
// lane order already as saving would leave it.
Track GenerateTrack(const GeneratorOptions& options);

// Options for a track whose longest racing lane has about `length` spaces:
// a grand-prix circuit, or an oval when the track is too short for one.
GeneratorOptions OptionsForLength(int lanes, int length, int polygons);

// Scales `layout` so that the longest racing lane of `lanes` lanes gets at
// most `length` spaces, as close to it as the rounding allows.
TrackLayout FitLayout(const TrackLayout& layout, int lanes, int length);

// A pit lane that fills most of the main straight of `layout`.
int PitLengthFor(const TrackLayout& layout);

// The pieces of a generated track that the circuit import shares.
// The space of `lane` whose centre is nearest to `p`.
int NearestSpace(const Lane& lane, PointF p);
// Links the pit entry and exit with the racing lane beside the pit lane.
void LinkPitLane(Track& t);
// Pole position on the last space of lane 0, second place one space back in
// lane `lanes` - 1, and the normal grid behind them (the tight one when the
// normal one does not fit); lanes as they lie before the lane order is
// normalised.
void BuildGrid(Track& t, int lanes);

} // namespace td
