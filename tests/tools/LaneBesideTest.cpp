#include "tools/LaneBeside.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "edit/EditorFixture.h"
#include "model/LaneRoles.h"
#include "model/SpaceGeometry.h"
#include "model/TrackFile.h"
#include "tools/AutoTag.h"
#include "tools/Segments.h"
#include "tools/TrackGenerator.h"
#include "ToolTracks.h"

using namespace td;

namespace {

constexpr double Pi = 3.14159265358979323846;

// A closed circuit driven clockwise: a long straight, a wide right-hander, a
// chicane of four 40-degree bends, and a tight end of two right-angle bends
// of radius 180, whose spaces cut the corner so that the lane across on
// their inside folds back on itself.
std::vector<PointF> ChicaneCircuit() {
    std::vector<PointF> pts;
    double x = 0, y = 0, heading = 0;
    auto straight = [&](double len) {
        for (double s = 10; s <= len + 1e-9; s += 10) {
            x += 10 * std::cos(heading * Pi / 180);
            y += 10 * std::sin(heading * Pi / 180);
            pts.push_back({static_cast<float>(x), static_cast<float>(y)});
        }
    };
    auto arc = [&](double radius, double degrees) {
        const int steps = static_cast<int>(std::ceil(std::fabs(degrees) * radius * Pi / 180 / 10));
        for (int k = 0; k < steps; ++k) {
            const double h0 = heading;
            heading += degrees / steps;
            const double chord = 2 * radius * std::sin(std::fabs(degrees / steps) * Pi / 360);
            const double mid = (h0 + heading) / 2 * Pi / 180;
            x += chord * std::cos(mid);
            y += chord * std::sin(mid);
            pts.push_back({static_cast<float>(x), static_cast<float>(y)});
        }
    };
    pts.push_back({0, 0});
    straight(4000);
    arc(800, 180);
    straight(1400);
    arc(300, 40), straight(200), arc(300, -40), arc(300, -40), straight(200), arc(300, 40);
    straight(x);
    arc(180, 90);
    straight(y - 180);
    arc(180, 90);
    pts.pop_back(); // back on the start
    return pts;
}

// Spaces laid evenly round the circuit, LanePos their distances in standard
// lengths.
Lane ChicaneLane(const std::string& name) {
    const Path path = Path::Through(ChicaneCircuit(), true);
    const int count = static_cast<int>(std::lround(path.Length() / 200));
    return {name, LaySpaces(path, EvenBounds(0, path.Length(), count))};
}

using test::Gap;
using test::SpaceEnd;

// The spaces of a closed lane touch end to end all round (whole-degree
// rotations allow a unit or two), head forward from one to the next and are
// none of them stacked on a neighbour (a chord across a bend is shorter
// than the stretch of path it spans).
void ExpectClosedLap(const std::vector<Space>& spaces) {
    const size_t n = spaces.size();
    ASSERT_GE(n, 3u);
    double total = 0;
    for (const Space& s : spaces)
        total += s.Scale;
    for (size_t k = 0; k < n; ++k) {
        const Space& a = spaces[k];
        const Space& b = spaces[(k + 1) % n];
        EXPECT_LT(Gap(SpaceEnd(a, 1), SpaceEnd(b, -1)), 3.0)
            << "between spaces " << k << " and " << (k + 1) % n;
        const double r = a.Rotation * Pi / 180;
        EXPECT_GT((b.Pt[0].x - a.Pt[0].x) * std::cos(r) + (b.Pt[0].y - a.Pt[0].y) * std::sin(r), 0)
            << "space " << k + 1 << " runs backwards";
        EXPECT_GE(a.Scale, 0.4 * total / static_cast<double>(n) - 1e-3) << "space " << k;
    }
}

Track ChicaneTrack() {
    Track t;
    t.Lanes = {ChicaneLane("Left"),
               ChicaneLane("Middle"),
               ChicaneLane("Right"),
               {"Garages", {}},
               {"Pit", {}}};
    return t;
}

TEST(LaneBeside, FitLapBoundsSpreadsTheDifferenceAndHoldsTheLeastLength) {
    // 0..90 stretched to a lap of 120, by each gap's length.
    const auto fitted = FitLapBounds({0, 30, 60, 90}, 120, 0);
    ASSERT_EQ(fitted.size(), 4u);
    EXPECT_DOUBLE_EQ(fitted[1], 40);
    EXPECT_DOUBLE_EQ(fitted[3], 120);

    // A gap squeezed to almost nothing is held at the least length; the
    // others give up what it takes in proportion.
    const auto eased = FitLapBounds({10, 11, 61, 111}, 100, 20);
    EXPECT_DOUBLE_EQ(eased[1] - eased[0], 20);
    EXPECT_NEAR(eased[2] - eased[1], 40, 1e-9);
    EXPECT_DOUBLE_EQ(eased[3], 110);

    // Bounds that run backwards or all in one place still make a lap.
    const auto flat = FitLapBounds({5, 5, 5}, 50, 10);
    EXPECT_DOUBLE_EQ(flat[1], 30);
    const auto back = FitLapBounds({0, 40, 20, 60}, 60, 5);
    for (size_t k = 0; k + 1 < back.size(); ++k)
        EXPECT_GE(back[k + 1] - back[k], 5 - 1e-9);
}

TEST(LaneBeside, LaneBesideTheChicaneTouchesEndToEndClosesAndKeepsItsDistance) {
    const Lane middle = ChicaneLane("Middle");
    std::vector<double> centres;
    const Path source = LaneLoop(middle, &centres);
    ASSERT_EQ(centres.size(), middle.Spaces.size());
    for (const double side : {LaneSpacing, -LaneSpacing}) {
        for (const bool early : {false, true}) {
            SCOPED_TRACE(testing::Message() << "offset " << side << (early ? " early" : ""));
            const std::vector<Space> lane = LaneBeside(middle, side, early);
            ASSERT_EQ(lane.size(), middle.Spaces.size());
            ExpectClosedLap(lane);
            int across = 0;
            for (size_t k = 0; k < lane.size(); ++k) {
                const Space& s = lane[k];
                const PathPoint p = source.At(source.Project(s.Pt[0].x, s.Pt[0].y));
                const double d = std::hypot(p.x - s.Pt[0].x, p.y - s.Pt[0].y);
                EXPECT_GT(d, 0.4 * LaneSpacing) << "space " << k;
                across += std::fabs(d - LaneSpacing) < 15;
                // Half a space staggered against the middle lane.
                const double lo =
                    early ? (k == 0 ? -1 : middle.Spaces[k - 1].LanePos) : middle.Spaces[k].LanePos;
                const double hi = early
                                      ? middle.Spaces[k].LanePos
                                      : (k + 1 < lane.size() ? middle.Spaces[k + 1].LanePos : 1e9);
                EXPECT_GT(s.LanePos, lo) << "space " << k;
                EXPECT_LT(s.LanePos, hi) << "space " << k;
            }
            EXPECT_GT(across, static_cast<int>(lane.size() * 8 / 10));
        }
    }
}

TEST(LaneBeside, OnGenerateTrackTheLaneMatchesGenerateStaggerFinishAndPositions) {
    const Track generated = GenerateTrack(OptionsForLength(3, 120, 0));
    const LaneRoles roles = FindLaneRoles(generated);
    const int middle = roles.FirstRacing + 1;
    for (const LaneSide side : {LaneSide::Left, LaneSide::Right}) {
        Track t = generated;
        const ToolResult r = BuildLaneBeside(t, middle, side);
        ASSERT_FALSE(r.refused) << r.message.text;
        EXPECT_EQ(r.message.title, "Build Lane Beside");
        const int other = NeighbourLane(t, middle, side);
        const auto& built = t.Lanes[static_cast<size_t>(other)].Spaces;
        const auto& own = generated.Lanes[static_cast<size_t>(other)].Spaces;
        ExpectClosedLap(built);
        // The middle lane starts at the finish line; its neighbours lie
        // across it, as generate's own do.
        EXPECT_EQ(built.front().Symbol, Sym::FinishCenter);
        EXPECT_LT(Gap(built.front().Pt[0], own.front().Pt[0]), 40);
        double off = 0;
        for (const Space& s : built) {
            const Space* nearest = &own.front();
            for (const Space& o : own)
                if (Gap(o.Pt[0], s.Pt[0]) < Gap(nearest->Pt[0], s.Pt[0]))
                    nearest = &o;
            // Where the lanes' counts differ (round the corners) a space
            // lies up to half a space off its nearest.
            EXPECT_NEAR(s.LanePos, nearest->LanePos, 0.7);
            off += std::fabs(s.LanePos - nearest->LanePos) / static_cast<double>(built.size());
        }
        EXPECT_LT(off, 0.2);
        // Corner arrows came along: segments number the same corners.
        AssignSegments(t);
        EXPECT_EQ(built.back().Segment, 0);
        int corners = 0, ownCorners = 0;
        for (size_t k = 1; k < built.size(); ++k)
            corners += built[k].Segment != built[k - 1].Segment;
        for (size_t k = 1; k < own.size(); ++k)
            ownCorners += own[k].Segment != own[k - 1].Segment;
        EXPECT_EQ(corners, ownCorners);
        AutoTagSpaces(t);
        int linked = 0;
        for (const Space& s : built)
            linked += s.Nxt[0] != NoSpace || s.Nxt[1] != NoSpace;
        EXPECT_GT(linked, static_cast<int>(built.size()) / 3) << "the straights are tagged";
        // Every reference still names a space.
        for (const Lane& lane : t.Lanes)
            for (const Space& s : lane.Spaces)
                for (SpaceRef ref : {s.Nxt[0], s.Nxt[1], s.Adj[0], s.Adj[1], s.Adj[2], s.Adj[3]})
                    EXPECT_TRUE(ref == NoSpace || t.Find(ref)) << ref;
        for (int k = 1; k <= 20; ++k)
            EXPECT_TRUE(t.StartPos[static_cast<size_t>(k)] == NoSpace ||
                        t.Find(t.StartPos[static_cast<size_t>(k)]));
    }
}

TEST(LaneBeside, RefusesWithoutARacingLaneOnThatSideOrEnoughSpaces) {
    Track t = ChicaneTrack();
    const Track before = t;
    EXPECT_EQ(NeighbourLane(t, 0, LaneSide::Left), -1);
    EXPECT_TRUE(BuildLaneBeside(t, 0, LaneSide::Left).refused);
    EXPECT_TRUE(BuildLaneBeside(t, 3, LaneSide::Left).refused) << "the garages are no racing lane";
    t.Lanes[1].Spaces.resize(2);
    const ToolResult few = BuildLaneBeside(t, 1, LaneSide::Right);
    EXPECT_TRUE(few.refused);
    EXPECT_EQ(few.message.icon, MsgIcon::Information);
    EXPECT_EQ(t.Lanes[2].Spaces.size(), before.Lanes[2].Spaces.size());

    // Spaces all in one place, or a damaged centre, never give spaces that
    // are not numbers.
    Lane heap = ChicaneLane("Middle");
    for (Space& s : heap.Spaces)
        s.Pt[0] = {5, 5}, s.Scale = 0;
    Lane damaged = ChicaneLane("Middle");
    damaged.Spaces[7].Pt[0].x = std::numeric_limits<float>::quiet_NaN();
    for (const Lane* lane : {&heap, &damaged})
        for (const Space& s : LaneBeside(*lane, LaneSpacing, false))
            for (const PointF& p : s.Pt)
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(s.Scale));
}

