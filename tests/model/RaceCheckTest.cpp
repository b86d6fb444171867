#include <gtest/gtest.h>

#include "MoveTracks.h"
#include "model/RaceCheck.h"
#include "model/TrackFile.h"

namespace td {
namespace {

using test::LoopTrack;

std::vector<TrackProblem> Problems(const Track& t) {
    std::vector<TrackProblem> out;
    FindRaceProblems(t, out);
    return out;
}

std::string All(const std::vector<TrackProblem>& problems) {
    std::string s;
    for (const auto& p : problems)
        s += p.Text + "\n";
    return s;
}

// The one problem expected, with the space it names.
void ExpectOnly(const Track& t, const std::string& text, int lane = -1, int space = -1) {
    const auto p = Problems(t);
    ASSERT_EQ(p.size(), 1u) << All(p);
    EXPECT_EQ(p[0].Text, text);
    EXPECT_EQ(p[0].Lane, lane);
    EXPECT_EQ(p[0].Space, space);
}

TEST(RaceCheck, SilentOnARaceableLapAndOnTheDemo) {
    EXPECT_TRUE(Problems(LoopTrack()).empty()) << All(Problems(LoopTrack()));
    Track demo;
    ASSERT_TRUE(LoadTrack(demo, std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk").complete);
    EXPECT_TRUE(Problems(demo).empty()) << All(Problems(demo));
}

TEST(RaceCheck, FindsTheSpacesNoCarReachesFromThePole) {
    Track t = LoopTrack();
    for (Space& s : t.Lanes[0].Spaces)
        s.Nxt[0] = NoSpace;
    ExpectOnly(t,
               "lane 1 \"Right\", spaces 0 to 11: unreachable: no run of moves from the pole "
               "position gets there",
               1, 0);
    t.StartPos[1] = MakeRef(1, 4); // from the other lane both are reached
    EXPECT_TRUE(Problems(t).empty()) << All(Problems(t));
}

TEST(RaceCheck, FindsTrapsOnlyWhereACarCanGetIn) {
    Track t = LoopTrack();
    t.Lanes[2].Spaces[2].Nxt[1] = NoSpace; // the pit exit leads nowhere
    const auto p = Problems(t);
    ASSERT_EQ(p.size(), 2u) << All(p);
    EXPECT_EQ(p[0].Text, "lane 2 \"Pit\", spaces 0 to 2: a trap: no run of moves leads from there "
                         "back to the finish line");
    EXPECT_EQ(p[1].Text, "lane 3 \"Garages\", space 0: a trap: no run of moves leads from there "
                         "back to the finish line");
    t.Lanes[1].Spaces[10].Nxt[0] = NoSpace; // and nothing leads in
    EXPECT_TRUE(Problems(t).empty()) << All(Problems(t));
}

TEST(RaceCheck, FindsNextLinksThatGoBackwardsButNotAcrossTheLine) {
    Track t = LoopTrack();
    t.Lanes[1].Spaces[5].Nxt[1] = MakeRef(0, 5); // half a space back: beside
    EXPECT_TRUE(Problems(t).empty()) << All(Problems(t));
    t.Lanes[1].Spaces[5].Nxt[1] = MakeRef(0, 4);
    ExpectOnly(t,
               "lane 1 \"Right\", space 5: Nxt(1) goes backwards to 4 (lane 0, space 4), from lane "
               "position 5.5 to 4",
               1, 5);
    t.Lanes[1].Spaces[5].Nxt[1] = MakeRef(0, 6);
    t.Lanes[0].Spaces[0].Nxt[0] = MakeRef(1, 10); // back over the line
    ExpectOnly(t,
               "lane 0 \"Left\", space 0: Nxt(0) goes backwards to 1010 (lane 1, space 10), from "
               "lane position 0 to 10.5",
               0, 0);
}

TEST(RaceCheck, FindsCornerArrowsAtTheStartAndDoubleArrowsWithoutTheirLink) {
    Track t = LoopTrack();
    t.Lanes[1].Spaces[0].Symbol = Sym::ArrowLight;
    ExpectOnly(t,
               "lane 1 \"Right\", space 0: the lane starts with corner arrows; Assign Segments "
               "would number its straights as corners",
               1, 0);

    t = LoopTrack();
    // Each double arrow allows one side; a side without a racing lane asks nothing.
    t.Lanes[0].Spaces[3].Symbol = Sym::ArrowDoubleLeft;
    t.Lanes[1].Spaces[3].Symbol = Sym::ArrowDoubleRight;
    t.Lanes[0].Spaces[5].Symbol = Sym::ArrowDoubleRight;
    t.Lanes[1].Spaces[5].Symbol = Sym::ArrowDoubleLeft;
    t.Lanes[0].Spaces[7].Symbol = Sym::ArrowLight;
    t.Lanes[0].Spaces[7].Nxt[0] = NoSpace;
    EXPECT_TRUE(Problems(t).empty()) << All(Problems(t));
    for (int i = 8; i <= 9; ++i) {
        t.Lanes[0].Spaces[static_cast<size_t>(i)].Symbol = Sym::ArrowDoubleLeft;
        t.Lanes[0].Spaces[static_cast<size_t>(i)].Nxt[0] = NoSpace;
    }
    ExpectOnly(t,
               "lane 0 \"Left\", spaces 8 to 9: \"Arrow, double, left\" (symbol 27) allows a Next "
               "link into lane 1 \"Right\", but none is set",
               0, 8);
}

TEST(RaceCheck, FindsCornerRecordsThatDifferFromTheirSpaces) {
    Track t = LoopTrack();
    for (int i = 4; i <= 6; ++i)
        t.Lanes[0].Spaces[static_cast<size_t>(i)].Segment = 1;
    for (int i = 4; i <= 5; ++i)
        t.Lanes[1].Spaces[static_cast<size_t>(i)].Segment = 1;
    t.Corners.push_back(Corner{"Hairpin", 1, 3, 2, {}});
    t.Corners.push_back(Corner{"Spare", 1, 9, 9, {}}); // no spaces: nothing to measure
    EXPECT_TRUE(Problems(t).empty()) << All(Problems(t));
    t.Corners[0].Short = 3;
    ExpectOnly(t, "corner 0 \"Hairpin\": Long 3 and Short 3 differ from its spaces, which measure "
                  "3 and 2 (Measure Corners sets them)");
}

} // namespace
} // namespace td
