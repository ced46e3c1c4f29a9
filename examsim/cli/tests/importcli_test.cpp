#include "examsim/cli/importcli.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "examsim/cli/bankcli.h"
#include "examsim/cli/tests/toolrun.h"
#include "examsim/import/tests/isedkit.h"
#include "toolkit/platformnames.h"

namespace {

class ImportCommand : public ::testing::Test {
protected:
    TempFolder dir;
    const std::string source = dir.write("amat_basic_quest_delim2025.txt",
                                         crlf({IsedHeader, isedRow("B-001-001-001"), isedRow("B-002-001-001")}));
};

TEST_F(ImportCommand, WritesBothBanksAndSaysWhatTheReaderFound) {
    const std::string out = dir.file("banks");
    ToolRun r = runTool({"import", source, "--out", out});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, out + Slash + "Questions_Basic_EN.txt: \"Basic 2025 English\", 2 questions in 2 topics, 2 lessons\n" +
                         out + Slash + "Questions_Basic_FR.txt: \"Base 2025 fran\xC3\xA7" "ais\", 2 questions in 2 topics, 2 lessons\n");
}

// A terminal is UTF-8: an accented folder is printed as typed, encoded once.
TEST_F(ImportCommand, AnAccentedFolderIsPrintedAsTyped) {
    const std::string out = dir.file("T\xC3\xA9l\xC3\xA9" "chargements");
    ToolRun r = runTool({"import", source, "--out", out});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind(out + Slash + "Questions_Basic_EN.txt: \"Basic 2025 English\"", 0), 0u) << r.out;
}

TEST_F(ImportCommand, OptionsComeInAnyOrderAndFrenchIsSpokenOnRequest) {
    const std::string out = dir.file("banks");
    ToolRun r = runTool({"import", "--name", "Base2025", "--lang", "fr", "--out", out, source});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(pathFromBytes(out + Slash + "Questions_Base2025_EN.txt")));
    EXPECT_TRUE(std::filesystem::exists(pathFromBytes(out + Slash + "Questions_Base2025_FR.txt")));
    EXPECT_NE(r.out.find(out + Slash + "Questions_Base2025_EN.txt : \xC2\xAB Basic 2025 English \xC2\xBB, 2 questions dans 2 sujets, 2 le\xC3\xA7ons\n"),
              std::string::npos)
        << r.out;
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class ImportUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(ImportUsageTest, BadUsageShowsTheUsageAndWritesNothing) {
    TempFolder dir;
    dir.write("f.txt", crlf({IsedHeader, isedRow("B-001-001-001")}));
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args) args.push_back(a == "F" ? dir.file("f.txt") : a);
    ToolRun r = runTool(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, ImportUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportUsageTest,
                         ::testing::Values(UsageCase{"NoFile", {"import"}},
                                           UsageCase{"TwoFiles", {"import", "F", "F"}},
                                           UsageCase{"UnknownOption", {"import", "F", "--force"}},
                                           UsageCase{"OptionWithoutValue", {"import", "F", "--out"}},
                                           UsageCase{"EmptyFolder", {"import", "F", "--out", ""}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportCommand, FailuresGoToStandardErrorInTheChosenLanguage) {
    ToolRun r = runTool({"--lang", "fr", "import", dir.file("missing.txt"), "--out", dir.file("banks")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("myReadIsedFile, ne peut ouvrir fichier " + dir.file("missing.txt") + " err=2 ", 0), 0u)
        << r.err;

    r = runTool({"import", source, "--name", "../Escape", "--out", dir.file("banks")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "ulvorane-bank import, NAME ../Escape may hold only letters, digits, -, _ and .\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("banks")));
}

// Paths come from the command line in the terminal's UTF-8 and go back to it
// as they came, in the summary as in the errors.
TEST_F(ImportCommand, AccentedPathsArePrintedAsGiven) {
    const std::string out = dir.file("Dossier \xC3\xA9t\xC3\xA9");
    ToolRun r = runTool({"import", source, "--out", out});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::filesystem::exists(pathFromBytes(out + Slash + "Questions_Basic_EN.txt")));
    EXPECT_EQ(r.out.rfind(out + Slash + "Questions_Basic_EN.txt: \"Basic 2025 English\"", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n" + out + Slash + "Questions_Basic_FR.txt: "), std::string::npos) << r.out;

    const std::string missing = dir.file("Donn\xC3\xA9" "es manquantes.txt");
    r = runTool({"import", missing, "--out", out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("myReadIsedFile, cannot open file " + missing + " err=2 ", 0), 0u) << r.err;
}

}  // namespace
