#include <gtest/gtest.h>

#include <filesystem>

#include "TestTracks.h"
#include "model/Templates.h"
#include "model/TrackFile.h"

using namespace td;
using namespace td::test;

namespace {

// A track that uses every kind of field, with no pit lane so that saving
// leaves its lane order alone.
Track RichTrack() {
    Track t;
    t.Info.Name = "Circuit, de la Sarthe";
    t.Info.Description = "Long straight; fast";
    t.Info.Location = "Le Mans";
    t.Info.Version = "2.3";
    t.Info.Author = "A. Author";
    t.Info.RainyMax = "5";
    t.Info.ChangeableMax = "15";
    Lane a{"Left", {}};
    Space s = MakeSpace(12345678.0f, -0.00001f, 359, 27);
    s.Scale = 1.25f;
    s.LanePos = -0.5f;
    s.Nxt = {MakeRef(1, 0), NoSpace};
    s.Adj = {MakeRef(1, 1), 32767, -2, MakeRef(4, 999)};
    s.Segment = -7;
    s.GapPart = 4;
    s.COR = 3; // never saved: comes back as 0
    a.Spaces.push_back(s);
    a.Spaces.push_back(MakeSpace(-100.5f, 1.0f / 3.0f, 45, 99));
    t.Lanes.push_back(a);
    t.Lanes.push_back(Lane{"Empty", {}});
    t.Lanes.push_back(Lane{"Right", {MakeSpace(0, 0, -15, 52)}});
    t.StartPos[1] = MakeRef(2, 0);
    t.StartPos[20] = MakeRef(0, 1);
    Corner c{"Hairpin, tight", 2, 14, 9, {}};
    c.Vtx[0] = {-250.5f, 1e-5f};
    t.Corners.push_back(c);
    t.Corners.push_back(Corner{"", -1, 0, 32767, {}});
    t.BackColor = 0xFFFFFFFF; // reads back through the signed form
    t.BackPolys.push_back(BackPoly{4, 0x1B7913, 0x006400, {{-2147483647 - 1, 2147483647}}});
    t.BackPolys.push_back(BackPoly{1, 0xC0C0C0, 0, {{0, 0}, {100, -5}, {-3, 7}}});
    return t;
}

void ExpectSameContent(const Track& a, const Track& b) {
    ASSERT_EQ(a.Lanes.size(), b.Lanes.size());
    for (size_t i = 0; i < a.Lanes.size(); ++i) {
        EXPECT_EQ(a.Lanes[i].Name, b.Lanes[i].Name);
        ASSERT_EQ(a.Lanes[i].Spaces.size(), b.Lanes[i].Spaces.size());
        for (size_t j = 0; j < a.Lanes[i].Spaces.size(); ++j) {
            const Space& x = a.Lanes[i].Spaces[j];
            const Space& y = b.Lanes[i].Spaces[j];
            SCOPED_TRACE("lane " + std::to_string(i) + " space " + std::to_string(j));
            // Values survive to the 7 digits the file keeps.
            EXPECT_FLOAT_EQ(x.Pt[0].x, y.Pt[0].x);
            EXPECT_FLOAT_EQ(x.Pt[0].y, y.Pt[0].y);
            EXPECT_EQ(x.Rotation, y.Rotation);
            EXPECT_FLOAT_EQ(x.Scale, y.Scale);
            EXPECT_EQ(x.Symbol, y.Symbol);
            EXPECT_FLOAT_EQ(x.LanePos, y.LanePos);
            EXPECT_EQ(x.Nxt, y.Nxt);
            EXPECT_EQ(x.Adj, y.Adj);
            EXPECT_EQ(x.Segment, y.Segment);
            EXPECT_EQ(x.GapPart, y.GapPart);
        }
    }
    EXPECT_EQ(a.StartPos, b.StartPos);
    ASSERT_EQ(a.Corners.size(), b.Corners.size());
    for (size_t i = 0; i < a.Corners.size(); ++i) {
        EXPECT_EQ(a.Corners[i].Name, b.Corners[i].Name);
        EXPECT_EQ(a.Corners[i].Stops, b.Corners[i].Stops);
        EXPECT_EQ(a.Corners[i].Long, b.Corners[i].Long);
        EXPECT_EQ(a.Corners[i].Short, b.Corners[i].Short);
        EXPECT_FLOAT_EQ(a.Corners[i].Vtx[0].x, b.Corners[i].Vtx[0].x);
        EXPECT_FLOAT_EQ(a.Corners[i].Vtx[0].y, b.Corners[i].Vtx[0].y);
    }
    EXPECT_EQ(a.BackColor, b.BackColor);
    ASSERT_EQ(a.BackPolys.size(), b.BackPolys.size());
    for (size_t i = 0; i < a.BackPolys.size(); ++i) {
        EXPECT_EQ(a.BackPolys[i].Detail, b.BackPolys[i].Detail);
        EXPECT_EQ(a.BackPolys[i].FillColor, b.BackPolys[i].FillColor);
        EXPECT_EQ(a.BackPolys[i].OutlineColor, b.BackPolys[i].OutlineColor);
        EXPECT_EQ(a.BackPolys[i].Vtxs, b.BackPolys[i].Vtxs);
    }
}

} // namespace

