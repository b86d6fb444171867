#pragma once
// The view that shows a whole track: every space and scenery polygon inside
// the drawing area, centred, with a small margin on every side.

#include <optional>

#include "model/Track.h"
#include "view/ViewState.h"

namespace td {

// A box in world units; empty until the first point is added.
struct WorldExtent {
    bool Empty = true;
    float MinX = 0.0f;
    float MinY = 0.0f;
    float MaxX = 0.0f;
    float MaxY = 0.0f;

    // Points that are not finite (a damaged file) are left out.
    void Add(float x, float y);
};

// The box around every space outline and every polygon vertex.
WorldExtent TrackExtent(const Track& track);

struct FittedView {
    float Zoom = 0.0f;
    float OffsetX = 0.0f;
    float OffsetY = 0.0f;
};

// Free room kept on each side of the track, in pixels of the drawing area
// (never more than an eighth of the area's side).
constexpr float FitMarginPixels = 16.0f;

// The zoom and offsets that show `extent` centred in a drawing area of
// areaWidth x areaHeight twips, `marginTwips` left free on each side. The
// zoom is rounded down to three significant digits, so that the status bar
// shows a readable figure. Nothing when the extent is empty or the area has
// no room.
std::optional<FittedView> FitExtent(const WorldExtent& extent, float areaWidth, float areaHeight,
                                    float marginTwips);

// FitExtent for the whole track in the drawing area of `view`.
std::optional<FittedView> FitTrack(const Track& track, const ViewState& view);

// Applies FitTrack to `view`. A track with nothing to show (or an area with
// no room) puts the world origin at the centre and keeps the zoom; returns
// whether the track was fitted.
bool FitTrackInView(ViewState& view, const Track& track);

} // namespace td
