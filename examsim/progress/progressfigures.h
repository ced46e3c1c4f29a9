// Study progress read from the history log: the marks of every session of a
// bank, every attempt at each of its questions, success per lesson and per
// topic, and the chance of passing an exam drawn now. Plain structs, no
// window: the progress window and the bank tool show the same figures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/progress/passmodel.h"

inline constexpr size_t NextLessonsShown = 3;  // a next step short enough to take

struct SessionFigure {
    std::string Date;      // the session stamp as logged
    std::string MarkText;  // the mark as logged, "83.3%"
    double Mark = -1;      // per cent; -1 when the log holds no mark
    int Questions = 0;
    int MarkingMode = 0;
    // One question per topic of the whole bank; a lesson drill or a smaller
    // exam is partial, and its mark says nothing of the whole exam.
    bool Full = false;
};

// A lesson or a topic.
struct GroupFigure {
    std::string Id;     // lesson id or topic key, trimmed
    std::string Title;  // lesson title, trimmed; empty for a topic
    int Questions = 0;  // in the bank
    int Seen = 0;       // answered at least once
    int Attempts = 0;
    int Correct = 0;
    double Chance = 0;  // mean chance of a right answer now over the group's questions
    double Gain = 0;    // a lesson's: the chances' rise per question studied (PassModel::LessonGain)
    int Number = 0;     // a lesson's place in the bank, 1..LessonCount; 0 for a topic
    bool hasRate() const { return Attempts > 0; }
    double rate() const { return Attempts > 0 ? double(Correct) / Attempts : 0.0; }
};

struct ProgressFigures {
    std::string Title;  // the bank's title, trimmed
    int PassMarkPercent = DefaultPassMarkPercent;
    std::vector<SessionFigure> Sessions;                // log order
    std::vector<std::vector<QuestionAttempt>> Attempts;  // per question 1..QuestionCount, log order
    std::vector<GroupFigure> Lessons;                   // weakest first
    std::vector<GroupFigure> Topics;                    // weakest first
    int FullExamQuestions = 0;     // topics an exam draws from: a full exam's size
    // What to study next: the lessons whose study would raise the chances
    // most per question, most first, at most NextLessonsShown.
    std::vector<GroupFigure> NextLessons;
    int TopicsNeeded = 0;          // right topics for the pass mark
    double PassChance = 0;         // PassModel::Pass.Point
    bool HonoursShown = false;     // the pass mark is below 80 %
    int HonoursTopicsNeeded = 0;
    double HonoursChance = 0;
    PassModel Model;               // the chances with their ranges
};

// Sessions and attempts of the bank from the whole log: every session whose
// title is the bank's (the history pass's exact comparison), not only the
// last hundred the question selection uses. Returns -1 on success (also
// when the log does not exist: no session) and 0 after reporting a read
// failure through the error box, as the history reader does.
int myReadProgress(const std::filesystem::path& logPath, const BankModel& bank, ProgressFigures& figures);

// Lessons, topics, chances (myPassModel), which sessions were full exams
// and the next lessons to study, from the sessions and attempts in figures.
void myComputeProgress(const BankModel& bank, ProgressFigures& figures);

// "12.3%": a chance or a rate as a percentage with one decimal, rounded
// half to even.
std::string myPercentText(double fraction);
