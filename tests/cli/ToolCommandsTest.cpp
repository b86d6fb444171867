#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Trktool.h"
#include "model/TrackFile.h"
#include "tools/ToolTracks.h"

using trktool::RunTrktool;

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

class ToolCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() / ("td-clitools-" + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Write(const std::string& name, const td::Track& t) const {
        std::ofstream(Path(name), std::ios::binary) << td::FormatTrack(t, {"d", "t", "v"});
        return Path(name);
    }
    td::Track Read(const std::string& name) const {
        td::Track t;
        EXPECT_TRUE(td::LoadTrack(t, Path(name)).complete);
        return t;
    }
    static ToolRun Tool(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int code = RunTrktool(args, out, err);
        return {code, out.str(), err.str()};
    }
    std::filesystem::path dir_;
};

} // namespace

TEST_F(ToolCommandsTest, SegmentsPrintsTheReportAndWritesTheNumbers) {
    td::Track t = td::test::RacingTrack(3, 8);
    td::test::SetSymbols(t.Lanes[0], {0, 0, td::Sym::ArrowLight, td::Sym::ArrowLight});
    const ToolRun r = Tool({"segments", Write("in.trk", t), Path("out.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2 segments created.\n(1 corners)\n");
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(td::test::Segments(Read("out.trk").Lanes[0]),
              (std::vector<int>{0, 0, 1, 1, 0, 0, 0, 0}));
}

TEST_F(ToolCommandsTest, AutotagAndGridWriteTheirLinksAndPlaces) {
    td::Track t = td::test::RacingTrack(3, 30);
    t.StartPos[1] = td::MakeRef(0, 29);
    t.StartPos[2] = td::MakeRef(1, 28);
    Write("in.trk", t);
    ToolRun r = Tool({"autotag", Path("in.trk"), Path("tagged.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Next & Adjacent tags created.\n");
    EXPECT_EQ(Read("tagged.trk").Lanes[0].Spaces[0].Nxt[0], 1001);

    r = Tool({"grid", "tight", Path("tagged.trk"), Path("grid.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    const td::Track g = Read("grid.trk");
    EXPECT_EQ(g.StartPos[20], td::MakeRef(1, 10));
    EXPECT_EQ(g.Lanes[0].Spaces[0].Nxt[0], 1001);
}

TEST_F(ToolCommandsTest, RefusalsGoToStderrAndWriteNothing) {
    td::Track t = td::test::RacingTrack(3, 5);
    t.Lanes[4].Spaces[1].Symbol = 0; // no pit box of team 1
    Write("in.trk", t);
    ToolRun r = Tool({"autotag", Path("in.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.rfind("trktool: Space Tags Not Created: ", 0), 0u) << r.err;

    r = Tool({"grid", "normal", Path("in.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "trktool: Can't Auto-Create Grid: The Pole Position and 2nd place starting "
                     "grid spaces\nmust be created before you can use the automated tools\nto "
                     "build the rest of the grid.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.trk")));
}

TEST_F(ToolCommandsTest, CenterMovesTheTrackToTheOrigin) {
    td::Track t = td::test::RacingTrack(3, 5);
    t.BackPolys.push_back({1, 0, 0, {{500, 40}, {600, 40}, {600, 90}}});
    Write("in.trk", t);
    const ToolRun r = Tool({"center", Path("in.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    const td::Track c = Read("out.trk");
    // Space centres spanned x -100..2200 (the pit lane is longest), y 0.
    EXPECT_EQ(c.BackPolys[0].Vtxs[0], (td::PointI{-550, 40}));
}

TEST_F(ToolCommandsTest, UsageErrorsExitTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"segments", "a"},
                                                                  {"autotag"},
                                                                  {"center", "a", "b", "c"},
                                                                  {"grid", "a", "b"},
                                                                  {"grid", "wide", "a", "b"}}) {
        const ToolRun r = Tool(args);
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_EQ(r.err.rfind("trktool: ", 0), 0u);
    }
    const ToolRun missing = Tool({"segments", Path("none.trk"), Path("out.trk")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_FALSE(std::filesystem::exists(Path("out.trk")));
}
