// Whole exams through the recording view, and the rules of answering,
// marking, seeking and ending.
#include "examsim/session/examsession.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

#include "examsim/bank/lessonpool.h"
#include "examsim/session/figures.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/session/tests/examtest.h"
#include "examsim/session/tests/sessiontestkit.h"

namespace {

const std::string kFiller = ".............S";

std::string reportTail(const std::string& designation, const std::string& answerLine) {
    std::string out = "\r\n" + designation + " Question " + designation + "?\r\n" + answerLine + "\r\n";
    for (int a = 1; a <= 4; ++a)
        out += std::to_string(a) + ". Answer " + std::to_string(a) + " of " + designation + "\r\n";
    return out + "Because " + designation + ".\r\n";
}

// Quick clicking: a click while the program waits to show the next
// question is refused with a sound; once it is shown, its first click
// counts at once, however soon after the last answer.
TEST_F(ExamTest, AClickDuringTheWaitToAdvanceIsRefusedAndTheNextQuestionTakesItsFirst) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(2);  // right: NEXT is clicked after the delay
    ASSERT_TRUE(view.saw("click next after 400"));
    view.events.clear();
    click(3, 0);
    EXPECT_EQ(view.events, std::vector<std::string>{"sound SoundUncheck"});
    EXPECT_EQ(exam().GivenAnswers.substr(0, 3), "200");
    go(Navigation::Next);  // the program's click
    ASSERT_EQ(exam().CurrentQuestion, 2);
    view.events.clear();
    click(3, 0);
    EXPECT_EQ(exam().GivenAnswers.substr(0, 3), "230");
    EXPECT_FALSE(view.saw("sound SoundUncheck"));
}

// A practice drill's end gives each lesson's score, and no pass mark; a
// missed answer before the last question waits for NEXT, a right one goes on.
TEST_F(ExamTest, ADrillEndsWithEachLessonsScoreAndAMissWaitsForNext) {
    bank.Lessons[1].LessonQuestionCount = 1;  // L02
    bank.Lessons[2].LessonQuestionCount = 2;  // L01
    LessonOutcome outcome;
    ASSERT_TRUE(myStartDrill(bank, {1, 2}, outcome));
    ASSERT_TRUE(myLaunchExam(session, bank));
    ASSERT_EQ(exam().ExamSize, 3);
    EXPECT_TRUE(exam().Drill);
    EXPECT_FALSE(myAwaitsNext(exam()));
    click(2);  // right: the program goes on by itself
    EXPECT_FALSE(myAwaitsNext(exam()));
    go(Navigation::Next);
    click(1);  // missed (3 expected)
    EXPECT_TRUE(myAwaitsNext(exam()));
    go(Navigation::Next);
    click(1);  // right, and the last
    EXPECT_FALSE(myAwaitsNext(exam()));
    myWaitForLogging(session, bank);
    ASSERT_EQ(view.informed.size(), 1u);
    const std::string& end = view.informed[0].second;
    EXPECT_EQ(end.find("pass mark"), std::string::npos) << end;
    EXPECT_EQ(end.substr(0, end.find("\r\n\r\n")),
              "Your mark is 66.7%\r\nA practice drill, not an exam. Lesson scores: L01 2 of 2 right (100%); "
              "L02 0 of 1 right (0%).");
}

