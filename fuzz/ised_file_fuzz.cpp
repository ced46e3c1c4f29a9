// The department's delimited question file, as the import reads it; what it
// accepts must come out as two banks the program itself reads back whole.
#include <cstdlib>

#include "examsim/bank/bankreader.h"
#include "examsim/import/importedbank.h"
#include "examsim/import/isedfile.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile bank("ised-bank");
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);

    ImportedPool pool;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!myParseIsedBytes(bytes, "amat_basic_quest_delim.txt", pool)) return 0;
    pool.Edition = "2025";

    const std::array<std::string, 2> files = myComposeBankFiles(pool);
    for (const std::string& file : files) {
        bank.write(reinterpret_cast<const uint8_t*>(file.data()), file.size());
        BankModel model;
        std::string title;
        if (myReadQuestionBank(model, bank.path(), FullRead, title) != 1) std::abort();
        if (model.QuestionCount != static_cast<int>(pool.Questions.size())) std::abort();
    }
    return 0;
}
