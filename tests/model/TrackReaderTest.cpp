#include <gtest/gtest.h>

#include <algorithm>

#include "TestTracks.h"
#include "model/Templates.h"
#include "model/TrackCheck.h"
#include "model/TrackFile.h"

using namespace td;
using namespace td::test;

namespace {

std::string Template3Text() {
    return ReadBytes(DataPath("template3.trk"));
}

// Replaces the first occurrence of `what` in `text`.
std::string Replace(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

const std::string PolyTail = "Background Polygons\r\n";

} // namespace

TEST(LoadTrack, ReadsTheTemplateFile) {
    Track t;
    const LoadResult r = LoadTrack(t, DataPath("template3.trk"));
    ASSERT_TRUE(r.opened);
    EXPECT_TRUE(r.complete) << r.reason;
    Track expected;
    Selection sel;
    BuildNewTrack3(expected, sel);
    ASSERT_EQ(t.Lanes.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(t.Lanes[i].Name, expected.Lanes[i].Name);
        ASSERT_EQ(t.Lanes[i].Spaces.size(), expected.Lanes[i].Spaces.size());
        for (size_t j = 0; j < t.Lanes[i].Spaces.size(); ++j)
            EXPECT_EQ(t.Lanes[i].Spaces[j].Pt, expected.Lanes[i].Spaces[j].Pt);
    }
    EXPECT_EQ(t.BackColor, Palette[4]);
    EXPECT_EQ(t.Info.DesignerVersion, "1.0.0");
}

TEST(LoadTrack, AcceptsBareLineFeedsTabsAndCommasBetweenItems) {
    std::string text = Template3Text();
    std::string lf;
    for (char c : text)
        if (c != '\r')
            lf.push_back(c);
    lf = Replace(lf, "Pit\n0             300           0             1              0  ",
                 "Pit\n0,\t300,0 ,1,0,");
    Track t;
    const LoadResult r = LoadTrackFromText(t, lf);
    EXPECT_TRUE(r.complete) << r.line << " " << r.reason;
    ASSERT_EQ(t.Lanes.size(), 5u);
    EXPECT_FLOAT_EQ(t.Lanes[4].Spaces[0].Pt[0].y, 300);
}

TEST(LoadTrack, TextWhereANumberBelongsReadsAsZeroAndReadingGoesOn) {
    std::string text = Replace(Template3Text(), "-1 \r\n-1 \r\n", "abc\r\n\"7\"\r\n");
    text = Replace(text, "Right\r\n0             0             0             1 ",
                   "Right\r\n0             0             0             x ");
    Track t;
    const LoadResult r = LoadTrackFromText(t, text);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(t.StartPos[1], 0);
    EXPECT_EQ(t.StartPos[2], 7); // a quoted number is still a number
    ASSERT_EQ(t.Lanes.size(), 5u);
    ASSERT_EQ(t.Lanes[2].Spaces.size(), 1u);
    EXPECT_FLOAT_EQ(t.Lanes[2].Spaces[0].Scale, 0);
}

TEST(LoadTrack, NumbersTooLargeForTheirFieldStopReading) {
    struct Case {
        std::string what, with;
        size_t lanes;
    };
    const Case cases[] = {
        {"-1 \r\n", " 32768 \r\n", 0}, // 16-bit start position
        {"Pit\r\n0             300           0             1              0 ",
         "Pit\r\n0             300           0             1              99999 ", 5},
        {"Pit\r\n0 ", "Pit\r\n1E+39 ", 5}, // beyond a single
        {" 1800467 ", " 2147483648 ", 5},
        {"-1 \r\nLeft", "-1 \r\nLeft\r\n0 1e400", 1}, // 32-bit colour
    };
    for (const Case& c : cases) {
        Track t;
        t.BackColor = 42;
        const LoadResult r = LoadTrackFromText(t, Replace(Template3Text(), c.what, c.with));
        EXPECT_FALSE(r.complete) << c.with;
        EXPECT_NE(r.reason.find("too large"), std::string::npos) << r.reason;
        EXPECT_EQ(t.Lanes.size(), c.lanes) << c.with;
        if (c.with.rfind("Pit", 0) == 0) { // the space that failed is not kept
            EXPECT_TRUE(t.Lanes[4].Spaces.empty());
        }
        EXPECT_EQ(t.BackColor, 42u);
    }
}

TEST(LoadTrack, ReportsTheLineWhereReadingStopped) {
    Track t;
    const LoadResult r = LoadTrackFromText(t, Replace(Template3Text(), "-1 \r\n", " 40000 \r\n"));
    EXPECT_EQ(r.line, 52); // 40 header lines, 10 info lines, the keyword, then the first position
}

TEST(LoadTrack, ReportsALaneNameTheGameWouldReadAsANumber) {
    Track t;
    // A NUL inside the first number of the middle lane's second space.
    const std::string damaged = Replace(Template3Text(), "\r\n100           -100",
                                        std::string("\r\n1\0" "0           -100", 20));
    const LoadResult r = LoadTrackFromText(t, damaged);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.numberLikeLaneLine, 76);
    EXPECT_EQ(t.Lanes.size(), 6u) << "the damaged line starts a lane of its own";
    EXPECT_EQ(LoadTrackFromText(t, Template3Text()).numberLikeLaneLine, 0);
    // Names the writer puts in quotes are no damage.
    Track named;
    named.Lanes.push_back(Lane{"2nd", {}});
    named.Lanes.push_back(Lane{"Infield", {}});
    const LoadResult back = LoadTrackFromText(t, FormatTrack(named, FixedStamp()));
    EXPECT_EQ(back.numberLikeLaneLine, 0);
    EXPECT_EQ(t.Lanes[0].Name, "2nd");
}

