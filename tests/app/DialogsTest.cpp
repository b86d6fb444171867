// The Track Info dialog, the About box and the splash window, driven as
// widgets without showing them on a real screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "TDAbout.h"
#include "TDSplash.h"
#include "TDTestSupport.h"
#include "TDTrackInfo.h"
#include "Version.h"
#include "model/Selection.h"
#include "model/Templates.h"
#include "model/Track.h"

namespace td {
namespace {

QApplication& App() {
    return testing::App();
}

template <typename W> W* Child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString Text(QWidget& parent, const char* name) {
    if (auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    if (auto* edit = parent.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return edit->text();
    ADD_FAILURE() << "no control " << name;
    return {};
}

// Typing replaces the box's text the way the author does it.
void Type(QWidget& parent, const char* name, const QString& text) {
    if (auto* edit = Child<QLineEdit>(parent, name)) {
        edit->selectAll();
        edit->insert(text);
    }
}

void Click(QWidget* target) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// Waits for a condition while the event loop runs, at most `ms`.
template <typename F> bool WaitFor(F condition, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

Track NewTrack3() {
    Track track;
    Selection sel;
    BuildNewTrack3(track, sel);
    return track;
}

class TrackInfoDialog : public ::testing::Test {
  protected:
    void SetUp() override { App(); }
};

TEST_F(TrackInfoDialog, WeatherCaptionsFollowTheLeadingNumberOfTheBoxes) {
    EXPECT_EQ(TDTrackInfo::ChangeableCaption("5"), "6 - ");
    EXPECT_EQ(TDTrackInfo::SunnyCaption("15"), "16 - 20");
    EXPECT_EQ(TDTrackInfo::ChangeableCaption("abc"), "1 - ");
    EXPECT_EQ(TDTrackInfo::ChangeableCaption(""), "1 - ");
    EXPECT_EQ(TDTrackInfo::ChangeableCaption("  9 dry"), "10 - ");
    EXPECT_EQ(TDTrackInfo::SunnyCaption("-3"), "-2 - 20");
    EXPECT_EQ(TDTrackInfo::ChangeableCaption("7.5"), "8.5 - ");
    EXPECT_EQ(TDTrackInfo::SunnyCaption("1.5.2"), "2.5 - 20");
    // A long run of digits must neither overflow nor wrap to a negative number.
    EXPECT_GT(TDTrackInfo::LeadingNumber("99999999999999999999999999"), 0);
    EXPECT_EQ(TDTrackInfo::ChangeableCaption("1e999"), "1 - ");
}

TEST_F(TrackInfoDialog, TypingIntoTheWeatherBoxesUpdatesTheRowBelow) {
    Track track;
    TDTrackInfo dialog(track);
    EXPECT_EQ(Text(dialog, "WeatherLbl(0)"), "1 - ");
    EXPECT_EQ(Text(dialog, "WeatherLbl(1)"), "8 - ");
    EXPECT_EQ(Text(dialog, "WeatherLbl(2)"), "13 - 20");

    Type(dialog, "WeatherTxt(0)", "5");
    EXPECT_EQ(Text(dialog, "WeatherLbl(1)"), "6 - ");
    Type(dialog, "WeatherTxt(1)", "15");
    EXPECT_EQ(Text(dialog, "WeatherLbl(2)"), "16 - 20");
    Type(dialog, "WeatherTxt(0)", "abc");
    EXPECT_EQ(Text(dialog, "WeatherLbl(1)"), "1 - ");
    // Nothing checks the texts: they are stored as typed.
    EXPECT_EQ(track.Info.RainyMax, "abc");
    EXPECT_EQ(track.Info.ChangeableMax, "15");
}

TEST_F(TrackInfoDialog, BoxesShowAndWriteBackTheTrackInformation) {
    Track track;
    track.Info.Name = "Circuit de la For\xEAt"; // single-byte text as read from a file
    track.Info.BuildDate = "01/02/2026";
    track.Info.BuildTime = "10:11";
    track.Info.DesignerVersion = "1.4.4";
    TDTrackInfo dialog(track);

    EXPECT_EQ(Text(dialog, "TrackInfoTxt(0)"), QString::fromUtf8("Circuit de la For\u00EAt"));
    EXPECT_EQ(Text(dialog, "TrackInfoTxt(1)"), "1.0");
    EXPECT_EQ(Text(dialog, "TrackInfo(0)"), "01/02/2026");
    EXPECT_EQ(Text(dialog, "TrackInfo(1)"), "10:11");
    EXPECT_EQ(Text(dialog, "TrackInfo(2)"), "1.4.4");
    EXPECT_EQ(Text(dialog, "WeatherTxt(0)"), "7");
    EXPECT_EQ(Text(dialog, "WeatherTxt(1)"), "12");
    // Showing the fields must not have rewritten them.
    EXPECT_EQ(track.Info.Name, "Circuit de la For\xEAt");

    Type(dialog, "TrackInfoTxt(0)", QString::fromUtf8("S\u00E3o Paulo"));
    Type(dialog, "TrackInfoTxt(1)", "2.1");
    Type(dialog, "TrackInfoTxt(2)", "M. Author");
    Type(dialog, "TrackInfoTxt(3)", "Fast and flowing");
    Type(dialog, "TrackInfoTxt(4)", "Brazil");
    EXPECT_EQ(track.Info.Name, "S\xE3o Paulo");
    EXPECT_EQ(track.Info.Version, "2.1");
    EXPECT_EQ(track.Info.Author, "M. Author");
    EXPECT_EQ(track.Info.Description, "Fast and flowing");
    EXPECT_EQ(track.Info.Location, "Brazil");
    // The read-only fields are not the dialog's to change.
    EXPECT_EQ(track.Info.BuildDate, "01/02/2026");
}

TEST_F(TrackInfoDialog, LineBreaksNeverReachTheOneLineFields) {
    Track track;
    TDTrackInfo dialog(track);
    auto* edit = Child<QLineEdit>(dialog, "TrackInfoTxt(3)");
    edit->setText("first line\nsecond\r\nthird");
    EXPECT_EQ(track.Info.Description.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(track.Info.Description.substr(0, 10), "first line");
}

TEST_F(TrackInfoDialog, RefreshReadsTheTrackThatLoadingPutInPlace) {
    Track first;
    TDTrackInfo dialog(first);
    Type(dialog, "TrackInfoTxt(0)", "Old");

    Track loaded;
    loaded.Info.Name = "Loaded";
    loaded.Info.RainyMax = "4";
    dialog.SetTrack(loaded);
    EXPECT_EQ(Text(dialog, "TrackInfoTxt(0)"), "Loaded");
    EXPECT_EQ(Text(dialog, "WeatherLbl(1)"), "5 - ");
    Type(dialog, "TrackInfoTxt(0)", "Renamed");
    EXPECT_EQ(loaded.Info.Name, "Renamed");
    EXPECT_EQ(first.Info.Name, "Old");

    // The same object overwritten in place, as a load into the main window's track does.
    loaded = Track{};
    loaded.Info.Name = "Reloaded";
    dialog.Refresh();
    EXPECT_EQ(Text(dialog, "TrackInfoTxt(0)"), "Reloaded");
}

TEST_F(TrackInfoDialog, ThreeLaneTemplateShowsRowsUpToLane3) {
    Track track = NewTrack3();
    track.Corners.resize(3);
    track.Corners[0].Stops = 1;
    track.Corners[1].Stops = 2;
    track.Corners[2].Stops = 3;
    TDTrackInfo dialog(track);
    EXPECT_TRUE(Child<QLabel>(dialog, "TrackInfoLbl(6)")->isHidden());
    dialog.Refresh();

    EXPECT_EQ(Text(dialog, "LaneInfoLbl(0)"), "3");
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(1)"), "1");
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(2)"), "1");
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(3)"), "2");
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(4)"), "1");
    EXPECT_EQ(Text(dialog, "NumCornersLbl"), "3");
    EXPECT_EQ(Text(dialog, "TotalStopsLbl"), "6");
    for (int i = 5; i <= 9; ++i)
        EXPECT_FALSE(
            Child<QLabel>(dialog, qPrintable(QString("TrackInfoLbl(%1)").arg(i)))->isHidden())
            << i;
    EXPECT_TRUE(Child<QLabel>(dialog, "TrackInfoLbl(10)")->isHidden());
    EXPECT_TRUE(Child<QLabel>(dialog, "LaneInfoLbl(5)")->isHidden());
}

TEST_F(TrackInfoDialog, FourLaneTemplateShowsEveryRowAndFewerLanesHideThemAgain) {
    Track track = NewTrack3();
    ConvertToFourLanes(track);
    TDTrackInfo dialog(track);
    dialog.Refresh();
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(0)"), "4");
    EXPECT_EQ(Text(dialog, "NumCornersLbl"), "0");
    EXPECT_EQ(Text(dialog, "TotalStopsLbl"), "0");
    for (int i = 5; i <= 10; ++i)
        EXPECT_FALSE(
            Child<QLabel>(dialog, qPrintable(QString("TrackInfoLbl(%1)").arg(i)))->isHidden())
            << i;
    for (int i = 1; i <= 5; ++i)
        EXPECT_FALSE(Text(dialog, qPrintable(QString("LaneInfoLbl(%1)").arg(i))).isEmpty()) << i;

    // A smaller track opened afterwards must not keep the rows of the bigger one.
    track = NewTrack3();
    dialog.Refresh();
    EXPECT_TRUE(Child<QLabel>(dialog, "TrackInfoLbl(10)")->isHidden());
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(0)"), "3");

    track = Track{};
    dialog.Refresh();
    EXPECT_FALSE(Child<QLabel>(dialog, "TrackInfoLbl(5)")->isHidden());
    EXPECT_TRUE(Child<QLabel>(dialog, "TrackInfoLbl(6)")->isHidden());
    EXPECT_EQ(Text(dialog, "LaneInfoLbl(0)"), "0");
}

TEST_F(TrackInfoDialog, FocusSelectsTheWholeTextOfABox) {
    Track track;
    track.Info.Location = "Somewhere";
    TDTrackInfo dialog(track);
    for (const char* name : {"TrackInfoTxt(4)", "WeatherTxt(1)"}) {
        auto* edit = Child<QLineEdit>(dialog, name);
        edit->deselect();
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(edit, &focus);
        EXPECT_TRUE(WaitFor([&] { return edit->selectedText() == edit->text(); })) << name;
    }
}

TEST_F(TrackInfoDialog, ShowRunsModallyCentredWithFocusOnTheNameAndOkHidesIt) {
    QMainWindow main;
    main.setGeometry(100, 80, 900, 700);
    main.show();
    Track track = NewTrack3();
    TDTrackInfo dialog(track, &main);

    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        checked = true;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.focusWidget(), Child<QLineEdit>(dialog, "TrackInfoTxt(0)"));
        const QRect m = main.frameGeometry();
        EXPECT_NEAR(dialog.frameGeometry().center().x(), m.center().x(), 2);
        EXPECT_NEAR(dialog.frameGeometry().center().y(), m.center().y(), 2);
        EXPECT_EQ(Text(dialog, "LaneInfoLbl(0)"), "3");
        Type(dialog, "TrackInfoTxt(2)", "Someone");
        Child<QPushButton>(dialog, "OKBtn")->click();
    });
    dialog.ShowTrackInfo();

    EXPECT_TRUE(checked);
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_EQ(track.Info.Author, "Someone");
    EXPECT_EQ(Text(dialog, "TrackInfoTxt(2)"), "Someone");
}

// ------------------------------------------------------------ About and splash

class SmallWindows : public ::testing::Test {
  protected:
    void SetUp() override { App(); }
};

TEST_F(SmallWindows, AboutShowsTheVersionLineAndTheLogos) {
    TDAbout about;
    EXPECT_EQ(Text(about, "AboutText(2)"), QString("Version ") + TD_VERSION_STRING);
    EXPECT_EQ(AboutVersionLine(), QString("Version %1.%2.%3")
                                      .arg(TD_VERSION_MAJOR)
                                      .arg(TD_VERSION_MINOR)
                                      .arg(TD_VERSION_PATCH));
    auto* logo = Child<QLabel>(about, "TarvelLogo");
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_FALSE(Child<QLabel>(about, "MorrowLogo")->pixmap().isNull());
}

TEST_F(SmallWindows, AboutClosesOnAClickOnItsTextsOrLogo) {
    for (const char* target : {"AboutText(1)", "TarvelLogo", "MorrowLogo", ""}) {
        TDAbout about;
        about.show();
        ASSERT_TRUE(about.isVisible());
        QWidget* w = *target ? Child<QWidget>(about, target) : &about;
        Click(w);
        EXPECT_FALSE(about.isVisible()) << target;
    }
}

TEST_F(SmallWindows, AboutAndSplashCloseWhenAnotherWindowTakesTheFocus) {
    QWidget other;
    other.show();
    TDAbout about;
    about.show();
    QApplication::setActiveWindow(&about);
    ASSERT_TRUE(WaitFor([&] { return about.isActiveWindow(); }));
    QApplication::setActiveWindow(&other);
    EXPECT_TRUE(WaitFor([&] { return !about.isVisible(); }));

    TDSplash splash;
    int finished = 0;
    QObject::connect(&splash, &TDSplash::Finished, [&] { ++finished; });
    splash.ShowSplash();
    QApplication::setActiveWindow(&splash);
    ASSERT_TRUE(WaitFor([&] { return splash.isActiveWindow(); }));
    QApplication::setActiveWindow(&other);
    EXPECT_TRUE(WaitFor([&] { return !splash.isVisible(); }));
    EXPECT_EQ(finished, 1);
}

TEST_F(SmallWindows, AboutIsCentredOverTheMainWindowWhileRunningModally) {
    QMainWindow main;
    main.setGeometry(50, 40, 1000, 640);
    main.show();
    TDAbout about(&main);
    bool checked = false;
    QTimer::singleShot(0, &about, [&] {
        checked = true;
        EXPECT_TRUE(about.isModal());
        EXPECT_NEAR(about.frameGeometry().center().x(), main.frameGeometry().center().x(), 2);
        EXPECT_NEAR(about.frameGeometry().center().y(), main.frameGeometry().center().y(), 2);
        Click(Child<QWidget>(about, "AboutText(0)"));
    });
    about.ShowAbout();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(SmallWindows, SplashShowsTheVersionCentredOnTheScreenAndTimesOut) {
    TDSplash splash;
    EXPECT_EQ(Text(splash, "VersionLbl"), TD_VERSION_STRING);
    auto* timer = Child<QTimer>(splash, "SplashTimer");
    EXPECT_EQ(timer->interval(), 4000);
    int finished = 0;
    QObject::connect(&splash, &TDSplash::Finished, [&] { ++finished; });

    splash.ShowSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(timer->isActive());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(splash.frameGeometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(splash.frameGeometry().center().y(), screen.center().y(), 2);

    timer->start(1); // let the four seconds pass at once
    EXPECT_TRUE(WaitFor([&] { return !splash.isVisible(); }));
    EXPECT_EQ(finished, 1);
}

TEST_F(SmallWindows, ClickingTheSplashClosesItOnceAndTheTimerFindsNothingLeft) {
    TDSplash splash;
    int finished = 0;
    QObject::connect(&splash, &TDSplash::Finished, [&] { ++finished; });
    splash.ShowSplash();
    Click(Child<QWidget>(splash, "TarvelLogo"));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(Child<QTimer>(splash, "SplashTimer")->isActive());

    splash.Dismiss();
    QApplication::processEvents();
    EXPECT_EQ(finished, 1);
}

} // namespace
} // namespace td
