#include "EditorFixture.h"

namespace td::test {
namespace {

class CornerCommandsTest : public EditorFixture {
  protected:
    void AddCorner(const char* name) {
        Corner c;
        c.Name = name;
        DeriveCornerFlag(c);
        editor.track.Corners.push_back(c);
    }
    void OK(std::vector<std::string> texts) {
        editor.Dispatch(Command::DialogOK("TDCornerProp", std::move(texts)));
    }
};

TEST_F(CornerCommandsTest, OpenCornerProperties_FillsTheBoxesFromTheCurrentCorner) {
    StartWithNewTrack();
    editor.OpenCornerProperties(); // no corner yet
    EXPECT_EQ(host.cornerPropertiesShown, 0);
    AddCorner("Hairpin");
    editor.track.Corners[0].Long = -3;
    editor.sel.CurCorner = 0;
    editor.OpenCornerProperties();
    EXPECT_EQ(host.cornerPropertiesShown, 1);
    EXPECT_EQ(host.cornerTexts, (std::array<std::string, 4>{"Hairpin", "0", "-3", "0"}));
}

TEST_F(CornerCommandsTest, DialogOK_WritesTheCurrentCornerAndClosesWithoutARedraw) {
    StartWithNewTrack();
    AddCorner("A");
    AddCorner("B");
    editor.sel.CurCorner = 0;
    editor.OpenCornerProperties();
    // The author selects another corner while the dialog is open: OK writes there.
    editor.sel.CurCorner = 1;
    const int refreshes = editor.RefreshCount;
    OK({"Esses", "1", "12", " 10 "});
    EXPECT_FALSE(host.cornerPropertiesOpen);
    EXPECT_EQ(editor.track.Corners[0].Name, "A");
    EXPECT_EQ(editor.track.Corners[1].Name, "Esses");
    EXPECT_EQ(editor.track.Corners[1].Stops, 1);
    EXPECT_EQ(editor.track.Corners[1].Long, 12);
    EXPECT_EQ(editor.track.Corners[1].Short, 10);
    EXPECT_EQ(editor.RefreshCount, refreshes);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CornerCommandsTest, DialogOK_RefusesABadCountAndKeepsTheDialogOnThatBox) {
    StartWithNewTrack();
    AddCorner("A");
    editor.sel.CurCorner = 0;
    editor.OpenCornerProperties();
    OK({"Renamed", "2", "40000", "abc"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Corner Properties");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_NE(host.messages[0].text.find("Longest Path"), std::string::npos);
    EXPECT_TRUE(host.cornerPropertiesOpen);
    EXPECT_EQ(host.cornerBoxSelected, 2);
    EXPECT_EQ(editor.track.Corners[0].Name, "A");
    EXPECT_EQ(editor.track.Corners[0].Stops, 0);

    // A short list of texts counts the missing boxes as empty.
    OK({"Renamed"});
    EXPECT_EQ(host.cornerBoxSelected, 1);
    EXPECT_EQ(editor.track.Corners[0].Name, "A");
}

TEST_F(CornerCommandsTest, DialogOK_WithoutACurrentCornerOnlyCloses) {
    StartWithNewTrack();
    host.cornerPropertiesOpen = true;
    OK({"X", "1", "2", "3"});
    EXPECT_FALSE(host.cornerPropertiesOpen);
    EXPECT_TRUE(editor.track.Corners.empty());
}

TEST_F(CornerCommandsTest, DeleteCorner_AsksFirstAndKeepsTheIndex) {
    StartWithNewTrack();
    AddCorner("A");
    AddCorner("B");
    AddCorner("C");
    editor.sel.CurCorner = 1;
    host.Answer(MsgAnswer::No);
    editor.DeleteCorner();
    EXPECT_EQ(editor.track.Corners.size(), 3u);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Delete Corner");
    EXPECT_EQ(host.messages[0].text, "Are you sure you want to delete the corner: B?");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);

    host.Answer(MsgAnswer::Yes);
    const int refreshes = editor.RefreshCount;
    editor.DeleteCorner();
    ASSERT_EQ(editor.track.Corners.size(), 2u);
    EXPECT_EQ(editor.track.Corners[1].Name, "C");
    EXPECT_EQ(editor.sel.CurCorner, 1);
    EXPECT_EQ(editor.RefreshCount, refreshes + 1);

    editor.sel.CurCorner = 5;
    editor.DeleteCorner();
    EXPECT_EQ(host.messages.size(), 2u);
}

} // namespace
} // namespace td::test
