// The space commands of the toolbar, the keys and the mouse. The track
// operations live in SpaceOps; these handlers decide what to redraw.

#include <set>

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "edit/Messages.h"
#include "edit/SpaceOps.h"
#include "render/Colours.h"
#include "render/Overlays.h"
#include "render/SpaceDraw.h"

namespace td {

namespace {

// Exclusive-or picture of one stored space, drawn once to show it and once
// more to take it away again. Its exclusive-or marks (link letters, stop
// flag) are taken off where it stood and drawn where it stands.
SpaceXorDraw XorSpaces(Editor& ed) {
    if (!ed.AreaVisible)
        return {};
    return [&ed](int lane, int index) {
        Scene scene = ed.MakeScene();
        Colour outline = Col::White;
        DrawSpace(scene, lane, index, outline, PenXor, LineSolid);
        DrawSpaceXorMarks(scene, lane, index);
    };
}

int SelectedSymbolCode(const Editor& ed) {
    const auto& symbols = SymbolTable();
    if (ed.SymbolEntry < 0 || ed.SymbolEntry >= static_cast<int>(symbols.size()))
        return Sym::Regular;
    return symbols[static_cast<size_t>(ed.SymbolEntry)].code;
}

// The spaces the primary space's links name, by kind, for the link letters.
struct LinkMarks {
    std::set<SpaceRef> next;
    std::set<SpaceRef> adjacent;
};

LinkMarks MarksOf(Track& track, SpaceRef primary) {
    LinkMarks marks;
    if (const Space* p = PrimarySpaceOf(track, primary)) {
        for (SpaceRef n : p->Nxt)
            if (n >= 0)
                marks.next.insert(n);
        for (SpaceRef a : p->Adj)
            if (a >= 0)
                marks.adjacent.insert(a);
    }
    return marks;
}

} // namespace

void Editor::ToggleHighlight() {
    if (!AreaVisible)
        return;
    Scene scene = MakeScene();
    DrawCurrentSpaceHighlight(scene);
}

void Editor::AddSpace() {
    if (!HasTrack || !track.ValidLane(sel.CurLane))
        return;
    const bool pending = IsPendingSpace(track, sel);
    if (pending && !AppendPendingSpace(track, sel))
        return; // the lane is full
    ToggleHighlight();
    if (pending &&
        AppendResetsSymbol(track.Lanes[static_cast<size_t>(sel.CurLane)].Name, sel.CurSpace)) {
        SymbolEntry = 0;
        host.SetComboIndex("SpacePropCombo", 0);
    }
    // A team's pit box or garage stays unique: the pending space keeps the
    // last symbol picked, which the space before may already carry.
    if (TeamSymbolTaken(track, SelectedSymbolCode(*this), sel.CurLane, sel.CurSpace)) {
        host.MessageBox(SymbolInUseText(), SymbolInUseTitle, MsgButtons::OK, MsgIcon::Exclamation);
        SymbolEntry = 0;
        host.SetComboIndex("SpacePropCombo", 0);
    }
    // An existing space the author left as it was is not written again.
    if (pending || StoreChangesSpace(track, sel, SelectedSymbolCode(*this))) {
        StoreCurrentSpace(track, sel, SelectedSymbolCode(*this));
        PaintSpace(sel.CurLane, sel.CurSpace);
    }
    ++sel.CurSpace;
    if (IsPendingSpace(track, sel)) {
        MakePendingAfterCurrent(sel);
        ToggleHighlight();
    } else {
        LoadCurrentSpace();
    }
    UpdateToolbarState();
    UpdateLanePanel();
    UpdateSpacePanels();
}

void Editor::DeleteSpace() {
    if (!HasTrack)
        return;
    Space removed;
    if (!DeleteCurrentSpace(track, sel, &removed))
        return;
    LoadCurrentSpace();
    UpdateToolbarState();
    UpdateSpacePanels();
    // The pending space shows what the next "AddSpace" stores: the removed one.
    if (IsPendingSpace(track, sel))
        FillPendingProperties(removed);
    RefreshView();
}

void Editor::ResetSpace() {
    if (!HasTrack || !td::ResetSpace(track, sel.CurLane, sel.CurSpace, sel.WorkScale))
        return;
    LoadCurrentSpace();
    UpdateSpacePanels();
    RefreshView();
}

void Editor::CycleCOR() {
    if (!HasTrack)
        return;
    Scene scene = MakeScene();
    auto marker = [&] {
        const int cor = sel.WorkCOR >= 0 && sel.WorkCOR <= 4 ? sel.WorkCOR : 0;
        const PointF p = sel.WorkPts[static_cast<size_t>(cor)];
        if (AreaVisible)
            DrawSpaceCOR(scene, p.x, p.y);
    };
    marker();
    td::CycleCOR(sel);
    marker();
}

void Editor::ScaleCurrentSpace(float delta) {
    if (!HasTrack || !track.Find(sel.CurLane, sel.CurSpace))
        return;
    // The space itself keeps its place at the back; its centre moves.
    auto marks = [this, lane = sel.CurLane, index = sel.CurSpace] {
        if (!AreaVisible)
            return;
        Scene scene = MakeScene();
        DrawSpaceXorMarks(scene, lane, index);
    };
    ToggleHighlight();
    marks();
    td::ScaleCurrentSpace(track, sel, delta, SelectedSymbolCode(*this), XorSpaces(*this));
    marks();
    ToggleHighlight();
    UpdateSpacePanels();
    UpdateToolbarState();
}

void Editor::MoveCurrentSpace(float dx, float dy, bool modifier) {
    if (!HasTrack)
        return;
    ToggleHighlight();
    td::MoveCurrentSpace(track, sel, dx, dy, modifier, XorSpaces(*this));
    ToggleHighlight();
    UpdateSpacePanels();
}

void Editor::RotateCurrentSpace(std::int16_t degrees, bool modifier) {
    if (!HasTrack)
        return;
    ToggleHighlight();
    td::RotateCurrentSpace(track, sel, degrees, modifier, XorSpaces(*this));
    ToggleHighlight();
    UpdateSpacePanels();
}

void Editor::MoveWholeTrack(float dx, float dy) {
    if (!HasTrack)
        return;
    td::MoveWholeTrack(track, sel, dx, dy);
    QuickRedraw();
}

void Editor::RotateWholeTrack(std::int16_t degrees) {
    if (!HasTrack)
        return;
    td::RotateWholeTrack(track, sel, degrees);
    QuickRedraw();
}

void Editor::MovePolygon(float dx, float dy) {
    if (!HasTrack)
        return;
    td::MovePolygon(track, sel.CurPoly, dx, dy);
    QuickRedraw();
}

void Editor::ToggleLink(bool next) {
    if (!HasTrack)
        return;
    const std::string refusal =
        LinkRefusal(track, sel.PrimarySpace, sel.CurLane, sel.CurSpace, next);
    if (!refusal.empty()) {
        host.ShowStatusMessage(refusal);
        return;
    }
    const LinkMarks before = MarksOf(track, sel.PrimarySpace);
    const bool changed =
        next ? ToggleNextLink(track, sel.PrimarySpace, sel.CurLane, sel.CurSpace)
             : ToggleAdjacentLink(track, sel.PrimarySpace, sel.CurLane, sel.CurSpace);
    if (!changed || !AreaVisible)
        return;
    // Exclusive-or letters: toggle exactly the spaces whose mark came or went.
    const LinkMarks after = MarksOf(track, sel.PrimarySpace);
    Scene scene = MakeScene();
    auto toggle = [&](const std::set<SpaceRef>& a, const std::set<SpaceRef>& b, bool nextMark) {
        for (SpaceRef r : a)
            if (!b.count(r))
                if (const Space* s = track.Find(r))
                    nextMark ? DrawNextMark(scene, *s) : DrawAdjacentMark(scene, *s);
    };
    if (display.DrawNext) {
        toggle(before.next, after.next, true);
        toggle(after.next, before.next, true);
    }
    if (display.DrawAdjacent) {
        toggle(before.adjacent, after.adjacent, false);
        toggle(after.adjacent, before.adjacent, false);
    }
}

void Editor::SetNextSpace() {
    ToggleLink(true);
}

void Editor::SetAdjacentSpace() {
    ToggleLink(false);
}

void RegisterSpaceCommands(CommandTable& table) {
    table.AddButton("AddSpace", [](Editor& ed, const Command&) { ed.AddSpace(); });
    table.AddButton("DeleteSpace", [](Editor& ed, const Command&) { ed.DeleteSpace(); });
    table.AddButton("ResetSpace", [](Editor& ed, const Command&) { ed.ResetSpace(); });
    table.AddButton("ChangeCOR", [](Editor& ed, const Command&) { ed.CycleCOR(); });
    // The scaling updates the toolbar, which sets both buttons anew.
    table.AddButton("ScaleSpaceUp", [](Editor& ed, const Command&) {
        if (CanScaleUp(ed.track, ed.sel))
            ed.ScaleCurrentSpace(0.1f);
    });
    table.AddButton("ScaleSpaceDown", [](Editor& ed, const Command&) {
        if (CanScaleDown(ed.track, ed.sel))
            ed.ScaleCurrentSpace(-0.1f);
    });
    table.AddButton("SetPrimarySpace", [](Editor& ed, const Command&) { ed.SetPrimarySpace(); });
    table.AddButton("SetNextSpace", [](Editor& ed, const Command&) { ed.SetNextSpace(); });
    table.AddButton("SetAdjacentSpace", [](Editor& ed, const Command&) { ed.SetAdjacentSpace(); });
}

} // namespace td
