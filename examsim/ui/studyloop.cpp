// What carries the candidate from one exam to the next: answering from the
// keyboard, the line near Launch saying where the next exam stands, and the
// progress window's "Practise these lessons". The rules are the cores'
// (answer timing in the session, the restriction in the lesson pool); this
// file wires them to the window.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "announcer.h"
#include "answerkeys.h"
#include "controlids.h"
#include "controls.h"
#include "examsession.h"
#include "lessonpool.h"
#include "mainwindow.h"
#include "metrics.h"
#include "progresswindow.h"
#include "qtext.h"
#include "selection.h"
#include "uicontext.h"
#include "uitexts.h"

void MainWindow::installStudyLoop() {
    const ExamRecord& exam = program_.Session.Exam;
    new AnswerKeys(
        this, [&exam] { return exam.ExamSize > 0 && exam.CurrentQuestion >= 1; },
        // The key is a click on that answer's button, or under /S its box.
        [this](int answer) { command((simplified_ ? Answer1Box : Answer1Button) + answer - 1); },
        // Under /S the key E says the explanation in its area again.
        [this] {
            QWidget* area = simplified_ ? control(ExplanationArea) : nullptr;
            if (!area || userSlot(area, SlotCaptionField) != 2) return false;
            announce(this, static_cast<QAbstractButton*>(area)->text().replace(QLatin1String("&&"),
                                                                             QLatin1String("&")));
            return true;
        },
        // Enter (Space) after a verdict that waits: NEXT, as its button.
        [this, &exam] {
            if (!myAwaitsNext(exam)) return false;
            if (auto* next = qobject_cast<QAbstractButton*>(control(NextButton))) next->click();
            return true;
        });

    // Beside Launch in the normal layout. The simplified layout has no room
    // left near Launch: there Launch says it to the screen reader, as it
    // does in both layouts.
    nextExam_ = new QLabel(centralWidget());
    nextExam_->setObjectName(QStringLiteral("nextExam"));
    nextExam_->setWordWrap(true);
    nextExam_->setTextFormat(Qt::PlainText);
    nextExam_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const DialogUnits dlu = dialogUnits(this);
    const auto x = [this](int v) { return scaled(v, shrink_.fx()); };
    const auto y = [this](int v) { return scaled(v, shrink_.fy()); };
    nextExam_->setGeometry(dlu.toPixels(QRect(x(158), y(28), x(118), y(30))));
    nextExam_->setVisible(!simplified_);
    // Under the line, or under /S where the explanation area leaves room
    // to the right of it; shown while the next exam is limited.
    fullExam_ = new QPushButton(centralWidget());
    fullExam_->setObjectName(QStringLiteral("fullExam"));
    fullExam_->setAutoDefault(false);
    fullExam_->setGeometry(dlu.toPixels(simplified_ ? QRect(x(450), y(28), x(60), x(14))
                                                    : QRect(x(158), y(59), x(60), y(12))));
    connect(fullExam_, &QPushButton::clicked, this, &MainWindow::launchFullExam);
    if (QWidget* launchButton = control(LaunchButton))
        QWidget::setTabOrder(launchButton, fullExam_);
    showNextExam();
}

void MainWindow::showNextExam() {
    if (!nextExam_) return;
    const QString text = toQString(myNextExamText(program_.Bank));
    nextExam_->setText(text);
    fullExam_->setText(toQString(otherText(OtherFullExam)));
    fullExam_->setAccessibleDescription(text);
    fullExam_->setVisible(program_.Bank.QuestionsPerTopic > 0);
    fullExam_->setEnabled(actions_[CmdLessons]->isEnabled());
    if (QWidget* launchButton = control(LaunchButton)) {
        const QString tip =
            toQLines(examToolTips().tip(LaunchButton, uiContext().InterfaceLanguage));
        launchButton->setAccessibleDescription(text.isEmpty() ? tip : tip + QLatin1Char(' ') + text);
    }
}

void MainWindow::practiseLessons(const std::vector<int>& lessons) {
    ProgramState& p = program_;
    // As the lesson menu: no restriction changes under an exam under way.
    if (!actions_[CmdLessons]->isEnabled()) return;
    LessonOutcome outcome;
    if (!myStartDrill(p.Bank, lessons, outcome)) return;
    actions_[CmdLessons]->setChecked(p.Bank.LessonMenuChecked);
    if (outcome.postReset) myDiscardDrawnExam(p.Session, p.Bank);
    showNextExam();
    launch();
}

void MainWindow::launchFullExam() {
    ProgramState& p = program_;
    if (!actions_[CmdLessons]->isEnabled()) return;
    const LessonOutcome outcome = myBackToFullExam(p.Bank);
    actions_[CmdLessons]->setChecked(p.Bank.LessonMenuChecked);
    if (outcome.postReset) myDiscardDrawnExam(p.Session, p.Bank);
    showNextExam();
    launch();
}
