// A full read of a bank, then the texts the window shows from the model:
// the statistics and the list of missing explanations.
#include <cstdlib>

#include "examsim/bank/bankreader.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile file("bank-read");

    BankModel model;
    std::string title;
    const std::string& path = inputFile(file, data, size);
    if (myReadQuestionBank(model, path, FullRead, title) != 1) return 0;

    // What a successful read promises the rest of the program.
    if (model.QuestionCount < 0 || model.QuestionCount > MaxQuestions) std::abort();
    if (model.TopicCount < 0 || model.TopicCount > MaxTopics) std::abort();
    if (model.LessonCount < 0 || model.LessonCount > MaxLessons) std::abort();
    for (int q = 1; q <= model.QuestionCount; ++q) {
        int32_t ref = model.QuestionRef[q];
        if (refTopic(ref) < 1 || refTopic(ref) > model.TopicCount) std::abort();
        if (refSlot(ref) < 1 || refSlot(ref) > MaxPerTopic) std::abort();
        if (slotOf(model, q).QuestionIndex != q) std::abort();
    }
    bankStatisticsText(model, path, size & 2);
    missingExplanationsText(model);
    return 0;
}
