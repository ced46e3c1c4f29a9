// Question banks that go missing or come damaged after start-up found them.
// The user is told what is wrong, and the bank loaded before stays loaded,
// whole, with its exam and history.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/bank/bankreader.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

using namespace std::string_literals;

std::string bank(const std::string& title, const std::string& questionText = "What is it?",
                 const std::string& explanation = "Because.") {
    return "^" + title + "^100^70^\r\n{L01} Rules\r\nB-001-001-001 (2) " + questionText +
           "\r\n1. One\r\n2. Two\r\n3. Three\r\n4. Four\r\n> " + explanation + "\r\n"
           "B-001-001-002 (1) Second?\r\n1. A\r\n2. B\r\n3. C\r\n4. D\r\n> Why.\r\n";
}

// A folder with bank A and bank B found as at start-up, A loaded.
struct Shelf {
    explicit Shelf(const std::string& bankB) {
        dir.write("Questions_A.txt", bank("Bank A"));
        pathB = dir.write("Questions_B.txt", bankB);
        EXPECT_TRUE(myDiscoverBanks(shelf, dir.path()));
        EXPECT_EQ(myChooseBank(model, shelf, "A"), BankChoice::Loaded);
    }
    void expectBankAStillLoaded() const {
        EXPECT_EQ(shelf.LoadedBank, 1);
        EXPECT_EQ(model.CurrentBankTitle, "Bank A");
        ASSERT_EQ(model.QuestionCount, 2);
        EXPECT_EQ(model.QuestionText[1], "What is it?");
        EXPECT_EQ(model.Explanation[2], "Why.");
        EXPECT_EQ(model.LessonCount, 1);
    }
    TempFolder dir;
    std::string pathB;
    BankShelf shelf;
    BankModel model;
};

class BankFaults : public ::testing::TestWithParam<int> {};

TEST_P(BankFaults, BankDeletedAfterDiscoveryIsReportedAndTheLoadedOneStays) {
    ErrorRecorder errors(GetParam());
    Shelf s(bank("Bank B"));
    ASSERT_EQ(std::remove(s.pathB.c_str()), 0);

    EXPECT_EQ(myChooseBank(s.model, s.shelf, "B"), BankChoice::ReadFailed);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text,
              std::string(GetParam() == 0 ? "myReadQuestionBank, cannot open file "
                                          : "myReadQuestionBank, ne peut ouvrir fichier ") +
                  "\r\n err=" + std::to_string(ENOENT) + " " + errorText(ENOENT) + " \r\n " + s.pathB);
    s.expectBankAStillLoaded();
    // Coming back to the loaded bank is not a new read.
    EXPECT_EQ(myChooseBank(s.model, s.shelf, "A"), BankChoice::AlreadyLoaded);
}

INSTANTIATE_TEST_SUITE_P(Languages, BankFaults, ::testing::Values(0, 1),
                         namedBy(languageName));

struct DamagedBankCase {
    const char* name;
    std::string bankB;
    std::string message;  // "" when bank B must load
};

std::vector<DamagedBankCase> damagedBanks() {
    const std::string megabyte(1 << 20, 'q');
    const std::string withNul = "What\0 is\0it?"s;
    return {
        {"NulBytesInTexts", bank("Bank B", withNul, "Be\0cause."s), ""},
        {"MegabyteQuestionAndExplanation", bank("Bank B", megabyte, megabyte), ""},
        {"MegabyteLineOfNothingKnown", bank("Bank B") + megabyte + "\r\n",
         "myReadQuestionBank, unidentified record, line 15 \r\n qqqqqqqqqqqqqqqqqqqqqqqqqqqqqq"},
        {"NulBytesAsALine", bank("Bank B") + std::string(5, '\0') + "\r\n",
         "myReadQuestionBank, unidentified record, line 15 \r\n \0\0\0\0\0"s},
        {"MegabyteDesignation", bank("Bank B") + "B-001-001-" + megabyte + " (1) Text\r\n",
         "myParseQuestionRecord, invalid question designation at B-001-001-qqqqqqqqqqqqqqqqqqqq..."},
    };
}

class DamagedBank : public ::testing::TestWithParam<DamagedBankCase> {};

TEST_P(DamagedBank, IsReadOrRefusedWithoutHarmToTheLoadedBank) {
    ErrorRecorder errors;
    const DamagedBankCase& c = GetParam();
    Shelf s(c.bankB);
    ASSERT_TRUE(errors.boxes.empty()) << errors.lastText();  // discovery reads the header only

    const BankChoice choice = myChooseBank(s.model, s.shelf, "B");
    if (c.message.empty()) {
        EXPECT_EQ(choice, BankChoice::Loaded);
        EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
        ASSERT_EQ(s.model.QuestionCount, 2);
        // Every byte of the texts is kept: nothing is cut at a NUL or a length.
        EXPECT_EQ(s.model.CurrentBankTitle, "Bank B");
        EXPECT_NE(c.bankB.find(s.model.QuestionText[1]), std::string::npos);
        EXPECT_NE(c.bankB.find("> " + s.model.Explanation[1] + "\r\n"), std::string::npos);
        EXPECT_GE(s.model.QuestionText[1].size(), 11u);
        return;
    }
    EXPECT_EQ(choice, BankChoice::ReadFailed);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind(c.message, 0), 0u)
        << errors.boxes[0].text.substr(0, 200);
    EXPECT_LT(errors.boxes[0].text.size(), 400u);  // a megabyte is never shown
    s.expectBankAStillLoaded();
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedBank, ::testing::ValuesIn(damagedBanks()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
