#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "edit/EditorFixture.h"
#include "model/TrackFile.h"
#include "tools/AutoTagCorners.h"
#include "tools/LaneTools.h"
#include "tools/TrackGenerator.h"

using namespace td;
using namespace td::test;

namespace {

constexpr int L = Sym::ArrowLight, DL = Sym::ArrowDoubleLeft, DR = Sym::ArrowDoubleRight,
              H = Sym::ArrowHeavy;

// Three racing lanes of eight spaces, lane 1 half a space back, with a
// chicane's corner arrows over spaces 2 to 5 of every lane.
Track Chicane() {
    Track t = RacingTrack(3, 8);
    SetSymbols(t.Lanes[0], {0, 0, DL, DL, L, DR, 0, 0});
    SetSymbols(t.Lanes[1], {0, 0, DL, DR, L, H, 0, 0});
    SetSymbols(t.Lanes[2], {0, 0, DR, DL, L, DR, 0, 0});
    return t;
}

struct Links {
    std::array<SpaceRef, 2> Nxt;
    std::array<SpaceRef, 4> Adj;
};

Links Of(const Track& t, int lane, int i) {
    const Space& s = t.Lanes[static_cast<size_t>(lane)].Spaces[static_cast<size_t>(i)];
    return {s.Nxt, s.Adj};
}

std::vector<std::vector<Links>> AllLinks(const Track& t) {
    std::vector<std::vector<Links>> out;
    for (const Lane& lane : t.Lanes) {
        out.emplace_back();
        for (const Space& s : lane.Spaces)
            out.back().push_back({s.Nxt, s.Adj});
    }
    return out;
}

bool operator==(const Links& a, const Links& b) {
    return a.Nxt == b.Nxt && a.Adj == b.Adj;
}

// Clears the corner links of `t`, tags them again and expects what was there.
void ExpectCornerLinksComeBack(const Track& t) {
    Track cleared = t;
    ASSERT_GT(ClearTags(cleared, TagScope::Corner).changed, 0);
    EXPECT_GT(AutoTagCorners(cleared, CornerArrows::Honour), 0);
    const auto want = AllLinks(t), got = AllLinks(cleared);
    for (size_t l = 0; l < want.size(); ++l)
        for (size_t i = 0; i < want[l].size(); ++i)
            EXPECT_TRUE(want[l][i] == got[l][i]) << "lane " << l << " space " << i;
}

} // namespace

