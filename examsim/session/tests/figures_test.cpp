#include "examsim/session/figures.h"

#include <gtest/gtest.h>

#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"

namespace {

struct MarkCase {
    int correct, incorrect, dontKnow;
    const char* text;
    int value;
};

class MarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkTest, FormatsWholeOrOneDecimalAndKeepsTheValue) {
    const MarkCase& c = GetParam();
    float ratio = myMarkRatio(c.correct, c.incorrect, c.dontKnow);
    EXPECT_EQ(myFormatMark(ratio), c.text);
    EXPECT_EQ(myMarkValue(ratio), c.value);
    // What a language switch shows from the kept value.
    EXPECT_EQ(myMarkFromValue(myMarkValue(ratio)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, MarkTest,
                         ::testing::Values(MarkCase{5, 1, 0, "83.3%", 8330}, MarkCase{4, 1, 0, "80%", 8000},
                                           MarkCase{2, 0, 1, "66.7%", 6670}, MarkCase{3, 0, 0, "100%", 10000},
                                           MarkCase{0, 2, 1, "0%", 0}, MarkCase{1, 7, 0, "12.5%", 1250}),
                         namedBy([](const MarkCase& c) {
                             return std::to_string(c.correct) + " right " + std::to_string(c.incorrect) + " wrong " +
                                    std::to_string(c.dontKnow) + " unknown";
                         }));

// The line under the mark: the pass mark reached or not, and 80 % with
// Honours where the pass mark is below it; a mark rounded to the pass mark
// reaches it, as the mark shown does.
struct PassCase {
    int correct, incorrect, dontKnow, passMark;
    const char* english;
    const char* french;
};
class PassLine : public ::testing::TestWithParam<PassCase> {};

TEST_P(PassLine, SaysWhetherTheMarkReachesThePassMarkAndHonours) {
    const PassCase& c = GetParam();
    ExamRecord exam;
    exam.ProgressCounts = {0, c.correct, c.incorrect, c.dontKnow};
    EXPECT_EQ(myPassMarkLine(exam, c.passMark), c.english);
    ErrorRecorder french(1);
    EXPECT_EQ(myPassMarkLine(exam, c.passMark), latin1(c.french));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, PassLine,
    ::testing::Values(
        PassCase{69, 31, 0, 70, "It does not reach the pass mark of 70%.", "Elle n'atteint pas la note de passage de 70 %."},
        PassCase{70, 29, 1, 70, "It reaches the pass mark of 70%, but not 80% with Honours.",
                 "Elle atteint la note de passage de 70 %, mais pas 80 % avec distinction."},
        PassCase{2, 1, 0, 66, "It reaches the pass mark of 66%, but not 80% with Honours.",
                 "Elle atteint la note de passage de 66 %, mais pas 80 % avec distinction."},
        PassCase{4, 1, 0, 70, "It reaches the pass mark of 70%, and 80% with Honours.",
                 "Elle atteint la note de passage de 70 %, et 80 % avec distinction."},
        PassCase{4, 1, 0, 80, "It reaches the pass mark of 80%.", "Elle atteint la note de passage de 80 %."},
        PassCase{0, 0, 0, 70, "", ""}),
    namedBy([](const PassCase& c) {
        return std::to_string(c.correct) + " right " + std::to_string(c.incorrect + c.dontKnow) + " not pass mark " +
               std::to_string(c.passMark);
    }));

TEST(Figures, ResetValueShowsPlaceholders) { EXPECT_EQ(myMarkFromValue(-32768), "nnn.n%"); }

struct StatusCase {
    int language;
    const char* given;
    const char* results;
    const char* sentence;
};

class StatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusTest, SentenceOfEachVariant) {
    ErrorRecorder language(GetParam().language);
    BankModel bank;
    fillBank(bank, {{"B-001-001-001", '2', 0}, {"B-001-002-001", '3', 0}}, {});
    ExamRecord exam;
    exam.ExamSize = 2;
    exam.ExamOrder[1] = 1;
    exam.ExamOrder[2] = 2;
    exam.CurrentQuestion = 1;
    exam.GivenAnswers = std::string(GetParam().given) + std::string(123, ' ');
    exam.MarkResults = std::string(GetParam().results) + std::string(123, ' ');
    EXPECT_EQ(myStatusText(exam, bank), latin1(GetParam().sentence));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusTest,
    ::testing::Values(
        StatusCase{0, "00", "00",
                   "Question 1 of 2, pending. Reference number B-001-001-001. Cumulative Mark 0%. Total "
                   "unanswered 2."},
        StatusCase{0, "25", "13",
                   "Question 1 of 2, Answer 2 valid. Reference number B-001-001-001. Cumulative Mark 50%. "
                   "Total unanswered 0."},
        StatusCase{0, "54", "32",
                   "Question 1 of 2, expected answer 2, not 5. Reference number B-001-001-001. Cumulative "
                   "Mark 0%. Total unanswered 0."},
        StatusCase{1, "30", "-0",
                   "Question 1 de 2. Réponse 3 choisie.  Numéro de référence B-001-001-001. Note "
                   "cumulative 0%. Total sans réponse 1."},
        StatusCase{1, "10", "20",
                   "Question 1 de 2, réponse attendue 2, et non 1. Numéro de référence B-001-001-001. "
                   "Note cumulative 0%. Total sans réponse 1."},
        StatusCase{1, "25", "13",
                   "Question 1 de 2, Réponse 2 exacte. Numéro de référence B-001-001-001. Note "
                   "cumulative 50%. Total sans réponse 0."}),
                         namedBy([](const StatusCase& c) {
                             return languageName(c.language) + " given " + c.given + " results " + c.results;
                         }));

TEST(Figures, StatusWithoutExamUsesPlaceholders) {
    ErrorRecorder english(0);
    BankModel bank;
    ExamRecord exam;
    EXPECT_EQ(myStatusText(exam, bank),
              "Question 0 of 0, pending. Reference number x. Cumulative Mark 0%. Total unanswered 0.");
}

TEST(Figures, AtTheEndTheMarkWaitsForMarking) {
    ErrorRecorder english(0);
    BankModel bank;
    fillFlatBank(bank, 3);
    RecordingView view;
    ExamSession session;
    view.attach(session.View);
    ExamRecord& exam = session.Exam;
    exam.ExamSize = 3;
    for (int p = 1; p <= 3; ++p) exam.ExamOrder[p] = static_cast<int16_t>(p);
    exam.CurrentQuestion = 1;
    exam.GivenAnswers = "150" + std::string(122, ' ');
    exam.MarkResults = "--0" + std::string(122, ' ');
    myShowQuestion(session, bank, 1);
    EXPECT_EQ(view.lastFigure(IdUnanswered), "Unanswered: 1");
    EXPECT_EQ(view.lastFigure(IdDontKnowCount), "1");
    EXPECT_EQ(view.lastFigure(IdMarkFigure), "<none>");
    EXPECT_EQ(view.lastFigure(IdGoodCount), "<none>");
    exam.MarkResults = "130" + std::string(122, ' ');
    myShowQuestion(session, bank, 1);
    EXPECT_EQ(view.lastFigure(IdMarkFigure), "Mark:  50%");
    EXPECT_EQ(view.lastFigure(IdGoodCount), "1");
    EXPECT_EQ(view.lastFigure(IdIncorrectCount), "0");
    EXPECT_EQ(view.lastFigure(IdPositionCaption), "Question 1 of 3");
}

}  // namespace
