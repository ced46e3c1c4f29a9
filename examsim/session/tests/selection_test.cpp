#include "examsim/session/selection.h"

#include <gtest/gtest.h>

#include "examsim/bank/lessonpool.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/casenames.h"

namespace {

TEST(ExamRandom, SeedIsTheFloatBitPatternOfTheTimeOfDay) {
    ExamRandom random;
    random.seed(seedSeconds(12, 0, 0, 500));  // 43200.5 = 1.0101000110000000 1b x 2^15
    EXPECT_EQ(random.State, 0x4728C080u);
    // state = state * 134775813 + 1 mod 2^32; fraction = (state >> 1) / 2^31
    EXPECT_DOUBLE_EQ(random.next(), (0x6B0DC281u >> 1) / 2147483648.0);
    EXPECT_EQ(random.State, 0x6B0DC281u);
    EXPECT_EQ(random.position(4), 2);  // state 0x4B975086: 0.2953 x 4 + 1
    EXPECT_EQ(random.position(3), 1);  // state 0x33A9AA9F: 0.2018 x 3 + 1
    EXPECT_EQ(random.position(7), 6);  // state 0xCB42511C: 0.7940 x 7 + 1
}

TEST(Selection, AFixedSeedDrawsTheSamePositions) {
    BankModel bank;
    fillFlatBank(bank, 1, 5);
    bank.QuestionsPerTopic = 3;
    bank.Lessons[0].LessonSelected = 1;
    ExamRecord exam;
    ExamRandom random;
    random.seed(43200.5f);
    mySelectQuestions(exam, bank, random, MaxExamSize);
    // Group "ABCDE": 0.4182 x 5 -> 3 (C); "ABDE": 0.2953 x 4 -> 2 (B); "ADE": 0.2018 x 3 -> 1 (A).
    ASSERT_EQ(exam.ExamSize, 3);
    EXPECT_EQ(exam.ExamOrder[1], 3);
    EXPECT_EQ(exam.ExamOrder[2], 2);
    EXPECT_EQ(exam.ExamOrder[3], 1);
    EXPECT_EQ(exam.MarkResults, "000" + std::string(122, ' '));
    EXPECT_EQ(bank.Topics[1].Question[3].Picked, "Y");
    EXPECT_EQ(bank.Topics[1].Question[4].Picked, " ");
}

struct ClassCase {
    int wrong, right;
    bool picked;
    int expected;
};

class QuestionClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(QuestionClassTest, FollowsHistoryAgainstThePassMark) {
    QuestionSlot slot;
    slot.Stats = {static_cast<int16_t>(GetParam().wrong), static_cast<int16_t>(GetParam().right)};
    slot.Picked = GetParam().picked ? "Y" : " ";
    EXPECT_EQ(questionClass(slot, 70), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuestionClassTest,
                         ::testing::Values(ClassCase{0, 0, false, 1}, ClassCase{0, 0, true, 2},
                                           ClassCase{1, 1, false, 3},  // 50 %
                                           ClassCase{3, 7, false, 5},  // 70 % is known
                                           ClassCase{3, 7, true, 6}, ClassCase{7, 16, false, 5},  // 69.6 % rounds to 70
                                           ClassCase{7, 15, false, 3},  // 68.2 %
                                           ClassCase{0, 5, true, 6}),
                         namedBy([](const ClassCase& c) {
                             return std::to_string(c.wrong) + " wrong " + std::to_string(c.right) + " right" +
                                    (c.picked ? " picked" : "");
                         }));

TEST(Selection, CriterionTableMapsClassesToGroups) {
    EXPECT_EQ(classGroupsOf(1), (ClassGroups{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(classGroupsOf(2), (ClassGroups{0, 1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(classGroupsOf(3), (ClassGroups{0, 3, 4, 1, 2, 5, 6}));
    EXPECT_EQ(classGroupsOf(4), (ClassGroups{0, 1, 2, 0, 0, 0, 0}));
    EXPECT_EQ(classGroupsOf(5), (ClassGroups{0, 0, 0, 1, 2, 0, 0}));
}

struct CriterionCase {
    int criterion;
    int firstSlot;  // the only draw from a topic with one question of each kind
};

class CriterionTest : public ::testing::TestWithParam<CriterionCase> {};

TEST_P(CriterionTest, PrefersTheFirstNonEmptyGroup) {
    BankModel bank;
    fillFlatBank(bank, 1, 3);
    bank.Topics[1].Question[1].Stats = {0, 0};  // new
    bank.Topics[1].Question[2].Stats = {3, 1};  // missed
    bank.Topics[1].Question[3].Stats = {0, 4};  // known
    ExamRecord exam;
    exam.SelectionCriterion = GetParam().criterion;
    ExamRandom random;
    mySelectQuestions(exam, bank, random, 1);
    if (GetParam().firstSlot == 0) {
        EXPECT_EQ(exam.ExamSize, 0);
    } else {
        ASSERT_EQ(exam.ExamSize, 1);
        EXPECT_EQ(exam.ExamOrder[1], GetParam().firstSlot);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CriterionTest,
                         ::testing::Values(CriterionCase{1, 1}, CriterionCase{3, 2}, CriterionCase{4, 1},
                                           CriterionCase{5, 2}),
                         namedBy([](const CriterionCase& c) { return "Criterion " + std::to_string(c.criterion); }));

TEST(Selection, TotallyRandomDrawsUndrawnQuestionsFirst) {
    BankModel bank;
    fillFlatBank(bank, 1, 4);
    bank.Topics[1].Question[1].Picked = "Y";
    bank.Topics[1].Question[2].Picked = "Y";
    bank.Topics[1].Question[3].Stats = {9, 0};
    bank.QuestionsPerTopic = 2;
    bank.Lessons[0].LessonSelected = 1;
    ExamRecord exam;
    exam.SelectionCriterion = 2;
    ExamRandom random;
    random.seed(1.0f);
    mySelectQuestions(exam, bank, random, MaxExamSize);
    ASSERT_EQ(exam.ExamSize, 2);
    EXPECT_EQ(std::min(exam.ExamOrder[1], exam.ExamOrder[2]), 3);
    EXPECT_EQ(std::max(exam.ExamOrder[1], exam.ExamOrder[2]), 4);
}

TEST(Selection, MaximumStopsInTheMiddleAndLessonFilterApplies) {
    BankModel bank;
    fillBank(bank,
             {{"B-001-001-001", '1', 1}, {"B-001-001-002", '1', 2}, {"B-002-001-001", '1', 2},
              {"B-003-001-001", '1', 1}},
             {{"L1", "One"}, {"L2", "Two"}});
    bank.QuestionsPerTopic = 5;
    bank.Lessons[2].LessonSelected = 1;
    ExamRecord exam;
    ExamRandom random;
    mySelectQuestions(exam, bank, random, MaxExamSize);
    ASSERT_EQ(exam.ExamSize, 2);  // topic 3 holds only a lesson-1 question
    EXPECT_EQ(exam.ExamOrder[1], 2);
    EXPECT_EQ(exam.ExamOrder[2], 3);

    BankModel flat;
    fillFlatBank(flat, 5);
    ExamRecord short_;
    mySelectQuestions(short_, flat, random, 3);
    EXPECT_EQ(short_.ExamSize, 3);
    EXPECT_EQ(flat.Topics[4].Question[1].Picked, " ");  // never visited
}

// Where the next exam stands: its lessons and its size at most, which a
// totally random draw reaches exactly.
struct NextExamCase {
    int perTopic;
    std::vector<int> lessons;
    int expected;  // the bank's expected count
    int size;
    const char* english;
};
class NextExam : public ::testing::TestWithParam<NextExamCase> {};

TEST_P(NextExam, SaysTheLessonsAndTheSizeADrawReaches) {
    const NextExamCase& c = GetParam();
    BankModel bank;
    fillBank(bank,
             {{"B-001-001-001", '1', 1}, {"B-001-001-002", '1', 2}, {"B-001-001-003", '1', 2},
              {"B-002-001-001", '1', 2}, {"B-003-001-001", '1', 1}, {"B-004-001-001", '1', 3}},
             {{"L1", "One"}, {"L2", "Two"}, {"L3", "Three"}});
    bank.QuestionsExpected = c.expected;
    bank.QuestionsPerTopic = c.perTopic;
    for (int l : c.lessons) bank.Lessons[l].LessonSelected = 1;
    EXPECT_EQ(myExamSizeAtMost(bank), c.size);
    EXPECT_EQ(myNextExamText(bank), c.english);
    ExamRecord exam;
    exam.SelectionCriterion = 2;
    ExamRandom random;
    mySelectQuestions(exam, bank, random, myExamLength(bank));
    EXPECT_EQ(exam.ExamSize, c.size);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, NextExam,
    ::testing::Values(
        NextExamCase{0, {}, 100, 4, "Next exam: every topic of the bank, up to 4 questions."},
        NextExamCase{0, {}, 3, 3, "Next exam: every topic of the bank, up to 3 questions."},
        NextExamCase{15, {2}, 100, 3, "Next exam: limited to lessons L2, up to 3 questions."},
        NextExamCase{1, {2}, 100, 2, "Next exam: limited to lessons L2, up to 2 questions."},
        NextExamCase{15, {1, 3}, 3, 3, "Next exam: limited to lessons L1, L3, up to 3 questions."}),
    namedBy([](const NextExamCase& c) {
        std::string name = c.perTopic ? std::to_string(c.perTopic) + " per topic of lessons" : "Whole bank";
        for (int l : c.lessons) name += " " + std::to_string(l);
        return name + " of " + std::to_string(c.expected);
    }));

// A practice drill of two lessons (eight topics of five questions, a third
// lesson left out): at most DrillQuestions, the missed questions first,
// then those never met, the known ones last, spread over the topics and
// asked topic by topic.
struct DrillCase {
    const char* name;
    int missed, known;  // the first questions of the lessons so marked, the rest never met
    int topics;         // topics of the two lessons
};
class Drill : public ::testing::TestWithParam<DrillCase> {};

TEST_P(Drill, FavoursMissedThenNeverMetAndSpreadsOverTopics) {
    const DrillCase& c = GetParam();
    std::vector<TestQuestion> qs;
    for (int t = 1; t <= c.topics + 2; ++t)
        for (int n = 1; n <= 5; ++n)
            qs.push_back({"B-" + formatNumber(t, "000") + "-001-" + formatNumber(n, "000"), '1',
                          t > c.topics ? 3 : 1 + t % 2});
    BankModel bank;
    fillBank(bank, qs, {{"L1", "One"}, {"L2", "Two"}, {"L3", "Three"}});
    for (const TestQuestion& q : qs) ++bank.Lessons[q.lesson].LessonQuestionCount;
    const int eligible = c.topics * 5;
    // Marked round the topics, so that each kind is spread over them.
    std::vector<QuestionSlot*> slots;
    for (int n = 1; n <= 5; ++n)
        for (int t = 1; t <= c.topics; ++t) slots.push_back(&bank.Topics[t].Question[n]);
    for (int k = 0; k < c.missed + c.known; ++k)
        slots[static_cast<size_t>(k)]->Stats = k < c.missed ? std::array<int16_t, 2>{2, 1} : std::array<int16_t, 2>{0, 3};
    LessonOutcome outcome;
    ASSERT_TRUE(myStartDrill(bank, {1, 2}, outcome));
    const int size = std::min(eligible, DrillQuestions);
    EXPECT_EQ(myExamSizeAtMost(bank), size);
    EXPECT_EQ(myNextExamText(bank), "Next exam: limited to a practice drill of lessons L1, L2, " +
                                        std::to_string(size) + " questions.");
    for (uint32_t seed : {1u, 77u, 4242u}) {
        for (auto& topic : bank.Topics)
            for (auto& slot : topic.Question) slot.Picked = " ";
        ExamRecord exam;
        ExamRandom random;
        random.State = seed;
        mySelectQuestions(exam, bank, random, myExamLength(bank));
        ASSERT_EQ(exam.ExamSize, size) << seed;
        EXPECT_TRUE(exam.Drill);
        std::array<int, 3> drawn{};  // missed, never met, known
        std::vector<int> perTopic(static_cast<size_t>(c.topics) + 1, 0);
        int lastTopic = 0;
        for (int p = 1; p <= exam.ExamSize; ++p) {
            const int q = exam.ExamOrder[p];
            const QuestionSlot& slot = slotOf(bank, q);
            const int topic = refTopic(bank.QuestionRef[q]);
            ASSERT_LE(topic, c.topics) << "lesson 3 drawn at " << p;
            EXPECT_GE(topic, lastTopic) << "topic by topic";
            lastTopic = topic;
            ++perTopic[static_cast<size_t>(topic)];
            ++drawn[slot.Stats[0] > 0 ? 0 : slot.Stats[1] > 0 ? 2 : 1];
        }
        const int never = eligible - c.missed - c.known;
        EXPECT_EQ(drawn[0], std::min(c.missed, size)) << seed;
        EXPECT_EQ(drawn[1], std::min(never, size - drawn[0])) << seed;
        EXPECT_EQ(drawn[2], size - drawn[0] - drawn[1]) << seed;
        if (c.missed == 0 && c.known == 0) {
            // All alike: the topics give as evenly as they can.
            const auto [fewest, most] = std::minmax_element(perTopic.begin() + 1, perTopic.end());
            EXPECT_LE(*most - *fewest, 1) << seed;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Drill,
    ::testing::Values(DrillCase{"AllNeverMet", 0, 0, 8}, DrillCase{"SomeMissedSomeKnown", 6, 10, 8},
                      DrillCase{"MostlyKnown", 6, 30, 8}, DrillCase{"MoreMissedThanADrill", 30, 2, 8},
                      DrillCase{"FewerThanADrill", 3, 5, 3}),
    namedBy([](const DrillCase& c) { return std::string(c.name); }));

// The lesson dialog's own choice and "Full exam" end the drill.
TEST(Drill, EndsWithTheDialogsChoiceOrAFullExam) {
    BankModel bank;
    fillFlatBank(bank, 3, 2);
    bank.LessonCount = 1;
    bank.Lessons[1].LessonId = fixedWidth("L1", LessonIdWidth);
    bank.LessonIndex[1] = 1;
    bank.Lessons[1].LessonQuestionCount = 6;
    for (auto& topic : bank.Topics)
        for (auto& slot : topic.Question) slot.LessonNo = 1;
    LessonOutcome outcome;
    ASSERT_TRUE(myStartDrill(bank, {1}, outcome));
    EXPECT_TRUE(drillInForce(bank));
    const std::vector<std::string> items = sizeListTexts(myPoolFigures(bank));
    ASSERT_FALSE(items.empty());
    outcome = myUseLessonSelection(bank, items, items.back());
    EXPECT_TRUE(outcome.postReset);
    EXPECT_FALSE(drillInForce(bank));
    EXPECT_GT(bank.QuestionsPerTopic, 0);
    ASSERT_TRUE(myStartDrill(bank, {1}, outcome));
    outcome = myBackToFullExam(bank);
    EXPECT_TRUE(outcome.postReset);
    EXPECT_FALSE(drillInForce(bank));
    EXPECT_EQ(bank.QuestionsPerTopic, 0);
    EXPECT_EQ(myExamLength(bank), bank.QuestionsExpected);
}

TEST(Selection, SortOrdersTopicsAndLessonsByKey) {
    BankModel bank;
    fillBank(bank, {{"B-003-001-001", '1', 0}, {"B-001-002-001", '1', 0}, {"A-009-001-001", '1', 0},
                    {"B-001-001-001", '1', 0}},
             {{"T2", ""}, {"A9", ""}, {"T1", ""}});
    mySortList(bank.TopicOrder, bank.TopicCount, 'T', bank);
    EXPECT_EQ(std::vector<int32_t>(bank.TopicOrder.begin() + 1, bank.TopicOrder.begin() + 5),
              (std::vector<int32_t>{3, 4, 2, 1}));
    mySortList(bank.LessonIndex, bank.LessonCount, 'L', bank);
    EXPECT_EQ(std::vector<int32_t>(bank.LessonIndex.begin() + 1, bank.LessonIndex.begin() + 4),
              (std::vector<int32_t>{2, 3, 1}));
}

}  // namespace
