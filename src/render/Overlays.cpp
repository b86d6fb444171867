#include "render/Overlays.h"

#include "model/SpaceGeometry.h"
#include "render/Colours.h"
#include "render/SpaceDraw.h"
#include "render/Symbols.h"
#include "render/WorldDraw.h"

namespace td {

namespace {

constexpr float W = SpaceHalfWidth;

// Anchor of a letter: a point half way to one end of the space, turned with
// the space. The letter itself stays upright.
PointF LetterAnchor(const Space& space, float side) {
    const float h = SpaceHalfLength * space.Scale;
    return FrameOf(space).At(side * 0.5f * h, 0.0f);
}

bool IsSpace(SpaceRef ref, int lane, int s) {
    return ref >= 0 && RefLane(ref) == lane && RefIndex(ref) == s;
}

} // namespace

void DrawWorldCOR(Scene& scene) {
    if (!scene.display.DrawWorldCOR)
        return;
    Figure figure(scene.surface);
    WorldLine(scene, -100.0f, 0.0f, 100.0f, 0.0f, Col::Pink, PenXor, LineSolid);
    WorldLine(scene, 0.0f, -100.0f, 0.0f, 100.0f, Col::Pink, PenXor, LineSolid);
    WorldCircle(scene, 0.0f, 0.0f, 1.5f * W, Col::Pink, PenXor, LineSolid);
    WorldCircle(scene, 0.0f, 0.0f, 0.75f * W, Col::Pink, PenXor, LineSolid);
}

void DrawCurrentSpaceHighlight(Scene& scene) {
    const auto& p = scene.sel.WorkPts;
    for (int i = 1; i <= 4; ++i)
        WorldLine(scene, p[static_cast<size_t>(i)], p[static_cast<size_t>(i % 4 + 1)], Col::White,
                  PenXor, LineDot);
    const int cor = scene.sel.WorkCOR;
    const PointF c = p[static_cast<size_t>(cor >= 0 && cor <= 4 ? cor : 0)];
    DrawSpaceCOR(scene, c.x, c.y);
    DrawTrackVector(scene, p[0].x, p[0].y);
}

void DrawSpaceCOR(Scene& scene, float x, float y) {
    if (!scene.display.DrawSpaceCOR)
        return;
    Figure figure(scene.surface);
    WorldLine(scene, x - W, y, x + W, y, Col::Cyan, PenXor, LineSolid);
    WorldLine(scene, x, y - W, x, y + W, Col::Cyan, PenXor, LineSolid);
    WorldCircle(scene, x, y, W / 2.0f, Col::Cyan, PenXor, LineSolid);
}

void DrawTrackVector(Scene& scene, float x, float y) {
    if (!scene.display.DrawTrackVector)
        return;
    Figure figure(scene.surface);
    const float h = SpaceHalfLength * scene.sel.WorkScale;
    const SpaceFrame f{x, y, scene.sel.WorkRotation};
    const PointF a = f.At(h + 20.0f, -W);
    const PointF b = f.At(h + 50.0f, 0.0f);
    const PointF c = f.At(h + 20.0f, W);
    WorldLine(scene, a, b, Col::Pink, PenXor, LineSolid);
    WorldLine(scene, b, c, Col::Pink, PenXor, LineSolid);
}

void DrawPrimaryMark(Scene& scene, const Space& space) {
    Figure figure(scene.surface);
    const PointF q = LetterAnchor(space, 1.0f);
    WorldLine(scene, q.x, q.y - 0.625f * W, q.x, q.y + 0.625f * W, Col::Yellow, PenXor, LineSolid);
    WorldArc(scene, q.x, q.y - 0.3125f * W, 0.625f * W, Col::Yellow, 271.0f, 91.0f, 0.5f, PenXor,
             LineSolid);
}

void DrawNextMark(Scene& scene, const Space& space) {
    Figure figure(scene.surface);
    const PointF q = LetterAnchor(space, -1.0f);
    const float dx = 0.25f * SpaceHalfLength;
    const PointF tl{q.x - dx, q.y - 0.625f * W}, bl{q.x - dx, q.y + 0.625f * W};
    const PointF tr{q.x + dx, q.y - 0.625f * W}, br{q.x + dx, q.y + 0.625f * W};
    WorldLine(scene, tl, bl, Col::Yellow, PenXor, LineSolid);
    WorldLine(scene, tr, br, Col::Yellow, PenXor, LineSolid);
    WorldLine(scene, tl, br, Col::Yellow, PenXor, LineSolid);
}

void DrawAdjacentMark(Scene& scene, const Space& space) {
    Figure figure(scene.surface);
    const PointF q = LetterAnchor(space, 1.0f);
    const float dx = 0.25f * SpaceHalfLength;
    const PointF t{q.x, q.y - 0.625f * W};
    const PointF bl{q.x - dx, q.y + 0.625f * W}, br{q.x + dx, q.y + 0.625f * W};
    WorldLine(scene, t, bl, Col::Yellow, PenXor, LineSolid);
    WorldLine(scene, t, br, Col::Yellow, PenXor, LineSolid);
    const PointF ml{(t.x + bl.x) / 2.0f, (t.y + bl.y) / 2.0f};
    const PointF mr{(t.x + br.x) / 2.0f, (t.y + br.y) / 2.0f};
    WorldLine(scene, ml, mr, Col::Yellow, PenXor, LineSolid);
}

void DrawLinkLetters(Scene& scene, int lane, int s) {
    const DisplayOptions& d = scene.display;
    const SpaceRef primary = scene.sel.PrimarySpace;
    if (!(d.DrawNext || d.DrawAdjacent) || primary < 0)
        return;
    const Space* space = scene.track.Find(lane, s);
    // A primary reference left dangling by deletions counts as none.
    const Space* prim = scene.track.Find(primary);
    if (!space || !prim)
        return;
    const int pl = RefLane(primary);
    const int pi = RefIndex(primary);
    if (lane == pl && s == pi)
        DrawPrimaryMark(scene, *space);
    if (d.DrawNext) {
        // One N however many rules name the space: an exclusive-or letter
        // drawn twice would erase itself.
        bool next = lane == pl && s == pi + 1 &&
                    scene.track.Lanes[static_cast<size_t>(pl)].Name != "Garages";
        for (SpaceRef r : prim->Nxt)
            next = next || IsSpace(r, lane, s);
        if (next)
            DrawNextMark(scene, *space);
    }
    if (d.DrawAdjacent) {
        bool adj = false;
        for (SpaceRef r : prim->Adj)
            adj = adj || IsSpace(r, lane, s);
        if (adj)
            DrawAdjacentMark(scene, *space);
    }
}

void DrawCornerFlag(Scene& scene, const Corner& corner, Colour colour, int penMode, int lineStyle) {
    Surface& surf = scene.surface;
    surf.SetFillStyle(FillSolid);
    surf.SetFillColor(Col::Blue);
    WorldBox(scene, corner.Vtx[1], corner.Vtx[2], colour, penMode, lineStyle);
    surf.SetFillStyle(FillTransparent);
    const PointF foot = corner.Vtx[0];
    WorldBox(scene, {foot.x - 0.1f * SpaceHalfLength, foot.y - 2.5f * SpaceHalfLength}, foot,
             colour, penMode, lineStyle);
}

void DrawCornerStops(Scene& scene, const Space& space) {
    const float cx = space.Pt[0].x;
    const float cy = space.Pt[0].y;
    Surface& surf = scene.surface;
    surf.SetFillStyle(FillSolid);
    surf.SetFillColor(Col::Navy);
    WorldBox(scene, {cx - 0.4f * W, cy - 0.6f * W}, {cx + 0.6f * W, cy + 0.2f * W}, Col::White,
             PenXor, LineSolid);
    surf.SetFillStyle(FillTransparent);
    WorldBox(scene, {cx - 0.6f * W, cy - 0.6f * W}, {cx - 0.5f * W, cy + 0.6f * W}, Col::White,
             PenXor, LineSolid);
}

void DrawSpaceOverlays(Scene& scene, int lane, int s) {
    const Space* sp = scene.track.Find(lane, s);
    if (!sp || !SpaceOverlaysVisible(scene, *sp))
        return;
    if (scene.display.DrawSymbol) {
        DrawSpaceSymbol(scene, *sp);
        if (IsStartPosition(scene.track, lane, s))
            DrawStartGridMark(scene, *sp);
    }
    DrawSpaceXorMarks(scene, lane, s);
}

void DrawSpaceXorMarks(Scene& scene, int lane, int s) {
    const Space* sp = scene.track.Find(lane, s);
    if (!sp || !SpaceOverlaysVisible(scene, *sp))
        return;
    DrawLinkLetters(scene, lane, s);
    const int corner = scene.sel.CurCorner;
    if (scene.display.DrawFlags && corner >= 0 && sp->Segment > 0 && sp->Segment % 2 == 1 &&
        sp->Segment / 2 == corner)
        DrawCornerStops(scene, *sp);
}

} // namespace td
