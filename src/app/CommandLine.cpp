#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include "Version.h"

namespace td {

namespace {

// QApplication's own options, so that they are not refused as unknown.
void AddQtWindowOptions(QCommandLineParser& parser) {
    static const char* const withValue[] = {"platform",   "platformpluginpath", "platformtheme",
                                            "plugin",     "qwindowgeometry",    "qwindowicon",
                                            "qwindowtitle", "style",            "stylesheet",
                                            "display",    "geometry",           "session"};
    static const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char* name : flags) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    const QString program =
        arguments.isEmpty() ? QStringLiteral("tarvel-td") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tarvel Track Designer: draws and edits the race tracks of the board game."));
    // "-fit" and "--fit" alike, as Qt's own options are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 QStringLiteral("Fit the opened track in the window."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(fit);
    AddQtWindowOptions(parser);
    parser.addPositionalArgument(QStringLiteral("track"),
                                 QStringLiteral("The .trk file to open (double quotes allowed)."),
                                 QStringLiteral("[track]"));

    CommandLine result;
    const QString tryHelp = QStringLiteral("\nTry '%1 --help' for more.").arg(program);
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.text = QStringLiteral("%1: %2%3").arg(program, parser.errorText(), tryHelp);
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // Qt names the program after the application object, which does not
        // exist yet: the usage line is ours.
        const QString qtHelp = parser.helpText();
        result.text = QStringLiteral("Usage: %1 [options] [track]").arg(program) +
                      qtHelp.mid(qtHelp.indexOf(QLatin1Char('\n')));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = QStringLiteral("%1 %2\n").arg(program, QStringLiteral(TD_VERSION_STRING));
        return result;
    }
    const QStringList tracks = parser.positionalArguments();
    if (tracks.size() > 1) {
        result.action = CommandLine::Action::Error;
        result.text = QStringLiteral("%1: one track at a time, not %2: %3%4")
                          .arg(program)
                          .arg(tracks.size())
                          .arg(tracks.join(QStringLiteral(", ")), tryHelp);
        return result;
    }
    result.track = tracks.isEmpty() ? QString() : tracks.first();
    result.fit = parser.isSet(fit);
    return result;
}

} // namespace td
