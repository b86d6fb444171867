#include <gtest/gtest.h>

#include <cmath>

#include "render/Colours.h"
#include "render/Overlays.h"
#include "render/SceneFixture.h"
#include "render/Symbols.h"

namespace td::test {
namespace {

// World coordinates of a line's ends in the fixture's view (zoom 1).
struct Seg {
    float x1, y1, x2, y2;
};
Seg World(const Call& c) {
    return {c.v[0] - 4500.0f, c.v[1] - 3000.0f, c.v[2] - 4500.0f, c.v[3] - 3000.0f};
}

void ExpectSeg(const Call& c, float x1, float y1, float x2, float y2) {
    const Seg s = World(c);
    EXPECT_NEAR(s.x1, x1, 0.01f) << RecordingSurface::Describe(c);
    EXPECT_NEAR(s.y1, y1, 0.01f) << RecordingSurface::Describe(c);
    EXPECT_NEAR(s.x2, x2, 0.01f) << RecordingSurface::Describe(c);
    EXPECT_NEAR(s.y2, y2, 0.01f) << RecordingSurface::Describe(c);
}

struct SymbolsTest : ::testing::Test, SceneFixture {
    SymbolsTest() { OnlySymbols(); }
    int lane = AddLane("Left");
    // Draws the overlays of one space with the given symbol; returns the lines.
    std::vector<Call> Draw(int symbol, int rotation = 0, float scale = 1.0f) {
        track.Lanes[0].Spaces.clear();
        AddSpace(lane, 0.0f, 0.0f, rotation, scale, symbol);
        surface.Reset();
        Scene scene = Make();
        DrawSpaceOverlays(scene, lane, 0);
        return surface.Of(Op::Line);
    }
};

TEST_F(SymbolsTest, RegularSpaceAndUnknownCodesDrawNothing) {
    EXPECT_TRUE(Draw(0).empty());
    EXPECT_TRUE(Draw(29).empty());
    EXPECT_TRUE(Draw(60).empty());
}

TEST_F(SymbolsTest, HeavyArrowIsThreeBlackLinesAtDoubleWidth) {
    const auto lines = Draw(Sym::ArrowHeavy, 0, 1.5f);
    ASSERT_EQ(lines.size(), 3u);
    ExpectSeg(lines[0], -105, 0, 105, 0);
    ExpectSeg(lines[1], 30, -20, 105, 0);
    ExpectSeg(lines[2], 30, 20, 105, 0);
    for (const Call& c : lines) {
        EXPECT_EQ(c.colour, Col::Black);
        EXPECT_EQ(c.penMode, PenCopy);
        EXPECT_EQ(c.stateLineWidth, 2);
    }
    EXPECT_EQ(surface.lineWidth, 1);
}

TEST_F(SymbolsTest, LightArrowTurnsWithTheSpaceAndKeepsWidthOne) {
    const auto lines = Draw(Sym::ArrowLight, 90);
    ASSERT_EQ(lines.size(), 3u);
    ExpectSeg(lines[0], 0, -70, 0, 70); // points down the screen: +Y
    ExpectSeg(lines[1], 20, 20, 0, 70);
    EXPECT_EQ(lines[0].stateLineWidth, 1);
    EXPECT_EQ(surface.Count(Op::SetLineWidth), 0u);
}

TEST_F(SymbolsTest, DoubleArrowsAddASecondArrowTurnedAboutTheTail) {
    const float c15 = std::cos(15.0f * 3.14159265f / 180.0f),
                s15 = std::sin(15.0f * 3.14159265f / 180.0f);
    auto left = Draw(Sym::ArrowDoubleLeft);
    ASSERT_EQ(left.size(), 6u);
    // Tail (-70, 0); the tip (70, 0) turned by -15 degrees about it.
    ExpectSeg(left[3], -70, 0, -70 + 140 * c15, -140 * s15);
    auto right = Draw(Sym::ArrowDoubleRight);
    ASSERT_EQ(right.size(), 6u);
    ExpectSeg(right[3], -70, 0, -70 + 140 * c15, 140 * s15);
    // The barb (20, -20) turned by +15 degrees about the tail ends at the turned tip.
    const float bx = 90.0f, by = -20.0f;
    ExpectSeg(right[4], -70 + bx * c15 - by * s15, bx * s15 + by * c15, -70 + 140 * c15, 140 * s15);
}

TEST_F(SymbolsTest, PitMarkIsAClosedBarInTheTeamColour) {
    auto lines = Draw(Sym::PitTeam1 + 2, 0, 2.0f); // team 3, scale does not stretch it
    ASSERT_EQ(lines.size(), 4u);
    ExpectSeg(lines[0], 70, -30, -70, -30);
    ExpectSeg(lines[1], -70, -30, -70, -12.5f);
    ExpectSeg(lines[3], 70, -12.5f, 70, -30);
    EXPECT_EQ(lines[0].colour, 0x008000u);
    lines = Draw(Sym::PitTeam1); // team 1 is drawn black, not white
    EXPECT_EQ(lines[0].colour, Col::Black);
    lines = Draw(Sym::PitTeam1 + 9);
    EXPECT_EQ(lines[0].colour, 0x640000u);
}

TEST_F(SymbolsTest, GarageMarkScalesWithLengthAndZoomAndOnlyWhenFilled) {
    view.Zoom = 1.75f;
    auto lines = Draw(Sym::GarageTeam1 + 4, 0, 1.0f);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].colour, 0x800000u);
    EXPECT_EQ(lines[0].stateLineWidth, 4); // 3.5 rounds to even
    EXPECT_EQ(surface.lineWidth, 1);
    EXPECT_FLOAT_EQ(lines[0].v[0], -80.0f * 1.75f + 4500.0f);
    EXPECT_EQ(Draw(Sym::GarageTeam1)[0].colour, Col::Black);
    display.Filled = false;
    EXPECT_TRUE(Draw(Sym::GarageTeam1 + 4).empty());
    EXPECT_EQ(GarageLineWidth(1.25f), 2);
    EXPECT_EQ(GarageLineWidth(0.3f), 1);
    EXPECT_EQ(GarageLineWidth(0.25f), 1); // never zero
}

