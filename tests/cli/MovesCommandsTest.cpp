#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "Trktool.h"
#include "model/TrackFile.h"

using trktool::RunTrktool;

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunTrktool(args, out, err);
    return {code, out.str(), err.str()};
}

const std::string Demo = std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk";

class MovesCommandsTest : public ::testing::Test {
  protected:
    MovesCommandsTest() {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() / ("td-cli-moves-" + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
    }
    ~MovesCommandsTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(MovesCommandsTest, MovesListsTheSpacesReachedSortedAndRefusesWhatNamesNoSpace) {
    // The last space of "Left" before the line: one move closes the lap or
    // changes to the last space of "Middle".
    ToolRun r = Tool({"moves", Demo, "119", "1"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "0\n1115\n");
    // Six moves along the lane end on space 5; lane changes end further back.
    r = Tool({"moves", Demo, "119", "6"});
    EXPECT_NE(r.out.find("\n5\n1002\n"), std::string::npos) << r.out;

    for (const auto& bad : std::vector<std::vector<std::string>>{{"moves", Demo, "9119", "6"},
                                                                 {"moves", Demo, "lane", "6"},
                                                                 {"moves", Demo, "119", "0"},
                                                                 {"moves", Demo, "119", "6x"},
                                                                 {"moves", Demo, "119"}}) {
        r = Tool(bad);
        EXPECT_EQ(r.code, 2) << bad[2];
        EXPECT_EQ(r.err.rfind("trktool: ", 0), 0u);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(MovesCommandsTest, MeasureWritesTheMeasuredCornersAndInfoShowsTheLaps) {
    td::Track t;
    ASSERT_TRUE(td::LoadTrack(t, Demo).complete);
    t.Corners[3].Short = 40;
    ASSERT_TRUE(td::SaveTrack(t, Path("off.trk")).ok);
    ToolRun r = Tool({"measure", Path("off.trk"), Path("fixed.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Hairpin: Long 4, Short 2 (was 40)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1 of 7 corners changed.\n"), std::string::npos);
    td::Track fixed;
    ASSERT_TRUE(td::LoadTrack(fixed, Path("fixed.trk")).complete);
    EXPECT_EQ(fixed.Corners[3].Short, 2);
    EXPECT_EQ(Tool({"check", Path("off.trk")}).code, 1);
    EXPECT_EQ(Tool({"check", Path("fixed.trk")}).code, 0);

    t.Corners.clear();
    ASSERT_TRUE(td::SaveTrack(t, Path("bare.trk")).ok);
    r = Tool({"measure", Path("bare.trk"), Path("never.trk")});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("never.trk")));

    r = Tool({"info", Demo});
    EXPECT_NE(r.out.find("\nLeft Lap: 120 moves\nMiddle Lap: 116 moves\nRight Lap: 113 moves\n"
                         "Shortest Lap: 113 moves\n"),
              std::string::npos)
        << r.out;
}

} // namespace
