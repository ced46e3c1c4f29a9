// The question bank held in memory: per-question tables, topics with their
// question slots, lessons, and the settings a bank header may change.
// Every table is allocated once with its full capacity and never grows;
// index 0 of each table exists but is never a real entry.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int MaxQuestions = 1050;
inline constexpr int MaxTopics = 100;
inline constexpr int MaxPerTopic = 15;
inline constexpr int AnswersPerQuestion = 4;
inline constexpr int MaxLessons = 20;
inline constexpr int AnswerLabelCount = 5;  // entries 1..5 of AnswerLabels
inline constexpr int MaxBanks = 8;

inline constexpr size_t DesignationWidth = 13;
inline constexpr size_t TopicKeyWidth = 9;
inline constexpr size_t NbrWithinTopicWidth = 3;
inline constexpr size_t LessonIdWidth = 4;
inline constexpr size_t LessonTitleWidth = 80;
inline constexpr size_t BankTitleWidth = 25;
inline constexpr size_t BankLabelWidth = 32;
inline constexpr size_t BankPathWidth = 256;
inline constexpr size_t LessonChoiceWidth = 21;  // byte 0 size item, bytes 1..20 check boxes

inline constexpr int DefaultQuestionsExpected = 100;
inline constexpr int DefaultPassMarkPercent = 70;
inline constexpr int HonoursPercent = 80;  // a pass "with Honours"

// One possible number within a topic (slot n holds question number n).
struct QuestionSlot {
    std::string NbrWithinTopic = std::string(NbrWithinTopicWidth, ' ');
    int16_t QuestionIndex = 0;  // 0: the slot is free
    uint8_t LessonNo = 0;       // lesson in force when the question was read
    std::string Picked = " ";   // "Y" once an exam of this run drew it
    std::array<int16_t, 2> Stats{};  // history: (0) wrong, (1) right
};

struct TopicRecord {
    std::string TopicKey = std::string(TopicKeyWidth, ' ');  // all spaces: free record
    int16_t Count = 0;
    std::array<QuestionSlot, MaxPerTopic + 1> Question{};  // slots 1..15
};

struct LessonRecord {
    std::string LessonId = std::string(LessonIdWidth, ' ');
    std::string LessonTitle = std::string(LessonTitleWidth, ' ');
    int16_t LessonQuestionCount = 0;
    std::array<int16_t, 2> LessonTally{};  // current exam: (0) incorrect, (1) correct
    uint8_t LessonSelected = 0;
};

struct AnswerLabel {
    std::string AnswerPrefix;  // opens an answer record, "1." or "A)"
    std::string AnswerLetter;  // one character, "1" or "A"
};

struct ReadStat {
    int32_t Count = 0;
    std::string LongestAt = std::string(DesignationWidth, ' ');
    int32_t LongestSize = 0;
};

struct BankModel {
    BankModel();

    // Per-question tables, 0..MaxQuestions, indexed in reading order.
    std::vector<std::string> Designation;     // fixed 13
    std::vector<std::string> ExpectedAnswer;  // "1".."4"
    std::vector<std::string> QuestionText;
    std::vector<std::array<std::string, AnswersPerQuestion + 1>> Answers;  // 1..4, label kept
    std::vector<std::string> Explanation;
    std::vector<int32_t> QuestionRef;  // topic * 16 + number within topic

    std::vector<TopicRecord> Topics;  // 0..MaxTopics
    std::vector<int32_t> TopicOrder;  // 0..MaxTopics
    std::vector<LessonRecord> Lessons;  // 0..MaxLessons; entry 0 counts questions before any lesson
    std::vector<int32_t> LessonIndex;   // 0..MaxLessons

    int32_t QuestionCount = 0;
    int32_t TopicCount = 0;
    int32_t LessonCount = 0;

    std::string CurrentBankTitle;
    int32_t QuestionsExpected = DefaultQuestionsExpected;
    int32_t PassMarkPercent = DefaultPassMarkPercent;

    std::array<ReadStat, 3> ReadStats{};  // (0) questions, (1) answers, (2) explanations
    std::array<AnswerLabel, AnswerLabelCount + 1> AnswerLabels{};

    // Lesson restriction chosen in the lesson dialog; a full read clears it.
    int32_t QuestionsPerTopic = 0;  // 0: no restriction, else 1..15
    std::string LessonChoice = std::string(LessonChoiceWidth, '\0');
    std::string LessonChoiceInForce = std::string(LessonChoiceWidth, '\0');
    bool LessonMenuChecked = false;  // check mark of "Selection, &Lessons..."
    // A practice drill of at most this many questions of the lessons in
    // force ("Practise these lessons"); 0 for the dialog's own restriction.
    int32_t DrillSize = 0;
};

// Topic index and slot number of a question, from its QuestionRef.
inline int32_t refTopic(int32_t questionRef) { return questionRef / 16; }
inline int32_t refSlot(int32_t questionRef) { return questionRef % 16; }

// The slot of question q (1..QuestionCount) in its topic.
inline QuestionSlot& slotOf(BankModel& model, int q) {
    int32_t ref = model.QuestionRef[q];
    return model.Topics[refTopic(ref)].Question[refSlot(ref)];
}
inline const QuestionSlot& slotOf(const BankModel& model, int q) {
    int32_t ref = model.QuestionRef[q];
    return model.Topics[refTopic(ref)].Question[refSlot(ref)];
}

// Entries 1..count of the label table rebuilt from a pattern such as "A)".
void mySetAnswerLabels(const std::string& pattern, std::array<AnswerLabel, AnswerLabelCount + 1>& labels,
                       int count);
// "1." .. "5." and "1" .. "5"; entry 0 "0" / "0".
void resetAnswerLabels(BankModel& model);

// What a full read clears first: the title, counts, topics, lessons, read
// statistics, lesson selections and the lesson restriction. Per-question
// tables keep stale entries above QuestionCount; the expected number of
// questions and the pass mark stay in force.
void clearBankModel(BankModel& model);

// The banks found in the program's folder.
struct BankEntry {
    std::string Label;     // fixed 32
    std::filesystem::path FullPath;  // fixed at 256 characters (MAX_PATH) on Windows; kept whole here
};

// True when a bank title written whole (the history log keeps it so) names a
// title as discovery stores it, cut to BankTitleWidth: the same characters
// over that width, spaces at both ends left out. A title is never matched by
// one it merely begins with ("Basic" is not "Basic 2025"), and the empty
// title names only a bank without one.
bool mySameBankTitle(std::string_view recorded, std::string_view storedTitle);

struct BankShelf {
    BankShelf();
    std::vector<BankEntry> BankList;     // 1..MaxBanks
    std::vector<std::string> BankTitles;  // 1..MaxBanks, fixed 25
    int32_t BankCount = 0;
    int32_t SelectedBank = 0;  // 0 or BankCount + 1: none
    int32_t LoadedBank = 0;    // 0: none
};
