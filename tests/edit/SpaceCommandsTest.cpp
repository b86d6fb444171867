// The space commands through the editor: keys, buttons and the mouse, with
// what they draw.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "EditorFixture.h"
#include "model/TrackFile.h"
#include "tools/Segments.h"
#include "view/ViewTransform.h"

namespace td::test {

namespace {

class SpaceCommandsTest : public EditorFixture {
  protected:
    void Mouse(CommandKind kind, float x, float y, int button = 1, int shift = 0) {
        editor.Dispatch(Command::Mouse(kind, button, shift, x, y));
    }
    void Select(int lane, int space) {
        editor.sel.CurLane = lane;
        editor.sel.CurSpace = space;
        editor.LoadCurrentSpace();
    }
    const Space& At(int lane, int space) {
        return editor.track.Lanes.at(static_cast<size_t>(lane))
            .Spaces.at(static_cast<size_t>(space));
    }
    // Exclusive-or drawings that were not cancelled by an identical second one.
    std::vector<std::string> UnbalancedXor() {
        std::map<std::tuple<int, std::vector<float>, Colour, int>, int> n;
        for (const Call& c : surface.calls)
            if (c.IsDrawing() && c.penMode == PenXor)
                ++n[{static_cast<int>(c.op), c.v, c.colour, c.lineStyle}];
        std::vector<std::string> odd;
        for (const auto& [key, count] : n)
            if (count % 2)
                odd.push_back(OpName(static_cast<Op>(std::get<0>(key))));
        return odd;
    }
};

void ExpectCentre(const Space& s, float x, float y) {
    EXPECT_NEAR(s.Pt[0].x, x, 1e-2);
    EXPECT_NEAR(s.Pt[0].y, y, 1e-2);
}

} // namespace

TEST_F(SpaceCommandsTest, EnterAndSymbolKeysGrowALane) {
    StartWithNewTrack();
    ASSERT_EQ(editor.track.Lanes[2].Name, "Right");
    ExpectCentre(At(2, 0), 0.0f, 0.0f);
    Key(VK::Enter); // stores space 0 and steps onto the pending space
    EXPECT_EQ(editor.sel.CurSpace, 1);
    EXPECT_EQ(editor.track.Lanes[2].Spaces.size(), 1u);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "1");
    Key(VK::H);
    Key(VK::Enter);
    ASSERT_EQ(editor.track.Lanes[2].Spaces.size(), 2u);
    ExpectCentre(At(2, 1), 200.0f, 0.0f);
    EXPECT_EQ(At(2, 1).Symbol, Sym::ArrowHeavy);
    Key(VK::L);
    Key(VK::Enter);
    ExpectCentre(At(2, 2), 400.0f, 0.0f);
    EXPECT_EQ(At(2, 2).Symbol, Sym::ArrowDoubleLeft);
    EXPECT_EQ(host.panels["CurrSpace"], "Space 4");

    // Enter in polygon mode adds nothing.
    Button("PolyMode");
    Key(VK::Enter);
    EXPECT_EQ(editor.track.Lanes[2].Spaces.size(), 3u);
}

TEST_F(SpaceCommandsTest, SecondSpaceOfTheMiddleLaneStartsRegular) {
    StartWithNewTrack();
    // The pit lane's second space: the symbol list jumps back to "Regular Space".
    const int pit = FindLane(editor.track, "Pit");
    Select(pit, 0);
    Key(VK::S);
    Button("AddSpace");
    EXPECT_EQ(At(pit, 0).Symbol, Sym::ArrowLight);
    Button("AddSpace");
    EXPECT_EQ(At(pit, 1).Symbol, Sym::Regular);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 0);
}

TEST_F(SpaceCommandsTest, AddOnAMiddleSpaceRewritesItAndMovesOn) {
    StartWithNewTrack();
    Select(3, 2);
    const size_t count = editor.track.Lanes[3].Spaces.size();
    Button("TranslateSpace");
    editor.sel.WorkPts[0].x += 30.0f; // a working copy moved with Shift held
    Button("AddSpace");
    EXPECT_EQ(editor.track.Lanes[3].Spaces.size(), count);
    EXPECT_EQ(editor.sel.CurSpace, 3);
    EXPECT_NEAR(At(3, 2).Pt[0].x, 630.0f, 1e-2);
    ExpectCentre(At(3, 3), 800.0f, 200.0f); // untouched
}

