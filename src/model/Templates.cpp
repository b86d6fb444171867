#include "model/Templates.h"

#include "model/SpaceGeometry.h"

namespace td {

namespace {

Space TemplateSpace(float x, float y, int symbol, float lanePos = 0.0f) {
    Space s;
    s.Pt[0] = {x, y};
    s.Scale = 1.0f;
    s.Symbol = static_cast<std::int16_t>(symbol);
    s.LanePos = lanePos;
    ComputeSpaceOutline(s);
    return s;
}

} // namespace

void ResetTrack(Track& track, Selection& sel) {
    track.StartPos = Track::MakeEmptyStartPos();
    track.Lanes.assign(5, Lane{});
    track.Corners.clear();
    track.BackPolys.clear();
    sel.CurCorner = -1;
    sel.PrimarySpace = NoSpace;
    sel.PolyClosed = true;
}

void BuildNewTrack3(Track& track, Selection& sel) {
    ResetTrack(track, sel);
    const float hl = SpaceHalfLength;
    const float hw = SpaceHalfWidth;

    track.Lanes[0] = {"Left", {TemplateSpace(0, -4 * hw, Sym::FinishCenter)}};
    track.Lanes[1] = {"Middle",
                      {TemplateSpace(-hl, -2 * hw, Sym::FinishRight, -0.5f),
                       TemplateSpace(hl, -2 * hw, Sym::FinishLeft, 0.5f)}};
    track.Lanes[2] = {"Right", {TemplateSpace(0, 0, Sym::FinishCenter)}};

    // Garages alternate between the first and the second five teams.
    Lane garages{"Garages", {}};
    for (int j = 0; j < 10; ++j) {
        const int symbol =
            j % 2 == 0 ? Sym::GarageTeam1 + j / 2 : Sym::GarageTeam1 + 5 + (j - 1) / 2;
        garages.Spaces.push_back(TemplateSpace(2 * hl * static_cast<float>(j + 1), 4 * hw, symbol));
    }
    track.Lanes[3] = std::move(garages);
    track.Lanes[4] = {"Pit", {TemplateSpace(0, 6 * hw, Sym::Regular)}};

    track.BackColor = Palette[4];
}

void ConvertToFourLanes(Track& track) {
    track.Lanes.insert(track.Lanes.begin(), Lane{});
    const float hl = SpaceHalfLength;
    const float hw = SpaceHalfWidth;
    track.Lanes[0] = {"Left",
                      {TemplateSpace(-hl, -6 * hw, Sym::FinishRight, -0.5f),
                       TemplateSpace(hl, -6 * hw, Sym::FinishLeft, 0.5f)}};
    if (track.Lanes.size() >= 4) {
        track.Lanes[1].Name = "Mid-Left";
        track.Lanes[2].Name = "Mid-Right";
        track.Lanes[3].Name = "Right";
    }
}

} // namespace td
