// The window's handlers alone, each built on a bare window with only what it
// is given: the import command, the help and about boxes, the explanation
// window and the study loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include "examsim/session/selection.h"
#include "examsim/ui/importcommand.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/studyloop.h"
#include "toolkit/tests/casenames.h"

namespace {

struct StageCase {
    const char* name;
    int stage;
    bool importOffered;
};
class ImportItem : public ::testing::TestWithParam<StageCase> {};

TEST_P(ImportItem, FollowsTheExamStage) {
    QWidget window;
    QAction item(nullptr);
    ExamSession session;
    BankModel bank;
    BankShelf shelf;
    const std::filesystem::path folder = "/nowhere";
    int asked = 0;
    ImportCommand import(&window, &item, session, bank, shelf, folder, [&] { ++asked; }, [&](int) { ++asked; },
                         [&] { ++asked; });
    item.setEnabled(!GetParam().importOffered);
    session.Exam.ExamStage = GetParam().stage;
    import.syncItem();
    EXPECT_EQ(item.isEnabled(), GetParam().importOffered);
    EXPECT_EQ(asked, 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, ImportItem,
                         ::testing::Values(StageCase{"NoExam", StageNoExam, true}, StageCase{"Over", StageOver, true},
                                           StageCase{"Drawn", StageDrawn, false},
                                           StageCase{"Answering", StageAnswering, false},
                                           StageCase{"AllAnswered", StageAllAnswered, false},
                                           StageCase{"Marked", StageMarked, true}),
                         ByName());

TEST(InfoBoxes, OneOfEachRaisedWhenAskedAgainAndGoneWhenClosed) {
    QWidget window;
    InfoBoxes boxes(&window, ShrinkFactors{});
    EXPECT_EQ(boxes.box(InfoKind::Help), nullptr);
    boxes.show(InfoKind::Help);
    InfoBox* help = boxes.box(InfoKind::Help);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->kind(), InfoKind::Help);
    EXPECT_EQ(boxes.box(InfoKind::About), nullptr);
    boxes.show(InfoKind::Help);
    EXPECT_EQ(boxes.box(InfoKind::Help), help);
    boxes.show(InfoKind::About);
    ASSERT_NE(boxes.box(InfoKind::About), nullptr);
    boxes.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(boxes.box(InfoKind::Help), nullptr);
    EXPECT_EQ(boxes.box(InfoKind::About), nullptr);
}

// A bank of two questions, the first explained, the second not.
struct TwoQuestions {
    ExamRecord exam;
    BankModel bank;
    TwoQuestions() {
        bank.Explanation[1] = "Because.";
        bank.Explanation[2] = "  ";
        exam.ExamSize = 2;
        exam.ExamOrder[1] = 1;
        exam.ExamOrder[2] = 2;
        exam.CurrentQuestion = 1;
    }
};

TEST(ExplanationHandler, OpensAndClosesWithItsButtonAndGreysItForAQuestionWithoutExplanation) {
    QMainWindow window;
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    window.resize(600, 400);
    auto* progress = new QWidget(client);
    progress->setGeometry(300, 0, 100, 200);
    auto* button = new QPushButton(client);
    TwoQuestions q;
    std::vector<int> captions;
    ExplanationHandler handler(&window, progress, button, q.exam, q.bank, [&](int f) { captions.push_back(f); });

    handler.toggle();
    ASSERT_NE(handler.window(), nullptr);
    EXPECT_EQ(handler.window()->content(), ShowsHint);
    handler.refresh();
    EXPECT_EQ(handler.window()->content(), ShowsExplanation);
    EXPECT_EQ(handler.window()->text()->toPlainText(), QStringLiteral("Because."));
    q.exam.CurrentQuestion = 2;
    handler.syncButton();
    EXPECT_TRUE(button->isEnabled());  // open: it can still close the window
    handler.toggle();
    EXPECT_EQ(handler.window(), nullptr);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(captions, (std::vector<int>{2, 1}));
}

TEST(StudyLoop, SaysTheNextExamAndLaunchesOnlyWhileTheLessonsMayChange) {
    QMainWindow window;
    window.setCentralWidget(new QWidget(&window));
    auto* launchButton = new QPushButton(window.centralWidget());
    QAction lessons(nullptr);
    ExamSession session;
    BankModel bank;
    StudyLoopControls controls;
    controls.launch = launchButton;
    controls.lessons = &lessons;
    int launched = 0;
    StudyLoop loop(&window, false, ShrinkFactors{}, session, bank, controls, [](int) {}, [&] { ++launched; });

    auto* line = window.findChild<QLabel*>(QStringLiteral("nextExam"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QString::fromLatin1(myNextExamText(bank).c_str()));
    auto* full = window.findChild<QPushButton*>(QStringLiteral("fullExam"));
    ASSERT_NE(full, nullptr);
    EXPECT_FALSE(full->isVisibleTo(&window));  // no restriction in force

    lessons.setEnabled(false);
    loop.launchFullExam();
    EXPECT_EQ(launched, 0);
    lessons.setEnabled(true);
    loop.launchFullExam();
    EXPECT_EQ(launched, 1);
}

}  // namespace
