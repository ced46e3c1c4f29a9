#include "examsim/bank/designation.h"

#include <gtest/gtest.h>

#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/text.h"

namespace {

struct DesignationCase {
    const char* given;
    bool valid;
    const char* designation;  // normalised, or the message when invalid
    const char* topicKey;
    const char* numberKey;
};

class ParseQuestionNo : public ::testing::TestWithParam<DesignationCase> {};

TEST_P(ParseQuestionNo, NormalisesOrRejects) {
    const DesignationCase& c = GetParam();
    ErrorRecorder rec;
    std::string designation = c.given, topic, number;
    ASSERT_EQ(myParseQuestionNo(designation, topic, number), c.valid);
    if (c.valid) {
        EXPECT_EQ(designation, c.designation);
        EXPECT_EQ(topic, c.topicKey);
        EXPECT_EQ(number, c.numberKey);
        EXPECT_TRUE(rec.boxes.empty());
    } else {
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, c.designation);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designations, ParseQuestionNo,
    ::testing::Values(
        DesignationCase{"B-001-002-003", true, "B-001-002-003", "B-001-002", "003"},
        DesignationCase{"B-1-2-3", true, "B-001-002-003", "B-001-002", "003"},
        DesignationCase{"B-x-y-z", true, "B-000-000-000", "B-000-000", "000"},
        DesignationCase{"b-17-2-15", true, "b-017-002-015", "b-017-002", "015"},
        DesignationCase{"B-001-002", false, "myParseQuestionNo, wrong number of dashes in question designation for B-001-002", "", ""},
        DesignationCase{"B-1-2-3-4", false, "myParseQuestionNo, wrong number of dashes in question designation for B-1-2-3-4", "", ""},
        DesignationCase{"BB-1-2-3", false,
                        "myParseQuestionNo, question designation BB-1-2-3 is longer than 13 characters once written as BB-001-002-003", "", ""},
        DesignationCase{"B-1-2-1000", false,
                        "myParseQuestionNo, question designation B-1-2-1000 is longer than 13 characters once written as B-001-002-1000", "", ""}),
                         namedBy([](const DesignationCase& c) { return c.given; }));

TEST(ParseQuestionNo, FrenchDashMessage) {
    ErrorRecorder rec(1);
    std::string d = "B-1", t, n;
    EXPECT_FALSE(myParseQuestionNo(d, t, n));
    EXPECT_EQ(rec.lastText(), latin1("myParseQuestionNo, nombre de tirets incorrect à B-1"));
}

bool registerOne(BankModel& model, const std::string& given, int index, int32_t& topic, int32_t& slot) {
    std::string d = given, t, n;
    return myParseQuestionNo(d, t, n) && myRegisterQuestion(model, t, n, index, 0, topic, slot);
}

TEST(RegisterQuestion, FilesByTopicInOrderOfFirstAppearance) {
    ErrorRecorder rec;
    BankModel model;
    int32_t topic = 0, slot = 0;
    ASSERT_TRUE(registerOne(model, "B-001-002-003", 1, topic, slot));
    EXPECT_EQ(topic, 1);
    EXPECT_EQ(slot, 3);
    ASSERT_TRUE(registerOne(model, "B-009-001-001", 2, topic, slot));
    EXPECT_EQ(topic, 2);
    ASSERT_TRUE(registerOne(model, "B-1-2-15", 3, topic, slot));
    EXPECT_EQ(topic, 1);
    EXPECT_EQ(slot, 15);
    EXPECT_EQ(model.TopicCount, 2);
    EXPECT_EQ(model.Topics[1].Count, 2);
    EXPECT_EQ(model.Topics[1].TopicKey, "B-001-002");
    EXPECT_EQ(model.Topics[1].Question[15].QuestionIndex, 3);
    EXPECT_EQ(model.Topics[1].Question[15].NbrWithinTopic, "015");
    EXPECT_EQ(model.TopicOrder[2], 2);
    EXPECT_TRUE(rec.boxes.empty());
}

struct RegisterFailure {
    const char* designation;
    int language;
    const char* message;
};

class RegisterQuestionFails : public ::testing::TestWithParam<RegisterFailure> {};

TEST_P(RegisterQuestionFails, WithItsMessage) {
    const RegisterFailure& c = GetParam();
    ErrorRecorder rec(c.language);
    BankModel model;
    int32_t topic = 0, slot = 0;
    ASSERT_TRUE(registerOne(model, "B-001-002-003", 1, topic, slot));
    EXPECT_FALSE(registerOne(model, c.designation, 2, topic, slot));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, latin1(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RegisterQuestionFails,
    ::testing::Values(
        RegisterFailure{"B-001-002-016", 0,
                        "myRegisterQuestion, TopicNo = B-001-002\r\n NbrWithinTopic 16 exceeds array size of 15"},
        RegisterFailure{"B-001-002-016", 1,
                        "myRegisterQuestion, TopicNo = B-001-002\r\n NbrWithinTopic 16 dépasse le tableau limité à 15"},
        RegisterFailure{"B-001-002-003", 0, "myRegisterQuestion, QuestionNo = B-001-002-003 is a DUPLICATE question"},
        RegisterFailure{"B-1-2-3", 1, "myRegisterQuestion, QuestionNo = B-001-002-003 est un numéro trouvé en double"},
        RegisterFailure{"B-001-002-0", 0,
                        "myRegisterQuestion, QuestionNo = B-001-002-000 number within topic must be 1 to 15"},
        RegisterFailure{"B-001-005-x", 1,
                        "myRegisterQuestion, QuestionNo = B-001-005-000 le numéro dans le sujet doit être de 1 à 15"}),
                         namedBy([](const RegisterFailure& c) { return std::string(c.designation) + (c.language ? " French" : " English"); }));

TEST(RegisterQuestion, NumberZeroOpensNoTopic) {
    ErrorRecorder rec;
    BankModel model;
    int32_t topic = 0, slot = 0;
    EXPECT_FALSE(registerOne(model, "B-003-004-0", 1, topic, slot));
    EXPECT_EQ(model.TopicCount, 0);
    EXPECT_EQ(trimSpaces(model.Topics[1].TopicKey), "");
}

TEST(RegisterQuestion, HundredAndFirstTopicFails) {
    ErrorRecorder rec;
    BankModel model;
    int32_t topic = 0, slot = 0;
    for (int t = 1; t <= MaxTopics; ++t)
        ASSERT_TRUE(registerOne(model, "B-001-" + std::to_string(t) + "-1", t, topic, slot));
    EXPECT_FALSE(registerOne(model, "B-002-001-001", 101, topic, slot));
    EXPECT_EQ(rec.lastText(), "myRegisterQuestion, TopicNo = B-002-001\r\n exceeds array size of 100");
    EXPECT_EQ(model.TopicCount, 100);
}

}  // namespace
