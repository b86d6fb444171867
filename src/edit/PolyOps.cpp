#include "edit/PolyOps.h"

#include <cmath>
#include <utility>

#include "model/SpaceGeometry.h"
#include "view/ViewTransform.h"

namespace td {

const char* const DeletePolyTitle = "Delete Polygon";
const char* const DeletePolyText = "Are you sure you want to delete the current polygon?";

namespace {

int Count(const std::vector<BackPoly>& polys) {
    return static_cast<int>(polys.size());
}

PointI Rounded(double x, double y) {
    return {RoundToInt32(x), RoundToInt32(y)};
}

// Direction of the segment a -> b in degrees; false for a zero-length one.
bool SegmentDirection(PointI a, PointI b, double& ux, double& uy) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0.0)
        return false;
    ux = dx / len;
    uy = dy / len;
    return true;
}

// Local direction of the centre line at point i, in degrees (0 along +X).
double LineDirection(const std::vector<PointI>& c, size_t i) {
    double ix = 0, iy = 0, ox = 0, oy = 0;
    const bool in = i > 0 && SegmentDirection(c[i - 1], c[i], ix, iy);
    const bool out = i + 1 < c.size() && SegmentDirection(c[i], c[i + 1], ox, oy);
    double sx = 0, sy = 0;
    if (in && out) {
        sx = ix + ox;
        sy = iy + oy;
        // A line that turns straight back has no mean direction; the edge
        // points then stand across the incoming segment.
        if (std::hypot(sx, sy) < 1e-9) {
            sx = ix;
            sy = iy;
        }
    } else if (in) {
        sx = ix;
        sy = iy;
    } else if (out) {
        sx = ox;
        sy = oy;
    } else {
        return 0.0;
    }
    return std::atan2(sy, sx) * 180.0 / 3.14159265358979323846;
}

} // namespace

bool VertexPicked(const ViewState& view, PointI vertex, float x, float y) {
    const float tx = view.TwipsPerPixelX;
    const float ty = view.TwipsPerPixelY;
    const float vx = static_cast<float>(vertex.x);
    const float vy = static_cast<float>(vertex.y);
    return WorldToScreenX(view, vx - tx) < x && x < WorldToScreenX(view, vx + tx) &&
           WorldToScreenY(view, vy - ty) < y && y < WorldToScreenY(view, vy + ty);
}

std::optional<VertexRef> FirstVertexHit(const Track& track, const ViewState& view, float x,
                                        float y) {
    for (int p = 0; p < Count(track.BackPolys); ++p) {
        const auto& v = track.BackPolys[static_cast<size_t>(p)].Vtxs;
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            if (VertexPicked(view, v[static_cast<size_t>(i)], x, y))
                return VertexRef{p, i};
    }
    return std::nullopt;
}

std::optional<VertexRef> LastVertexHit(const Track& track, const ViewState& view, float x,
                                       float y) {
    for (int p = Count(track.BackPolys) - 1; p >= 0; --p) {
        const auto& v = track.BackPolys[static_cast<size_t>(p)].Vtxs;
        for (int i = static_cast<int>(v.size()) - 1; i >= 0; --i)
            if (VertexPicked(view, v[static_cast<size_t>(i)], x, y))
                return VertexRef{p, i};
    }
    return std::nullopt;
}

const BackPoly* CurrentPoly(const Track& track, const Selection& sel) {
    if (sel.CurPoly < 0 || sel.CurPoly >= Count(track.BackPolys))
        return nullptr;
    return &track.BackPolys[static_cast<size_t>(sel.CurPoly)];
}

BackPoly* CurrentPoly(Track& track, const Selection& sel) {
    return const_cast<BackPoly*>(CurrentPoly(static_cast<const Track&>(track), sel));
}

bool HasCurrentVertex(const Track& track, const Selection& sel) {
    const BackPoly* poly = CurrentPoly(track, sel);
    return poly && sel.CurVtx >= 0 && sel.CurVtx < static_cast<int>(poly->Vtxs.size());
}

