// The full read files questions through a topic index and takes a shortcut
// for designations already in their normal form; both must leave the model
// exactly as filing each designation through the plain table search does.
#include <gtest/gtest.h>

#include "examsim/bank/bankreader.h"
#include "examsim/bank/designation.h"
#include "examsim/bank/tests/bankfixture.h"

namespace {

struct FilingCase {
    const char* name;
    std::vector<std::string> designations;
    const char* message;  // "" when the bank reads
};
void PrintTo(const FilingCase& c, std::ostream* os) { *os << c.name; }

class IndexedFiling : public ::testing::TestWithParam<FilingCase> {};

TEST_P(IndexedFiling, MatchesTheTableSearch) {
    const FilingCase& c = GetParam();
    PortRecorder ports;

    BankModel searched;
    std::string searchedError;
    {
        ErrorRecorder rec;
        for (size_t i = 0; i < c.designations.size(); ++i) {
            std::string d = c.designations[i], topicKey, numberKey;
            int32_t topicNo = 0, slotNo = 0;
            if (!myParseQuestionNo(d, topicKey, numberKey) ||
                !myRegisterQuestion(searched, topicKey, numberKey, static_cast<int32_t>(i + 1), 0, topicNo, slotNo))
                break;
            searched.QuestionRef[i + 1] = topicNo * 16 + slotNo;
            searched.Designation[i + 1] = fixedWidth(d, DesignationWidth);
        }
        if (!rec.boxes.empty()) searchedError = rec.lastText();
    }
    EXPECT_EQ(searchedError, c.message);

    TempFolder dir;
    std::vector<std::string> lines;
    for (const auto& d : c.designations) append(lines, question(d));
    BankModel read;
    std::string title;
    ErrorRecorder rec;
    const int result = myReadQuestionBank(read, dir.write("Questions_Index.txt", crlf(lines)), FullRead, title);
    if (searchedError.empty()) {
        ASSERT_EQ(result, 1);
        EXPECT_TRUE(rec.boxes.empty());
        ASSERT_EQ(read.QuestionCount, static_cast<int32_t>(c.designations.size()));
    } else {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(rec.lastText(), searchedError);
    }

    ASSERT_EQ(read.TopicCount, searched.TopicCount);
    for (int t = 1; t <= MaxTopics; ++t) {
        SCOPED_TRACE("topic " + std::to_string(t));
        EXPECT_EQ(read.Topics[t].TopicKey, searched.Topics[t].TopicKey);
        EXPECT_EQ(read.Topics[t].Count, searched.Topics[t].Count);
        EXPECT_EQ(read.TopicOrder[t], searched.TopicOrder[t]);
        for (int s = 1; s <= MaxPerTopic; ++s) {
            EXPECT_EQ(read.Topics[t].Question[s].QuestionIndex, searched.Topics[t].Question[s].QuestionIndex);
            EXPECT_EQ(read.Topics[t].Question[s].NbrWithinTopic, searched.Topics[t].Question[s].NbrWithinTopic);
        }
    }
    for (int q = 1; q <= read.QuestionCount; ++q) {
        EXPECT_EQ(read.QuestionRef[q], searched.QuestionRef[q]) << q;
        EXPECT_EQ(read.Designation[q], searched.Designation[q]) << q;
    }
}

std::vector<std::string> interleaved(int topicCount, int perTopic) {
    std::vector<std::string> out;
    for (int n = 1; n <= perTopic; ++n)
        for (int t = topicCount; t >= 1; --t) out.push_back("C-" + std::to_string(t % 7 + 1) + "-" + std::to_string(t) + "-" + std::to_string(n));
    return out;
}

std::vector<std::string> topicsThen(int count, std::vector<std::string> more) {
    std::vector<std::string> out;
    for (int t = 1; t <= count; ++t) out.push_back("B-001-" + std::to_string(t) + "-1");
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Banks, IndexedFiling,
    ::testing::Values(
        FilingCase{"InOrder", {"B-001-001-001", "B-001-001-002", "B-001-002-001", "B-001-002-002"}, ""},
        FilingCase{"BackAndForth", {"B-001-001-001", "B-001-002-001", "B-001-001-002", "B-001-003-001", "B-001-002-002",
                                    "B-001-001-003"}, ""},
        FilingCase{"WrittenShortAndWhole", {"B-1-2-3", "B-001-002-004", "b-1-2-1", "B-001-2-5", "b-001-002-002"}, ""},
        FilingCase{"NormalLookingButNot", {"B-001-002-03", "B-0010-02-004", "B-001-002-05x", "B-001-002-006"}, ""},
        FilingCase{"ManyTopicsInterleaved", interleaved(60, 3), ""},
        FilingCase{"DuplicateAfterOtherTopics", {"B-001-001-001", "B-001-002-001", "B-001-1-1"},
                   "myRegisterQuestion, QuestionNo = B-001-001-001 is a DUPLICATE question"},
        FilingCase{"SixteenthAfterOtherTopics", {"B-001-001-001", "B-001-002-001", "B-001-001-016"},
                   "myRegisterQuestion, TopicNo = B-001-001\r\n NbrWithinTopic 16 exceeds array size of 15"},
        FilingCase{"OldTopicAfterAHundred", topicsThen(100, {"B-001-050-002", "B-001-001-003"}), ""},
        FilingCase{"HundredAndFirstTopic", topicsThen(100, {"B-001-050-002", "B-002-001-001"}),
                   "myRegisterQuestion, TopicNo = B-002-001\r\n exceeds array size of 100"}),
    [](const ::testing::TestParamInfo<FilingCase>& info) { return std::string(info.param.name); });

}  // namespace
