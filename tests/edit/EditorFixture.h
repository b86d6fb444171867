#pragma once
// An editor wired to a FakeHost and a RecordingSurface, with a private
// "Tracks" folder that is removed after each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "FakeHost.h"
#include "edit/Editor.h"
#include "render/RecordingSurface.h"

namespace td::test {

class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture() {
        static int serial = 0;
        folder = std::filesystem::temp_directory_path() /
                 ("td_edit_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::create_directories(folder / "Tracks");
        host.tracksFolder = (folder / "Tracks").string();
    }
    ~EditorFixture() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    void Start(const EditorSettings& settings = {}, const std::string& commandLine = {}) {
        editor.Startup(settings, commandLine);
    }
    void StartWithNewTrack(bool fourLanes = false) {
        Start();
        editor.Dispatch(Command::Menu(fourLanes ? "MnuNew4" : "MnuNew3"));
    }

    void Button(const std::string& key) { editor.Dispatch(Command::Button(key)); }
    void Menu(const std::string& name) { editor.Dispatch(Command::Menu(name)); }
    void Key(int code, int shift = 0) {
        editor.Dispatch(Command::Key(CommandKind::KeyDown, code, shift));
    }

    std::string PathIn(const std::string& name) const { return (folder / name).string(); }
    std::string AutosaveFile() const { return (folder / "Tracks" / "autosave.tmp").string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream os;
        os << in.rdbuf();
        return os.str();
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string DataFile(const std::string& name) {
        return std::string(TD_TEST_DATA_DIR) + "/" + name;
    }

    std::filesystem::path folder;
    FakeHost host;
    RecordingSurface surface;
    Editor editor{host, surface};
};

} // namespace td::test
