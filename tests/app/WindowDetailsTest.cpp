// Details of the window seen by a new author: status panels that never cut a
// number, quotes in Track Info, the Detail Level radio items, small icons and
// a start-up message above the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include "StatusPanel.h"
#include "TD.h"
#include "TDTestSupport.h"
#include "TDTrackInfo.h"
#include "ToolbarIcons.h"

namespace td {
namespace {

TDOptions NoSplash(const QString& tracks) {
    TDOptions o;
    o.showSplash = false;
    o.tracksFolder = tracks;
    return o;
}

class WindowDetailsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ClearSettings();
        ASSERT_TRUE(tracks.isValid());
    }
    QTemporaryDir tracks;
};

TEST_F(WindowDetailsTest, StatusPanelsShowTheirWholeTextOrEndItWithAnEllipsis) {
    TD w(NoSplash(tracks.path()));
    w.Start({});
    w.resize(800, 600);
    w.Dispatch(Command::Button("New3Lane"));
    const std::pair<const char*, const char*> texts[] = {{"CurrScl", "Length:0.9476401"},
                                                         {"Zoom", "Zoom Level:12.75"},
                                                         {"CurrLane", "Lane 2, Mid-Right"},
                                                         {"SpaceX", "X:-12345.67"}};
    for (const auto& [key, text] : texts)
        w.SetPanelText(key, text);
    w.statusBar()->layout()->activate();
    for (const auto& [key, text] : texts) {
        auto* panel = dynamic_cast<StatusPanel*>(w.Panel(key));
        ASSERT_NE(panel, nullptr) << key;
        EXPECT_EQ(panel->ShownText(), QString::fromLatin1(text)) << key;
    }
    // A lane name no bar could hold ends in an ellipsis inside its panel.
    const QString longName = QStringLiteral("Lane 2, ") + QString(200, QLatin1Char('W'));
    w.SetPanelText("CurrLane", longName.toStdString());
    w.statusBar()->layout()->activate();
    auto* lane = dynamic_cast<StatusPanel*>(w.Panel("CurrLane"));
    const QString shown = lane->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(lane->fontMetrics().horizontalAdvance(shown), lane->contentsRect().width());
    EXPECT_LE(lane->geometry().right(), w.Panel("CurrSpace")->geometry().left());
}

TEST_F(WindowDetailsTest, DetailLevelItemsAreOneOfFour) {
    TD w(NoSplash(tracks.path()));
    w.Start({});
    QActionGroup* group = w.MenuAction("MnuDetail(1)")->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    for (int k = 2; k <= 4; ++k)
        EXPECT_EQ(w.MenuAction("MnuDetail(" + std::to_string(k) + ")")->actionGroup(), group);
    w.MenuAction("MnuDetail(3)")->trigger();
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(w.MenuAction("MnuDetail(" + std::to_string(k) + ")")->isChecked(), k == 3) << k;
    EXPECT_EQ(w.MenuAction("MnuDrawFlags")->actionGroup(), nullptr);
}

TEST_F(WindowDetailsTest, QuotesAndCommasTypedInTrackInfoShowAsWhatReadsBack) {
    testing::App();
    Track track;
    TDTrackInfo dialog(track);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("TrackInfoTxt(0)"));
    ASSERT_NE(edit, nullptr);
    for (const QString& ch : {QStringLiteral("a"), QStringLiteral("\""), QStringLiteral("b")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QCoreApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("a'b"));
    EXPECT_EQ(edit->cursorPosition(), 3);
    EXPECT_EQ(track.Info.Name, "a'b");

    // A comma ends the unquoted version and weather lines when read: those
    // boxes show the point that is saved instead. A quoted name keeps it.
    auto type = [](QLineEdit* box, const QString& text) {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(box, &press);
        }
    };
    type(edit, QStringLiteral(","));
    EXPECT_EQ(track.Info.Name, "a'b,");
    auto* version = dialog.findChild<QLineEdit*>(QStringLiteral("TrackInfoTxt(1)"));
    auto* rainy = dialog.findChild<QLineEdit*>(QStringLiteral("WeatherTxt(0)"));
    ASSERT_TRUE(version && rainy);
    version->clear();
    type(version, QStringLiteral("2,1"));
    rainy->clear();
    type(rainy, QStringLiteral("6,5"));
    EXPECT_EQ(version->text(), QStringLiteral("2.1"));
    EXPECT_EQ(track.Info.Version, "2.1");
    EXPECT_EQ(track.Info.RainyMax, "6.5");
}

// Distinct rows of a 16-pixel icon's middle column that are not transparent,
// counted as runs: the stripes of a lane icon.
int StripesAt16(const QString& key) {
    const QImage img = ToolbarIcon(key).pixmap(QSize(16, 16)).toImage();
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < 16; ++y) {
        const bool on = qAlpha(img.pixel(8, y)) > 128;
        runs += on && !inRun;
        inRun = on;
    }
    return runs;
}

TEST_F(WindowDetailsTest, SmallIconsKeepTheirPicture) {
    testing::App();
    EXPECT_EQ(StripesAt16("New3Lane"), 3);
    EXPECT_EQ(StripesAt16("New4Lane"), 4);
    // The fine grid shows dots on a light ground, not an even grey.
    const QImage fine = ToolbarIcon("GridFine").pixmap(QSize(16, 16)).toImage();
    int dark = 0, light = 0;
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) {
            const int g = qGray(fine.pixel(x, y));
            dark += g < 90;
            light += g > 200;
        }
    EXPECT_GT(dark, 8);
    EXPECT_GT(light, 8);
}

// Records how the window stood when a real message box came up, and closes it.
class WatchedTD : public TD {
  public:
    using TD::TD;
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override {
        QTimer::singleShot(0, this, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                boxParent = box->parentWidget();
                box->close();
            }
        });
        windowShown = isVisible();
        return TD::MessageBox(text, title, buttons, icon);
    }
    bool windowShown = false;
    QWidget* boxParent = nullptr;
};

TEST_F(WindowDetailsTest, AStartUpMessageComesAboveTheShownWindow) {
    WatchedTD w(NoSplash(tracks.path()));
    w.Start(tracks.path() + "/missing.trk");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.boxParent, &w);
}

} // namespace
} // namespace td
