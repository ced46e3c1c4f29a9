#include "examsim/ui/importcommand.h"

#include <QAction>
#include <QStandardPaths>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/import/poolimport.h"
#include "examsim/session/historylog.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/filedialogs.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

// From the draw of an exam to its marking the bank must stay as it is, as
// the bank list does from the first answer.
bool examUnderWay(int stage) { return stage >= StageDrawn && stage <= StageAllAnswered; }

std::string fileNameOf(const std::filesystem::path& path) { return pathBytes(path.filename()); }

}  // namespace

ImportCommand::ImportCommand(QWidget* window, QAction* item, ExamSession& session, BankModel& bank,
                             BankShelf& shelf, const std::filesystem::path& programFolder,
                             std::function<void()> refillLists, std::function<void(int)> chooseBank,
                             std::function<void()> progressChanged)
    : QObject(window), window_(window), item_(item), session_(session), bank_(bank), shelf_(shelf),
      programFolder_(programFolder), refillLists_(std::move(refillLists)), chooseBank_(std::move(chooseBank)),
      progressChanged_(std::move(progressChanged)) {}

void ImportCommand::syncItem() {
    if (item_) item_->setEnabled(!examUnderWay(session_.Exam.ExamStage));
}

void ImportCommand::run() {
    if (examUnderWay(session_.Exam.ExamStage)) return;
    // Where a browser puts what it downloads.
    const std::filesystem::path downloads = fromQPath(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    std::filesystem::path chosen;
    unsigned flags = OfnFileMustExist | OfnHideReadOnly | OfnExplorer;
    if (!myOpenFileDialog(window_, otherText(OtherImportDialogTitle), chosen, downloads, otherText(OtherImportFilter),
                          "zip", flags))
        return;

    ImportPorts ports;
    ports.askReplace = [this](const std::string& title, const std::string& text) {
        return myMsgBox(window_, text, title, MbYesNo | MbIconQuestion | MbDefButton2, 0,
                        otherText(OtherButtonCaptions)) == IdYes;
    };
    // No wait cursor: the import takes a blink, and its question and error
    // boxes must not come up under a busy cursor.
    const ImportOutcome outcome =
        myImportOfficialBank(chosen, programFolder_, "", ports);
    if (outcome.Result == ImportResult::Failed || outcome.Result == ImportResult::Declined) return;
    showImportedBank(outcome);
    // Tools > Progress and an open progress window follow the bank now loaded.
    progressChanged_();
    myMsgBox(window_, importSummary(outcome), importBoxTitle(), MbOk | MbIconInformation, 0,
             otherText(OtherButtonCaptions));
}

// The banks are found again (the imported ones may be new, and bank numbers
// may move), the history catalogue follows the new numbers, and the bank of
// the interface language is chosen in the list.
void ImportCommand::showImportedBank(const ImportOutcome& outcome) {
    ExamSession& s = session_;
    // The last exam's session must be in the log before it is catalogued.
    myWaitForLogging(s, bank_);
    BankShelf shelf;
    if (!myDiscoverBanks(shelf, programFolder_)) return;

    const BankShelf& old = shelf_;
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
    shelf_ = shelf;

    s.Catalogue = HistoryCatalogue{};
    s.Catalogue.Titles.assign(shelf.BankTitles.begin(), shelf.BankTitles.begin() + shelf.BankCount + 1);
    std::string lastTitle;
    HistorySettings unused;
    myReadHistoryFile(s.LogFilePath, 0, 0, "", lastTitle, s.Catalogue, unused, nullptr);

    refillLists_();
    if (imported == 0) return;  // beyond the eight banks the list can hold
    chooseBank_(imported);
}
