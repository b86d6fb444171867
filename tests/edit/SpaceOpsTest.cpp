// The space operations over a Track and a Selection, without an editor.

#include <gtest/gtest.h>

#include <cmath>

#include "edit/SpaceOps.h"
#include "model/SpaceGeometry.h"
#include "model/Templates.h"

namespace td::test {

namespace {

Space At(float x, float y, int rot = 0, float scale = 1.0f) {
    Space s;
    s.Pt[0] = {x, y};
    s.Rotation = static_cast<std::int16_t>(rot);
    s.Scale = scale;
    ComputeSpaceOutline(s);
    return s;
}

// One lane named `name` of `n` spaces laid end to end along +x from the origin.
Track StraightLane(int n, const std::string& name = "Middle") {
    Track t;
    t.Lanes.resize(1);
    t.Lanes[0].Name = name;
    for (int i = 0; i < n; ++i)
        t.Lanes[0].Spaces.push_back(At(200.0f * static_cast<float>(i), 0.0f));
    return t;
}

Selection Current(const Track& t, int lane, int space) {
    Selection sel;
    sel.CurLane = lane;
    sel.CurSpace = space;
    LoadWorkingCopy(t, sel);
    return sel;
}

void ExpectAt(const Space& s, float x, float y) {
    EXPECT_NEAR(s.Pt[0].x, x, 1e-3);
    EXPECT_NEAR(s.Pt[0].y, y, 1e-3);
}

} // namespace

TEST(SpaceOpsTest, PendingSpaceTouchesTheStoredOneAlongItsRotation) {
    Track t = StraightLane(1);
    Selection sel = Current(t, 0, 0);
    sel.WorkScale = 1.5f;
    sel.WorkRotation = 90;
    sel.CurSpace = 1;
    MakePendingAfterCurrent(sel);
    // (s + 1) x 100 ahead, turned by 90 degrees: straight down the screen.
    EXPECT_NEAR(sel.WorkPts[0].x, 0.0f, 1e-3);
    EXPECT_NEAR(sel.WorkPts[0].y, 250.0f, 1e-3);
    EXPECT_EQ(sel.WorkScale, 1.0f);
    EXPECT_EQ(sel.WorkRotation, 90);
    EXPECT_TRUE(IsPendingSpace(t, sel));

    // Appending it gives a space with no links at all.
    t.Lanes[0].Spaces[0].Nxt = {5, 6};
    ASSERT_TRUE(AppendPendingSpace(t, sel));
    StoreCurrentSpace(t, sel, 26);
    const Space& added = t.Lanes[0].Spaces[1];
    EXPECT_EQ(added.Nxt, (std::array<SpaceRef, 2>{NoSpace, NoSpace}));
    EXPECT_EQ(added.Adj, (std::array<SpaceRef, 4>{NoSpace, NoSpace, NoSpace, NoSpace}));
    EXPECT_EQ(added.LanePos, 0.0f);
    EXPECT_EQ(added.Symbol, 26);
    // Only a pending current space is appended.
    EXPECT_FALSE(AppendPendingSpace(t, sel));
}

TEST(SpaceOpsTest, StoringKeepsASymbolTheListCannotShow) {
    Track t = StraightLane(2);
    t.Lanes[0].Spaces[0].Symbol = 60;
    t.Lanes[0].Spaces[1].Symbol = 25;
    Selection sel = Current(t, 0, 0);
    StoreCurrentSpace(t, sel, 0);
    EXPECT_EQ(t.Lanes[0].Spaces[0].Symbol, 60);
    sel = Current(t, 0, 1);
    StoreCurrentSpace(t, sel, 0);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Symbol, 0);
}

TEST(SpaceOpsTest, AppendingResetsTheSymbolOnTheSecondAndThirdSpace) {
    EXPECT_TRUE(AppendResetsSymbol("Pit", 1));
    EXPECT_TRUE(AppendResetsSymbol("Middle", 1));
    EXPECT_TRUE(AppendResetsSymbol("Middle", 2));
    EXPECT_FALSE(AppendResetsSymbol("Left", 1));
    EXPECT_FALSE(AppendResetsSymbol("Right", 1));
    EXPECT_FALSE(AppendResetsSymbol("Mid-Left", 2));
}

