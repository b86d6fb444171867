#include <gtest/gtest.h>

#include "edit/CornerOps.h"

namespace td::test {
namespace {

ViewState View(float zoom, float ox = 0.0f, float oy = 0.0f) {
    ViewState v;
    v.Zoom = zoom;
    v.OffsetX = ox;
    v.OffsetY = oy;
    return v;
}

Corner CornerAt(float x, float y, const char* name = "") {
    Corner c;
    c.Name = name;
    c.Vtx[0] = {x, y};
    DeriveCornerFlag(c);
    return c;
}

TEST(CornerOps, AddCornerAt_PutsTheFootOnTheExactWorldPointAndSelectsIt) {
    Track track;
    Selection sel;
    const ViewState view = View(2.5f, 1000.0f, 500.0f);
    EXPECT_EQ(AddCornerAt(track, sel, view, 1037.0f, 123.0f), 0);
    ASSERT_EQ(track.Corners.size(), 1u);
    const Corner& c = track.Corners[0];
    // (1037 - 1000) / 2.5 and (123 - 500) / 2.5, unsnapped.
    EXPECT_FLOAT_EQ(c.Vtx[0].x, 14.8f);
    EXPECT_FLOAT_EQ(c.Vtx[0].y, -150.8f);
    EXPECT_FLOAT_EQ(c.Vtx[1].x, 34.8f);
    EXPECT_FLOAT_EQ(c.Vtx[2].y, -240.8f);
    EXPECT_EQ(c.Name, "");
    EXPECT_EQ(c.Stops, 0);
    EXPECT_EQ(sel.CurCorner, 0);

    EXPECT_EQ(AddCornerAt(track, sel, view, 0.0f, 0.0f), 1);
    EXPECT_EQ(sel.CurCorner, 1);
}

TEST(CornerOps, FlagHit_IsStrictlyInsideTheClothAndPrefersTheLowerIndex) {
    Track track;
    track.Corners = {CornerAt(0, 0), CornerAt(100, 0)};
    const ViewState view = View(2.0f, 10.0f, 20.0f);
    // Cloth of corner 0: world (20,-250)..(180,-90), screen (50,-480)..(370,-160).
    EXPECT_EQ(FlagHit(track, view, 51.0f, -479.0f), 0);
    EXPECT_EQ(FlagHit(track, view, 50.0f, -300.0f), -1);  // left edge
    EXPECT_EQ(FlagHit(track, view, 100.0f, -160.0f), -1); // bottom edge
    // Corner 1's cloth starts at world x 120 (screen 250) and overlaps corner 0's.
    EXPECT_EQ(FlagHit(track, view, 300.0f, -300.0f), 0);
    EXPECT_EQ(FlagHit(track, view, 380.0f, -300.0f), 1);
    // The pole is not part of the clickable flag.
    EXPECT_EQ(FlagHit(track, view, 15.0f, -300.0f), -1);
    EXPECT_EQ(FlagHit(Track{}, view, 51.0f, -479.0f), -1);
}

TEST(CornerOps, MoveCornerFlag_MovesTheFootAndRederivesTheCloth) {
    Track track;
    track.Corners = {CornerAt(5.5f, 7.0f)};
    EXPECT_TRUE(MoveCornerFlag(track, 0, 15, -3));
    EXPECT_FLOAT_EQ(track.Corners[0].Vtx[0].x, 20.5f);
    EXPECT_FLOAT_EQ(track.Corners[0].Vtx[0].y, 4.0f);
    EXPECT_FLOAT_EQ(track.Corners[0].Vtx[1].x, 40.5f);
    EXPECT_FLOAT_EQ(track.Corners[0].Vtx[2].y, -86.0f);
    EXPECT_FALSE(MoveCornerFlag(track, 1, 1, 1));
    EXPECT_FALSE(MoveCornerFlag(track, -1, 1, 1));
}

TEST(CornerOps, DeleteCurrentCorner_KeepsTheIndexOnTheFollowingCorner) {
    Track track;
    track.Corners = {CornerAt(0, 0, "A"), CornerAt(0, 0, "B"), CornerAt(0, 0, "C")};
    Selection sel;
    sel.CurCorner = 1;
    EXPECT_TRUE(DeleteCurrentCorner(track, sel));
    ASSERT_EQ(track.Corners.size(), 2u);
    EXPECT_EQ(track.Corners[1].Name, "C");
    EXPECT_EQ(CurrentCorner(track, sel)->Name, "C");

    sel.CurCorner = 1;
    EXPECT_TRUE(DeleteCurrentCorner(track, sel));
    EXPECT_EQ(CurrentCorner(track, sel), nullptr);
    EXPECT_FALSE(DeleteCurrentCorner(track, sel));

    sel.CurCorner = 0;
    EXPECT_TRUE(DeleteCurrentCorner(track, sel));
    EXPECT_TRUE(track.Corners.empty());
    sel.CurCorner = -1;
    EXPECT_FALSE(DeleteCurrentCorner(track, sel));
}

TEST(CornerOps, CornerCountFromText_AcceptsDecimalsInRangeOnly) {
    EXPECT_EQ(CornerCountFromText("3"), 3);
    EXPECT_EQ(CornerCountFromText("  -12 \t"), -12);
    EXPECT_EQ(CornerCountFromText("+4"), 4);
    EXPECT_EQ(CornerCountFromText("2.5"), 2); // halves to even
    EXPECT_EQ(CornerCountFromText("3.5"), 4);
    EXPECT_EQ(CornerCountFromText("-32768"), -32768);
    EXPECT_EQ(CornerCountFromText("32767.4"), 32767);
    for (const char* bad : {"", "  ", "abc", "12abc", "1e3", "32768", "-32769", "32767.5", "nan",
                            "inf", "+", "-", "+-1", "1 2", "2,5"})
        EXPECT_FALSE(CornerCountFromText(bad).has_value()) << "\"" << bad << "\"";
}

TEST(CornerOps, FillCornerArray_WritesAllOrNothing) {
    Track track;
    track.Corners = {CornerAt(0, 0, "Old")};
    Selection sel;
    sel.CurCorner = 0;
    EXPECT_EQ(FillCornerArray(track, sel, {"Hairpin", "2", "x", "5"}), 2);
    EXPECT_EQ(track.Corners[0].Name, "Old");
    EXPECT_EQ(track.Corners[0].Stops, 0);
    EXPECT_EQ(FillCornerArray(track, sel, {"Hairpin", "", "7", "5"}), 1);

    EXPECT_EQ(FillCornerArray(track, sel, {"Hairpin", " 2 ", "7", "5"}), 0);
    EXPECT_EQ(track.Corners[0].Name, "Hairpin");
    EXPECT_EQ(track.Corners[0].Stops, 2);
    EXPECT_EQ(track.Corners[0].Long, 7);
    EXPECT_EQ(track.Corners[0].Short, 5);
    EXPECT_EQ(CornerPropertyTexts(track.Corners[0]), (CornerTexts{"Hairpin", "2", "7", "5"}));

    sel.CurCorner = 3;
    EXPECT_EQ(FillCornerArray(track, sel, {"X", "1", "1", "1"}), -1);
    EXPECT_EQ(track.Corners[0].Name, "Hairpin");
}

TEST(CornerOps, MessagesNameTheCornerAndTheBox) {
    EXPECT_EQ(DeleteCornerText(CornerAt(0, 0, "Eau Rouge")),
              "Are you sure you want to delete the corner: Eau Rouge?");
    EXPECT_NE(CornerCountInvalidText(2).find("\"Longest Path\""), std::string::npos);
}

} // namespace
} // namespace td::test