TEST(SaveTrack, TemplatesMatchTheirGoldenFilesByteForByte) {
    TempDir dir;
    for (int lanes : {3, 4}) {
        Track t;
        Selection sel;
        BuildNewTrack3(t, sel);
        if (lanes == 4)
            ConvertToFourLanes(t);
        const std::string out = dir / "t.trk";
        ASSERT_TRUE(SaveTrack(t, out, FixedStamp()).ok);
        const std::string name = "template" + std::to_string(lanes) + ".trk";
        EXPECT_EQ(ReadBytes(out), ReadBytes(DataPath(name))) << name;
    }
}

TEST(SaveTrack, SetsTheBuildFieldsToWhatItWrote) {
    TempDir dir;
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    ASSERT_TRUE(SaveTrack(t, dir / "a.trk", {"01/02/2027", "10:11:12", "9.8.7"}).ok);
    EXPECT_EQ(t.Info.BuildDate, "01/02/2027");
    EXPECT_EQ(t.Info.BuildTime, "10:11:12");
    EXPECT_EQ(t.Info.DesignerVersion, "9.8.7");
    // Only the target is left in the folder: no temporary file remains.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SaveTrack, RoundTripKeepsEveryField) {
    const Track original = RichTrack();
    TempDir dir;
    Track saved = original;
    ASSERT_TRUE(SaveTrack(saved, dir / "rich.trk", FixedStamp()).ok);
    Track loaded;
    const LoadResult r = LoadTrack(loaded, dir / "rich.trk");
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.complete) << r.line << ": " << r.reason;
    ExpectSameContent(original, loaded);
    EXPECT_EQ(loaded.Info.Name, "Circuit, de la Sarthe");
    EXPECT_EQ(loaded.Info.Description, original.Info.Description);
    EXPECT_EQ(loaded.Info.Location, original.Info.Location);
    EXPECT_EQ(loaded.Info.Version, "2.3");
    EXPECT_EQ(loaded.Info.BuildDate, "12/08/2026");
    EXPECT_EQ(loaded.Info.BuildTime, "03:31:05");
    EXPECT_EQ(loaded.Info.Author, original.Info.Author);
    EXPECT_EQ(loaded.Info.DesignerVersion, "1.0.0");
    EXPECT_EQ(loaded.Info.RainyMax, "5");
    EXPECT_EQ(loaded.Info.ChangeableMax, "15");
    // Derived geometry is rebuilt and COR reset.
    const Space& s = loaded.Lanes[0].Spaces[1];
    Space fresh = s;
    ComputeSpaceOutline(fresh);
    EXPECT_EQ(s.Pt, fresh.Pt);
    EXPECT_EQ(loaded.Lanes[0].Spaces[0].COR, 0);
    EXPECT_FLOAT_EQ(loaded.Corners[0].Vtx[1].x, -250.5f + 20);
    EXPECT_FLOAT_EQ(loaded.Corners[0].Vtx[1].y, 1e-5f - 250);
    EXPECT_FLOAT_EQ(loaded.Corners[0].Vtx[2].x, -250.5f + 180);
    EXPECT_FLOAT_EQ(loaded.Corners[0].Vtx[2].y, 1e-5f - 90);
    // Saving the loaded track gives the same bytes again.
    EXPECT_EQ(FormatTrack(loaded, FixedStamp()), ReadBytes(dir / "rich.trk"));
}

