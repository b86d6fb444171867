// The corner properties dialog alone and inside the main window: it shows
// the current corner, sends its OK to the editor and never writes the track
// itself.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "TD.h"
#include "TDCornerProp.h"
#include "TDTestSupport.h"

namespace td {
namespace {

class QuietTD : public TD {
  public:
    explicit QuietTD(const QString& tracks) : TD(Options(tracks)) {}
    static TDOptions Options(const QString& tracks) {
        TDOptions o;
        o.showSplash = false;
        o.tracksFolder = tracks;
        return o;
    }
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons,
                         MsgIcon) override {
        messages.push_back(title + ": " + text);
        parents.push_back(MessageParent());
        return MsgAnswer::OK;
    }
    std::vector<std::string> messages;
    std::vector<QWidget*> parents;
};

class CornerPropTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ClearSettings(); }
};

TEST_F(CornerPropTest, DialogShowsItsCaptionsAndSendsTheTextsOnOK) {
    std::vector<Command> sent;
    TDCornerProp dialog([&](const Command& c) { sent.push_back(c); });
    EXPECT_EQ(dialog.windowTitle(), "Corner Properties");
    EXPECT_FALSE(dialog.isModal());
    const char* captions[] = {"Corner Name", "Required Stops", "Longest Path", "Shortest Path"};
    for (int i = 0; i < 4; ++i) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("CornerPropLbl(%1)").arg(i));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), captions[i]);
        EXPECT_NE(dialog.findChild<QLineEdit*>(QStringLiteral("CornerPropTxt(%1)").arg(i)),
                  nullptr);
    }
    // No Cancel: the only button is OK.
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);

    dialog.ShowCornerProp({"Virage \xE9", "1", "2", "3"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Box(0)->text(), QString::fromUtf8("Virage é"));
    EXPECT_EQ(dialog.Box(0)->selectedText(), dialog.Box(0)->text());
    dialog.Box(2)->setText("17");
    dialog.OKButton()->click();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].kind, CommandKind::DialogOK);
    EXPECT_EQ(sent[0].key, "TDCornerProp");
    EXPECT_EQ(sent[0].texts, (std::vector<std::string>{"Virage \xE9", "1", "17", "3"}));
    // Closing is the editor's decision.
    EXPECT_TRUE(dialog.isVisible());

    dialog.SelectBox(3);
    EXPECT_EQ(dialog.Box(3)->selectedText(), "3");
}

TEST_F(CornerPropTest, MainWindowOpensTheDialogAndOKGoesThroughTheEditor) {
    QTemporaryDir tracks;
    QuietTD w(tracks.path());
    w.Start({});
    w.Dispatch(Command::Button("New3Lane"));
    Corner c;
    c.Name = "Old";
    DeriveCornerFlag(c);
    w.editor().track.Corners.push_back(c);
    w.editor().sel.CurCorner = 0;
    w.editor().OpenCornerProperties();
    TDCornerProp* dialog = w.CornerProp();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Box(0)->text(), "Old");
    EXPECT_EQ(dialog->Box(1)->text(), "0");

    // A refused count keeps the dialog open on that box and changes nothing.
    dialog->Box(0)->setText("New");
    dialog->Box(3)->setText("many");
    dialog->OKButton()->click();
    ASSERT_EQ(w.messages.size(), 1u);
    // The box belongs to the dialog, which gets the keys back after it.
    EXPECT_EQ(w.parents[0], dialog);
    EXPECT_EQ(w.MessageParent(), &w);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->Box(3)->hasFocus() || !QApplication::activeWindow());
    EXPECT_EQ(w.editor().track.Corners[0].Name, "Old");

    dialog->Box(3)->setText("4");
    dialog->OKButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(w.editor().track.Corners[0].Name, "New");
    EXPECT_EQ(w.editor().track.Corners[0].Short, 4);

    // The close control discards what was typed.
    w.editor().OpenCornerProperties();
    dialog->Box(0)->setText("Discarded");
    dialog->close();
    EXPECT_EQ(w.editor().track.Corners[0].Name, "New");
}

} // namespace
} // namespace td
