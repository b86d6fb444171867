#include <gtest/gtest.h>

#include <QLocale>

#include "RecentTracks.h"
#include "Settings.h"
#include "TDTestSupport.h"

namespace td {
namespace {

// Runs a body under another default locale and restores the old one.
class LocaleScope {
  public:
    explicit LocaleScope(const QLocale& locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

  private:
    QLocale saved_;
};

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ClearSettings();
        store = OpenSettingsStore();
    }
    std::unique_ptr<QSettings> store;
};

TEST(SettingText, NumbersUseTheLocaleDecimalSeparatorAndReadBack) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FloatToSettingText(2.25f), QStringLiteral("2,25"));
    EXPECT_EQ(FloatToSettingText(12000.0f), QStringLiteral("12000"));
    EXPECT_FLOAT_EQ(SettingTextToFloat(QStringLiteral("2,25"), 0.0f), 2.25f);
    // The shortest text still reads back as the very same float.
    EXPECT_EQ(SettingTextToFloat(FloatToSettingText(0.1f), 0.0f), 0.1f);
    // A store written with a decimal point stays readable.
    EXPECT_FLOAT_EQ(SettingTextToFloat(QStringLiteral("3.5"), 0.0f), 3.5f);
}

TEST(SettingText, UnreadableTextsGiveTheDefault) {
    EXPECT_FLOAT_EQ(SettingTextToFloat(QStringLiteral("lots"), 2.5f), 2.5f);
    EXPECT_FLOAT_EQ(SettingTextToFloat(QStringLiteral("inf"), 2.5f), 2.5f);
    EXPECT_FLOAT_EQ(SettingTextToFloat(QString(), 2.5f), 2.5f);
    EXPECT_EQ(SettingTextToInt(QStringLiteral("2x"), 7), 7);
    EXPECT_TRUE(SettingTextToBool(QStringLiteral("maybe"), true));
    EXPECT_FALSE(SettingTextToBool(QStringLiteral("maybe"), false));
}

TEST(SettingText, BooleansReadInEveryCommonSpelling) {
    EXPECT_EQ(BoolToSettingText(true), QStringLiteral("True"));
    EXPECT_EQ(BoolToSettingText(false), QStringLiteral("False"));
    for (const char* t : {"True", "true", "TRUE", "1", "-1"})
        EXPECT_TRUE(SettingTextToBool(QString::fromLatin1(t), false)) << t;
    for (const char* t : {"False", "false", "0"})
        EXPECT_FALSE(SettingTextToBool(QString::fromLatin1(t), true)) << t;
}

TEST_F(SettingsStoreTest, EmptyStoreGivesTheFirstStartValues) {
    const EditorSettings s = ReadEditorSettings(*store);
    EXPECT_EQ(s.Mode, "TranslateView");
    EXPECT_FLOAT_EQ(s.Zoom, 2.5f);
    EXPECT_TRUE(s.DrawAdjacent && s.DrawFlags && s.DrawNext && s.DrawSpaceCOR && s.DrawSymbol &&
                s.DrawTrackVector && s.DrawWorldCOR);

    const WindowPlacement p = ReadWindowPlacement(*store, 1280, 900);
    EXPECT_EQ(p.State, WindowNormal);
    EXPECT_FLOAT_EQ(p.Width, 800.0f);
    EXPECT_FLOAT_EQ(p.Height, 600.0f);
    EXPECT_EQ(p.Left, 240);
    EXPECT_EQ(p.Top, 150);
}

TEST_F(SettingsStoreTest, EditorValuesRoundTripUnderTheSettingsSection) {
    EditorSettings s;
    s.Mode = "PolyMode";
    s.Zoom = 0.75f;
    s.DrawFlags = false;
    s.DrawWorldCOR = false;
    WriteEditorSettings(*store, s);

    EXPECT_EQ(store->value("Settings/Mode").toString(), QStringLiteral("PolyMode"));
    EXPECT_EQ(store->value("Settings/DrawFlags").toString(), QStringLiteral("False"));
    const EditorSettings back = ReadEditorSettings(*store);
    EXPECT_EQ(back.Mode, "PolyMode");
    EXPECT_FLOAT_EQ(back.Zoom, 0.75f);
    EXPECT_FALSE(back.DrawFlags);
    EXPECT_FALSE(back.DrawWorldCOR);
    EXPECT_TRUE(back.DrawNext);
}

