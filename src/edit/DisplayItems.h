#pragma once
// The seven checkable display items of the "&Options" menu: menu item, settings
// key, and the flags they mirror in the stored settings and in the renderer's
// options. Listed in the order the settings are read and stored.

#include <array>

#include "edit/Editor.h"

namespace td {

struct DisplayItem {
    const char* menuName;
    const char* settingsKey;
    bool EditorSettings::*setting;
    bool DisplayOptions::*option;
};

inline constexpr std::array<DisplayItem, 7> DisplayItems = {{
    {"MnuDrawAdjacent", "DrawAdjacent", &EditorSettings::DrawAdjacent,
     &DisplayOptions::DrawAdjacent},
    {"MnuDrawFlags", "DrawFlags", &EditorSettings::DrawFlags, &DisplayOptions::DrawFlags},
    {"MnuDrawNext", "DrawNext", &EditorSettings::DrawNext, &DisplayOptions::DrawNext},
    {"MnuDrawSpaceCOR", "DrawSpaceCOR", &EditorSettings::DrawSpaceCOR,
     &DisplayOptions::DrawSpaceCOR},
    {"MnuDrawSymbol", "DrawSymbol", &EditorSettings::DrawSymbol, &DisplayOptions::DrawSymbol},
    {"MnuDrawTrackVector", "DrawTrackVector", &EditorSettings::DrawTrackVector,
     &DisplayOptions::DrawTrackVector},
    {"MnuDrawWorldCOR", "DrawWorldCOR", &EditorSettings::DrawWorldCOR,
     &DisplayOptions::DrawWorldCOR},
}};

} // namespace td
