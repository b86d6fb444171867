// The polygon commands of the polygon toolbar, the polygon and vertex menus
// and Ctrl+D: colours, stacking order, duplicate, delete, the vertex
// commands, and the outline polygons of the Tools menu.

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "edit/PolyOps.h"
#include "tools/OutlinePolys.h"

namespace td {

namespace {

bool ValidPaletteIndex(int k) {
    return k >= 1 && k <= 9;
}

} // namespace

void Editor::EndPolygonConstruction() {
    // The polygon under construction is the last one; a command that moves
    // another polygon to the end or removes it must not let the next click
    // extend some finished polygon.
    sel.PolyClosed = true;
}

void Editor::ChoosePolyColour(bool fill) {
    BackPoly* poly = CurrentPoly(track, sel);
    if (!poly)
        return;
    Colour& target = fill ? poly->FillColor : poly->OutlineColor;
    // Cancelling keeps the colour the dialog started from.
    target = host.ColorDialog(target).value_or(target);
    // The outline shows only in filled mode.
    if (fill || display.Filled)
        RefreshView();
}

void Editor::SetPolyPaletteColour(bool fill, int k) {
    BackPoly* poly = CurrentPoly(track, sel);
    if (!poly || !ValidPaletteIndex(k))
        return;
    (fill ? poly->FillColor : poly->OutlineColor) = Palette[static_cast<size_t>(k)];
    RefreshView();
}

void Editor::MovePolyInStack(bool (*move)(Track&, Selection&)) {
    if (!CurrentPoly(track, sel))
        return;
    const bool wasBuilding = !sel.PolyClosed;
    if (!move(track, sel))
        return;
    if (wasBuilding)
        EndPolygonConstruction();
    UpdateToolbarState();
    // In wireframe the order does not show; the next redraw brings it.
    if (display.Filled)
        RefreshView();
}

void Editor::DuplicateCurrentPoly() {
    if (!CurrentPoly(track, sel))
        return;
    EndPolygonConstruction();
    DuplicatePoly(track, sel);
    UpdateToolbarState();
    RefreshView();
}

void Editor::DeleteCurrentPolygon() {
    if (!CurrentPoly(track, sel))
        return;
    if (host.MessageBox(DeletePolyText, DeletePolyTitle, MsgButtons::YesNo, MsgIcon::Question) !=
        MsgAnswer::Yes)
        return;
    DeleteCurrentPoly(track, sel);
    EndPolygonConstruction();
    UpdateToolbarState();
    RefreshView();
}

void Editor::CreateOutline() {
    if (!HasTrack)
        return;
    EndPolygonConstruction();
    CreateOutlinePolys(track, sel);
    if (EditMode == "PolyMode")
        UpdateToolbarState();
    RefreshView();
}

void RegisterPolyCommands(CommandTable& table) {
    auto colourButton = [](bool fill) {
        return [fill](Editor& e, const Command& c) {
            // The button itself opens the colour dialog; an entry of its
            // drop-down list (index 1..9) picks that palette colour.
            if (c.index == 0)
                e.ChoosePolyColour(fill);
            else
                e.SetPolyPaletteColour(fill, c.index);
        };
    };
    table.AddButton("PolyFillcolor", colourButton(true));
    table.AddButton("PolyOutline", colourButton(false));
    table.AddButton("DeletePoly", [](Editor& e, const Command&) { e.DeleteCurrentPolygon(); });
    table.AddButton("PolyFront", [](Editor& e, const Command&) { e.MovePolyInStack(PolyToFront); });
    table.AddButton("PolyForward",
                    [](Editor& e, const Command&) { e.MovePolyInStack(PolyForward); });
    table.AddButton("PolyBackward",
                    [](Editor& e, const Command&) { e.MovePolyInStack(PolyBackward); });
    table.AddButton("PolyBack", [](Editor& e, const Command&) { e.MovePolyInStack(PolyToBack); });

    table.AddMenu("MnuPolyFillColor", [](Editor& e, const Command&) { e.ChoosePolyColour(true); });
    table.AddMenu("MnuPolyOutline", [](Editor& e, const Command&) { e.ChoosePolyColour(false); });
    table.AddMenu("MnuDupPoly", [](Editor& e, const Command&) { e.DuplicateCurrentPoly(); });
    table.AddMenu("MnuDeletePoly", [](Editor& e, const Command&) { e.DeleteCurrentPolygon(); });
    table.AddMenu("MnuAddVtx", [](Editor& e, const Command&) {
        if (AddVertex(e.track, e.sel))
            e.RefreshView();
    });
    table.AddMenu("MnuDeleteVtx", [](Editor& e, const Command&) {
        if (DeleteVertex(e.track, e.sel))
            e.RefreshView();
    });
    table.AddMenu("MnuCreateOutline", [](Editor& e, const Command&) { e.CreateOutline(); });

    table.AddMenu("MnuCornerInfo", [](Editor& e, const Command&) { e.OpenCornerProperties(); });
    table.AddMenu("MnuDeleteCorner", [](Editor& e, const Command&) { e.DeleteCorner(); });
}

} // namespace td
