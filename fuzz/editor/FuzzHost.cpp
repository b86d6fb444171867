#include "FuzzHost.h"

#include <algorithm>
#include <filesystem>

namespace td::fuzz {

FuzzHost::FuzzHost(std::string folder) : folder_(std::move(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_ + "/Tracks", ec);
}

const std::vector<std::string>& FuzzHost::FileNames() {
    // Two plain names, the autosave file, a file in a folder that does not
    // exist, the folder itself and a name with blanks and no extension.
    static const std::vector<std::string> names = {
        "a.trk", "b.trk", "Tracks/autosave.tmp", "missing/c.trk", "Tracks", "odd name"};
    return names;
}

void FuzzHost::Reset(char separator) {
    recent_.clear();
    popup.clear();
    separator_ = separator;
}

void FuzzHost::Say(const std::string& line) {
    if (words)
        words->push_back("    " + line);
}

MsgAnswer FuzzHost::MessageBox(const std::string&, const std::string& title, MsgButtons buttons,
                               MsgIcon) {
    MsgAnswer answer = MsgAnswer::OK;
    if (buttons == MsgButtons::YesNo)
        answer = input->Chance(2) ? MsgAnswer::Yes : MsgAnswer::No;
    else if (buttons == MsgButtons::YesNoCancel) {
        static const MsgAnswer choices[] = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
        answer = choices[input->Pick(3)];
    }
    static const char* const names[] = {"OK", "Yes", "No", "Cancel"};
    Say("message \"" + title + "\": " + names[static_cast<int>(answer)]);
    return answer;
}

std::optional<std::string> FuzzHost::FileDialog(FileDialogKind kind, const std::string&) {
    const char* what = kind == FileDialogKind::Open ? "open" : "save";
    const int k = input->Pick(static_cast<int>(FileNames().size()) + 1);
    if (k == 0) {
        Say(std::string(what) + " dialog: cancel");
        return std::nullopt;
    }
    const std::string& name = FileNames()[static_cast<size_t>(k - 1)];
    Say(std::string(what) + " dialog: " + name);
    return folder_ + "/" + name;
}

std::optional<Colour> FuzzHost::ColorDialog(Colour) {
    if (input->Chance(3)) {
        Say("colour dialog: cancel");
        return std::nullopt;
    }
    const Colour c = (static_cast<Colour>(input->Byte()) << 16) |
                     (static_cast<Colour>(input->Byte()) << 8) | input->Byte();
    Say("colour dialog: " + std::to_string(c));
    return c;
}

void FuzzHost::AddRecentTrack(const std::string& path) {
    std::erase(recent_, path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > 5)
        recent_.resize(5);
}

} // namespace td::fuzz
