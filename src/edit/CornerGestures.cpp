// The mouse in "EditCorner" mode: selecting, creating and dragging corner
// flags, the corner menu and the properties dialog on a double-click.

#include <cmath>
#include <limits>

#include "edit/CornerOps.h"
#include "edit/Editor.h"
#include "render/Colours.h"
#include "render/Overlays.h"

namespace td {

namespace {

// Nearest 16-bit integer, halves to the even neighbour; beyond the range
// the nearest end of it.
std::int16_t FlagStep(float worldDistance) {
    const float r = std::nearbyint(worldDistance);
    if (!(r > -32768.0f))
        return std::isnan(r) ? 0 : std::numeric_limits<std::int16_t>::min();
    if (r > 32767.0f)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

} // namespace

void Editor::CornerMouse(const Command& cmd) {
    switch (cmd.kind) {
    case CommandKind::MouseDown:
        if (cmd.button == 1)
            CornerPress(cmd.x, cmd.y);
        else if (cmd.button == 2)
            CornerMenuPress(cmd.x, cmd.y);
        break;
    case CommandKind::MouseMove:
        if (cmd.button == 1) {
            const DragStep step = DragStepAt(cmd.x, cmd.y);
            if (step.stepX)
                MoveFlagStep(FlagStep(step.dx), 0);
            if (step.stepY)
                MoveFlagStep(0, FlagStep(step.dy));
        }
        break;
    case CommandKind::DblClick:
        OpenCornerProperties();
        break;
    default:
        // The release leaves the flag where the drag drew it: no redraw.
        break;
    }
}

void Editor::CornerPress(float x, float y) {
    // While no corner is current no flag is picked: a click on a flag then
    // places a new corner.
    if (sel.CurCorner >= 0) {
        if (const int hit = FlagHit(track, view, x, y); hit >= 0) {
            sel.CurCorner = hit;
            RefreshView();
            return;
        }
    }
    if (SelectSpaceAt(x, y))
        return;
    AddCornerAt(track, sel, view, x, y);
    RefreshView();
    OpenCornerProperties();
}

void Editor::CornerMenuPress(float x, float y) {
    const int hit = FlagHit(track, view, x, y);
    if (hit < 0)
        return;
    sel.CurCorner = hit;
    RefreshView();
    host.PopupMenu("MnuCorner");
}

void Editor::MoveFlagStep(std::int16_t dx, std::int16_t dy) {
    const Corner* corner = CurrentCorner(track, sel);
    if (!corner)
        return;
    // Drawn in exclusive-or: once to take the flag off where it stood, once
    // to put it on where it stands now.
    const bool shown = AreaVisible && display.DrawFlags;
    Scene scene = MakeScene();
    if (shown)
        DrawCornerFlag(scene, *corner, Col::White, PenXor, LineSolid);
    MoveCornerFlag(track, sel.CurCorner, dx, dy);
    if (shown)
        DrawCornerFlag(scene, *corner, Col::White, PenXor, LineSolid);
}

} // namespace td
