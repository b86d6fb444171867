#include <algorithm>

#include "GestureFixture.h"
#include "edit/Editor.h"

namespace td::test {
namespace {

class PolyCommands : public GestureFixture {
  protected:
    void SetUp() override {
        StartWithNewTrack();
        Button("PolyMode");
        for (std::int16_t i = 0; i < 4; ++i)
            editor.track.BackPolys.push_back(BackPoly{2, Colour(i), 0, {{10 * i, 10}}});
        editor.sel.CurPoly = 1;
    }
    std::vector<Colour> Order() const {
        std::vector<Colour> out;
        for (const BackPoly& p : editor.track.BackPolys)
            out.push_back(p.FillColor);
        return out;
    }
    void PaletteEntry(const std::string& key, const std::string& tag, int k) {
        Command c = Command::Button(key);
        c.text = tag;
        c.index = k;
        editor.Dispatch(c);
    }
};

TEST_F(PolyCommands, StackingMovesRedrawInFilledModeOnly) {
    int refreshes = editor.RefreshCount;
    Button("PolyFront");
    EXPECT_EQ(Order(), (std::vector<Colour>{0, 2, 3, 1}));
    EXPECT_EQ(editor.sel.CurPoly, 3);
    EXPECT_EQ(host.controlText["PolyZOrderTxt"], "3");
    EXPECT_EQ(editor.RefreshCount, ++refreshes);
    Button("PolyFront"); // already in front: nothing, not even a redraw
    EXPECT_EQ(editor.RefreshCount, refreshes);
    Button("PolyBack");
    EXPECT_EQ(Order(), (std::vector<Colour>{1, 0, 2, 3}));
    Button("PolyBack");
    EXPECT_EQ(editor.RefreshCount, ++refreshes);

    Key(VK::F); // wireframe
    refreshes = editor.RefreshCount;
    Button("PolyForward");
    EXPECT_EQ(Order(), (std::vector<Colour>{0, 1, 2, 3}));
    EXPECT_EQ(editor.sel.CurPoly, 1);
    Button("PolyBackward");
    EXPECT_EQ(Order(), (std::vector<Colour>{1, 0, 2, 3}));
    EXPECT_EQ(editor.RefreshCount, refreshes);
}

TEST_F(PolyCommands, PaletteEntriesAndTheColourDialog) {
    PaletteEntry("PolyFillcolor", "Fill", 4);
    EXPECT_EQ(editor.track.BackPolys[1].FillColor, 0x1B7913u);
    PaletteEntry("PolyOutline", "Outline", 9);
    EXPECT_EQ(editor.track.BackPolys[1].OutlineColor, 0x52C6E2u);
    PaletteEntry("PolyOutline", "Outline", 10); // no such entry
    EXPECT_EQ(editor.track.BackPolys[1].OutlineColor, 0x52C6E2u);

    host.colours.push_back(0x123456);
    int refreshes = editor.RefreshCount;
    Button("PolyFillcolor");
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "ColorDialog " + std::to_string(0x1B7913)),
              host.log.end());
    EXPECT_EQ(editor.track.BackPolys[1].FillColor, 0x123456u);
    EXPECT_EQ(editor.RefreshCount, ++refreshes);
    // Cancelled: the colour stays.
    Button("PolyFillcolor");
    EXPECT_EQ(editor.track.BackPolys[1].FillColor, 0x123456u);

    // The outline shows only in filled mode: no redraw in wireframe.
    Key(VK::F);
    refreshes = editor.RefreshCount;
    host.colours.push_back(0x000001);
    Menu("MnuPolyOutline");
    EXPECT_EQ(editor.track.BackPolys[1].OutlineColor, 0x000001u);
    EXPECT_EQ(editor.RefreshCount, refreshes);

    editor.sel.CurPoly = 9;
    const size_t logged = host.log.size();
    Button("PolyFillcolor");
    EXPECT_EQ(host.log.size(), logged);
}

