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
#include "edit/SilentHost.h"

namespace td::fuzz {

class FuzzHost : public SilentHost {
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
    char DecimalSeparator() override { return separator_; }
    std::vector<std::string> RecentTracks() override { return recent_; }
    void AddRecentTrack(const std::string& path) override;
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
