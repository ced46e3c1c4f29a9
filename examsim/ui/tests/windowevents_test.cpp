// The main window's events around an exam: a change of bank during the
// review, the keyboard position after an answer, the Tab order of both
// layouts, the status box and status line, the options that change how an
// exam moves on, the clipboard and the language switch of the simplified
// layout.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QGuiApplication>
#include <QTest>

#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlwidgets.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/uicontext.h"

namespace {

// A bank of `topics` topics of one question each, expected answer 1, texts
// naming the bank so that a question of one bank is never taken for one of
// the other.
std::string namedBank(const std::string& name, int topics) {
    std::string bank = "^" + name + " bank^" + std::to_string(topics) + "^70^\r\n";
    for (int t = 1; t <= topics; ++t) {
        const std::string d = "B-00" + std::to_string(t) + "-001-001";
        bank += d + " (1) " + name + " question " + std::to_string(t) + "?\r\n";
        for (int a = 1; a <= 4; ++a) bank += std::to_string(a) + ". " + name + " answer " + std::to_string(a) + "\r\n";
        bank += "> " + name + " explanation " + std::to_string(t) + ".\r\n\r\n";
    }
    return bank;
}

FolderSetup oneBank(const char* arguments) {
    return FolderSetup{{}, "", "en_CA", arguments, {{"Questions_Alpha.txt", namedBank("Alpha", 4)}}};
}

FolderSetup twoBanks(const char* arguments) {
    return FolderSetup{{}, "", "en_CA", arguments,
                       {{"Questions_Alpha.txt", namedBank("Alpha", 4)}, {"Questions_Beta.txt", namedBank("Beta", 2)}}};
}

void chooseBank(Started& s, const QString& label) {
    QComboBox* banks = s.banks();
    // The list shows the 32-character labels, padded.
    const int index = banks->findText(label, Qt::MatchStartsWith);
    ASSERT_GE(index, 0) << label.toStdString();
    banks->setCurrentIndex(index);
    s.window->command(2000);
    settle();
}

void waitForLogging(Started& s) {
    for (int i = 0; i < 100 && s.program.Session.Logging.pending(); ++i) settle(10);
    settle();
}

void activate(Started& s) {
    s.window->show();
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
}

// --- A change of bank ends the review --------------------------------------

class BankChangeInReview : public ::testing::TestWithParam<bool> {};

TEST_P(BankChangeInReview, ShowsNoExamAndNothingOfTheOldOne) {
    const bool simplified = GetParam();
    Started s(twoBanks(simplified ? "/S" : ""));
    ASSERT_TRUE(s.started);
    chooseBank(s, q("Alpha"));
    ASSERT_EQ(s.program.Bank.QuestionCount, 4);
    launchManually(s);
    const int first = simplified ? 2040 : 2022;
    for (int p = 1; p <= 4; ++p) {
        s.window->command(first + (p % 2 ? 0 : 1));  // 1 right, 2 wrong, ...
        s.window->command(2010);
    }
    ExamRecord& exam = s.program.Session.Exam;
    ASSERT_EQ(exam.ExamStage, StageOver);
    waitForLogging(s);

    chooseBank(s, q("Beta"));
    EXPECT_EQ(s.program.Shelf.LoadedBank, 2);
    EXPECT_EQ(exam.ExamStage, StageNoExam);
    EXPECT_EQ(exam.ExamSize, 0);
    EXPECT_EQ(s.text(2039), toQLines(captionField(caption(2039), 1)));
    EXPECT_EQ(s.text(first), toQString(caption(first)));
    EXPECT_EQ(s.text(2004), toQString(captionField(caption(2004), 1)));
    if (simplified) {
        EXPECT_EQ(s.text(2038), q("Question 0 of 0, pending. Reference number x. Cumulative Mark 0%. "
                                  "Total unanswered 0."));
        EXPECT_EQ(s.text(2037), literalAmpersands(toQLines(captionField(caption(2037), 1))));
    } else {
        EXPECT_EQ(s.text(2032), toQString(replaceAll(captionField(caption(2032), 1), "&", "nnn")));
        EXPECT_EQ(s.text(2031), q("Mark:  nnn.n%"));
    }
    // Navigation finds no exam to show, old or new.
    for (int id : {2008, 2010, 2011, 2009}) s.window->command(id);
    for (int id : {2039, first, first + 1})
        EXPECT_EQ(s.text(id).indexOf(q("Beta")), -1) << id;
    EXPECT_EQ(s.text(2039).indexOf(q("Alpha")), -1);
    // The next exam is drawn from the new bank.
    s.window->command(2006);
    EXPECT_EQ(exam.ExamSize, 2);
    EXPECT_NE(s.text(2039).indexOf(q("Beta question")), -1);
    EXPECT_TRUE(s.errors().empty()) << s.errors().front().text;
}

INSTANTIATE_TEST_SUITE_P(Layouts, BankChangeInReview, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Simplified" : "Normal"); });

// --- Navigation captions wrap ----------------------------------------------

class NavigationCaptions : public ::testing::TestWithParam<bool> {};

// "RECHERCHE &Précédente" does not fit on one line of the simplified
// layout's 80-unit buttons: it must wrap, whole, within the button.
TEST_P(NavigationCaptions, FitTheirButtonsInFrenchWithSeekOn) {
    const bool simplified = GetParam();
    Started s(FolderSetup{{}, "", "fr_CA", simplified ? "/S" : "", {{"Questions_Alpha.txt", namedBank("Alpha", 4)}}});
    ASSERT_TRUE(s.started);
    s.window->show();
    s.window->command(2006);
    QTest::mouseClick(s.window->control(2004), Qt::LeftButton);
    ASSERT_EQ(s.text(2009), q("RECHERCHE &Précédente"));
    for (int id : {2008, 2009, 2010, 2011}) {
        auto* button = qobject_cast<WrapButton*>(s.window->control(id));
        ASSERT_NE(button, nullptr) << id << " does not wrap its caption";
        QStyleOptionButton option;
        option.initFrom(button);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) + 2;
        const QRect room = button->rect().adjusted(margin, 1, -margin, -1);
        const QRect needed = button->fontMetrics().boundingRect(
            room, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
        EXPECT_TRUE(room.contains(needed)) << id << " needs " << needed.width() << "x" << needed.height()
                                           << ", has " << room.width() << "x" << room.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, NavigationCaptions, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Simplified" : "Normal"); });

// --- The keyboard position after an answer (normal layout) -----------------

TEST(AnswerFocus, StaysOnTheAnswerWithoutBeingDrawn) {
    Started s(oneBank(""));
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.program.Session.Exam.ManualAdvance = true;
    activate(s);
    s.window->command(2006);
    auto* answer = static_cast<WrapButton*>(s.window->control(2023));
    answer->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(answer->focusDrawn());
    QTest::keyClick(answer, Qt::Key_Space);
    settle();
    EXPECT_EQ(s.program.Session.Exam.given(1), '2');
    EXPECT_EQ(QApplication::focusWidget(), answer);
    EXPECT_FALSE(answer->focusDrawn());
    // The next Tab goes on from the answer, and the answer draws its focus
    // again once it gets it back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s.window->control(2024));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), answer);
    EXPECT_TRUE(answer->focusDrawn());
}

// --- Tab order -------------------------------------------------------------

struct TabCase {
    const char* name;
    const char* arguments;
    std::vector<int> order;  // from the bank list, once round
};

class TabOrder : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabOrder, FollowsTheControlTable) {
    const TabCase& c = GetParam();
    Started s(oneBank(c.arguments));
    ASSERT_TRUE(s.started);
    activate(s);
    s.window->command(2006);  // an exam on show: every control in use
    s.window->control(c.order.front())->setFocus(Qt::TabFocusReason);
    std::vector<int> seen;
    for (size_t i = 0; i <= c.order.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "after " << seen.size() << " Tabs";
        seen.push_back(controlId(focus));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    std::vector<int> expected = c.order;
    expected.push_back(c.order.front());  // and round again
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TabOrder,
    ::testing::Values(TabCase{"Normal", "",
                              {2000, 2001, 2003, 2006, 2007, 2015, 2039, 2022, 2023, 2024, 2025, 2026, 2008,
                               2009, 2010, 2011, 2004, 2005, 2012}},
                      TabCase{"Simplified", "/S",
                              {2000, 2001, 2003, 2006, 2007, 2037, 2038, 2039, 2040, 2041, 2042, 2043, 2044,
                               2008, 2009, 2010, 2011, 2004, 2005}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Status box and status line --------------------------------------------

TEST(StatusBox, StartsWithTheNoExamSentence) {
    Started s(twoBanks("/S"));
    ASSERT_TRUE(s.started);
    EXPECT_EQ(s.text(2038), q("Question 0 of 0, pending. Reference number x. Cumulative Mark 0%. Total unanswered 0."));
}

class ReadingStatus : public ::testing::TestWithParam<int> {};

TEST_P(ReadingStatus, NamesTheBankWhileItIsRead) {
    const int language = GetParam();
    Started s(twoBanks(""));
    ASSERT_TRUE(s.started);
    if (language == 1) s.window->command(CmdFrench);
    std::vector<std::string> shown;
    StatusSink inner = statusSink();
    statusSink() = [&](const std::string& text) {
        shown.push_back(text);
        if (inner) inner(text);
    };
    chooseBank(s, q("Beta"));
    statusSink() = inner;
    ASSERT_EQ(shown.size(), 2u);
    const std::string prefix = language == 0 ? "Reading Question Bank " : "Lecture de la Banque de Question ";
    EXPECT_EQ(shown[0].rfind(prefix, 0), 0u) << shown[0];
    EXPECT_NE(shown[0].find("Questions_Beta.txt"), std::string::npos) << shown[0];
    EXPECT_EQ(shown[1], "");  // cleared once read
    EXPECT_EQ(s.text(2049), QString());
    if (language == 1) s.window->command(CmdFrench);
}

INSTANTIATE_TEST_SUITE_P(Languages, ReadingStatus, ::testing::Values(0, 1),
                         namedBy(languageName));

// --- How an exam moves on --------------------------------------------------

struct AdvanceCase {
    const char* name;
    bool manualAfterIncorrect;  // the check box
    bool right;
    int positionAfter;
};

class AdvanceAfterAnswer : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(AdvanceAfterAnswer, FollowsTheManualAdvanceBox) {
    const AdvanceCase& c = GetParam();
    Started s(oneBank(""));
    ASSERT_TRUE(s.started);
    steadyClock(s.program);
    s.window->show();
    auto* box = static_cast<QCheckBox*>(s.window->control(2005));
    ASSERT_TRUE(box->isChecked());
    if (!c.manualAfterIncorrect) QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(s.program.Session.Exam.ManualAdvanceAfterIncorrect, c.manualAfterIncorrect);
    s.window->command(2006);
    s.window->command(c.right ? 2022 : 2023);
    settle(450);
    EXPECT_EQ(s.program.Session.Exam.CurrentQuestion, c.positionAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdvanceAfterAnswer,
    ::testing::Values(AdvanceCase{"OnWrongStays", true, false, 1}, AdvanceCase{"OnRightMovesOn", true, true, 2},
                      AdvanceCase{"OffWrongMovesOn", false, false, 2}, AdvanceCase{"OffRightMovesOn", false, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct CriterionCase {
    const char* name;
    bool answerFirst;
    int positionAfter;  // a new draw shows position 1
};

class CriterionChange : public ::testing::TestWithParam<CriterionCase> {};

TEST_P(CriterionChange, RedrawsAnExamNobodyStarted) {
    const CriterionCase& c = GetParam();
    Started s(oneBank(""));
    ASSERT_TRUE(s.started);
    launchManually(s);
    ExamRecord& exam = s.program.Session.Exam;
    if (c.answerFirst) s.window->command(2022);
    s.window->command(2011);
    ASSERT_EQ(exam.CurrentQuestion, 4);
    auto* criteria = static_cast<QComboBox*>(s.window->control(2001));
    criteria->setCurrentIndex(1);
    s.window->command(2001);
    settle();
    EXPECT_EQ(exam.SelectionCriterion, 2);
    EXPECT_EQ(exam.CurrentQuestion, c.positionAfter);
    EXPECT_EQ(exam.ExamStage, c.answerFirst ? StageAnswering : StageDrawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, CriterionChange,
                         ::testing::Values(CriterionCase{"Drawn", false, 1}, CriterionCase{"Started", true, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Simplified layout: clipboard and language -----------------------------

TEST(ExplanationArea, CopiesTheExplanationToTheClipboard) {
    Started s(oneBank("/S"));
    ASSERT_TRUE(s.started);
    launchManually(s);
    QGuiApplication::clipboard()->setText(q("before"));
    s.window->command(2041);  // wrong: marked, its explanation shown
    QTest::mouseClick(s.window->control(2037), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), q("Alpha explanation 1."));
}

TEST(SimplifiedLanguage, RendersTheSameExamInFrench) {
    Started s(oneBank("/S"));
    ASSERT_TRUE(s.started);
    launchManually(s);
    s.window->command(2040);  // right
    s.window->command(2010);
    const QString question = s.text(2039);
    s.window->command(CmdFrench);
    EXPECT_EQ(uiContext().InterfaceLanguage, 1);
    EXPECT_EQ(s.text(2039), question);
    EXPECT_EQ(s.text(2038),
              q("Question 2 de 4, en attente. Numéro de référence B-002-001-001. Note cumulative 100%. "
                "Total sans réponse 3."));
    EXPECT_EQ(s.text(2040), q("1. Alpha answer 1"));
    EXPECT_EQ(s.text(2044), q("Réponse 5.  Ne Sais Pas"));
    EXPECT_EQ(s.text(2006), q("Lancer"));
    EXPECT_EQ(s.text(2037), literalAmpersands(toQLines(captionField(caption(2037), 1))));
    s.window->command(CmdFrench);
    EXPECT_EQ(s.text(2038),
              q("Question 2 of 4, pending. Reference number B-002-001-001. Cumulative Mark 100%. "
                "Total unanswered 3."));
}

}  // namespace
