#include <QApplication>

#include "AppIcon.h"
#include "TD.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvel TD"));
    QApplication::setWindowIcon(td::AppIcon());

    const QStringList args = QApplication::arguments();
    td::TD window;
    window.Start(args.size() > 1 ? args.at(1) : QString());
    return QApplication::exec();
}