TEST_F(ExamTest, AsYouGoExamWritesExactLogAndReport) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    EXPECT_EQ(exam().ExamStage, StageDrawn);
    EXPECT_EQ(exam().GivenAnswers, "000" + std::string(122, ' '));
    EXPECT_TRUE(view.saw("seek caption 2"));

    click(2);  // correct
    EXPECT_EQ(exam().ExamStage, StageAnswering);
    EXPECT_TRUE(view.saw("choices off"));
    EXPECT_TRUE(view.saw("lesson menu off"));
    EXPECT_TRUE(view.saw("click next after 400"));
    EXPECT_EQ(view.lastFigure(IdMarkFigure), "Mark:  100%");
    go(Navigation::Next);

    view.events.clear();
    click(5);  // "Don't know": the question stays shown
    EXPECT_FALSE(view.saw("click next after 400"));
    EXPECT_EQ(exam().MarkResults.substr(0, 3), "130");
    EXPECT_TRUE(view.saw("indicator 4 6"));
    EXPECT_TRUE(view.saw("indicator 2 4"));
    go(Navigation::Next);

    clock.advanceSeconds(12 * 60 + 5);
    click(4);  // incorrect, and the last one: the exam ends by itself
    EXPECT_EQ(exam().ExamStage, StageOver);
    EXPECT_TRUE(view.saw("choices on"));
    EXPECT_TRUE(view.saw("seek caption 3"));
    EXPECT_TRUE(view.lessonMenu);
    myWaitForLogging(session, bank);
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();

    const std::string summary =
        "~ Basic Test Bank ~ 2014/04/25 14:30 ~ 33.3% ~  0=unans ~   3 Qstns ~  1=Mode ~ 64=Stage "
        "~  1=ok~  1=wrg~  1=dk~ Elapsed 00:12:07 ~ E1 ~";
    EXPECT_EQ(fileBytes(session.LogFilePath),
              summary + "\r\n" + "B-001-001-001iB-001-002-001rB-002-001-001e" + times(22, kFiller) +
                  "\r\n\r\n");

    std::string report = summary + "\r\n\r\n\r\n" +
                         "Lesson        Questions     Success       Title\r\n" +
                         "L01           2             50%           " + fixedWidth("Rules", 80) + "\r\n" +
                         "L02           1             0%            " + fixedWidth("Theory", 80) + "\r\n" +
                         reportTail("B-001-002-001", " Answer is 3,  not 5     See L02 ") +
                         reportTail("B-002-001-001", " Answer is 1,  not 4     See L01 ");
    EXPECT_EQ(fileBytes(dir.file("Missed_2014-04-25_h14-m30.txt")), report);

    ASSERT_EQ(view.informed.size(), 1u);
    EXPECT_EQ(view.informed[0].first, "Ulvorane - Info");
    EXPECT_EQ(view.informed[0].second, "Your mark is 33.3%\r\nIt does not reach the pass mark of 70%.\r\n\r\nWriting missed questions to file \r\n"
                                       "Missed_2014-04-25_h14-m30.txt\r\nin folder \r\n" +
                                           dir.path() + "/");
    // The session already counts for the next exam of this run.
    EXPECT_EQ(slotOf(bank, 1).Stats[1], 1);
    EXPECT_EQ(slotOf(bank, 2).Stats[0], 1);
    EXPECT_EQ(slotOf(bank, 3).Stats[0], 1);
    EXPECT_EQ(session.Catalogue.Columns[1].Count, 1);
    EXPECT_EQ(session.Catalogue.Columns[1].Position[1], 0);
}

TEST_F(ExamTest, AtTheEndExamWithSeekRemovalAndFrenchTexts) {
    uiContext().InterfaceLanguage = 1;
    session.View.SimplifiedLayout = true;
    exam().MarkingMode = MarkAtTheEnd;
    exam().SelectionCriterion = 3;
    exam().AudibleClues = true;
    exam().ManualAdvance = true;
    exam().SeekEnabled = true;
    ASSERT_TRUE(myLaunchExam(session, bank));

    go(Navigation::Last);
    click(1);  // position 3, correct once marked
    EXPECT_TRUE(view.saw("sound SoundCheck"));
    EXPECT_FALSE(view.saw("click next after 400"));  // manual advance
    go(Navigation::First);
    click(2);  // position 1
    go(Navigation::Next);  // seeks the only unanswered one
    EXPECT_EQ(exam().CurrentQuestion, 2);
    click(1);  // position 2, wrong
    EXPECT_EQ(exam().ExamStage, StageAllAnswered);
    EXPECT_TRUE(exam().MarkArmed);
    // The figures of a question waiting for marking do not move.
    EXPECT_EQ(view.lastFigure(IdStatusText),
              latin1("Question 2 de 3. Réponse 1 choisie.  Numéro de référence B-001-002-001. "
                     "Note cumulative 0%. Total sans réponse 0."));

    view.events.clear();
    click(1);  // box 1 is checked: the answer is taken back
    EXPECT_EQ(exam().given(2), '0');
    EXPECT_FALSE(exam().MarkArmed);
    EXPECT_TRUE(view.saw("sound SoundUncheck"));
    EXPECT_TRUE(view.saw("disarmed"));
    myMarkButton(session, bank);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, latin1("La correction n'est permise qu'avec un mode de correction en fin "
                                           "d'examen et qu'une fois toutes les réponses soumises."));
    click(5);
    EXPECT_TRUE(exam().MarkArmed);

    clock.advanceSeconds(59);
    myMarkButton(session, bank);
    EXPECT_EQ(exam().MarkResults.substr(0, 3), "131");
    EXPECT_EQ(exam().ExamStage, StageOver);
    myWaitForLogging(session, bank);
    ASSERT_EQ(errors.boxes.size(), 1u) << errors.lastText();

    const std::string summary =
        "~ Basic Test Bank ~ 2014/04/25 14:30 ~ 66.7% ~  0=unans ~   3 Qstns ~  2=Mode ~ 65=Stage "
        "~  2=ok~  0=wrg~  1=dk~ Elapsed 00:01:03 ~ F3AM ~";
    EXPECT_EQ(fileBytes(session.LogFilePath),
              summary + "\r\nB-001-001-001iB-001-002-001rB-002-001-001b" + times(22, kFiller) + "\r\n\r\n");
    std::string report = summary + "\r\n\r\n\r\n" + latin1("Leçon         Questions     Succès        Titre") +
                         "\r\n" + "L01           2             100%          " + fixedWidth("Rules", 80) +
                         "\r\n" + "L02           1             0%            " + fixedWidth("Theory", 80) +
                         "\r\n" + reportTail("B-001-002-001", latin1(" Réponse est 3,  et non 5     Voir L02 "));
    // The report's Latin-1 name is written in the file system's own form.
    EXPECT_EQ(fileBytes(pathFromBytes(dir.file("Erronées_2014-04-25_h14-m30.txt"))), report);
}

