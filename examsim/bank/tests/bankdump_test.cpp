#include "examsim/bank/bankdump.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "examsim/bank/bankreader.h"
#include "examsim/bank/tests/bankfixture.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/testlinks.h"

namespace {

// Two topics listed out of designation order; the second question lacks an explanation.
const std::vector<std::string> LetterBank = {
    "^Letters^^^A)",
    "B-002-001-001 (C) Zulu question",
    "A) one", "B) two", "C)   three", "D) four",
    ">  Spaced   out  ( text ) [ here ]",
    "B-001-001-002 (A) Alpha question",
    "A) yes", "B) no", "C) maybe", "D) never",
};

struct DumpCase {
    const char* reply;
    std::vector<std::string> lines;
};

class Dump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(Dump, WritesTempTxtByteForByte) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_D.txt", crlf(LetterBank)), FullRead, title), 1);
    ASSERT_TRUE(myDumpBank(model, dir.path(), GetParam().reply, "Help", "Aide"));
    EXPECT_EQ(fileBytes(dir.file("Temp.txt")), crlf(GetParam().lines));
    EXPECT_TRUE(rec.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Dump,
    ::testing::Values(
        DumpCase{"1", {"B-002-001-001 Spaced   out  ( text ) [ here ]", "Total 1"}},
        DumpCase{"2", {"B-002-001-001 Spaced out (text) [here]", "Total 1"}},
        DumpCase{"2b", {"Spaced out (text) [here]", "Total 1"}},
        DumpCase{"3",
                 {"Alpha question", "yes", "no", "maybe", "never", "Zulu question", "one", "two", "three", "four",
                  "Total 2"}},
        DumpCase{"4",
                 {"B-001-001-002 (A)", "Alpha question", "yes", "no", "maybe", "never", "B-002-001-001 (C)",
                  "Zulu question", "one", "two", "three", "four", "Total 2"}},
        DumpCase{"5",
                 {"B-001-001-002 (A)", "Alpha question", "A) yes", "B) no", "C) maybe", "D) never",
                  "B-002-001-001 (C)", "Zulu question", "A) one", "B) two", "C)   three", "D) four", "Total 2"}},
        DumpCase{"6", {"Help\r\nAide"}}),
                         namedBy([](const DumpCase& c) { return std::string("Choice ") + c.reply; }));

TEST(Dump, OtherRepliesLeaveTempTxtUntouched) {
    ErrorRecorder rec;
    TempFolder dir;
    BankModel model;
    dir.write("Temp.txt", "keep");
    for (const char* reply : {"7", "", "2C", " 1"}) EXPECT_FALSE(myDumpBank(model, dir.path(), reply, "", ""));
    EXPECT_EQ(fileBytes(dir.file("Temp.txt")), "keep");
}

TEST(Dump, EmptyBankGivesOnlyTheTotal) {
    ErrorRecorder rec;
    TempFolder dir;
    BankModel model;
    ASSERT_TRUE(myDumpBank(model, dir.path(), "4", "", ""));
    EXPECT_EQ(fileBytes(dir.file("Temp.txt")), "Total 0\r\n");
}

TEST(Dump, UnwritableTempTxtIsReported) {
    ErrorRecorder rec(1);
    TempFolder dir;
    BankModel model;
    const std::string folder = dir.file("missing");
    EXPECT_FALSE(myDumpBank(model, folder, "1", "", ""));
    EXPECT_EQ(rec.lastText(),
              latin1("myDumpBank, ne peut écrire fichier \r\n err=2 ") + errorText(2) + " \r\n " + folder + Slash + "Temp.txt");
}

// A classmate links Temp.txt to one of the user's files: the dump replaces
// the link and the user's file stays as it was.
TEST(Dump, LinkAtTempTxtIsReplacedNotWrittenThrough) {
    ErrorRecorder rec;
    TempFolder dir;
    BankModel model;
    const std::string victim = dir.write("thesis.txt", "the user's own work");
    if (!plantLink(victim, dir.file("Temp.txt"))) GTEST_SKIP() << NoLinksHere;
    ASSERT_TRUE(myDumpBank(model, dir.path(), "4", "", ""));
    EXPECT_EQ(fileBytes(victim), "the user's own work");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("Temp.txt")));
    EXPECT_EQ(fileBytes(dir.file("Temp.txt")), "Total 0\r\n");
}

// The disk fills up during the dump (the process's file-size limit stands in
// for it): the earlier Temp.txt stays whole, never cut or emptied, and
// nothing else is left in the folder.
#ifndef _WIN32  // the full disk is made with RLIMIT_FSIZE
TEST(Dump, FullDiskLeavesTheEarlierTempTxtWhole) {
    ErrorRecorder rec;
    TempFolder dir;
    BankModel model;
    const std::string earlier = "an earlier dump\r\n";
    dir.write("Temp.txt", earlier);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 3;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool dumped = myDumpBank(model, dir.path(), "6", "Help", "Aide");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(dumped);
    EXPECT_EQ(rec.lastText(), "myDumpBank, cannot write file \r\n err=" + std::to_string(EFBIG) + " " +
                                  errorText(EFBIG) + " \r\n " + dir.file("Temp.txt"));
    EXPECT_EQ(fileBytes(dir.file("Temp.txt")), earlier);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.exists();
    EXPECT_EQ(files, 1);
}
#endif

TEST(Dump, PromptListsEveryChoice) {
    EXPECT_EQ(dumpPrompt(),
              "1 = Explanations as read.\r\n2 = Explanations, spaces squeezed.\r\n"
              "2b= Explanations, spaces squeezed, no Q #.\r\n3 = Q+A, sorted, no Q #.\r\n4 = Q+A, sorted.\r\n"
              "5 = Q+A, sorted, A designated.\r\n6 = Help texts.\r\n\r\nSpecify ONE choice...");
}

}  // namespace
