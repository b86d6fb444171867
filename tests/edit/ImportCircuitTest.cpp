#include "EditorFixture.h"

#include "model/TrackCheck.h"
#include "model/TrackFile.h"
#include "view/FitView.h"

namespace td::test {

namespace {

class ImportCircuitTest : public EditorFixture {
  protected:
    static std::string Circuit(const std::string& name) { return DataFile("circuits/" + name); }
    std::string Written() const { return FormatTrack(editor.track, BuildStamp{"-", "-", "-"}); }
};

TEST_F(ImportCircuitTest, ReplacesTheTrackAsNewDoes) {
    StartWithNewTrack();
    host.colours.push_back(0x123456); // any change, so that the question comes
    Menu("MnuSetBackColor");
    ASSERT_TRUE(editor.HasUnsavedChanges());

    host.Answer(MsgAnswer::No);
    host.circuitFiles.push_back(Circuit("gb-1948.gpx"));
    host.circuitChoices.push_back(CircuitImportChoice{4, 150, true});
    Menu("MnuImportCircuit");

    // The question first, then the file, then the options preset to the
    // default length of the lap.
    ASSERT_GE(host.messages.size(), 1u);
    EXPECT_EQ(host.messages.front().buttons, MsgButtons::YesNoCancel);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(),
                        "CircuitFileDialog " + host.tracksFolder),
              host.log.end());
    ASSERT_EQ(host.circuitPresets.size(), 1u);
    EXPECT_EQ(host.circuitPresets[0].Lanes, 3);
    EXPECT_NEAR(host.circuitPresets[0].Length, 5891 / 45, 4);

    EXPECT_EQ(editor.track.Info.Name, "Silverstone Circuit");
    EXPECT_EQ(editor.track.Lanes.size(), 6u);
    EXPECT_TRUE(CheckTrack(editor.track).empty());
    EXPECT_TRUE(editor.TrackPath.empty());
    EXPECT_FALSE(editor.HasUnsavedChanges());
    EXPECT_FALSE(editor.history.CanUndo());
    // The autosave file holds the imported track.
    EXPECT_NE(Read(AutosaveFile()).find("Silverstone Circuit"), std::string::npos);
    // The whole circuit is in view.
    const auto fitted = FitTrack(editor.track, editor.view);
    ASSERT_TRUE(fitted.has_value());
    EXPECT_EQ(editor.view.Zoom, fitted->Zoom);
}

TEST_F(ImportCircuitTest, CancelOrABadFileKeepsTheTrack) {
    StartWithNewTrack();
    const std::string before = Written();

    Menu("MnuImportCircuit"); // the file dialog cancelled
    host.circuitFiles.push_back(Circuit("it-1922.geojson"));
    host.circuitChoices.push_back(std::nullopt);
    Menu("MnuImportCircuit"); // the options cancelled
    EXPECT_EQ(Written(), before);
    EXPECT_TRUE(host.messages.empty());

    const std::string bad = PathIn("bad.geojson");
    Write(bad, R"({"type":"Feature","geometry":{"type":"Point","coordinates":[1,2]}})");
    host.circuitFiles.push_back(bad);
    Menu("MnuImportCircuit");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Import Circuit");
    EXPECT_EQ(host.messages[0].text, "The circuit in \"" + bad +
                                         "\" cannot be imported: the file holds no circuit "
                                         "line.");
    EXPECT_EQ(Written(), before);
}

} // namespace

} // namespace td::test
