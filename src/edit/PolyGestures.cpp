// The mouse in "PolyMode": the six polygon tools of the polygon toolbar
// build polygons vertex by vertex with a rubber band, pick and drag single
// vertices, move and turn whole polygons, and pop up the vertex and polygon
// menus.

#include <cmath>

#include "edit/Editor.h"
#include "edit/PolyOps.h"
#include "render/Colours.h"
#include "render/WorldDraw.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

PointF ToF(PointI p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

std::int16_t TurnStep(int gridAngle, int dirX) {
    return static_cast<std::int16_t>(-gridAngle * dirX);
}

} // namespace

void Editor::PolyMouse(const Command& cmd) {
    switch (cmd.kind) {
    case CommandKind::MouseDown:
        if (cmd.button == 1)
            PolyPress(cmd.x, cmd.y);
        else if (cmd.button == 2)
            PolyMenuPress(cmd.x, cmd.y);
        break;
    case CommandKind::MouseMove:
        if (cmd.button == 0)
            PolyHover(cmd.x, cmd.y);
        else if (cmd.button == 1)
            PolyDragStep(DragStepAt(cmd.x, cmd.y));
        break;
    default:
        break;
    }
}

bool Editor::SelectVertex(std::optional<VertexRef> hit) {
    if (!hit)
        return false;
    sel.CurPoly = hit->poly;
    sel.CurVtx = hit->vtx;
    UpdateToolbarState();
    return true;
}

void Editor::PolyPress(float x, float y) {
    const std::string& tool = PolyTool;
    if (tool == "TranslatePoly") {
        host.SetPointer("SizeAll");
        return;
    }
    if (tool == "CreatePoly" || tool == "CreateRoad" || tool == "CreateRectangle") {
        // With nothing under construction, a press on a vertex picks it
        // instead of starting a polygon (not for rectangles).
        if (tool != "CreateRectangle" && sel.PolyClosed &&
            SelectVertex(FirstVertexHit(track, view, x, y)))
            return;
        const bool started =
            AddPolyVertex(track, sel, view, x, y, static_cast<std::int16_t>(PolyDetailEntry + 2));
        if (started)
            UpdateToolbarState();
        if (sel.CurVtx == 0)
            RubberPt = {x, y};
        if (tool == "CreateRectangle" && sel.CurVtx == 1)
            CompleteRectangle(track, sel);
        return;
    }
    if (tool == "EditPolyVertex")
        DrawVertexEdges(Col::Black, PenCopy);
    SelectVertex(FirstVertexHit(track, view, x, y));
}

void Editor::PolyMenuPress(float x, float y) {
    const bool building = !sel.PolyClosed;
    if (!building) {
        const std::string& tool = PolyTool;
        if (tool == "EditPolyVertex" || tool == "CreatePoly") {
            if (SelectVertex(FirstVertexHit(track, view, x, y))) {
                host.PopupMenu(tool == "EditPolyVertex" ? "MnuVertex" : "MnuPoly");
                return;
            }
        } else {
            // The last vertex hit in scan order stays current.
            SelectVertex(LastVertexHit(track, view, x, y));
        }
    } else {
        FinishPolygon(track, sel, PolyTool);
        UpdateToolbarState();
    }
    RefreshView();
}

void Editor::PolyHover(float x, float y) {
    const std::string& tool = PolyTool;
    if (tool == "EditPolyVertex") {
        host.SetPointer("EditPolyVertex");
        return;
    }
    host.SetPointer("Arrow");
    if (sel.PolyClosed || (x == RubberPt.x && y == RubberPt.y))
        return;
    // The band drawn last is still on the screen unless a full redraw has
    // painted over it since; only then is it taken off.
    if (rubberShownAt_ == RefreshCount)
        DrawRubberBand();
    RubberPt = {x, y};
    DrawRubberBand();
    rubberShownAt_ = RefreshCount;
}

void Editor::DrawRubberBand() {
    const BackPoly* poly = CurrentPoly(track, sel);
    if (!AreaVisible || !poly || poly->Vtxs.empty())
        return;
    Scene scene = MakeScene();
    const PointF free = {ScreenToWorldX(view, RubberPt.x), ScreenToWorldY(view, RubberPt.y)};
    if (PolyTool == "CreateRectangle") {
        surface.SetFillStyle(FillTransparent);
        WorldBox(scene, ToF(poly->Vtxs.front()), free, Col::Black, PenInvert, LineSolid);
    } else if (HasCurrentVertex(track, sel)) {
        WorldLine(scene, ToF(poly->Vtxs[static_cast<size_t>(sel.CurVtx)]), free, Col::Black,
                  PenInvert, LineSolid);
    }
}

void Editor::DrawVertexEdges(Colour colour, int penMode) {
    if (!AreaVisible || !HasCurrentVertex(track, sel))
        return;
    const auto& v = CurrentPoly(track, sel)->Vtxs;
    const int n = static_cast<int>(v.size());
    if (n < 2)
        return;
    Scene scene = MakeScene();
    const PointF at = ToF(v[static_cast<size_t>(sel.CurVtx)]);
    const PointF prev = ToF(v[static_cast<size_t>(PrevVertex(n, sel.CurVtx))]);
    const PointF next = ToF(v[static_cast<size_t>(NextVertex(n, sel.CurVtx))]);
    WorldLine(scene, prev, at, colour, penMode, LineSolid);
    // With two vertices both neighbours are the same one: one edge only, or
    // the exclusive-or pen would take it off again at once.
    if (n > 2)
        WorldLine(scene, at, next, colour, penMode, LineSolid);
}

void Editor::PolyDragStep(const DragStep& step) {
    const std::string& tool = PolyTool;
    if (tool == "EditPolyVertex") {
        auto move = [&](float dx, float dy) {
            DrawVertexEdges(Col::Black, PenInvert);
            MoveVertex(track, sel, dx, dy);
            DrawVertexEdges(Col::Black, PenInvert);
        };
        if (step.stepX)
            move(step.dx, 0.0f);
        if (step.stepY)
            move(0.0f, step.dy);
    } else if (tool == "TranslatePoly") {
        if (step.stepX)
            MovePolygon(step.dx, 0.0f);
        if (step.stepY)
            MovePolygon(0.0f, step.dy);
    } else if (tool == "RotatePoly") {
        if (step.stepX &&
            RotatePolygon(track, sel.CurPoly, TurnStep(view.CurrentGrid.Angle, step.dirX)))
            QuickRedraw();
    }
}

} // namespace td
