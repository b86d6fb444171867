#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include "DrawArea.h"
#include "StartFitted.h"
#include "TD.h"
#include "TDTestSupport.h"
#include "view/ViewTransform.h"

namespace td {
namespace {

class FitInWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ClearSettings();
        ASSERT_TRUE(tracks.isValid());
    }

    std::unique_ptr<TD> OpenWindow(bool fit) {
        TDOptions o;
        o.showSplash = false;
        o.tracksFolder = tracks.path();
        auto w = std::make_unique<TD>(o);
        w->Start(QString::fromLatin1(TD_TEST_DATA_DIR "/template4.trk"));
        if (fit)
            StartFitted(*w);
        w->ShowPlaced();
        QCoreApplication::processEvents();
        EXPECT_TRUE(w->drawArea()->isVisible());
        return w;
    }

    // The world point under the drawing area's centre.
    static std::pair<float, float> CentrePoint(TD& w) {
        const ViewState& v = w.editor().view;
        return {ScreenToWorldX(v, v.AreaWidth / 2), ScreenToWorldY(v, v.AreaHeight / 2)};
    }

    static bool WholeTrackShown(TD& w) {
        const ViewState& v = w.editor().view;
        for (const Lane& lane : w.editor().track.Lanes)
            for (const Space& s : lane.Spaces)
                for (const PointF& p : s.Pt) {
                    const float x = WorldToScreenX(v, p.x);
                    const float y = WorldToScreenY(v, p.y);
                    if (x < 0 || y < 0 || x > v.AreaWidth || y > v.AreaHeight)
                        return false;
                }
        return true;
    }

    QTemporaryDir tracks;
};

TEST_F(FitInWindowTest, ALargerWindowKeepsTheCentreAndCtrl0FitsTheTrack) {
    auto w = OpenWindow(false);
    ASSERT_TRUE(w->editor().HasTrack);
    const auto before = CentrePoint(*w);
    const int widthBefore = w->drawArea()->width();
    w->resize(w->width() + 600, w->height() + 400);
    QCoreApplication::processEvents();
    ASSERT_GT(w->drawArea()->width(), widthBefore);
    const auto after = CentrePoint(*w);
    EXPECT_NEAR(after.first, before.first, 1.0f);
    EXPECT_NEAR(after.second, before.second, 1.0f);

    QAction* fit = w->MenuAction("MnuFitTrack");
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
    EXPECT_EQ(w->Menu("MnuOptions")->actions().last(), fit);
    w->editor().view.Zoom = 60.0f;
    ASSERT_FALSE(WholeTrackShown(*w));
    fit->trigger();
    EXPECT_TRUE(WholeTrackShown(*w));
    EXPECT_LT(w->editor().view.Zoom, 60.0f);
}

TEST_F(FitInWindowTest, FitFromTheCommandLineUsesTheShownWindow) {
    auto w = OpenWindow(true);
    // The window settles (and is fitted again) in its first moments.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 700)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(WholeTrackShown(*w));
    // Fitted for the shown area: one more fit changes nothing.
    const float zoom = w->editor().view.Zoom;
    w->Dispatch(Command::Menu("MnuFitTrack"));
    EXPECT_EQ(w->editor().view.Zoom, zoom);
}

TEST_F(FitInWindowTest, OptionsButtonDropsDownTheDisplayOptions) {
    auto w = OpenWindow(false);
    QToolButton* options = w->Button("Options");
    ASSERT_NE(options, nullptr);
    ASSERT_NE(options->menu(), nullptr);
    EXPECT_EQ(options->popupMode(), QToolButton::InstantPopup);
    QStringList names;
    for (QAction* a : options->menu()->actions())
        names << a->objectName();
    // Checkable items only: not the filled/wireframe switch or the fit.
    EXPECT_FALSE(names.contains(QStringLiteral("MnuDrawFullDetail")));
    EXPECT_FALSE(names.contains(QStringLiteral("MnuFitTrack")));
    ASSERT_TRUE(names.contains(QStringLiteral("MnuDrawWorldCOR")));
    EXPECT_TRUE(names.contains(QStringLiteral("MnuShowMoves")));

    // A pick there is the menu's own command: the option and its mark change.
    QAction* worldCor = w->MenuAction("MnuDrawWorldCOR");
    const bool was = w->editor().display.DrawWorldCOR;
    worldCor->trigger();
    EXPECT_EQ(w->editor().display.DrawWorldCOR, !was);
    EXPECT_EQ(worldCor->isChecked(), !was);
}

} // namespace
} // namespace td
