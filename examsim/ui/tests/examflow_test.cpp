// Whole exams taken through the real window: the normal layout with its
// answer buttons and the simplified layout with its check boxes and keys,
// marking as one goes and at the end, down to the log and the report
// written beside the program.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "examsim/session/selection.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/uicontext.h"

namespace {

// Four topics of one question each; the exam draws all four. Expected
// answers 2, 1, 4, 3 in designation order.
std::string tinyBank() {
    std::string bank = "^Tiny bank^4^70^\r\n";
    const char* expected = "2143";
    for (int t = 1; t <= 4; ++t) {
        const std::string d = "B-001-00" + std::to_string(t) + "-001";
        bank += d + " (" + expected[t - 1] + ") Question of topic " + std::to_string(t) + "?\r\n";
        for (int a = 1; a <= 4; ++a)
            bank += std::to_string(a) + ". Answer " + std::to_string(a) + " of topic " + std::to_string(t) + "\r\n";
        bank += "> Explanation of topic " + std::to_string(t) + ".\r\n\r\n";
    }
    return bank;
}

FolderSetup tinySetup(const char* arguments) {
    return FolderSetup{{}, "", "en_CA", arguments, {{"Questions_Tiny.txt", tinyBank()}}};
}

int expectedAnswer(const ProgramState& p, int position) {
    return p.Bank.ExpectedAnswer[p.Session.Exam.ExamOrder[position]][0] - '0';
}

// What a position is answered with: right, wrong, or "Don't know".
enum class Pick { Right, Wrong, DontKnow };
int answerFor(const ProgramState& p, int position, Pick pick) {
    const int right = expectedAnswer(p, position);
    if (pick == Pick::Right) return right;
    if (pick == Pick::Wrong) return right % 4 + 1;
    return 5;
}

// Chooses answer n (1..5) as a user would in the layout.
void choose(Started& s, int n, bool simplified) {
    if (!simplified) {
        QTest::mouseClick(s.window->control(2021 + n), Qt::LeftButton);
        return;
    }
    QWidget* box = s.window->control(2039 + n);
    // Space on the odd answers, "+" on the even ones: both choose.
    if (n % 2) QTest::keyClick(box, Qt::Key_Space);
    else QTest::keyClick(box, '+');
}

bool enabled(Started& s, int id) { return s.window->control(id)->isEnabled(); }

void expectChoicesEnabled(Started& s, bool on, const char* when) {
    for (int id : {2006, 2000, 2001, 2003}) EXPECT_EQ(enabled(s, id), on) << id << " " << when;
    EXPECT_EQ(s.window->menuAction(CmdLessons)->isEnabled(), on) << when;
    // Navigation and Mark stay available throughout.
    for (int id : {2008, 2009, 2010, 2011, 2004, 2005, 2007}) EXPECT_TRUE(enabled(s, id)) << id << " " << when;
}

// The logging thread hands its result back through the window's events.
void waitForLogging(Started& s) {
    for (int i = 0; i < 100 && s.program.Session.Logging.pending(); ++i) settle(10);
    settle();
}

struct FlowCase {
    const char* name;
    bool simplified;
    int markingMode;
};

class WholeExam : public ::testing::TestWithParam<FlowCase> {};

TEST_P(WholeExam, TakenThroughTheWindow) {
    const FlowCase& c = GetParam();
    Started s(tinySetup(c.simplified ? "/S" : ""));
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    ExamRecord& exam = s.program.Session.Exam;
    s.window->show();
    settle();
    expectChoicesEnabled(s, true, "before the exam");

    auto* modes = static_cast<QComboBox*>(s.window->control(2003));
    modes->setCurrentIndex(c.markingMode - 1);
    s.window->command(2003);
    ASSERT_EQ(exam.MarkingMode, c.markingMode);

    QTest::mouseClick(s.window->control(2006), Qt::LeftButton);
    ASSERT_EQ(exam.ExamStage, StageDrawn);
    ASSERT_EQ(exam.ExamSize, 4);
    expectChoicesEnabled(s, true, "drawn");
    EXPECT_EQ(s.text(2004), q("Seek Unanswered"));
    if (c.simplified) {
        EXPECT_EQ(QApplication::focusWidget(), s.window->control(2039));
    }

    // Position 1 right: in "As you go" NEXT is clicked by the program 400 ms
    // later; at the end every answer moves on.
    const Pick plan[] = {Pick::Right, Pick::Wrong, Pick::DontKnow, Pick::Right};
    choose(s, answerFor(s.program, 1, plan[0]), c.simplified);
    EXPECT_EQ(exam.ExamStage, StageAnswering);
    expectChoicesEnabled(s, false, "answering");
    EXPECT_EQ(exam.CurrentQuestion, 1);
    settle(450);
    EXPECT_EQ(exam.CurrentQuestion, 2);

    // Position 2 wrong. "As you go" stays on a missed question until NEXT.
    choose(s, answerFor(s.program, 2, plan[1]), c.simplified);
    settle(450);
    if (c.markingMode == MarkAsYouGo) {
        EXPECT_EQ(exam.CurrentQuestion, 2);
        EXPECT_EQ(exam.result(2), '2');
        QTest::mouseClick(s.window->control(2010), Qt::LeftButton);
    } else {
        EXPECT_EQ(exam.result(2), '-');
    }
    EXPECT_EQ(exam.CurrentQuestion, 3);

    // Seek: position 4 is the only one left unanswered; skip 3 for now.
    QTest::mouseClick(s.window->control(2004), Qt::LeftButton);
    EXPECT_TRUE(exam.SeekEnabled);
    EXPECT_EQ(s.text(2010), q("SEEK &Next"));
    QTest::mouseClick(s.window->control(2008), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 1);
    QTest::mouseClick(s.window->control(2010), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 3);
    QTest::mouseClick(s.window->control(2010), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 4);
    choose(s, answerFor(s.program, 4, plan[3]), c.simplified);
    settle(450);
    EXPECT_EQ(exam.CurrentQuestion, 4);  // the last question: nowhere to advance
    QTest::mouseClick(s.window->control(2009), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 3);
    EXPECT_EQ(exam.ExamStage, StageAnswering);
    // Mark before every answer is in: refused with its message.
    QTest::mouseClick(s.window->control(2007), Qt::LeftButton);
    ASSERT_EQ(s.errors().size(), 1u);
    EXPECT_EQ(s.errors()[0].text, message(MsgMarkNotArmed));

    const size_t boxesBefore = s.boxes.boxes.size();
    choose(s, 5, c.simplified);
    settle(450);
    if (c.markingMode == MarkAtTheEnd) {
        EXPECT_EQ(exam.ExamStage, StageAllAnswered);
        expectChoicesEnabled(s, false, "all answered");
        EXPECT_EQ(exam.MarkResults.substr(0, 4), "----");
        QTest::mouseClick(s.window->control(2007), Qt::LeftButton);
        if (c.simplified) {
            EXPECT_EQ(QApplication::focusWidget(), s.window->control(2038));
        }
    }
    // The end: the mark is shown, the session logged, review begins.
    EXPECT_EQ(exam.ExamStage, StageOver);
    EXPECT_EQ(exam.MarkResults.substr(0, 4), "1231");
    ASSERT_EQ(s.boxes.boxes.size(), boxesBefore + 1);
    EXPECT_NE(s.boxes.boxes.back().text.find("Your mark is 50%"), std::string::npos) << s.boxes.boxes.back().text;
    expectChoicesEnabled(s, true, "over");
    EXPECT_EQ(s.text(2004), q("Seek Incorrect"));

    // Review: seek finds the wrong answer and the "Don't know".
    QTest::mouseClick(s.window->control(2008), Qt::LeftButton);
    QTest::mouseClick(s.window->control(2010), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 2);
    QTest::mouseClick(s.window->control(2010), Qt::LeftButton);
    EXPECT_EQ(exam.CurrentQuestion, 3);
    // Answers are refused once the exam is over.
    choose(s, 1, c.simplified);
    EXPECT_EQ(exam.given(3), '5');
    if (c.simplified) {
        EXPECT_TRUE(static_cast<QCheckBox*>(s.window->control(2044))->isChecked());
        EXPECT_FALSE(static_cast<QCheckBox*>(s.window->control(2040))->isChecked());
        EXPECT_NE(s.text(2037).indexOf(q("Explanation of topic")), -1);
    } else {
        EXPECT_EQ(s.text(2028), q("2"));
        EXPECT_EQ(s.text(2029), q("1"));
        EXPECT_EQ(s.text(2030), q("1"));
    }

    waitForLogging(s);
    const std::string log = fileBytes(s.folder().file("Ulvorane_Log.txt"));
    EXPECT_NE(log.find("Tiny bank"), std::string::npos) << log;
    EXPECT_NE(log.find("2024/03/05 10:20"), std::string::npos) << log;
    ASSERT_FALSE(exam.MissedReportName.empty());
    const std::string report = fileBytes(s.folder().file(exam.MissedReportName));
    EXPECT_NE(report.find("Answer is"), std::string::npos) << report;
    EXPECT_TRUE(s.errors().size() == 1u) << s.errors().back().text;

    // A new exam may be drawn at once.
    QTest::mouseClick(s.window->control(2006), Qt::LeftButton);
    EXPECT_EQ(exam.ExamStage, StageDrawn);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WholeExam,
    ::testing::Values(FlowCase{"NormalAsYouGo", false, MarkAsYouGo},
                      FlowCase{"NormalAtTheEnd", false, MarkAtTheEnd},
                      FlowCase{"SimplifiedAsYouGo", true, MarkAsYouGo},
                      FlowCase{"SimplifiedAtTheEnd", true, MarkAtTheEnd}),
    [](const auto& info) { return std::string(info.param.name); });

// The keys and the mouse on an answer box of the simplified layout.
struct KeyCase {
    const char* name;
    bool checkedBefore;  // box 1 already chosen
    std::function<void(QWidget*)> act;
    char givenAfter;  // answer of position 1 afterwards
};

class AnswerBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AnswerBoxKeys, ChangeTheMarkOnlyThroughTheExam) {
    const KeyCase& c = GetParam();
    Started s(tinySetup("/S"));
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.program.Session.Exam.MarkingMode = MarkAtTheEnd;
    s.program.Session.Exam.ManualAdvance = true;
    s.window->show();
    s.window->command(2006);
    auto* box = static_cast<QCheckBox*>(s.window->control(2040));
    if (c.checkedBefore) QTest::keyClick(box, '=');
    ASSERT_EQ(box->isChecked(), c.checkedBefore);
    c.act(box);
    EXPECT_EQ(s.program.Session.Exam.given(1), c.givenAfter);
    EXPECT_EQ(box->isChecked(), c.givenAfter == '1');
    EXPECT_EQ(userSlot(box, 7), c.givenAfter == '1' ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AnswerBoxKeys,
    ::testing::Values(
        KeyCase{"PlusChooses", false, [](QWidget* b) { QTest::keyClick(b, '+'); }, '1'},
        KeyCase{"PlusOnACheckedBoxDoesNothing", true, [](QWidget* b) { QTest::keyClick(b, '+'); }, '1'},
        KeyCase{"MinusTakesBack", true, [](QWidget* b) { QTest::keyClick(b, '-'); }, '0'},
        KeyCase{"MinusOnAnUncheckedBoxDoesNothing", false, [](QWidget* b) { QTest::keyClick(b, '-'); }, '0'},
        KeyCase{"SpaceDownAloneDoesNothing", false, [](QWidget* b) { QTest::keyPress(b, Qt::Key_Space); }, '0'},
        KeyCase{"SpaceUpChooses", false, [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); }, '1'},
        KeyCase{"SpaceOnACheckedBoxTakesBack", true, [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); }, '0'},
        KeyCase{"PressOnlyFocuses", false, [](QWidget* b) { QTest::mousePress(b, Qt::LeftButton); }, '0'},
        KeyCase{"ReleaseChooses", false, [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); }, '1'},
        KeyCase{"ClickOnACheckedBoxTakesBack", true, [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); }, '0'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerBoxKeys, PressGivesTheFocus) {
    Started s(tinySetup("/S"));
    ASSERT_TRUE(s.started);
    s.window->show();
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    QWidget* box = s.window->control(2042);
    QTest::mousePress(box, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

// A screen reader's press or toggle on an answer box is a click: the same
// exam afterwards as the one a mouse click leaves.
class AccessibleAnswer : public ::testing::TestWithParam<int> {};

TEST_P(AccessibleAnswer, CountsExactlyAsAClick) {
    const int markingMode = GetParam();
    auto run = [markingMode](bool accessible, QStringList* actions) {
        auto s = std::make_unique<Started>(tinySetup("/S"));
        steadyClock(s->program);
        ExamRecord& exam = s->program.Session.Exam;
        exam.MarkingMode = markingMode;
        exam.ManualAdvance = true;
        s->window->show();
        s->window->command(2006);
        QWidget* box = s->window->control(2041);
        for (int round = 0; round < 2; ++round) {
            if (!accessible) {
                QTest::mouseClick(box, Qt::LeftButton);
                continue;
            }
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
            QAccessibleActionInterface* act = iface ? iface->actionInterface() : nullptr;
            if (!act) return std::make_pair(std::string("no action interface"), std::string());
            *actions = act->actionNames();
            // Toggle when offered (check boxes), else press.
            const QString name = actions->contains(QAccessibleActionInterface::toggleAction())
                                     ? QAccessibleActionInterface::toggleAction()
                                     : QAccessibleActionInterface::pressAction();
            act->doAction(name);
            settle(150);  // a press is animated before it clicks
        }
        std::string checks;
        for (int id = 2040; id <= 2044; ++id)
            checks += static_cast<QCheckBox*>(s->window->control(id))->isChecked() ? 'x' : '.';
        return std::make_pair(exam.GivenAnswers.substr(0, 4) + exam.MarkResults.substr(0, 4) + "/" +
                                  std::to_string(exam.ExamStage),
                              checks);
    };
    QStringList actions;
    const auto clicked = run(false, &actions);
    const auto accessible = run(true, &actions);
    EXPECT_EQ(accessible, clicked) << actions.join(QLatin1Char(',')).toStdString();
    // As you go the second click is refused; at the end it takes the answer back.
    EXPECT_EQ(clicked.first.substr(0, 1), markingMode == MarkAsYouGo ? "2" : "0");
}

INSTANTIATE_TEST_SUITE_P(Modes, AccessibleAnswer, ::testing::Values(MarkAsYouGo, MarkAtTheEnd),
                         namedBy([](int mode) { return mode == MarkAsYouGo ? "AsYouGo" : "AtTheEnd"; }));

// The screen reader waits for its action to return: the mark message that
// the last answer leads to must open after the toggle has returned, not
// inside it, or the reader hangs until the box is closed.
TEST(AccessibleAnswer, MarkBoxOpensAfterTheToggleReturned) {
    Started s(tinySetup("/S"));
    ASSERT_TRUE(s.started);
    launchManually(s);
    ExamRecord& exam = s.program.Session.Exam;
    bool insideAction = false;
    std::vector<bool> openedInside;
    for (int answered = 0; answered < 4; ++answered)
        s.boxes.answerWith([&](const ModalRequest&) -> std::optional<int> {
            openedInside.push_back(insideAction);
            return IdOk;
        });
    for (int p = 1; p <= 4; ++p) {
        QWidget* box = s.window->control(2039 + answerFor(s.program, p, p == 2 ? Pick::Wrong : Pick::Right));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(iface && iface->actionInterface()) << p;
        insideAction = true;
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        insideAction = false;
        settle();
        EXPECT_EQ(exam.given(p), '0' + answerFor(s.program, p, p == 2 ? Pick::Wrong : Pick::Right)) << p;
        if (p < 4) s.window->command(2010);
    }
    EXPECT_EQ(exam.ExamStage, StageOver);
    ASSERT_EQ(openedInside.size(), 1u);
    EXPECT_FALSE(openedInside.front()) << "the mark box opened inside the toggle";
    EXPECT_EQ(s.boxes.boxes.back().text.rfind("Your mark is 75%", 0), 0u) << s.boxes.boxes.back().text;
    waitForLogging(s);
}

TEST(Accessibility, SimplifiedControlsAreNamedAndDescribed) {
    Started s(tinySetup("/S"));
    ASSERT_TRUE(s.started);
    auto description = [&](int id) { return s.window->control(id)->accessibleDescription(); };
    // Launch says where the exam it prepares stands.
    EXPECT_EQ(description(2006), q("Prepare a new exam.\nIf partial exam needed, first see Tools > Lesson Selection. ") +
                                     toQString(myNextExamText(s.program.Bank)));
    EXPECT_EQ(description(2010), toQString(toolTipIn(2010, 0)));
    // The two lists of the "Question selection" frame each have their own name.
    auto name = [&](int id) { return s.window->control(id)->accessibleName(); };
    EXPECT_EQ(name(2000), q("Question selection, bank"));
    EXPECT_EQ(name(2001), q("Question selection, criterion"));
    EXPECT_EQ(name(2038), q("Exam status"));
    // Short names; the explanation area's help is its description.
    EXPECT_EQ(name(2039), q("Question"));
    EXPECT_EQ(name(2037), q("Explanation"));
    EXPECT_TRUE(description(2037).startsWith(q("This area, a button, displays an Explanation")));
    // The boxes are read as text: question and status sentence.
    s.window->command(2006);
    QAccessibleInterface* question = QAccessible::queryAccessibleInterface(s.window->control(2039));
    ASSERT_NE(question, nullptr);
    ASSERT_NE(question->textInterface(), nullptr);
    EXPECT_TRUE(question->textInterface()->text(0, 20).startsWith(q("Question of topic")));
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(s.window->control(2038));
    ASSERT_NE(status->textInterface(), nullptr);
    EXPECT_TRUE(status->textInterface()->text(0, 14).startsWith(q("Question 1 of")));
    s.window->command(CmdFrench);
    EXPECT_EQ(description(2010), toQString(toolTipIn(2010, 1)));
    EXPECT_EQ(name(2000), q("Critères de sélection, banque"));
    EXPECT_EQ(name(2001), q("Critères de sélection, critère"));
    EXPECT_EQ(name(2037), q("Explication"));
    EXPECT_EQ(name(2038), q("État de l'examen"));
}

// A menu item pressed by a screen reader: the question asked before
// quitting an exam under way opens once the press has returned.
TEST(AccessibleMenu, QuitQuestionOpensAfterThePressReturned) {
    Started s(tinySetup("/S"));
    ASSERT_TRUE(s.started);
    launchManually(s);
    s.window->command(2039 + answerFor(s.program, 1, Pick::Right));
    ASSERT_EQ(s.program.Session.Exam.ExamStage, StageAnswering);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(s.window->menu(0));
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* quit = nullptr;
    for (int i = 0; i < menu->childCount(); ++i)
        if (menu->child(i) && menu->child(i)->text(QAccessible::Name) == q("Quit")) quit = menu->child(i);
    ASSERT_TRUE(quit && quit->actionInterface());
    bool insideAction = false;
    std::vector<bool> openedInside;
    s.boxes.answerWith([&](const ModalRequest&) -> std::optional<int> {
        openedInside.push_back(insideAction);
        return IdNo;
    });
    insideAction = true;
    quit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    insideAction = false;
    settle();
    ASSERT_EQ(openedInside.size(), 1u);
    EXPECT_FALSE(openedInside.front()) << "the question opened inside the press";
    EXPECT_EQ(s.boxes.boxes.back().text, otherText(4));
    EXPECT_TRUE(s.window->isVisible());
}

// A screen reader toggles the option boxes without a click: the option
// follows the box's mark all the same, in both layouts.
class AccessibleOption : public ::testing::TestWithParam<const char*> {};

TEST_P(AccessibleOption, ToggleSetsTheOption) {
    Started s(tinySetup(GetParam()));
    ASSERT_TRUE(s.started);
    ExamRecord& exam = s.program.Session.Exam;
    auto toggle = [&](int id) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(s.window->control(id));
        ASSERT_TRUE(iface && iface->actionInterface()) << id;
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        settle();
    };
    ASSERT_FALSE(exam.SeekEnabled);
    toggle(2004);
    EXPECT_TRUE(exam.SeekEnabled);
    EXPECT_EQ(s.text(2010), q("SEEK &Next"));
    toggle(2004);
    EXPECT_FALSE(exam.SeekEnabled);
    EXPECT_EQ(s.text(2010), q("&NEXT"));
    ASSERT_TRUE(exam.ManualAdvanceAfterIncorrect);
    toggle(2005);
    EXPECT_FALSE(exam.ManualAdvanceAfterIncorrect);
}

INSTANTIATE_TEST_SUITE_P(Layouts, AccessibleOption, ::testing::Values("", "/S"),
                         [](const auto& info) { return std::string(*info.param ? "Simplified" : "Normal"); });

// Quitting with an exam under way asks first; "No" goes back to the exam.
struct QuitCase {
    const char* name;
    int stage;  // 16 or 32
    int answer;
};

class QuitDuringExam : public ::testing::TestWithParam<QuitCase> {};

TEST_P(QuitDuringExam, AsksThenClosesOrStays) {
    const QuitCase& c = GetParam();
    Started s(tinySetup(""));
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    ExamRecord& exam = s.program.Session.Exam;
    exam.MarkingMode = MarkAtTheEnd;
    exam.ManualAdvance = true;
    s.window->show();
    s.window->command(2006);
    const int answers = c.stage == StageAllAnswered ? 4 : 1;
    for (int p = 1; p <= answers; ++p) {
        s.window->command(2021 + answerFor(s.program, p, Pick::Right));
        s.window->command(2010);
    }
    ASSERT_EQ(exam.ExamStage, c.stage);
    const size_t before = s.boxes.boxes.size();
    s.boxes.answer(c.answer);
    s.window->command(CmdQuit);
    settle();
    ASSERT_GT(s.boxes.boxes.size(), before);
    EXPECT_EQ(s.boxes.boxes[before].text, otherText(c.stage == StageAnswering ? 4 : 17));
    EXPECT_EQ(s.boxes.boxes[before].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    if (c.answer == IdNo) {
        EXPECT_TRUE(s.window->isVisible());
        EXPECT_EQ(exam.ExamStage, c.stage);
        EXPECT_EQ(s.boxes.boxes.size(), before + 1);
        return;
    }
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_EQ(exam.ExamStage, StageOver);
    // All answered but not marked: leaving marks them first; otherwise
    // the answers stay unmarked.
    EXPECT_EQ(exam.MarkResults.substr(0, 4), c.stage == StageAllAnswered ? "1111" : "-000");
    // Closed only once the session was written.
    EXPECT_FALSE(s.program.Session.Logging.pending());
    EXPECT_NE(fileBytes(s.folder().file("Ulvorane_Log.txt")).find("Tiny bank"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, QuitDuringExam,
    ::testing::Values(QuitCase{"AnsweringYes", StageAnswering, IdYes},
                      QuitCase{"AnsweringNo", StageAnswering, IdNo},
                      QuitCase{"AllAnsweredYes", StageAllAnswered, IdYes},
                      QuitCase{"AllAnsweredNo", StageAllAnswered, IdNo}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageMidExam, RecaptionsAndTheExamGoesOn) {
    Started s(tinySetup(""));
    ASSERT_TRUE(s.started);
    ExamRecord& exam = s.program.Session.Exam;
    launchManually(s);
    s.window->command(2021 + answerFor(s.program, 1, Pick::Right));
    s.window->command(2010);
    const QString question = s.text(2039);
    s.window->command(2015);
    EXPECT_EQ(uiContext().InterfaceLanguage, 1);
    EXPECT_EQ(s.text(2039), question);
    EXPECT_EQ(s.text(2031), q("Note:  100%"));
    EXPECT_EQ(s.text(2032), q("Question 2 de 4, en attente"));
    EXPECT_EQ(s.text(2026), q("Réponse 5.  Ne Sais Pas"));
    EXPECT_FALSE(enabled(s, 2006));
    for (int p = 2; p <= 4; ++p) {
        s.window->command(2021 + answerFor(s.program, p, Pick::Right));
        s.window->command(2010);
    }
    EXPECT_EQ(exam.ExamStage, StageOver);
    // The mark comes in the new language.
    EXPECT_EQ(s.boxes.boxes.back().text.rfind("Votre note est de 100%", 0), 0u) << s.boxes.boxes.back().text;
    s.window->command(2015);
}

}  // namespace
