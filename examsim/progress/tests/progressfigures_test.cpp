#include "examsim/progress/progressfigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "examsim/progress/tests/progresskit.h"
#include "examsim/session/historylog.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

namespace {

// Every outcome of the topics, one at a time.
double bruteForceAtLeast(const std::vector<double>& p, int k) {
    const size_t n = p.size();
    double sum = 0;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        double product = 1;
        int right = 0;
        for (size_t i = 0; i < n; ++i) {
            const bool ok = mask >> i & 1u;
            product *= ok ? p[i] : 1 - p[i];
            right += ok;
        }
        if (right >= k) sum += product;
    }
    return sum;
}

TEST(PassChance, DynamicProgrammingMatchesEveryOutcomeEnumerated) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    for (int n = 0; n <= 12; ++n) {
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<double> p(static_cast<size_t>(n));
            for (double& x : p) x = chance(random);
            // Some certain topics too: 0 and 1 must not upset the sums.
            if (n > 2 && trial % 5 == 0) p[0] = 0.0, p[1] = 1.0;
            const std::vector<double> dist = mySuccessDistribution(p);
            double total = 0;
            for (double d : dist) total += d;
            EXPECT_NEAR(total, 1.0, 1e-12);
            for (int k = -1; k <= n + 1; ++k)
                EXPECT_LT(std::abs(myChanceOfAtLeast(p, k) - bruteForceAtLeast(p, k)), 1e-12)
                    << "n=" << n << " k=" << k << " trial " << trial;
        }
    }
}

TEST(TopicsNeeded, SmallestCountReachingThePassMark) {
    const std::vector<std::array<int, 3>> cases = {
        {100, 70, 70}, {100, 80, 80}, {3, 70, 3}, {10, 75, 8}, {7, 80, 6}, {50, 70, 35}, {0, 70, 0}, {9, 0, 0}};
    for (auto [topics, percent, k] : cases) EXPECT_EQ(myTopicsNeeded(topics, percent), k) << topics << " " << percent;
}

TEST(PercentText, OneDecimalRoundedHalfToEven) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0.0%"}, {1.0, "100.0%"}, {0.1234, "12.3%"}, {0.0625, "6.2%"}, {0.1875, "18.8%"}, {0.99996, "100.0%"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(myPercentText(value), text) << value;
}

class ProgressLog : public ::testing::Test {
protected:
    void SetUp() override {
        // Two lessons; topic 001 has two questions, 002 and 003 one each.
        fillBank(bank,
                 {{"B-001-001-001", '1', 1}, {"B-001-001-002", '2', 1}, {"B-001-002-001", '3', 2},
                  {"B-001-003-001", '4', 2}},
                 {{"L01", "First lesson"}, {"L02", "Second lesson"}}, "Basic");
    }
    int read(const std::string& log) { return myReadProgress(dir.write("Ulvorane_Log.txt", log), bank, figures); }
    const GroupFigure& topic(const std::string& id) {
        for (const GroupFigure& g : figures.Topics)
            if (g.Id == id) return g;
        static GroupFigure none;
        ADD_FAILURE() << "no topic " << id;
        return none;
    }

    TempFolder dir;
    BankModel bank;
    ProgressFigures figures;
};

TEST_F(ProgressLog, SessionsOfTheBankWithTheirDateMarkSizeAndMode) {
    const std::string log = logRecord("Basic", "2026/01/05 14:30", "50%", {{"B-001-001-001", 1, 1}, {"B-001-002-001", 3, 2}}) +
                            logRecord("Advanced", "2026/01/06 10:00", "100%", {{"B-001-001-001", 1, 1}}) +
                            "' a comment line\r\n" +
                            logRecord("Basic", "2026/01/07 09:15", "nnn.n%", {{"B-001-003-001", 4, 0}}, 2) +
                            logRecord("Basic", "2026/01/08 20:05", "66.7%",
                                      {{"B-001-001-001", 1, 1}, {"B-001-001-002", 2, 5}, {"B-001-003-001", 4, 4}});
    ASSERT_EQ(read(log), -1);
    ASSERT_EQ(figures.Sessions.size(), 3u);
    EXPECT_EQ(figures.Sessions[0].Date, "2026/01/05 14:30");
    EXPECT_EQ(figures.Sessions[0].Mark, 50.0);
    EXPECT_EQ(figures.Sessions[0].Questions, 2);
    EXPECT_EQ(figures.Sessions[1].Mark, -1.0);  // left unmarked
    EXPECT_EQ(figures.Sessions[1].MarkText, "nnn.n%");
    EXPECT_EQ(figures.Sessions[1].MarkingMode, 2);
    EXPECT_DOUBLE_EQ(figures.Sessions[2].Mark, 66.7);
    // Attempts in log order, unanswered ones left out, the Advanced session ignored.
    ASSERT_EQ(figures.Attempts[1].size(), 2u);
    EXPECT_TRUE(figures.Attempts[1][1].correct());
    ASSERT_EQ(figures.Attempts[2].size(), 1u);
    EXPECT_FALSE(figures.Attempts[2][0].correct());  // "Don't know"
    EXPECT_EQ(figures.Attempts[4].size(), 1u);
}

