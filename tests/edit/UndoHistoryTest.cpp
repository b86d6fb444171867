#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "edit/UndoHistory.h"
#include "model/Templates.h"

namespace td {
namespace {

Track NewTrack() {
    Track t;
    Selection s;
    BuildNewTrack3(t, s);
    for (int i = 0; i < 30; ++i) {
        BackPoly p;
        p.Vtxs = {{i, 0}, {i + 10, 0}, {i + 10, 10}};
        t.BackPolys.push_back(p);
    }
    return t;
}

Selection At(int lane, int space) {
    Selection s;
    s.CurLane = lane;
    s.CurSpace = space;
    return s;
}

TEST(UndoHistory, UndoAndRedoRestoreTrackAndSelectionOfEachStep) {
    Track t = NewTrack();
    UndoHistory h;
    h.Reset(t);
    const Track original = t;

    t.Lanes[0].Spaces[0].Pt[0].x += 50;
    ASSERT_TRUE(h.Record(t, "Move Space", At(0, 0), At(0, 0)));
    const Track moved = t;
    t.Corners.push_back(Corner{"Hairpin", 2, 5, 3, {}});
    ASSERT_TRUE(h.Record(t, "Add Corner", At(0, 0), At(1, 0)));
    const Track withCorner = t;

    EXPECT_EQ(h.UndoName(), "Add Corner");
    Selection sel = At(1, 0);
    ASSERT_TRUE(h.Undo(t, sel));
    EXPECT_TRUE(SnapshotMatches(TakeSnapshot(moved, nullptr), t));
    EXPECT_EQ(sel.CurLane, 0);
    EXPECT_EQ(h.RedoName(), "Add Corner");
    EXPECT_EQ(h.UndoName(), "Move Space");

    ASSERT_TRUE(h.Undo(t, sel));
    EXPECT_TRUE(h.Matches(original));
    EXPECT_TRUE(SnapshotMatches(TakeSnapshot(original, nullptr), t));
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.Undo(t, sel));

    ASSERT_TRUE(h.Redo(t, sel));
    ASSERT_TRUE(h.Redo(t, sel));
    EXPECT_TRUE(SnapshotMatches(TakeSnapshot(withCorner, nullptr), t));
    EXPECT_EQ(sel.CurLane, 1);
    EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, UnchangedTrackRecordsNothingAndNewEditClearsRedo) {
    Track t = NewTrack();
    UndoHistory h;
    h.Reset(t);
    EXPECT_FALSE(h.Record(t, "Nothing", {}, {}));
    EXPECT_EQ(h.StepCount(), 0u);

    const auto symbol = t.Lanes[1].Spaces[0].Symbol;
    t.Lanes[1].Spaces[0].Symbol = 26;
    h.Record(t, "Change Symbol", {}, {});
    Selection sel;
    h.Undo(t, sel);
    ASSERT_TRUE(h.CanRedo());
    t.BackColor = 0x123456;
    h.Record(t, "Set Background Color", {}, {});
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.StepCount(), 1u);
    EXPECT_EQ(t.Lanes[1].Spaces[0].Symbol, symbol);
}

TEST(UndoHistory, NaNFieldsCompareEqualSoTheyNeverMakeSteps) {
    Track t = NewTrack();
    t.Lanes[0].Spaces[0].LanePos = std::numeric_limits<float>::quiet_NaN();
    UndoHistory h;
    h.Reset(t);
    EXPECT_TRUE(h.Matches(t));
    t.Lanes[0].Spaces[0].Pt[0].y = -0.0f;
    EXPECT_FALSE(h.Matches(t)) << "-0 and 0 differ in bits; an edit must never be missed";
}

