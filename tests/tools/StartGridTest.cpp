#include <gtest/gtest.h>

#include "ToolTracks.h"
#include "tools/StartGrid.h"

using namespace td;
using namespace td::test;

namespace {

Track GridTrack() {
    Track t = RacingTrack(3, 130);
    t.StartPos[1] = 2120;
    t.StartPos[2] = 1119;
    return t;
}

} // namespace

TEST(CreateStartGrid, BuildsRowsBackFromTheFirstTwoPlaces) {
    Track normal = GridTrack();
    const ToolResult r = CreateStartGrid(normal, NormalGridStep);
    EXPECT_FALSE(r.refused);
    EXPECT_TRUE(r.message.Empty());
    EXPECT_EQ(r.changed, 18);
    EXPECT_EQ(normal.StartPos[1], 2120);
    EXPECT_EQ(normal.StartPos[2], 1119);
    EXPECT_EQ(normal.StartPos[3], 2117);
    EXPECT_EQ(normal.StartPos[4], 1116);
    // Nine rows behind the first: 27 spaces back.
    EXPECT_EQ(normal.StartPos[19], 2093);
    EXPECT_EQ(normal.StartPos[20], 1092);

    Track tight = GridTrack();
    tight.StartPos[7] = 1; // overwritten like every entry after the first two
    CreateStartGrid(tight, TightGridStep);
    EXPECT_EQ(tight.StartPos[3], 2118);
    EXPECT_EQ(tight.StartPos[4], 1117);
    EXPECT_EQ(tight.StartPos[7], 2114);
    EXPECT_EQ(tight.StartPos[19], 2102);
    EXPECT_EQ(tight.StartPos[20], 1101);
}

TEST(CreateStartGrid, AsksForThePoleAndSecondPlaceFirst) {
    Track t = GridTrack();
    t.StartPos[2] = NoSpace;
    t.StartPos[5] = 42;
    const ToolResult r = CreateStartGrid(t, NormalGridStep);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.message.title, "Can't Auto-Create Grid");
    EXPECT_EQ(r.message.text, "The Pole Position and 2nd place starting grid spaces\r\n"
                              "must be created before you can use the automated tools\r\n"
                              "to build the rest of the grid.");
    EXPECT_EQ(r.message.icon, MsgIcon::Information);
    EXPECT_EQ(r.message.buttons, MsgButtons::OK);
    EXPECT_EQ(t.StartPos[5], 42);
}

TEST(CreateStartGrid, RefusesPlacesBeforeTheLaneStartOrOnMissingSpaces) {
    // Second place at index 26: its last row (9 rows of 3 back) would be at -1.
    for (SpaceRef second : {SpaceRef{1026}, SpaceRef{3005}, SpaceRef{9050}}) {
        Track t = GridTrack();
        t.StartPos[2] = second;
        const Track before = t;
        const ToolResult r = CreateStartGrid(t, NormalGridStep);
        EXPECT_TRUE(r.refused) << second;
        EXPECT_EQ(r.message.title, "Can't Auto-Create Grid");
        EXPECT_EQ(r.message.icon, MsgIcon::Exclamation);
        EXPECT_EQ(t.StartPos, before.StartPos);
    }
    // Exactly at the start of the lane is fine.
    Track t = GridTrack();
    t.StartPos[2] = 1027;
    EXPECT_FALSE(CreateStartGrid(t, NormalGridStep).refused);
    EXPECT_EQ(t.StartPos[20], 1000);
}

TEST(ClearStartGrid, AsksThenClearsEveryPlace) {
    const ToolMessage q = ClearStartGridQuestion();
    EXPECT_EQ(q.title, "Clear All Starting Grids");
    EXPECT_EQ(q.text, "This will clear all starting grid spaces on the track!\r\n"
                      "Are you sure you want to do this?");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::Exclamation);

    Track t = GridTrack();
    CreateStartGrid(t, TightGridStep);
    EXPECT_EQ(ClearStartGrid(t).changed, 20);
    EXPECT_EQ(t.StartPos, Track::MakeEmptyStartPos());
}