TEST(SaveTrack, WritesTheFieldsOfALineInPrintZones) {
    Track t;
    t.Lanes.push_back(Lane{"Left", {MakeSpace(-1.5f, 2.0f, 90, 5)}});
    t.BackPolys.push_back(BackPoly{2, 1, 2, {{7, -8}}});
    const std::string text = FormatTrack(t, FixedStamp());
    EXPECT_NE(
        text.find(
            "\r\nLeft\r\n-1.5          2             90            1              5            0"
            "             -1            -1            -1            -1            -1"
            "            -1             0             0 \r\nCorners\r\n"),
        std::string::npos);
    // A polygon with one vertex: last vertex index 0, one vertex line; the
    // file ends right after it.
    const std::string tail = "Background Polygons\r\n 2             1             2             0 "
                             "\r\n7             -8\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(SaveTrack, TextsCannotBreakTheLineStructure) {
    Track t = RichTrack();
    t.Info.Name = "The \"Ring\"";
    t.Info.Author = "two\r\nlines";
    t.Lanes[1].Name = "odd\nname";
    Track loaded;
    EXPECT_TRUE(LoadTrackFromText(loaded, FormatTrack(t, FixedStamp())).complete);
    EXPECT_EQ(loaded.Info.Name, "The 'Ring'");
    EXPECT_EQ(loaded.Info.Author, "two  lines");
    EXPECT_EQ(loaded.Lanes[1].Name, "odd name");
    EXPECT_EQ(loaded.BackPolys.size(), t.BackPolys.size());
}

TEST(SaveTrack, ACommaInAPlainTextIsWrittenAsAPointSoThatItReadsBackWhole) {
    Track t = RichTrack();
    t.Info.Version = "1,5";
    t.Info.RainyMax = "6,5";
    Track loaded;
    LoadTrackFromText(loaded, FormatTrack(t, FixedStamp()));
    EXPECT_EQ(loaded.Info.Version, "1.5");
    EXPECT_EQ(loaded.Info.RainyMax, "6.5");
    EXPECT_EQ(loaded.Info.Name, "Circuit, de la Sarthe");
    EXPECT_EQ(loaded.Info.BuildDate, "12/08/2026");
}

TEST(SaveTrack, SavingTwiceGivesTheSameFile) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    // Pit box beside the right lane on its +y side, garages stored last.
    t.Lanes[4].Spaces[0].Adj[1] = MakeRef(2, 0);
    std::swap(t.Lanes[3], t.Lanes[4]);
    TempDir dir;
    ASSERT_TRUE(SaveTrack(t, dir / "a.trk", FixedStamp()).ok);
    ASSERT_TRUE(SaveTrack(t, dir / "b.trk", FixedStamp()).ok);
    EXPECT_EQ(t.Lanes[3].Name, "Garages");
    EXPECT_EQ(ReadBytes(dir / "a.trk"), ReadBytes(dir / "b.trk"));
}

TEST(SaveTrack, AFailedSaveReportsWhyAndChangesNothing) {
    TempDir dir;
    WriteBytes(dir / "file", "not a folder");
    WriteBytes(dir / "old.trk", "old content");
    std::filesystem::create_directory(dir / "folder.trk");
    const Track before = RichTrack();
    for (const std::string& target :
         {dir / "missing/x.trk", dir / "file/x.trk", dir / "folder.trk"}) {
        Track t = before;
        const SaveResult r = SaveTrack(t, target, {"d", "t", "v"});
        EXPECT_FALSE(r.ok) << target;
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(t.Info.BuildDate, before.Info.BuildDate);
        EXPECT_EQ(t.Info.DesignerVersion, before.Info.DesignerVersion);
        EXPECT_EQ(FormatTrack(t, FixedStamp()), FormatTrack(before, FixedStamp()));
    }
    EXPECT_EQ(ReadBytes(dir / "old.trk"), "old content");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.trk"));
}

TEST(SaveTrack, ReplacesAnExistingFileKeepingItsPermissions) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteBytes(dir / "t.trk", "old content that is longer than nothing");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir / "t.trk", perms);
    Track t = RichTrack();
    ASSERT_TRUE(SaveTrack(t, dir / "t.trk", FixedStamp()).ok);
    EXPECT_EQ(ReadBytes(dir / "t.trk"), FormatTrack(t, FixedStamp()));
    EXPECT_EQ(fs::status(dir / "t.trk").permissions(), perms);
}

