// The one exam the simulator runs at a time: which bank questions make it
// up, the answers given, their marks, the stage, and the user's marking and
// navigation choices.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int MaxExamSize = 125;  // width of GivenAnswers and MarkResults

enum ExamStageValue : int32_t {
    StageNoExam = 0,
    StageOver = 4,          // review after the session was logged
    StageDrawn = 8,         // drawn, no answer yet
    StageAnswering = 16,
    StageAllAnswered = 32,  // waiting for the Mark button
    StageMarkedAsWent = 64,
    StageMarked = 65,       // marked with the Mark button
};

enum MarkingModeValue : int32_t { MarkAsYouGo = 1, MarkAtTheEnd = 2, MarkByExaminer = 3 };

// Values kept so that a language switch can show the same figures again.
struct FigureValues {
    int32_t Unanswered = -32768;  // -32768: reset
    int16_t MarkValue = -32768;   // hundredths of a per cent; -32768: no mark
    int32_t PositionField = 1;    // 1 "pending", 2 answered
    int32_t Position = -32768;
    int32_t Size = -32768;
    int32_t StatusVariant = 1;    // 1..4 of the status sentence
};

struct ExamRecord {
    std::array<int16_t, MaxExamSize + 1> ExamOrder{};  // positions 1..125: QuestionIndex
    int32_t ExamSize = 0;
    // Character p-1 belongs to exam position p.
    // GivenAnswers: "0" none, "1".."4", "5" "Don't know".
    std::string GivenAnswers = std::string(MaxExamSize, ' ');
    // MarkResults: "0" unanswered, "-" waiting, "1" correct, "2" incorrect, "3" "Don't know".
    std::string MarkResults = std::string(MaxExamSize, ' ');
    int32_t CurrentQuestion = 0;
    int32_t ExamStage = StageNoExam;
    int32_t MarkingMode = MarkAsYouGo;
    int32_t SelectionCriterion = 1;
    bool SeekEnabled = false;
    bool ManualAdvanceAfterIncorrect = true;
    bool ManualAdvance = false;
    // A language switch loads the bank of the same questions in that
    // language without asking (the candidate said so once).
    bool BankFollowsLanguage = false;
    bool AudibleClues = false;
    // 0 unanswered, 1 correct, 2 incorrect, 3 "Don't know" given.
    std::array<int32_t, 4> ProgressCounts{};
    // Far enough in the past that the very first click always counts.
    int64_t LastAnswerTime = INT64_MIN / 2;
    int32_t ExamStartSeconds = 0;
    std::string MissedReportName;
    std::string SessionStamp;
    std::string MarkText;

    bool MarkArmed = false;                // the Mark button works only when armed
    bool AdvancePending = false;           // the program is about to click NEXT
    std::array<bool, 5> AnswerChecked{};  // check boxes of the simplified layout as shown
    bool LessonMenuWasEnabled = true;      // restored at the end of the exam
    bool Drill = false;                    // drawn as a practice drill, not an exam
    FigureValues Figures;

    char given(int position) const { return GivenAnswers[position - 1]; }
    char result(int position) const { return MarkResults[position - 1]; }
};
