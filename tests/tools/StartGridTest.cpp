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

TEST(CreateStartGrid, RefusesAFirstRowOffTheTrackOrTooNearTheLaneStart) {
    struct Case {
        SpaceRef pole, second;
        const char* text;
    };
    const Case cases[] = {
        // The first row itself names missing spaces: a lane past the last,
        // a space past its lane's end.
        {9050, 1119,
         "The Pole Position names no space of the track (lane 9, space 50).\r\n"
         "Set it again on a space of the track\r\nbefore you use the automated tools."},
        {2120, 3015,
         "The 2nd place names no space of the track (lane 3, space 15).\r\n"
         "Set it again on a space of the track\r\nbefore you use the automated tools."},
        {2999, -7,
         "The Pole Position names no space of the track (lane 2, space 999).\r\n"
         "The 2nd place names no space of the track (reference -7).\r\n"
         "Set them again on spaces of the track\r\nbefore you use the automated tools."},
        // Nine rows of 3 back need 27 spaces before each first place.
        {2120, 1026,
         "Grid place 20 would lie before the start of its lane.\r\n"
         "The 2nd place has 26 spaces before it in its lane; this grid needs 27.\r\n"
         "Set the 2nd place further along its lane."},
        {2005, 1119,
         "Grid place 5 would lie before the start of its lane.\r\n"
         "The Pole Position has 5 spaces before it in its lane; this grid needs 27.\r\n"
         "Set the Pole Position further along its lane."},
        {2010, 1002,
         "Grid place 4 would lie before the start of its lane.\r\n"
         "The Pole Position has 10 and the 2nd place 2 spaces before them in their lanes; "
         "this grid needs 27.\r\n"
         "Set the Pole Position and 2nd place further along their lanes."},
    };
    for (const Case& c : cases) {
        Track t = GridTrack();
        t.StartPos[1] = c.pole;
        t.StartPos[2] = c.second;
        const Track before = t;
        const ToolResult r = CreateStartGrid(t, NormalGridStep);
        EXPECT_TRUE(r.refused) << c.pole << " " << c.second;
        EXPECT_EQ(r.message.title, "Can't Auto-Create Grid");
        EXPECT_EQ(r.message.text, c.text);
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
