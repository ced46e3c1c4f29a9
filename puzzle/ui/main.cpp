// Ostrilon, the block-diagram puzzle.
#include <QApplication>
#include <QStringList>

#include "commandanswer.h"
#include "consolehelp.h"
#include "projectversion.h"
#include "puzzlewindow.h"
#include "qtext.h"
#include "startup.h"

int main(int argc, char** argv) {
    // Answered before any window exists, so they work without a display.
    if (const int code = answerStandardRequest(std::vector<std::string>(argv + 1, argv + argc), "ostrilon",
                                               consoleHelp(localeLanguage()), stdout);
        code >= 0)
        return code;
    QApplication app(argc, argv);
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PUZZLE_APP_ID));
    const QStringList args = QCoreApplication::arguments().mid(1);
    const std::filesystem::path folder = fromQPath(QCoreApplication::applicationDirPath());
    auto window = startPuzzle(fromQString(args.join(QLatin1Char(' '))), folder, keyboardLanguage());
    if (!window) return 1;
    window->show();
    return app.exec();
}
