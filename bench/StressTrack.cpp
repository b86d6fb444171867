#include "StressTrack.h"

#include "tools/TrackGenerator.h"

namespace td {

Track MakeStressTrack() {
    GeneratorOptions o = OptionsForLength(4, 999, 1000);
    o.PitLength = 200;
    o.PolygonVertices = 50;
    o.LinkCorners = true;
    Track t = GenerateTrack(o);
    t.Info.Name = "Stress Circuit";
    return t;
}

} // namespace td