TEST_F(SpaceCommandsTest, DeleteAndResetRedrawEverything) {
    StartWithNewTrack();
    Select(3, 1);
    const int redraws = editor.RefreshCount;
    Button("DeleteSpace");
    EXPECT_EQ(editor.RefreshCount, redraws + 1);
    ExpectCentre(At(3, 1), 400.0f, 200.0f);
    EXPECT_EQ(At(3, 1).Symbol, Sym::GarageTeam1 + 1);

    // The only space of a lane stays, and nothing is redrawn.
    Select(2, 0);
    Button("DeleteSpace");
    EXPECT_EQ(editor.track.Lanes[2].Spaces.size(), 1u);
    EXPECT_EQ(editor.RefreshCount, redraws + 1);

    Button("TranslateSpace");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseMove, 101.0f, 1.0f);
    Button("ResetSpace");
    ExpectCentre(At(2, 0), 0.0f, 0.0f);
    EXPECT_NEAR(editor.sel.WorkPts[0].x, 0.0f, 1e-3);
}

TEST_F(SpaceCommandsTest, DeleteSpace_LinksAndGridPlacesFollowTheirSpacesInOneUndoStep) {
    StartWithNewTrack();
    Space& left = editor.track.Lanes[0].Spaces[0];
    left.Nxt = {MakeRef(3, 2), MakeRef(3, 1)};
    editor.track.StartPos[1] = MakeRef(3, 5);
    Select(3, 1);
    editor.sel.PrimarySpace = MakeRef(3, 9);
    editor.history.Reset(editor.track);
    const Track before = editor.track;
    Button("DeleteSpace");
    EXPECT_EQ(editor.track.Lanes[0].Spaces[0].Nxt[0], MakeRef(3, 1));
    EXPECT_EQ(editor.track.Lanes[0].Spaces[0].Nxt[1], NoSpace);
    EXPECT_EQ(editor.track.StartPos[1], MakeRef(3, 4));
    EXPECT_EQ(editor.sel.PrimarySpace, MakeRef(3, 8));
    EXPECT_EQ(editor.history.StepCount(), 1u);
    Menu("MnuUndo");
    EXPECT_EQ(FormatTrack(editor.track, {"-", "-", "-"}), FormatTrack(before, {"-", "-", "-"}));
    EXPECT_EQ(editor.sel.PrimarySpace, MakeRef(3, 9));
}

TEST_F(SpaceCommandsTest, PendingSpace_StoresNoTeamSymbolTwiceAndDeleteGivesBackItsOwn) {
    StartWithNewTrack();
    Select(3, 9); // the last garage, team 10
    ASSERT_EQ(At(3, 9).Symbol, Sym::GarageTeam1 + 9);
    Button("AddSpace"); // the pending space keeps the team's symbol picked
    EXPECT_TRUE(host.messages.empty());
    Button("AddSpace");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Space Type Already In Use");
    EXPECT_EQ(At(3, 10).Symbol, Sym::Regular);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 0);

    // Deleting the pending space takes back the space before it, whose own
    // symbol the next "AddSpace" stores again.
    Button("DeleteSpace"); // the regular space goes
    Button("DeleteSpace"); // and garage 10
    ASSERT_EQ(editor.track.Lanes[3].Spaces.size(), 9u);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 24); // "Pit garage, Team 10"
    Button("AddSpace");
    EXPECT_EQ(At(3, 9).Symbol, Sym::GarageTeam1 + 9);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SpaceCommandsTest, WholeTrackMoveOnThePendingSpaceKeepsTheLengthOfTheLastSpace) {
    StartWithNewTrack();
    Select(2, 0);
    Button("ScaleSpaceUp");
    Button("ScaleSpaceUp");
    const float scale = At(2, 0).Scale;
    ASSERT_GT(scale, 1.1f);
    Button("AddSpace"); // the pending space, scale 1
    Button("TranslateTrack");
    Mouse(CommandKind::MouseDown, 5000.0f, 5000.0f);
    Mouse(CommandKind::MouseMove, 9000.0f, 5000.0f);
    Mouse(CommandKind::MouseUp, 9000.0f, 5000.0f);
    EXPECT_EQ(editor.sel.CurSpace, 0);
    EXPECT_EQ(editor.sel.WorkScale, scale);
    Button("AddSpace");
    EXPECT_EQ(At(2, 0).Scale, scale);
}