TEST(SpaceOpsTest, LaneNeverGrowsPastTheReferenceRange) {
    Track t = StraightLane(MaxLaneSpaces);
    Selection sel;
    sel.CurSpace = MaxLaneSpaces;
    EXPECT_FALSE(AppendPendingSpace(t, sel));
    EXPECT_EQ(t.Lanes[0].Spaces.size(), static_cast<size_t>(MaxLaneSpaces));
}

TEST(SpaceOpsTest, DeleteClosesTheGapAndReattachesTheRest) {
    Track t = StraightLane(4);
    t.Lanes[0].Spaces[2].Symbol = 50;
    Selection sel = Current(t, 0, 1);
    ASSERT_TRUE(DeleteCurrentSpace(t, sel));
    ASSERT_EQ(t.Lanes[0].Spaces.size(), 3u);
    EXPECT_EQ(sel.CurSpace, 1);
    // The old third space moved up against the first, the last came with it.
    EXPECT_EQ(t.Lanes[0].Spaces[1].Symbol, 50);
    ExpectAt(t.Lanes[0].Spaces[1], 200.0f, 0.0f);
    ExpectAt(t.Lanes[0].Spaces[2], 400.0f, 0.0f);

    // The last space: the one before becomes current.
    sel = Current(t, 0, 2);
    ASSERT_TRUE(DeleteCurrentSpace(t, sel));
    EXPECT_EQ(sel.CurSpace, 1);
    EXPECT_EQ(t.Lanes[0].Spaces.size(), 2u);
}

TEST(SpaceOpsTest, DeletingThePendingSpaceMakesTheLastOnePending) {
    Track t = StraightLane(3);
    t.Lanes[0].Spaces[2].Rotation = 30;
    Selection sel;
    sel.CurSpace = 3;
    ASSERT_TRUE(DeleteCurrentSpace(t, sel));
    EXPECT_EQ(t.Lanes[0].Spaces.size(), 2u);
    EXPECT_EQ(sel.CurSpace, 2);
    EXPECT_TRUE(IsPendingSpace(t, sel));
    EXPECT_EQ(sel.WorkRotation, 30);
    EXPECT_NEAR(sel.WorkPts[0].x, 400.0f, 1e-3);
}

TEST(SpaceOpsTest, TheOnlySpaceOfALaneStays) {
    Track t = StraightLane(1);
    Selection sel = Current(t, 0, 0);
    EXPECT_FALSE(DeleteCurrentSpace(t, sel));
    sel.CurSpace = 1; // pending after it
    EXPECT_FALSE(DeleteCurrentSpace(t, sel));
    EXPECT_EQ(t.Lanes[0].Spaces.size(), 1u);
    Track empty = StraightLane(0);
    Selection none;
    EXPECT_FALSE(DeleteCurrentSpace(empty, none));
}

TEST(SpaceOpsTest, ResetMovesTheRestOfTheLaneAsOnePiece) {
    Track t = StraightLane(3);
    // Space 1 knocked aside and turned; space 2 follows it.
    for (int i = 1; i < 3; ++i) {
        Space& s = t.Lanes[0].Spaces[static_cast<size_t>(i)];
        s.Pt[0].y += 40.0f;
        s.Rotation = 350;
        ComputeSpaceOutline(s);
    }
    ASSERT_TRUE(ResetSpace(t, 0, 1, 1.0f));
    ExpectAt(t.Lanes[0].Spaces[1], 200.0f, 0.0f);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Rotation, 0);
    EXPECT_EQ(t.Lanes[0].Spaces[2].Rotation, 0);
    // Space 2 turned by +10 about the old centre of space 1 and moved with it.
    EXPECT_NEAR(t.Lanes[0].Spaces[2].Pt[0].x, 200.0f + 200.0f * std::cos(10 * M_PI / 180), 1e-2);
    EXPECT_NEAR(t.Lanes[0].Spaces[2].Pt[0].y, 200.0f * std::sin(10 * M_PI / 180), 1e-2);
    EXPECT_FALSE(ResetSpace(t, 0, 3, 1.0f));
    EXPECT_FALSE(ResetSpace(t, 7, 0, 1.0f));
}

