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
    EXPECT_EQ(SettingTextToInt(QStringLiteral("2x"), 7), 7);
    EXPECT_TRUE(SettingTextToBool(QStringLiteral("maybe"), true));
    // Stores written by other tools spell true as -1.
    EXPECT_TRUE(SettingTextToBool(QStringLiteral("-1"), false));
}

TEST_F(SettingsStoreTest, MissingPositionCentresTheStoredSize) {
    WriteFloatSetting(*store, "WindowWidth", 1000.0f);
    WriteFloatSetting(*store, "WindowHeight", 700.0f);
    WriteIntSetting(*store, "WindowState", 9);
    const WindowPlacement p = ReadWindowPlacement(*store, 1280, 900);
    EXPECT_EQ(p.Left, 140);
    EXPECT_EQ(p.Top, 100);
    EXPECT_EQ(p.State, WindowNormal);
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

TEST_F(SettingsStoreTest, RecentTracksHoldOnlyTrackFilesOutsideTheSettingsSection) {
    RecentTracks recent(*store);
    recent.Add(QStringLiteral("/tracks/a.trk"));
    recent.Add(QStringLiteral("/tracks/autosave.tmp"));
    recent.Add(QStringLiteral("/tracks/notes.txt"));
    EXPECT_EQ(recent.List(), QStringList({"/tracks/a.trk"}));
    store->beginGroup("Settings");
    EXPECT_TRUE(store->childKeys().isEmpty());
    store->endGroup();
}

} // namespace
} // namespace td
