#include "examsim/import/importtexts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"

namespace {

constexpr int LastText = static_cast<int>(ImportText::MemberOfArchive);

std::string procedureOf(const std::string& text) {
    return text.rfind("my", 0) == 0 ? text.substr(0, text.find(',')) : std::string();
}

// A case is named by the words of its English text, after the procedure.
std::string caseOf(const ::testing::TestParamInfo<int>& info) {
    const std::string& text = importTextIn(static_cast<ImportText>(info.param), 0);
    const size_t comma = text.rfind("my", 0) == 0 ? text.find(", ") : std::string::npos;
    std::string words;
    for (char c : text.substr(comma == std::string::npos ? 0 : comma + 2)) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (letter || (c == ' ' && !words.empty() && words.back() != ' ')) words += c;
    }
    while (!words.empty() && words.back() == ' ') words.pop_back();
    return caseName(words.substr(0, 80));
}

class ImportTexts : public ::testing::TestWithParam<int> {};

// Every message of the import in both languages: present, translated,
// Latin-1, naming the same procedure, and taking as many values in each
// language (a placeholder lost in one would shift the values after it).
TEST_P(ImportTexts, BothLanguagesTakeTheSameValues) {
    const auto id = static_cast<ImportText>(GetParam());
    const std::string& english = importTextIn(id, 0);
    const std::string& french = importTextIn(id, 1);
    ASSERT_FALSE(english.empty());
    EXPECT_NE(english, french);
    EXPECT_FALSE(looksLikeUtf8(french)) << french;
    EXPECT_EQ(std::count(english.begin(), english.end(), '&'), std::count(french.begin(), french.end(), '&'))
        << english << " / " << french;
    EXPECT_EQ(procedureOf(english), procedureOf(french));
    EXPECT_EQ(importTextIn(id, 2), english);
}

INSTANTIATE_TEST_SUITE_P(Table, ImportTexts, ::testing::Range(0, LastText + 1), caseOf);

}  // namespace
