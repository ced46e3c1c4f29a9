// Ostrilon, the block-diagram puzzle.
#include <QApplication>
#include <QStringList>

#include "puzzle/diagram/diagramfile.h"
#include "puzzle/ui/consolehelp.h"
#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/startup.h"
#include "toolkit/commandanswer.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/programstart.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/projectversion.h"
#include "toolkit/uicontext.h"

int main(int argc, char** argv) {
    // Answered before any window exists, so they work without a display.
    if (const int code = answerStandardRequest(std::vector<std::string>(argv + 1, argv + argc), "ostrilon",
                                               consoleHelp(localeLanguage()), stdout);
        code >= 0)
        return code;
    QApplication app(argc, argv);
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PUZZLE_APP_ID));
    uiContext().ProgramName = "Ostrilon";
    installSystemErrorBox();
    // argv as Qt left it (its own switches taken out), in the bytes of the
    // programs' names (from the wide command line on Windows).
    const ProgramStart start = myStartInProgramFolder(
        programArguments(argc, argv), "ostrilon", DiagramFilePattern, "");
    if (!start.Started) return 1;
    auto window = startPuzzle(start.Arguments, start.Folder, keyboardLanguage());
    if (!window) return 1;
    window->show();
    return app.exec();
}