TEST_F(SpaceCommandsTest, PitPaint_RefreshesThePanelSoThatEnterKeepsTheTeamBox) {
    StartWithNewTrack();
    const int pit = FindLane(editor.track, "Pit");
    Select(pit, 0);
    for (int i = 0; i < 10; ++i)
        Button("AddSpace");
    Select(pit, 0);
    Key(VK::SpaceBar); // a regular space
    Menu("MnuCreatePitPaint");
    ASSERT_EQ(At(pit, 0).Symbol, Sym::PitTeam1);
    EXPECT_EQ(host.comboIndex["SpacePropCombo"], 5); // "Pit lane, Team 1"
    Button("AddSpace");
    EXPECT_EQ(At(pit, 0).Symbol, Sym::PitTeam1);
}

TEST_F(SpaceCommandsTest, RefusedLinksSayWhyInTheStatusBar) {
    StartWithNewTrack();
    ASSERT_TRUE(editor.LoadTrackFile(DataFile("../../tracks/demo.trk")));
    Button("SetNextSpace");
    EXPECT_EQ(host.statusMessages,
              std::vector<std::string>{"No link: pick the primary space first"});

    // A corner space of the middle lane with its double arrow.
    int corner = 0;
    while (!IsCornerSymbol(At(1, corner).Symbol))
        ++corner;
    const bool left = At(1, corner).Symbol == Sym::ArrowDoubleLeft;
    Select(1, corner);
    Button("SetPrimarySpace");
    const auto links = At(1, corner).Nxt;
    Select(left ? 0 : 2, corner);
    Button("SetNextSpace");
    EXPECT_EQ(host.statusMessages.back(), "No Next link: the primary space's double arrow "
                                          "allows Next links to its other side only");
    EXPECT_EQ(At(1, corner).Nxt, links);
    Select(1, corner + 1);
    Button("SetAdjacentSpace");
    EXPECT_EQ(host.statusMessages.back(),
              "No link: the space is in the primary space's own lane");

    // An allowed link says nothing.
    const size_t said = host.statusMessages.size();
    Select(left ? 2 : 0, corner + 3);
    Button("SetNextSpace");
    EXPECT_EQ(host.statusMessages.size(), said);
    EXPECT_EQ(At(1, corner).Nxt[left ? 0 : 1], MakeRef(left ? 2 : 0, corner + 3));
}

TEST_F(SpaceCommandsTest, ScaleButtonsKeepTheirLimits) {
    StartWithNewTrack();
    Select(3, 0);
    editor.sel.WorkScale = 2.0f;
    const float before = At(3, 0).Scale;
    Button("ScaleSpaceUp");
    EXPECT_EQ(At(3, 0).Scale, before);
    editor.track.Lanes[3].Spaces[0].Symbol = 60;
    Button("ScaleSpaceUp");
    EXPECT_FLOAT_EQ(At(3, 0).Scale, 2.1f);
    EXPECT_TRUE(host.buttonEnabled["ScaleSpaceDown"]);

    editor.sel.WorkScale = 0.8f;
    Button("ScaleSpaceDown");
    EXPECT_FLOAT_EQ(At(3, 0).Scale, 2.1f);
    editor.sel.WorkScale = 1.0f;
    Button("ScaleSpaceDown");
    EXPECT_FLOAT_EQ(At(3, 0).Scale, 0.9f);
    // The next garage followed the front end: it moved back by 10.
    ExpectCentre(At(3, 1), 390.0f, 200.0f);
}

