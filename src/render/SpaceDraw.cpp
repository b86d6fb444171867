#include "render/SpaceDraw.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "render/Colours.h"
#include "render/WorldDraw.h"

namespace td {

namespace {

constexpr std::array<Colour, 10> TeamColours = {0xFFFFFF, 0x00FFFF, 0x008000, 0x0000FF, 0x800000,
                                                0xE4E4E4, 0x00E6E6, 0x006400, 0x0000E4, 0x640000};

bool IsUnextendedLane(const std::string& name) {
    return name == "Pit" || name == "Garages";
}

PointF Mid(PointF a, PointF b) {
    return {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f};
}

} // namespace

Colour TeamColour(int team) {
    if (team < 1 || team > 10)
        return 0;
    return TeamColours[static_cast<size_t>(team - 1)];
}

Colour SpaceFillColour(int symbol) {
    if (symbol >= Sym::GarageTeam1 && symbol <= Sym::GarageTeam1 + 9)
        return TeamColour(symbol - Sym::GarageTeam1 + 1);
    if (symbol == 60)
        return Col::RoadGrey;
    return Col::SpaceGrey;
}

Colour SpaceOutlineColour(int symbol, Colour given) {
    if (symbol >= Sym::ArrowLight && symbol <= Sym::ArrowDoubleRight)
        return Col::Red;
    return given;
}

bool LaneIsClosed(const Lane& lane) {
    const auto& sp = lane.Spaces;
    if (sp.size() < 3)
        return false;
    const Space& first = sp.front();
    const Space& last = sp.back();
    auto near = [](PointF a, PointF b) {
        return std::fabs(a.x - b.x) <= ClosingReach && std::fabs(a.y - b.y) <= ClosingReach;
    };
    return near(last.Pt[2], first.Pt[1]) && near(last.Pt[3], first.Pt[4]);
}

bool CornersJoined(PointF a, PointF b) {
    return std::fabs(a.x - b.x) <= 2.0f && std::fabs(a.y - b.y) <= 2.0f;
}

void DrawSpaceGap(Scene& scene, int lane, int s) {
    const Space* cur = scene.track.Find(lane, s);
    const Space* nxt = scene.track.Find(lane, s + 1);
    if (!cur || !nxt)
        return;
    const PointF q[4] = {RoundWorld(cur->Pt[2]), RoundWorld(nxt->Pt[1]), RoundWorld(nxt->Pt[4]),
                         RoundWorld(cur->Pt[3])};
    if (scene.display.Filled) {
        PointI quad[4];
        for (int i = 0; i < 4; ++i)
            quad[i] = {static_cast<std::int32_t>(q[i].x), static_cast<std::int32_t>(q[i].y)};
        WorldFillPolygon(scene, quad, 4, Col::Black, PenCopy, LineSolid, Col::RoadGrey, FillSolid);
        return;
    }
    WorldLine(scene, q[0], q[1], Col::Black, PenCopy, LineSolid);
    WorldLine(scene, q[2], q[3], Col::Black, PenCopy, LineSolid);
    WorldLine(scene, q[0], q[2], Col::Black, PenCopy, LineSolid);
    WorldLine(scene, q[1], q[3], Col::Black, PenCopy, LineSolid);
}

std::vector<PointI> SpaceBody(const Track& track, int lane, int s) {
    SpaceBodyPoints body;
    BuildSpaceBody(track, lane, s, body);
    return std::vector<PointI>(body.pts.begin(), body.pts.begin() + body.count);
}

void BuildSpaceBody(const Track& track, int lane, int s, SpaceBodyPoints& body) {
    body.count = 0;
    const Space* sp = track.Find(lane, s);
    if (!sp)
        return;
    const Lane& ln = track.Lanes[static_cast<size_t>(lane)];
    const auto& pt = sp->Pt;
    if (IsUnextendedLane(ln.Name)) {
        for (int i = 1; i <= 4; ++i)
            body.Add(RoundWorldInt(pt[static_cast<size_t>(i)]));
        return;
    }
    const int count = static_cast<int>(ln.Spaces.size());
    const bool closed = LaneIsClosed(ln);
    const Space& prev = ln.Spaces[static_cast<size_t>((s - 1 + count) % count)];
    const Space& next = ln.Spaces[static_cast<size_t>((s + 1) % count)];
    // The first space continues from the last one only on a closed circuit;
    // on an open lane the other end is far away and a body stretched half
    // way to it would cover the spaces in between.
    const bool openBehind =
        sp->GapPart == Gap::GapEnd || sp->GapPart == Gap::FirstPartial || (s == 0 && !closed);
    const bool openAhead = sp->GapPart == Gap::GapStart || sp->GapPart == Gap::LastPartial ||
                           (s == count - 1 && !closed);
    if (!CornersJoined(pt[1], prev.Pt[2]) && !openBehind)
        body.Add(RoundWorldInt(Mid(prev.Pt[2], pt[1])));
    body.Add(RoundWorldInt(pt[1]));
    body.Add(RoundWorldInt(pt[2]));
    if (!CornersJoined(pt[2], next.Pt[1]) && !openAhead)
        body.Add(RoundWorldInt(Mid(pt[2], next.Pt[1])));
    if (!CornersJoined(pt[3], next.Pt[4]) && !openAhead)
        body.Add(RoundWorldInt(Mid(pt[3], next.Pt[4])));
    body.Add(RoundWorldInt(pt[3]));
    body.Add(RoundWorldInt(pt[4]));
    if (!CornersJoined(pt[4], prev.Pt[3]) && !openBehind)
        body.Add(RoundWorldInt(Mid(pt[4], prev.Pt[3])));
}

bool SpaceBodyVisible(const Scene& scene, const Space& space) {
    const ViewState& v = scene.view;
    const float sx = CenterScreenX(scene, space);
    const float sy = CenterScreenY(scene, space);
    const float reach = 2.0f * SpaceHalfLength * v.Zoom;
    return !(sx > v.AreaWidth + reach || sx < -reach || sy > v.AreaHeight + reach || sy < -reach);
}

bool SpaceOverlaysVisible(const Scene& scene, const Space& space) {
    const ViewState& v = scene.view;
    const float sx = CenterScreenX(scene, space);
    const float sy = CenterScreenY(scene, space);
    const float len = SpaceHalfLength * v.Zoom;
    const float wid = SpaceHalfWidth * v.Zoom;
    return !(sx > v.AreaWidth + len || sx < -len || sy > v.AreaHeight + wid || sy < -len);
}

void DrawSpace(Scene& scene, int lane, int s, Colour& outline, int penMode, int lineStyle) {
    const Space* sp = scene.track.Find(lane, s);
    if (!sp || !SpaceBodyVisible(scene, *sp))
        return;
    if (!scene.display.Filled) {
        PointF c[4];
        for (int i = 0; i < 4; ++i)
            c[i] = RoundWorld(sp->Pt[static_cast<size_t>(i) + 1]);
        Figure figure(scene.surface);
        for (int i = 0; i < 4; ++i)
            WorldLine(scene, c[i], c[(i + 1) % 4], outline, penMode, lineStyle);
    } else {
        SpaceBodyPoints body;
        BuildSpaceBody(scene.track, lane, s, body);
        outline = SpaceOutlineColour(sp->Symbol, outline);
        WorldFillPolygon(scene, body.pts.data(), static_cast<std::size_t>(body.count), outline,
                         penMode, lineStyle, SpaceFillColour(sp->Symbol), FillSolid);
    }
    TrackBounds& b = scene.bounds;
    b.MinX = std::min(b.MinX, sp->Pt[0].x);
    b.MinY = std::min(b.MinY, sp->Pt[0].y);
    b.MaxX = std::max(b.MaxX, sp->Pt[0].x);
    b.MaxY = std::max(b.MaxY, sp->Pt[0].y);
}

} // namespace td