TEST_F(ExamTest, QuittingWhileAnsweringAsksAndLogsPendingAnswersUnmarked) {
    exam().MarkingMode = MarkAtTheEnd;
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(2);
    view.answerYes = false;
    EXPECT_EQ(myEndExam(session, bank, 1), 3);
    EXPECT_EQ(exam().ExamStage, StageAnswering);
    ASSERT_EQ(view.asked.size(), 1u);
    EXPECT_EQ(view.asked[0].first, "Ulvorane - Warning");
    EXPECT_EQ(view.asked[0].second, "Some questions remain UNanswered.\r\nDo you really want to abandon the "
                                    "exam ?\r\nYES = quit program, NO = return to exam.");
    view.answerYes = true;
    EXPECT_EQ(myEndExam(session, bank, 1), 1);
    myWaitForLogging(session, bank);
    std::string log = fileBytes(session.LogFilePath);
    EXPECT_NE(log.find(" 2=unans ~   3 Qstns ~  2=Mode ~ 16=Stage ~  0=ok~  0=wrg~  0=dk~"), std::string::npos)
        << log;
    // Nothing was marked: every question is in the report.
    std::string report = fileBytes(dir.file("Missed_2014-04-25_h14-m30.txt"));
    EXPECT_NE(report.find(" Answer is 2,  not 2     See L01 "), std::string::npos);
    EXPECT_NE(report.find(" Answer is 3,  not 0     See L02 "), std::string::npos);
    EXPECT_EQ(report.find("Lesson "), std::string::npos);  // no lesson was marked
}

TEST_F(ExamTest, QuittingWhenAllAnsweredMarksEverythingFirst) {
    exam().MarkingMode = MarkByExaminer;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int answer : {2, 3, 1}) {
        click(answer);
        go(Navigation::Next);
    }
    ASSERT_EQ(exam().ExamStage, StageAllAnswered);
    EXPECT_EQ(myEndExam(session, bank, 1), 1);
    EXPECT_EQ(view.asked.at(0).second.substr(0, 36), "Marking (scoring) has NOT been done.");
    EXPECT_EQ(exam().MarkResults.substr(0, 3), "111");
    myWaitForLogging(session, bank);
    std::string report = fileBytes(dir.file("Missed_2014-04-25_h14-m30.txt"));
    EXPECT_NE(report.find("L01           2             100%"), std::string::npos);
    EXPECT_EQ(report.find("Answer is"), std::string::npos);  // nothing missed
}

TEST_F(ExamTest, ClicksWithin700MsAreIgnored) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    exam().MarkingMode = MarkAtTheEnd;
    click(1);
    clock.ticks += AnswerDebounce - 1;
    myAnswerChosen(session, bank, 3);
    EXPECT_EQ(exam().given(1), '1');
    clock.ticks += 1;
    myAnswerChosen(session, bank, 3);
    EXPECT_EQ(exam().given(1), '3');
}

