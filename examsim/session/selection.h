// Drawing an exam from the bank: topic by topic, each question picked at
// random from the best group that the criterion and its history allow.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"

// The exam's random generator. A given seed always draws the same exam,
// so it must stay exactly this linear congruential sequence.
struct ExamRandom {
    uint32_t State = 0;

    // State from the bit pattern of the time of day in seconds as a float.
    void seed(float secondsOfDay);
    // Next fraction in [0, 1).
    double next();
    // A position from 1 to count.
    int position(int count) { return static_cast<int>(next() * count) + 1; }
};

// Seconds of the day (milliseconds since midnight / 1000) as the seed wants them.
float seedSeconds(int hour, int minute, int second, int millisecond);

// Group (1..6, 0 never) of each question class 1..6 under criterion 1..5.
using ClassGroups = std::array<int, 7>;
ClassGroups classGroupsOf(int criterion);

// Class 1..6 of a question slot: new, missed or known, plus one once drawn.
int questionClass(const QuestionSlot& slot, int32_t passMarkPercent);

// Whether the next exam drawn is a practice drill of the lessons in force.
bool drillInForce(const BankModel& bank);

// Builds the exam of at most `maximum` questions; returns -1. A practice
// drill takes its questions from every topic of its lessons in turn, the
// questions missed and never met first.
int mySelectQuestions(ExamRecord& exam, BankModel& bank, ExamRandom& random, int maximum);
// Draws up to perTopic questions from one topic; returns how many.
int myPickFromTopic(ExamRecord& exam, BankModel& bank, ExamRandom& random, const ClassGroups& groups,
                    int topic, int perTopic, int maximum);

// Questions asked of an exam drawn now: the bank's expected count, or the
// most an exam can hold while a lesson restriction is in force.
int myExamLength(const BankModel& bank);
// The most questions that exam can get: per topic one (or the restriction's
// count of the selected lessons' questions), within myExamLength. The
// criterion may leave it fewer.
int myExamSizeAtMost(const BankModel& bank);
// Where the next exam stands, in the interface language: the whole bank or
// the lessons it is limited to, and its size at most; empty without a bank.
std::string myNextExamText(const BankModel& bank);

// Exchange sort of TopicOrder (kind 'T', by TopicKey) or LessonIndex (kind 'L',
// by LessonId), entries 1..count, ascending character codes.
void mySortList(std::vector<int32_t>& list, int count, char kind, const BankModel& bank);
