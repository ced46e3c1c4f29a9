// Ostrilon, the block-diagram puzzle.
#include <QApplication>
#include <QStringList>

#include "puzzlewindow.h"
#include "qtext.h"
#include "startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const std::string folder = fromQString(QCoreApplication::applicationDirPath());
    auto window = startPuzzle(fromQString(args.join(QLatin1Char(' '))), folder, keyboardLanguage());
    if (!window) return 1;
    window->show();
    return app.exec();
}
