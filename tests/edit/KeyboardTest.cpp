#include "EditorFixture.h"

#include "edit/KeyHints.h"
#include "edit/UiDefs.h"
#include "model/Track.h"

namespace td::test {
namespace {

using KeyboardTest = EditorFixture;

TEST_F(KeyboardTest, ArrowKeys_MoveThePictureByGridSteps) {
    StartWithNewTrack();
    const float x0 = editor.view.OffsetX;
    const float y0 = editor.view.OffsetY;
    Key(VK::Right);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, x0 + 250.0f);
    Key(VK::Right, MaskShift);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, x0 + 2750.0f);
    Key(VK::Right, MaskCtrl);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, x0 + 3000.0f);
    Key(VK::Left, MaskShift | MaskCtrl);
    EXPECT_FLOAT_EQ(editor.view.OffsetX, x0 + 2750.0f);
    Key(VK::Up);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, y0 - 250.0f);
    Button("GridFine");
    Key(VK::Down, MaskShift);
    EXPECT_FLOAT_EQ(editor.view.OffsetY, y0 + 250.0f);
}

TEST_F(KeyboardTest, ZoomKeys_StepByAQuarterAndStopAtLowerLimit) {
    StartWithNewTrack();
    Key(VK::NumPlus);
    Key(VK::Plus);
    EXPECT_FLOAT_EQ(editor.view.Zoom, 3.0f);
    EXPECT_EQ(host.panels["Zoom"], "Zoom Level:3");
    for (int i = 0; i < 20; ++i)
        Key(i % 2 ? VK::Minus : VK::NumMinus);
    EXPECT_FLOAT_EQ(editor.view.Zoom, 0.75f);
    EXPECT_EQ(host.panels["Zoom"], "Zoom Level:0.75");
    const int redraws = editor.RefreshCount;
    Key(VK::NumMinus);
    EXPECT_FLOAT_EQ(editor.view.Zoom, 0.75f);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
}

TEST_F(KeyboardTest, RedrawKeys_F5AndShiftRelease) {
    StartWithNewTrack();
    int redraws = editor.RefreshCount;
    Key(VK::F5);
    EXPECT_EQ(editor.RefreshCount, ++redraws);
    editor.Dispatch(Command::Key(CommandKind::KeyUp, VK::A, MaskShift));
    EXPECT_EQ(editor.RefreshCount, ++redraws);
    editor.Dispatch(Command::Key(CommandKind::KeyUp, VK::A, MaskShift | MaskCtrl));
    Key(VK::Shift);
    Key(90); // unbound
    EXPECT_EQ(editor.RefreshCount, redraws);
}

TEST_F(KeyboardTest, SymbolKeys_PickListEntriesOnCurrentSpace) {
    StartWithNewTrack();
    Key(VK::H);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Symbol, Sym::ArrowHeavy);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 1);
    Key(VK::R);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Symbol, Sym::ArrowDoubleRight);
    Key(VK::SpaceBar);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Symbol, Sym::Regular);
}

TEST_F(KeyboardTest, TeamSymbolInUse_IsRefusedAndSpaceBecomesRegular) {
    StartWithNewTrack();
    // Garage of team 1 (code 40) sits on the first garage space.
    editor.Dispatch(Command::Combo("SpacePropCombo", 15));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Space Type Already In Use");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Symbol, Sym::Regular);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 0);
    // The same symbol again on the space that carries it raises nothing.
    editor.sel.CurLane = 3;
    editor.LoadCurrentSpace();
    editor.Dispatch(Command::Combo("SpacePropCombo", 15));
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(KeyboardTest, LinkKeys_RespectTheirButtonsState) {
    StartWithNewTrack();
    Key(VK::N); // disabled without a primary space: nothing happens
    Key(VK::A);
    EXPECT_TRUE(editor.ButtonEnabled("AddSpace"));
    EXPECT_FALSE(editor.ButtonEnabled("SetNextSpace"));
    EXPECT_EQ(editor.sel.PrimarySpace, NoSpace);
}

TEST_F(KeyboardTest, DeleteKey_IsTheDeleteSpaceButtonOutsidePolygonMode) {
    StartWithNewTrack();
    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 0;
    editor.LoadCurrentSpace();
    const size_t before = editor.track.Lanes[1].Spaces.size();
    ASSERT_GT(before, 1u);
    Key(VK::Delete);
    EXPECT_EQ(editor.track.Lanes[1].Spaces.size(), before - 1);
    Menu("MnuUndo"); // one step, as the button's
    EXPECT_EQ(editor.track.Lanes[1].Spaces.size(), before);

    Button("PolyMode");
    EXPECT_FALSE(editor.ButtonEnabled("DeleteSpace"));
    Key(VK::Delete);
    EXPECT_EQ(editor.track.Lanes[1].Spaces.size(), before);
    Button("EditCorner");
    Key(VK::Delete);
    EXPECT_EQ(editor.track.Lanes[1].Spaces.size(), before - 1);
}

TEST_F(KeyboardTest, KeyHints_NameRealCommandsAndShowInTooltipsAndMenus) {
    for (const KeyHint& h : KeyHints()) {
        const ButtonDef* b = FindMainButton(h.command);
        if (b) {
            const std::string tail = std::string(" (") + h.key + ")";
            ASSERT_GE(b->tooltip.size(), tail.size()) << h.command;
            EXPECT_EQ(b->tooltip.substr(b->tooltip.size() - tail.size()), tail) << h.command;
        } else {
            EXPECT_EQ(std::string(h.command).rfind("Mnu", 0), 0u) << h.command;
        }
    }
    EXPECT_EQ(FindMainButton("SetPrimarySpace")->tooltip,
              "Set the current space as the \"primary\" (P)");
    EXPECT_EQ(FindMainButton("ZoomView")->tooltip, "Zoom the view in and out");
    EXPECT_EQ(MenuTextWithKey("MnuDrawFullDetail", "Draw Wireframe"), "Draw Wireframe\tF");
    EXPECT_EQ(MenuTextWithKey("MnuSave", "&Save"), "&Save");

    // The keys do what their buttons do.
    StartWithNewTrack();
    editor.sel.CurLane = 1;
    editor.sel.CurSpace = 2;
    Key(VK::P);
    EXPECT_EQ(editor.sel.PrimarySpace, 1002);
    const int cor = editor.sel.WorkCOR;
    Key(VK::O);
    EXPECT_NE(editor.sel.WorkCOR, cor);
}

} // namespace
} // namespace td::test