TEST(SpaceOpsTest, ResettingFirstSpacesKeepsEveryTemplateLaneInPlace) {
    for (bool four : {false, true}) {
        Track t;
        Selection sel;
        BuildNewTrack3(t, sel);
        if (four)
            ConvertToFourLanes(t);
        const Track before = t;
        for (int l = 0; l < static_cast<int>(t.Lanes.size()); ++l) {
            SCOPED_TRACE(t.Lanes[static_cast<size_t>(l)].Name);
            if (t.Lanes[static_cast<size_t>(l)].Spaces.empty())
                continue;
            EXPECT_TRUE(ResetSpace(t, l, 0, t.Lanes[static_cast<size_t>(l)].Spaces[0].Scale));
            for (size_t s = 0; s < t.Lanes[static_cast<size_t>(l)].Spaces.size(); ++s) {
                const Space& a = t.Lanes[static_cast<size_t>(l)].Spaces[s];
                const Space& b = before.Lanes[static_cast<size_t>(l)].Spaces[s];
                EXPECT_NEAR(a.Pt[0].x, b.Pt[0].x, 1e-2);
                EXPECT_NEAR(a.Pt[0].y, b.Pt[0].y, 1e-2);
                EXPECT_EQ(a.Rotation, b.Rotation);
            }
        }
    }
}

TEST(SpaceOpsTest, ResettingFirstSpacesWithPitAndGaragesFirst) {
    // Pit, garages, then three racing lanes from the origin outwards.
    Track t;
    const char* names[] = {"Pit", "Garages", "Left", "Middle", "Right"};
    for (const char* n : names)
        t.Lanes.push_back(Lane{n, {At(999.0f, 999.0f, 40), At(1199.0f, 999.0f, 40)}});
    t.Lanes[0].Spaces[1].Symbol = Sym::PitTeam1;
    EXPECT_EQ(FindRacingLanes(t).reference, 2);
    for (int l = 2; l < 5; ++l)
        ASSERT_TRUE(ResetSpace(t, l, 0, 1.0f));
    ExpectAt(t.Lanes[2].Spaces[0], 0.0f, 0.0f);
    ExpectAt(t.Lanes[3].Spaces[0], -100.0f, -100.0f); // odd: half a space back
    ExpectAt(t.Lanes[4].Spaces[0], 0.0f, -200.0f);
    ASSERT_TRUE(ResetSpace(t, 0, 0, 1.0f));
    ExpectAt(t.Lanes[0].Spaces[0], 0.0f, 300.0f);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Rotation, 0);
    // The garages follow the last pit space, which carries team 1.
    ASSERT_TRUE(ResetSpace(t, 1, 0, 1.0f));
    const PointF lastPit = t.Lanes[0].Spaces[1].Pt[0];
    ExpectAt(t.Lanes[1].Spaces[0], lastPit.x, lastPit.y - 100.0f);
}

TEST(SpaceOpsTest, ResettingAFirstSpaceWithoutAReferenceLaneChangesNothing) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    const RacingLanes racing = FindRacingLanes(t);
    t.Lanes[static_cast<size_t>(racing.reference)].Spaces.clear();
    const int pit = FindLane(t, "Pit");
    ASSERT_GE(pit, 0);
    const Space pit0 = t.Lanes[static_cast<size_t>(pit)].Spaces.at(0);
    EXPECT_FALSE(ResetSpace(t, pit, 0, 1.0f));
    EXPECT_FALSE(ResetSpace(t, racing.reference - 1, 0, 1.0f));
    EXPECT_EQ(t.Lanes[static_cast<size_t>(pit)].Spaces[0].Pt, pit0.Pt);
}

TEST(SpaceOpsTest, ScalingKeepsTheSpaceAttachedAndDragsTheRest) {
    Track t = StraightLane(3);
    Selection sel = Current(t, 0, 1);
    ASSERT_TRUE(ScaleCurrentSpace(t, sel, 0.5f, 0, {}));
    const Space& s1 = t.Lanes[0].Spaces[1];
    EXPECT_FLOAT_EQ(s1.Scale, 1.5f);
    // Rear end still at x = 100, front end now at 400.
    ExpectAt(s1, 250.0f, 0.0f);
    EXPECT_NEAR(s1.Pt[2].x, 400.0f, 1e-3);
    // The next space moved with the front end: by +100.
    ExpectAt(t.Lanes[0].Spaces[2], 500.0f, 0.0f);

    // Space 0 with a corner pivot scales about its own centre line.
    sel = Current(t, 0, 0);
    sel.WorkCOR = 2;
    ASSERT_TRUE(ScaleCurrentSpace(t, sel, 0.5f, 0, {}));
    ExpectAt(t.Lanes[0].Spaces[0], 0.0f, 0.0f);
    // The pending space does not scale.
    sel.CurSpace = 3;
    EXPECT_FALSE(ScaleCurrentSpace(t, sel, 0.1f, 0, {}));
}

