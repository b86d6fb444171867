#include "model/TrackStats.h"

#include <algorithm>

namespace td {

TrackStats ComputeTrackStats(const Track& track) {
    TrackStats st;
    const int lanes = static_cast<int>(track.Lanes.size());
    st.NumLanes = std::max(0, lanes - 2);
    if (lanes > 0)
        st.PitLength = static_cast<int>(
            track.Lanes[static_cast<std::size_t>(LaneByName(track, "Pit"))].Spaces.size());

    // On a 4-lane track the rows count from the right: "Lane 3 Length" is
    // "Mid-Left" and "Lane 4 Length" the leftmost lane.
    const bool fourLanes = FindLane(track, "Mid-Left") >= 0;
    for (const Lane& lane : track.Lanes) {
        const int n = static_cast<int>(lane.Spaces.size());
        if (lane.Name == "Pit")
            st.PitLength = n;
        else if (lane.Name == "Right")
            st.LaneLength[0] = n;
        else if (lane.Name == "Middle" || lane.Name == "Mid-Right")
            st.LaneLength[1] = n;
        else if (lane.Name == "Mid-Left")
            st.LaneLength[2] = n;
        else if (lane.Name == "Left")
            st.LaneLength[fourLanes ? 3 : 2] = n;
    }
    st.VisibleRows = std::clamp(lanes, 1, 6);

    st.NumCorners = static_cast<int>(track.Corners.size());
    for (const Corner& c : track.Corners)
        st.TotalStops += c.Stops;
    return st;
}

std::vector<std::string> TrackStatsRows(const TrackStats& stats) {
    auto text = [](const std::optional<int>& v) { return v ? std::to_string(*v) : std::string(); };
    std::vector<std::string> rows;
    const std::string captions[6] = {"Number of Lanes", "Pit Lane Length", "Lane 1 Length",
                                     "Lane 2 Length",   "Lane 3 Length",   "Lane 4 Length"};
    const std::string values[6] = {std::to_string(stats.NumLanes), text(stats.PitLength),
                                   text(stats.LaneLength[0]),      text(stats.LaneLength[1]),
                                   text(stats.LaneLength[2]),      text(stats.LaneLength[3])};
    for (int i = 0; i < std::clamp(stats.VisibleRows, 1, 6); ++i)
        rows.push_back(captions[i] + ": " + values[i]);
    rows.push_back("Number of Corners: " + std::to_string(stats.NumCorners));
    rows.push_back("Total Stops: " + std::to_string(stats.TotalStops));
    return rows;
}

} // namespace td
