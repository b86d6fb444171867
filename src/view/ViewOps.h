#pragma once
// The operations that change the view: zoom, pan, centring and the grid.
// They only change ViewState; the caller redraws and updates the status bar.

#include <string>
#include <string_view>

#include "view/ViewState.h"

namespace td {

// Zooming out stops at this zoom; there is no upper limit.
constexpr float MinZoomOut = 0.75f;

// Adds `delta` to the zoom unless it would zoom out (a zero delta counts as
// zooming out) from MinZoomOut or below. Returns whether the zoom changed.
bool ChangeZoom(ViewState& view, float delta);

// The shortest decimal text that reads back as the same float ("2.25", "3").
std::string FloatShortestText(float value);
// The "Zoom" status panel: "Zoom Level:2.25".
std::string ZoomPanelText(float zoom);

// Moves the picture by (dx, dy) world units.
void PanView(ViewState& view, float dx, float dy);
// Puts the world origin at the centre of the drawing area.
void CenterView(ViewState& view);
// Puts the world point (cx, cy), the current space's centre, at the centre.
void CenterSpace(ViewState& view, float cx, float cy);
// A part of the drawing area in its own twips (0,0 top left).
struct AreaRect {
    float Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// Puts the world point (cx, cy) at the centre of the widest strip of the
// drawing area beside `covered` (a window in front of it): left, right, above
// or below, whichever is largest. Covering nothing or everything: the centre.
void CenterSpaceBeside(ViewState& view, float cx, float cy, const AreaRect& covered);
// Moves the screen point (sx, sy) (twips) to the centre of the drawing area.
void CenterOnPoint(ViewState& view, float sx, float sy);
// Gives the drawing area a new extent (twips) and keeps the world point that
// was at its centre there. An extent that is not a finite size is taken as 0.
void ResizeArea(ViewState& view, float widthTwips, float heightTwips);

// The grid pair a toolbar key names, or nullptr for any other key.
const GridPair* GridForKey(std::string_view key);
// Makes the grid of "GridFine", "GridMedium" or "GridCoarse" current;
// returns false (and changes nothing) for any other key.
bool SelectGrid(ViewState& view, std::string_view key);

} // namespace td