class LaneBesideMenu : public test::EditorFixture {};

TEST_F(LaneBesideMenu, AsksTheSideAndBeforeReplacingAndIsOneUndoStep) {
    Start();
    Track bent = ChicaneTrack();
    bent.Lanes[2].Spaces.resize(5);
    ASSERT_TRUE(SaveTrack(bent, PathIn("chicane.trk")).ok);
    ASSERT_TRUE(editor.LoadTrackFile(PathIn("chicane.trk")));
    const size_t left = static_cast<size_t>(FindLane(editor.track, "Left"));
    const size_t right = static_cast<size_t>(FindLane(editor.track, "Right"));
    editor.sel.CurLane = FindLane(editor.track, "Middle");
    editor.sel.CurSpace = 0;
    ASSERT_EQ(NeighbourLane(editor.track, editor.sel.CurLane, LaneSide::Right),
              static_cast<int>(right));

    host.Answer(MsgAnswer::Cancel);
    Menu("MnuBuildLaneBeside");
    host.Answer(MsgAnswer::Yes);
    host.Answer(MsgAnswer::No);
    Menu("MnuBuildLaneBeside");
    EXPECT_EQ(editor.track.Lanes[right].Spaces.size(), 5u) << "cancelled twice";
    EXPECT_FALSE(editor.history.CanUndo());

    host.messages.clear();
    host.Answer(MsgAnswer::Yes);
    host.Answer(MsgAnswer::Yes);
    Menu("MnuBuildLaneBeside");
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(host.messages[1].text.rfind("Lane \"Right\" has 5 spaces.", 0), 0u)
        << host.messages[1].text;
    EXPECT_EQ(host.messages[2].icon, MsgIcon::None);
    EXPECT_EQ(editor.track.Lanes[right].Spaces.size(),
              editor.track.Lanes[static_cast<size_t>(editor.sel.CurLane)].Spaces.size());
    ASSERT_TRUE(editor.history.CanUndo());
    EXPECT_EQ(editor.history.UndoName(), "Build Lane Beside");
    Menu("MnuUndo");
    EXPECT_EQ(editor.track.Lanes[right].Spaces.size(), 5u);
    EXPECT_FALSE(editor.history.CanUndo());

    // The left lane has spaces of its own: the question comes again.
    host.messages.clear();
    host.Answer(MsgAnswer::No);
    host.Answer(MsgAnswer::Yes);
    Menu("MnuBuildLaneBeside");
    EXPECT_EQ(host.messages.size(), 3u);
    ExpectClosedLap(editor.track.Lanes[left].Spaces);
}