TEST(LoadTrack, ASpaceBeforeAnyLaneNameStops) {
    Track t;
    const LoadResult r = LoadTrackFromText(t, Replace(Template3Text(), "Left\r\n", ""));
    EXPECT_FALSE(r.complete);
    EXPECT_TRUE(t.Lanes.empty());
    EXPECT_EQ(t.StartPos[1], NoSpace);
}

TEST(LoadTrack, ALongLaneIsReadWholeWithEverythingAfterIt) {
    std::string line = "0             0             0             1              0            0    "
                       "         -1            -1            -1            -1            -1        "
                       "    -1             0             0 \r\n";
    std::string many;
    for (int i = 0; i < 1003; ++i)
        many += line;
    std::string text = Replace(Template3Text(), "Pit\r\n", "Pit\r\n" + many);
    text =
        Replace(text, "\r\nBackcolor\r\n",
                "\r\n\"After\"\r\n 1             5             3             10            20\r\n"
                "Backcolor\r\n");
    text += " 1             255           0             0 \r\n7             8\r\n";
    Track t;
    const LoadResult r = LoadTrackFromText(t, text);
    EXPECT_TRUE(r.complete) << r.line << " " << r.reason;
    ASSERT_EQ(t.Lanes.size(), 5u);
    EXPECT_EQ(t.Lanes[4].Name, "Pit");
    EXPECT_EQ(t.Lanes[4].Spaces.size(), 1003u + 1u);
    ASSERT_EQ(t.Corners.size(), 1u);
    EXPECT_EQ(t.Corners[0].Name, "After");
    EXPECT_EQ(t.BackColor, Palette[4]);
    ASSERT_EQ(t.BackPolys.size(), 1u);
    EXPECT_EQ(t.BackPolys[0].Vtxs[0], (PointI{7, 8}));

    // Saved and read again, nothing is lost.
    Track again;
    EXPECT_TRUE(LoadTrackFromText(again, FormatTrack(t, FixedStamp())).complete);
    EXPECT_EQ(again.Lanes[4].Spaces.size(), 1004u);
    EXPECT_EQ(again.Corners.size(), 1u);
    EXPECT_EQ(again.BackPolys.size(), 1u);

    // The check names the lane whose far spaces no link can reach.
    const std::vector<std::string> problems = CheckTrack(t);
    EXPECT_NE(std::find(problems.begin(), problems.end(),
                        "lane 4 \"Pit\" has 1004 spaces; its spaces past 999 cannot be "
                        "referred to by a link"),
              problems.end());
}

