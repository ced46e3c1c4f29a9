#include "examsim/ui/studyloop.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "examsim/bank/lessonpool.h"
#include "examsim/session/selection.h"
#include "examsim/ui/answerkeys.h"
#include "examsim/ui/controlids.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/uicontext.h"

StudyLoop::StudyLoop(QMainWindow* window, bool simplified, const ShrinkFactors& shrink, ExamSession& session,
                     BankModel& bank, const StudyLoopControls& controls, std::function<void(int)> clickAnswer,
                     std::function<void()> launch)
    : QObject(window), session_(session), bank_(bank), controls_(controls), launch_(std::move(launch)) {
    const ExamRecord& exam = session_.Exam;
    QAbstractButton* area = simplified ? controls_.explanationArea : nullptr;
    QAbstractButton* next = controls_.next;
    new AnswerKeys(
        window, [&exam] { return exam.ExamSize > 0 && exam.CurrentQuestion >= 1; },
        // The key is a click on that answer's button, or under /S its box.
        std::move(clickAnswer),
        // Under /S the key E says the explanation in its area again.
        [area] {
            if (!area || userSlot(area, SlotCaptionField) != 2) return false;
            announce(area, area->text().replace(QLatin1String("&&"), QLatin1String("&")));
            return true;
        },
        // Enter (Space) after a verdict that waits: NEXT, as its button.
        [next, &exam] {
            if (!myAwaitsNext(exam)) return false;
            if (next) next->click();
            return true;
        });

    // Beside Launch in the normal layout. The simplified layout has no room
    // left near Launch: there Launch says it to the screen reader, as it
    // does in both layouts.
    nextExam_ = new QLabel(window->centralWidget());
    nextExam_->setObjectName(QStringLiteral("nextExam"));
    nextExam_->setWordWrap(true);
    nextExam_->setTextFormat(Qt::PlainText);
    nextExam_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const DialogUnits dlu = dialogUnits(window);
    const auto x = [&shrink](int v) { return scaled(v, shrink.fx()); };
    const auto y = [&shrink](int v) { return scaled(v, shrink.fy()); };
    nextExam_->setGeometry(dlu.toPixels(QRect(x(158), y(28), x(118), y(30))));
    nextExam_->setVisible(!simplified);
    // Under the line, or under /S where the explanation area leaves room
    // to the right of it; shown while the next exam is limited.
    fullExam_ = new QPushButton(window->centralWidget());
    fullExam_->setObjectName(QStringLiteral("fullExam"));
    fullExam_->setAutoDefault(false);
    fullExam_->setGeometry(dlu.toPixels(simplified ? QRect(x(450), y(28), x(60), x(14))
                                                   : QRect(x(158), y(59), x(60), y(12))));
    connect(fullExam_, &QPushButton::clicked, this, &StudyLoop::launchFullExam);
    if (controls_.launch) QWidget::setTabOrder(controls_.launch, fullExam_);
    showNextExam();
}

void StudyLoop::showNextExam() {
    const QString text = toQString(myNextExamText(bank_));
    nextExam_->setText(text);
    fullExam_->setText(toQString(otherText(OtherFullExam)));
    fullExam_->setAccessibleDescription(text);
    fullExam_->setVisible(bank_.QuestionsPerTopic > 0);
    fullExam_->setEnabled(controls_.lessons->isEnabled());
    if (QWidget* launchButton = controls_.launch) {
        const QString tip =
            toQLines(examToolTips().tip(LaunchButton, uiContext().InterfaceLanguage));
        launchButton->setAccessibleDescription(text.isEmpty() ? tip : tip + QLatin1Char(' ') + text);
    }
}

void StudyLoop::setFullExamEnabled(bool enabled) { fullExam_->setEnabled(enabled); }

void StudyLoop::practiseLessons(const std::vector<int>& lessons) {
    // As the lesson menu: no restriction changes under an exam under way.
    if (!controls_.lessons->isEnabled()) return;
    LessonOutcome outcome;
    if (!myStartDrill(bank_, lessons, outcome)) return;
    controls_.lessons->setChecked(bank_.LessonMenuChecked);
    if (outcome.postReset) myDiscardDrawnExam(session_, bank_);
    showNextExam();
    launch_();
}

void StudyLoop::launchFullExam() {
    if (!controls_.lessons->isEnabled()) return;
    const LessonOutcome outcome = myBackToFullExam(bank_);
    controls_.lessons->setChecked(bank_.LessonMenuChecked);
    if (outcome.postReset) myDiscardDrawnExam(session_, bank_);
    showNextExam();
    launch_();
}
