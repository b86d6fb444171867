#include <gtest/gtest.h>

#include "CommandLine.h"
#include "Version.h"

namespace td {
namespace {

CommandLine Parse(QStringList args) {
    args.prepend(QStringLiteral("/usr/bin/tarvel-td"));
    return ParseCommandLine(args);
}

TEST(CommandLine, HelpAndVersionAnswerWithoutRunning) {
    for (const char* h : {"--help", "-h"}) {
        const CommandLine c = Parse({QString::fromLatin1(h)});
        EXPECT_EQ(c.action, CommandLine::Action::Help) << h;
        EXPECT_TRUE(c.text.startsWith(QStringLiteral("Usage: tarvel-td [options] [track]")));
        EXPECT_TRUE(c.text.contains(QStringLiteral("--fit")));
        EXPECT_TRUE(c.text.contains(QStringLiteral("--version")));
        EXPECT_FALSE(c.text.contains(QStringLiteral("platform"))) << "Qt's options stay hidden";
    }
    const CommandLine v = Parse({QStringLiteral("--version")});
    EXPECT_EQ(v.action, CommandLine::Action::Version);
    EXPECT_EQ(v.text, QStringLiteral("tarvel-td " TD_VERSION_STRING "\n"));
}

TEST(CommandLine, OneTrackWithOrWithoutQuotesAndTheFitFlag) {
    const CommandLine none = Parse({});
    EXPECT_EQ(none.action, CommandLine::Action::Run);
    EXPECT_TRUE(none.track.isEmpty());
    EXPECT_FALSE(none.fit);

    const CommandLine quoted = Parse({QStringLiteral("\"My Tracks/oval.trk\""), "--fit"});
    EXPECT_EQ(quoted.action, CommandLine::Action::Run);
    EXPECT_EQ(quoted.track, QStringLiteral("\"My Tracks/oval.trk\""));
    EXPECT_TRUE(quoted.fit);

    // Qt's own window options belong to QApplication, not to us.
    const CommandLine qt = Parse({"-platform", "offscreen", "oval.trk"});
    EXPECT_EQ(qt.action, CommandLine::Action::Run);
    EXPECT_EQ(qt.track, QStringLiteral("oval.trk"));

    // A file whose name starts with a dash, after "--".
    EXPECT_EQ(Parse({"--", "-odd.trk"}).track, QStringLiteral("-odd.trk"));
}

TEST(CommandLine, UnknownOptionsAndSecondTracksAreRefusedWithAMessage) {
    const CommandLine unknown = Parse({"--frobnicate", "oval.trk"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Error);
    EXPECT_TRUE(unknown.text.startsWith(QStringLiteral("tarvel-td: ")));
    EXPECT_TRUE(unknown.text.contains(QStringLiteral("frobnicate")));
    EXPECT_TRUE(unknown.text.contains(QStringLiteral("--help")));

    const CommandLine two = Parse({"a.trk", "b.trk"});
    EXPECT_EQ(two.action, CommandLine::Action::Error);
    EXPECT_TRUE(two.text.contains(QStringLiteral("a.trk, b.trk")));

    // An option that takes a value, without one.
    EXPECT_EQ(Parse({"-style"}).action, CommandLine::Action::Error);
}

} // namespace
} // namespace td
