// Ulvorane, the exam simulator.
#include <QApplication>
#include <QInputMethod>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/session/historylog.h"
#include "examsim/ui/consolehelp.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/startup.h"
#include "toolkit/commandanswer.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/programstart.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/projectversion.h"

int main(int argc, char** argv) {
    // Answered before any window exists, so they work without a display.
    if (const int code = answerStandardRequest(std::vector<std::string>(argv + 1, argv + argc), "ulvorane",
                                               consoleHelp(localeLanguage()), stdout);
        code >= 0)
        return code;
    QApplication app(argc, argv);
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(EXAM_APP_ID));
    installSystemErrorBox();

    // argv as Qt left it (its own switches taken out), in the bytes of the
    // programs' names (from the wide command line on Windows).
    const ProgramStart start = myStartInProgramFolder(
        programArguments(argc, argv), "ulvorane", BankFilePattern, LogFileName);
    if (!start.Started) return 1;
    StartupInput input;
    input.Arguments = start.Arguments;
    input.ProgramFolder = start.Folder;
    input.KeyboardLocale = fromQString(QGuiApplication::inputMethod()->locale().name());

    static ProgramState program;
    std::unique_ptr<MainWindow> window = myStartUlvorane(program, input);
    if (!window) return 1;
    window->show();
    const int code = app.exec();
    window.reset();
    return code;
}
