// Score and progress figures: counts, the cumulative mark, its value kept
// for a language switch, and the status sentence of the simplified layout.
#pragma once

#include <cstdint>
#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"
#include "examsim/session/examview.h"

// correct / (incorrect + correct + "Don't know") in single precision; 0
// when nothing counts yet (the display keeps its reset texts then).
float myMarkRatio(int32_t correct, int32_t incorrect, int32_t dontKnow);
// "80%" when the percentage is whole, else one decimal as "83.3%".
std::string myFormatMark(float ratio);
// The mark in hundredths of a per cent, from the ratio rounded to 3 decimals.
int16_t myMarkValue(float ratio);
// The mark again from a kept value; "nnn.n%" for -32768.
std::string myMarkFromValue(int16_t value);

// Whether the mark of the exam's counts reaches the pass mark, and 80 %
// with Honours where the pass mark is below it; empty when nothing counts.
std::string myPassMarkLine(const ExamRecord& exam, int passMarkPercent);

// A practice drill's end: the score of each lesson of the exam (the
// tallies in the bank), no pass mark;
// empty when nothing counts.
std::string myDrillScoreLine(const BankModel& bank);

// Counts of the current exam into ProgressCounts, MarkText and the kept
// unanswered count (the mark value is kept when it is shown).
void myRecomputeFigures(ExamRecord& exam);
void myResetFigures(ExamRecord& exam);

// The status sentence for the current question, in the interface language.
// markText receives the mark it shows.
std::string myStatusText(const ExamRecord& exam, const BankModel& bank, std::string* markText = nullptr);

// Position caption "Question p of n[, pending]" from kept values.
std::string myPositionCaption(const FigureValues& kept);

// Shows the figures after a reset (ShowNoExam, ShowNewExam) or a recomputation
// (ShowAfterAnswer),
// keeping the mark value it shows.
void myShowFigures(ExamRecord& exam, const BankModel& bank, ExamView& view, int mode);
// Shows again, in the interface language now in force, what the figures showed.
void myRerenderFigures(ExamRecord& exam, const BankModel& bank, ExamView& view);
