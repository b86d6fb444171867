#include "edit/StepNames.h"

#include <map>

#include "edit/Editor.h"
#include "edit/UiDefs.h"

namespace td {

namespace {

const char* const GenericName = "Edit";

std::string Lookup(const std::map<std::string, std::string>& table, const std::string& key) {
    auto it = table.find(key);
    return it == table.end() ? std::string() : it->second;
}

// "PolyFront" -> "Poly Front".
std::string SplitWords(const std::string& key) {
    std::string out;
    for (size_t i = 0; i < key.size(); ++i) {
        if (i > 0 && key[i] >= 'A' && key[i] <= 'Z' && key[i - 1] >= 'a' && key[i - 1] <= 'z')
            out += ' ';
        out += key[i];
    }
    return out;
}

// "Save &As..." -> "Save As"; "&&" stays one "&".
std::string PlainCaption(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&')
            continue;
        if (caption[i] == '&')
            ++i;
        out += caption[i];
    }
    while (!out.empty() && (out.back() == '.' || out.back() == ' '))
        out.pop_back();
    return out;
}

std::string ButtonName(const std::string& key) {
    static const std::map<std::string, std::string> names = {
        {"AddSpace", "Add Space"},
        {"TrackInfo", "Edit Track Info"},
        {"ChangeCOR", "Change Center of Rotation"},
        {"DeletePoly", "Delete Polygon"},
        {"PolyFillcolor", "Polygon Fill Color"},
        {"PolyOutline", "Polygon Outline Color"},
        {"PolyFront", "Bring Polygon to Front"},
        {"PolyForward", "Move Polygon Forward"},
        {"PolyBackward", "Move Polygon Backward"},
        {"PolyBack", "Send Polygon to Back"},
    };
    if (std::string name = Lookup(names, key); !name.empty())
        return name;
    const ButtonDef* b = FindMainButton(key);
    if (!b)
        b = FindPolyButton(key);
    if (b && !b->description.empty())
        return b->description;
    return key.empty() ? GenericName : SplitWords(key);
}

std::string KeyName(int keyCode) {
    switch (keyCode) {
    case VK::Enter:
        return "Add Space";
    case VK::SpaceBar:
    case VK::H:
    case VK::S:
    case VK::L:
    case VK::R:
        return "Change Symbol";
    case VK::O:
        return ButtonName("ChangeCOR");
    case VK::N:
        return ButtonName("SetNextSpace");
    case VK::A:
        return ButtonName("SetAdjacentSpace");
    case VK::D:
        return "Duplicate Polygon";
    default:
        return GenericName;
    }
}

std::string GestureName(const std::string& editMode, const std::string& polyTool) {
    static const std::map<std::string, std::string> modes = {
        {"TranslateSpace", "Move Space"},   {"RotateSpace", "Rotate Space"},
        {"TranslateTrack", "Move Track"},   {"RotateTrack", "Rotate Track"},
        {"EditCorner", "Edit Corner"},
    };
    static const std::map<std::string, std::string> tools = {
        {"CreatePoly", "Draw Polygon"},     {"CreateRectangle", "Draw Rectangle"},
        {"CreateRoad", "Draw Road"},        {"EditPolyVertex", "Edit Vertex"},
        {"TranslatePoly", "Move Polygon"},  {"RotatePoly", "Rotate Polygon"},
    };
    std::string name = editMode == "PolyMode" ? Lookup(tools, polyTool) : Lookup(modes, editMode);
    return name.empty() ? "Mouse Edit" : name;
}

std::string ControlName(const std::string& control) {
    static const std::map<std::string, std::string> names = {
        {"SpacePropCombo", "Change Symbol"},
        {"GapPartCombo", "Change Gap Marker"},
        {"StartingGridCombo", "Change Grid Place"},
        {"SpacePosTxt", "Change Lane Position"},
        {"SpaceXTxt", "Type Space X"},
        {"SpaceYTxt", "Type Space Y"},
        {"SpaceAngleTxt", "Type Space Angle"},
        {"SpaceLengthTxt", "Type Space Length"},
        {"TrackInfoTxt", "Edit Track Info"},
        {"PolyDetailCombo", "Change Polygon Detail"},
        {"PolyZOrderTxt", "Change Polygon Order"},
    };
    // "TrackInfoTxt(3)" is the fourth box of the track information.
    std::string name = Lookup(names, control.substr(0, control.find('(')));
    return name.empty() ? GenericName : name;
}

} // namespace

std::string StepName(const Command& cmd, const std::string& editMode,
                     const std::string& polyTool) {
    switch (cmd.kind) {
    case CommandKind::Button:
        return ButtonName(cmd.key);
    case CommandKind::Menu:
        // The track information dialog is modal: all its edits are one step.
        if (cmd.key == "MnuTrackInfo")
            return ButtonName("TrackInfo");
        if (const MenuItemDef* item = FindMenuItem(cmd.key))
            return PlainCaption(item->caption);
        return GenericName;
    case CommandKind::KeyDown:
        return KeyName(cmd.keyCode);
    case CommandKind::MouseDown:
    case CommandKind::MouseMove:
    case CommandKind::MouseUp:
    case CommandKind::DblClick:
        return GestureName(editMode, polyTool);
    case CommandKind::PanelText:
    case CommandKind::PanelCombo:
        return ControlName(cmd.key);
    case CommandKind::DialogOK:
        return cmd.key == "TDCornerProp" ? "Edit Corner Info" : GenericName;
    default:
        return GenericName;
    }
}

bool IsGestureName(const std::string& name) {
    for (const char* g : {"Move Space", "Rotate Space", "Move Track", "Rotate Track",
                          "Edit Corner", "Draw Polygon", "Draw Rectangle", "Draw Road",
                          "Edit Vertex", "Move Polygon", "Rotate Polygon", "Mouse Edit"})
        if (name == g)
            return true;
    return false;
}

} // namespace td