TEST(LoadTrack, AQuotedItemIsFollowedByTheItemsAfterItsBlanks) {
    // A hand-edited file may quote one field of a space and separate the
    // rest with blanks, tabs or a comma.
    for (const char* row :
         {"5 6 0 \"1\" 0 0 -1 -1 -1 -1 -1 -1 0 0", "5 6 0 \"1\"\t0, 0 -1 -1 -1 -1 -1 -1 0 0",
          "5 6 0 \"1\",0 0 -1 -1 -1 -1 -1 -1 0 0"}) {
        const std::string text =
            Replace(Template3Text(), "Pit\r\n", std::string("Pit\r\n") + row + "\r\n");
        Track t;
        const LoadResult r = LoadTrackFromText(t, text);
        EXPECT_TRUE(r.complete) << row << ": " << r.line << " " << r.reason;
        ASSERT_EQ(t.Lanes.size(), 5u) << row;
        ASSERT_EQ(t.Lanes[4].Spaces.size(), 2u) << row;
        const Space& s = t.Lanes[4].Spaces[0];
        EXPECT_FLOAT_EQ(s.Pt[0].x, 5) << row;
        EXPECT_FLOAT_EQ(s.Pt[0].y, 6) << row;
        EXPECT_FLOAT_EQ(s.Scale, 1) << row;
        EXPECT_EQ(s.Nxt[0], NoSpace) << row;
        EXPECT_EQ(s.Adj[3], NoSpace) << row;
        EXPECT_EQ(s.GapPart, 0) << row;
        EXPECT_FLOAT_EQ(t.Lanes[4].Spaces[1].Pt[0].y, 300) << row;
        EXPECT_EQ(t.BackColor, Palette[4]) << row;
    }
}

TEST(LoadTrack, AVertexCountTheFileCannotHoldStopsWithoutAllocating) {
    const std::string poly =
        " 1             255           0             1 \r\n1             2\r\n3             4\r\n";
    for (const char* count : {"2000000000", "2147483647", "-2", "3"}) {
        std::string huge = " 1             0             0             " + std::string(count) +
                           " \r\n5             6\r\n";
        Track t;
        const LoadResult r = LoadTrackFromText(t, Template3Text() + poly + huge);
        EXPECT_FALSE(r.complete) << count;
        ASSERT_EQ(t.BackPolys.size(), 1u) << count;
        EXPECT_EQ(t.BackPolys[0].Vtxs.size(), 2u);
    }
}

TEST(LoadTrack, ALastVertexIndexOfMinusOneIsAnEmptyPolygon) {
    Track t;
    t.BackPolys.push_back(BackPoly{1, 2, 3, {}});
    t.BackPolys.push_back(BackPoly{1, 2, 3, {{1, 1}}});
    Track loaded;
    EXPECT_TRUE(LoadTrackFromText(loaded, FormatTrack(t, FixedStamp())).complete);
    ASSERT_EQ(loaded.BackPolys.size(), 2u);
    EXPECT_TRUE(loaded.BackPolys[0].Vtxs.empty());
    EXPECT_EQ(loaded.BackPolys[1].Vtxs.size(), 1u);
}

TEST(LoadTrack, BlankLinesAfterTheLastRecordEndTheFile) {
    Track t;
    t.BackPolys.push_back(BackPoly{1, 2, 3, {{1, 1}, {2, 2}}});
    const std::string text = FormatTrack(t, FixedStamp());
    for (const char* tail : {"\r\n", "\r\n  \t\r\n\n", " \r\n"}) {
        Track loaded;
        const LoadResult r = LoadTrackFromText(loaded, text + tail);
        EXPECT_TRUE(r.complete) << r.line << " " << r.reason;
        EXPECT_EQ(loaded.BackPolys.size(), 1u);
    }
    // Anything else after the last polygon is the start of one more.
    Track loaded;
    EXPECT_FALSE(LoadTrackFromText(loaded, text + "\r\n 1 \r\n").complete);
    EXPECT_EQ(loaded.BackPolys.size(), 1u);
}

TEST(LoadTrack, WithoutCornersKeywordTheLanesRunToTheEnd) {
    std::string text = Template3Text();
    text = text.substr(0, text.find("\r\nCorners\r\n") + 2);
    Track t;
    t.BackColor = 42;
    const LoadResult r = LoadTrackFromText(t, text);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(t.Lanes.size(), 5u);
    EXPECT_EQ(t.BackColor, 42u);
}

