// The bank follows the language: a switch offers the bank of the same
// questions in the other language (an imported pair), in both directions;
// "always" is remembered, and written into the log's settings.
#include <gtest/gtest.h>

#include "examsim/bank/banktwin.h"
#include "examsim/ui/tests/startedwindow.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/uicontext.h"

namespace {

FolderSetup importedPair() {
    FolderSetup setup;
    setup.files = {{"Questions_Basic_EN.txt", fileBytes(std::string(SAMPLES_DIR) + "/" + English)},
                   {"Questions_Basic_FR.txt", fileBytes(std::string(SAMPLES_DIR) + "/" + French)}};
    return setup;
}

void loadBank(Started& s, int bank) {
    s.banks()->setCurrentIndex(bank - 1);
    s.window->command(2000);
    settle();
}

struct SwitchCase {
    const char* name;
    int answer;       // to the offer
    int loadedAfter;  // bank loaded after the switch to French
    bool always;
};

class LanguageBank : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(LanguageBank, TheSwitchOffersTheBankOfTheOtherLanguage) {
    const SwitchCase& c = GetParam();
    Started s(importedPair());
    ASSERT_TRUE(s.started);
    loadBank(s, 1);
    ASSERT_EQ(s.program.Shelf.LoadedBank, 1);
    s.boxes.boxes.clear();
    s.boxes.answer(c.answer);
    s.window->command(CmdFrench);
    settle();
    ASSERT_FALSE(s.boxes.boxes.empty());
    const AnsweredBox& offer = s.boxes.boxes.front();
    EXPECT_EQ(offer.title, latin1("Ulvorane - Langue"));
    EXPECT_EQ(offer.text, latin1("Les questions sont toujours en anglais.\r\n"
                                 "Charger les mêmes questions en français, de la banque « Base - exemple (français) » ?"));
    EXPECT_EQ(offer.buttons, (std::vector<std::string>{"&Charger", "Charger &toujours", "&Pas maintenant"}));
    EXPECT_EQ(s.program.Shelf.LoadedBank, c.loadedAfter);
    EXPECT_EQ(s.program.Session.Exam.BankFollowsLanguage, c.always);
    if (c.loadedAfter != 2) return;

    // Back to English: offered again, or loaded at once after "always".
    s.boxes.boxes.clear();
    s.boxes.answer(IdYes);
    s.window->command(CmdFrench);
    settle();
    EXPECT_EQ(s.program.Shelf.LoadedBank, 1);
    const bool offered = !s.boxes.boxes.empty() && s.boxes.boxes.front().title == "Ulvorane - Language";
    EXPECT_EQ(offered, !c.always);
    if (offered)
        EXPECT_EQ(s.boxes.boxes.front().text, "The questions are still in French.\r\n"
                                              "Load the same questions in English, from the bank \"Basic sample (English)\"?");
}

INSTANTIATE_TEST_SUITE_P(Answers, LanguageBank,
                         ::testing::Values(SwitchCase{"LoadIt", IdYes, 2, false},
                                           SwitchCase{"AlwaysLoadIt", IdNo, 2, true},
                                           SwitchCase{"NotNow", IdCancel, 1, false}),
                         [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST(LanguageBank, NoOfferWithoutATwin) {
    FolderSetup setup;
    setup.banks = {English, French};  // the samples' titles name no edition
    Started s(setup);
    ASSERT_TRUE(s.started);
    loadBank(s, 1);
    s.boxes.boxes.clear();
    s.window->command(CmdFrench);
    settle();
    EXPECT_TRUE(s.boxes.boxes.empty());
}

TEST(LanguageBank, AlwaysIsKeptInTheLogsSettings) {
    ExamRecord exam;
    exam.BankFollowsLanguage = true;
    const std::string field = mySettingsField(1, exam);
    EXPECT_NE(field.find('B'), std::string::npos);
    exam.BankFollowsLanguage = false;
    EXPECT_EQ(mySettingsField(1, exam).find('B'), std::string::npos);
}

}  // namespace
