// Show Moves: the spaces a car on the current space reaches in N moves,
// marked by every full redraw while the option is on.

#include <algorithm>
#include <charconv>

#include "edit/CommandTable.h"
#include "edit/Editor.h"
#include "edit/UiDefs.h"

namespace td {

MoveReach Editor::CurrentReach() const {
    // A pending space, or one past what references can name, has no moves.
    const long ref = static_cast<long>(sel.CurLane) * MaxLaneSpaces + sel.CurSpace;
    if (!HasTrack || !track.Find(sel.CurLane, sel.CurSpace) || sel.CurSpace >= MaxLaneSpaces ||
        ref > 32767)
        return ReachInMoves(track, NoSpace, display.Moves);
    return ReachInMoves(track, static_cast<SpaceRef>(ref), display.Moves);
}

void Editor::ToggleShowMoves() {
    display.ShowMoves = !display.ShowMoves;
    host.SetMenuChecked("MnuShowMoves", display.ShowMoves);
    RefreshView();
    ShowMovesPanel();
}

void Editor::SetShownMoves(int moves) {
    moves = std::clamp(moves, MinShownMoves, MaxShownMoves);
    host.SetControlText("MovesTxt", std::to_string(moves));
    if (moves == display.Moves)
        return;
    display.Moves = moves;
    if (display.ShowMoves && HasTrack)
        RefreshView();
}

void Editor::OnMovesText(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t");
    int value = 0;
    const char* first = text.data() + (start == std::string::npos ? text.size() : start);
    const char* last = text.data() + text.size();
    const auto r = std::from_chars(first, last, value);
    if (r.ec == std::errc::result_out_of_range) {
        SetShownMoves(*first == '-' ? MinShownMoves : MaxShownMoves);
        return;
    }
    // Anything but a whole number puts the box back as it was.
    if (r.ec != std::errc() || r.ptr != last) {
        host.SetControlText("MovesTxt", std::to_string(display.Moves));
        return;
    }
    SetShownMoves(value);
}

void Editor::FollowMoves(const Command& cmd) {
    if (!display.ShowMoves || !HasTrack || gestureOpen_ || cmd.kind == CommandKind::MouseMove)
        return;
    if (CurrentReach() != shownMoves_)
        RefreshView();
}

void Editor::ShowMovesPanel() {
    std::string text;
    if (display.ShowMoves && HasTrack)
        text = "Moves: " + std::to_string(display.Moves) + ", " +
               std::to_string(shownMoves_.Exactly.size()) + " spaces";
    if (text == movesPanel_)
        return;
    movesPanel_ = text;
    host.SetPanelText("Moves", text);
}

void RegisterMovesCommands(CommandTable& table) {
    table.AddMenu("MnuShowMoves", [](Editor& ed, const Command&) { ed.ToggleShowMoves(); });
}

} // namespace td
