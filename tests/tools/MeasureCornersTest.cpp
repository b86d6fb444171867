#include <gtest/gtest.h>

#include "edit/EditorFixture.h"
#include "model/TrackFile.h"
#include "tools/MeasureCorners.h"
#include "tools/TrackGenerator.h"

using namespace td;

namespace {

std::vector<std::pair<int, int>> Paths(const Track& t) {
    std::vector<std::pair<int, int>> v;
    for (const Corner& c : t.Corners)
        v.emplace_back(c.Long, c.Short);
    return v;
}

TEST(MeasureCorners, AgreesWithWhatGenerateWritesAndPutsItBack) {
    Track demo;
    ASSERT_TRUE(LoadTrack(demo, std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk").complete);
    const auto written = Paths(demo);
    const ToolResult same = MeasureCorners(demo);
    EXPECT_EQ(same.changed, 0);
    EXPECT_EQ(Paths(demo), written);
    EXPECT_EQ(same.message.title, "Corners Measured");
    EXPECT_NE(same.message.text.find("\r\nNo corner changed."), std::string::npos);

    GeneratorOptions options = OptionsForLength(4, 200, 0);
    const Track generated = GenerateTrack(options);
    ASSERT_GE(generated.Corners.size(), 3u);
    Track t = generated;
    t.Corners[0].Long = 0;
    t.Corners[0].Short = 0;
    t.Corners[2].Short = 99;
    t.Corners[0].Name = "Hairpin";
    const ToolResult r = MeasureCorners(t);
    EXPECT_EQ(r.changed, 2);
    EXPECT_EQ(Paths(t), Paths(generated));
    const std::string first = "Hairpin: Long " + std::to_string(generated.Corners[0].Long) +
                              " (was 0), Short " + std::to_string(generated.Corners[0].Short) +
                              " (was 0)\r\n";
    EXPECT_EQ(r.message.text.rfind(first, 0), 0u) << r.message.text;
    EXPECT_NE(r.message.text.find("2 of " + std::to_string(t.Corners.size()) + " corners changed."),
              std::string::npos);
}

TEST(MeasureCorners, LeavesCornersWithoutSpacesAndRefusesATrackWithoutCorners) {
    Track t = GenerateTrack(OptionsForLength(3, 120, 0));
    t.Corners.push_back(Corner{"", 1, 7, 5, {}});
    const ToolResult r = MeasureCorners(t);
    EXPECT_EQ(r.changed, 0);
    EXPECT_EQ(t.Corners.back().Long, 7);
    EXPECT_EQ(t.Corners.back().Short, 5);
    const std::string segment = std::to_string(2 * t.Corners.size() - 1);
    EXPECT_NE(r.message.text.find("(corner " + std::to_string(t.Corners.size()) +
                                  "): no racing space is in segment " + segment +
                                  "; left as it is"),
              std::string::npos)
        << r.message.text;

    t.Corners.clear();
    const ToolResult none = MeasureCorners(t);
    EXPECT_TRUE(none.refused);
    EXPECT_EQ(none.message.icon, MsgIcon::Information);
}

class MeasureCornersMenu : public test::EditorFixture {};

TEST_F(MeasureCornersMenu, IsOneUndoStepAndNoneWhenEveryCornerAgrees) {
    Start();
    Track generated = GenerateTrack(OptionsForLength(3, 120, 0));
    Track off = generated;
    off.Corners[1].Long = 1;
    ASSERT_TRUE(SaveTrack(off, PathIn("off.trk")).ok);
    ASSERT_TRUE(editor.LoadTrackFile(PathIn("off.trk")));
    Menu("MnuMeasureCorners");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Corners Measured");
    EXPECT_EQ(editor.track.Corners[1].Long, generated.Corners[1].Long);
    ASSERT_TRUE(editor.history.CanUndo());
    EXPECT_EQ(editor.history.UndoName(), "Measure Corners");

    Menu("MnuMeasureCorners");
    EXPECT_EQ(host.messages.size(), 2u);
    Menu("MnuUndo");
    ASSERT_EQ(editor.track.Corners.size(), generated.Corners.size());
    EXPECT_EQ(editor.track.Corners[1].Long, 1) << "the second run added no step";
    EXPECT_FALSE(editor.history.CanUndo());
}

} // namespace
