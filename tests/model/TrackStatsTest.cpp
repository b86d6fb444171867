#include <gtest/gtest.h>

#include "model/Templates.h"
#include "model/TrackStats.h"

using namespace td;

using Rows = std::vector<std::string>;

TEST(TrackStats, ThreeLaneTemplate) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    EXPECT_EQ(
        TrackStatsRows(ComputeTrackStats(t)),
        (Rows{"Number of Lanes: 3", "Pit Lane Length: 1", "Lane 1 Length: 1", "Lane 2 Length: 2",
              "Lane 3 Length: 1", "Number of Corners: 0", "Total Stops: 0"}));
}

TEST(TrackStats, FourLaneTrackCountsLanesFromTheRight) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    ConvertToFourLanes(t);
    t.Lanes[0].Spaces.resize(7); // "Left"
    t.Lanes[1].Spaces.resize(5); // "Mid-Left"
    const TrackStats st = ComputeTrackStats(t);
    EXPECT_EQ(st.LaneLength[0], 1); // Right
    EXPECT_EQ(st.LaneLength[1], 2); // Mid-Right
    EXPECT_EQ(st.LaneLength[2], 5); // Mid-Left
    EXPECT_EQ(st.LaneLength[3], 7); // Left
    EXPECT_EQ(st.VisibleRows, 6);
    EXPECT_EQ(TrackStatsRows(st).at(5), "Lane 4 Length: 7");
}

TEST(TrackStats, CornersAndStopsAreSummed) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    for (int stops : {1, 2, 3})
        t.Corners.push_back(Corner{"c", static_cast<std::int16_t>(stops), 0, 0, {}});
    const TrackStats st = ComputeTrackStats(t);
    EXPECT_EQ(st.NumCorners, 3);
    EXPECT_EQ(st.TotalStops, 6);
}

TEST(TrackStats, OddTracksShowOnlyWhatTheyHave) {
    Track empty;
    EXPECT_EQ(TrackStatsRows(ComputeTrackStats(empty)),
              (Rows{"Number of Lanes: 0", "Number of Corners: 0", "Total Stops: 0"}));
    Track noPit;
    noPit.Lanes = {Lane{"A", std::vector<Space>(4)}, Lane{"Right", std::vector<Space>(3)}};
    // Without a lane named "Pit" the first lane's length is shown.
    EXPECT_EQ(TrackStatsRows(ComputeTrackStats(noPit)),
              (Rows{"Number of Lanes: 0", "Pit Lane Length: 4", "Number of Corners: 0",
                    "Total Stops: 0"}));
}
