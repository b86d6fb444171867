#include <QApplication>

#include <cstdio>

#include "AppIcon.h"
#include "CommandLine.h"
#include "StartFitted.h"
#include "TD.h"

namespace {

QStringList RawArguments(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before QApplication exists: no display is needed for them.
    const td::CommandLine line = td::ParseCommandLine(RawArguments(argc, argv));
    switch (line.action) {
    case td::CommandLine::Action::Help:
    case td::CommandLine::Action::Version:
        std::fputs(line.text.toLocal8Bit().constData(), stdout);
        return 0;
    case td::CommandLine::Action::Error:
        std::fprintf(stderr, "%s\n", line.text.toLocal8Bit().constData());
        return td::CommandLineErrorExit;
    case td::CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvel TD"));
    QApplication::setWindowIcon(td::AppIcon());

    td::TD window;
    window.Start(line.track);
    if (line.fit)
        td::StartFitted(window);
    return QApplication::exec();
}
