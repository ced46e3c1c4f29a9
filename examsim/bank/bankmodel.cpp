#include "examsim/bank/bankmodel.h"

#include "toolkit/text.h"

BankModel::BankModel()
    : Designation(MaxQuestions + 1, std::string(DesignationWidth, ' ')),
      ExpectedAnswer(MaxQuestions + 1, " "),
      QuestionText(MaxQuestions + 1),
      Answers(MaxQuestions + 1),
      Explanation(MaxQuestions + 1),
      QuestionRef(MaxQuestions + 1, 0),
      Topics(MaxTopics + 1),
      TopicOrder(MaxTopics + 1, 0),
      Lessons(MaxLessons + 1),
      LessonIndex(MaxLessons + 1, 0) {
    resetAnswerLabels(*this);
}

void resetAnswerLabels(BankModel& model) {
    model.AnswerLabels[0] = {"0", "0"};
    for (int i = 1; i <= AnswerLabelCount; ++i) {
        std::string digit(1, static_cast<char>('0' + i));
        model.AnswerLabels[i] = {digit + ".", digit};
    }
}

void mySetAnswerLabels(const std::string& pattern, std::array<AnswerLabel, AnswerLabelCount + 1>& labels,
                       int count) {
    std::string shape = pattern;
    size_t position = std::string::npos;
    for (size_t i = shape.size(); i-- > 0;) {
        unsigned char c = static_cast<unsigned char>(shape[i]);
        if ((c >= '0' && c <= '5') || (c >= 'A' && c <= 'V') || (c >= 'a' && c <= 'v')) {
            position = i;
            break;
        }
    }
    if (position == std::string::npos) {
        shape = "1.";
        position = 0;
    }
    const unsigned char first = static_cast<unsigned char>(shape[position]);
    for (int i = 1; i <= count && i <= AnswerLabelCount; ++i) {
        char letter = static_cast<char>(first + i - 1);
        labels[i].AnswerLetter = std::string(1, letter);
        labels[i].AnswerPrefix = shape;
        labels[i].AnswerPrefix[position] = letter;
    }
}

void clearBankModel(BankModel& model) {
    // The title is the file's own: a bank without header record has none,
    // and must not have its sessions filed under the bank read before it.
    model.CurrentBankTitle.clear();
    model.QuestionCount = 0;
    model.TopicCount = 0;
    model.LessonCount = 0;
    // Reset in place rather than from fresh records: the strings keep their
    // buffers, and each full read clears some two thousand of them.
    for (auto& topic : model.Topics) {
        topic.TopicKey.assign(TopicKeyWidth, ' ');
        topic.Count = 0;
        for (auto& slot : topic.Question) {
            slot.NbrWithinTopic.assign(NbrWithinTopicWidth, ' ');
            slot.QuestionIndex = 0;
            slot.LessonNo = 0;
            slot.Picked.assign(1, ' ');
            slot.Stats = {};
        }
    }
    for (auto& order : model.TopicOrder) order = 0;
    for (auto& lesson : model.Lessons) {
        lesson.LessonId.assign(LessonIdWidth, ' ');
        lesson.LessonTitle.assign(LessonTitleWidth, ' ');
        lesson.LessonQuestionCount = 0;
        lesson.LessonTally = {};
        lesson.LessonSelected = 0;
    }
    for (auto& index : model.LessonIndex) index = 0;
    model.ReadStats = {};
    model.QuestionsPerTopic = 0;
    model.LessonChoice.assign(LessonChoiceWidth, '\0');
    model.LessonChoiceInForce.assign(LessonChoiceWidth, '\0');
    model.LessonMenuChecked = false;
    model.DrillSize = 0;
}

BankShelf::BankShelf() : BankList(MaxBanks + 1), BankTitles(MaxBanks + 1, std::string(BankTitleWidth, ' ')) {}

bool mySameBankTitle(std::string_view recorded, std::string_view storedTitle) {
    return trimSpacesView(trimSpacesView(recorded).substr(0, BankTitleWidth)) ==
           trimSpacesView(storedTitle.substr(0, BankTitleWidth));
}