TEST_F(ProgressLog, LessonsAndTopicsCountedAndOrderedWeakestFirst) {
    const std::string log =
        logRecord("Basic", "2026/01/05 14:30", "50%",
                  {{"B-001-001-001", 1, 1}, {"B-001-001-002", 2, 3}, {"B-001-002-001", 3, 3}}) +
        logRecord("Basic", "2026/01/06 14:30", "100%", {{"B-001-001-001", 1, 1}, {"B-001-002-001", 3, 3}});
    ASSERT_EQ(read(log), -1);
    ASSERT_EQ(figures.Topics.size(), 3u);
    // 003 never tried, then 001 at 2 of 3, then 002 at 2 of 2.
    EXPECT_EQ(figures.Topics[0].Id, "B-001-003");
    EXPECT_EQ(figures.Topics[1].Id, "B-001-001");
    EXPECT_EQ(figures.Topics[2].Id, "B-001-002");
    const GroupFigure& t1 = topic("B-001-001");
    EXPECT_EQ(t1.Questions, 2);
    EXPECT_EQ(t1.Seen, 2);
    EXPECT_EQ(t1.Attempts, 3);
    EXPECT_EQ(t1.Correct, 2);
    // The mean of its questions' chances now, the one right twice ahead of
    // the one missed; each answer knows its session.
    EXPECT_DOUBLE_EQ(t1.Chance, (figures.Model.QuestionChance[1] + figures.Model.QuestionChance[2]) / 2);
    EXPECT_GT(figures.Model.QuestionChance[1], figures.Model.QuestionChance[2]);
    EXPECT_EQ(figures.Attempts[1][0].Session, 0u);
    EXPECT_EQ(figures.Attempts[1][1].Session, 1u);
    ASSERT_EQ(figures.Lessons.size(), 2u);
    EXPECT_EQ(figures.Lessons[0].Id, "L01");  // 2 of 3 against 2 of 2
    EXPECT_EQ(figures.Lessons[0].Title, "First lesson");
    EXPECT_EQ(figures.Lessons[1].Attempts, 2);
    EXPECT_EQ(figures.Lessons[1].Seen, 1);
    EXPECT_EQ(figures.Lessons[1].Questions, 2);

    // Three topics at 70 %: all three needed, as for 80 %; five answers
    // are too few for a range.
    EXPECT_EQ(figures.TopicsNeeded, 3);
    EXPECT_TRUE(figures.HonoursShown);
    EXPECT_DOUBLE_EQ(figures.HonoursChance, figures.PassChance);
    EXPECT_TRUE(figures.Model.TooFew);
    EXPECT_EQ(figures.Model.Answers, 5);
}

TEST_F(ProgressLog, NoLogIsAFirstExamAndAnUnreadableLogIsReported) {
    ASSERT_EQ(myReadProgress(dir.file("missing.txt"), bank, figures), -1);
    EXPECT_TRUE(figures.Sessions.empty());
    EXPECT_TRUE(figures.Model.TooFew);
    EXPECT_GT(figures.PassChance, 0.0);  // nothing known yet: neither sure nor hopeless
    EXPECT_LT(figures.PassChance, 1.0);
    bank.PassMarkPercent = 80;
    myComputeProgress(bank, figures);
    EXPECT_FALSE(figures.HonoursShown);

    ErrorRecorder errors;
    EXPECT_EQ(myReadProgress(dir.path(), bank, figures), 0);  // a folder: opens, cannot be read
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind("myReadProgress, " + dir.path() + "\r\n err=", 0), 0u);
}

