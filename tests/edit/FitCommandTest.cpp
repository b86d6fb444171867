#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "view/FitView.h"
#include "view/ViewOps.h"
#include "view/ViewTransform.h"

namespace td::test {
namespace {

class FitCommandTest : public EditorFixture {};

// Every corner of every space lies inside the drawing area.
void ExpectWholeTrackShown(const Editor& ed) {
    for (const Lane& lane : ed.track.Lanes)
        for (const Space& s : lane.Spaces)
            for (const PointF& p : s.Pt) {
                const float x = WorldToScreenX(ed.view, p.x);
                const float y = WorldToScreenY(ed.view, p.y);
                EXPECT_GE(x, 0.0f);
                EXPECT_LE(x, ed.view.AreaWidth);
                EXPECT_GE(y, 0.0f);
                EXPECT_LE(y, ed.view.AreaHeight);
            }
}

TEST_F(FitCommandTest, FitsAPannedAndZoomedTrackAndShowsTheNewZoom) {
    StartWithNewTrack(true);
    editor.SetArea(12000.0f, 9000.0f, true);
    editor.view.Zoom = 40.0f;
    PanView(editor.view, 3000.0f, -2000.0f);
    const int before = editor.RefreshCount;
    Menu("MnuFitTrack");
    ExpectWholeTrackShown(editor);
    EXPECT_LT(editor.view.Zoom, 40.0f);
    EXPECT_EQ(host.panels["Zoom"], ZoomPanelText(editor.view.Zoom));
    EXPECT_GT(editor.RefreshCount, before);
    // A second fit changes nothing.
    const ViewState fitted = editor.view;
    Menu("MnuFitTrack");
    EXPECT_EQ(editor.view.Zoom, fitted.Zoom);
    EXPECT_EQ(editor.view.OffsetX, fitted.OffsetX);
}

TEST_F(FitCommandTest, ResizedAreaKeepsTheCentreAndANewFitUsesTheWholeArea) {
    StartWithNewTrack();
    editor.SetArea(12000.0f, 9000.0f, true);
    Menu("MnuFitTrack");
    const float small = editor.view.Zoom;
    const float cx = ScreenToWorldX(editor.view, 6000.0f);
    const float cy = ScreenToWorldY(editor.view, 4500.0f);
    // Maximised: what was in the middle stays there.
    editor.SetArea(28800.0f, 21600.0f, true);
    EXPECT_NEAR(ScreenToWorldX(editor.view, 14400.0f), cx, 0.01f);
    EXPECT_NEAR(ScreenToWorldY(editor.view, 10800.0f), cy, 0.01f);
    Menu("MnuFitTrack");
    EXPECT_GT(editor.view.Zoom, small);
    ExpectWholeTrackShown(editor);
}

TEST_F(FitCommandTest, WithoutATrackNothingChanges) {
    Start();
    editor.SetArea(12000.0f, 9000.0f, true);
    const ViewState before = editor.view;
    host.panels.erase("Zoom");
    Menu("MnuFitTrack");
    EXPECT_EQ(editor.view.Zoom, before.Zoom);
    EXPECT_EQ(editor.view.OffsetX, before.OffsetX);
    EXPECT_EQ(host.panels.count("Zoom"), 0u);
}

} // namespace
} // namespace td::test