TEST_F(ExamTest, AsYouGoRefusesAChangedAnswerAndReviewRefusesAll) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(1);
    click(2);
    EXPECT_EQ(exam().given(1), '1');
    EXPECT_EQ(exam().result(1), '2');
    go(Navigation::Next);
    click(3);
    go(Navigation::Next);
    click(1);
    ASSERT_EQ(exam().ExamStage, StageOver);
    go(Navigation::First);
    click(2);
    EXPECT_EQ(exam().given(1), '1');
    // A click with no exam on show has nowhere to go.
    ExamSession empty;
    clock.attach(empty.Clock);
    myAnswerChosen(empty, bank, 1);
    EXPECT_EQ(empty.Exam.GivenAnswers, std::string(125, ' '));
}

TEST_F(ExamTest, SeekStaysOnTheLastUnansweredQuestion) {
    exam().MarkingMode = MarkAtTheEnd;
    exam().SeekEnabled = true;
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(1);
    go(Navigation::Last);
    click(1);
    go(Navigation::Previous);
    EXPECT_EQ(exam().CurrentQuestion, 2);
    go(Navigation::Next);  // nothing unanswered after 2
    EXPECT_EQ(exam().CurrentQuestion, 2);
    go(Navigation::Previous);
    EXPECT_EQ(exam().CurrentQuestion, 2);
}

TEST_F(ExamTest, SeekAfterTheExamFindsIncorrectAndDontKnow) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int answer : {5, 3, 2}) {  // don't know, correct, wrong
        click(answer);
        go(Navigation::Next);
    }
    ASSERT_EQ(exam().ExamStage, StageOver);
    exam().SeekEnabled = true;
    EXPECT_EQ(exam().CurrentQuestion, 3);
    go(Navigation::Previous);
    EXPECT_EQ(exam().CurrentQuestion, 1);
    go(Navigation::Next);
    EXPECT_EQ(exam().CurrentQuestion, 3);
}

TEST_F(ExamTest, HundredTwentyFiveQuestionsFillBothFields) {
    BankModel big;
    fillFlatBank(big, 63, 2);
    exam().MarkingMode = MarkAtTheEnd;
    // Through a lesson restriction an exam may hold 125 questions.
    big.QuestionsPerTopic = 2;
    big.Lessons[0].LessonSelected = 1;
    ASSERT_TRUE(myLaunchExam(session, big));
    ASSERT_EQ(exam().ExamSize, 125);
    for (int p = 1; p <= 125; ++p) {
        click(1 + p % 5);
        go(Navigation::Next);
    }
    EXPECT_EQ(exam().ExamStage, StageAllAnswered);
    EXPECT_EQ(exam().GivenAnswers.size(), 125u);
    EXPECT_EQ(exam().GivenAnswers.find_first_not_of("12345"), std::string::npos);
    EXPECT_EQ(exam().MarkResults, std::string(125, '-'));
    myMarkButton(session, big);
    EXPECT_EQ(exam().MarkResults.find_first_not_of("123"), std::string::npos);
    myWaitForLogging(session, big);
    std::vector<std::string> lines;
    int error = 0;
    ASSERT_TRUE(readAllLines(session.LogFilePath, lines, error));
    ASSERT_EQ(lines.size(), 7u);  // summary, five full lines, empty line
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(lines[i].size(), 350u);
    EXPECT_EQ(lines[5].find("S"), std::string::npos);
}

TEST_F(ExamTest, EmptyDrawIsReportedAndLeavesNoExam) {
    exam().SelectionCriterion = 5;  // missed only: none has history yet
    EXPECT_FALSE(myLaunchExam(session, bank));
    EXPECT_EQ(exam().ExamStage, StageNoExam);
    EXPECT_EQ(exam().ExamSize, 0);
    EXPECT_EQ(errors.lastText(), "Question Bank is empty or selection criteria produces no questions.");
    EXPECT_TRUE(view.saw("default texts"));
}

TEST_F(ExamTest, LaunchIsRefusedOnceAnsweringHasStarted) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(2);
    EXPECT_FALSE(myLaunchExam(session, bank));
    EXPECT_EQ(exam().given(1), '2');
}