// A bank is known by its title exactly, over the 25 characters the log
// keeps: neither a shorter nor a longer title that begins the same counts.
TEST_F(ProgressLog, TitlesThatArePrefixesOfEachOtherAreDifferentBanks) {
    const std::string longTitle = "Basic Qualification Bank 2014";  // 29 characters
    const std::vector<LoggedAnswer> one = {{"B-001-001-001", 1, 1}};
    const std::string log = logRecord("Basic", "2026/01/01 10:00", "100%", one) +
                            logRecord("Basic 2025", "2026/01/02 10:00", "100%", one) +
                            logRecord("Basi", "2026/01/03 10:00", "100%", one) +
                            logRecord(longTitle, "2026/01/04 10:00", "100%", one) +
                            logRecord("Basic Qualification Bank 1999", "2026/01/05 10:00", "100%", one) +
                            logRecord("Basic", "2026/01/06 10:00", "100%", one);
    struct Case {
        std::string title;
        std::vector<std::string> dates;
    };
    const std::vector<Case> cases = {
        {"Basic", {"2026/01/01 10:00", "2026/01/06 10:00"}},
        {"Basic 2025", {"2026/01/02 10:00"}},
        {"Basi", {"2026/01/03 10:00"}},
        // Stored cut to 25: both long titles agree over the characters kept.
        {fixedWidth(longTitle, BankTitleWidth), {"2026/01/04 10:00", "2026/01/05 10:00"}},
        {"Basic 20", {}},
    };
    const std::string path = dir.write("Ulvorane_Log.txt", log);
    for (const Case& c : cases) {
        bank.CurrentBankTitle = c.title;
        ASSERT_EQ(myReadProgress(path, bank, figures), -1);
        std::vector<std::string> dates;
        for (const SessionFigure& s : figures.Sessions) dates.push_back(s.Date);
        EXPECT_EQ(dates, c.dates) << c.title;
        EXPECT_EQ(figures.Attempts[1].size(), c.dates.size()) << c.title;
    }
}

// Whatever the history pass makes of a damaged line, the progress figures
// make the same: every answer it counts is an attempt here, and nothing else.
TEST_F(ProgressLog, DamagedLinesAreSkippedAsTheHistoryPassSkipsThem) {
    const std::string summary = logSummary("Basic", "2026/01/05 14:30", "50%", 3) + "\r\n";
    const std::vector<std::string> logs = {
        summary + "B-001-001-001bB-001-001-0\r\n",                                 // cut short
        summary + "B-001-001-001zB-001-001-001\xff" "B-001-001-001\x01\r\n",        // codes beyond x
        summary + "B-001-001-001" + std::string(1, '\0') + "\r\nb\r\n",            // NUL, a lone letter
        summary + "   B-001-002-001o   \r\n",                                      // spaces around
        summary + " B-001-001-002h" + std::string(2, ' ') + "\r\n",                // entries shifted
        summary + "~ damaged ~ summary\r\nB-001-001-001b\r\n",                     // too few "~"
        "B-001-001-001b\r\n" + summary + "B-001-001-001bB-001-009-001bB-001-001-002i\r\n",  // before any summary
        summary + "B-001-001-001bB-001-001-002iB-001-002-001o" + std::string(300, 'x') + "\r\n",  // too long
        summary + "B-001-001-001b\rB-001-001-002i\n",                               // bare CR inside
        summary + std::string(350, ' ') + "\r\n" + "B-001-003-001x",                // no final line end
    };
    int counted = 0;
    for (size_t i = 0; i < logs.size(); ++i) {
        for (int q = 1; q <= bank.QuestionCount; ++q) slotOf(bank, q).Stats = {0, 0};
        const std::string path = dir.write("Ulvorane_Log.txt", logs[i]);
        std::string last;
        HistoryCatalogue catalogue;
        HistorySettings settings;
        ASSERT_EQ(myReadHistoryFile(path, 1, 0, fixedWidth("Basic", BankTitleWidth), last, catalogue, settings, &bank), -1);
        ASSERT_EQ(myReadProgress(path, bank, figures), -1);
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            std::array<int16_t, 2> tally{};
            for (const QuestionAttempt& a : figures.Attempts[static_cast<size_t>(q)]) ++tally[a.correct() ? 1 : 0];
            EXPECT_EQ(tally, slotOf(bank, q).Stats) << "log " << i << " question " << q;
            counted += tally[0] + tally[1];
        }
    }
    // The cases keep some whole entries, so both readers had something to agree on.
    EXPECT_GE(counted, 8);
}

