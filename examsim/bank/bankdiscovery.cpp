#include "examsim/bank/bankdiscovery.h"

#include "examsim/bank/bankports.h"
#include "examsim/bank/bankreader.h"
#include "examsim/bank/banktexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/text.h"

bool myDiscoverBanks(BankShelf& shelf, const std::filesystem::path& programFolder) {
    std::vector<BankEntry> found;
    int32_t limit = MaxBanks;
    shelf.BankCount = myFindFiles(programFolder, BankFilePattern, found, limit);
    for (int b = 1; b <= shelf.BankCount; ++b) {
        shelf.BankList[b].Label = fixedWidth(found[b - 1].Label, BankLabelWidth);
        shelf.BankList[b].FullPath = found[b - 1].FullPath;
    }
    for (int b = 1; b <= shelf.BankCount; ++b) {
        BankModel unused;
        std::string title;
        if (!myReadQuestionBank(unused, shelf.BankList[b].FullPath, HeaderPass, title)) return false;
        shelf.BankTitles[b] = fixedWidth(title, BankTitleWidth);
    }
    return shelf.BankCount > 0;
}

// Shown before the window exists, so in French-first form whatever the
// interface language.
std::string noBankMessage() { return bankMessageIn(MsgNoBank, 1); }

int32_t myChooseBankShownFirst(BankShelf& shelf, const std::string& lastTitle) {
    shelf.SelectedBank = 0;
    if (!trimSpaces(lastTitle).empty()) {
        for (int b = 1; b <= shelf.BankCount && shelf.SelectedBank == 0; ++b)
            if (mySameBankTitle(lastTitle, shelf.BankTitles[b])) shelf.SelectedBank = b;
    }
    if (shelf.SelectedBank == 0 && shelf.BankCount == 1) shelf.SelectedBank = 1;
    if (shelf.SelectedBank == 0) shelf.SelectedBank = shelf.BankCount + 1;
    return shelf.SelectedBank;
}

std::vector<std::string> bankListItems(const BankShelf& shelf) {
    std::vector<std::string> items;
    for (int b = 1; b <= shelf.BankCount; ++b) items.push_back(shelf.BankList[b].Label);
    if (shelf.SelectedBank < 1 || shelf.SelectedBank > shelf.BankCount)
        items.push_back(bankCaption(CaptionBankPrompt));
    return items;
}

BankChoice myChooseBank(BankModel& model, BankShelf& shelf, const std::string& listText) {
    const std::string chosen = trimSpaces(listText);
    for (int b = 1; b <= shelf.BankCount; ++b) {
        if (trimSpaces(shelf.BankList[b].Label) == chosen) {
            shelf.SelectedBank = b;
            break;
        }
    }
    if (shelf.SelectedBank < 1 || shelf.SelectedBank > shelf.BankCount) {
        myErrorBox(bankMessage(MsgSelectBankFirst));
        return BankChoice::NoBankYet;
    }
    if (shelf.SelectedBank == shelf.LoadedBank) return BankChoice::AlreadyLoaded;
    // A bank that fails half-way must not replace the one loaded: LoadedBank
    // keeps naming it, so its exam and history must stay the ones in the model.
    BankModel fresh;
    fresh.QuestionsExpected = model.QuestionsExpected;
    fresh.PassMarkPercent = model.PassMarkPercent;
    std::string unused;
    if (!myReadQuestionBank(fresh, shelf.BankList[shelf.SelectedBank].FullPath, FullRead, unused)) {
        if (bankPorts().lessonMenuCheck) bankPorts().lessonMenuCheck(model.LessonMenuChecked);
        return BankChoice::ReadFailed;
    }
    model = std::move(fresh);
    shelf.LoadedBank = shelf.SelectedBank;
    return BankChoice::Loaded;
}
