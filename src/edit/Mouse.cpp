// The mouse in the drawing area: presses, drags, releases and double-clicks
// of the left and right buttons in every editing mode, the middle-button pan
// and the wheel zoom. The corner and polygon modes have their gestures in
// CornerMouse and PolyMouse.

#include <cmath>
#include <cstdint>

#include "edit/Editor.h"
#include "edit/SpaceHit.h"
#include "render/Overlays.h"
#include "view/ViewOps.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;

// Nearest 16-bit integer, halves to the even neighbour.
std::int16_t RoundEven16(float value) {
    return static_cast<std::int16_t>(std::nearbyint(value));
}

// The pointer a mode shows while its drag runs.
const char* DragPointer(const std::string& mode) {
    if (mode == "ZoomView")
        return "SizeNS";
    if (mode == "RotateSpace" || mode == "RotateTrack")
        return "SizeWE";
    return "SizeAll";
}

// The world point under the pointer, in whole units.
std::string PointerPanelText(const ViewState& view, float x, float y) {
    return "Pointer " + std::to_string(RoundToInt32(ScreenToWorldX(view, x))) + ", " +
           std::to_string(RoundToInt32(ScreenToWorldY(view, y)));
}

// How far apart, in pixels, two clicks still count as made at one point.
constexpr float CycleReachPixels = 3;

// Names the lane of a space picked among several under the pointer.
std::string OverlapPanelText(const Track& track, const SpaceHit& hit, int pick, int count) {
    return "Lane " + std::to_string(hit.lane) + ", " +
           track.Lanes[static_cast<size_t>(hit.lane)].Name + ", space " +
           std::to_string(hit.space + 1) + " (" + std::to_string(pick + 1) + " of " +
           std::to_string(count) + " here)";
}

} // namespace

bool Editor::SelectSpaceAt(float x, float y) {
    const std::vector<SpaceHit> hits = HitTestSpaces(track, view, x, y);
    if (hits.empty()) {
        cyclePtKept_ = false;
        return false;
    }
    // A second click at the same point takes the next space under it (the
    // next lane where lanes overlap), round and round.
    size_t pick = 0;
    const float near = CycleReachPixels * view.TwipsPerPixelX;
    if (cyclePtKept_ && std::fabs(x - cyclePt_.x) <= near && std::fabs(y - cyclePt_.y) <= near) {
        for (size_t k = 0; k < hits.size(); ++k)
            if (hits[k].lane == sel.CurLane && hits[k].space == sel.CurSpace)
                pick = (k + 1) % hits.size();
    }
    cyclePt_ = {x, y};
    cyclePtKept_ = true;
    const SpaceHit& hit = hits[pick];
    if (AreaVisible) {
        Scene scene = MakeScene();
        DrawCurrentSpaceHighlight(scene);
    }
    sel.CurLane = hit.lane;
    sel.CurSpace = hit.space;
    LoadCurrentSpace();
    UpdateLanePanel();
    UpdateSpacePanels();
    UpdateToolbarState();
    if (hits.size() > 1)
        host.SetPanelText("CurrLane", OverlapPanelText(track, hit, static_cast<int>(pick),
                                                       static_cast<int>(hits.size())));
    return true;
}

DragStep Editor::DragStepAt(float x, float y) const {
    return QuantiseDrag(LastPt, x, y, view.CurrentGrid.Distance, view.Zoom);
}

void Editor::OnMouseDown(const Command& cmd) {
    if (!HasTrack)
        return;
    if (cmd.button == MiddleButton) {
        panning_ = true;
        panPt_ = {cmd.x, cmd.y};
        host.SetPointer("SizeAll");
        return;
    }
    if (cmd.button == LeftButton) {
        DownPt = {cmd.x, cmd.y};
        LastPt = DownPt;
        if (EditMode == "EditCorner") {
            CornerMouse(cmd);
            return;
        }
        if (EditMode == "PolyMode") {
            PolyMouse(cmd);
            return;
        }
        // Selecting a space never also starts the mode's own press action.
        if (SelectSpaceAt(cmd.x, cmd.y))
            return;
        host.SetPointer(DragPointer(EditMode));
    } else if (cmd.button == RightButton) {
        if (EditMode == "EditCorner")
            CornerMouse(cmd);
        else if (EditMode == "PolyMode")
            PolyMouse(cmd);
        else
            RunButton("AddSpace");
    }
}

