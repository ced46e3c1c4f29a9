#include "examsim/import/poolimport.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "examsim/bank/bankreader.h"
#include "examsim/import/tests/isedkit.h"
#include "examsim/import/tests/zipkit.h"

namespace {

namespace fs = std::filesystem;

const std::string Pool2025 = crlf({IsedHeader, isedRow("B-001-001-001"), isedRow("B-002-001-001")});

// Banks imported once into a program folder; a question asked is recorded
// and answered from `replace`.
class PoolImport : public ::testing::Test {
protected:
    ImportOutcome import(const std::string& bytes, const char* archive = "amat_basic_quest.zip") {
        const std::string source = dir.write(archive, makeZip({{"amat_basic_quest_delim2025.txt", bytes}}));
        ImportPorts ports;
        ports.askReplace = [this](const std::string& title, const std::string& text) {
            asked.push_back(title + "|" + text);
            return replace;
        };
        return myImportOfficialBank(source, dir.file("program"), "", ports);
    }
    // The banks' bytes and dates, to tell whether anything was rewritten.
    std::vector<std::string> banks() const {
        std::vector<std::string> state;
        for (const char* name : {"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"}) {
            const std::string path = dir.file("program") + Slash + name;
            state.push_back(fileBytes(path) + "@" +
                            std::to_string(fs::last_write_time(path).time_since_epoch().count()));
        }
        return state;
    }
    // Dated a year back, so that a rewrite shows in the date even within
    // the second (Windows' stat counts seconds). In the past: Wine's stat
    // gives a stale time for a date after 2106.
    void ageBanks() {
        for (const char* name : {"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"})
            fs::last_write_time(dir.file("program") + Slash + name,
                                fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    }

    ErrorRecorder rec;
    TempFolder dir;
    std::vector<std::string> asked;
    bool replace = false;
};

TEST_F(PoolImport, FirstImportWritesBothBanksAndSaysSo) {
    const ImportOutcome outcome = import(Pool2025);
    ASSERT_EQ(outcome.Result, ImportResult::Written) << rec.lastText();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(outcome.Qualification, 'B');
    EXPECT_EQ(outcome.Edition, "2025");
    EXPECT_EQ(outcome.QuestionCount, 2);
    EXPECT_EQ(pathBytes(outcome.Paths[0]), dir.file("program") + Slash + "Questions_Basic_EN.txt");
    EXPECT_EQ(pathBytes(outcome.Paths[1]), dir.file("program") + Slash + "Questions_Basic_FR.txt");
    EXPECT_EQ(importSummary(outcome), "Question pool imported: Basic 2025 (2 questions), from amat_basic_quest.zip.\r\n"
                                      "Banks written:\r\n  " + pathBytes(outcome.Paths[0]) + "\r\n  " + pathBytes(outcome.Paths[1]));
    ErrorRecorder french(1);
    EXPECT_EQ(importSummary(outcome), latin1("Banque importée : Base 2025 (2 questions), de amat_basic_quest.zip.\r\n"
                                             "Banques écrites :\r\n  ") +
                                          pathBytes(outcome.Paths[0]) + "\r\n  " + pathBytes(outcome.Paths[1]));
    EXPECT_EQ(fileBytes(outcome.Paths[0]).rfind("' Basic 2025 English: imported from amat_basic_quest_delim2025.txt\r\n", 0),
              0u);
}

TEST_F(PoolImport, TheSamePoolAgainAsksNothingAndRewritesNothing) {
    ASSERT_EQ(import(Pool2025).Result, ImportResult::Written);
    ageBanks();
    const std::vector<std::string> before = banks();
    // The unpacked file itself gives the very same banks as its archive.
    dir.write("amat_basic_quest_delim2025.txt", Pool2025);
    ImportOutcome outcome = myImportOfficialBank(dir.file("amat_basic_quest_delim2025.txt"), dir.file("program"), "",
                                                 ImportPorts{});
    EXPECT_EQ(outcome.Result, ImportResult::Unchanged);
    outcome = import(Pool2025);
    EXPECT_EQ(outcome.Result, ImportResult::Unchanged);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(banks(), before);
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(importSummary(outcome), "Question pool already imported, banks unchanged: Basic 2025 (2 questions).\r\n"
                                      "These banks hold it already; nothing was rewritten:\r\n  " +
                                          pathBytes(outcome.Paths[0]) + "\r\n  " + pathBytes(outcome.Paths[1]));
}

TEST_F(PoolImport, OtherQuestionsAreReplacedOnlyWhenTheUserSaysYes) {
    ASSERT_EQ(import(Pool2025).Result, ImportResult::Written);
    ageBanks();
    const std::vector<std::string> before = banks();
    const std::string edited = replaceAll(Pool2025, "right en B-001-001-001", "a better answer");

    replace = false;
    EXPECT_EQ(import(edited, "amat_basic_quest2026.zip").Result, ImportResult::Declined);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Ulvorane - Import|The program folder already holds a bank named Basic, with other "
                        "questions.\r\nReplace it with the Basic 2025 pool imported from amat_basic_quest2026.zip?");
    EXPECT_EQ(banks(), before);

