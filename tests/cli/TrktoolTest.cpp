#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Trktool.h"
#include "model/Templates.h"
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

std::string ReadBytes(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream os;
    os << in.rdbuf();
    return os.str();
}

class TrktoolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() / ("td-cli-" + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
        // The instant of the golden files' stamp, so that output is reproducible.
        ::setenv("SOURCE_DATE_EPOCH", "1796700665", 1);
    }
    void TearDown() override {
        ::unsetenv("SOURCE_DATE_EPOCH");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::filesystem::path dir_;
};

std::string Data(const std::string& name) {
    return std::string(TD_TEST_DATA_DIR) + "/" + name;
}

} // namespace

TEST_F(TrktoolTest, VersionAndHelp) {
    EXPECT_EQ(Tool({"--version"}).out, "trktool 1.0.0\n");
    const ToolRun help = Tool({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("check IN"), std::string::npos);
}

TEST_F(TrktoolTest, UsageErrorsExitTwoWithAMessage) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"new3"},
                                               {"resave", "a"},
                                               {"info"},
                                               {"check", "a", "b"},
                                               {"generate"},
                                               {"generate", Path("g.trk"), "--lanes", "5"},
                                               {"generate", Path("g.trk"), "--length"},
                                               {"generate", Path("g.trk"), "--bogus"}}) {
        const ToolRun r = Tool(args);
        EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.err.rfind("trktool: ", 0), 0u) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Path("g.trk")));
}

TEST_F(TrktoolTest, NewWritesTheTemplates) {
    ASSERT_EQ(Tool({"new3", Path("3.trk")}).code, 0);
    ASSERT_EQ(Tool({"new4", Path("4.trk")}).code, 0);
    EXPECT_EQ(ReadBytes(Path("3.trk")), ReadBytes(Data("template3.trk")));
    EXPECT_EQ(ReadBytes(Path("4.trk")), ReadBytes(Data("template4.trk")));
}

