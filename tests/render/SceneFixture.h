#pragma once
// A scene over a recording surface with a hand-built track, for the drawing
// tests. The view shows world (0,0) at screen (4500, 3000) at zoom 1 on a
// 9000 x 6000 twip area.

#include <string>

#include "model/SpaceGeometry.h"
#include "render/RecordingSurface.h"
#include "render/Scene.h"

namespace td::test {

struct SceneFixture {
    RecordingSurface surface{9000.0f, 6000.0f};
    Track track;
    Selection sel;
    ViewState view;
    DisplayOptions display;
    TrackBounds bounds;
    bool visible = true;

    SceneFixture() {
        view.Zoom = 1.0f;
        view.AreaWidth = 9000.0f;
        view.AreaHeight = 6000.0f;
        view.OffsetX = 4500.0f;
        view.OffsetY = 3000.0f;
    }

    Scene Make() { return Scene{surface, track, sel, view, display, bounds, visible}; }

    int AddLane(const std::string& name) {
        track.Lanes.push_back(Lane{name, {}});
        return static_cast<int>(track.Lanes.size()) - 1;
    }

    Space& AddSpace(int lane, float x, float y, int rotation = 0, float scale = 1.0f,
                    int symbol = 0) {
        Space s;
        s.Pt[0] = {x, y};
        s.Rotation = static_cast<std::int16_t>(rotation);
        s.Scale = scale;
        s.Symbol = static_cast<std::int16_t>(symbol);
        ComputeSpaceOutline(s);
        auto& spaces = track.Lanes[static_cast<size_t>(lane)].Spaces;
        spaces.push_back(s);
        return spaces.back();
    }

    // A straight lane along +X of `count` spaces, `gap` units apart end to end.
    int AddStraightLane(const std::string& name, int count, float y = 0.0f, float gap = 0.0f) {
        const int lane = AddLane(name);
        for (int i = 0; i < count; ++i)
            AddSpace(lane, static_cast<float>(i) * (200.0f + gap), y);
        return lane;
    }

    // Only the symbol layer: the other overlays switched off.
    void OnlySymbols() {
        display.DrawWorldCOR = false;
        display.DrawSpaceCOR = false;
        display.DrawTrackVector = false;
        display.DrawNext = false;
        display.DrawAdjacent = false;
        display.DrawFlags = false;
    }
};

// Screen twips of a world point in the fixture's view.
inline float SX(float wx) {
    return wx + 4500.0f;
}
inline float SY(float wy) {
    return wy + 3000.0f;
}

} // namespace td::test
