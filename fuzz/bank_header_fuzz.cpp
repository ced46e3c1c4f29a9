// The header pass start-up makes over every bank in the folder: whatever the
// file holds, it must not crash, and it must leave the model untouched.
#include <cstdlib>

#include "examsim/bank/bankreader.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile file("bank-header");
    static BankModel model;  // never changed by a header pass, so one will do

    std::string title;
    myReadQuestionBank(model, inputFile(file, data, size), HeaderPass, title);
    if (model.QuestionCount != 0 || model.TopicCount != 0 || model.LessonCount != 0) std::abort();
    return 0;
}
