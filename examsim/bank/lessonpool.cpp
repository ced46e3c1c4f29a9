#include "examsim/bank/lessonpool.h"

#include <algorithm>

#include "examsim/bank/bankports.h"
#include "examsim/bank/banktexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

namespace {
void setMenuCheck(BankModel& model, bool checked) {
    model.LessonMenuChecked = checked;
    if (bankPorts().lessonMenuCheck) bankPorts().lessonMenuCheck(checked);
}
}  // namespace

bool inSelectedLesson(const BankModel& model, const QuestionSlot& slot) {
    return slot.LessonNo <= MaxLessons && model.Lessons[slot.LessonNo].LessonSelected != 0;
}

bool admittedByLessons(const BankModel& model, const QuestionSlot& slot) {
    return model.QuestionsPerTopic <= 0 || inSelectedLesson(model, slot);
}

bool lessonDialogMayOpen(const BankModel& model) {
    if (model.LessonCount > 0) return true;
    myErrorBox(bankMessage(MsgNoLessons));
    return false;
}

PoolFigures myPoolFigures(const BankModel& model) {
    PoolFigures pool;
    for (int l = 1; l <= model.LessonCount; ++l) {
        if (model.Lessons[l].LessonSelected == 0) continue;
        ++pool.LessonsSelected;
        pool.QuestionsAvailable += model.Lessons[l].LessonQuestionCount;
    }
    for (int t = 1; t <= model.TopicCount; ++t) {
        for (int n = 1; n <= MaxPerTopic; ++n) {
            const QuestionSlot& slot = model.Topics[t].Question[n];
            if (slot.QuestionIndex != 0 && inSelectedLesson(model, slot)) {
                ++pool.TopicsTargeted;
                break;
            }
        }
    }
    return pool;
}

std::string poolLabelText(const PoolFigures& pool) {
    return fillMask(bankCaption(CaptionPoolFigures), {pool.LessonsSelected, pool.TopicsTargeted, pool.QuestionsAvailable});
}

std::vector<std::string> sizeListTexts(const PoolFigures& pool) {
    std::vector<std::string> items;
    const std::string& topicItem = bankOtherText(OtherTopicSizeItem);
    for (int k = 1; k <= MaxPerTopic; ++k) {
        const int total = k * pool.TopicsTargeted;
        if (total > LessonExamMaximum || pool.QuestionsAvailable <= total) break;
        items.push_back(fillMask(topicItem, {pool.TopicsTargeted, k, total}));
    }
    if (pool.QuestionsAvailable <= LessonExamMaximum)
        items.push_back(fillMask("& question(s)", {pool.QuestionsAvailable}));
    return items;
}

std::string lessonRowText(const BankModel& model, int lesson, bool simplified) {
    const LessonRecord& l = model.Lessons[lesson];
    if (!simplified)
        return fillMask("\\  \\ \\" + std::string(78, ' ') + "\\", {l.LessonId, l.LessonTitle});
    std::string title = trimSpaces(l.LessonTitle) + "  Total " + std::to_string(l.LessonQuestionCount) + " Questions.";
    return fillMask("\\  \\ \\" + std::string(103, ' ') + "\\", {l.LessonId, title});
}

std::string lessonCountText(const BankModel& model, int lesson) {
    std::string count = std::to_string(model.Lessons[lesson].LessonQuestionCount);
    if (count.size() == 1) count = " " + count;
    return fillMask("(\\ \\ Questions)", {count});
}

void myToggleLesson(BankModel& model, int position, bool ticked) {
    if (position < 1 || position > model.LessonCount) return;
    model.Lessons[model.LessonIndex[position]].LessonSelected = ticked ? 1 : 0;
    model.LessonChoice[position] = ticked ? 1 : 0;
}

LessonOutcome myUseLessonSelection(BankModel& model, const std::vector<std::string>& items,
                                   const std::string& currentText) {
    LessonOutcome outcome;
    int position = 0;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == currentText) {
            position = static_cast<int>(i) + 1;
            break;
        }
    model.LessonChoice[0] = static_cast<char>(position);

    long long perTopic = 0;
    if (currentText.find('=') == std::string::npos) {
        if (leadingNumber(trimSpaces(replaceAll(currentText, "question(s)", ""))) == 0) {
            myErrorBox(bankMessage(MsgChooseLessons));
            return outcome;
        }
        perTopic = MaxPerTopic;  // the whole pool: every question of each topic
    } else {
        size_t open = currentText.find('(');
        size_t next = open == std::string::npos ? std::string::npos : currentText.find('(', open + 1);
        std::string between = open == std::string::npos ? std::string() : currentText.substr(open + 1, next - open - 1);
        std::string digits;
        for (char c : between)
            if (c >= '0' && c <= '9') digits += c;
        perTopic = leadingNumber(digits);
    }
    model.QuestionsPerTopic = static_cast<int32_t>(perTopic);
    setMenuCheck(model, true);
    // The dialog's choice is the candidate's own exam, never a drill.
    if (model.DrillSize > 0) {
        model.DrillSize = 0;
        outcome.postReset = true;
    }
    if (model.LessonChoice != model.LessonChoiceInForce) {
        model.LessonChoiceInForce = model.LessonChoice;
        outcome.postReset = true;
    }
    outcome.closeDialog = true;
    return outcome;
}

LessonOutcome myCancelLessonSelection(BankModel& model) {
    LessonOutcome outcome;
    outcome.postReset = model.QuestionsPerTopic > 0;
    model.QuestionsPerTopic = 0;
    model.DrillSize = 0;
    for (int l = 1; l <= MaxLessons; ++l) model.Lessons[l].LessonSelected = 0;
    model.LessonChoice.assign(LessonChoiceWidth, '\0');
    model.LessonChoiceInForce.assign(LessonChoiceWidth, '\0');
    setMenuCheck(model, false);
    outcome.closeDialog = true;
    return outcome;
}

bool myRestrictToLessons(BankModel& model, const std::vector<int>& lessons, LessonOutcome& outcome) {
    std::vector<int> positions;
    for (int i = 1; i <= model.LessonCount; ++i)
        if (std::find(lessons.begin(), lessons.end(), model.LessonIndex[i]) != lessons.end())
            positions.push_back(i);
    if (positions.empty()) return false;
    for (int i = 1; i <= model.LessonCount; ++i)
        myToggleLesson(model, i, std::find(positions.begin(), positions.end(), i) != positions.end());
    // The dialog selects the last size it offers; so does this.
    const std::vector<std::string> items = sizeListTexts(myPoolFigures(model));
    outcome = myUseLessonSelection(model, items, items.empty() ? std::string() : items.back());
    return outcome.closeDialog;
}

bool myStartDrill(BankModel& model, const std::vector<int>& lessons, LessonOutcome& outcome) {
    // As the dialog's choice (which ends any drill in force, an exam drawn
    // for it with it), then a drill of that choice.
    if (!myRestrictToLessons(model, lessons, outcome)) return false;
    model.DrillSize = DrillQuestions;
    return true;
}

LessonOutcome myBackToFullExam(BankModel& model) { return myCancelLessonSelection(model); }
