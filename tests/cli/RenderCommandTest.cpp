#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QImage>
#include <QString>

#include "RenderCommand.h"
#include "model/SpaceGeometry.h"
#include "model/Templates.h"
#include "model/TrackFile.h"

namespace {

namespace fs = std::filesystem;

struct RenderCommandTest : ::testing::Test {
    fs::path dir;
    std::string err;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("td_render_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    std::string SaveTemplate(const std::string& name, void (*change)(td::Track&) = nullptr) {
        td::Track track;
        td::Selection sel;
        td::BuildNewTrack3(track, sel);
        if (change)
            change(track);
        const std::string path = Path(name);
        EXPECT_TRUE(td::SaveTrack(track, path).ok);
        return path;
    }

    int Run(std::vector<std::string> args) {
        ::testing::internal::CaptureStderr();
        const int code = trktool::RunRenderCommand(args);
        err = ::testing::internal::GetCapturedStderr();
        return code;
    }

    QImage Load(const std::string& path) { return QImage(QString::fromStdString(path)); }

    static int CountColour(const QImage& img, QRgb rgb) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
        return n;
    }
};

TEST_F(RenderCommandTest, DrawsATemplateTrackAtTheDefaultSize) {
    const std::string in = SaveTemplate("t.trk");
    ASSERT_EQ(Run({in, Path("t.png")}), 0) << err;
    EXPECT_TRUE(err.empty()) << err;
    const QImage img = Load(Path("t.png"));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(1600, 1000));
    EXPECT_GT(CountColour(img, qRgb(19, 121, 27)), 100000);  // grass background
    EXPECT_GT(CountColour(img, qRgb(192, 192, 192)), 10000); // space bodies fill a good part
}

TEST_F(RenderCommandTest, FitsATrackFarFromTheOrigin) {
    const std::string in = SaveTemplate("far.trk", [](td::Track& t) {
        for (auto& lane : t.Lanes)
            for (auto& s : lane.Spaces) {
                s.Pt[0].x += 250000.0f;
                s.Pt[0].y -= 90000.0f;
            }
    });
    ASSERT_EQ(Run({"--size", "400x300", in, Path("far.png")}), 0) << err;
    const QImage img = Load(Path("far.png"));
    EXPECT_EQ(img.size(), QSize(400, 300));
    EXPECT_GT(CountColour(img, qRgb(192, 192, 192)), 1000);
}

TEST_F(RenderCommandTest, WireframeHasAWhiteBackgroundAndNoFills) {
    const std::string in = SaveTemplate("w.trk");
    ASSERT_EQ(Run({in, Path("w.png"), "--wireframe", "--size", "320x200"}), 0) << err;
    const QImage img = Load(Path("w.png"));
    EXPECT_GT(CountColour(img, qRgb(255, 255, 255)), 320 * 200 / 2);
    EXPECT_EQ(CountColour(img, qRgb(192, 192, 192)), 0);
}

TEST_F(RenderCommandTest, ZoomOptionOverridesTheFit) {
    const std::string in = SaveTemplate("z.trk");
    ASSERT_EQ(Run({in, Path("fit.png"), "--size", "200x200"}), 0) << err;
    ASSERT_EQ(Run({in, Path("z.png"), "--size", "200x200", "--zoom", "0.05"}), 0) << err;
    EXPECT_LT(CountColour(Load(Path("z.png")), qRgb(192, 192, 192)),
              CountColour(Load(Path("fit.png")), qRgb(192, 192, 192)) / 4);
}

TEST_F(RenderCommandTest, DetailOptionShowsFinerPolygons) {
    const std::string in = SaveTemplate("d.trk", [](td::Track& t) {
        td::BackPoly p;
        p.Detail = 3;
        p.FillColor = 0xAE0000; // water
        p.OutlineColor = 0xAE0000;
        p.Vtxs = {{-3000, -3000}, {-2000, -3000}, {-2000, -2000}};
        t.BackPolys.push_back(p);
    });
    ASSERT_EQ(Run({in, Path("d2.png"), "--size", "300x300"}), 0) << err;
    ASSERT_EQ(Run({in, Path("d3.png"), "--size", "300x300", "--detail", "3"}), 0) << err;
    EXPECT_EQ(CountColour(Load(Path("d2.png")), qRgb(0, 0, 174)), 0);
    EXPECT_GT(CountColour(Load(Path("d3.png")), qRgb(0, 0, 174)), 50);
}

TEST_F(RenderCommandTest, DamagedFileDrawsWhatWasReadWithAWarning) {
    std::ofstream(Path("bad.trk")) << ";Tarvel Track file - Format 2.0\r\nthis is not a track\r\n";
    EXPECT_EQ(Run({Path("bad.trk"), Path("bad.png"), "--size", "50x40"}), 0);
    EXPECT_EQ(err.rfind("trktool: ", 0), 0u) << err;
    EXPECT_FALSE(Load(Path("bad.png")).isNull());
}

TEST_F(RenderCommandTest, UsageErrorsExitTwoWithAMessage) {
    const std::string in = SaveTemplate("u.trk");
    const std::string out = Path("u.png");
    const std::vector<std::vector<std::string>> bad = {
        {},
        {in},
        {in, out, "extra"},
        {in, out, "--bogus"},
        {in, out, "--size"},
        {in, out, "--size", "0x10"},
        {in, out, "--size", "100"},
        {in, out, "--size", "20000x10"},
        {in, out, "--size", "16000x16000"},
        {in, out, "--size", "axb"},
        {in, out, "--zoom", "-1"},
        {in, out, "--zoom", "nan"},
        {in, out, "--zoom", "2x"},
        {in, out, "--detail", "0"},
        {in, out, "--detail", "5"},
        {in, out, "--detail"},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(Run(args), 2) << ::testing::PrintToString(args);
        EXPECT_EQ(err.rfind("trktool: ", 0), 0u) << err;
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderCommandTest, UnreadableInputAndUnwritableOutputExitTwo) {
    EXPECT_EQ(Run({Path("missing.trk"), Path("m.png")}), 2);
    EXPECT_EQ(err.rfind("trktool: ", 0), 0u) << err;
    const std::string in = SaveTemplate("o.trk");
    EXPECT_EQ(Run({in, Path("no/such/folder/o.png")}), 2);
    EXPECT_EQ(err.rfind("trktool: ", 0), 0u) << err;
}

} // namespace