TEST_F(LaneBesideMenu, OnANewTrackTheShortMiddleLaneIsRefusedWithoutAQuestion) {
    StartWithNewTrack();
    editor.sel.CurLane = 1;
    Menu("MnuBuildLaneBeside");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_FALSE(editor.history.CanUndo());
}

TEST(LaneBeside, OnTheDemoAHandBentMiddleLaneGetsClosedOuterLanes) {
    Track demo;
    ASSERT_TRUE(LoadTrack(demo, std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk").complete);
    const LaneRoles roles = FindLaneRoles(demo);
    const int middle = roles.FirstRacing + 1;
    // Bend a run of the middle lane outwards, as an author dragging it would.
    auto& spaces = demo.Lanes[static_cast<size_t>(middle)].Spaces;
    for (size_t k = 10; k < 20 && k < spaces.size(); ++k) {
        spaces[k].Pt[0].y += static_cast<float>(60 * std::sin((k - 10) * Pi / 10));
        ComputeSpaceOutline(spaces[k]);
    }
    for (const LaneSide side : {LaneSide::Left, LaneSide::Right}) {
        ASSERT_FALSE(BuildLaneBeside(demo, middle, side).refused);
        const auto& built =
            demo.Lanes[static_cast<size_t>(NeighbourLane(demo, middle, side))].Spaces;
        EXPECT_EQ(built.size(), spaces.size());
        for (size_t k = 0; k < built.size(); ++k)
            ASSERT_TRUE(std::isfinite(built[k].Pt[0].x) && std::isfinite(built[k].Scale));
        ExpectClosedLap(built);
    }
}

} // namespace
