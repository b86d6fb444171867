#include "EditorFixture.h"

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

} // namespace
} // namespace td::test