bool AddPolyVertex(Track& track, Selection& sel, const ViewState& view, float x, float y,
                   std::int16_t detail) {
    // A polygon under construction is always the last one; should it have
    // been deleted meanwhile, a new one is started.
    const bool start = sel.PolyClosed || track.BackPolys.empty();
    if (start) {
        BackPoly poly;
        poly.Detail = detail;
        track.BackPolys.push_back(std::move(poly));
    }
    BackPoly& poly = track.BackPolys.back();
    poly.Vtxs.push_back(Rounded(ScreenToWorldX(view, x), ScreenToWorldY(view, y)));
    sel.CurPoly = Count(track.BackPolys) - 1;
    sel.CurVtx = static_cast<int>(poly.Vtxs.size()) - 1;
    sel.PolyClosed = false;
    return start;
}

void CompleteRectangle(Track& track, Selection& sel) {
    if (track.BackPolys.empty() || track.BackPolys.back().Vtxs.size() != 2)
        return;
    auto& v = track.BackPolys.back().Vtxs;
    const PointI v0 = v[0];
    const PointI v2 = v[1];
    v = {v0, {v2.x, v0.y}, v2, {v0.x, v2.y}};
    sel.CurPoly = Count(track.BackPolys) - 1;
    sel.CurVtx = 3;
    sel.PolyClosed = true;
}

void BuildRoadOutline(BackPoly& poly) {
    const std::vector<PointI> centre = poly.Vtxs;
    const size_t n = centre.size();
    poly.Vtxs.resize(2 * n);
    for (size_t i = 0; i < n; ++i) {
        const PointI c = centre[i];
        // Turning (+-RoadHalfWidth, 0) by the direction + 90 degrees puts the
        // two edge points across the line.
        const auto r = static_cast<std::int16_t>(
            std::lround(std::nearbyint(std::fmod(LineDirection(centre, i) + 450.0, 360.0))) % 360);
        const float cx = static_cast<float>(c.x);
        const float cy = static_cast<float>(c.y);
        const float lx = cx - RoadHalfWidth;
        const float rx = cx + RoadHalfWidth;
        poly.Vtxs[i] = Rounded(RotateX(lx, cy, r, cx, cy), RotateY(lx, cy, r, cx, cy));
        // The far edge runs back from the last centre point to the first.
        poly.Vtxs[2 * n - 1 - i] = Rounded(RotateX(rx, cy, r, cx, cy), RotateY(rx, cy, r, cx, cy));
    }
    poly.FillColor = Palette[3];
    poly.OutlineColor = Palette[3];
}

void FinishPolygon(Track& track, Selection& sel, std::string_view tool) {
    if (sel.PolyClosed)
        return;
    sel.PolyClosed = true;
    if (track.BackPolys.empty())
        return;
    const int last = Count(track.BackPolys) - 1;
    BackPoly& poly = track.BackPolys.back();
    if ((tool == "CreatePoly" || tool == "CreateRectangle") && poly.Vtxs.size() < 3) {
        track.BackPolys.pop_back();
        sel.CurVtx = 0;
        sel.CurPoly = track.BackPolys.empty() ? 0 : last - 1;
    } else if (tool == "CreateRoad") {
        BuildRoadOutline(poly);
        sel.CurPoly = last;
    }
}

bool MoveVertex(Track& track, const Selection& sel, float dx, float dy) {
    if (!HasCurrentVertex(track, sel))
        return false;
    PointI& p = CurrentPoly(track, sel)->Vtxs[static_cast<size_t>(sel.CurVtx)];
    p = Rounded(static_cast<double>(p.x) + dx, static_cast<double>(p.y) + dy);
    return true;
}

