// The window-free side of the lesson dialog: pool figures, the texts it
// shows, and what its two buttons do to the lesson restriction.
#pragma once

#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"

inline constexpr int LessonExamMaximum = 125;
inline constexpr int MessageResetExam = 2025;
// A practice drill: what a candidate finishes in one sitting.
inline constexpr int DrillQuestions = 25;

struct PoolFigures {
    int LessonsSelected = 0;
    int TopicsTargeted = 0;
    int QuestionsAvailable = 0;
};

// Whether a question's lesson is ticked in the lesson dialog.
bool inSelectedLesson(const BankModel& model, const QuestionSlot& slot);
// Whether a question may be drawn: no lesson restriction is in force, or its
// lesson is one of those chosen.
bool admittedByLessons(const BankModel& model, const QuestionSlot& slot);

// False (after reporting why) when the loaded bank has no lessons.
bool lessonDialogMayOpen(const BankModel& model);

PoolFigures myPoolFigures(const BankModel& model);
std::string poolLabelText(const PoolFigures& pool);
// Items of the size list; the last one is the item to select.
std::vector<std::string> sizeListTexts(const PoolFigures& pool);

// Text of the check box of lesson l, and (normal layout) of its count label.
std::string lessonRowText(const BankModel& model, int lesson, bool simplified);
std::string lessonCountText(const BankModel& model, int lesson);

// Check box at position i (1-based, in LessonIndex order) clicked.
void myToggleLesson(BankModel& model, int position, bool ticked);

struct LessonOutcome {
    bool closeDialog = false;
    bool postReset = false;  // post message 2025 to the main window
};

// "Use Se&lection(s) made above" with the list's items and its current text.
LessonOutcome myUseLessonSelection(BankModel& model, const std::vector<std::string>& items,
                                   const std::string& currentText);
// "Cancel", Escape or the close box.
LessonOutcome myCancelLessonSelection(BankModel& model);

// The same restriction as ticking exactly these lessons (their places in
// the bank, 1..LessonCount) in the dialog and confirming the size it
// offers: false, with nothing changed, when none of them is a lesson.
bool myRestrictToLessons(BankModel& model, const std::vector<int>& lessons, LessonOutcome& outcome);
// The same restriction made a practice drill of DrillQuestions questions at
// most, the lessons' never-met and missed questions first.
bool myStartDrill(BankModel& model, const std::vector<int>& lessons, LessonOutcome& outcome);
// "Full exam": every topic again, as "Cancel" in the lesson dialog leaves it.
LessonOutcome myBackToFullExam(BankModel& model);
