#include "examsim/bank/bankdiscovery.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include "examsim/bank/tests/bankfixture.h"
#include "toolkit/tests/casenames.h"

namespace {

void writeBanks(const TempFolder& dir, int count) {
    for (int b = 1; b <= count; ++b)
        dir.write("Questions_Bank" + std::to_string(b) + ".txt",
                  crlf({"^Title " + std::to_string(b) + "^", "B-1-1-" + std::to_string(b) + " (1) Q"}));
}

std::vector<std::string> goodBank() {
    std::vector<std::string> lines = {"^Good^^"};
    append(lines, question("B-1-1-1"));
    append(lines, question("B-1-1-2"));
    return lines;
}

class Discovery : public ::testing::TestWithParam<int> {};

TEST_P(Discovery, FindsUpToEightBanksWithTheirTitles) {
    const int files = GetParam();
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    writeBanks(dir, files);
    BankShelf shelf;
    EXPECT_EQ(myDiscoverBanks(shelf, dir.path()), files > 0);
    EXPECT_EQ(shelf.BankCount, std::min(files, 8));
    for (int b = 1; b <= shelf.BankCount; ++b) {
        EXPECT_EQ(shelf.BankTitles[b], fixedWidth("Title " + std::to_string(b), 25));
        EXPECT_EQ(trimSpaces(shelf.BankList[b].Label), "Bank" + std::to_string(b));
    }
    EXPECT_EQ(rec.boxes.size(), files > 8 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Folders, Discovery, ::testing::Values(0, 1, 2, 9),
                         namedBy([](int files) { return std::to_string(files) + " files"; }));

TEST(Discovery, HeaderlessBanksWithTheSameDesignationsDoNotCollide) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    dir.write("Questions_A.txt", crlf(question("B-1-1-1")));
    dir.write("Questions_B.txt", crlf(question("B-1-1-1")));
    BankShelf shelf;
    EXPECT_TRUE(myDiscoverBanks(shelf, dir.path()));
    EXPECT_EQ(shelf.BankTitles[1], std::string(25, ' '));
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(Discovery, FailedHeaderPassStops) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    dir.write("Questions_A.txt", crlf({"nonsense"}));
    BankShelf shelf;
    EXPECT_FALSE(myDiscoverBanks(shelf, dir.path()));
    EXPECT_EQ(rec.lastText(), "myReadQuestionBank, unidentified record, line 1 \r\n nonsense");
}

struct ShownFirstCase {
    const char* name;
    int banks;
    const char* lastTitle;
    int selected;
};

class ShownFirst : public ::testing::TestWithParam<ShownFirstCase> {};

TEST_P(ShownFirst, ChoosesFromTheRecordedTitle) {
    const ShownFirstCase& c = GetParam();
    ErrorRecorder rec;
    BankShelf shelf;
    shelf.BankCount = c.banks;
    for (int b = 1; b <= c.banks; ++b) {
        shelf.BankList[b].Label = fixedWidth("Bank" + std::to_string(b), 32);
        shelf.BankTitles[b] = fixedWidth("Title " + std::to_string(b), 25);
    }
    EXPECT_EQ(myChooseBankShownFirst(shelf, c.lastTitle), c.selected);
    std::vector<std::string> items = bankListItems(shelf);
    EXPECT_EQ(items.size(), static_cast<size_t>(c.banks + (c.selected > c.banks ? 1 : 0)));
    if (c.selected > c.banks) {
        EXPECT_EQ(items.back(), "-- Please select a bank --");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ShownFirst,
    ::testing::Values(ShownFirstCase{"Matches", 3, "  Title 2 ", 2}, ShownFirstCase{"Gone", 3, "Title 9", 4},
                      ShownFirstCase{"GoneButOnlyOne", 1, "Title 9", 1}, ShownFirstCase{"NoneRecorded", 2, "", 3},
                      ShownFirstCase{"LongerThanStored", 2, "Title 1 and much more than 25", 3},
                      ShownFirstCase{"PrefixIsNotTheTitle", 3, "Title", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChooseBank, PromptAlreadyLoadedFailedAndLoaded) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    dir.write("Questions_Good.txt", crlf(goodBank()));
    dir.write("Questions_Bad.txt", crlf({"^Bad^90^", "B-1-1-1 (1) Q", "nonsense"}));
    BankShelf shelf;
    ASSERT_TRUE(myDiscoverBanks(shelf, dir.path()));
    myChooseBankShownFirst(shelf, "");
    BankModel model;

    EXPECT_EQ(myChooseBank(model, shelf, "-- Please select a bank --"), BankChoice::NoBankYet);
    EXPECT_EQ(rec.lastText(), "Please select a Question bank first.");

    EXPECT_EQ(myChooseBank(model, shelf, " Good "), BankChoice::Loaded);
    EXPECT_EQ(shelf.LoadedBank, 2);
    EXPECT_EQ(model.QuestionCount, 2);
    EXPECT_EQ(model.CurrentBankTitle, "Good");
    model.Topics[1].Question[1].Picked = "Y";

    EXPECT_EQ(myChooseBank(model, shelf, "Good"), BankChoice::AlreadyLoaded);
    EXPECT_EQ(ports.infos.size(), 1u);

    EXPECT_EQ(myChooseBank(model, shelf, "Bad"), BankChoice::ReadFailed);
    EXPECT_EQ(shelf.LoadedBank, 2);
    EXPECT_EQ(shelf.SelectedBank, 1);
    // The bank still named loaded is the one in the model, history marks included.
    EXPECT_EQ(model.QuestionCount, 2);
    EXPECT_EQ(model.CurrentBankTitle, "Good");
    EXPECT_EQ(model.QuestionsExpected, 100);
    EXPECT_EQ(model.Topics[1].Question[1].Picked, "Y");

    EXPECT_EQ(myChooseBank(model, shelf, "-- Please select a bank --"), BankChoice::ReadFailed);
}

// A bank without header record is untitled: its sessions must not be
// logged and counted under the bank read before it.
TEST(ChooseBank, BankWithoutHeaderHasTheEmptyTitle) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    std::vector<std::string> titled = {"^Titled^40^60^"};
    append(titled, question("B-1-1-1"));
    std::vector<std::string> untitled;
    append(untitled, question("B-2-1-1"));
    dir.write("Questions_A.txt", crlf(titled));
    dir.write("Questions_B.txt", crlf(untitled));
    BankShelf shelf;
    ASSERT_TRUE(myDiscoverBanks(shelf, dir.path()));
    EXPECT_EQ(shelf.BankTitles[2], std::string(BankTitleWidth, ' '));
    BankModel model;
    ASSERT_EQ(myChooseBank(model, shelf, "A"), BankChoice::Loaded);
    EXPECT_EQ(model.CurrentBankTitle, "Titled");
    ASSERT_EQ(myChooseBank(model, shelf, "B"), BankChoice::Loaded);
    EXPECT_EQ(model.CurrentBankTitle, "");
    // The settings a header gave stay in force: only the title is the file's own.
    EXPECT_EQ(model.QuestionsExpected, 40);
    EXPECT_EQ(model.PassMarkPercent, 60);
    EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();
}

}  // namespace

// A French user's programs often sit in ~/Téléchargements: the folder and the
// names found in it stay as the file system gives them; the labels are Latin-1.
TEST(Discovery, AccentedFolderAndBankNamesReachTheFiles) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    const std::string folderOnDisk = dir.file("T\xC3\xA9l\xC3\xA9" "chargements");
    ASSERT_TRUE(std::filesystem::create_directory(pathFromBytes(folderOnDisk)));
    TempFolder::writeFile(folderOnDisk + Slash + "Questions_\xC3\x89t\xC3\xA9.txt", crlf(goodBank()));

    BankShelf shelf;
    ASSERT_TRUE(myDiscoverBanks(shelf, pathFromBytes(folderOnDisk))) << rec.lastText();
    ASSERT_EQ(shelf.BankCount, 1);
    EXPECT_EQ(trimSpaces(shelf.BankList[1].Label), "\xC9t\xE9");
    EXPECT_EQ(pathBytes(shelf.BankList[1].FullPath), folderOnDisk + Slash + "Questions_\xC3\x89t\xC3\xA9.txt");
    myChooseBankShownFirst(shelf, "");
    BankModel model;
    EXPECT_EQ(myChooseBank(model, shelf, "\xC9t\xE9"), BankChoice::Loaded);
    EXPECT_EQ(model.QuestionCount, 2);
    EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();
}