TEST(LoadTrack, CornersCutShortKeepTheFieldsReadSoFar) {
    const std::string base = Template3Text();
    const std::string head = base.substr(0, base.find("\r\nBackcolor") + 2);
    Track t;
    LoadTrackFromText(t, head + "\"First\"\r\n 1             5             3             10        "
                                "    20\r\n\"Cut\"\r\n 2             7 ");
    ASSERT_EQ(t.Corners.size(), 2u);
    EXPECT_EQ(t.Corners[0].Name, "First");
    EXPECT_FLOAT_EQ(t.Corners[0].Vtx[2].x, 190);
    EXPECT_EQ(t.Corners[1].Name, "Cut");
    EXPECT_EQ(t.Corners[1].Stops, 2);
    EXPECT_EQ(t.Corners[1].Long, 7);
    EXPECT_EQ(t.Corners[1].Short, 0);
    EXPECT_FLOAT_EQ(t.Corners[1].Vtx[1].y, -250);
}

TEST(LoadTrack, EveryCutOfAValidFileKeepsAPrefixOfItsContent) {
    Track full;
    Selection sel;
    BuildNewTrack3(full, sel);
    full.Corners.push_back(Corner{"Bend", 1, 4, 3, {PointF{5, 6}, {}, {}}});
    full.BackPolys.push_back(BackPoly{2, 3, 4, {{1, 2}, {3, 4}, {5, 6}}});
    const std::string text = FormatTrack(full, FixedStamp());
    const size_t polysStart = text.rfind(PolyTail) + PolyTail.size();
    for (size_t cut = 0; cut < text.size(); ++cut) {
        Track t;
        const LoadResult r = LoadTrackFromText(t, std::string_view(text).substr(0, cut));
        ASSERT_TRUE(r.opened);
        // A cut number ("-") or keyword ("Cor") reads as one more, empty lane.
        if (!t.Lanes.empty() && t.Lanes.back().Spaces.empty() &&
            (t.Lanes.size() > full.Lanes.size() ||
             full.Lanes[t.Lanes.size() - 1].Name.rfind(t.Lanes.back().Name, 0) != 0))
            t.Lanes.pop_back();
        ASSERT_LE(t.Lanes.size(), full.Lanes.size()) << cut;
        for (size_t i = 0; i < t.Lanes.size(); ++i) {
            ASSERT_EQ(full.Lanes[i].Name.rfind(t.Lanes[i].Name, 0), 0u) << cut;
            ASSERT_LE(t.Lanes[i].Spaces.size(), full.Lanes[i].Spaces.size()) << cut;
            for (size_t j = 0; j < t.Lanes[i].Spaces.size(); ++j)
                ASSERT_EQ(t.Lanes[i].Spaces[j].Pt, full.Lanes[i].Spaces[j].Pt) << cut;
        }
        // A cut "Backcolor" reads as the name of one more corner.
        ASSERT_LE(t.Corners.size(), 2u);
        if (!t.Corners.empty()) {
            ASSERT_EQ(full.Corners[0].Name.rfind(t.Corners[0].Name, 0), 0u) << cut;
        }
        ASSERT_LE(t.BackPolys.size(), 1u);
        // Complete only with no polygon begun or the whole polygon read.
        if (r.complete) {
            const bool begun = text.find_first_not_of(" \r\n", polysStart) < cut;
            ASSERT_TRUE(t.BackPolys.size() == 1u || !begun) << cut;
        }
    }
}

TEST(LoadTrack, AMissingFileIsReportedAndLeavesTheTrackAlone) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    const LoadResult r = LoadTrack(t, "/nonexistent/folder/x.trk");
    EXPECT_FALSE(r.opened);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(t.Lanes.size(), 5u);
    EXPECT_FALSE(LoadTrack(t, TD_TEST_DATA_DIR).opened); // a folder is not a file
}

TEST(LoadTrack, TextThatIsNoTrackGivesAnEmptyTrack) {
    Track t;
    Selection sel;
    BuildNewTrack3(t, sel);
    t.Info.Author = "kept";
    const LoadResult r = LoadTrackFromText(t, "hello\r\nworld\r\n");
    EXPECT_FALSE(r.complete);
    EXPECT_TRUE(t.Lanes.empty());
    EXPECT_EQ(t.Info.Name, "hello");
    EXPECT_EQ(t.Info.Description, "world");
    EXPECT_EQ(t.Info.Author, "kept");
}