TEST_F(PolyCommands, CtrlDDuplicatesInPolygonModeOnly) {
    Key(VK::D, MaskCtrl);
    ASSERT_EQ(editor.track.BackPolys.size(), 5u);
    EXPECT_EQ(editor.track.BackPolys[4].Vtxs, (std::vector<PointI>{{110, -40}}));
    EXPECT_EQ(editor.sel.CurPoly, 4);
    Key(VK::D, MaskCtrl | MaskShift);
    Key(VK::D);
    Button("TranslateView");
    Key(VK::D, MaskCtrl);
    EXPECT_EQ(editor.track.BackPolys.size(), 5u);
    Button("PolyMode");
    Menu("MnuDupPoly");
    EXPECT_EQ(editor.track.BackPolys.size(), 6u);
}

TEST_F(PolyCommands, DeleteAsksFirst) {
    host.Answer(MsgAnswer::No);
    Button("DeletePoly");
    EXPECT_EQ(editor.track.BackPolys.size(), 4u);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Delete Polygon");
    EXPECT_EQ(host.messages[0].text, "Are you sure you want to delete the current polygon?");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
    host.Answer(MsgAnswer::Yes);
    Menu("MnuDeletePoly");
    EXPECT_EQ(Order(), (std::vector<Colour>{0, 2, 3}));
    EXPECT_EQ(editor.sel.CurPoly, 1);
}

TEST_F(PolyCommands, CommandsWhileBuildingNeverExtendAFinishedPolygon) {
    Button("CreatePoly");
    editor.view.Zoom = 1.0f;
    Click(At(1000, 1000));
    EXPECT_EQ(editor.sel.CurPoly, 4);
    Button("PolyBack"); // the polygon under construction goes to the back
    EXPECT_TRUE(editor.sel.PolyClosed);
    Click(At(2000, 2000));
    // A new polygon starts; the ones before keep their vertices.
    ASSERT_EQ(editor.track.BackPolys.size(), 6u);
    EXPECT_EQ(editor.track.BackPolys[4].Vtxs.size(), 1u);
    EXPECT_EQ(editor.track.BackPolys[5].Vtxs, (std::vector<PointI>{{2000, 2000}}));
}

TEST_F(PolyCommands, DetailComboSetsTheDetailOfTheCurrentAndOfNewPolygons) {
    const int refreshes = editor.RefreshCount;
    editor.Dispatch(Command::Combo("PolyDetailCombo", 2));
    EXPECT_EQ(editor.track.BackPolys[1].Detail, 4);
    EXPECT_EQ(editor.RefreshCount, refreshes);
    // At the default detail level 2 the polygon is gone at the next redraw.
    surface.Reset();
    editor.sel.CurPoly = 0;
    editor.RefreshView();
    size_t scenery = 0; // the test polygons have one vertex each
    for (const Call& c : surface.Of(Op::Polygon))
        scenery += c.pixels.size() == 1 ? 1 : 0;
    EXPECT_EQ(scenery, 3u);

    editor.Dispatch(Command::Combo("PolyDetailCombo", 1));
    Button("CreatePoly");
    editor.view.Zoom = 1.0f;
    Click(At(3000, 3000));
    EXPECT_EQ(editor.track.BackPolys.back().Detail, 3);
}

TEST_F(PolyCommands, OutlinePolysFromTheToolsMenu) {
    const int refreshes = editor.RefreshCount;
    Menu("MnuCreateOutline");
    ASSERT_EQ(editor.track.BackPolys.size(), 6u);
    EXPECT_EQ(editor.track.BackPolys[4].FillColor, Palette[2]);
    EXPECT_EQ(editor.track.BackPolys[5].FillColor, Palette[4]);
    EXPECT_EQ(editor.sel.CurPoly, 5);
    EXPECT_EQ(host.controlText["PolyZOrderTxt"], "5");
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);
}

} // namespace
} // namespace td::test
