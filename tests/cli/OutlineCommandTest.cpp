#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "Trktool.h"
#include "model/TrackFile.h"

namespace {

int RunTool(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream out, e;
    const int code = trktool::RunTrktool(args, out, e);
    if (err)
        *err = e.str();
    return code;
}

TEST(OutlineCommand, AppendsTheTwoOutlinePolygons) {
    std::random_device rd;
    const auto dir =
        std::filesystem::temp_directory_path() / ("td-outline-" + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    const std::string in = (dir / "in.trk").string();
    const std::string out = (dir / "out.trk").string();
    ASSERT_EQ(RunTool({"generate", in, "--polygons", "3"}), 0);

    EXPECT_EQ(RunTool({"outline", in, out}), 0);
    td::Track before, after;
    ASSERT_TRUE(td::LoadTrack(before, in).complete);
    ASSERT_TRUE(td::LoadTrack(after, out).complete);
    ASSERT_EQ(after.BackPolys.size(), before.BackPolys.size() + 2);
    const td::BackPoly& concrete = after.BackPolys[after.BackPolys.size() - 2];
    const td::BackPoly& grass = after.BackPolys.back();
    EXPECT_EQ(concrete.FillColor, td::Palette[2]);
    EXPECT_EQ(grass.FillColor, td::Palette[4]);
    // A generated circuit bends in its corners; the grass polygon follows the
    // racing lane from the pit exit round to the pit entry.
    EXPECT_GT(concrete.Vtxs.size(), 3u);
    EXPECT_GT(grass.Vtxs.size(), 3u);
    EXPECT_EQ(grass.Detail, 2);

    std::string err;
    EXPECT_EQ(RunTool({"outline", in}, &err), 2);
    EXPECT_EQ(err.rfind("trktool: ", 0), 0u);
    EXPECT_EQ(RunTool({"outline", (dir / "missing.trk").string(), out}, &err), 2);
    std::filesystem::remove_all(dir);
}

} // namespace
