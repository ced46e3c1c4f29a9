// The study loop in the window: answering by keys in both layouts, the
// line near Launch on where the next exam stands, and "Practise these
// lessons" from the progress window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPushButton>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/progress/window/tests/improvinglog.h"
#include "examsim/ui/tests/startedwindow.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/uicontext.h"

namespace {

QLabel* nextExamLine(Started& s) { return s.window->findChild<QLabel*>(QStringLiteral("nextExam")); }

struct KeyCase {
    bool simplified;
    int key;
    Qt::KeyboardModifiers modifiers;
    char given;  // the answer it gives, '0' for none
};
class AnswerKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AnswerKey, AnswersAsAClickOnThatAnswer) {
    const KeyCase& c = GetParam();
    Started s(FolderSetup{{English}, "", "en_CA", c.simplified ? "/S" : ""});
    ASSERT_TRUE(s.started);
    launchManually(s);
    s.program.Session.Exam.MarkingMode = MarkAtTheEnd;
    // From the question's text, read-only: the keys answer from there too.
    QWidget* question = s.window->control(2039);
    question->setFocus();
    QTest::keyClick(question, static_cast<Qt::Key>(c.key), c.modifiers);
    EXPECT_EQ(s.program.Session.Exam.given(1), c.given);
    if (c.simplified && c.given != '0')  // the box shows it, as after a click
        EXPECT_TRUE(static_cast<QAbstractButton*>(s.window->control(2039 + c.given - '0'))->isChecked());
}
INSTANTIATE_TEST_SUITE_P(
    Keys, AnswerKey,
    ::testing::Values(KeyCase{false, Qt::Key_1, {}, '1'}, KeyCase{false, Qt::Key_4, {}, '4'},
                      KeyCase{false, Qt::Key_5, {}, '5'}, KeyCase{false, Qt::Key_0, {}, '5'},
                      KeyCase{false, Qt::Key_3, Qt::KeypadModifier, '3'}, KeyCase{false, Qt::Key_6, {}, '0'},
                      KeyCase{false, Qt::Key_2, Qt::AltModifier, '0'}, KeyCase{true, Qt::Key_2, {}, '2'},
                      KeyCase{true, Qt::Key_0, {}, '5'}, KeyCase{true, Qt::Key_4, Qt::KeypadModifier, '4'},
                      KeyCase{true, Qt::Key_9, {}, '0'}),
    namedBy([](const KeyCase& c) {
        std::string name = std::string(c.simplified ? "Simplified" : "Normal") + " key " +
                           QKeySequence(c.key).toString().toStdString();
        if (c.modifiers & Qt::KeypadModifier) name += " keypad";
        if (c.modifiers & Qt::AltModifier) name += " with Alt";
        return name;
    }));

// A list takes digits to choose its items, a dialog has the keyboard: the
// keys leave the exam alone then, and before any exam they do nothing.
TEST(AnswerKeys, NeverWhileAListOrADialogHasTheKeyboardNorWithoutAnExam) {
    for (bool simplified : {false, true}) {
        Started s(FolderSetup{{English}, "", "en_CA", simplified ? "/S" : ""});
        ASSERT_TRUE(s.started);
        s.window->show();
        QTest::keyClick(s.window->control(2039), Qt::Key_2);
        EXPECT_EQ(s.program.Session.Exam.ExamSize, 0);
        launchManually(s);
        QWidget* list = s.window->control(2001);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_2);
        EXPECT_EQ(s.program.Session.Exam.given(1), '0') << simplified;
        {
            // A dialog of the window (the lesson dialog is one) keeps its keys.
            QDialog dialog(s.window.get());
            dialog.setModal(true);
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_2);
            EXPECT_EQ(s.program.Session.Exam.given(1), '0') << simplified;
        }
        QTest::keyClick(s.window->control(2039), Qt::Key_2);
        EXPECT_EQ(s.program.Session.Exam.given(1), '2') << simplified;
    }
}