TEST(SaveTrack, ThroughSymbolicLinksReplacesTheFileTheyNameAndKeepsTheLinks) {
    namespace fs = std::filesystem;
    TempDir dir;
    fs::create_directory(dir / "sub");
    WriteBytes(dir / "sub/real.trk", "old");
    fs::create_symlink("sub/real.trk", dir / "link.trk");
    fs::create_symlink(dir / "link.trk", dir / "chain.trk");
    Track t = RichTrack();
    ASSERT_TRUE(SaveTrack(t, dir / "chain.trk", FixedStamp()).ok);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "chain.trk")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.trk")));
    EXPECT_EQ(ReadBytes(dir / "sub/real.trk"), FormatTrack(t, FixedStamp()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 1);

    // A link that leads back to itself is refused.
    fs::create_symlink("b.trk", dir / "a.trk");
    fs::create_symlink("a.trk", dir / "b.trk");
    const SaveResult loop = SaveTrack(t, dir / "a.trk", FixedStamp());
    EXPECT_FALSE(loop.ok);
    EXPECT_FALSE(loop.error.empty());
}

TEST(SaveTrack, RefusesAReadOnlyFileAndLeavesItAsItWas) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteBytes(dir / "t.trk", "old");
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(dir / "t.trk", readOnly);
    fs::create_symlink("t.trk", dir / "link.trk");
    for (const char* name : {"t.trk", "link.trk"}) {
        Track t = RichTrack();
        const SaveResult r = SaveTrack(t, dir / name, FixedStamp());
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.error.find("read-only"), std::string::npos) << r.error;
        EXPECT_EQ(t.Info.BuildDate, RichTrack().Info.BuildDate);
    }
    EXPECT_EQ(ReadBytes(dir / "t.trk"), "old");
    EXPECT_EQ(fs::status(dir / "t.trk").permissions(), readOnly);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(CurrentBuildStamp, SourceDateEpochGivesAFixedUtcStamp) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const BuildStamp s = CurrentBuildStamp();
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(s.Date, "11/14/2023");
    EXPECT_EQ(s.Time, "22:13:20");
    EXPECT_EQ(s.Version, "1.0.0");
    const BuildStamp now = CurrentBuildStamp();
    EXPECT_FALSE(now.Date.empty());
    EXPECT_EQ(now.Date.find(','), std::string::npos);
    EXPECT_EQ(now.Time.find(','), std::string::npos);
}

TEST(SaveTrack, NamesThatWouldReadAsSomethingElseComeBackWhole) {
    Track t;
    for (const char* name : {"Corners", "5", "-1 x", "  indented", "a,b", "\"quoted", "\rx", "1e999 x"})
        t.Lanes.push_back(Lane{name, {MakeSpace(1, 2)}});
    t.Info.Name = ";not a comment";
    t.Corners.push_back(Corner{"Backcolor", 1, 2, 3, {}});
    Track loaded;
    const LoadResult r = LoadTrackFromText(loaded, FormatTrack(t, FixedStamp()));
    EXPECT_TRUE(r.complete) << r.line << " " << r.reason;
    ASSERT_EQ(loaded.Lanes.size(), t.Lanes.size());
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(loaded.Lanes[i].Name, t.Lanes[i].Name);
        EXPECT_EQ(loaded.Lanes[i].Spaces.size(), 1u);
    }
    EXPECT_EQ(loaded.Lanes[5].Name, "'quoted");
    EXPECT_EQ(loaded.Lanes[6].Name, " x");
    EXPECT_EQ(loaded.Lanes[7].Name, "1e999 x") << "a number out of range is a number too";
    EXPECT_EQ(loaded.Info.Name, ";not a comment");
    ASSERT_EQ(loaded.Corners.size(), 1u);
    EXPECT_EQ(loaded.Corners[0].Name, "Backcolor");
    EXPECT_EQ(loaded.BackColor, t.BackColor);
}

TEST(SaveTrack, PlainHeaderTextsReadBackAsWrittenAfterOneSave) {
    // Header texts written without quotes lose what the reader cannot take
    // back (leading blanks, a leading quote) on the first save, never later.
    for (const char* version : {"\r\"   1  \"", "  \"x\" y", "\t\t", "1.0"}) {
        Track t;
        t.Info.Version = version;
        Track once;
        ASSERT_TRUE(LoadTrackFromText(once, FormatTrack(t, FixedStamp())).complete);
        const std::string written = FormatTrack(once, FixedStamp());
        Track twice;
        ASSERT_TRUE(LoadTrackFromText(twice, written).complete);
        EXPECT_EQ(twice.Info.Version, once.Info.Version) << version;
        EXPECT_EQ(FormatTrack(twice, FixedStamp()), written) << version;
    }
}
