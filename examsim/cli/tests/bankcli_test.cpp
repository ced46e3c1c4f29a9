#include "examsim/cli/bankcli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "examsim/bank/bankreader.h"
#include "examsim/bank/tests/bankfixture.h"
#include "examsim/cli/tests/toolrun.h"
#include "toolkit/tests/casenames.h"

namespace {

// Counts taken from the file itself, the way an author would count them.
struct Counts {
    int questions = 0, answers = 0, explanations = 0;
};

Counts countRecords(const std::string& path) {
    std::vector<std::string> lines;
    int error = 0;
    readAllLines(path, lines, error);
    Counts c;
    const std::regex question(R"(^[A-Z]-\d{3}-\d{3}-\d{3} \(.\) )");
    const std::regex answer(R"(^([1-4]\.|[A-D]\)) )");
    for (const std::string& line : lines) {
        if (std::regex_search(line, question)) ++c.questions;
        else if (std::regex_search(line, answer)) ++c.answers;
        else if (!line.empty() && line[0] == '>') ++c.explanations;
    }
    return c;
}

class SampleBank : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleBank, CheckPrintsCountsThatMatchTheFile) {
    const std::string path = std::string(SAMPLES_DIR) + "/" + GetParam();
    Counts c = countRecords(path);
    ASSERT_GT(c.questions, 0);
    ToolRun r = runTool({"check", path});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Questions Read = " + std::to_string(c.questions) + "\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Answers Read = " + std::to_string(c.answers) + " "), std::string::npos);
    EXPECT_NE(r.out.find("Explanations Read = " + std::to_string(c.explanations) + "\n"), std::string::npos);
    EXPECT_EQ(c.answers, 4 * c.questions);
    EXPECT_EQ(c.explanations, c.questions);
}

INSTANTIATE_TEST_SUITE_P(Bundled, SampleBank,
                         ::testing::Values("Questions_Basic-English.txt", "Questions_Base-Francais.txt",
                                           "Questions_Q-Signals-ABCD.txt"),
                         namedBy([](const char* file) { return file; }));

TEST(SampleBanks, TwinsShareDesignationsAndAnswers) {
    ErrorRecorder rec;
    PortRecorder ports;
    BankModel en, fr;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(en, std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt", FullRead, title), 1);
    ASSERT_EQ(myReadQuestionBank(fr, std::string(SAMPLES_DIR) + "/Questions_Base-Francais.txt", FullRead, title), 1);
    EXPECT_GE(en.QuestionCount, 120);
    EXPECT_GE(en.TopicCount, 40);
    EXPECT_GE(en.LessonCount, 6);
    ASSERT_EQ(en.QuestionCount, fr.QuestionCount);
    for (int q = 1; q <= en.QuestionCount; ++q) {
        EXPECT_EQ(en.Designation[q], fr.Designation[q]);
        EXPECT_EQ(en.ExpectedAnswer[q], fr.ExpectedAnswer[q]);
        EXPECT_NE(en.Explanation[q], "");
    }
    for (int t = 1; t <= en.TopicCount; ++t) {
        EXPECT_GE(en.Topics[t].Count, 2);
        EXPECT_LE(en.Topics[t].Count, 4);
    }
}

TEST(BankTool, ErrorsGoToStandardErrorInTheChosenLanguage) {
    TempFolder dir;
    const std::string path = dir.write("Questions_Bad.txt", crlf({"B-1-1-1 (9) Q"}));
    ToolRun r = runTool({"--lang", "fr", "check", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, toUtf8(latin1("myParseQuestionRecord, réponse attendue inacceptable à B-1-1-1 (9) Q...\n")));
}

TEST(BankTool, DumpWritesTempTxtBesideTheBank) {
    TempFolder dir;
    const std::string path = dir.write("Questions_D.txt", crlf(question("B-1-1-1", "2", "Q")));
    ToolRun r = runTool({"dump", path, "4"});
    EXPECT_EQ(r.code, 0) << r.err;
    std::string bytes;
    int error = 0;
    ASSERT_TRUE(readFileBytes(dir.file("Temp.txt"), bytes, error));
    EXPECT_EQ(bytes, crlf({"B-001-001-001 (2)", "Q", "one", "two", "three", "four", "Total 1"}));
    EXPECT_EQ(runTool({"dump", path, "9"}).code, 1);
    EXPECT_EQ(runTool({"check"}).code, 2);
}

// One rule for every file the tools check: exit 1 when the program could not
// use the file for its purpose, 0 (with any warnings) otherwise.
TEST(BankTool, ABankWithoutQuestionsHasNothingToAskAndFails) {
    TempFolder dir;
    const std::string path = dir.write("Questions_Empty.txt", crlf({"^Nothing yet^100^70^"}));
    ToolRun r = runTool({"check", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("Questions Read = 0"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "The bank holds no question: the program has nothing to ask.\n");
    r = runTool({"--lang", "fr", "check", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, toUtf8(latin1("La banque ne contient aucune question : le programme n'a rien à demander.\n")));
}

struct LanguageOption {
    const char* given;
    int code;
};

class BankToolLanguage : public ::testing::TestWithParam<LanguageOption> {};

TEST_P(BankToolLanguage, IsEnglishOrFrenchAndNothingElse) {
    const std::string path = std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt";
    ToolRun r = runTool({"--lang", GetParam().given, "check", path});
    EXPECT_EQ(r.code, GetParam().code) << r.err;
    if (GetParam().code == 2) {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("usage: ulvorane-bank", 0), 0u) << r.err;
    } else {
        EXPECT_EQ(r.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Options, BankToolLanguage,
                         ::testing::Values(LanguageOption{"en", 0}, LanguageOption{"fr", 0},
                                           LanguageOption{"FR", 0}, LanguageOption{"de", 2},
                                           LanguageOption{"", 2}, LanguageOption{"english", 2}),
                         namedBy([](const LanguageOption& o) { return std::string("lang ") + o.given; }));

TEST(BankTool, ABankInTheCurrentFolderIsShownFromDotSlash) {
    TempFolder dir;
    dir.write("Questions_Here.txt", crlf(question("B-1-1-1", "2", "Q")));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ToolRun r = runTool({"check", "Questions_Here.txt"});
    std::filesystem::current_path(before);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("From folder ." + Slash + "\n"), std::string::npos) << r.out;
}

}  // namespace
