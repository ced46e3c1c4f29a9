#include "examsim/cli/progresscli.h"

#include <gtest/gtest.h>

#include <regex>

#include "examsim/bank/bankreader.h"
#include "examsim/cli/tests/toolrun.h"
#include "examsim/progress/tests/progresskit.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/tempfolder.h"

namespace {

const char* const kBank =
    "^Progress fixture^4^70^\r\n"
    "\r\n"
    "{L01} Regulations\r\n"
    "\r\n"
    "B-001-001-001 (1) First question?\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> Because.\r\n\r\n"
    "B-001-001-002 (2) Second question?\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> Because.\r\n\r\n"
    "{L02} Electronics\r\n"
    "\r\n"
    "B-001-002-001 (3) Third question?\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> Because.\r\n\r\n"
    "B-001-003-001 (4) Fourth question?\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> Because.\r\n\r\n"
    "B-001-004-001 (1) Fifth question?\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> Because.\r\n";

std::string fixtureLog() {
    return logRecord("Progress fixture", "2026/01/05 14:30", "33.3%",
                     {{"B-001-001-001", 1, 2}, {"B-001-002-001", 3, 3}, {"B-001-003-001", 4, 5}}) +
           logRecord("Other bank", "2026/01/06 10:00", "100%", {{"B-001-001-001", 1, 1}}) +
           logRecord("Progress fixture", "2026/01/07 09:15", "66.7%",
                     {{"B-001-001-001", 1, 1}, {"B-001-002-001", 3, 3}, {"B-001-003-001", 4, 1}}) +
           logRecord("Progress fixture", "2026/01/09 20:05", "100%",
                     {{"B-001-001-002", 2, 2}, {"B-001-002-001", 3, 3}, {"B-001-003-001", 4, 4}});
}

class ProgressCommand : public ::testing::Test {
protected:
    void SetUp() override {
        bank = dir.write("Questions_Fixture.txt", kBank);
        dir.write("Ulvorane_Log.txt", fixtureLog());
    }
    TempFolder dir;
    std::string bank;
};

// Nine answers: the chances, point value first, say that they are too few
// for a range.
TEST_F(ProgressCommand, PrintsTheWholeReportInEnglish) {
    ToolRun r = runTool({"progress", bank});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "Progress in Progress fixture\n"
              "Sessions counted: 3, from 2026/01/05 14:30 to 2026/01/09 20:05\n"
              "Lessons, weakest first:\n"
              "Lesson  Questions  Seen  Attempts  Success\n"
              "L01             2     2         3    66.7%\n"
              "L02             3     2         6    66.7%\n"
              "Topics, weakest first:\n"
              "Topic      Questions  Seen  Attempts  Success\n"
              "B-001-004          1     0         0        -\n"
              "B-001-003          1     1         3    33.3%\n"
              "B-001-001          2     2         3    66.7%\n"
              "B-001-002          1     1         3   100.0%\n"
              "Chance of passing now: 65.7%, too few answers yet to be sure (fewer than 50)\n"
              "Chance of 80% or more: 26.7%, too few answers yet to be sure (fewer than 50)\n");
}

TEST_F(ProgressCommand, PrintsTheWholeReportInFrench) {
    ToolRun r = runTool({"--lang", "fr", "progress", bank});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "Progrès dans Progress fixture\n"
              "Séances comptées : 3, du 2026/01/05 14:30 au 2026/01/09 20:05\n"
              "Leçons, les plus faibles d'abord :\n"
              "Leçon  Questions  Vues  Essais  Succès\n"
              "L01            2     2       3   66.7%\n"
              "L02            3     2       6   66.7%\n"
              "Sujets, les plus faibles d'abord :\n"
              "Sujet      Questions  Vues  Essais  Succès\n"
              "B-001-004          1     0       0       -\n"
              "B-001-003          1     1       3   33.3%\n"
              "B-001-001          2     2       3   66.7%\n"
              "B-001-002          1     1       3  100.0%\n"
              "Chance de réussir maintenant : 65.7%, trop peu de réponses encore pour en être sûr (moins de 50)\n"
              "Chance d'obtenir 80 % ou plus : 26.7%, trop peu de réponses encore pour en être sûr (moins de 50)\n");
}