TEST_F(TrktoolTest, WritesThatFailExitTwo) {
    const ToolRun r = Tool({"new3", Path("missing/3.trk")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.rfind("trktool: cannot write ", 0), 0u);
}

TEST_F(TrktoolTest, ResaveNormalisesTheLaneOrder) {
    td::Track t;
    td::Selection sel;
    td::BuildNewTrack3(t, sel);
    t.Lanes[4].Spaces[0].Adj[1] = td::MakeRef(2, 0);
    t.StartPos[1] = td::MakeRef(4, 0);
    std::swap(t.Lanes[3], t.Lanes[4]); // Pit before Garages
    Write("in.trk", td::FormatTrack(t, {"d", "t", "v"}));
    ASSERT_EQ(Tool({"resave", Path("in.trk"), Path("out.trk")}).code, 0);
    td::Track back;
    ASSERT_TRUE(td::LoadTrack(back, Path("out.trk")).complete);
    EXPECT_EQ(back.Lanes[3].Name, "Garages");
    EXPECT_EQ(back.Lanes[4].Name, "Pit");
    EXPECT_EQ(back.StartPos[1], td::MakeRef(3, 0)); // still the first garage
    EXPECT_EQ(back.Info.DesignerVersion, "1.0.0");
}

TEST_F(TrktoolTest, ResaveRefusesInputThatDoesNotReadToTheEnd) {
    const std::string whole = ReadBytes(Data("template3.trk"));
    Write("cut.trk", whole.substr(0, whole.size() / 2));
    ToolRun r = Tool({"resave", Path("cut.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("reading stopped"), std::string::npos);
    r = Tool({"resave", Path("nothing.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.rfind("trktool: cannot read ", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(Path("out.trk")));
}

TEST_F(TrktoolTest, ResaveFollowsLinksAndRefusesReadOnlyAndDamagedFiles) {
    namespace fs = std::filesystem;
    Write("real.trk", "old");
    fs::create_symlink("real.trk", Path("link.trk"));
    ASSERT_EQ(Tool({"resave", Data("template3.trk"), Path("link.trk")}).code, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("link.trk"))));
    EXPECT_EQ(ReadBytes(Path("real.trk")), ReadBytes(Data("template3.trk")));

    fs::permissions(Path("real.trk"), fs::perms::owner_read | fs::perms::group_read);
    ToolRun r = Tool({"new4", Path("link.trk")});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("read-only"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(Path("real.trk")), ReadBytes(Data("template3.trk")));

    std::string damaged = ReadBytes(Data("template3.trk"));
    damaged.replace(damaged.find("\r\n100 "), 4, std::string("\r\n1\0", 4));
    Write("damaged.trk", damaged);
    r = Tool({"resave", Path("damaged.trk"), Path("out.trk")});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("line 76"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Path("out.trk")));
}

TEST_F(TrktoolTest, InfoShowsTheFieldsAndTheCounts) {
    const ToolRun r = Tool({"info", Data("template4.trk")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(
        r.out,
        "Track Name: \nDescription: \nLocation: \nTrack Version: 1.0\nBuild Date: 12/08/2026\n"
        "Build Time: 03:31:05\nTrack Author: \nBuilt with Track Designer version: 1.0.0\n"
        "Rainy (Max): 7\nChangeable (Max): 12\nNumber of Lanes: 4\nPit Lane Length: 1\n"
        "Lane 1 Length: 1\nLane 2 Length: 2\nLane 3 Length: 1\nLane 4 Length: 2\n"
        "Number of Corners: 0\nTotal Stops: 0\nLeft Lap: 2 moves\nMid-Left Lap: 1 move\n"
        "Mid-Right Lap: 2 moves\nRight Lap: 1 move\nShortest Lap: 2 moves\n");
}

TEST_F(TrktoolTest, CheckSaysATemplateCannotBeRacedYet) {
    const ToolRun r = Tool({"check", Data("template3.trk")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("team 1 has no pit space (symbol 30)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("the starting grid has 0 places; a race needs 20"), std::string::npos);
    EXPECT_EQ(r.out.find("names a missing space"), std::string::npos) << r.out;
}

TEST_F(TrktoolTest, CheckListsEveryProblem) {
    td::Track t;
    td::Selection sel;
    td::BuildNewTrack3(t, sel);
    t.Lanes[4].Name = "Pits";
    t.Lanes[0].Spaces[0].Nxt[0] = td::MakeRef(1, 5);
    t.Lanes[0].Spaces[0].Adj[2] = td::MakeRef(9, 0);
    t.Lanes[2].Spaces[0].Symbol = 44; // garage of team 5 twice
    t.Lanes[2].Spaces[0].GapPart = 9;
    t.StartPos[3] = td::MakeRef(2, 1);
    std::string text = td::FormatTrack(t, {"d", "t", "v"});
    text += " 1             2             3             99 \r\n"; // a polygon cut short
    Write("bad.trk", text);
    const ToolRun r = Tool({"check", Path("bad.trk")});
    EXPECT_EQ(r.code, 1);
    for (const char* what : {"reading stopped", "\"Pit\"", "Nxt(0) names a missing space 1005",
                             "Adj(2) names a missing space 9000", "symbol 44", "gap/partial code 9",
                             "start position 3 names a missing space 2001"})
        EXPECT_NE(r.out.find(what), std::string::npos) << what << "\n" << r.out;
}

TEST_F(TrktoolTest, GenerateBuildsASoundTrack) {
    ASSERT_EQ(Tool({"generate", Path("g.trk"), "--lanes", "4", "--length", "80", "--polygons", "30",
                    "--name", "Test Ring"})
                  .code,
              0);
    const ToolRun check = Tool({"check", Path("g.trk")});
    EXPECT_EQ(check.code, 0) << check.out;
    const ToolRun info = Tool({"info", Path("g.trk")});
    EXPECT_NE(info.out.find("Track Name: Test Ring\n"), std::string::npos);
    EXPECT_NE(info.out.find("Number of Lanes: 4\n"), std::string::npos);
    EXPECT_NE(info.out.find("Number of Corners: 7\n"), std::string::npos);
}

TEST_F(TrktoolTest, GenerateTakesALayout) {
    ToolRun r = Tool({"generate", Path("l.trk"), "--layout",
                      "S12 R3:90 S4 R3:90 S6 L2:60 R2:60 S6 R3:90 S4 R3:90 S12"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Tool({"check", Path("l.trk")}).code, 0);
    EXPECT_NE(Tool({"info", Path("l.trk")}).out.find("Number of Corners: 5\n"), std::string::npos);

    r = Tool({"generate", Path("bad.trk"), "--layout", "S12 R3:90 S6"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("whole turn"), std::string::npos) << r.err;
    r = Tool({"generate", Path("bad.trk"), "--layout", "S12 Q3"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("cannot read \"Q3\""), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(Path("bad.trk")));
}

TEST_F(TrktoolTest, TheDemoTrackIsSound) {
    const ToolRun r = Tool({"check", std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk"});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
}

TEST_F(TrktoolTest, AutotagCornersGivesBackTheDemoCornerLinks) {
    const std::string demo = std::string(TD_TEST_DATA_DIR) + "/../../tracks/demo.trk";
    td::Track t;
    ASSERT_TRUE(td::LoadTrack(t, demo).complete);
    for (td::Lane& lane : t.Lanes)
        for (td::Space& s : lane.Spaces)
            if (s.Symbol >= td::Sym::ArrowLight && s.Symbol <= td::Sym::ArrowDoubleRight) {
                s.Nxt = {td::NoSpace, td::NoSpace};
                s.Adj = {td::NoSpace, td::NoSpace, td::NoSpace, td::NoSpace};
            }
    ASSERT_TRUE(td::SaveTrack(t, Path("bare.trk")).ok);
    const ToolRun r = Tool({"autotag", "--corners", Path("bare.trk"), Path("tagged.trk")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("spaces got corner links."), std::string::npos) << r.out;
    td::Track back, all;
    ASSERT_TRUE(td::LoadTrack(back, Path("tagged.trk")).complete);
    td::Track want;
    ASSERT_TRUE(td::LoadTrack(want, demo).complete);
    for (size_t l = 0; l < want.Lanes.size(); ++l)
        for (size_t i = 0; i < want.Lanes[l].Spaces.size(); ++i) {
            EXPECT_EQ(back.Lanes[l].Spaces[i].Nxt, want.Lanes[l].Spaces[i].Nxt) << l << " " << i;
            EXPECT_EQ(back.Lanes[l].Spaces[i].Adj, want.Lanes[l].Spaces[i].Adj) << l << " " << i;
        }

    // --all links every corner space both ways; a bad form is a usage error.
    EXPECT_EQ(Tool({"autotag", "--corners", "--all", Path("bare.trk"), Path("all.trk")}).code, 0);
    ASSERT_TRUE(td::LoadTrack(all, Path("all.trk")).complete);
    int bothWays = 0;
    for (const td::Space& s : all.Lanes[1].Spaces)
        bothWays += s.Symbol >= td::Sym::ArrowLight && s.Nxt[0] >= 0 && s.Nxt[1] >= 0;
    EXPECT_GT(bothWays, 10);
    EXPECT_EQ(Tool({"autotag", "--corners", "--every", Path("bare.trk"), Path("x.trk")}).code, 2);
    EXPECT_EQ(Tool({"autotag", "--corners", Path("bare.trk")}).code, 2);
}
