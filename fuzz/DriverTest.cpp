// The editor fuzz driver checks itself: its oracles must see the faults they
// are there for, and the picker must reach every command.

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "editor/CommandPicker.h"
#include "editor/EditorRun.h"
#include "editor/Oracles.h"
#include "edit/UiDefs.h"
#include "model/Templates.h"

namespace td::fuzz {
namespace {

TEST(EditorFuzzDriver, RandomInputsRunWithEveryOracleHolding) {
    EditorRunner runner(DefaultRunRoot(), TD_FUZZ_DEMO_TRACK);
    std::mt19937 rng(7);
    int commands = 0;
    for (int i = 0; i < 200; ++i) {
        std::vector<std::uint8_t> bytes(static_cast<size_t>(rng() % 400));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(rng());
        const RunResult r = runner.Run(bytes.data(), bytes.size());
        if (!r.failure.empty()) {
            // Kept for editor-replay --words.
            const std::string kept = ::testing::TempDir() + "editor-fuzz-input-" + std::to_string(i);
            std::ofstream(kept, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
            FAIL() << r.failure << " after command " << r.failedAt << " of " << kept;
        }
        commands += r.commands;
    }
    EXPECT_GT(commands, 5000);
}

TEST(EditorFuzzDriver, TheSameInputGivesTheSameWords) {
    EditorRunner runner(DefaultRunRoot(), "");
    std::vector<std::uint8_t> bytes(300);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    std::vector<std::string> first, second;
    runner.Run(bytes.data(), bytes.size(), &first);
    runner.Run(bytes.data(), bytes.size(), &second);
    EXPECT_EQ(first, second);
    EXPECT_GT(first.size(), 20u);
}

TEST(EditorFuzzDriver, PickerOffersEveryToolbarKeyAndMenuItem) {
    const CommandPicker picker;
    const auto has = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (const auto* bar : {&MainToolbar(), &PolyToolbar()})
        for (const ButtonDef& b : *bar) {
            if (!b.key.empty()) {
                EXPECT_TRUE(has(picker.Buttons(), b.key)) << b.key;
            }
        }
    for (const char* name : {"MnuUndo", "MnuRedo", "MnuOpen", "MnuSaveAs", "MnuCheckTrack"})
        EXPECT_TRUE(has(picker.Menus(), name)) << name;
}

TEST(EditorFuzzDriver, LinkOracleAllowsThePendingSpaceOnlyWhileItIsCurrent) {
    Track track;
    Selection sel;
    BuildNewTrack3(track, sel);
    ASSERT_FALSE(track.Lanes[1].Spaces.empty());
    EXPECT_EQ(Oracles::BadLink(track, sel), "");
    const int pending = static_cast<int>(track.Lanes[2].Spaces.size());
    track.Lanes[1].Spaces[0].Nxt[0] = MakeRef(2, pending);
    sel.CurLane = 2;
    sel.CurSpace = pending;
    EXPECT_EQ(Oracles::BadLink(track, sel), "");
    sel.CurSpace = 0;
    EXPECT_NE(Oracles::BadLink(track, sel), "");
    track.Lanes[1].Spaces[0].Nxt[0] = MakeRef(7, 0);
    EXPECT_NE(Oracles::BadLink(track, sel), "");
}

} // namespace
} // namespace td::fuzz