    replace = true;
    {
        ErrorRecorder french(1);
        EXPECT_EQ(import(edited).Result, ImportResult::Written);
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], latin1("Ulvorane - Importation|Le dossier du programme contient déjà une banque nommée "
                               "Basic, avec d'autres questions.\r\nLa remplacer par la banque Base 2025 importée "
                               "de amat_basic_quest.zip ?"));
    EXPECT_NE(banks(), before);
    EXPECT_NE(fileBytes(dir.file("program") + Slash + "Questions_Basic_EN.txt").find("a better answer"), std::string::npos);
    // Only the English bank changed: the French one keeps its date.
    EXPECT_EQ(banks()[1], before[1]);
    for (const auto& entry : fs::directory_iterator(dir.file("program")))
        EXPECT_NE(entry.path().extension(), ".part");
}

TEST_F(PoolImport, AFailedReadLeavesTheEarlierBanksAsTheyWere) {
    ASSERT_EQ(import(Pool2025).Result, ImportResult::Written);
    const std::vector<std::string> before = banks();
    const ImportOutcome outcome = import(Pool2025 + "B-003-001-001;only;three\r\n");
    EXPECT_EQ(outcome.Result, ImportResult::Failed);
    EXPECT_EQ(rec.lastText(),
              "myReadIsedFile, amat_basic_quest_delim2025.txt in amat_basic_quest.zip, line 4: 3 "
              "fields instead of 11 (fields are separated by ;)");
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(banks(), before);
}

// The French bank cannot take its new content (a folder holds its name):
// the English one must not have taken its own either.
TEST_F(PoolImport, BothBanksAreReplacedOrNeither) {
    ASSERT_EQ(import(Pool2025).Result, ImportResult::Written);
    const std::string french = dir.file("program") + Slash + "Questions_Basic_FR.txt";
    fs::remove(french);
    fs::create_directories(french + "/kept");
    const std::string english = fileBytes(dir.file("program") + Slash + "Questions_Basic_EN.txt");
    replace = true;
    const ImportOutcome outcome =
        import(replaceAll(Pool2025, "right en B-001-001-001", "a better answer"));
    EXPECT_EQ(outcome.Result, ImportResult::Failed);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(
        rec.lastText().rfind("myWriteImportedBanks, cannot write file " + french + " err=", 0), 0u);
    EXPECT_EQ(fileBytes(dir.file("program") + Slash + "Questions_Basic_EN.txt"), english);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.file("program")))
        left.push_back(pathBytes(entry.path().filename()));
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"}));
}

struct MemberNameCase {
    const char* name;
    std::string member;
    std::string shown;  // as the banks' first line names it
};

class ImportedMemberName : public ::testing::TestWithParam<MemberNameCase> {};

// Whatever the member is called, the banks hold only what the pool says and
// read back whole; the name is a comment with its control characters made "?".
TEST_P(ImportedMemberName, NamesTheSourceInTheCommentOnly) {
    ErrorRecorder rec;
    TempFolder dir;
    const std::string source =
        dir.write("amat_basic_quest2025.zip", makeZip({{GetParam().member, Pool2025}}));
    const ImportOutcome outcome =
        myImportOfficialBank(source, dir.file("program"), "", ImportPorts{});
    ASSERT_EQ(outcome.Result, ImportResult::Written) << rec.lastText();
    for (int language : {0, 1}) {
        const std::string bank = fileBytes(outcome.Paths[language]);
        const std::string title =
            language == 0 ? "Basic 2025 English" : latin1("Base 2025 français");
        const std::string from = language == 0 ? ": imported from " : latin1(" : importée de ");
        EXPECT_EQ(bank.substr(0, bank.find("\r\n^")), "' " + title + from + GetParam().shown);
        BankModel model;
        std::string unused;
        ASSERT_EQ(myReadQuestionBank(model, outcome.Paths[language], FullRead, unused), 1)
            << rec.lastText();
        EXPECT_EQ(model.QuestionCount, 2);
        EXPECT_EQ(model.CurrentBankTitle, title);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ImportedMemberName,
    ::testing::Values(MemberNameCase{"LineBreaksAddNoRecord",
                                     "pool\r\n^Other^50^50^\r\nB-009-001-001 (1) why_delim.txt",
                                     "pool??^Other^50^50^??B-009-001-001 (1) why_delim.txt"},
                      MemberNameCase{"ControlCharacters",
                                     std::string("pool\x01\x07\x1B\x7F_delim.txt"),
                                     "pool????_delim.txt"},
                      MemberNameCase{"Accented",
                                     "questions_fran\xC3\xA7"
                                     "ais_delim.txt",
                                     latin1("questions_français_delim.txt")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