TEST_F(ExamTest, TwoExamsInTheSameMinuteKeepBothReports) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(myLaunchExam(session, bank));
        for (int answer : {2, 3, 1}) {
            click(answer);
            go(Navigation::Next);
        }
        ASSERT_EQ(exam().ExamStage, StageOver);
    }
    myWaitForLogging(session, bank);
    EXPECT_FALSE(fileBytes(dir.file("Missed_2014-04-25_h14-m30.txt")).empty());
    EXPECT_FALSE(fileBytes(dir.file("Missed_2014-04-25_h14-m30_2.txt")).empty());
    ASSERT_EQ(view.informed.size(), 2u);
    EXPECT_NE(view.informed[1].second.find("Missed_2014-04-25_h14-m30_2.txt"), std::string::npos);
    EXPECT_EQ(session.Catalogue.Columns[1].Count, 2);
}

TEST_F(ExamTest, LogThatCannotBeOpenedIsReportedOnTheWindowThreadAndLosesTheSession) {
    session.LogFilePath = dir.file("no-such-folder/Ulvorane_Log.txt");
    // The window's queue: filled by the logging thread, emptied here.
    std::mutex queueLock;
    std::vector<std::function<void()>> posted;
    session.View.postToWindow = [&](std::function<void()> f) {
        std::lock_guard<std::mutex> hold(queueLock);
        posted.push_back(std::move(f));
    };
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int answer : {2, 3, 1}) {
        click(answer);
        go(Navigation::Next);
    }
    std::function<void()> handed;
    for (int i = 0; i < 500 && !handed; ++i) {
        {
            std::lock_guard<std::mutex> hold(queueLock);
            if (!posted.empty()) handed = posted.front();
        }
        if (!handed) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(errors.boxes.empty());  // nothing shown from the worker
    ASSERT_TRUE(handed);
    handed();
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text,
              "myLogSession, " + pathBytes(session.LogFilePath) + "\r\n err=" + std::to_string(ENOENT) + " " + errorText(ENOENT));
    EXPECT_EQ(slotOf(bank, 1).Stats[1], 0);
    EXPECT_EQ(session.Catalogue.Columns[1].Count, 0);
}

TEST_F(ExamTest, ExplanationRefreshIsPostedForAMarkedWrongAnswer) {
    view.explanationOpen = true;
    ASSERT_TRUE(myLaunchExam(session, bank));
    view.events.clear();
    click(1);  // wrong, marked at once
    auto refresh = std::find(view.events.begin(), view.events.end(), "post explanation refresh");
    auto clear = std::find(view.events.begin(), view.events.end(), "clear explanation window");
    ASSERT_NE(refresh, view.events.end());
    ASSERT_NE(clear, view.events.end());
    EXPECT_LT(refresh - view.events.begin(), clear - view.events.begin());
    view.events.clear();
    go(Navigation::Next);
    EXPECT_FALSE(view.saw("post explanation refresh"));
    EXPECT_TRUE(view.saw("clear explanation window"));
}

TEST_F(ExamTest, LanguageSwitchRendersTheKeptFigures) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    click(2);
    go(Navigation::Next);
    click(1);
    uiContext().InterfaceLanguage = 1;
    view.events.clear();
    myRerenderFigures(exam(), bank, session.View);
    EXPECT_EQ(view.lastFigure(IdUnanswered), latin1("Sans réponse: 1"));
    EXPECT_EQ(view.lastFigure(IdMarkFigure), "Note:  50%");
    EXPECT_EQ(view.lastFigure(IdPositionCaption), "Question 2 de 3");
}

TEST_F(ExamTest, LaunchClearsEveryLessonTallyAndDisarmsMark) {
    for (int l = 0; l <= bank.LessonCount; ++l) bank.Lessons[l].LessonTally = {3, 4};
    exam().MarkArmed = true;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int l = 0; l <= bank.LessonCount; ++l)
        EXPECT_EQ(bank.Lessons[l].LessonTally, (std::array<int16_t, 2>{0, 0})) << "lesson " << l;
    EXPECT_FALSE(exam().MarkArmed);
    EXPECT_TRUE(view.saw("disarmed"));
}