TEST(SpaceOpsTest, MovesAndTurnsOfTheCurrentSpace) {
    Track t = StraightLane(3);
    Selection sel = Current(t, 0, 1);
    int drawn = 0;
    auto count = [&](int, int) { ++drawn; };

    MoveCurrentSpace(t, sel, 10.0f, -5.0f, false, count);
    ExpectAt(t.Lanes[0].Spaces[1], 210.0f, -5.0f);
    ExpectAt(t.Lanes[0].Spaces[2], 410.0f, -5.0f);
    ExpectAt(t.Lanes[0].Spaces[0], 0.0f, 0.0f);
    EXPECT_EQ(drawn, 4); // two spaces, each erased and drawn again
    EXPECT_NEAR(sel.WorkPts[0].x, 210.0f, 1e-3);

    // With the modifier only the working copy moves.
    MoveCurrentSpace(t, sel, 10.0f, 0.0f, true, count);
    ExpectAt(t.Lanes[0].Spaces[1], 210.0f, -5.0f);
    EXPECT_NEAR(sel.WorkPts[0].x, 220.0f, 1e-3);
    EXPECT_EQ(drawn, 4);

    // Turning about the centre turns the rest of the lane about it too,
    // keeping rotations in 0..359.
    sel = Current(t, 0, 1);
    sel.WorkCOR = 0;
    RotateCurrentSpace(t, sel, -5, false, {});
    EXPECT_EQ(t.Lanes[0].Spaces[1].Rotation, 355);
    EXPECT_EQ(t.Lanes[0].Spaces[2].Rotation, 355);
    EXPECT_EQ(sel.WorkRotation, 355);
    ExpectAt(t.Lanes[0].Spaces[1], 210.0f, -5.0f);
    EXPECT_NEAR(t.Lanes[0].Spaces[2].Pt[0].y, -5.0f - 200.0f * std::sin(5 * M_PI / 180), 1e-2);

    // About a corner, the working centre swings round that corner.
    sel.WorkCOR = 1;
    const PointF corner = sel.WorkPts[1];
    RotateCurrentSpace(t, sel, 10, true, {});
    EXPECT_EQ(sel.WorkRotation, 5);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Rotation, 355);
    EXPECT_NEAR(sel.WorkPts[1].x, corner.x, 1e-2);
    EXPECT_NEAR(sel.WorkPts[1].y, corner.y, 1e-2);
}

TEST(SpaceOpsTest, CycleCORComesBackAfterFiveSteps) {
    Selection sel;
    sel.WorkCOR = 3;
    for (int i = 0; i < 5; ++i)
        CycleCOR(sel);
    EXPECT_EQ(sel.WorkCOR, 3);
    sel.WorkCOR = 9; // not a point: starts over
    CycleCOR(sel);
    EXPECT_EQ(sel.WorkCOR, 1);
}

TEST(SpaceOpsTest, WholeTrackMovesAndTurnsLeavePolygons) {
    Track t = StraightLane(2);
    t.Lanes[0].Spaces[1].Rotation = 350;
    Corner c;
    c.Vtx[0] = {100.0f, 0.0f};
    DeriveCornerFlag(c);
    t.Corners.push_back(c);
    t.BackPolys.push_back(BackPoly{0, 0, 0, {{0, 0}, {1, 1}}});
    Selection sel;
    sel.CurSpace = 2; // pending: the last stored space takes over
    MoveWholeTrack(t, sel, 5.0f, 7.0f);
    EXPECT_EQ(sel.CurSpace, 1);
    ExpectAt(t.Lanes[0].Spaces[0], 5.0f, 7.0f);
    EXPECT_NEAR(sel.WorkPts[0].x, 205.0f, 1e-3);
    EXPECT_EQ(t.Corners[0].Vtx[0], (PointF{105.0f, 7.0f}));
    EXPECT_EQ(t.BackPolys[0].Vtxs[1], (PointI{1, 1}));

    RotateWholeTrack(t, sel, 15);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Rotation, 5);
    EXPECT_EQ(sel.WorkRotation, 5);
    // The flag turns about the origin and stays upright.
    Corner expected = t.Corners[0];
    DeriveCornerFlag(expected);
    EXPECT_EQ(t.Corners[0].Vtx, expected.Vtx);
    EXPECT_EQ(t.BackPolys[0].Vtxs[1], (PointI{1, 1}));

    MovePolygon(t, 0, 0.5f, 0.5f);
    EXPECT_EQ(t.BackPolys[0].Vtxs[0], (PointI{0, 0}));
    EXPECT_EQ(t.BackPolys[0].Vtxs[1], (PointI{2, 2}));
    MovePolygon(t, 5, 1.0f, 1.0f); // no such polygon
}