TEST(AutoTagCornersTest, GivesBackTheCornerLinksOfGeneratedTracks) {
    Track demo;
    ASSERT_TRUE(LoadTrack(demo, std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk").complete);
    ExpectCornerLinksComeBack(demo);
    for (int lanes : {3, 4})
        for (int length : {60, 150}) {
            SCOPED_TRACE(std::to_string(lanes) + " lanes, " + std::to_string(length));
            ExpectCornerLinksComeBack(GenerateTrack(OptionsForLength(lanes, length, 0)));
        }
}

TEST(AutoTagCornersTest, HonourLetsEachArrowLinkOnlyItsOwnSide) {
    Track t = Chicane();
    // Lane 0 space 2 (27, pos 2): ahead in lane 1 is pos 2.5 = index 3.
    // Lane 1 space 2 (27, pos 1.5): ahead in lane 2 is index 2, in lane 0 too.
    // Lane 2 space 2 (28, pos 2): ahead in lane 1 is index 3.
    EXPECT_EQ(AutoTagCorners(t, CornerArrows::Honour), 11);
    EXPECT_TRUE(Of(t, 0, 2) == (Links{{1003, -1}, {1002, -1, -1, -1}}));
    EXPECT_TRUE(Of(t, 1, 2) == (Links{{2002, -1}, {2001, 1, -1, -1}}));
    EXPECT_TRUE(Of(t, 1, 3) == (Links{{-1, 3}, {2002, 2, -1, -1}}));
    EXPECT_TRUE(Of(t, 2, 2) == (Links{{-1, 1003}, {-1, 1002, -1, -1}}));
    // 28 in the lowest lane and 27 in the highest have no lane on their side;
    // the light arrow allows no Next link at all. Adjacent links are no moves
    // and go to both sides.
    EXPECT_TRUE(Of(t, 0, 5) == (Links{{-1, -1}, {1005, -1, -1, -1}}));
    EXPECT_TRUE(Of(t, 2, 3) == (Links{{-1, -1}, {-1, 1003, -1, -1}}));
    EXPECT_TRUE(Of(t, 1, 4) == (Links{{-1, -1}, {2003, 3, -1, -1}}));
    // The heavy arrow and the straights are not corner spaces.
    EXPECT_TRUE(Of(t, 1, 5) == (Links{{-1, -1}, {-1, -1, -1, -1}}));
    EXPECT_TRUE(Of(t, 0, 1) == (Links{{-1, -1}, {-1, -1, -1, -1}}));
    // A second run finds nothing left to fill.
    EXPECT_EQ(AutoTagCorners(t, CornerArrows::Honour), 0);
}

TEST(AutoTagCornersTest, IgnoreLinksEveryCornerSpaceBothWays) {
    Track t = Chicane();
    EXPECT_EQ(AutoTagCorners(t, CornerArrows::Ignore), 11);
    EXPECT_TRUE(Of(t, 1, 4) == (Links{{2004, 4}, {2003, 3, -1, -1}}));
    EXPECT_TRUE(Of(t, 0, 5) == (Links{{1006, -1}, {1005, -1, -1, -1}}));
    // The last corner space of a lane looks ahead across the lap's end.
    Track lap = RacingTrack(3, 4);
    SetSymbols(lap.Lanes[0], {0, 0, 0, L});
    AutoTagCorners(lap, CornerArrows::Ignore);
    EXPECT_TRUE(Of(lap, 0, 3) == (Links{{1000, -1}, {1003, -1, -1, -1}}));
}

TEST(AutoTagCornersTest, KeepsEveryLinkAlreadySet) {
    Track t = Chicane();
    Space& s = t.Lanes[1].Spaces[2];
    s.Nxt[0] = 2005;           // the author's own target
    s.Adj[1] = 4;              // and beside, elsewhere
    s.Adj[2] = 2;              // the forward target of lane 0, as Adjacent
    AutoTagCorners(t, CornerArrows::Ignore);
    // Kept as set; the forward link into lane 0 would name a space already
    // linked and is left out.
    EXPECT_TRUE(Of(t, 1, 2) == (Links{{2005, -1}, {2001, 4, 2, -1}}));

    // A space with every slot taken counts as not tagged.
    Track full = RacingTrack(3, 4);
    SetSymbols(full.Lanes[1], {L});
    full.Lanes[1].Spaces[0].Nxt = {7, 8};
    full.Lanes[1].Spaces[0].Adj = {9, 10, 11, 12};
    EXPECT_EQ(AutoTagCorners(full, CornerArrows::Ignore), 0);
    EXPECT_TRUE(Of(full, 1, 0) == (Links{{7, 8}, {9, 10, 11, 12}}));
}

TEST(AutoTagCornersTest, LeavesPitAndGaragesAndOddTracksAlone) {
    Track t = RacingTrack(3, 4);
    SetSymbols(t.Lanes[4], {L, L, DL, DR}); // the pit lane
    EXPECT_EQ(AutoTagCorners(t, CornerArrows::Ignore), 0);

    Track one = RacingTrack(1, 4); // one racing lane: no neighbours
    SetSymbols(one.Lanes[0], {L, DL, DR});
    EXPECT_EQ(AutoTagCorners(one, CornerArrows::Ignore), 0);

    Track empty = RacingTrack(3, 4);
    SetSymbols(empty.Lanes[0], {L});
    empty.Lanes[1].Spaces.clear();
    EXPECT_EQ(AutoTagCorners(empty, CornerArrows::Ignore), 0);
    Track none;
    EXPECT_EQ(AutoTagCorners(none, CornerArrows::Ignore), 0);
}

namespace {

class AutoTagCornersCommandTest : public EditorFixture {
  protected:
    void StartWithChicane() {
        StartWithNewTrack();
        editor.track = Chicane();
        host.messages.clear();
    }
};

} // namespace

TEST_F(AutoTagCornersCommandTest, AsksThenTagsInOneUndoStep) {
    StartWithChicane();
    EXPECT_TRUE(host.menuEnabled["MnuAutoTagCorners"]);
    const Track before = editor.track;

    host.answers = {MsgAnswer::Cancel};
    Menu("MnuAutoTagCorners");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(AllLinks(editor.track) == AllLinks(before));

    host.answers = {MsgAnswer::No};
    Menu("MnuAutoTagCorners");
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[2].text, "11 spaces got corner links.");
    EXPECT_EQ(Of(editor.track, 1, 4).Nxt[0], NoSpace); // as the arrows allow

    Menu("MnuUndo");
    EXPECT_TRUE(AllLinks(editor.track) == AllLinks(before));

    host.answers = {MsgAnswer::Yes};
    Menu("MnuAutoTagCorners");
    EXPECT_EQ(Of(editor.track, 1, 4).Nxt[0], 2004); // all both ways
}
