#include "render/Symbols.h"

#include "model/SpaceGeometry.h"
#include "render/Colours.h"
#include "render/SpaceDraw.h"
#include "render/WorldDraw.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

constexpr float A = SpaceHalfLength;
constexpr float W = SpaceHalfWidth;

// Team 1's colour is white, which would vanish on its own white garage.
Colour TeamMarkColour(int team) {
    return team == 1 ? Col::Black : TeamColour(team);
}

void ClosedOutline(Scene& scene, const PointF* pts, int n, Colour colour) {
    for (int i = 0; i < n; ++i)
        WorldLine(scene, pts[i], pts[(i + 1) % n], colour, PenCopy, LineSolid);
}

struct Arrow {
    PointF tail, tip, barbA, barbB;
};

Arrow ArrowOf(const Space& space) {
    const SpaceFrame f = FrameOf(space);
    const float h = SpaceHalfLength * space.Scale;
    return {f.At(-0.7f * h, 0.0f), f.At(0.7f * h, 0.0f), f.At(0.2f * h, -0.4f * W),
            f.At(0.2f * h, 0.4f * W)};
}

void DrawArrowLines(Scene& scene, const Arrow& a) {
    WorldLine(scene, a.tail, a.tip, Col::Black, PenCopy, LineSolid);
    WorldLine(scene, a.barbA, a.tip, Col::Black, PenCopy, LineSolid);
    WorldLine(scene, a.barbB, a.tip, Col::Black, PenCopy, LineSolid);
}

PointF TurnAbout(PointF p, std::int16_t angle, PointF c) {
    return {static_cast<float>(RotateX(p.x, p.y, angle, c.x, c.y)),
            static_cast<float>(RotateY(p.x, p.y, angle, c.x, c.y))};
}

} // namespace

int GarageLineWidth(float zoom) {
    if (zoom > 0.25f)
        return RoundToInt32(2.0f * zoom);
    return 1;
}

void DrawSingleArrow(Scene& scene, const Space& space, int lineWidth) {
    if (lineWidth != 1)
        scene.surface.SetLineWidth(lineWidth);
    DrawArrowLines(scene, ArrowOf(space));
    if (lineWidth != 1)
        scene.surface.SetLineWidth(1);
}

void DrawDoubleArrow(Scene& scene, const Space& space, bool left) {
    const Arrow a = ArrowOf(space);
    DrawArrowLines(scene, a);
    const std::int16_t turn = left ? -15 : 15;
    const Arrow b{a.tail, TurnAbout(a.tip, turn, a.tail), TurnAbout(a.barbA, turn, a.tail),
                  TurnAbout(a.barbB, turn, a.tail)};
    DrawArrowLines(scene, b);
}

void DrawPitMark(Scene& scene, const Space& space, int team) {
    const SpaceFrame f = FrameOf(space);
    const PointF pts[4] = {f.At(0.7f * A, -0.6f * W), f.At(-0.7f * A, -0.6f * W),
                           f.At(-0.7f * A, -0.25f * W), f.At(0.7f * A, -0.25f * W)};
    ClosedOutline(scene, pts, 4, TeamMarkColour(team));
}

void DrawGarageMark(Scene& scene, const Space& space, int team) {
    const SpaceFrame f = FrameOf(space);
    const float h = SpaceHalfLength * space.Scale;
    const PointF pts[4] = {f.At(-0.8f * h, -0.5f * W), f.At(0.8f * h, -0.5f * W),
                           f.At(0.8f * h, 0.5f * W), f.At(-0.8f * h, 0.5f * W)};
    scene.surface.SetLineWidth(GarageLineWidth(scene.view.Zoom));
    ClosedOutline(scene, pts, 4, TeamMarkColour(team));
    scene.surface.SetLineWidth(1);
}

void DrawFinishLine(Scene& scene, const Space& space, int symbol) {
    const SpaceFrame f = FrameOf(space);
    static constexpr float Centre[] = {-0.5f, -0.25f, 0.0f, 0.25f, 0.5f};
    static constexpr float Left[] = {-0.5f, -0.75f};
    static constexpr float Right[] = {0.5f, 0.75f};
    const float* cross = Centre;
    int crossCount = 5;
    float from = 0.5f, to = -0.5f;
    if (symbol == Sym::FinishLeft) {
        cross = Left;
        crossCount = 2;
        from = -1.0f;
        to = -0.5f;
    } else if (symbol == Sym::FinishRight) {
        cross = Right;
        crossCount = 2;
        from = 1.0f;
        to = 0.5f;
    }
    for (int i = 0; i < crossCount; ++i)
        WorldLine(scene, f.At(cross[i] * A, -W), f.At(cross[i] * A, W), Col::Black, PenCopy,
                  LineSolid);
    for (float t : {-0.5f, 0.0f, 0.5f})
        WorldLine(scene, f.At(from * A, -t * W), f.At(to * A, -t * W), Col::Black, PenCopy,
                  LineSolid);
}

void DrawStartGridMark(Scene& scene, const Space& space) {
    const SpaceFrame f = FrameOf(space);
    const Colour c = scene.display.Filled ? Col::White : Col::Black;
    const PointF top = f.At(0.7f * A, -0.6f * W);
    const PointF bottom = f.At(0.7f * A, 0.6f * W);
    WorldLine(scene, top, bottom, c, PenCopy, LineSolid);
    WorldLine(scene, top, f.At(0.5f * A, -0.6f * W), c, PenCopy, LineSolid);
    WorldLine(scene, bottom, f.At(0.5f * A, 0.6f * W), c, PenCopy, LineSolid);
}

void DrawSpaceSymbol(Scene& scene, const Space& space) {
    const int sym = space.Symbol;
    if (sym == Sym::ArrowHeavy)
        DrawSingleArrow(scene, space, 2);
    else if (sym == Sym::ArrowLight)
        DrawSingleArrow(scene, space, 1);
    else if (sym == Sym::ArrowDoubleLeft || sym == Sym::ArrowDoubleRight)
        DrawDoubleArrow(scene, space, sym == Sym::ArrowDoubleLeft);
    else if (sym >= Sym::PitTeam1 && sym <= Sym::PitTeam1 + 9)
        DrawPitMark(scene, space, sym - Sym::PitTeam1 + 1);
    else if (sym >= Sym::FinishCenter && sym <= Sym::FinishRight)
        DrawFinishLine(scene, space, sym);
    else if (sym >= Sym::GarageTeam1 && sym <= Sym::GarageTeam1 + 9 && scene.display.Filled)
        DrawGarageMark(scene, space, sym - Sym::GarageTeam1 + 1);
}

bool IsStartPosition(const Track& track, int lane, int index) {
    for (int k = 1; k <= 20; ++k) {
        const SpaceRef r = track.StartPos[static_cast<size_t>(k)];
        if (r >= 0 && RefLane(r) == lane && RefIndex(r) == index)
            return true;
    }
    return false;
}

} // namespace td