// Whole exams and drills in one log: only a session of one question per
// topic of the bank is a full exam, whatever its mark.
TEST_F(ProgressLog, OnlyASessionOfOneQuestionPerTopicIsAFullExam) {
    const LoggedAnswer a{"B-001-001-001", 1, 1}, b{"B-001-002-001", 3, 3}, c{"B-001-003-001", 4, 4},
        d{"B-001-001-002", 2, 2};
    const std::vector<std::vector<LoggedAnswer>> sessions = {{a, b, c}, {a}, {a, d}, {d, b, c}, {a, b, c, d}};
    std::string log;
    for (const auto& answers : sessions) log += logRecord("Basic", "2026/01/05 14:30", "100%", answers);
    ASSERT_EQ(read(log), -1);
    EXPECT_EQ(figures.FullExamQuestions, 3);
    std::vector<bool> full;
    for (const SessionFigure& s : figures.Sessions) full.push_back(s.Full);
    EXPECT_EQ(full, (std::vector<bool>{true, false, false, true, false}));
}

// The next step on a fixture log: five topics, one per lesson, of ten
// questions each, every question answered once: lesson L1 right every time,
// L2 half the time, L3 never tried, L4 at 70 %, L5 at 20 %; L6 without a
// question.
struct NextStepCase {
    int passMark;
    std::vector<std::string> lessons;
};
class NextStep : public ::testing::TestWithParam<NextStepCase> {};

TEST_P(NextStep, TheLessonsThatWouldRaiseTheChanceMostAtMostThree) {
    BankModel bank;
    std::vector<TestQuestion> questions;
    std::vector<std::pair<std::string, std::string>> lessons;
    for (int l = 1; l <= 6; ++l) lessons.push_back({"L" + std::to_string(l), "Lesson " + std::to_string(l)});
    const std::vector<std::pair<int, int>> rightOfTen = {{1, 10}, {2, 5}, {3, -1}, {4, 7}, {5, 2}};
    std::vector<LoggedAnswer> answers;
    for (auto [lesson, right] : rightOfTen)
        for (int n = 1; n <= 10; ++n) {
            const std::string designation =
                "B-001-00" + std::to_string(lesson) + "-0" + (n < 10 ? "0" : "") + std::to_string(n);
            questions.push_back({designation, '1', lesson});
            if (right >= 0) answers.push_back({designation, 1, n <= right ? 1 : 2});
        }
    fillBank(bank, questions, lessons, "Basic");
    bank.PassMarkPercent = GetParam().passMark;
    TempFolder dir;
    ProgressFigures figures;
    ASSERT_EQ(myReadProgress(dir.write("Ulvorane_Log.txt", logRecord("Basic", "2026/01/05 14:30", "60%", answers)),
                             bank, figures),
              -1);
    std::vector<std::string> next;
    for (const GroupFigure& g : figures.NextLessons) {
        next.push_back(g.Id);
        EXPECT_EQ(trimSpaces(bank.Lessons[g.Number].LessonId), g.Id);
    }
    EXPECT_EQ(next, GetParam().lessons);
}
// With no pass mark the exam is passed whatever is studied; honours still
// asks for the weakest.
INSTANTIATE_TEST_SUITE_P(PassMarks, NextStep,
                         ::testing::Values(NextStepCase{70, {"L5", "L3", "L2"}}, NextStepCase{50, {"L5", "L3", "L2"}},
                                           NextStepCase{0, {"L5", "L3", "L2"}},
                                           NextStepCase{100, {"L5", "L3", "L2"}}),
                         namedBy([](const NextStepCase& c) { return "Pass mark " + std::to_string(c.passMark); }));

}  // namespace
