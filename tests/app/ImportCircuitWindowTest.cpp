// Import Circuit from the File menu of the real main window, through its own
// options dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "TD.h"
#include "TDImportDialog.h"
#include "TDTestSupport.h"
#include "edit/Editor.h"
#include "model/LaneRoles.h"
#include "model/TrackCheck.h"

namespace td {
namespace {

// The map file comes from the test; the options dialog is the window's own.
class ImportingTD : public TD {
  public:
    using TD::TD;
    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::No;
    }
    std::optional<std::string> CircuitFileDialog(const std::string&) override {
        return std::string(TD_TEST_DATA_DIR) + "/circuits/it-1922.geojson";
    }
};

TEST(ImportCircuitWindowTest, TheMenuImportsWithTheDialogsChoice) {
    testing::ClearSettings();
    QTemporaryDir tracks;
    TDOptions o;
    o.showSplash = false;
    o.tracksFolder = tracks.path();
    ImportingTD w(o);
    w.Start({});
    w.Dispatch(Command::Button("New3Lane"));

    QAction* item = w.MenuAction("MnuImportCircuit");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Import Circuit..."));

    int presetLength = 0;
    QTimer::singleShot(0, &w, [&] {
        auto* dialog = qobject_cast<TDImportDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        presetLength = dialog->findChild<QSpinBox*>(QStringLiteral("ImportLength"))->value();
        dialog->findChild<QComboBox*>(QStringLiteral("ImportLanes"))->setCurrentIndex(1);
        dialog->findChild<QSpinBox*>(QStringLiteral("ImportLength"))->setValue(200);
        dialog->accept();
    });
    item->trigger();

    EXPECT_NEAR(presetLength, 5793 / 45, 4);
    const Track& t = w.editor().track;
    EXPECT_EQ(t.Info.Name, "Autodromo Nazionale Monza");
    EXPECT_TRUE(CheckTrack(t).empty());
    const LaneRoles roles = FindLaneRoles(t);
    EXPECT_EQ(roles.LastRacing - roles.FirstRacing + 1, 4);
    size_t longest = 0;
    for (int l = roles.FirstRacing; l <= roles.LastRacing; ++l)
        longest = std::max(longest, t.Lanes[static_cast<size_t>(l)].Spaces.size());
    EXPECT_LE(longest, 200u);
    EXPECT_GE(longest, 198u);
    EXPECT_TRUE(w.editor().TrackPath.empty());
}

} // namespace
} // namespace td
