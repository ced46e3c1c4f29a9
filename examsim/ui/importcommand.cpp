// File > Import Official Question Bank...: the department's pool, as
// downloaded, becomes the bank in use. The import itself is the bank tool's
// (poolimport.h); the window picks the file, answers the replace question,
// then finds the banks again and reads the imported one as a choice in the
// bank list would.
#include <QAction>
#include <QComboBox>
#include <QStandardPaths>
#include <filesystem>

#include "bankdiscovery.h"
#include "controlids.h"
#include "filedialogs.h"
#include "historylog.h"
#include "mainwindow.h"
#include "msgbox.h"
#include "platform.h"
#include "platformnames.h"
#include "poolimport.h"
#include "qtext.h"
#include "text.h"
#include "uicontext.h"
#include "uitexts.h"

namespace {

// From the draw of an exam to its marking the bank must stay as it is, as
// the bank list does from the first answer.
bool examUnderWay(int stage) { return stage >= StageDrawn && stage <= StageAllAnswered; }

std::string fileNameOf(const std::filesystem::path& path) { return pathBytes(path.filename()); }

}  // namespace

void MainWindow::syncImportItem() {
    if (QAction* item = menuAction(CmdImportBank))
        item->setEnabled(!examUnderWay(program_.Session.Exam.ExamStage));
}

void MainWindow::importOfficialBank() {
    ProgramState& p = program_;
    if (examUnderWay(p.Session.Exam.ExamStage)) return;
    // Where a browser puts what it downloads.
    const std::filesystem::path downloads = fromQPath(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    std::filesystem::path chosen;
    unsigned flags = OfnFileMustExist | OfnHideReadOnly | OfnExplorer;
    if (!myOpenFileDialog(this, otherText(OtherImportDialogTitle), chosen, downloads, otherText(OtherImportFilter),
                          "zip", flags))
        return;

    ImportPorts ports;
    ports.askReplace = [this](const std::string& title, const std::string& text) {
        return myMsgBox(this, text, title, MbYesNo | MbIconQuestion | MbDefButton2, 0,
                        otherText(OtherButtonCaptions)) == IdYes;
    };
    // No wait cursor: the import takes a blink, and its question and error
    // boxes must not come up under a busy cursor.
    const ImportOutcome outcome =
        myImportOfficialBank(chosen, p.ProgramFolder, "", ports);
    if (outcome.Result == ImportResult::Failed || outcome.Result == ImportResult::Declined) return;
    showImportedBank(outcome);
    // Tools > Progress and an open progress window follow the bank now loaded.
    refreshProgress();
    myMsgBox(this, importSummary(outcome), importBoxTitle(), MbOk | MbIconInformation, 0,
             otherText(OtherButtonCaptions));
}

// The banks are found again (the imported ones may be new, and bank numbers
// may move), the history catalogue follows the new numbers, and the bank of
// the interface language is chosen in the list.
void MainWindow::showImportedBank(const ImportOutcome& outcome) {
    ProgramState& p = program_;
    ExamSession& s = p.Session;
    // The last exam's session must be in the log before it is catalogued.
    myWaitForLogging(s, p.Bank);
    BankShelf shelf;
    if (!myDiscoverBanks(shelf, p.ProgramFolder)) return;

    const BankShelf& old = p.Shelf;
    const std::string loadedName = old.LoadedBank >= 1 && old.LoadedBank <= old.BankCount
                                       ? fileNameOf(old.BankList[old.LoadedBank].FullPath)
                                       : std::string();
    const std::string wanted = fileNameOf(outcome.Paths[uiContext().InterfaceLanguage == 1 ? 1 : 0]);
    const bool rewritten = outcome.Result == ImportResult::Written;
    int imported = 0;
    for (int b = 1; b <= shelf.BankCount; ++b) {
        const std::string name = fileNameOf(shelf.BankList[b].FullPath);
        if (name == wanted) imported = b;
        // A bank whose file was just replaced must be read again.
        if (name == loadedName && !(rewritten && (name == fileNameOf(outcome.Paths[0]) ||
                                                  name == fileNameOf(outcome.Paths[1]))))
            shelf.LoadedBank = b;
    }
    shelf.SelectedBank = shelf.LoadedBank >= 1 ? shelf.LoadedBank : shelf.BankCount + 1;
    p.Shelf = shelf;

    s.Catalogue = HistoryCatalogue{};
    s.Catalogue.Titles.assign(shelf.BankTitles.begin(), shelf.BankTitles.begin() + shelf.BankCount + 1);
    std::string lastTitle;
    HistorySettings unused;
    myReadHistoryFile(s.LogFilePath, 0, 0, "", lastTitle, s.Catalogue, unused, nullptr);

    fillLists();
    if (imported == 0) return;  // beyond the eight banks the list can hold
    static_cast<QComboBox*>(control(BankList))->setCurrentIndex(imported - 1);
    chooseBank();
    showNextExam();
}
