// Any button, menu item, key, click or panel text in any state either works,
// does nothing, or shows a message: long random sequences of inputs must never
// crash (the sanitizer build watches memory), must keep the selection and the
// view usable, and every file the editor writes must read back whole.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "EditorFixture.h"
#include "edit/UiDefs.h"
#include "model/TrackFile.h"

namespace td::test {
namespace {

std::vector<std::string> AllMenuItemNames() {
    std::vector<std::string> names;
    std::function<void(const std::vector<MenuItemDef>&)> walk =
        [&](const std::vector<MenuItemDef>& items) {
            for (const MenuItemDef& item : items) {
                if (item.kind == MenuItemKind::Submenu)
                    walk(item.items);
                if (!item.name.empty())
                    names.push_back(item.name);
            }
        };
    for (const MenuDef& menu : Menus())
        walk(menu.items);
    return names;
}

std::vector<std::string> AllButtonKeys() {
    std::vector<std::string> keys;
    for (const auto* bar : {&MainToolbar(), &PolyToolbar()})
        for (const ButtonDef& b : *bar)
            if (!b.key.empty())
                keys.push_back(b.key);
    return keys;
}

class DispatchRobustness : public EditorFixture {
  protected:
    Command RandomCommand(std::mt19937& rng) {
        static const std::vector<std::string> buttons = AllButtonKeys();
        static const std::vector<std::string> menus = AllMenuItemNames();
        static const std::vector<std::string> texts = {
            "", "0", "-1", "3.5", "999999", "1e30", "nan", "abc", "12abc", " 7", "-0", "2,5"};
        const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        const auto coord = [&] {
            static const float extremes[] = {-1e9f, -1.0f, 0.0f, 1e9f};
            return pick(10) == 0 ? extremes[pick(4)] : static_cast<float>(pick(20000)) - 2000.0f;
        };
        switch (pick(9)) {
        case 0:
            return Command::Button(
                buttons[static_cast<size_t>(pick(static_cast<int>(buttons.size())))]);
        case 1: {
            const std::string& name =
                menus[static_cast<size_t>(pick(static_cast<int>(menus.size())))];
            // Leaving the program is the shell's business.
            return Command::Menu(name == "MnuExit" ? "MnuDrawNext" : name);
        }
        case 2:
            return Command::Key(CommandKind::KeyDown, pick(256), pick(8));
        case 3:
            return Command::Key(CommandKind::KeyUp, pick(256), pick(8));
        case 4:
        case 5: {
            static const CommandKind kinds[] = {CommandKind::MouseDown, CommandKind::MouseMove,
                                                CommandKind::MouseUp, CommandKind::DblClick,
                                                CommandKind::MouseWheel};
            // Buttons 0..7: none, left, right, middle and their sums.
            Command c = Command::Mouse(kinds[pick(5)], pick(8), pick(8), coord(), coord());
            c.index = pick(9) - 4;
            return c;
        }
        case 6: {
            const auto& controls = PropertyControls();
            const ControlDef& c =
                controls[static_cast<size_t>(pick(static_cast<int>(controls.size())))];
            return Command::Combo(c.name, pick(70) - 5);
        }
        case 7: {
            const auto& controls = PropertyControls();
            const ControlDef& c =
                controls[static_cast<size_t>(pick(static_cast<int>(controls.size())))];
            return Command::Text(c.name,
                                 texts[static_cast<size_t>(pick(static_cast<int>(texts.size())))]);
        }
        default: {
            Command tick;
            tick.kind = CommandKind::AutosaveTick;
            return tick;
        }
        }
    }

    void CheckUsable() {
        ASSERT_TRUE(std::isfinite(editor.view.Zoom));
        ASSERT_GT(editor.view.Zoom, 0.0f);
        ASSERT_TRUE(std::isfinite(editor.view.OffsetX));
        ASSERT_TRUE(std::isfinite(editor.view.OffsetY));
        if (editor.HasTrack && !editor.track.Lanes.empty()) {
            ASSERT_GE(editor.sel.CurLane, 0);
            ASSERT_LT(editor.sel.CurLane, static_cast<int>(editor.track.Lanes.size()));
            ASSERT_GE(editor.sel.CurSpace, 0);
            ASSERT_LE(
                editor.sel.CurSpace,
                static_cast<int>(
                    editor.track.Lanes[static_cast<size_t>(editor.sel.CurLane)].Spaces.size()));
        }
    }

    void Run(unsigned seed, int steps) {
        std::mt19937 rng(seed);
        for (int i = 0; i < steps; ++i) {
            const Command cmd = RandomCommand(rng);
            editor.Dispatch(cmd);
            surface.Reset();
            host.log.clear();
            ASSERT_NO_FATAL_FAILURE(CheckUsable()) << "after step " << i << " of seed " << seed;
        }
    }
};

TEST_F(DispatchRobustness, RandomInputBeforeAnyTrackExists) {
    Start();
    Run(1, 3000);
}

TEST_F(DispatchRobustness, RandomInputOnBothTemplatesKeepsTheEditorUsable) {
    StartWithNewTrack(false);
    Run(2, 3000);
    editor.Dispatch(Command::Menu("MnuNew4"));
    Run(3, 3000);
}

TEST_F(DispatchRobustness, RandomInputOnALoadedTrackLeavesReadableFiles) {
    // A copy: the track's own file is what Save and the autosave write to.
    const std::string own = PathIn("own.trk");
    Write(own, Read(DataFile("template3.trk")));
    Start({}, own);
    // Every minute from the eleventh on the track is written to the autosave
    // file; what random editing left behind must read back to the end.
    host.files.assign(50, std::optional<std::string>(PathIn("saved.trk")));
    Run(4, 4000);
    for (int tick = 0; tick < 12; ++tick) {
        Command t;
        t.kind = CommandKind::AutosaveTick;
        editor.Dispatch(t);
    }
    for (const std::string& path : {AutosaveFile(), own, PathIn("saved.trk")}) {
        if (!std::filesystem::exists(path))
            continue;
        Track back;
        const LoadResult r = LoadTrack(back, path);
        EXPECT_TRUE(r.opened && r.complete) << path << ": " << r.reason << " at line " << r.line;
    }
}

} // namespace
} // namespace td::test
