#pragma once
// The in-memory track: lanes of spaces, corners, background polygons and the
// descriptive header. Records refer to each other only by index.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace td {

// World geometry of a space at Scale 1.0: 200 units long, 100 wide.
constexpr float SpaceHalfLength = 100.0f;
constexpr float SpaceHalfWidth = 50.0f;

// A lane never holds more than this many spaces: references are lane*1000+index.
constexpr int MaxLaneSpaces = 1000;

// Colours are 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

// Standard scenery colours; index 0 is unused so that Palette[1..9] reads as in the menus.
constexpr std::array<Colour, 10> Palette = {
    0x000000, 0xC0C0C0, 0x9F9F9F, 0x8C8C8C, 0x1B7913, 0x006400,
    0xAE0000, 0xCB3C12, 0x55B3BF, 0x52C6E2};

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct PointI {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PointI&, const PointI&) = default;
};

// Space reference: lane * 1000 + index; -1 means none.
using SpaceRef = std::int16_t;
constexpr SpaceRef NoSpace = -1;

constexpr SpaceRef MakeRef(int lane, int index) {
    return static_cast<SpaceRef>(lane * 1000 + index);
}
constexpr int RefLane(SpaceRef ref) { return ref / 1000; }
constexpr int RefIndex(SpaceRef ref) { return ref % 1000; }

// Symbol codes of a space.
namespace Sym {
constexpr int Regular = 0;
constexpr int ArrowHeavy = 25;
constexpr int ArrowLight = 26;
constexpr int ArrowDoubleLeft = 27;
constexpr int ArrowDoubleRight = 28;
constexpr int PitTeam1 = 30;    // 30..39: pit lane spaces of teams 1..10
constexpr int GarageTeam1 = 40; // 40..49: garages of teams 1..10
constexpr int FinishCenter = 50;
constexpr int FinishLeft = 51;
constexpr int FinishRight = 52;
} // namespace Sym

// Gap/partial codes of a space.
namespace Gap {
constexpr int None = 0;
constexpr int GapStart = 1;
constexpr int GapEnd = 2;
constexpr int FirstPartial = 3;
constexpr int LastPartial = 4;
} // namespace Gap

struct SymbolEntry {
    int code;
    const char* text;
};

// Every symbol with a text, in the order the property panel lists them.
const std::vector<SymbolEntry>& SymbolTable();
// The text of a symbol code, or empty when the code has none.
std::string_view SymbolText(int code);
// The five gap/partial texts, index = code.
const std::array<const char*, 5>& GapPartTexts();

struct Space {
    // Pt[0] is the centre; Pt[1..4] the outline corners, always derived by
    // ComputeSpaceOutline from centre, Rotation and Scale.
    std::array<PointF, 5> Pt{};
    std::int16_t Rotation = 0;
    float Scale = 1.0f;
    std::int16_t COR = 0;
    std::int16_t Symbol = 0;
    float LanePos = 0.0f;
    std::array<SpaceRef, 2> Nxt{NoSpace, NoSpace};
    std::array<SpaceRef, 4> Adj{NoSpace, NoSpace, NoSpace, NoSpace};
    std::int16_t Segment = 0;
    std::int16_t GapPart = 0;

    float CenterX() const { return Pt[0].x; }
    float CenterY() const { return Pt[0].y; }
};

struct Lane {
    std::string Name; // bytes as read from the file
    std::vector<Space> Spaces;
};

struct Corner {
    std::string Name;
    std::int16_t Stops = 0;
    std::int16_t Long = 0;
    std::int16_t Short = 0;
    // Vtx[0] is the flag's foot; Vtx[1..2] are derived by DeriveCornerFlag.
    std::array<PointF, 3> Vtx{};
};

struct BackPoly {
    std::int16_t Detail = 0;
    Colour FillColor = 0;
    Colour OutlineColor = 0;
    std::vector<PointI> Vtxs;
};

struct TrackInfo {
    std::string Name;
    std::string Description;
    std::string Location;
    std::string Version = "1.0";
    std::string BuildDate = "N/A";
    std::string BuildTime = "N/A";
    std::string Author;
    std::string DesignerVersion = "N/A";
    std::string RainyMax = "7";
    std::string ChangeableMax = "12";
};

struct Track {
    std::vector<Lane> Lanes;
    // Entries 1..20 are grid positions; entry 0 is a scratch slot, never saved.
    std::array<SpaceRef, 21> StartPos = MakeEmptyStartPos();
    std::vector<Corner> Corners;
    std::vector<BackPoly> BackPolys;
    Colour BackColor = Palette[4];
    TrackInfo Info;

    static constexpr std::array<SpaceRef, 21> MakeEmptyStartPos() {
        std::array<SpaceRef, 21> a{};
        for (auto& v : a)
            v = NoSpace;
        return a;
    }

    // The space a reference names, or nullptr when it names none (dangling
    // references are legal in the model and read as "none").
    const Space* Find(SpaceRef ref) const;
    Space* Find(SpaceRef ref);
    const Space* Find(int lane, int index) const;
    Space* Find(int lane, int index);
    bool ValidLane(int lane) const { return lane >= 0 && lane < static_cast<int>(Lanes.size()); }
};

// Index of the last lane whose name equals `name` exactly; 0 when none does.
int LaneByName(const Track& track, std::string_view name);
// Like LaneByName, but -1 when no lane has that name.
int FindLane(const Track& track, std::string_view name);

// Recomputes Vtx[1] and Vtx[2] of a corner's flag from Vtx[0].
void DeriveCornerFlag(Corner& corner);

} // namespace td