TEST(NextExam, SaidNearLaunchInTheLanguageAndToAScreenReader) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    QLabel* line = nextExamLine(s);
    ASSERT_NE(line, nullptr);
    const QString whole = toQString(myNextExamText(s.program.Bank));
    EXPECT_TRUE(whole.startsWith(q("Next exam: every topic of the bank, up to "))) << whole.toStdString();
    EXPECT_EQ(line->text(), whole);
    EXPECT_TRUE(s.window->control(2006)->accessibleDescription().endsWith(whole));
    s.window->command(2015);
    EXPECT_TRUE(line->text().startsWith(q("Prochain examen : tous les sujets de la banque"))) << line->text().toStdString();
    EXPECT_TRUE(s.window->control(2006)->accessibleDescription().endsWith(line->text()));
    s.window->command(2015);
    // Near Launch: level with it, to its right.
    const QRect launch = s.window->control(2006)->geometry();
    EXPECT_LT(std::abs(line->geometry().center().y() - launch.center().y()), launch.height() * 2);
}

// The progress window's button: closed, the weak lessons in force as the
// lesson dialog would put them, and an exam of them drawn.
TEST(Practise, TheseLessonsRestrictTheSelectionAndLaunchAnExam) {
    BankModel bank;
    std::string unused;
    ASSERT_TRUE(myReadQuestionBank(bank, std::string(SAMPLES_DIR) + "/" + English, FullRead, unused));
    Started s(FolderSetup{{English}, improvingLog(bank, 30, 4)});
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.window->show();
    s.window->command(CmdProgress);
    ProgressWindow* progress = s.window->progressWindow();
    ASSERT_NE(progress, nullptr);
    std::vector<int> lessons;
    std::string ids;
    for (const GroupFigure& g : progress->figures().NextLessons) lessons.push_back(g.Number);
    ASSERT_FALSE(lessons.empty());
    QTest::mouseClick(progress->practiseButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(s.window->progressWindow(), nullptr);

    const BankModel& b = s.program.Bank;
    EXPECT_GT(b.QuestionsPerTopic, 0);
    EXPECT_TRUE(s.window->menuAction(CmdLessons)->isChecked());
    for (int l = 1; l <= b.LessonCount; ++l) {
        const bool wanted = std::find(lessons.begin(), lessons.end(), l) != lessons.end();
        EXPECT_EQ(b.Lessons[l].LessonSelected != 0, wanted) << l;
    }
    const ExamRecord& exam = s.program.Session.Exam;
    EXPECT_EQ(exam.ExamStage, StageDrawn);
    ASSERT_GT(exam.ExamSize, 0);
    for (int p = 1; p <= exam.ExamSize; ++p) {
        const int q = exam.ExamOrder[p];
        const QuestionSlot& slot = b.Topics[b.QuestionRef[q] / 16].Question[b.QuestionRef[q] % 16];
        EXPECT_NE(std::find(lessons.begin(), lessons.end(), slot.LessonNo), lessons.end()) << p;
    }
    EXPECT_TRUE(nextExamLine(s)->text().startsWith(q("Next exam: limited to a practice drill of lessons ")));
    EXPECT_EQ(nextExamLine(s)->text(), toQString(myNextExamText(b)));
}

QPushButton* fullExamButton(QWidget* window) { return window->findChild<QPushButton*>(QStringLiteral("fullExam")); }
QPushButton* fullExamButton(Started& s) {
    return s.window->centralWidget()->findChild<QPushButton*>(QStringLiteral("fullExam"), Qt::FindDirectChildrenOnly);
}

// "Practise these lessons" is a drill a candidate finishes in one sitting,
// its end the lessons' scores and no pass or fail; the line near Launch
// then offers the whole bank again in one step, and so does the progress
// window. In both layouts and both languages.
struct DrillCase {
    bool simplified;
    bool french;
};
class PractiseDrill : public ::testing::TestWithParam<DrillCase> {};

TEST_P(PractiseDrill, OfOneSittingWithLessonScoresThenAFullExamInOneStep) {
    const DrillCase& c = GetParam();
    BankModel bank;
    std::string unused;
    ASSERT_TRUE(myReadQuestionBank(bank, std::string(SAMPLES_DIR) + "/" + English, FullRead, unused));
    Started s(FolderSetup{{English}, improvingLog(bank, 30, 4), "en_CA", c.simplified ? "/S" : ""});
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.window->show();
    if (c.french) s.window->command(2015);
    s.window->command(CmdProgress);
    ProgressWindow* progress = s.window->progressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(fullExamButton(progress) && fullExamButton(progress)->isVisibleTo(progress));
    QTest::mouseClick(progress->practiseButton(), Qt::LeftButton);
    settle();

    ExamRecord& exam = s.program.Session.Exam;
    EXPECT_GE(exam.ExamSize, 20);
    EXPECT_LE(exam.ExamSize, 30);
    QPushButton* full = fullExamButton(s);
    ASSERT_NE(full, nullptr);
    EXPECT_TRUE(full->isVisibleTo(s.window.get()));
    EXPECT_EQ(full->text(), c.french ? q("Examen complet") : q("Full exam"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(full)->text(QAccessible::Name), full->text());
    EXPECT_TRUE(s.window->control(2006)->accessibleDescription().contains(
        c.french ? q("limité à un exercice") : q("limited to a practice drill")));

    // Answered to the end, a question right and the others "Don't know".
    exam.ManualAdvance = true;
    const size_t boxesBefore = s.boxes.boxes.size();
    const int size = exam.ExamSize;
    for (int p = 1; p <= size; ++p) {
        const int right = s.program.Bank.ExpectedAnswer[exam.ExamOrder[p]][0] - '0';
        QTest::keyClick(s.window->control(2039), p == 1 ? static_cast<Qt::Key>(Qt::Key_0 + right) : Qt::Key_5);
        if (p < size) s.window->command(2010);
    }
    settle();
    EXPECT_EQ(exam.ExamStage, StageOver);
    ASSERT_EQ(s.boxes.boxes.size(), boxesBefore + 1);
    const QString end = QString::fromLatin1(s.boxes.boxes.back().text);
    EXPECT_FALSE(end.contains(c.french ? q("note de passage") : q("pass mark"))) << end.toUtf8().toStdString();
    EXPECT_TRUE(end.contains(c.french ? q("Un exercice, pas un examen") : q("A practice drill, not an exam")))
        << end.toUtf8().toStdString();
    EXPECT_TRUE(end.contains(c.french ? q("Résultats par leçon") : q("Lesson scores"))) << end.toUtf8().toStdString();
    EXPECT_TRUE(end.contains(c.french ? q(" 1 sur ") : q(" 1 of "))) << end.toUtf8().toStdString();

    // Still limited; the progress window offers both, and its "Full exam"
    // is the whole bank drawn at once.
    EXPECT_TRUE(full->isVisibleTo(s.window.get()));
    EXPECT_TRUE(full->isEnabled());
    s.window->command(CmdProgress);
    progress = s.window->progressWindow();
    ASSERT_NE(progress, nullptr);
    ASSERT_NE(fullExamButton(progress), nullptr);
    EXPECT_TRUE(fullExamButton(progress)->isVisibleTo(progress));
    EXPECT_TRUE(progress->practiseButton()->isVisibleTo(progress));
    EXPECT_EQ(fullExamButton(progress)->text(), full->text());
    QTest::mouseClick(fullExamButton(progress), Qt::LeftButton);
    settle();
    EXPECT_EQ(s.window->progressWindow(), nullptr);
    EXPECT_EQ(s.program.Bank.QuestionsPerTopic, 0);
    EXPECT_FALSE(s.window->menuAction(CmdLessons)->isChecked());
    EXPECT_EQ(exam.ExamStage, StageDrawn);
    EXPECT_EQ(exam.ExamSize, myExamSizeAtMost(s.program.Bank));
    EXPECT_GT(exam.ExamSize, 30);
    EXPECT_FALSE(full->isVisibleTo(s.window.get()));

    // The line's own button does the same from a drill in force.
    s.window->command(CmdProgress);
    QTest::mouseClick(s.window->progressWindow()->practiseButton(), Qt::LeftButton);
    settle();
    ASSERT_TRUE(full->isVisibleTo(s.window.get()));
    QTest::mouseClick(full, Qt::LeftButton);
    EXPECT_EQ(s.program.Bank.QuestionsPerTopic, 0);
    EXPECT_EQ(exam.ExamStage, StageDrawn);
    EXPECT_GT(exam.ExamSize, 30);
}
INSTANTIATE_TEST_SUITE_P(Layouts, PractiseDrill,
                         ::testing::Values(DrillCase{false, false}, DrillCase{false, true}, DrillCase{true, false},
                                           DrillCase{true, true}),
                         namedBy([](const DrillCase& c) {
                             return std::string(c.simplified ? "Simplified" : "Normal") + (c.french ? " fr" : " en");
                         }));

// However Launch is pressed - here by its accessible action, as a screen
// reader or a switch device does, the bank list keeping the keyboard - the
// keyboard goes to the exam: the key 2 answers.
class LaunchKeyboard : public ::testing::TestWithParam<bool> {};

TEST_P(LaunchKeyboard, GoesToTheExamWhenLaunchIsPressedByItsAction) {
    Started s(FolderSetup{{English}, "", "en_CA", GetParam() ? "/S" : ""});
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.program.Session.Exam.ManualAdvance = true;
    s.window->show();
    s.window->activateWindow();
    QWidget* list = s.window->control(2000);
    list->setFocus();
    settle();
    QAccessibleInterface* launch = QAccessible::queryAccessibleInterface(s.window->control(2006));
    ASSERT_NE(launch, nullptr);
    ASSERT_NE(launch->actionInterface(), nullptr);
    launch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle(300);
    ASSERT_GT(s.program.Session.Exam.ExamSize, 0);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_NE(focus, list);
    QTest::keyClick(focus, Qt::Key_2);
    EXPECT_EQ(s.program.Session.Exam.given(1), '2');
}
INSTANTIATE_TEST_SUITE_P(Layouts, LaunchKeyboard, ::testing::Bool(),
                         namedBy([](bool simplified) { return std::string(simplified ? "Simplified" : "Normal"); }));

// After a verdict that waits for NEXT, Enter is NEXT, and Space where no
// button or box has the keyboard; before the verdict, on a button, and on
// a box of the simplified layout, Space is not.
struct NextKeyCase {
    bool simplified;
    int key;
    int focus;       // control id with the keyboard
    bool answered;   // a missed answer waits for NEXT
    int position;    // where the exam is after the key
};
class NextKey : public ::testing::TestWithParam<NextKeyCase> {};

TEST_P(NextKey, GoesToTheNextQuestionAfterAVerdictThatWaits) {
    const NextKeyCase& c = GetParam();
    Started s(FolderSetup{{English}, "", "en_CA", c.simplified ? "/S" : ""});
    ASSERT_TRUE(s.started);
    launchManually(s);
    ExamRecord& exam = s.program.Session.Exam;
    if (c.answered) {
        const char right = s.program.Bank.ExpectedAnswer[exam.ExamOrder[1]][0];
        QTest::keyClick(s.window->control(2039), static_cast<Qt::Key>(Qt::Key_0 + (right == '1' ? 2 : 1)));
        ASSERT_EQ(exam.result(1), '2');
    }
    QWidget* focus = s.window->control(c.focus);
    focus->setFocus();
    QTest::keyClick(focus, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(exam.CurrentQuestion, c.position);
}
INSTANTIATE_TEST_SUITE_P(
    Keys, NextKey,
    ::testing::Values(NextKeyCase{false, Qt::Key_Return, 2039, true, 2}, NextKeyCase{false, Qt::Key_Enter, 2022, true, 2},
                      NextKeyCase{false, Qt::Key_Space, 2039, true, 2}, NextKeyCase{false, Qt::Key_Return, 2039, false, 1},
                      NextKeyCase{false, Qt::Key_Space, 2009, true, 1}, NextKeyCase{true, Qt::Key_Return, 2038, true, 2},
                      NextKeyCase{true, Qt::Key_Space, 2038, true, 2}, NextKeyCase{true, Qt::Key_Space, 2041, true, 1},
                      NextKeyCase{true, Qt::Key_Enter, 2041, true, 2}, NextKeyCase{true, Qt::Key_Space, 2039, false, 1}),
    namedBy([](const NextKeyCase& c) {
        return std::string(c.simplified ? "Simplified" : "Normal") + " " +
               QKeySequence(c.key).toString().toStdString() + " on " + std::to_string(c.focus) +
               (c.answered ? " after a miss" : " before an answer");
    }));

}  // namespace
