// The windows the main window opens: the explanation window, the help and
// about boxes, the lesson dialog and the authors' input box; and the
// window's resizing and status-line hints.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "examsim/ui/inputbox.h"
#include "examsim/ui/lessondialog.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/uicontext.h"

namespace {

QString plain(QWidget* w) {
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->toPlainText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

TEST(ExplanationWindow, HintFirstThenTheExplanationOnceMarked) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    ExamRecord& exam = s.program.Session.Exam;
    launchManually(s);
    s.window->command(2012);
    ExplanationWindow* w = s.window->explanationWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(s.text(2012), q("Hide\n&Explanation"));
    EXPECT_EQ(w->content(), ShowsHint);
    EXPECT_EQ(plain(w->text()), toQLines(otherText(OtherExplanationHint)));
    // It covers the window's top left, up to the "Progress" frame.
    const DialogUnits dlu = dialogUnits(s.window.get());
    EXPECT_EQ(w->width(), s.window->control(2020)->x() - dlu.toPixelsX(2));
    EXPECT_EQ(w->x(), s.window->centralWidget()->mapToGlobal(QPoint(0, 0)).x());

    // The hint follows the language; an explanation would not.
    s.window->command(2015);
    EXPECT_EQ(plain(w->text()), toQLines(otherTextIn(OtherExplanationHint, 1)));
    s.window->command(2015);

    // A wrong answer marked as it goes: the explanation comes in.
    const int right = s.program.Bank.ExpectedAnswer[exam.ExamOrder[1]][0] - '0';
    s.window->command(2021 + right % 4 + 1);
    settle();
    EXPECT_EQ(w->content(), ShowsExplanation);
    EXPECT_EQ(fromQString(w->text()->toPlainText()), s.program.Bank.Explanation[exam.ExamOrder[1]]);
    // On to an unanswered question: emptied.
    s.window->command(2010);
    settle();
    EXPECT_TRUE(w->text()->toPlainText().isEmpty());
    // Opened again on the marked question, it shows the explanation at once.
    s.window->command(2012);
    EXPECT_EQ(s.window->explanationWindow(), nullptr);
    EXPECT_EQ(s.text(2012), q("Display\n&Explanation"));
    s.window->command(2008);
    s.window->command(2012);
    ASSERT_NE(s.window->explanationWindow(), nullptr);
    EXPECT_EQ(s.window->explanationWindow()->content(), ShowsExplanation);
}

// The official pools explain nothing: the window says so rather than
// showing an empty box.
TEST(ExplanationWindow, SaysTheBankGivesNoExplanationWhereTheQuestionHasNone) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    ExamRecord& exam = s.program.Session.Exam;
    launchManually(s);
    s.program.Bank.Explanation[exam.ExamOrder[1]].clear();
    s.window->command(2012);
    const int right = s.program.Bank.ExpectedAnswer[exam.ExamOrder[1]][0] - '0';
    s.window->command(2021 + right % 4 + 1);
    settle();
    ExplanationWindow* w = s.window->explanationWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(plain(w->text()), q("This question bank gives no explanation for this question."));
    // Closed, its button greyed on that question, back on one that has one.
    QWidget* button = s.window->control(2012);
    s.window->command(2012);
    EXPECT_FALSE(button->isEnabled());
    s.window->command(2010);
    EXPECT_TRUE(button->isEnabled());
    s.window->command(2009);
    EXPECT_FALSE(button->isEnabled());
}

TEST(ExplanationWindow, MovesWhenDraggedByItsLine) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->show();
    s.window->command(2012);
    ExplanationWindow* w = s.window->explanationWindow();
    ASSERT_NE(w, nullptr);
    const QPoint before = w->pos();
    const QPoint onLine(20, 0);
    QTest::mousePress(w, Qt::LeftButton, {}, onLine);
    QMouseEvent move(QEvent::MouseMove, QPointF(onLine + QPoint(30, 40)),
                     QPointF(w->mapToGlobal(onLine + QPoint(30, 40))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, onLine + QPoint(30, 40));
    EXPECT_EQ(w->pos(), before + QPoint(30, 40));
}

struct BoxCase {
    const char* name;
    int command;
    int kind;
    const char* title;
    int focusId;  // control focused when asked for again
};

class InformationBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(InformationBox, OneAtATimeEscapeClosesLanguageFollows) {
    const BoxCase& c = GetParam();
    Started s(FolderSetup{{English}, "", "en_CA", "/S"});
    ASSERT_TRUE(s.started);
    s.window->command(c.command);
    InfoBox* box = s.window->infoBox(c.kind);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parent(), nullptr);
    EXPECT_EQ(box->windowTitle(), q(c.title));
    QWidget* text = findControl(box, c.kind == 1 ? HelpTextId : AboutTextId);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(plain(text), toQLines(longText(c.kind)));
    const DialogUnits dlu = dialogUnits(s.window.get());
    EXPECT_EQ(box->height(), dlu.toPixelsY(c.kind == 1 ? 200 : 160));

    s.window->command(c.command);
    EXPECT_EQ(s.window->infoBox(c.kind), box);
    EXPECT_EQ(box->focusWidget(), findControl(box, c.focusId));

    s.window->command(2015);
    EXPECT_EQ(plain(text), toQLines(longTextIn(c.kind, 1)));
    s.window->command(2015);

    QPointer<InfoBox> alive(box);
    QTest::keyClick(box, Qt::Key_Escape);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(s.window->infoBox(c.kind), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InformationBox,
    ::testing::Values(BoxCase{"Help", CmdHelp, 1, "Ulvorane - Help", HelpTextId},
                      BoxCase{"About", CmdAbout, 2, "Ulvorane - About", 1},
                      BoxCase{"AboutFromTheLogo", 2016, 2, "Ulvorane - About", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InformationBox, ClosingTheMainWindowEndsThem) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->show();
    s.window->command(CmdHelp);
    s.window->command(CmdAbout);
    QPointer<InfoBox> help(s.window->infoBox(1)), about(s.window->infoBox(2));
    ASSERT_TRUE(help && about);
    EXPECT_TRUE(s.window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
    EXPECT_TRUE(about.isNull());
}

TEST(TextBoxFilter, AClickOnlyGivesTheFocusWithNothingSelected) {
    Started s(FolderSetup{{English}, "", "en_CA", "/S"});
    ASSERT_TRUE(s.started);
    s.window->show();
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    auto* box = static_cast<QPlainTextEdit*>(s.window->control(2039));
    box->selectAll();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(40, 8));
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_EQ(box->textCursor().position(), 0);
}

// A bank of four lessons: the first three target twelve topics with forty
// questions (14, 13 and 13), the fourth five topics of its own.
std::string lessonBank() {
    std::string bank = "^Lesson bank^100^70^\r\n";
    const int topics[] = {4, 4, 4, 5};
    const int questions[] = {14, 13, 13, 5};
    int topicBase = 0;
    for (int l = 0; l < 4; ++l) {
        bank += "{L" + std::to_string(l + 1) + "} Lesson " + std::to_string(l + 1) + "\r\n";
        for (int n = 0; n < questions[l]; ++n) {
            char d[32];
            std::snprintf(d, sizeof d, "B-%03d-001-%03d", topicBase + n % topics[l] + 1, n / topics[l] + 1);
            bank += std::string(d) + " (1) Question?\r\n1. one\r\n2. two\r\n3. three\r\n4. four\r\n";
        }
        topicBase += topics[l];
    }
    return bank;
}

FolderSetup lessonSetup() {
    return FolderSetup{{}, "", "en_CA", "", {{"Questions_Lessons.txt", lessonBank()}}};
}

// Opens the dialog from the menu and lets the action work on it.
void withLessonDialog(Started& s, const std::function<void(LessonDialog&)>& action) {
    s.boxes.answerWith([action](const ModalRequest& request) -> std::optional<int> {
        auto* dialog = qobject_cast<LessonDialog*>(request.Dialog);
        if (!dialog) return 0;
        action(*dialog);
        return dialog->result();
    });
    s.window->command(CmdLessons);
    settle();
}

std::vector<std::string> items(const QComboBox* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(fromQString(list->itemText(i)));
    return out;
}

TEST(LessonDialog, LiveFiguresAndTheResetPostedOnce) {
    Started s(lessonSetup());
    ASSERT_TRUE(s.started);
    ASSERT_EQ(s.program.Bank.LessonCount, 4);
    ExamRecord& exam = s.program.Session.Exam;
    s.window->command(2006);
    ASSERT_EQ(exam.ExamStage, StageDrawn);

    withLessonDialog(s, [](LessonDialog& d) {
        EXPECT_EQ(d.windowTitle(), q("Ulvorane - Selection"));
        EXPECT_EQ(d.sizeList()->toolTip(), QString());  // asked for at show time
        for (int i = 1; i <= 3; ++i) QTest::mouseClick(d.lessonBox(i), Qt::LeftButton);
        EXPECT_EQ(d.poolLabel()->text(),
                  q("Lessons selected = 3,  Topics targeted = 12,  Questions available in pool = 40"));
        EXPECT_EQ(items(d.sizeList()),
                  (std::vector<std::string>{"12 Topic(s) at 1 question(s) each = maximum 12 question(s)",
                                            "12 Topic(s) at 2 question(s) each = maximum 24 question(s)",
                                            "12 Topic(s) at 3 question(s) each = maximum 36 question(s)",
                                            "40 question(s)"}));
        EXPECT_EQ(d.sizeList()->currentIndex(), 3);
        QTest::mouseClick(d.useButton(), Qt::LeftButton);
    });
    EXPECT_EQ(s.program.Bank.QuestionsPerTopic, 15);
    EXPECT_TRUE(s.window->menuAction(CmdLessons)->isChecked());
    EXPECT_EQ(exam.ExamStage, StageNoExam);  // the drawn exam was reset

    s.window->command(2006);
    ASSERT_EQ(exam.ExamStage, StageDrawn);
    EXPECT_EQ(exam.ExamSize, 40);  // the whole pool of the three lessons
    // The same choice again: the dialog shows it, and nothing is reset.
    withLessonDialog(s, [](LessonDialog& d) {
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(d.lessonBox(i)->isChecked(), i <= 3) << i;
        EXPECT_EQ(d.sizeList()->currentIndex(), 3);
        QTest::mouseClick(d.useButton(), Qt::LeftButton);
    });
    EXPECT_EQ(exam.ExamStage, StageDrawn);

    // Escape cancels: the restriction goes and the drawn exam is reset.
    withLessonDialog(s, [](LessonDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(s.program.Bank.QuestionsPerTopic, 0);
    EXPECT_FALSE(s.window->menuAction(CmdLessons)->isChecked());
    EXPECT_EQ(exam.ExamStage, StageNoExam);
    EXPECT_TRUE(s.errors().empty());
}

TEST(LessonDialog, NothingTickedKeepsTheDialogOpen) {
    Started s(lessonSetup());
    ASSERT_TRUE(s.started);
    withLessonDialog(s, [&s](LessonDialog& d) {
        EXPECT_EQ(items(d.sizeList()), std::vector<std::string>{"0 question(s)"});
        QTest::mouseClick(d.useButton(), Qt::LeftButton);
        EXPECT_EQ(s.errors().size(), 1u);
        EXPECT_EQ(d.result(), 0);
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
    });
    EXPECT_EQ(s.program.Bank.QuestionsPerTopic, 0);
}

TEST(LessonDialog, ABankWithoutLessonsSaysSo) {
    Started s(FolderSetup{{}, "", "en_CA", "", {{"Questions_Tiny.txt", "^Tiny^4^70^\r\nB-001-001-001 (1) Q?\r\n1. a\r\n2. b\r\n3. c\r\n4. d\r\n"}}});
    ASSERT_TRUE(s.started);
    const size_t before = s.boxes.boxes.size();
    s.window->command(CmdLessons);
    EXPECT_EQ(s.boxes.boxes.size(), before);  // no dialog
    ASSERT_EQ(s.errors().size(), 1u);
    EXPECT_EQ(s.errors()[0].text,
              "No Question Bank selected yet  or  Question Bank not broken down by lessons.");
}

struct LessonMarkCase {
    const char* name;
    FolderSetup setup;
    std::function<void(LessonDialog&)> inDialog;  // null: the dialog must not open
    bool checked;                                 // the menu's mark afterwards
};

class LessonMenuMark : public ::testing::TestWithParam<LessonMarkCase> {};

// Qt flips a checkable item's mark before its command runs: the mark must
// still say whether a restriction is in force, whatever the dialog did.
TEST_P(LessonMenuMark, ShowsExactlyWhileARestrictionIsInForce) {
    const LessonMarkCase& c = GetParam();
    Started s(c.setup);
    ASSERT_TRUE(s.started);
    bool opened = false;
    s.boxes.answerWith([&](const ModalRequest& request) -> std::optional<int> {
        auto* dialog = qobject_cast<LessonDialog*>(request.Dialog);
        if (!dialog) return 0;
        opened = true;
        if (c.inDialog) c.inDialog(*dialog);
        return dialog->result();
    });
    QAction* item = s.window->menuAction(CmdLessons);
    ASSERT_FALSE(item->isChecked());
    item->trigger();
    settle();
    EXPECT_EQ(opened, c.inDialog != nullptr);
    EXPECT_EQ(item->isChecked(), c.checked);
    EXPECT_EQ(s.program.Bank.LessonMenuChecked, c.checked);
    EXPECT_EQ(s.errors().empty(), c.inDialog != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LessonMenuMark,
    ::testing::Values(
        LessonMarkCase{"NoBankChosen", FolderSetup{{English, French}}, nullptr, false},
        LessonMarkCase{"BankWithoutLessons",
                       FolderSetup{{}, "", "en_CA", "",
                                   {{"Questions_Tiny.txt",
                                     "^Tiny^4^70^\r\nB-001-001-001 (1) Q?\r\n1. a\r\n2. b\r\n3. c\r\n4. d\r\n"}}},
                       nullptr, false},
        LessonMarkCase{"Cancelled", lessonSetup(),
                       [](LessonDialog& d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); }, false},
        LessonMarkCase{"SelectionUsed", lessonSetup(),
                       [](LessonDialog& d) {
                           QTest::mouseClick(d.lessonBox(1), Qt::LeftButton);
                           QTest::mouseClick(d.useButton(), Qt::LeftButton);
                       },
                       true}),
    [](const auto& info) { return std::string(info.param.name); });

struct DumpCase {
    const char* name;
    std::optional<std::string> reply;  // nullopt: Cancel
    bool written;
};

class DumpUtility : public ::testing::TestWithParam<DumpCase> {};

TEST_P(DumpUtility, AsksThenWritesTempTxt) {
    const DumpCase& c = GetParam();
    Started s(FolderSetup{{English}, "", "en_CA", "/D"});
    ASSERT_TRUE(s.started);
    s.boxes.answerWith([&c](const ModalRequest& request) -> std::optional<int> {
        EXPECT_EQ(request.Kind, ModalKind::Dialog);
        EXPECT_EQ(request.Title, "Write from current bank to TEMP.TXT");
        if (!c.reply) return QDialog::Rejected;
        findControl(request.Dialog, InputTextId)->setProperty("text", toQString(*c.reply));
        return QDialog::Accepted;
    });
    s.window->command(CmdDumpUtility);
    const std::string temp = s.folder().file("Temp.txt");
    ASSERT_EQ(std::filesystem::exists(temp), c.written);
    if (!c.written) return;
    const std::string bytes = fileBytes(temp);
    // English help, a line break, French help.
    EXPECT_EQ(bytes, longTextIn(1, 0) + "\r\n" + longTextIn(1, 1) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, DumpUtility,
    ::testing::Values(DumpCase{"HelpTexts", std::string("6"), true},
                      DumpCase{"UnknownChoice", std::string("7"), false},
                      DumpCase{"Cancelled", std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Resizing, ControlsFollowTheWindow) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->show();
    settle();
    QWidget* progress = s.window->control(2020);
    QWidget* status = s.window->control(2049);
    QWidget* answer = s.window->control(2022);
    QWidget* client = s.window->centralWidget();
    const QRect p0 = progress->geometry(), s0 = status->geometry(), a0 = answer->geometry();
    const int bottomGap = client->height() - s0.bottom();
    const QSize initial = s.window->size();
    // Smaller: the offscreen screen is no larger than the window.
    s.window->resize(s.window->size() - QSize(60, 20));
    settle();
    EXPECT_EQ(progress->x(), p0.x() - 60);
    EXPECT_EQ(status->width(), s0.width() - 60);
    EXPECT_EQ(client->height() - status->geometry().bottom(), bottomGap);
    EXPECT_EQ(answer->width(), a0.width() - 60);
    EXPECT_EQ(answer->height(), a0.height() - 3);  // 15 % of the height change
    // It cannot shrink below 85 % of its width, 95 % of its height.
    EXPECT_NEAR(s.window->minimumWidth(), initial.width() * 0.85, 1);
    EXPECT_NEAR(s.window->minimumHeight(), initial.height() * 0.95, 1);
}

TEST(StatusLineHints, StandInForTooltips) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    toolTipState().ToolTipsAvailable = true;
    myAddToolTips(s.window->centralWidget(), examToolTips());
    toolTipState().ToolTipsAvailable = false;
    auto* line = static_cast<QLabel*>(s.window->control(2049));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(s.window->control(2006), &enter);
    EXPECT_EQ(line->text(), q(" Prepare a new exam. If partial exam needed, first see Tools > Lesson Selection."));
    EXPECT_EQ(line->palette().color(QPalette::Window), QColor(255, 255, 0));
    s.window->command(2015);
    QApplication::sendEvent(s.window->control(2007), &enter);
    EXPECT_EQ(line->text(), q(" Procéder à la correction."));
    s.window->command(2015);
    toolTipState().ToolTipsAvailable = true;
}

}  // namespace
