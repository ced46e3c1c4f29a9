#include "puzzle/ui/startup.h"

#include <QApplication>
#include <QCursor>
#include <QInputMethod>

#include "puzzle/diagram/diagramfile.h"
#include "puzzle/ui/commandline.h"
#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/tilerender.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

int keyboardLanguage() {
    const QInputMethod* input = QGuiApplication::inputMethod();
    return input && input->locale().language() == QLocale::French ? 1 : 0;
}

std::unique_ptr<PuzzleWindow> startPuzzle(const std::string& arguments,
                                          const std::filesystem::path& programFolder,
                                          int keyboardLanguage) {
    uiContext().ProgramName = "Ostrilon";
    installSystemErrorBox();

    PuzzleFiles files;
    files.ProgramFolder = withoutTrailingSeparator(programFolder);
    const QPoint mouse = QCursor::pos();
    QScreen* monitor = myMonitorFromPoint(mouse.x(), mouse.y(), MonitorDefaultToNearest);

    uiContext().InterfaceLanguage = keyboardLanguage == 1 ? 1 : 0;
    const PuzzleSwitches switches = readCommandLine(arguments);
    if (switches.French) uiContext().InterfaceLanguage = 1;
    toolTipState().ReportToolTipFailures = switches.ReportToolTipFailures;

    std::string suggestedFace;
    int suggestedSize = 0;
    const bool suggested =
        switches.FontName.empty() && mySuggestDefaultFont(suggestedFace, suggestedSize) != 0;
    std::string face;
    int points = 0;
    QFont dialogFont = QApplication::font();
    if (chooseDialogFont(switches, suggested, suggestedFace, suggestedSize, face, points)) {
        dialogFont = QFont(toQString(face));
        dialogFont.setPointSize(points);
        QApplication::setFont(dialogFont);
    }
    files.TileFontName = switches.TileFontName.empty() ? face : switches.TileFontName;

    measureLabelsWithTileFonts();

    if (!findDiagramFiles(files)) {
        myErrorBox(startupMessage(4));
        return nullptr;
    }
    auto window = std::make_unique<PuzzleWindow>(files, dialogFont, monitor);
    window->attachToolTips();
    return window;
}