TEST_F(ProgressCommand, ALogWithoutThisBankGivesTheFiguresOfAFirstExam) {
    const std::string other = dir.write("Other_Log.txt", logRecord("Other bank", "2026/01/06 10:00", "100%",
                                                                  {{"B-001-001-001", 1, 1}}));
    ToolRun r = runTool({"progress", bank, "--log", other});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\nNo session of this bank was found in " + other + ": figures of a first exam.\n"),
              std::string::npos);
    // Nothing known yet: a chance neither sure nor hopeless, and no range.
    EXPECT_NE(r.out.find("\nChance of passing now: 45.7%, too few answers yet to be sure (fewer than 50)\n"
                         "Chance of 80% or more: 34.9%, too few answers yet to be sure (fewer than 50)\n"),
              std::string::npos)
        << r.out;
}

TEST_F(ProgressCommand, APassMarkOf80OrMoreEndsWithTheChanceOfPassing) {
    std::string eighty = kBank;
    eighty.replace(eighty.find("^70^"), 4, "^80^");
    ToolRun r = runTool({"progress", dir.write("Questions_Eighty.txt", eighty), "--log", dir.file("Ulvorane_Log.txt")});
    EXPECT_EQ(r.code, 0);
    const std::string last = "Chance of passing now: 26.7%, too few answers yet to be sure (fewer than 50)\n";
    ASSERT_GE(r.out.size(), last.size());
    EXPECT_EQ(r.out.substr(r.out.size() - last.size()), last) << r.out;
    EXPECT_EQ(r.out.find("80% or more"), std::string::npos);
}

TEST_F(ProgressCommand, TheDefaultLogMayBeMissing) {
    std::filesystem::remove(dir.file("Ulvorane_Log.txt"));
    ToolRun r = runTool({"progress", bank});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\nNo session of this bank was found in "), std::string::npos) << r.out;
}

// Two whole exams on the Basic sample (its 44 topics make one exam too few
// answers for a range), one question per topic, 81 % of them right: the
// candidate is likely to pass, less sure of honours, and the figures say so
// with their range, point value first.
struct ExampleCase {
    const char* language;
    const char* bankFile;
    const char* pass;     // the line's pattern, the point value caught
    const char* honours;
};
class TwoExamsAt81 : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(TwoExamsAt81, AHighChanceWithItsRange) {
    BankModel model;
    std::string unused;
    const std::string bankPath = std::string(SAMPLES_DIR) + "/" + GetParam().bankFile;
    ASSERT_TRUE(myReadQuestionBank(model, bankPath, FullRead, unused));
    std::string records;
    for (int exam = 1; exam <= 2; ++exam) {
        std::vector<LoggedAnswer> answers;
        for (int t = 1; t <= model.TopicCount; ++t) {
            const int q = model.Topics[t].Question[std::min<int>(exam, model.Topics[t].Count)].QuestionIndex;
            const int expected = model.ExpectedAnswer[q][0] - '0';
            const bool right = (t * 37 + exam * 11) % model.TopicCount < model.TopicCount * 81 / 100;
            answers.push_back({trimSpaces(model.Designation[q]), expected, right ? expected : expected % 4 + 1});
        }
        ASSERT_GE(answers.size(), 40u);
        records += logRecord(trimSpaces(model.CurrentBankTitle), "2026/01/0" + std::to_string(exam) + " 14:30", "81%",
                             answers);
    }
    TempFolder dir;
    const std::string log = dir.write("Ulvorane_Log.txt", records);
    ToolRun r = runTool({"--lang", GetParam().language, "progress", bankPath, "--log", log});
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* pattern : {GetParam().pass, GetParam().honours}) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(r.out, m, std::regex(pattern))) << pattern << "\n" << r.out;
        const double point = std::stod(m[1]), low = std::stod(m[2]), high = std::stod(m[3]);
        EXPECT_LE(low, point);
        EXPECT_LE(point, high);
        EXPECT_GT(high - low, 1.0);  // one exam leaves room for doubt
        if (pattern == GetParam().pass) {
            EXPECT_GT(point, 80.0) << r.out;
        }
        if (pattern == GetParam().honours) {
            EXPECT_GT(point, 40.0) << r.out;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Languages, TwoExamsAt81,
    ::testing::Values(
        ExampleCase{"en", "Questions_Basic-English.txt",
                    "\nChance of passing now: ([0-9.]+)%, likely between ([0-9]+)% and ([0-9]+)%\n",
                    "\nChance of 80% or more: ([0-9.]+)%, likely between ([0-9]+)% and ([0-9]+)%\n"},
        ExampleCase{"fr", "Questions_Base-Francais.txt",
                    "\nChance de réussir maintenant : ([0-9.]+)%, probablement entre ([0-9]+) % et ([0-9]+) %\n",
                    "\nChance d'obtenir 80 % ou plus : ([0-9.]+)%, probablement entre ([0-9]+) % et ([0-9]+) %\n"}),
    namedBy([](const ExampleCase& c) { return std::string(c.language); }));