TEST(UndoHistory, MergeKeyFoldsARunIntoOneStepAndTypingBackRemovesIt) {
    Track t = NewTrack();
    UndoHistory h;
    h.Reset(t);
    const float start = t.Lanes[0].Spaces[0].LanePos;
    for (float v : {1.0f, 12.0f, 123.0f}) {
        t.Lanes[0].Spaces[0].LanePos = v;
        h.Record(t, "Change Position", At(0, 0), At(0, 0), "SpacePosTxt");
    }
    EXPECT_EQ(h.StepCount(), 1u);
    Selection sel;
    h.Undo(t, sel);
    EXPECT_EQ(t.Lanes[0].Spaces[0].LanePos, start);

    h.Redo(t, sel);
    h.EndMerge();
    t.Lanes[0].Spaces[0].LanePos = 5.0f;
    h.Record(t, "Change Position", {}, {}, "SpacePosTxt");
    EXPECT_EQ(h.StepCount(), 2u) << "a new run after EndMerge is a step of its own";

    t.Lanes[0].Spaces[0].LanePos = 123.0f;
    h.Record(t, "Change Position", {}, {}, "SpacePosTxt");
    EXPECT_EQ(h.StepCount(), 1u) << "a run that ends where it began leaves nothing to undo";
}

TEST(UndoHistory, StepsShareUnchangedPiecesAndStayWithinTheBudget) {
    Track t = NewTrack();
    t.Lanes[0].Spaces.resize(999);
    UndoHistory unbounded;
    unbounded.Reset(t);
    const std::size_t base = unbounded.Bytes();
    t.BackPolys[3].Vtxs[0].x = 77;
    unbounded.Record(t, "Move Vertex", {}, {});
    EXPECT_LT(unbounded.Bytes() - base, 2000u) << "one changed polygon must not copy the lanes";

    UndoHistory h(base * 3, 500);
    h.Reset(t);
    for (int i = 0; i < 20; ++i) {
        t.Lanes[0].Spaces[5].Pt[0].x = static_cast<float>(i + 1);
        h.Record(t, "Move Space", {}, {});
        EXPECT_LE(h.Bytes(), base * 3);
    }
    EXPECT_LT(h.StepCount(), 20u);
    EXPECT_GE(h.StepCount(), 1u);
    Selection sel;
    while (h.Undo(t, sel)) {
    }
    EXPECT_GT(t.Lanes[0].Spaces[5].Pt[0].x, 1.0f) << "the oldest steps were dropped";
}

TEST(UndoHistory, StepLimitDropsTheOldestSteps) {
    Track t = NewTrack();
    UndoHistory h(UndoHistory::DefaultBudget, 5);
    h.Reset(t);
    for (int i = 1; i <= 8; ++i) {
        t.BackColor = static_cast<Colour>(i);
        h.Record(t, "Set Background Color", {}, {});
    }
    EXPECT_EQ(h.StepCount(), 5u);
    Selection sel;
    while (h.Undo(t, sel)) {
    }
    EXPECT_EQ(t.BackColor, 3u);
}

TEST(UndoHistory, RebaseTakesTheTrackWithoutAStepAndKeepsTheStateId) {
    Track t = NewTrack();
    UndoHistory h;
    h.Reset(t);
    t.Lanes[0].Spaces[0].Symbol = 27;
    h.Record(t, "Change Symbol", {}, {});
    const auto id = h.StateId();
    std::swap(t.Lanes[0], t.Lanes[4]);
    h.Rebase(t, At(4, 0));
    EXPECT_EQ(h.StepCount(), 1u);
    EXPECT_EQ(h.StateId(), id);
    EXPECT_TRUE(h.Matches(t));
    Selection sel;
    h.Undo(t, sel);
    h.Redo(t, sel);
    EXPECT_EQ(t.Lanes[4].Spaces[0].Symbol, 27) << "redo gives back the rebased state";
    EXPECT_EQ(sel.CurLane, 4);
}

TEST(UndoHistory, LanesAddedAndRemovedAreRestored) {
    Track t = NewTrack();
    UndoHistory h;
    h.Reset(t);
    const size_t lanes = t.Lanes.size();
    t.Lanes.push_back(Lane{"Extra", {Space{}}});
    t.BackPolys.pop_back();
    h.Record(t, "Edit", {}, {});
    Selection sel;
    h.Undo(t, sel);
    EXPECT_EQ(t.Lanes.size(), lanes);
    EXPECT_EQ(t.BackPolys.size(), 30u);
    h.Redo(t, sel);
    EXPECT_EQ(t.Lanes.back().Name, "Extra");
    EXPECT_EQ(t.BackPolys.size(), 29u);
}

} // namespace
} // namespace td
