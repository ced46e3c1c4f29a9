// Pass 0 of the history log, as start-up reads it: the catalogue of past
// sessions per bank, the last qualification and the interface settings.
#include <cstdlib>

#include "examsim/session/historylog.h"
#include "fuzz/fuzzsupport.h"
#include "toolkit/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile file("history-catalogue");

    HistoryCatalogue catalogue;
    // Titles as discovery stores them (25 characters), one of them blank.
    catalogue.Titles = {"", fixedWidth("Basic sample (English)", BankTitleWidth),
                        fixedWidth(latin1("Base - exemple (français)"), BankTitleWidth),
                        fixedWidth("", BankTitleWidth), fixedWidth("Q", BankTitleWidth)};
    HistorySettings settings;
    std::string last;
    if (myReadHistoryFile(inputFile(file, data, size), 0, 0, "", last, catalogue, settings, nullptr) != -1)
        std::abort();  // a log that exists and can be read is never a failure
    for (size_t b = 1; b < catalogue.Titles.size(); ++b) {
        const CatalogueColumn& column = catalogue.Columns[b];
        if (column.Count < 0 || column.Count > CatalogueDepth) std::abort();
        for (int k = 1; k <= column.Count; ++k)
            if (column.Position[k] < 0 || column.Position[k] >= static_cast<long long>(size))
                std::abort();
    }
    return 0;
}
