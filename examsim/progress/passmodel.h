// The chance of passing an exam drawn now (one question of each topic, at
// random), estimated from what the history log shows of the candidate:
//   - a question never met counts for the candidate's level on questions met
//     for the first time, per lesson, drawn toward the whole level where the
//     lesson has few such answers; the whole level is read from full exams
//     only when there are some, so that a drill of weak lessons does not
//     drag it down;
//   - a question met before counts for how often this candidate gets a
//     question right after missing it or after getting it right, as their
//     own re-attempts show;
//   - every answer counts with a weight that halves every RecencyHalfLife
//     sessions back, so that what the candidate knows now counts most; the
//     level's growth from session to session and the re-attempt rates' own
//     are fitted and taken off older answers;
//   - the level is uncertain (a normal posterior in log-odds, the re-attempt
//     rates' uncertainty added by their share of the exam): the chance is
//     integrated over it by quadrature, and its 10th and 90th percentiles
//     make the range shown.
// The probability of enough right topics is exact, by dynamic programming
// over the topics. Plain code, no window.
#pragma once

#include <cstdint>
#include <vector>

#include "examsim/bank/bankmodel.h"

inline constexpr int FewestAnswersForRange = 50;  // below: "too few answers yet"
inline constexpr double RecencyHalfLife = 6.0;   // sessions

// One answer given to a question, judged against the expected answer the
// log recorded with it ("Don't know", 5, never matches), and the session
// (0.., log order of the bank's sessions) it was given in.
struct QuestionAttempt {
    uint8_t Expected = 0;
    uint8_t Given = 0;
    uint32_t Session = 0;
    bool correct() const { return Given == Expected; }
};

// A chance with its range over the level's uncertainty.
struct ChanceRange {
    double Point = 0;  // integrated over the level's posterior
    double Low = 0;    // at the level's 10th percentile
    double High = 0;   // at its 90th
};

struct PassModel {
    int Answers = 0;         // answers of the bank in the log
    bool TooFew = true;      // fewer than FewestAnswersForRange: no range shown
    double Level = 0.5;      // right on questions met for the first time, the whole level
    ChanceRange Pass;
    ChanceRange Honours;     // 80 %; zero when not asked for
    // Per question 1..QuestionCount: the chance of a right answer now.
    std::vector<double> QuestionChance;
    // Per lesson number 1..LessonCount: how much the chance of passing (and
    // of honours) would rise per question of the lesson studied until it is
    // answered as the candidate answers a question they got right last time.
    std::vector<double> LessonGain;
};

// Probabilities of 0..n successes among independent trials with the given
// chances, by dynamic programming over the trials.
std::vector<double> mySuccessDistribution(const std::vector<double>& chances);
// Probability of at least k successes (1 for k <= 0, 0 for k > n).
double myChanceOfAtLeast(const std::vector<double>& chances, int k);
// Smallest k with k / topics >= percent / 100.
int myTopicsNeeded(int topics, int percent);

// The model from every attempt at each question (1..QuestionCount, log
// order) and which of the sessions (0..) were full exams. honours: also
// the chance of 80 % or more.
PassModel myPassModel(const BankModel& bank, const std::vector<std::vector<QuestionAttempt>>& attempts,
                      const std::vector<bool>& fullSessions, int passPercent, bool honours);

// The chance of passing with known chances per question (1..QuestionCount),
// one question drawn per topic at random: exact.
double myExactChance(const BankModel& bank, const std::vector<double>& questionChance, int percent);
