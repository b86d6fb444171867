// Show Moves in the real window: the marks on screen, the moves box and the
// settings that keep both.

#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QWheelEvent>

#include "DrawArea.h"
#include "TD.h"
#include "TDTestSupport.h"
#include "render/Colours.h"

namespace td {
namespace {

TDOptions Quiet(const QString& tracks) {
    TDOptions o;
    o.showSplash = false;
    o.tracksFolder = tracks;
    return o;
}

const QString Demo = QStringLiteral(TD_TEST_DATA_DIR "/../../tracks/demo.trk");

int PixelsOf(const QImage& image, Colour c) {
    const QRgb want = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == want;
    return n;
}

class ShowMovesTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ClearSettings(); }
    QTemporaryDir tracks;
};

TEST_F(ShowMovesTest, TheMarksShowInTheWindowAndTheStatusBarCountsThem) {
    TD w(Quiet(tracks.path()));
    w.Start(Demo);
    w.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(PixelsOf(w.grab().toImage(), Col::MoveEnd), 0);
    EXPECT_FALSE(w.Panel("Moves")->isVisible());

    w.MenuAction("MnuShowMoves")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w.MenuAction("MnuShowMoves")->isChecked());
    const QImage shot = w.grab().toImage();
    EXPECT_GT(PixelsOf(shot, Col::MoveEnd), 100);
    EXPECT_GT(PixelsOf(shot, Col::MovePassed), 100);
    const size_t ends = w.editor().CurrentReach().Exactly.size();
    EXPECT_TRUE(w.Panel("Moves")->isVisible());
    EXPECT_EQ(w.Panel("Moves")->text().toStdString(),
              "Moves: 6, " + std::to_string(ends) + " spaces");
}

TEST_F(ShowMovesTest, TheWheelAndPlusAndMinusStepTheBoxAndTheSettingsKeepIt) {
    {
        TD w(Quiet(tracks.path()));
        w.Start(Demo);
        auto* box = qobject_cast<QSpinBox*>(w.Control("MovesTxt"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->value(), 6);
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box, &wheel);
        EXPECT_EQ(w.editor().display.Moves, 7);
        for (const char* key : {"+", "+", "-"}) {
            QKeyEvent press(QEvent::KeyPress, key[0] == '+' ? Qt::Key_Plus : Qt::Key_Minus,
                            Qt::NoModifier, QString::fromLatin1(key));
            QCoreApplication::sendEvent(box, &press);
        }
        EXPECT_EQ(w.editor().display.Moves, 8);
        EXPECT_EQ(box->value(), 8);
        w.MenuAction("MnuShowMoves")->trigger();
        ASSERT_TRUE(w.close());
    }
    TD again(Quiet(tracks.path()));
    again.Start(Demo);
    EXPECT_TRUE(again.MenuAction("MnuShowMoves")->isChecked());
    EXPECT_EQ(qobject_cast<QSpinBox*>(again.Control("MovesTxt"))->value(), 8);
    EXPECT_EQ(again.editor().display.Moves, 8);
}

} // namespace
} // namespace td