bool RotatePolygon(Track& track, int poly, std::int16_t degrees) {
    if (poly < 0 || poly >= Count(track.BackPolys))
        return false;
    auto& v = track.BackPolys[static_cast<size_t>(poly)].Vtxs;
    if (v.empty())
        return false;
    // The mean of the vertices stays where it is under a turn about it, so
    // that repeated steps do not walk the polygon away.
    double sx = 0, sy = 0;
    for (const PointI& p : v) {
        sx += p.x;
        sy += p.y;
    }
    const auto cx = static_cast<float>(sx / static_cast<double>(v.size()));
    const auto cy = static_cast<float>(sy / static_cast<double>(v.size()));
    for (PointI& p : v) {
        const auto x = static_cast<float>(p.x);
        const auto y = static_cast<float>(p.y);
        p = Rounded(RotateX(x, y, degrees, cx, cy), RotateY(x, y, degrees, cx, cy));
    }
    return true;
}

bool AddVertex(Track& track, Selection& sel) {
    if (!HasCurrentVertex(track, sel))
        return false;
    auto& v = CurrentPoly(track, sel)->Vtxs;
    const auto at = static_cast<size_t>(sel.CurVtx) + 1;
    const PointI a = v[at - 1];
    // The new vertex splits the edge to the next vertex, or the closing edge
    // back to vertex 0 when it comes last.
    const PointI b = at < v.size() ? v[at] : v[0];
    const PointI mid =
        Rounded((static_cast<double>(a.x) + b.x) / 2.0, (static_cast<double>(a.y) + b.y) / 2.0);
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), mid);
    sel.CurVtx = static_cast<int>(at);
    return true;
}

bool DeleteVertex(Track& track, const Selection& sel) {
    if (!HasCurrentVertex(track, sel))
        return false;
    auto& v = CurrentPoly(track, sel)->Vtxs;
    if (v.size() <= 1)
        return false;
    v.erase(v.begin() + sel.CurVtx);
    return true;
}

bool PolyToFront(Track& track, Selection& sel) {
    const int last = Count(track.BackPolys) - 1;
    if (!CurrentPoly(track, sel) || sel.CurPoly == last)
        return false;
    auto& p = track.BackPolys;
    BackPoly moved = std::move(p[static_cast<size_t>(sel.CurPoly)]);
    p.erase(p.begin() + sel.CurPoly);
    p.push_back(std::move(moved));
    sel.CurPoly = last;
    return true;
}

bool PolyForward(Track& track, Selection& sel) {
    const int last = Count(track.BackPolys) - 1;
    if (!CurrentPoly(track, sel) || sel.CurPoly == last)
        return false;
    std::swap(track.BackPolys[static_cast<size_t>(sel.CurPoly)],
              track.BackPolys[static_cast<size_t>(sel.CurPoly) + 1]);
    ++sel.CurPoly;
    return true;
}

bool PolyBackward(Track& track, Selection& sel) {
    if (!CurrentPoly(track, sel) || sel.CurPoly == 0)
        return false;
    std::swap(track.BackPolys[static_cast<size_t>(sel.CurPoly)],
              track.BackPolys[static_cast<size_t>(sel.CurPoly) - 1]);
    --sel.CurPoly;
    return true;
}

bool PolyToBack(Track& track, Selection& sel) {
    if (!CurrentPoly(track, sel) || sel.CurPoly == 0)
        return false;
    auto& p = track.BackPolys;
    BackPoly moved = std::move(p[static_cast<size_t>(sel.CurPoly)]);
    p.erase(p.begin() + sel.CurPoly);
    p.insert(p.begin(), std::move(moved));
    sel.CurPoly = 0;
    return true;
}

bool DuplicatePoly(Track& track, Selection& sel) {
    const BackPoly* poly = CurrentPoly(track, sel);
    if (!poly)
        return false;
    BackPoly copy = *poly;
    for (PointI& p : copy.Vtxs)
        p = Rounded(static_cast<double>(p.x) + DuplicateOffsetX,
                    static_cast<double>(p.y) + DuplicateOffsetY);
    track.BackPolys.push_back(std::move(copy));
    sel.CurPoly = Count(track.BackPolys) - 1;
    return true;
}

bool DeleteCurrentPoly(Track& track, const Selection& sel) {
    if (!CurrentPoly(track, sel))
        return false;
    track.BackPolys.erase(track.BackPolys.begin() + sel.CurPoly);
    return true;
}

} // namespace td