TEST_F(SymbolsTest, FinishLinePatterns) {
    auto centre = Draw(Sym::FinishCenter, 0, 3.0f); // scale does not stretch it
    ASSERT_EQ(centre.size(), 8u);
    const float xs[] = {-50, -25, 0, 25, 50};
    for (int i = 0; i < 5; ++i)
        ExpectSeg(centre[static_cast<size_t>(i)], xs[i], -50, xs[i], 50);
    ExpectSeg(centre[5], 50, 25, -50, 25);
    ExpectSeg(centre[6], 50, 0, -50, 0);
    ExpectSeg(centre[7], 50, -25, -50, -25);

    auto left = Draw(Sym::FinishLeft);
    ASSERT_EQ(left.size(), 5u);
    ExpectSeg(left[1], -75, -50, -75, 50);
    ExpectSeg(left[2], -100, 25, -50, 25);

    auto right = Draw(Sym::FinishRight, 180);
    ASSERT_EQ(right.size(), 5u);
    ExpectSeg(right[1], -75, 50, -75, -50); // front end faces -X when turned round
    for (const Call& c : right)
        EXPECT_EQ(c.colour, Col::Black);
}

TEST_F(SymbolsTest, StartGridBracketWhiteWhenFilledBlackInWireframe) {
    track.StartPos[0] = MakeRef(0, 0); // the scratch slot does not count
    EXPECT_TRUE(Draw(0).empty());
    track.StartPos[20] = MakeRef(0, 0);
    auto lines = Draw(0);
    ASSERT_EQ(lines.size(), 3u);
    ExpectSeg(lines[0], 70, -30, 70, 30);
    ExpectSeg(lines[1], 70, -30, 50, -30);
    ExpectSeg(lines[2], 70, 30, 50, 30);
    EXPECT_EQ(lines[0].colour, Col::White);
    display.Filled = false;
    EXPECT_EQ(Draw(0)[0].colour, Col::Black);
}

TEST_F(SymbolsTest, SymbolOptionOffHidesSymbolAndBracket) {
    track.StartPos[1] = MakeRef(0, 0);
    display.DrawSymbol = false;
    EXPECT_TRUE(Draw(Sym::ArrowHeavy).empty());
}

TEST_F(SymbolsTest, StartPositionsMatchLaneAndIndexExactly) {
    track.StartPos[3] = MakeRef(2, 5);
    EXPECT_TRUE(IsStartPosition(track, 2, 5));
    EXPECT_FALSE(IsStartPosition(track, 2, 6));
    EXPECT_FALSE(IsStartPosition(track, 0, 2005));
    EXPECT_FALSE(IsStartPosition(track, -1, -1));
}

} // namespace
} // namespace td::test
