// The corner commands that do not depend on the mouse: the properties dialog
// and deleting a corner.

#include "edit/CornerOps.h"
#include "edit/Editor.h"

namespace td {

void Editor::OpenCornerProperties() {
    if (const Corner* corner = CurrentCorner(track, sel))
        host.ShowCornerProperties(CornerPropertyTexts(*corner));
}

void Editor::AcceptCornerProperties(const std::vector<std::string>& texts) {
    CornerTexts boxes{};
    for (size_t i = 0; i < boxes.size() && i < texts.size(); ++i)
        boxes[i] = texts[i];
    const int refused = FillCornerArray(track, sel, boxes);
    if (refused > 0) {
        host.MessageBox(CornerCountInvalidText(refused), CornerPropTitle, MsgButtons::OK,
                        MsgIcon::Exclamation);
        host.SelectCornerPropertyBox(refused);
        return;
    }
    // Written, or there is no corner to write into: either way the dialog
    // has done its work. Nothing shows the texts, so nothing is redrawn.
    host.CloseCornerProperties();
}

void Editor::DeleteCorner() {
    const Corner* corner = CurrentCorner(track, sel);
    if (!corner)
        return;
    if (host.MessageBox(DeleteCornerText(*corner), DeleteCornerTitle, MsgButtons::YesNo,
                        MsgIcon::Question) != MsgAnswer::Yes)
        return;
    DeleteCurrentCorner(track, sel);
    RefreshView();
}

void Editor::OnDialogOK(const Command& cmd) {
    if (cmd.key == "TDCornerProp")
        AcceptCornerProperties(cmd.texts);
}

} // namespace td
