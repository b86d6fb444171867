#include "view/FitView.h"

#include <algorithm>
#include <cmath>

#include "view/ViewOps.h"

namespace td {

namespace {

// A lone point (a one-vertex polygon) must not zoom in without end: the
// extent is never taken as smaller than one space length.
constexpr double MinSpan = 2.0 * SpaceHalfLength;

// `zoom` rounded down to three significant digits.
double RoundDownReadable(double zoom) {
    const double scale = std::pow(10.0, 2.0 - std::floor(std::log10(zoom)));
    const double rounded = std::floor(zoom * scale) / scale;
    return rounded > 0.0 ? rounded : zoom;
}

} // namespace

void WorldExtent::Add(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (Empty) {
        MinX = MaxX = x;
        MinY = MaxY = y;
        Empty = false;
        return;
    }
    MinX = std::min(MinX, x);
    MaxX = std::max(MaxX, x);
    MinY = std::min(MinY, y);
    MaxY = std::max(MaxY, y);
}

WorldExtent TrackExtent(const Track& track) {
    WorldExtent box;
    for (const Lane& lane : track.Lanes)
        for (const Space& s : lane.Spaces)
            for (const PointF& p : s.Pt)
                box.Add(p.x, p.y);
    for (const BackPoly& poly : track.BackPolys)
        for (const PointI& v : poly.Vtxs)
            box.Add(static_cast<float>(v.x), static_cast<float>(v.y));
    return box;
}

std::optional<FittedView> FitExtent(const WorldExtent& extent, float areaWidth, float areaHeight,
                                    float marginTwips) {
    if (extent.Empty || !(areaWidth > 0.0f) || !(areaHeight > 0.0f))
        return std::nullopt;
    const double margin = std::isfinite(marginTwips)
                              ? std::clamp(static_cast<double>(marginTwips), 0.0,
                                           std::min(areaWidth, areaHeight) / 8.0)
                              : 0.0;
    // Doubles: the span of far-apart floats may not fit in a float.
    const double spanX = std::max(static_cast<double>(extent.MaxX) - extent.MinX, MinSpan);
    const double spanY = std::max(static_cast<double>(extent.MaxY) - extent.MinY, MinSpan);
    const double zoom =
        std::min((areaWidth - 2.0 * margin) / spanX, (areaHeight - 2.0 * margin) / spanY);
    const float readable = static_cast<float>(RoundDownReadable(zoom));
    if (!std::isfinite(readable) || readable <= 0.0f)
        return std::nullopt;
    ViewState v;
    v.Zoom = readable;
    v.AreaWidth = areaWidth;
    v.AreaHeight = areaHeight;
    CenterSpace(v, static_cast<float>((static_cast<double>(extent.MinX) + extent.MaxX) / 2.0),
                static_cast<float>((static_cast<double>(extent.MinY) + extent.MaxY) / 2.0));
    return FittedView{v.Zoom, v.OffsetX, v.OffsetY};
}

std::optional<FittedView> FitTrack(const Track& track, const ViewState& view) {
    const float pixel = std::max(view.TwipsPerPixelX, view.TwipsPerPixelY);
    return FitExtent(TrackExtent(track), view.AreaWidth, view.AreaHeight, FitMarginPixels * pixel);
}

bool FitTrackInView(ViewState& view, const Track& track) {
    const std::optional<FittedView> fit = FitTrack(track, view);
    if (!fit) {
        CenterView(view);
        return false;
    }
    view.Zoom = fit->Zoom;
    view.OffsetX = fit->OffsetX;
    view.OffsetY = fit->OffsetY;
    return true;
}

} // namespace td
