// Ulvorane, the exam simulator.
#include <QApplication>
#include <QInputMethod>

#include "commandanswer.h"
#include "consolehelp.h"
#include "mainwindow.h"
#include "msgbox.h"
#include "projectversion.h"
#include "qtext.h"
#include "startup.h"

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

    StartupInput input;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (i > 1) input.Arguments += ' ';
        input.Arguments += fromQString(arguments[i]);
    }
    input.ProgramFolder = fromQPath(QCoreApplication::applicationDirPath());
    input.KeyboardLocale = fromQString(QGuiApplication::inputMethod()->locale().name());

    static ProgramState program;
    std::unique_ptr<MainWindow> window = myStartUlvorane(program, input);
    if (!window) return 1;
    window->show();
    const int code = app.exec();
    window.reset();
    return code;
}
