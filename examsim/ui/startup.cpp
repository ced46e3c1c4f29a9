#include "examsim/ui/startup.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/import/bankpair.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/filedialogs.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/paths.h"
#include "toolkit/uicontext.h"

namespace {

bool saveDialog(const std::string& title, const std::string& defaultName, const std::filesystem::path& folder,
                const std::string& defaultExt, const std::string& filter, std::filesystem::path& chosen) {
    chosen = defaultName;
    unsigned flags = OfnOverwritePrompt | OfnHideReadOnly;
    return mySaveFileDialog(nullptr, title, chosen, folder, filter, defaultExt, flags) != 0;
}

}  // namespace

void myReadStartupChoices(ProgramState& p, const StartupInput& in) {
    uiTexts();
    uiContext().InterfaceLanguage = 0;
    p.Session.Exam.AudibleClues = false;
    p.Session.Exam.ManualAdvance = false;
    uiContext().InterfaceLanguage = myKeyboardLanguage(in.KeyboardLocale);
    p.Switches = CommandLine{};
    myParseCommandLine(in.Arguments, p.Switches);
    toolTipState().ReportToolTipFailures = p.Switches.ReportToolTipFailures;
    p.ProgramFolder = withoutTrailingSeparator(in.ProgramFolder);
}

void myApplyDefaultFont(const CommandLine& switches) {
    std::string face;
    int size = 0;
    const bool suggested = switches.FontName.empty() && mySuggestDefaultFont(face, size) != 0;
    const FontChoice choice = myChooseDefaultFont(switches, suggested, face, size);
    if (!choice.Use) return;
    QFont font(toQString(choice.Name), choice.PointSize, QFont::Normal);
    QApplication::setFont(font);
}

bool myFindBanksAndHistory(ProgramState& p) {
    p.Bank = BankModel();
    p.Shelf = BankShelf();
    // An import killed between its renames is finished or undone before the
    // banks are listed, so the list shows a whole pair.
    myRecoverInterruptedImports(p.ProgramFolder);
    if (!myDiscoverBanks(p.Shelf, p.ProgramFolder)) {
        myErrorBox(messageIn(MsgNoBank, 1));
        return false;
    }
    ExamSession& s = p.Session;
    s.ProgramFolder = p.ProgramFolder;
    s.Catalogue = HistoryCatalogue{};
    s.Catalogue.Titles.assign(p.Shelf.BankTitles.begin(), p.Shelf.BankTitles.begin() + p.Shelf.BankCount + 1);
    s.LogFilePath = myObtainLoggingLocation(p.ProgramFolder, saveDialog);

    std::string lastTitle;
    HistorySettings settings;
    if (myReadHistoryFile(s.LogFilePath, 0, 0, "", lastTitle, s.Catalogue, settings, nullptr) == 0)
        return false;
    if (settings.Found) {
        uiContext().InterfaceLanguage = settings.InterfaceLanguage;
        s.Exam.AudibleClues = settings.AudibleClues;
        s.Exam.ManualAdvance = settings.ManualAdvance;
        s.Exam.BankFollowsLanguage = settings.BankFollowsLanguage;
    }
    myChooseBankShownFirst(p.Shelf, lastTitle);
    return true;
}

std::unique_ptr<MainWindow> myStartUlvorane(ProgramState& p, const StartupInput& in) {
    toolTipState().ReportToolTipFailures = true;
    // The monitor under the mouse decides the window's size and place.
    const QPoint cursor = QCursor::pos();
    QScreen* monitor = myMonitorFromPoint(cursor.x(), cursor.y(), MonitorDefaultToNearest);
    myReadStartupChoices(p, in);
    myApplyDefaultFont(p.Switches);
    if (!myFindBanksAndHistory(p)) return nullptr;

    QRect workArea;
    if (!myGetWorkArea(monitor, workArea)) workArea = QRect(0, 0, 1024, 768);
    auto window = std::make_unique<MainWindow>(p, workArea);
    installWindowErrorBox(window.get(), [] { return otherText(OtherButtonCaptions); });
    window->menuAction(CmdLessons)->setEnabled(true);
    toolTipState().ToolTipsAvailable = true;
    // The client area holds the controls: the hints of the status line
    // go blank over its bare surface.
    myAddToolTips(window->centralWidget(), examToolTips());
    return window;
}