struct FailureCase {
    std::vector<std::string> args;  // "BANK" and "DIR" stand for the fixture's
    int code;
    std::string errBegins;
};
class ProgressCommandFails : public ProgressCommand, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProgressCommandFails, WithItsExitCodeAndMessage) {
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args)
        args.push_back(a == "BANK"        ? bank
                       : a == "DIR"       ? dir.path()
                       : a == "NOBANK"    ? dir.file("None.txt")
                       : a == "NOLOG"     ? dir.file("None_Log.txt")
                       : a == "EMPTYBANK" ? dir.write("Questions_Empty.txt", "^Empty^4^70^\r\n")
                                          : a);
    ToolRun r = runTool(args);
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(GetParam().errBegins, 0), 0u) << r.err;
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressCommandFails,
    ::testing::Values(FailureCase{{"progress"}, 2, "usage: ulvorane-bank"},
                      FailureCase{{"progress", "BANK", "--log"}, 2, "usage: ulvorane-bank"},
                      FailureCase{{"progress", "BANK", "BANK"}, 2, "usage: ulvorane-bank"},
                      FailureCase{{"progress", "BANK", "--out", "x"}, 2, "usage: ulvorane-bank"},
                      FailureCase{{"progress", "BANK", "--log", "a", "--log", "b"}, 2, "usage: ulvorane-bank"},
                      FailureCase{{"progress", "NOBANK"}, 1, "myReadQuestionBank, cannot open file"},
                      // A folder named as the log is refused as the readers refuse it, with its number.
                      FailureCase{{"progress", "BANK", "--log", "DIR"}, 1,
                                  "ulvorane-bank progress, cannot open the log "},
                      // As check refuses it: the program would have nothing to ask.
                      FailureCase{{"progress", "EMPTYBANK"}, 1,
                                  "The bank holds no question: the program has nothing to ask.\n"},
                      // A log named outright must be there; only the default one may be missing.
                      FailureCase{{"progress", "BANK", "--log", "NOLOG"}, 1,
                                  "ulvorane-bank progress, cannot open the log "},
                      FailureCase{{"--lang", "fr", "progress", "BANK", "--log", "NOLOG"}, 1,
                                  "ulvorane-bank progress, ne peut ouvrir le journal "},
                      FailureCase{{"--lang", "fr", "progress", "NOBANK"}, 1, "myReadQuestionBank, "}),
                         namedBy([](const FailureCase& c) {
                             std::string name;
                             for (const std::string& a : c.args) name += (name.empty() ? "" : " ") + a;
                             return name;
                         }));

}  // namespace
