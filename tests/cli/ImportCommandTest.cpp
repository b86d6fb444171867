#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Trktool.h"
#include "model/TrackCheck.h"
#include "model/TrackFile.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = trktool::RunTrktool(args, out, err);
    return {code, out.str(), err.str()};
}

class ImportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("td-import-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string In(const std::string& name) {
        return std::string(TD_TEST_DATA_DIR) + "/circuits/" + name;
    }
    std::string At(const std::string& name) { return (dir_ / name).string(); }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(At(name)) << text;
        return At(name);
    }
    fs::path dir_;
};

TEST_F(ImportCommand, WritesATrackThatChecksClean) {
    const std::string out = At("monza.trk");
    const ToolRun r = Tool({"import", In("it-1922.geojson"), out, "--lanes", "4"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Imported Autodromo Nazionale Monza: 4 lanes of ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(" corners\n"), std::string::npos) << r.out;
    td::Track t;
    ASSERT_TRUE(td::LoadTrack(t, out).complete);
    EXPECT_TRUE(td::CheckTrack(t).empty());
    EXPECT_EQ(t.Info.Name, "Autodromo Nazionale Monza");
    EXPECT_EQ(Tool({"check", out}).code, 0);

    const ToolRun named = Tool({"import", In("gb-1948.gpx"), out, "--name", "Home", "--length",
                            "200", "--reverse"});
    ASSERT_EQ(named.code, 0) << named.err;
    EXPECT_EQ(named.out.rfind("Imported Home: 3 lanes of ", 0), 0u) << named.out;
    ASSERT_TRUE(td::LoadTrack(t, out).complete);
    EXPECT_EQ(t.Info.Name, "Home");
}

TEST_F(ImportCommand, RefusesBadInputAndWritesNothing) {
    const std::string out = At("out.trk");
    std::string points;
    for (int i = 0; i < 5; ++i)
        points += std::string(i ? "," : "") + "[9." + std::to_string(i) + ",45]";
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {Write("point.geojson", R"({"type":"Feature","geometry":{"type":"Point","coordinates":[1,2]}})"),
         "the file holds no circuit line"},
        {Write("few.geojson", R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[)" +
                                  points + "]}}"),
         "the line has 5 points; a circuit needs at least 10"},
        {Write("far.kml", "<kml><LineString><coordinates>0,0 1,0 2,0 3,0 4,0 5,0 6,0 7,0 8,0 "
                          "9,0 10,0</coordinates></LineString></kml>"),
         "the line does not close: its end lies "},
        {Write("range.gpx", "<gpx><trk><trkseg>" + [] {
             std::string s;
             for (int i = 0; i < 12; ++i)
                 s += "<trkpt lat=\"" + std::to_string(i == 3 ? 95 : 45) + "\" lon=\"9\"/>";
             return s;
         }() + "</trkseg></trk></gpx>"),
         "is no longitude and latitude"},
        {Write("text.txt", "hello"), "the file is neither GeoJSON, GPX nor KML"},
        {At("missing.geojson"), "cannot read"},
    };
    for (const auto& c : cases) {
        const ToolRun r = Tool({"import", c.file, out});
        EXPECT_EQ(r.code, 2) << c.file;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.rfind("trktool: cannot import \"", 0), 0u) << r.err;
        EXPECT_FALSE(fs::exists(out)) << c.file;
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"import", In("it-1922.geojson")},
          {"import", In("it-1922.geojson"), out, "--lanes", "5"},
          {"import", In("it-1922.geojson"), out, "--length", "x"},
          {"import", In("it-1922.geojson"), out, "--wide"}}) {
        const ToolRun r = Tool(bad);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("usage: trktool import IN OUT"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

} // namespace
