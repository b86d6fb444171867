#include "render/Pipeline.h"

#include "model/SpaceGeometry.h"
#include "render/Colours.h"
#include "render/MoveMarks.h"
#include "render/Overlays.h"
#include "render/Polygons.h"
#include "render/SpaceDraw.h"
#include "render/WorldDraw.h"

namespace td {

namespace {

void DrawLaneCentreLine(Scene& scene, int lane) {
    const auto& spaces = scene.track.Lanes[static_cast<size_t>(lane)].Spaces;
    Figure figure(scene.surface);
    for (size_t s = 0; s + 1 < spaces.size(); ++s) {
        if (!SpaceOverlaysVisible(scene, spaces[s]))
            continue;
        WorldLine(scene, spaces[s].Pt[0], spaces[s + 1].Pt[0], Col::White, PenXor, LineSolid);
    }
}

} // namespace

void ComputeCurrentOutline(Scene& scene) {
    ComputeOutline(scene.sel.WorkPts, scene.sel.WorkRotation, scene.sel.WorkScale);
    DrawCurrentSpaceHighlight(scene);
}

void RefreshView(Scene& scene) {
    if (!scene.areaVisible)
        return;
    Surface& surf = scene.surface;
    surf.Clear();
    surf.SetBackColor(scene.display.Filled ? scene.track.BackColor : Col::White);
    surf.SetFillStyle(FillTransparent);
    surf.SetLineWidth(1);

    DrawBackPolys(scene);

    const int lanes = static_cast<int>(scene.track.Lanes.size());
    for (int l = 0; l < lanes; ++l) {
        const int n = static_cast<int>(scene.track.Lanes[static_cast<size_t>(l)].Spaces.size());
        for (int s = 0; s < n; ++s)
            DrawSpaceGap(scene, l, s);
    }
    for (int l = 0; l < lanes; ++l) {
        const int n = static_cast<int>(scene.track.Lanes[static_cast<size_t>(l)].Spaces.size());
        for (int s = 0; s < n; ++s) {
            Colour outline = Col::Black;
            DrawSpace(scene, l, s, outline, PenCopy, LineSolid);
            DrawSpaceOverlays(scene, l, s);
        }
    }
    if (scene.display.ShowMoves && scene.moves)
        DrawMoveReach(scene, *scene.moves);

    if (scene.display.DrawFlags && scene.sel.CurCorner >= 0)
        for (const Corner& c : scene.track.Corners)
            DrawCornerFlag(scene, c, Col::White, PenXor, LineSolid);

    // No highlight while the current lane does not exist (a track read in
    // part, or none at all).
    if (scene.track.ValidLane(scene.sel.CurLane))
        ComputeCurrentOutline(scene);
    DrawWorldCOR(scene);
}

void QuickRedraw(Scene& scene) {
    scene.surface.Clear();
    const int lanes = static_cast<int>(scene.track.Lanes.size());
    // Lane 2 and the last lane; when they are the same lane it is drawn once,
    // since an exclusive-or line drawn twice would vanish.
    if (lanes > 2)
        DrawLaneCentreLine(scene, 2);
    if (lanes > 0 && lanes - 1 != 2)
        DrawLaneCentreLine(scene, lanes - 1);
    DrawBackPolyOutlines(scene);
}

} // namespace td
