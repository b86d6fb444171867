#include "EditorFixture.h"

#include <algorithm>
#include <cmath>

namespace td::test {
namespace {

class PropertyPanelTest : public EditorFixture {
  protected:
    void Type(const std::string& text) { editor.Dispatch(Command::Text("SpacePosTxt", text)); }
    void Choose(const std::string& combo, int index) {
        editor.Dispatch(Command::Combo(combo, index));
    }
    void Select(int lane, int space) {
        editor.sel.CurLane = lane;
        editor.sel.CurSpace = space;
        editor.LoadCurrentSpace();
    }
};

TEST_F(PropertyPanelTest, PositionBox_TakesTheLeadingNumberOfEachKeystroke) {
    StartWithNewTrack();
    Select(3, 4); // a garage in the middle of its row
    float& pos = editor.track.Lanes[3].Spaces[4].LanePos;
    Type("1");
    EXPECT_FLOAT_EQ(pos, 1.0f);
    Type("12");
    EXPECT_FLOAT_EQ(pos, 12.0f);
    Type("");
    EXPECT_FLOAT_EQ(pos, 12.0f);
    Type(" -1.5");
    EXPECT_FLOAT_EQ(pos, -1.5f);
    Type("2x");
    EXPECT_FLOAT_EQ(pos, 2.0f);
    Type("x");
    EXPECT_FLOAT_EQ(pos, 0.0f);
    Type("3e1z");
    EXPECT_FLOAT_EQ(pos, 30.0f);
}

TEST_F(PropertyPanelTest, PositionBox_NegativeZeroIsZeroAndRecordsNoStepOverZero) {
    StartWithNewTrack();
    Select(3, 4);
    float& pos = editor.track.Lanes[3].Spaces[4].LanePos;
    Type("-0");
    EXPECT_FALSE(std::signbit(pos));
    Type("0");
    Button("CenterView"); // ends the run of keystrokes
    const size_t steps = editor.history.StepCount();
    for (const char* zero : {"-0", "-0.0", "-0e5", "0"}) {
        Type(zero);
        Button("CenterView");
    }
    EXPECT_FALSE(std::signbit(pos));
    EXPECT_EQ(editor.history.StepCount(), steps);
}

TEST_F(PropertyPanelTest, PositionBox_ReadsAndShowsTheLocaleDecimalSeparator) {
    host.decimalSeparator = ',';
    StartWithNewTrack();
    Select(3, 4);
    float& pos = editor.track.Lanes[3].Spaces[4].LanePos;
    Type("2,5");
    EXPECT_FLOAT_EQ(pos, 2.5f);
    Type("1.25");
    EXPECT_FLOAT_EQ(pos, 1.25f);
    Select(3, 3);
    Select(3, 4);
    EXPECT_EQ(host.controlText["SpacePosTxt"], "1,25");
    editor.sel.CurSpace = 10; // a pending garage sits between two places
    editor.UpdateToolbarState();
    EXPECT_EQ(host.controlText["SpacePosTxt"], "10,5");
}

TEST_F(PropertyPanelTest, ChosenSymbol_RedrawsOnlyTheCurrentSpaceAndKeepsXorMarksBalanced) {
    StartWithNewTrack();
    // A corner flag standing on the current space.
    Corner flag;
    flag.Vtx = {PointF{0.0f, 0.0f}, PointF{0.0f, -80.0f}, PointF{40.0f, -60.0f}};
    editor.track.Corners.push_back(flag);
    editor.sel.CurCorner = 0;
    const int redraws = editor.RefreshCount;
    surface.Reset();
    Choose("SpacePropCombo", 1); // "Arrow, single, heavy"
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].Symbol, Sym::ArrowHeavy);
    EXPECT_EQ(editor.RefreshCount, redraws);
    EXPECT_EQ(surface.Count(Op::Clear), 0u);

    // One body, in copy mode; every exclusive-or mark over it is taken off
    // before and put back after, the very same calls on both sides.
    size_t body = surface.calls.size();
    for (size_t i = 0; i < surface.calls.size(); ++i)
        if (surface.calls[i].op == Op::Polygon) {
            ASSERT_EQ(body, surface.calls.size()) << "a second body at call " << i;
            body = i;
        }
    ASSERT_LT(body, surface.calls.size());
    EXPECT_EQ(surface.calls[body].penMode, PenCopy);
    auto xorCalls = [&](size_t from, size_t to) {
        std::vector<std::vector<float>> v;
        for (size_t i = from; i < to; ++i)
            if (surface.calls[i].IsDrawing() && surface.calls[i].penMode == PenXor)
                v.push_back(surface.calls[i].v);
        std::sort(v.begin(), v.end());
        return v;
    };
    const auto before = xorCalls(0, body);
    // The dotted outline of the highlight lies on the body's own edges, the
    // flag (white, solid) stands on it.
    auto whiteXorBefore = [&](int lineStyle) {
        return std::count_if(surface.calls.begin(), surface.calls.begin() + static_cast<long>(body),
                             [&](const Call& c) {
                                 return c.penMode == PenXor && c.colour == 0xFFFFFF &&
                                        c.lineStyle == lineStyle;
                             });
    };
    EXPECT_EQ(whiteXorBefore(LineDot), 4);
    EXPECT_GT(whiteXorBefore(LineSolid), 0);
    EXPECT_EQ(before, xorCalls(body, surface.calls.size()));

    // A pending space takes the choice only when it is added: nothing drawn.
    Select(2, 1);
    surface.Reset();
    Choose("SpacePropCombo", 2);
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(PropertyPanelTest, PositionBox_IgnoresLastAndPendingSpace) {
    StartWithNewTrack();
    Select(3, 9);
    Type("7");
    EXPECT_FLOAT_EQ(editor.track.Lanes[3].Spaces[9].LanePos, 0.0f);
    editor.sel.CurSpace = 10;
    Type("7");
    EXPECT_FLOAT_EQ(editor.track.Lanes[3].Spaces[9].LanePos, 0.0f);
}

TEST_F(PropertyPanelTest, GridPlace_PointsAtTheLastSpaceChosenAndNoneClearsNothing) {
    StartWithNewTrack();
    Select(2, 0);
    Choose("StartingGridCombo", 1);
    Choose("StartingGridCombo", 4);
    Select(1, 1);
    Choose("StartingGridCombo", 1);
    Choose("StartingGridCombo", 0);
    EXPECT_EQ(editor.track.StartPos[1], 1001);
    EXPECT_EQ(editor.track.StartPos[4], 2000);
    Choose("StartingGridCombo", 21);
    EXPECT_EQ(editor.track.StartPos[20], NoSpace);
}

TEST_F(PropertyPanelTest, GapPart_WritesExistingSpaceOnly) {
    StartWithNewTrack();
    Choose("GapPartCombo", 3);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].GapPart, 3);
    Choose("GapPartCombo", 7);
    EXPECT_EQ(editor.track.Lanes[2].Spaces[0].GapPart, 3);
    editor.sel.CurSpace = 1; // pending
    Choose("GapPartCombo", 1);
    EXPECT_EQ(editor.track.Lanes[2].Spaces.size(), 1u);
}

} // namespace
} // namespace td::test