TEST_F(SettingsStoreTest, MissingPositionCentresTheStoredSize) {
    WriteFloatSetting(*store, "WindowWidth", 1000.0f);
    WriteFloatSetting(*store, "WindowHeight", 700.0f);
    const WindowPlacement p = ReadWindowPlacement(*store, 1280, 900);
    EXPECT_EQ(p.Left, 140);
    EXPECT_EQ(p.Top, 100);
}

TEST_F(SettingsStoreTest, OutOfRangeWindowStateReadsAsNormal) {
    WriteIntSetting(*store, "WindowState", 9);
    EXPECT_EQ(ReadWindowPlacement(*store, 1280, 900).State, WindowNormal);
}

TEST_F(SettingsStoreTest, ClosingStoresPlacementByWindowState) {
    WindowPlacement normal{WindowNormal, 900.0f, 650.0f, 10, 20};
    WriteWindowPlacement(*store, normal);

    // Maximised: the state only; the size and position of the normal window stay.
    WriteWindowPlacement(*store, WindowPlacement{WindowMaximised, 1280.0f, 900.0f, 0, 0});
    WindowPlacement p = ReadWindowPlacement(*store, 1280, 900);
    EXPECT_EQ(p.State, WindowMaximised);
    EXPECT_FLOAT_EQ(p.Width, 900.0f);
    EXPECT_EQ(p.Left, 10);

    // Minimised: nothing at all, not even the state.
    WriteWindowPlacement(*store, WindowPlacement{WindowMinimised, 100.0f, 100.0f, 5, 5});
    p = ReadWindowPlacement(*store, 1280, 900);
    EXPECT_EQ(p.State, WindowMaximised);
    EXPECT_FLOAT_EQ(p.Height, 650.0f);
    EXPECT_EQ(p.Top, 20);
}

TEST_F(SettingsStoreTest, RecentTracksKeepTheLastFiveMostRecentFirst) {
    RecentTracks recent(*store);
    for (int i = 1; i <= 7; ++i)
        recent.Add(QStringLiteral("/tracks/t%1.trk").arg(i));
    EXPECT_EQ(recent.List(), QStringList({"/tracks/t7.trk", "/tracks/t6.trk", "/tracks/t5.trk",
                                          "/tracks/t4.trk", "/tracks/t3.trk"}));

    // Opening a listed track again moves it to the front without a duplicate.
    recent.Add(QStringLiteral("/tracks/t4.trk"));
    EXPECT_EQ(recent.List(), QStringList({"/tracks/t4.trk", "/tracks/t7.trk", "/tracks/t6.trk",
                                          "/tracks/t5.trk", "/tracks/t3.trk"}));
}

TEST_F(SettingsStoreTest, RecentTracksNeverHoldTheAutosaveFileOrOtherFiles) {
    RecentTracks recent(*store);
    recent.Add(QStringLiteral("/tracks/a.trk"));
    recent.Add(QStringLiteral("/tracks/autosave.tmp"));
    recent.Add(QStringLiteral("/tracks/notes.txt"));
    recent.Add(QString());
    EXPECT_EQ(recent.List(), QStringList({"/tracks/a.trk"}));
}

TEST_F(SettingsStoreTest, RecentTracksLiveOutsideTheSettingsSection) {
    RecentTracks(*store).Add(QStringLiteral("/tracks/a.trk"));
    store->beginGroup("Settings");
    EXPECT_TRUE(store->childKeys().isEmpty());
    store->endGroup();
    EXPECT_TRUE(store->childGroups().contains("RecentTracks"));
}

} // namespace
} // namespace td
