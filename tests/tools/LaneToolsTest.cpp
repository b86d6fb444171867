#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "tools/LaneTools.h"

using namespace td;
using namespace td::test;

TEST(ReorderLane, NumbersTheRestOfTheLaneFromTheCurrentSpace) {
    Track t = RacingTrack(3, 6);
    t.Lanes[1].Spaces[2].LanePos = 10.5f;
    t.Lanes[1].Spaces[1].LanePos = 99.0f;
    const ToolResult r = ReorderLane(t, 1, 2);
    EXPECT_EQ(r.changed, 3);
    EXPECT_TRUE(r.message.Empty());
    EXPECT_EQ(t.Lanes[1].Spaces[1].LanePos, 99.0f);
    EXPECT_EQ(t.Lanes[1].Spaces[2].LanePos, 10.5f);
    EXPECT_EQ(t.Lanes[1].Spaces[3].LanePos, 11.5f);
    EXPECT_EQ(t.Lanes[1].Spaces[5].LanePos, 13.5f);
    // The last space, the pending space and bad indices change nothing.
    for (auto [lane, space] : {std::pair{1, 5}, {1, 6}, {7, 0}, {-1, 0}, {1, -3}})
        EXPECT_EQ(ReorderLane(t, lane, space).changed, 0);
}

TEST(CreatePitPaint, PaintsTheTenTeamBoxesFromTheCurrentIndex) {
    Track t = RacingTrack(3, 6);
    t.Lanes[4].Spaces = MakeLane("Pit", 16).Spaces;
    const ToolResult r = CreatePitPaint(t, 4);
    EXPECT_FALSE(r.refused);
    EXPECT_TRUE(r.message.Empty());
    const int expected[] = {30, 35, 31, 36, 32, 37, 33, 38, 34, 39};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(t.Lanes[4].Spaces[static_cast<size_t>(4 + k)].Symbol, expected[k]);
    EXPECT_EQ(t.Lanes[4].Spaces[3].Symbol, 0);
    EXPECT_EQ(t.Lanes[4].Spaces[14].Symbol, 0);
    EXPECT_EQ(r.changed, 10);
}

TEST(CreatePitPaint, RefusesWhenTheLaneIsTooShort) {
    Track t = RacingTrack(3, 6); // pit lane of 12
    EXPECT_FALSE(CreatePitPaint(t, 2).refused);
    const Track before = t;
    for (int space : {3, 12, -1}) {
        const ToolResult r = CreatePitPaint(t, space);
        EXPECT_TRUE(r.refused);
        EXPECT_EQ(r.message.title, "Can't Create Pit Spaces");
        EXPECT_EQ(r.message.icon, MsgIcon::Exclamation);
        EXPECT_EQ(r.message.buttons, MsgButtons::OK);
    }
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(t.Lanes[4].Spaces[i].Symbol, before.Lanes[4].Spaces[i].Symbol);
    Track none;
    EXPECT_TRUE(CreatePitPaint(none, 0).refused);
}

TEST(ClearTags, AsksWithTheScopeInTheFirstLine) {
    const ToolMessage all = ClearTagsQuestion(TagScope::All);
    EXPECT_EQ(all.title, "Clear All Tags");
    EXPECT_EQ(all.text, "This will clear all 'Next' and 'Adjacent' tags from all \r\n"
                        "spaces on the track!\r\nAre you sure you want to do this?");
    EXPECT_EQ(all.buttons, MsgButtons::YesNo);
    EXPECT_EQ(all.icon, MsgIcon::Exclamation);
    EXPECT_EQ(ClearTagsQuestion(TagScope::Corner).text.substr(0, 59),
              "This will clear all 'Next' and 'Adjacent' tags from corner ");
    EXPECT_EQ(ClearTagsQuestion(TagScope::Straight).text.substr(0, 61),
              "This will clear all 'Next' and 'Adjacent' tags from straight ");
}

TEST(ClearTags, ClearsTheLinksOfTheChosenSpacesOnly) {
    Track t = RacingTrack(3, 4);
    for (Lane& lane : t.Lanes)
        for (Space& s : lane.Spaces) {
            s.Nxt = {1, 2};
            s.Adj = {3, 4, 5, 6};
        }
    t.StartPos[1] = 2;
    Track corners = t;
    EXPECT_EQ(ClearTags(corners, TagScope::Corner).changed, 0);
    EXPECT_EQ(corners.Lanes[0].Spaces[0].Adj[3], 6);

    t.Lanes[0].Spaces[1].Symbol = Sym::ArrowDoubleLeft;
    t.Lanes[1].Spaces[0].Symbol = Sym::ArrowHeavy; // straight
    Track straight = t;
    EXPECT_EQ(ClearTags(straight, TagScope::Straight).changed, 3 * 4 + 10 + 12 - 1);
    EXPECT_EQ(straight.Lanes[0].Spaces[1].Nxt[0], 1);
    EXPECT_EQ(straight.Lanes[1].Spaces[0].Adj[2], NoSpace);
    EXPECT_EQ(straight.Lanes[4].Spaces[1].Nxt[0], NoSpace); // pit links too

    ClearTags(t, TagScope::Corner);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Nxt[1], NoSpace);
    EXPECT_EQ(t.Lanes[0].Spaces[1].Adj[0], NoSpace);
    EXPECT_EQ(t.Lanes[0].Spaces[0].Nxt[1], 2);

    ClearTags(t, TagScope::All);
    for (const Lane& lane : t.Lanes)
        for (const Space& s : lane.Spaces) {
            EXPECT_EQ(s.Nxt, (std::array<SpaceRef, 2>{NoSpace, NoSpace}));
            EXPECT_EQ(s.Adj[2], NoSpace);
        }
    EXPECT_EQ(t.StartPos[1], 2);
}
