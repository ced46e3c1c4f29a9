#include "examsim/bank/banktwin.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"

namespace {

struct TwinCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> banks;  // file name, header title (UTF-8)
    int bank;      // the bank loaded
    int language;  // the language switched to
    int twin;      // the bank that goes with it, 0 none
};

BankShelf shelfOf(const TwinCase& c) {
    BankShelf shelf;
    for (const auto& [file, title] : c.banks) {
        ++shelf.BankCount;
        shelf.BankList[static_cast<size_t>(shelf.BankCount)].FullPath = std::string("/banks/") + file;
        shelf.BankTitles[static_cast<size_t>(shelf.BankCount)] = fixedWidth(latin1(title), BankTitleWidth);
    }
    return shelf;
}

class LanguageTwin : public ::testing::TestWithParam<TwinCase> {};

TEST_P(LanguageTwin, IsTheBankOfTheSameQuestionsInTheOtherLanguage) {
    const TwinCase& c = GetParam();
    EXPECT_EQ(myLanguageTwin(shelfOf(c), c.bank, c.language), c.twin);
}

const std::vector<std::pair<const char*, const char*>> ImportedPair = {
    {"Questions_Basic_EN.txt", "Basic 2025 English"}, {"Questions_Basic_FR.txt", "Base 2025 français"}};
const std::vector<std::pair<const char*, const char*>> TwoPairs = {
    {"Questions_Advanced_EN.txt", "Advanced 2024 English"}, {"Questions_Advanced_FR.txt", "Supérieure 2024 français"},
    {"Questions_Basic_EN.txt", "Basic 2025 English"}, {"Questions_Basic_FR.txt", "Base 2025 français"}};
const std::vector<std::pair<const char*, const char*>> ByTitles = {
    {"Questions_Mine.txt", "Basic 2019 English"}, {"Questions_Old.txt", "Base 2014 français"},
    {"Questions_Autre.txt", "Base 2019 français"}, {"Questions_Other.txt", "Advanced 2019 English"}};

INSTANTIATE_TEST_SUITE_P(
    Shelves, LanguageTwin,
    ::testing::Values(
        TwinCase{"PairToFrench", ImportedPair, 1, 1, 2}, TwinCase{"PairToEnglish", ImportedPair, 2, 0, 1},
        TwinCase{"PairAlreadyInTheLanguage", ImportedPair, 1, 0, 0},
        TwinCase{"OfTwoPairsTheSameName", TwoPairs, 3, 1, 4}, TwinCase{"OfTwoPairsTheOther", TwoPairs, 2, 0, 1},
        TwinCase{"PairByNamesWhateverTheTitles",
                 {{"questions_club_en.TXT", "Club questions"}, {"Questions_Club_FR.txt", "Questions du club"}}, 2, 0, 1},
        TwinCase{"PairWithoutItsOtherHalf", {{"Questions_Basic_EN.txt", "Basic 2025 English"},
                                             {"Questions_Other_FR.txt", "Base 2024 français"}}, 1, 1, 0},
        TwinCase{"TitlesOfTheSameEdition", ByTitles, 1, 1, 3}, TwinCase{"TitlesBackToEnglish", ByTitles, 3, 0, 1},
        TwinCase{"TitleOfAnotherEditionOnly", ByTitles, 2, 0, 0},
        TwinCase{"TitleOfAnotherQualificationOnly", ByTitles, 4, 1, 0},
        TwinCase{"TitlesWithoutAccentsOrInCapitals",
                 {{"Questions_A.txt", "SUPERIEURE 2025 FRANCAIS"}, {"Questions_B.txt", "advanced 2025 english"}}, 1, 0, 2},
        TwinCase{"TitlesInTheSampleStyle",
                 {{"Questions_Basic-English.txt", "Basic sample (English)"},
                  {"Questions_Base-Francais.txt", "Base - exemple (français)"}}, 1, 1, 0},
        TwinCase{"OneBankAlone", {{"Questions_Basic_EN.txt", "Basic 2025 English"}}, 1, 1, 0},
        TwinCase{"NoBankLoaded", ImportedPair, 0, 1, 0}, TwinCase{"PastTheShelf", ImportedPair, 3, 1, 0}),
    [](const ::testing::TestParamInfo<TwinCase>& info) { return std::string(info.param.name); });

}  // namespace
