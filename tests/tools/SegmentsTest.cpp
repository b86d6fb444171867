#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "model/Templates.h"
#include "tools/Segments.h"

using namespace td;
using namespace td::test;

namespace {

constexpr int S = Sym::Regular;
constexpr int C = Sym::ArrowLight;

// One racing lane with the given symbols, pit and garages after it.
Track OneLane(const std::vector<int>& symbols) {
    Track t;
    t.Lanes.push_back(MakeLane("Left", static_cast<int>(symbols.size())));
    SetSymbols(t.Lanes[0], symbols);
    t.Lanes.push_back(MakeLane("Garages", 10));
    t.Lanes.push_back(MakeLane("Pit", 10));
    return t;
}

} // namespace

TEST(AssignSegments, NumbersStraightsEvenCornersOddAndClosesTheLap) {
    Track t = OneLane({S, S, C, C, S, S, S});
    const ToolResult r = AssignSegments(t);
    EXPECT_EQ(Segments(t.Lanes[0]), (std::vector<int>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(r.message.text, "2 segments created.\r\n(1 corners)");
    EXPECT_EQ(r.message.title, "Segments Created");
    EXPECT_EQ(r.message.buttons, MsgButtons::OK);
    EXPECT_EQ(r.message.icon, MsgIcon::None);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.changed, 2);
}

TEST(AssignSegments, ReportsTheLargestCountBeforeClosingWithHalfCorners) {
    // Two corners around one straight space, then a straight and a corner:
    // the count reaches 5, the heavy arrow counts as straight.
    Track t = OneLane(
        {S, C, C, Sym::ArrowHeavy, Sym::ArrowDoubleLeft, S, S, Sym::ArrowDoubleRight, S, S});
    const ToolResult r = AssignSegments(t);
    EXPECT_EQ(Segments(t.Lanes[0]), (std::vector<int>{0, 1, 1, 2, 3, 4, 4, 5, 0, 0}));
    EXPECT_EQ(r.message.text, "6 segments created.\r\n(3 corners)");

    Track odd = OneLane({S, C, S, C, S, C, S, C});
    EXPECT_EQ(AssignSegments(odd).message.text, "7 segments created.\r\n(3.5 corners)");
    // The final corner is closed to 0; the straight before keeps its number.
    EXPECT_EQ(Segments(odd.Lanes[0]), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0}));

    Track plain = OneLane({S, S, S});
    EXPECT_EQ(AssignSegments(plain).message.text, "0 segments created.\r\n(0 corners)");
}

TEST(AssignSegments, ClosesOnlyTheFinalRunHoweverShort) {
    Track t = OneLane({S, S, C, C, S});
    AssignSegments(t);
    EXPECT_EQ(Segments(t.Lanes[0]), (std::vector<int>{0, 0, 1, 1, 0}));

    Track corner = OneLane({S, S, C, C, C});
    AssignSegments(corner);
    EXPECT_EQ(Segments(corner.Lanes[0]), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(AssignSegments, KeepsSpaceZeroAndSkipsOneSpaceLanes) {
    Track t = OneLane({C, C, S, S});
    t.Lanes[0].Spaces[0].Segment = 17;
    AssignSegments(t);
    // Space 0 is a corner too, so space 1 stays in count 0.
    EXPECT_EQ(Segments(t.Lanes[0]), (std::vector<int>{17, 0, 0, 0}));

    Track one = OneLane({C});
    one.Lanes[0].Spaces[0].Segment = 9;
    AssignSegments(one);
    EXPECT_EQ(one.Lanes[0].Spaces[0].Segment, 9);
}

TEST(AssignSegments, NumbersTheRacingLanesOfEitherLayout) {
    // A new track: pit and garages last, their symbols would all count as
    // straight but they are left alone.
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    for (Lane& lane : t.Lanes)
        for (Space& s : lane.Spaces)
            s.Segment = 5;
    AssignSegments(t);
    EXPECT_EQ(Segments(t.Lanes[1]), (std::vector<int>{5, 0}));
    EXPECT_EQ(t.Lanes[3].Spaces[9].Segment, 5); // garages
    EXPECT_EQ(RacingLanes(t).First, 0);
    EXPECT_EQ(RacingLanes(t).Last, 2);

    // Pit and garages first: lanes 2 and up.
    Track first;
    first.Lanes.push_back(MakeLane("Pit", 12));
    first.Lanes.push_back(MakeLane("Garages", 10));
    for (int i = 0; i < 3; ++i)
        first.Lanes.push_back(MakeLane("Lane", 4));
    SetSymbols(first.Lanes[4], {S, C, C, S});
    for (Lane& lane : first.Lanes)
        for (Space& s : lane.Spaces)
            s.Segment = 5;
    AssignSegments(first);
    EXPECT_EQ(RacingLanes(first).First, 2);
    EXPECT_EQ(RacingLanes(first).Last, 4);
    EXPECT_EQ(Segments(first.Lanes[0])[3], 5);
    EXPECT_EQ(Segments(first.Lanes[2]), (std::vector<int>{5, 0, 0, 0}));
    EXPECT_EQ(Segments(first.Lanes[4]), (std::vector<int>{5, 1, 1, 0}));

    Track empty;
    EXPECT_EQ(AssignSegments(empty).message.text, "0 segments created.\r\n(0 corners)");
}
