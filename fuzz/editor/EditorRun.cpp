#include "EditorRun.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstdlib>
#include <unistd.h>

#include "FuzzHost.h"
#include "NullSurface.h"
#include "Oracles.h"
#include "edit/UiDefs.h"
#include "model/Templates.h"
#include "model/TrackFile.h"
#include "tools/TrackGenerator.h"

namespace td::fuzz {

namespace fs = std::filesystem;

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A track file damaged the way a disk or a hand edit damages one: cut off,
// a line dropped, or a line replaced by junk.
std::string Damage(ByteSource& in, std::string text) {
    if (text.empty())
        return text;
    const size_t at = static_cast<size_t>(in.Word()) % text.size();
    switch (in.Pick(3)) {
    case 0:
        text.resize(at);
        break;
    case 1: {
        const size_t end = text.find('\n', at);
        text.erase(at, end == std::string::npos ? std::string::npos : end - at + 1);
        break;
    }
    default: {
        const size_t end = text.find('\n', at);
        text.replace(at, end == std::string::npos ? std::string::npos : end - at, in.Bytes(12));
        break;
    }
    }
    return text;
}

} // namespace

std::string DefaultRunRoot() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? "/dev/shm" : fs::temp_directory_path().string();
}

EditorRunner::EditorRunner(const std::string& root, std::string demoPath)
    : folder_(root + "/td-editor-fuzz-" + std::to_string(::getpid())),
      demoPath_(std::move(demoPath)) {
    // Saves stamp a fixed instant: the same input writes the same files, and
    // no save reads the locale's date format from disk.
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 0);
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // A small generated track: a short oval with a pit lane, links, a grid,
    // corners and a few polygons.
    GeneratorOptions options = OptionsForLength(3, 24, 3);
    generatedForm_ = Oracles::Form(GenerateTrack(options));
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    templateForm_ = Oracles::Form(t);
    // A start file is the track's own file, which a save writes to: each run
    // starts from a fresh copy in the private folder, never from the original.
    if (!demoPath_.empty()) {
        std::ifstream in(demoPath_, std::ios::binary);
        demoForm_.assign(std::istreambuf_iterator<char>(in), {});
    }
}

EditorRunner::~EditorRunner() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

RunResult EditorRunner::Run(const std::uint8_t* data, std::size_t size,
                            std::vector<std::string>* words) {
    RunResult result;
    ByteSource in(data, size);
    const std::string runFolder = folder_ + "/run";
    std::error_code ec;
    fs::remove_all(runFolder, ec);
    FuzzHost host(runFolder);
    host.input = &in;
    host.words = words;
    host.Reset(in.Chance(4) ? ',' : '.');
    const auto say = [&](const std::string& line) {
        if (words)
            words->push_back(line);
    };

    EditorSettings settings;
    settings.Mode = ModeKeys()[static_cast<size_t>(in.Pick(static_cast<int>(ModeKeys().size())))];
    settings.ShowMoves = in.Chance(4);
    settings.Moves = in.Range(0, 41);
    static const float zooms[] = {2.5f, 2.5f, 0.3f, 8.0f};
    settings.Zoom = zooms[in.Pick(4)];

    // The start.
    std::string startFile;
    std::string menu;
    // The demo is a hundred times the size of the others and costs as much
    // for every change: it is one start in sixty-four.
    const int start = in.Pick(64);
    if (start < 6) {
        say("start: no track");
    } else if (start < 22) {
        menu = "MnuNew3";
    } else if (start < 36) {
        menu = "MnuNew4";
    } else if (start < 54 || (start == 54 && demoForm_.empty())) {
        startFile = runFolder + "/generated.trk";
        WriteFile(startFile, generatedForm_);
        say("start: the generated track");
    } else if (start == 54) {
        startFile = runFolder + "/demo.trk";
        WriteFile(startFile, demoForm_);
        say("start: the demo track");
    } else {
        const bool fromTemplate = start < 60;
        startFile = runFolder + "/damaged.trk";
        WriteFile(startFile, Damage(in, fromTemplate ? templateForm_ : generatedForm_));
        say(std::string("start: a damaged ") + (fromTemplate ? "template" : "generated track"));
    }
    say("settings: mode " + settings.Mode + ", zoom " + std::to_string(settings.Zoom) +
        ", moves " + std::to_string(settings.Moves) + (settings.ShowMoves ? " shown" : "") +
        ", decimal separator '" + host.DecimalSeparator() + "'");

    NullSurface surface;
    Editor editor(host, surface);
    editor.Startup(settings, startFile);
    if (!menu.empty()) {
        say("start: menu " + menu);
        editor.Dispatch(Command::Menu(menu));
    }

    Oracles oracles;
    oracles.Begin(editor);
    while (!in.Done() && result.commands < MaxCommands) {
        const Command cmd = picker_.Next(in, editor, host.popup);
        say(Describe(cmd));
        editor.Dispatch(cmd);
        if (watch)
            watch(editor, cmd);
        result.failure = oracles.After(editor, cmd);
        if (!result.failure.empty()) {
            result.failedAt = result.commands++;
            return result;
        }
        ++result.commands;
    }
    say("end: undo every step, redo every step");
    result.failure = oracles.AtEnd(editor);
    if (!result.failure.empty())
        result.failedAt = result.commands;
    return result;
}

} // namespace td::fuzz