TEST_F(SpaceCommandsTest, ScaleButtonsSayWhetherAPressWouldChangeTheLength) {
    StartWithNewTrack();
    Select(3, 0);
    // Steps of 0.1 from 1.0 land beside the limits; the buttons go off there.
    int downs = 0;
    while (host.buttonEnabled["ScaleSpaceDown"] && downs < 10) {
        const float before = At(3, 0).Scale;
        Button("ScaleSpaceDown");
        EXPECT_LT(At(3, 0).Scale, before);
        ++downs;
    }
    EXPECT_EQ(downs, 2);
    EXPECT_TRUE(host.buttonEnabled["ScaleSpaceUp"]);
    int ups = 0;
    while (host.buttonEnabled["ScaleSpaceUp"] && ups < 30) {
        Button("ScaleSpaceUp");
        ++ups;
    }
    EXPECT_EQ(ups, 12);
    EXPECT_NEAR(At(3, 0).Scale, 2.0f, 1e-4);
    const float top = At(3, 0).Scale;
    Button("ScaleSpaceUp");
    EXPECT_EQ(At(3, 0).Scale, top);

    // Another space of ordinary length has both; the pending space neither.
    Select(3, 1);
    editor.UpdateToolbarState();
    EXPECT_TRUE(host.buttonEnabled["ScaleSpaceUp"]);
    EXPECT_TRUE(host.buttonEnabled["ScaleSpaceDown"]);
    Select(3, 10);
    editor.UpdateToolbarState();
    EXPECT_FALSE(host.buttonEnabled["ScaleSpaceUp"]);
    EXPECT_FALSE(host.buttonEnabled["ScaleSpaceDown"]);
}

TEST_F(SpaceCommandsTest, StopFlagsAndLinkLettersGoWithTheSpacesDraggedAlong) {
    StartWithNewTrack();
    // The garages as the current corner's segment, linked from a primary space.
    for (Space& s : editor.track.Lanes[3].Spaces)
        s.Segment = 1;
    editor.sel.CurCorner = 0;
    editor.track.Lanes[3].Spaces[8].Nxt[0] = MakeRef(3, 5);
    editor.sel.PrimarySpace = MakeRef(3, 8);
    // Exclusive-or boxes and lines left standing: what shows on the screen.
    auto shown = [&] {
        std::map<std::tuple<int, std::vector<float>>, int> n;
        for (const Call& c : surface.calls)
            if ((c.op == Op::Box || c.op == Op::Line) && c.penMode == PenXor &&
                c.lineStyle == LineSolid)
                ++n[{static_cast<int>(c.op), c.v}];
        std::set<std::tuple<int, std::vector<float>>> odd;
        for (const auto& [key, count] : n)
            if (count % 2)
                odd.insert(key);
        return odd;
    };
    auto expectAsRedrawn = [&](const char* what) {
        const auto before = shown();
        surface.Reset();
        editor.RefreshView();
        EXPECT_EQ(before, shown()) << what;
    };
    Select(3, 2);
    surface.Reset();
    editor.RefreshView();
    Button("ScaleSpaceUp");
    Button("ScaleSpaceUp");
    expectAsRedrawn("scale");
    Button("TranslateSpace");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseMove, 101.0f, 1.0f);
    expectAsRedrawn("move");
    Mouse(CommandKind::MouseUp, 101.0f, 1.0f);
}

TEST_F(SpaceCommandsTest, SpaceDragsFollowTheGrid) {
    StartWithNewTrack();
    Select(3, 0);
    Button("TranslateSpace");
    Button("GridFine");
    const float zoom = editor.view.Zoom;
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f); // empty ground: the drag moves the current space
    Mouse(CommandKind::MouseMove, 11.0f, 21.0f);
    ExpectCentre(At(3, 0), 200.0f + 10.0f / zoom, 200.0f + 20.0f / zoom);
    ExpectCentre(At(3, 9), 2000.0f + 10.0f / zoom, 200.0f + 20.0f / zoom);
    EXPECT_NEAR(editor.sel.WorkPts[0].x, 200.0f + 10.0f / zoom, 1e-3);

    Button("GridCoarse");
    Mouse(CommandKind::MouseMove, 111.0f, 121.0f);
    ExpectCentre(At(3, 0), 200.0f + 10.0f / zoom, 200.0f + 20.0f / zoom);
    Mouse(CommandKind::MouseMove, 161.0f, 121.0f); // 150 from the anchor on x
    ExpectCentre(At(3, 0), 200.0f + 160.0f / zoom, 200.0f + 20.0f / zoom);

    // With Shift only the working copy moves; "AddSpace" stores it alone.
    Mouse(CommandKind::MouseMove, 161.0f, 421.0f, 1, MaskShift);
    ExpectCentre(At(3, 0), 200.0f + 160.0f / zoom, 200.0f + 20.0f / zoom);
    Mouse(CommandKind::MouseUp, 161.0f, 421.0f);
    Button("AddSpace");
    ExpectCentre(At(3, 0), 200.0f + 160.0f / zoom, 200.0f + 420.0f / zoom);
    ExpectCentre(At(3, 1), 400.0f + 160.0f / zoom, 200.0f + 20.0f / zoom);
}

