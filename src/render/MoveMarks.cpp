#include "render/MoveMarks.h"

#include "render/Colours.h"
#include "render/SpaceDraw.h"
#include "render/WorldDraw.h"

namespace td {

namespace {

// The frame lies this far from the centre towards each outline corner, clear
// of the space's own outline and of the road beside it.
constexpr float Inset = 0.75f;

void DrawFrames(Scene& scene, const std::vector<SpaceRef>& spaces, Colour colour, int width) {
    scene.surface.SetLineWidth(width);
    for (SpaceRef r : spaces) {
        const Space* s = scene.track.Find(r);
        if (!s || !SpaceOverlaysVisible(scene, *s))
            continue;
        PointF q[4];
        for (size_t i = 0; i < 4; ++i)
            q[i] = {s->Pt[0].x + Inset * (s->Pt[i + 1].x - s->Pt[0].x),
                    s->Pt[0].y + Inset * (s->Pt[i + 1].y - s->Pt[0].y)};
        Figure figure(scene.surface);
        for (size_t i = 0; i < 4; ++i)
            WorldLine(scene, q[i], q[(i + 1) % 4], colour, PenCopy, LineSolid);
    }
}

} // namespace

void DrawMoveReach(Scene& scene, const MoveReach& reach) {
    DrawFrames(scene, reach.Fewer, Col::MovePassed, 2);
    DrawFrames(scene, reach.Exactly, Col::MoveEnd, 3);
    scene.surface.SetLineWidth(1);
}

} // namespace td
