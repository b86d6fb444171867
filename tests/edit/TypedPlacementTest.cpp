#include "edit/TypedPlacement.h"

#include <cmath>

#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "model/SpaceGeometry.h"

using namespace td;

namespace {

constexpr double Pi = 3.14159265358979323846;

double Distance(PointF a, PointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class TypedPlacementTest : public test::EditorFixture {
  protected:
    // The middle lane bent into a chicane, spaces end to end; space 2 is
    // current.
    void StartWithChicane() {
        StartWithNewTrack();
        Lane& lane = editor.track.Lanes[1];
        lane.Spaces.clear();
        const int angles[] = {0, 20, 40, 20, 0, 340, 320, 340};
        PointF front{-100, -100};
        for (int a : angles) {
            Space s;
            s.Rotation = static_cast<std::int16_t>(a);
            const double r = a * Pi / 180;
            s.Pt[0] = {static_cast<float>(front.x + 100 * std::cos(r)),
                       static_cast<float>(front.y + 100 * std::sin(r))};
            front = {static_cast<float>(front.x + 200 * std::cos(r)),
                     static_cast<float>(front.y + 200 * std::sin(r))};
            ComputeSpaceOutline(s);
            lane.Spaces.push_back(s);
        }
        // The chicane is where the history starts.
        editor.history.Reset(editor.track);
        Select(2);
    }
    void Select(int space) {
        editor.sel.CurLane = 1;
        editor.sel.CurSpace = space;
        editor.LoadCurrentSpace();
        editor.UpdateSpacePanels();
    }
    void Type(const std::string& box, const std::string& text) {
        editor.Dispatch(Command::Text(box, text));
    }
    const std::vector<Space>& Spaces() const { return editor.track.Lanes[1].Spaces; }
};

TEST_F(TypedPlacementTest, TypedXAndYMoveTheSpaceAndTheRestOfItsLane) {
    StartWithChicane();
    const std::vector<Space> before = Spaces();
    EXPECT_EQ(host.controlText["SpaceXTxt"], editor.LocaleNumberText(before[2].Pt[0].x));

    Type("SpaceXTxt", "500");
    Type("SpaceYTxt", " -250.5 ");
    const float dx = 500 - before[2].Pt[0].x, dy = -250.5f - before[2].Pt[0].y;
    EXPECT_NEAR(Spaces()[2].Pt[0].x, 500, 1e-3);
    EXPECT_NEAR(Spaces()[2].Pt[0].y, -250.5, 1e-3);
    for (size_t k = 0; k < before.size(); ++k) {
        const float sx = k >= 2 ? dx : 0, sy = k >= 2 ? dy : 0;
        EXPECT_NEAR(Spaces()[k].Pt[0].x, before[k].Pt[0].x + sx, 1e-2) << k;
        EXPECT_NEAR(Spaces()[k].Pt[0].y, before[k].Pt[0].y + sy, 1e-2) << k;
        EXPECT_NEAR(Spaces()[k].Pt[3].x, before[k].Pt[3].x + sx, 1e-2) << "outline of " << k;
        EXPECT_EQ(Spaces()[k].Rotation, before[k].Rotation);
    }
    EXPECT_EQ(host.panels["SpaceX"], "X:500.00");

    // Each typed value is a step of its own.
    ASSERT_TRUE(editor.history.CanUndo());
    EXPECT_EQ(editor.history.UndoName(), "Type Space Y");
    Menu("MnuUndo");
    EXPECT_NEAR(Spaces()[2].Pt[0].x, 500, 1e-3);
    EXPECT_NEAR(Spaces()[3].Pt[0].y, before[3].Pt[0].y, 1e-3);
    Menu("MnuUndo");
    EXPECT_EQ(Spaces()[4].Pt[0].x, before[4].Pt[0].x);
}

TEST_F(TypedPlacementTest, TypedAngleTurnsTheRestOfTheLaneAboutTheSpace) {
    StartWithChicane();
    const std::vector<Space> before = Spaces();
    Type("SpaceAngleTxt", "-50"); // 310, the short way round from 40
    EXPECT_EQ(Spaces()[2].Rotation, 310);
    EXPECT_EQ(Spaces()[1].Rotation, before[1].Rotation);
    for (size_t k = 3; k < before.size(); ++k) {
        EXPECT_EQ(Spaces()[k].Rotation, (before[k].Rotation + 270) % 360) << k;
        // The lane turns as one piece: its spacing stays.
        EXPECT_NEAR(Distance(Spaces()[k].Pt[0], Spaces()[k - 1].Pt[0]),
                    Distance(before[k].Pt[0], before[k - 1].Pt[0]), 1e-2)
            << k;
    }
    EXPECT_EQ(host.controlText["SpaceAngleTxt"], "310");
}

TEST_F(TypedPlacementTest, TypedLengthKeepsTheLaneEndToEndAndStaysInRange) {
    StartWithChicane();
    host.decimalSeparator = ',';
    const std::vector<Space> before = Spaces();
    Type("SpaceLengthTxt", "1,5");
    EXPECT_FLOAT_EQ(Spaces()[2].Scale, 1.5f);
    // The spaces ahead go with its front end, as with the scale keys.
    const float fx = Spaces()[2].Pt[2].x - before[2].Pt[2].x;
    const float fy = Spaces()[2].Pt[2].y - before[2].Pt[2].y;
    EXPECT_GT(std::hypot(fx, fy), 50);
    for (size_t k = 3; k < before.size(); ++k) {
        EXPECT_NEAR(Spaces()[k].Pt[0].x, before[k].Pt[0].x + fx, 1e-2) << k;
        EXPECT_NEAR(Spaces()[k].Pt[0].y, before[k].Pt[0].y + fy, 1e-2) << k;
    }
    EXPECT_EQ(Spaces()[1].Pt[0].x, before[1].Pt[0].x);
    EXPECT_EQ(host.controlText["SpaceLengthTxt"], "1,5");

    Type("SpaceLengthTxt", "7");
    EXPECT_FLOAT_EQ(Spaces()[2].Scale, 2.0f);
    EXPECT_EQ(host.controlText["SpaceLengthTxt"], "2");
}

TEST_F(TypedPlacementTest, TextThatIsNoNumberChangesNothingAndShowsTheValueAgain) {
    StartWithChicane();
    const std::vector<Space> before = Spaces();
    const std::string shown = host.controlText["SpaceXTxt"];
    for (const char* text : {"", "  ", "12x", "x", "1e99", "nan", "--3"}) {
        host.controlText["SpaceXTxt"] = text;
        Type("SpaceXTxt", text);
        EXPECT_EQ(host.controlText["SpaceXTxt"], shown) << text;
    }
    Type("SpaceAngleTxt", "40"); // the angle it has
    for (size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(Spaces()[k].Pt[0].x, before[k].Pt[0].x);
    EXPECT_FALSE(editor.history.CanUndo());

    EXPECT_EQ(TypedNumber("+2,25", ','), 2.25f);
    EXPECT_EQ(TypedNumber("2.25", ','), 2.25f);
    EXPECT_FALSE(TypedNumber("2,25", '.'));

    // The pending space after the last has no stored place to move.
    Select(static_cast<int>(before.size()));
    Type("SpaceXTxt", "0");
    EXPECT_EQ(Spaces().back().Pt[0].x, before.back().Pt[0].x);
}

} // namespace
