// What carries the candidate from one exam to the next: answering from the
// keyboard, the line near Launch saying where the next exam stands, and the
// progress window's "Practise these lessons". The rules are the cores'
// (answer timing in the session, the restriction in the lesson pool); this
// class wires them to the window.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examsession.h"
#include "examsim/ui/mainlayout.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

// The window's controls the study loop reads or drives; null where the
// layout has none.
struct StudyLoopControls {
    QWidget* launch = nullptr;                 // Launch: its description says the next exam
    QAbstractButton* next = nullptr;           // NEXT: Enter (Space) after a verdict that waits
    QAbstractButton* explanationArea = nullptr;  // under /S: the key E says it again
    QAction* lessons = nullptr;                // Tools > Lessons: enabled while a restriction may change
};

class StudyLoop : public QObject {
public:
    // Builds the line and its button on window's client area (placed by
    // shrink for the layout) and the answer keys of window. clickAnswer(n)
    // is a click on answer n (1..5) as the layout shows it; launch is Launch.
    StudyLoop(QMainWindow* window, bool simplified, const ShrinkFactors& shrink, ExamSession& session,
              BankModel& bank, const StudyLoopControls& controls, std::function<void(int)> clickAnswer,
              std::function<void()> launch);

    // Says again where the next exam stands (after a bank, a restriction
    // or a language is chosen).
    void showNextExam();
    // As the exam choices: greyed while an exam is under way.
    void setFullExamEnabled(bool enabled);
    // "Practise these lessons": a drill of them, launched at once.
    void practiseLessons(const std::vector<int>& lessons);
    // Back to the full exam, launched at once.
    void launchFullExam();

private:
    ExamSession& session_;
    BankModel& bank_;
    StudyLoopControls controls_;
    std::function<void()> launch_;
    QLabel* nextExam_;
    QPushButton* fullExam_;  // beside the line while the next exam is limited
};
