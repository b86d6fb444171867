#pragma once
// A Host that shows nothing and answers every question the same way: the
// base of the editors that run without a window (benchmarks, the fuzzer),
// which override only what they need.

#include "edit/Host.h"

namespace td {

class SilentHost : public Host {
  public:
    explicit SilentHost(MsgAnswer answer = MsgAnswer::OK) : answer_(answer) {}

    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
        return answer_;
    }
    std::optional<std::string> FileDialog(FileDialogKind, const std::string&) override {
        return std::nullopt;
    }
    std::optional<Colour> ColorDialog(Colour) override { return std::nullopt; }
    void SetPanelText(const std::string&, const std::string&) override {}
    char DecimalSeparator() override { return '.'; }
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
    std::vector<std::string> RecentTracks() override { return {}; }
    void AddRecentTrack(const std::string&) override {}
    void StartAutosaveTimer() override {}
    std::string TracksFolder() override { return "/nonexistent"; }
    void PopupMenu(const std::string&) override {}

  private:
    MsgAnswer answer_;
};

} // namespace td