// Lanes 0 (Left) .. 2 (Right) and a pit lane 3 of two spaces.
Track LinkTrack() {
    Track t;
    const char* names[] = {"Left", "Middle", "Right", "Pit"};
    for (const char* n : names) {
        Lane lane;
        lane.Name = n;
        lane.Spaces = {At(0, 0), At(200, 0)};
        t.Lanes.push_back(lane);
    }
    return t;
}

TEST(SpaceOpsTest, WholeTrackMovesFromThePendingSpaceLoadTheWholeLastSpace) {
    for (int turn = 0; turn < 2; ++turn) {
        Track t = StraightLane(2);
        t.Lanes[0].Spaces[1] = At(200.0f, 0.0f, 10, 1.3f);
        Selection sel = Current(t, 0, 1);
        MakePendingAfterCurrent(sel);
        sel.CurSpace = 2;
        turn ? RotateWholeTrack(t, sel, 15) : MoveWholeTrack(t, sel, 10.0f, 0.0f);
        EXPECT_EQ(sel.CurSpace, 1);
        EXPECT_EQ(sel.WorkScale, 1.3f);
        StoreCurrentSpace(t, sel, Sym::Regular);
        EXPECT_EQ(t.Lanes[0].Spaces[1].Scale, 1.3f);
    }
}

TEST(SpaceOpsTest, PolygonsFarFromTheOriginMoveByExactWholeUnits) {
    Track t;
    t.BackPolys.push_back(BackPoly{2, 0, 0, {{100000001, -100000001}, {2000000001, 7}}});
    MovePolygon(t, 0, 1.0f, 0.5f);
    EXPECT_EQ(t.BackPolys[0].Vtxs[0], (PointI{100000002, -100000000}));
    EXPECT_EQ(t.BackPolys[0].Vtxs[1], (PointI{2000000002, 8}));
}

TEST(SpaceOpsTest, NextLinksToggleAndFollowTheArrowRules) {
    Track t = LinkTrack();
    const SpaceRef primary = MakeRef(1, 0);
    Space& p = t.Lanes[1].Spaces[0];
    EXPECT_TRUE(ToggleNextLink(t, primary, 2, 1));
    EXPECT_EQ(p.Nxt[0], 2001);
    EXPECT_TRUE(ToggleNextLink(t, primary, 0, 1));
    EXPECT_EQ(p.Nxt[1], 1);
    // A second target below overwrites the first; a repeat clears it.
    EXPECT_TRUE(ToggleNextLink(t, primary, 0, 0));
    EXPECT_EQ(p.Nxt[1], 0);
    EXPECT_TRUE(ToggleNextLink(t, primary, 0, 0));
    EXPECT_EQ(p.Nxt[1], NoSpace);
    // Same lane and a missing primary refuse.
    EXPECT_FALSE(ToggleNextLink(t, primary, 1, 1));
    EXPECT_FALSE(ToggleNextLink(t, NoSpace, 0, 0));
    EXPECT_FALSE(ToggleNextLink(t, MakeRef(1, 7), 0, 0));

    p.Symbol = 27; // double arrow left: higher lanes only
    EXPECT_FALSE(ToggleNextLink(t, primary, 0, 0));
    p.Symbol = 28; // double arrow right: lower lanes only
    EXPECT_FALSE(ToggleNextLink(t, primary, 2, 0));
    EXPECT_TRUE(ToggleNextLink(t, primary, 0, 0));
    p.Symbol = 25;
    EXPECT_FALSE(ToggleNextLink(t, primary, 0, 1));
    // The adjacent link ignores symbols.
    EXPECT_TRUE(ToggleAdjacentLink(t, primary, 0, 1));
}

