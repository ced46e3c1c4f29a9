// Pass 1 of the history log the way the window runs it after opening a bank:
// pass 0 catalogues the sessions, then the bank's history is read from the
// oldest of them into the counters of the sample bank.
#include <cstdlib>

#include "examsim/bank/bankreader.h"
#include "examsim/session/historylog.h"
#include "fuzz/fuzzsupport.h"
#include "toolkit/text.h"

#ifndef SAMPLES_DIR
#error "SAMPLES_DIR must name the folder of the sample banks"
#endif

namespace {

BankModel& sampleBank() {
    static BankModel* model = [] {
        auto* m = new BankModel;
        std::string title;
        if (myReadQuestionBank(*m, SAMPLES_DIR "/Questions_Basic-English.txt", FullRead, title) != 1)
            std::abort();
        return m;
    }();
    return *model;
}

void clearStats(BankModel& bank) {
    for (int q = 1; q <= bank.QuestionCount; ++q) slotOf(bank, q).Stats = {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile file("history-bank");
    BankModel& bank = sampleBank();

    HistoryCatalogue catalogue;
    catalogue.Titles = {"", fixedWidth(bank.CurrentBankTitle, BankTitleWidth),
                        fixedWidth("Basic", BankTitleWidth)};
    HistorySettings settings;
    std::string last;
    const std::string& path = inputFile(file, data, size);
    if (myReadHistoryFile(path, 0, 0, "", last, catalogue, settings, nullptr) != -1) std::abort();

    clearStats(bank);
    for (int b = 1; b <= 2; ++b)
        if (myReadBankHistory(path, catalogue, b, bank) != -1) std::abort();

    // Each answered entry adds one; a line holds 25 entries.
    long long total = 0;
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const auto& stats = slotOf(bank, q).Stats;
        if (stats[0] < 0 || stats[1] < 0) std::abort();
        total += stats[0] + stats[1];
    }
    if (total > 2 * static_cast<long long>(size / LogEntryWidth)) std::abort();
    return 0;
}