TEST_F(ExamTest, AnswerTakenBackAtStage32ReturnsTo16) {
    session.View.SimplifiedLayout = true;
    exam().MarkingMode = MarkAtTheEnd;
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int p = 1; p <= 3; ++p) {
        if (p > 1) go(Navigation::Next);
        click(2);
    }
    ASSERT_EQ(exam().ExamStage, StageAllAnswered);
    ASSERT_TRUE(exam().MarkArmed);
    click(2);  // the box already checked: the answer is taken back
    EXPECT_EQ(exam().given(3), '0');
    EXPECT_EQ(exam().ExamStage, StageAnswering);
    EXPECT_FALSE(exam().MarkArmed);
    myMarkButton(session, bank);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, sessionText(SessionText::MarkNotArmed));
}

TEST_F(ExamTest, EmptyDrawDuringTheReviewDiscardsTheExam) {
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int p = 1; p <= 3; ++p) {
        click(bank.ExpectedAnswer[exam().ExamOrder[p]][0] - '0');
        go(Navigation::Next);
    }
    ASSERT_EQ(exam().ExamStage, StageOver);
    myWaitForLogging(session, bank);
    exam().SelectionCriterion = 4;  // new questions only: every one has been answered now
    view.events.clear();
    EXPECT_FALSE(myLaunchExam(session, bank));
    EXPECT_EQ(exam().ExamStage, StageNoExam);
    EXPECT_EQ(exam().ExamSize, 0);
    EXPECT_EQ(exam().CurrentQuestion, 0);
    EXPECT_TRUE(view.saw("default texts"));
    ASSERT_FALSE(errors.boxes.empty());
    EXPECT_EQ(errors.boxes.back().text, sessionText(SessionText::EmptyExam));
}

// A question's history counters stop at the largest value they hold.
TEST_F(ExamTest, LoggedAnswersStopTheCountersAt32767) {
    for (int q = 1; q <= 3; ++q) slotOf(bank, q).Stats = {32767, 32766};  // (0) wrong, (1) right
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int p = 1; p <= 3; ++p) {
        const int q = exam().ExamOrder[p];
        const int right = bank.ExpectedAnswer[q][0] - '0';
        click(p == 1 ? right % 4 + 1 : right);  // the first one wrong, the others right
        go(Navigation::Next);
    }
    myWaitForLogging(session, bank);
    for (int p = 1; p <= 3; ++p) {
        const std::array<int16_t, 2> stats = slotOf(bank, exam().ExamOrder[p]).Stats;
        EXPECT_EQ(stats, (std::array<int16_t, 2>{32767, p == 1 ? int16_t{32766} : int16_t{32767}}))
            << "position " << p;
    }
}

}  // namespace

namespace {

// What the screen reader is given after each answer, the verdicts recorded.
std::vector<std::string> said(const RecordingView& view) {
    std::vector<std::string> out;
    for (const std::string& e : view.events)
        if (e.rfind("say ", 0) == 0) out.push_back(e.substr(4));
    return out;
}

}  // namespace

// The verdict is said in both layouts; under /S a missed question's
// explanation follows it when the program stays on the question, never when
// the next one comes by itself.
TEST_F(ExamTest, VerdictsAreSaidInBothLayoutsAndAMissedExplanationUnderS) {
    for (const bool simplified : {false, true}) {
        SCOPED_TRACE(simplified ? "simplified" : "normal");
        session.View.SimplifiedLayout = simplified;
        exam().ManualAdvance = false;
        ASSERT_TRUE(myLaunchExam(session, bank));
        view.events.clear();
        const auto expected = [&](int p) { return bank.ExpectedAnswer[exam().ExamOrder[p]][0] - '0'; };
        const auto because = [&](int p) { return "Because " + bank.Designation[exam().ExamOrder[p]] + "."; };

        click(expected(1));  // right: the program goes on by itself
        ASSERT_EQ(said(view).size(), 1u);
        EXPECT_EQ(said(view)[0], myStatusText(exam(), bank));
        EXPECT_EQ(said(view)[0].find("Because"), std::string::npos);
        go(Navigation::Next);

        click(expected(2) % 4 + 1);  // wrong: the program stays
        ASSERT_EQ(said(view).size(), 2u);
        EXPECT_EQ(said(view)[1], simplified ? myStatusText(exam(), bank) + "\n" + because(2)
                                            : myStatusText(exam(), bank));
        go(Navigation::Next);

        click(5);  // "Don't know", the last answer: the exam ends
        ASSERT_EQ(said(view).size(), 3u);
        EXPECT_EQ(said(view)[2], simplified ? myStatusText(exam(), bank) + "\n" + because(3)
                                            : myStatusText(exam(), bank));
        myWaitForLogging(session, bank);
    }
}