TEST(SpaceOpsTest, LinkRefusalSaysWhyAndOnlyWhenTheToggleRefuses) {
    Track t = LinkTrack();
    const SpaceRef primary = MakeRef(1, 0);
    Space& p = t.Lanes[1].Spaces[0];
    const std::string pick = "No link: pick the primary space first";
    EXPECT_EQ(LinkRefusal(t, NoSpace, 0, 0, true), pick);
    EXPECT_EQ(LinkRefusal(t, MakeRef(1, 7), 0, 0, false), pick); // no longer there
    EXPECT_EQ(LinkRefusal(t, MakeRef(9, 0), 0, 0, true), pick);
    EXPECT_EQ(LinkRefusal(t, primary, 1, 1, false),
              "No link: the space is in the primary space's own lane");
    EXPECT_EQ(LinkRefusal(t, primary, 0, 1000, true), "No link: a link cannot name that space");
    EXPECT_EQ(LinkRefusal(t, primary, 40, 0, false), "No link: a link cannot name that space");

    const std::string single = "No Next link: the primary space's single arrow allows none";
    const std::string other =
        "No Next link: the primary space's double arrow allows Next links to its other side only";
    struct Case {
        int symbol, lane;
        std::string why;
    };
    for (const Case& c : {Case{25, 0, single}, Case{26, 2, single}, Case{27, 0, other},
                          Case{27, 2, ""}, Case{28, 2, other}, Case{28, 0, ""}, Case{0, 0, ""},
                          Case{0, 2, ""}}) {
        p.Symbol = static_cast<std::int16_t>(c.symbol);
        EXPECT_EQ(LinkRefusal(t, primary, c.lane, 0, true), c.why) << c.symbol << " " << c.lane;
        // Exactly the refused links are not made; Adjacent ignores arrows.
        const Space before = p;
        EXPECT_EQ(ToggleNextLink(t, primary, c.lane, 0), c.why.empty());
        EXPECT_EQ(p.Nxt == before.Nxt, !c.why.empty());
        EXPECT_EQ(LinkRefusal(t, primary, c.lane, 0, false), "");
        p.Nxt = {NoSpace, NoSpace};
    }
}

TEST(SpaceOpsTest, NextAndAdjacentExcludeEachOther) {
    Track t = LinkTrack();
    const SpaceRef primary = MakeRef(1, 0);
    Space& p = t.Lanes[1].Spaces[0];
    ToggleAdjacentLink(t, primary, 2, 0);
    EXPECT_EQ(p.Adj[0], 2000);
    ToggleNextLink(t, primary, 2, 0);
    EXPECT_EQ(p.Adj[0], NoSpace);
    EXPECT_EQ(p.Nxt[0], 2000);
    ToggleAdjacentLink(t, primary, 2, 0);
    EXPECT_EQ(p.Nxt[0], NoSpace);
    EXPECT_EQ(p.Adj[0], 2000);
    // Four slots; the fifth link is dropped.
    ToggleAdjacentLink(t, primary, 2, 1);
    ToggleAdjacentLink(t, primary, 0, 0);
    ToggleAdjacentLink(t, primary, 0, 1);
    EXPECT_FALSE(ToggleAdjacentLink(t, primary, 3, 0));
    EXPECT_EQ(p.Adj, (std::array<SpaceRef, 4>{2000, 2001, 0, 1}));
}

TEST(SpaceOpsTest, PitExitKeepsTwoNextLinksInOrder) {
    Track t = LinkTrack();
    const SpaceRef exitRef = MakeRef(3, 1);
    Space& exit = t.Lanes[3].Spaces[1];
    ToggleNextLink(t, exitRef, 2, 1);
    EXPECT_EQ(exit.Nxt, (std::array<SpaceRef, 2>{NoSpace, 2001}));
    ToggleNextLink(t, exitRef, 2, 0);
    EXPECT_EQ(exit.Nxt, (std::array<SpaceRef, 2>{2000, 2001}));
    // Both slots full: nothing more is stored.
    ToggleNextLink(t, exitRef, 1, 0);
    EXPECT_EQ(exit.Nxt, (std::array<SpaceRef, 2>{2000, 2001}));

    // A full set of Adjacent links on the pit exit only gets its first two sorted.
    exit.Adj = {5, 4, 3, 2};
    EXPECT_TRUE(ToggleAdjacentLink(t, exitRef, 0, 1));
    EXPECT_EQ(exit.Adj, (std::array<SpaceRef, 4>{4, 5, 3, 2}));
}

} // namespace td::test