void Editor::OnMouseMove(const Command& cmd) {
    if (!HasTrack)
        return;
    host.SetPanelText("Pointer", PointerPanelText(view, cmd.x, cmd.y));
    // A release can go astray (a box opened during the pan took it): a move
    // without the middle button ends the pan, and the move then counts as
    // what it is.
    if (panning_ && !(cmd.button & MiddleButton))
        EndPan();
    if (panning_) {
        // The view follows the pointer exactly; PanView multiplies by the zoom.
        PanStep((cmd.x - panPt_.x) / view.Zoom, (cmd.y - panPt_.y) / view.Zoom);
        panPt_ = {cmd.x, cmd.y};
        return;
    }
    if (cmd.button == 0) {
        if (EditMode == "PolyMode")
            PolyMouse(cmd);
        else
            host.SetPointer(EditMode);
        return;
    }
    if (cmd.button != LeftButton)
        return;
    if (EditMode == "EditCorner")
        CornerMouse(cmd);
    else if (EditMode == "PolyMode")
        PolyMouse(cmd);
    else
        DragModeStep(DragStepAt(cmd.x, cmd.y), cmd.shift != 0);
    AdvanceDragAnchor(LastPt, cmd.x, cmd.y, view.CurrentGrid.Distance);
}

void Editor::DragModeStep(const DragStep& step, bool modifier) {
    if (EditMode == "ZoomView") {
        if (step.stepY) {
            // Anchored at the press point: the world point under it stays.
            const float s = 0.25f * static_cast<float>(step.dirY);
            const float zoomBefore = view.Zoom;
            if (ChangeZoom(view, s)) {
                view.OffsetX += (view.OffsetX - DownPt.x) * s / zoomBefore;
                view.OffsetY += (view.OffsetY - DownPt.y) * s / zoomBefore;
                QuickRedraw();
                host.SetPanelText("Zoom", ZoomPanelText(view.Zoom));
            }
        }
    } else if (EditMode == "TranslateView") {
        if (step.stepX)
            PanStep(step.dx, 0.0f);
        if (step.stepY)
            PanStep(0.0f, step.dy);
    } else if (EditMode == "TranslateSpace") {
        if (step.stepX)
            MoveCurrentSpace(step.dx, 0.0f, modifier);
        if (step.stepY)
            MoveCurrentSpace(0.0f, step.dy, modifier);
    } else if (EditMode == "RotateSpace") {
        if (step.stepX)
            RotateCurrentSpace(RoundEven16(-static_cast<float>(view.CurrentGrid.Angle) * step.dirX),
                               modifier);
    } else if (EditMode == "TranslateTrack") {
        if (step.stepX)
            MoveWholeTrack(step.dx, 0.0f);
        if (step.stepY)
            MoveWholeTrack(0.0f, step.dy);
    } else if (EditMode == "RotateTrack") {
        if (step.stepX)
            RotateWholeTrack(RoundEven16(-static_cast<float>(view.CurrentGrid.Angle) * step.dirX));
    }
}

void Editor::OnMouseUp(const Command& cmd) {
    if (!HasTrack)
        return;
    if (cmd.button == MiddleButton) {
        if (panning_)
            EndPan();
        return;
    }
    if (cmd.button == LeftButton) {
        if (EditMode == "EditCorner") {
            CornerMouse(cmd);
            return;
        }
        if (EditMode == "PolyMode")
            PolyMouse(cmd);
    }
    if (cmd.button != RightButton && EditMode != "EditCorner")
        RefreshView();
}

void Editor::EndPan() {
    panning_ = false;
    host.SetPointer(EditMode == "PolyMode" ? "Arrow" : EditMode);
    RefreshView();
}

void Editor::OnDblClick(const Command& cmd) {
    if (!HasTrack)
        return;
    if (EditMode == "EditCorner") {
        CornerMouse(cmd);
    } else if (EditMode == "ZoomView" || EditMode == "TranslateView") {
        // The release of the second click redraws.
        CenterOnPoint(view, DownPt.x, DownPt.y);
    } else if (EditMode != "PolyMode") {
        // A quick second click on a space is a second click all the same.
        SelectSpaceAt(DownPt.x, DownPt.y);
    }
}

void Editor::OnWheel(const Command& cmd) {
    if (!HasTrack || cmd.index == 0)
        return;
    // One zoom step per notch, anchored at the pointer like the "ZoomView" drag.
    const int notches = cmd.index > 0 ? cmd.index : -cmd.index;
    const float s = cmd.index > 0 ? 0.25f : -0.25f;
    bool changed = false;
    for (int i = 0; i < notches && i < 40; ++i) {
        const float zoomBefore = view.Zoom;
        if (!ChangeZoom(view, s))
            break;
        view.OffsetX += (view.OffsetX - cmd.x) * s / zoomBefore;
        view.OffsetY += (view.OffsetY - cmd.y) * s / zoomBefore;
        changed = true;
    }
    if (changed) {
        host.SetPanelText("Zoom", ZoomPanelText(view.Zoom));
        RefreshView();
    }
}

} // namespace td