TEST_F(SpaceCommandsTest, RotateDragTurnsByTheGridAngle) {
    StartWithNewTrack();
    Select(3, 0);
    Button("RotateSpace");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    EXPECT_EQ(host.pointer, "SizeWE");
    Mouse(CommandKind::MouseMove, 1.0f, 300.0f); // vertical: nothing
    EXPECT_EQ(At(3, 0).Rotation, 0);
    Mouse(CommandKind::MouseMove, 30.0f, 300.0f);
    EXPECT_EQ(At(3, 0).Rotation, 5);
    EXPECT_EQ(At(3, 9).Rotation, 5);
    Mouse(CommandKind::MouseMove, 0.0f, 300.0f);
    Mouse(CommandKind::MouseMove, -30.0f, 300.0f);
    EXPECT_EQ(At(3, 0).Rotation, 355);

    Button("RotateTrack");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    Mouse(CommandKind::MouseMove, 30.0f, 1.0f);
    EXPECT_EQ(At(3, 0).Rotation, 0);
    EXPECT_EQ(At(2, 0).Rotation, 5);
}

TEST_F(SpaceCommandsTest, RightClickAddsASpaceOutsideCornerAndPolygonModes) {
    StartWithNewTrack();
    Button("TranslateView");
    const int redraws = editor.RefreshCount;
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f, 2);
    Mouse(CommandKind::MouseUp, 1.0f, 1.0f, 2);
    EXPECT_EQ(editor.sel.CurSpace, 1);
    EXPECT_EQ(editor.RefreshCount, redraws);
    Button("PolyMode");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f, 2);
    EXPECT_EQ(editor.track.Lanes[2].Spaces.size(), 1u);
}

TEST_F(SpaceCommandsTest, HighlightAndMarksCancelOnTheSurface) {
    StartWithNewTrack();
    Select(1, 0);
    Key(VK::P);
    Select(2, 0);
    surface.Reset();
    // Selecting a space by the mouse and going back leaves no highlight behind.
    const float x = WorldToScreenX(editor.view, At(1, 1).CenterX());
    const float y = WorldToScreenY(editor.view, At(1, 1).CenterY());
    const float x0 = WorldToScreenX(editor.view, 0.0f), y0 = WorldToScreenY(editor.view, 0.0f);
    Mouse(CommandKind::MouseDown, x, y);
    Mouse(CommandKind::MouseDown, x0, y0);
    // A Next link set and cleared again, five turns of the centre of rotation.
    Key(VK::N);
    EXPECT_EQ(At(1, 0).Nxt[0], 2000);
    EXPECT_FALSE(UnbalancedXor().empty());
    Key(VK::N);
    EXPECT_EQ(At(1, 0).Nxt[0], NoSpace);
    for (int i = 0; i < 5; ++i)
        Button("ChangeCOR");
    EXPECT_TRUE(UnbalancedXor().empty());
    EXPECT_EQ(surface.Count(Op::Clear), 0u);

    // Adjacent after Next moves the mark from N to A.
    Key(VK::N);
    Key(VK::A);
    EXPECT_EQ(At(1, 0).Nxt[0], NoSpace);
    EXPECT_EQ(At(1, 0).Adj[0], 2000);
    Key(VK::A);
    EXPECT_TRUE(UnbalancedXor().empty());
}

TEST_F(SpaceCommandsTest, DragStepDrawsOnlyTheSpacesItMoves) {
    StartWithNewTrack();
    Select(3, 8);
    Button("TranslateSpace");
    Mouse(CommandKind::MouseDown, 1.0f, 1.0f);
    surface.Reset();
    Mouse(CommandKind::MouseMove, 51.0f, 1.0f);
    EXPECT_EQ(surface.Count(Op::Clear), 0u);
    // Two spaces moved, each drawn out and in; no copy-mode drawing.
    for (const Call& c : surface.calls) {
        if (c.IsDrawing()) {
            EXPECT_EQ(c.penMode, PenXor) << RecordingSurface::Describe(c);
        }
    }
    EXPECT_EQ(surface.Count(Op::Polygon), 4u);
    // The highlight off and on again: outline, centre cross and chevron.
    EXPECT_EQ(surface.Count(Op::Line), 2u * (4u + 2u + 2u));
}

} // namespace td::test
