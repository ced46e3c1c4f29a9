#include "examsim/bank/lessonpool.h"

#include <gtest/gtest.h>

#include "examsim/bank/designation.h"
#include "examsim/bank/tests/bankfixture.h"

namespace {

// Lesson l gets `perLesson[l]` questions spread over `topics[l]` topics.
BankModel bankWith(const std::vector<std::pair<int, int>>& lessons) {
    BankModel model;
    int topicBase = 0;
    for (size_t l = 0; l < lessons.size(); ++l) {
        const int lesson = static_cast<int>(l) + 1;
        model.LessonCount = lesson;
        model.LessonIndex[lesson] = lesson;
        model.Lessons[lesson].LessonId = fixedWidth("L" + std::to_string(lesson), 4);
        for (int q = 0; q < lessons[l].second; ++q) {
            std::string d = "B-" + std::to_string(topicBase + q % lessons[l].first + 1) + "-1-" +
                            std::to_string(q / lessons[l].first + 1);
            std::string t, n;
            int32_t topic = 0, slot = 0;
            myParseQuestionNo(d, t, n);
            ++model.QuestionCount;
            myRegisterQuestion(model, t, n, model.QuestionCount, static_cast<uint8_t>(lesson), topic, slot);
            ++model.Lessons[lesson].LessonQuestionCount;
        }
        topicBase += lessons[l].first;
    }
    return model;
}

struct PoolCase {
    const char* name;
    std::vector<std::pair<int, int>> lessons;  // (topics, questions) per lesson
    std::vector<int> ticked;
    std::vector<std::string> items;
};

class SizeList : public ::testing::TestWithParam<PoolCase> {};

TEST_P(SizeList, OffersTopicItemsThenThePool) {
    const PoolCase& c = GetParam();
    ErrorRecorder rec;
    BankModel model = bankWith(c.lessons);
    for (int l : c.ticked) myToggleLesson(model, l, true);
    EXPECT_EQ(sizeListTexts(myPoolFigures(model)), c.items);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, SizeList,
    ::testing::Values(
        PoolCase{"TwelveTopicsFortyQuestions", {{4, 14}, {4, 13}, {4, 13}, {5, 5}}, {1, 2, 3},
                 {"12 Topic(s) at 1 question(s) each = maximum 12 question(s)",
                  "12 Topic(s) at 2 question(s) each = maximum 24 question(s)",
                  "12 Topic(s) at 3 question(s) each = maximum 36 question(s)", "40 question(s)"}},
        PoolCase{"FortyTopics", {{40, 200}}, {1},
                 {"40 Topic(s) at 1 question(s) each = maximum 40 question(s)",
                  "40 Topic(s) at 2 question(s) each = maximum 80 question(s)",
                  "40 Topic(s) at 3 question(s) each = maximum 120 question(s)"}},
        PoolCase{"NothingTicked", {{3, 9}}, {}, {"0 question(s)"}},
        PoolCase{"ExactlyTheLargestExamOfferedWhole", {{50, 125}}, {1},
                 {"50 Topic(s) at 1 question(s) each = maximum 50 question(s)",
                  "50 Topic(s) at 2 question(s) each = maximum 100 question(s)", "125 question(s)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LessonPool, TopicTargetedByAnyOfItsQuestions) {
    ErrorRecorder rec;
    BankModel model = bankWith({{2, 2}, {1, 1}});
    // Put lesson 2's question into lesson 1's first topic.
    model.Topics[1].Question[2] = model.Topics[3].Question[1];
    myToggleLesson(model, 2, true);
    PoolFigures pool = myPoolFigures(model);
    EXPECT_EQ(pool.LessonsSelected, 1);
    EXPECT_EQ(pool.TopicsTargeted, 2);
    EXPECT_EQ(pool.QuestionsAvailable, 1);
    EXPECT_EQ(poolLabelText(pool), "Lessons selected = 1,  Topics targeted = 2,  Questions available in pool = 1");
    uiContext().InterfaceLanguage = 1;
    EXPECT_EQ(poolLabelText(pool), latin1("Leçons choisies = 1,  Sujets visés = 2,  Questions disponibles en banque = 1"));
    EXPECT_EQ(sizeListTexts(pool).back(), "1 question(s)");
    uiContext().InterfaceLanguage = 0;
}

TEST(LessonSelection, ConfirmingAndCancelling) {
    ErrorRecorder rec;
    std::vector<bool> checks;
    PortRecorder ports;
    bankPorts().lessonMenuCheck = [&](bool on) { checks.push_back(on); };
    BankModel model = bankWith({{4, 14}, {4, 13}, {4, 13}, {5, 5}});
    std::vector<std::string> empty = sizeListTexts(myPoolFigures(model));
    LessonOutcome none = myUseLessonSelection(model, empty, empty.back());
    EXPECT_FALSE(none.closeDialog);
    EXPECT_EQ(rec.lastText(), "In order to limit question selection to certain Topics,\r\nuse check boxes to choose certain Lessons.");
    EXPECT_EQ(model.QuestionsPerTopic, 0);

    for (int l : {1, 2, 3}) myToggleLesson(model, l, true);
    std::vector<std::string> items = sizeListTexts(myPoolFigures(model));
    LessonOutcome all = myUseLessonSelection(model, items, items.back());
    EXPECT_TRUE(all.closeDialog);
    EXPECT_TRUE(all.postReset);
    EXPECT_EQ(model.QuestionsPerTopic, 15);
    EXPECT_EQ(model.LessonChoice, std::string("\x04\x01\x01\x01") + std::string(17, '\0'));
    EXPECT_EQ(model.LessonChoiceInForce, model.LessonChoice);
    EXPECT_TRUE(model.LessonMenuChecked);

    LessonOutcome again = myUseLessonSelection(model, items, items.back());
    EXPECT_FALSE(again.postReset);

    LessonOutcome two = myUseLessonSelection(model, items, items[1]);
    EXPECT_TRUE(two.postReset);
    EXPECT_EQ(model.QuestionsPerTopic, 2);

    LessonOutcome cancel = myCancelLessonSelection(model);
    EXPECT_TRUE(cancel.postReset);
    EXPECT_EQ(model.QuestionsPerTopic, 0);
    EXPECT_EQ(model.Lessons[2].LessonSelected, 0);
    EXPECT_EQ(model.LessonChoiceInForce, std::string(21, '\0'));
    EXPECT_FALSE(model.LessonMenuChecked);
    EXPECT_FALSE(myCancelLessonSelection(model).postReset);
    EXPECT_EQ(checks, (std::vector<bool>{true, true, true, false, false}));
}

// Restricting to lessons by their places in the bank is ticking exactly
// those boxes (wherever the sorted list shows them) and confirming the
// size the dialog selects; lessons ticked before are cleared.
TEST(LessonSelection, RestrictingToLessonsIsTickingThemAndConfirming) {
    ErrorRecorder rec;
    PortRecorder ports;
    struct Case {
        std::vector<int> lessons;
        std::vector<int> positions;  // the same lessons as ticked boxes
    };
    for (const Case& c : {Case{{1, 3}, {1, 3}}, Case{{4}, {4}}, Case{{2, 3, 9}, {2, 1}}}) {
        BankModel byLessons = bankWith({{4, 14}, {4, 13}, {4, 13}, {5, 5}});
        std::swap(byLessons.LessonIndex[1], byLessons.LessonIndex[3]);  // list sorted otherwise
        BankModel byBoxes = byLessons;
        myToggleLesson(byLessons, 4, true);
        for (int p : c.positions) myToggleLesson(byBoxes, p, true);
        const std::vector<std::string> items = sizeListTexts(myPoolFigures(byBoxes));
        const LessonOutcome expected = myUseLessonSelection(byBoxes, items, items.back());
        LessonOutcome outcome;
        ASSERT_TRUE(myRestrictToLessons(byLessons, c.lessons, outcome));
        EXPECT_EQ(outcome.postReset, expected.postReset);
        EXPECT_EQ(byLessons.QuestionsPerTopic, byBoxes.QuestionsPerTopic);
        EXPECT_EQ(byLessons.LessonChoiceInForce, byBoxes.LessonChoiceInForce);
        EXPECT_TRUE(byLessons.LessonMenuChecked);
        for (int l = 1; l <= 4; ++l)
            EXPECT_EQ(byLessons.Lessons[l].LessonSelected, byBoxes.Lessons[l].LessonSelected) << l;
    }
    BankModel model = bankWith({{4, 14}});
    LessonOutcome outcome;
    EXPECT_FALSE(myRestrictToLessons(model, {7}, outcome));
    EXPECT_EQ(model.QuestionsPerTopic, 0);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(LessonSelection, FrenchTopicItemGivesItsPerTopicCount) {
    ErrorRecorder rec(1);
    BankModel model = bankWith({{5, 60}});
    myToggleLesson(model, 1, true);
    std::vector<std::string> items = sizeListTexts(myPoolFigures(model));
    ASSERT_GE(items.size(), 11u);
    EXPECT_EQ(items[10], latin1("5 Sujet(s) à 11 question(s) chaque = maximum 55 question(s)"));
    EXPECT_TRUE(myUseLessonSelection(model, items, items[10]).closeDialog);
    EXPECT_EQ(model.QuestionsPerTopic, 11);
}

TEST(LessonSelection, DialogNeedsLessons) {
    ErrorRecorder rec(1);
    BankModel model;
    EXPECT_FALSE(lessonDialogMayOpen(model));
    EXPECT_EQ(rec.lastText(), latin1("Aucune Banque n'a été choisie  ou  celle-ci n'est pas séparée en leçons."));
}

TEST(LessonRows, TextsForBothLayouts) {
    BankModel model = bankWith({{1, 7}});
    model.Lessons[1].LessonTitle = fixedWidth("Regulations", 80);
    EXPECT_EQ(lessonRowText(model, 1, false), "L1   " + fixedWidth("Regulations", 80));
    EXPECT_EQ(lessonRowText(model, 1, true), "L1   " + fixedWidth("Regulations  Total 7 Questions.", 105));
    EXPECT_EQ(lessonCountText(model, 1), "( 7  Questions)");
}

}  // namespace
