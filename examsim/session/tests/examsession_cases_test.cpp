// Data-driven cases of a whole exam: where the focus goes under the
// simplified layout, what navigation refreshes, what a bank change ends and
// what a language switch draws again.
#include <gtest/gtest.h>

#include "examsim/session/examsession.h"
#include "examsim/session/figures.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/session/tests/examtest.h"

namespace {

struct FocusCase {
    const char* name;
    int markingMode;
    std::vector<bool> right;  // the answers, one per position from the first
};

class SimplifiedFocus : public ExamTest, public ::testing::WithParamInterface<FocusCase> {};

// Where nothing moves on by itself, a screen reader's user is taken to the
// status sentence, also when the answer ended the exam.
TEST_P(SimplifiedFocus, GoesToTheStatusBoxWhenThereIsNoAdvance) {
    const FocusCase& c = GetParam();
    session.View.SimplifiedLayout = true;
    exam().MarkingMode = c.markingMode;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (size_t i = 0; i < c.right.size(); ++i) {
        if (i > 0) go(Navigation::Next);
        view.events.clear();
        const int expected = bank.ExpectedAnswer[exam().ExamOrder[exam().CurrentQuestion]][0] - '0';
        click(c.right[i] ? expected : expected % 4 + 1);
    }
    EXPECT_TRUE(view.saw("focus status"));
    EXPECT_FALSE(view.saw("click next after 400"));
    myWaitForLogging(session, bank);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimplifiedFocus,
    ::testing::Values(FocusCase{"WrongAnswerKeptOnShow", MarkAsYouGo, {false}},
                      FocusCase{"LastAnswerEndsTheExam", MarkAsYouGo, {true, true, true}},
                      FocusCase{"LastAnswerWrongEndsTheExam", MarkAsYouGo, {true, true, false}},
                      FocusCase{"AllAnsweredWaitsForMark", MarkAtTheEnd, {true, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefreshCase {
    const char* name;
    int from;  // position shown before
    Navigation where;
    bool refreshed;
};

class NavigationRefresh : public ExamTest, public ::testing::WithParamInterface<RefreshCase> {};

// Seeking on, positions 1 and 3 answered: NEXT from 2 and PREVIOUS from 2
// find nothing, yet they refresh the question on show.
TEST_P(NavigationRefresh, NextAndPreviousRefreshEvenWhenSeekFindsNothing) {
    const RefreshCase& c = GetParam();
    exam().MarkingMode = MarkAtTheEnd;
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(1);
    go(Navigation::Last);
    click(1);
    exam().SeekEnabled = true;
    exam().CurrentQuestion = c.from;
    view.events.clear();
    go(c.where);
    EXPECT_EQ(exam().CurrentQuestion, c.from);
    bool texts = false;
    for (const std::string& e : view.events) texts = texts || e.rfind("texts ", 0) == 0;
    EXPECT_EQ(texts, c.refreshed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigationRefresh,
    ::testing::Values(RefreshCase{"NextFindsNothing", 2, Navigation::Next, true},
                      RefreshCase{"PreviousFindsNothing", 2, Navigation::Previous, true},
                      RefreshCase{"NextOnTheLast", 3, Navigation::Next, false},
                      RefreshCase{"PreviousOnTheFirst", 1, Navigation::Previous, false},
                      RefreshCase{"FirstOnTheFirst", 1, Navigation::First, false},
                      RefreshCase{"LastOnTheLast", 3, Navigation::Last, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BankChangeCase {
    const char* name;
    int answers;     // answered before the change (3 ends the exam)
    bool forgotten;  // the exam goes with the bank it came from
};

class BankChange : public ExamTest, public ::testing::WithParamInterface<BankChangeCase> {};

TEST_P(BankChange, EndsADrawnExamAndTheReview) {
    const BankChangeCase& c = GetParam();
    exam().ManualAdvanceAfterIncorrect = false;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int p = 1; p <= c.answers; ++p) {
        click(bank.ExpectedAnswer[exam().ExamOrder[p]][0] - '0');
        go(Navigation::Next);
    }
    myWaitForLogging(session, bank);
    const int stage = exam().ExamStage;
    BankModel other;
    fillFlatBank(other, 5);
    view.events.clear();
    myDiscardExamOfOtherBank(session, other);
    if (!c.forgotten) {
        EXPECT_EQ(exam().ExamStage, stage);
        EXPECT_EQ(exam().ExamSize, 3);
        EXPECT_TRUE(view.events.empty());
        return;
    }
    EXPECT_EQ(exam().ExamStage, StageNoExam);
    EXPECT_EQ(exam().ExamSize, 0);
    EXPECT_EQ(exam().CurrentQuestion, 0);
    EXPECT_TRUE(view.saw("default texts"));
    EXPECT_EQ(view.lastFigure(IdMarkFigure), "Mark:  nnn.n%");
    // Nothing of the old exam can be reached against the new bank.
    view.events.clear();
    for (Navigation where : {Navigation::First, Navigation::Next, Navigation::Last, Navigation::Previous})
        go(where);
    click(1);
    for (const std::string& e : view.events) EXPECT_EQ(e.rfind("texts ", 0), std::string::npos) << e;
    EXPECT_EQ(exam().ExamStage, StageNoExam);
    EXPECT_EQ(exam().GivenAnswers.find_first_not_of(' '), std::string::npos);
    // The next exam comes from the new bank.
    ASSERT_TRUE(myLaunchExam(session, other));
    EXPECT_EQ(exam().ExamSize, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, BankChange,
    ::testing::Values(BankChangeCase{"Drawn", 0, true}, BankChangeCase{"Answering", 1, false},
                      BankChangeCase{"Review", 3, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct RedrawCase {
    const char* name;
    int markingMode;
    std::vector<int> answers;  // one per question, from the first
    const char* markShown;     // the figure of the Mark label before the switch
};

class LanguageRedraw : public ExamTest, public ::testing::WithParamInterface<RedrawCase> {};

// A switch shows again what was on show, never a mark the label did not show.
TEST_P(LanguageRedraw, ShowsTheSameMarkInTheOtherLanguage) {
    const RedrawCase& c = GetParam();
    exam().MarkingMode = c.markingMode;
    exam().ManualAdvanceAfterIncorrect = true;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int answer : c.answers) {
        click(answer);
        go(Navigation::Next);
    }
    ASSERT_EQ(view.lastFigure(IdMarkFigure), std::string("Mark:  ") + c.markShown);
    uiContext().InterfaceLanguage = 1;
    view.events.clear();
    myRerenderFigures(exam(), bank, session.View);
    uiContext().InterfaceLanguage = 0;
    EXPECT_EQ(view.lastFigure(IdMarkFigure), std::string("Note:  ") + c.markShown);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LanguageRedraw,
    ::testing::Values(RedrawCase{"NothingAnswered", MarkAtTheEnd, {}, "nnn.n%"},
                      RedrawCase{"AtTheEndBeforeMark", MarkAtTheEnd, {2}, "nnn.n%"},
                      RedrawCase{"AtTheEndTwoWaiting", MarkAtTheEnd, {1, 3}, "nnn.n%"},
                      RedrawCase{"AsYouGoOneRight", MarkAsYouGo, {2}, "100%"},
                      RedrawCase{"AsYouGoOneOfTwo", MarkAsYouGo, {2, 1}, "50%"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
