// The department's own 2025 editions, imported, read back with the full
// reader and drawn from like a candidate's exam. The copies live outside the
// repository; without them these tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "examsim/bank/bankreader.h"
#include "examsim/import/importedbank.h"
#include "examsim/import/syllabus.h"
#include "examsim/import/tests/isedkit.h"
#include "examsim/session/selection.h"

namespace {

struct Edition {
    const char* file;
    char letter;
    int questions, topics, lessons, exam;
};

class OfficialBank : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        source = std::string(ISED_DATA_DIR) + "/" + GetParam().file;
        if (!std::filesystem::exists(source))
            GTEST_SKIP() << "the department's question-bank copies are not at " << ISED_DATA_DIR
                         << " (they are kept beside the repository, not in it)";
        ASSERT_TRUE(myImportQuestionBank(source, dir.path(), "", paths)) << rec.lastText();
    }

    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    std::string source;
    std::array<std::filesystem::path, 2> paths;
};

TEST_P(OfficialBank, ReadsBackWithEveryTopicAndSectionAndDrawsAFullExam) {
    const Edition& e = GetParam();
    BankModel banks[2];
    for (int language : {0, 1}) {
        BankModel& bank = banks[language];
        std::string unused;
        ASSERT_EQ(myReadQuestionBank(bank, paths[language], FullRead, unused), 1) << rec.lastText();
        EXPECT_EQ(bank.CurrentBankTitle, importedBankTitle(e.letter, "2025", language));
        EXPECT_EQ(bank.QuestionCount, e.questions);
        EXPECT_EQ(bank.TopicCount, e.topics);
        EXPECT_EQ(bank.LessonCount, e.lessons);
        EXPECT_EQ(bank.QuestionsExpected, e.exam);
        EXPECT_EQ(bank.PassMarkPercent, 70);
        for (int l = 1; l <= bank.LessonCount; ++l) EXPECT_GT(bank.Lessons[l].LessonQuestionCount, 0);

        // The exam as the window draws it: topics sorted, one per topic.
        mySortList(bank.TopicOrder, bank.TopicCount, 'T', bank);
        mySortList(bank.LessonIndex, bank.LessonCount, 'L', bank);
        ExamRecord exam;
        ExamRandom random;
        random.seed(seedSeconds(9, 30, 15, 250));
        mySelectQuestions(exam, bank, random, bank.QuestionsExpected);
        ASSERT_EQ(exam.ExamSize, e.exam);
        std::set<int> topics;
        std::string previous;
        for (int p = 1; p <= exam.ExamSize; ++p) {
            const int q = exam.ExamOrder[p];
            ASSERT_GE(q, 1);
            topics.insert(refTopic(bank.QuestionRef[q]));
            const std::string key = bank.Designation[q].substr(0, TopicKeyWidth);
            EXPECT_LT(previous, key);  // topic order
            previous = key;
        }
        EXPECT_EQ(topics.size(), static_cast<size_t>(e.exam));
    }
    for (int q = 1; q <= banks[0].QuestionCount; ++q) {
        ASSERT_EQ(banks[0].Designation[q], banks[1].Designation[q]);
        EXPECT_EQ(banks[0].ExpectedAnswer[q], banks[1].ExpectedAnswer[q]);
    }
}

// Checked against the source with a split of our own: the answer marked
// expected in each bank is the department's correct answer, and the correct
// answer is not parked at one position.
TEST_P(OfficialBank, ExpectedAnswerIsTheDepartmentsCorrectAnswer) {
    std::vector<std::string> lines;
    int error = 0;
    ASSERT_TRUE(readAllLines(source, lines, error));
    std::map<std::string, std::array<std::string, 2>> correct;  // id -> English, French
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> f = splitFields(lines[i], ';');
        if (f.size() == 11) correct[trimSpaces(f[0])] = {latin1(trimSpaces(f[2])), latin1(trimSpaces(f[7]))};
    }
    ASSERT_EQ(correct.size(), static_cast<size_t>(GetParam().questions));
    for (int language : {0, 1}) {
        BankModel bank;
        std::string unused;
        ASSERT_EQ(myReadQuestionBank(bank, paths[language], FullRead, unused), 1);
        std::array<int, 5> at{};
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            const std::string& expected = bank.ExpectedAnswer[q];
            ++at[expected[0] - '0'];
            EXPECT_EQ(bank.Answers[q][expected[0] - '0'],
                      expected + ". " + correct[trimSpaces(bank.Designation[q])][language])
                << bank.Designation[q];
        }
        for (int k = 1; k <= 4; ++k) {
            EXPECT_GT(at[k], bank.QuestionCount * 18 / 100) << "position " << k;
            EXPECT_LT(at[k], bank.QuestionCount * 32 / 100) << "position " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions2025, OfficialBank,
                         ::testing::Values(Edition{"amat_basic_quest_delim2025.txt", 'B', 984, 100, 8, 100},
                                           Edition{"amat_adv_quest_delim2025.txt", 'A', 549, 50, 7, 50}),
                         [](const auto& info) { return std::string(info.param.letter == 'B' ? "Basic" : "Advanced"); });

}  // namespace
