#pragma once
// A Host whose answers come from the fuzzer's input: message boxes get any
// of the buttons they offer, file dialogs a cancel or a path inside a
// private folder (so every write the editor makes stays there), the colour
// dialog a cancel or any colour. Everything the editor only shows is
// dropped, except the last context menu popped up, which the command picker
// may answer with one of its items.

#include <string>
#include <vector>

#include "ByteSource.h"
#include "edit/Host.h"

namespace td::fuzz {

class FuzzHost : public Host {
  public:
    // `folder` must exist; the "Tracks" folder is made inside it.
    explicit FuzzHost(std::string folder);

    // The input answers come from; the run replaces it for each sequence.
    ByteSource* input = nullptr;
    // When set, every answer is described here in words.
    std::vector<std::string>* words = nullptr;
    // The last context menu popped up and not yet answered; empty for none.
    std::string popup;

    const std::string& Folder() const { return folder_; }
    // File names the file dialogs may answer with, inside Folder().
    static const std::vector<std::string>& FileNames();

    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<std::string> FileDialog(FileDialogKind kind,
                                          const std::string& startPath) override;
    std::optional<Colour> ColorDialog(Colour initial) override;
    void SetPanelText(const std::string&, const std::string&) override {}
    char DecimalSeparator() override { return separator_; }
    void SetButtonEnabled(const std::string&, bool) override {}
    void SetButtonVisible(const std::string&, bool) override {}
    void SetButtonPressed(const std::string&, bool) override {}
    void SetMenuEnabled(const std::string&, bool) override {}
    void SetMenuChecked(const std::string&, bool) override {}
    void SetMenuCaption(const std::string&, const std::string&) override {}
    void SetMenuVisible(const std::string&, bool) override {}
    void SetControlVisible(const std::string&, bool) override {}
    void SetControlEnabled(const std::string&, bool) override {}
    void SetControlText(const std::string&, const std::string&) override {}
    void SetComboIndex(const std::string&, int) override {}
    void SetPointer(const std::string&) override {}
    void ShowEditingArea() override {}
    void SetWindowTitle(const std::string&) override {}
    void ShowCornerProperties(const std::array<std::string, 4>&) override {}
    void CloseCornerProperties() override {}
    void SelectCornerPropertyBox(int) override {}
    void ShowTrackInfo() override {}
    void ShowTrackCheck(const std::vector<TrackProblem>&) override {}
    std::vector<std::string> RecentTracks() override { return recent_; }
    void AddRecentTrack(const std::string& path) override;
    void StartAutosaveTimer() override {}
    std::string TracksFolder() override { return folder_ + "/Tracks"; }
    void PopupMenu(const std::string& name) override { popup = name; }

    // A fresh start for the next sequence: no recent tracks, no popup, the
    // decimal separator of the locale chosen by the input.
    void Reset(char separator);

  private:
    void Say(const std::string& line);

    std::string folder_;
    std::vector<std::string> recent_;
    char separator_ = '.';
};

} // namespace td::fuzz
