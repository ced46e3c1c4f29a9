#include "toolkit/texttable.h"

#include <gtest/gtest.h>

namespace {

enum class Word { Yes, No, Folder };

// Listed out of the ids' order: each text must still land under its own id.
const TextPair<Word> kWords[] = {
    {Word::Folder, "Folder", "Dossier créé"},
    {Word::Yes, "Yes", "Oui"},
    {Word::No, "No", "Non"},
};

TEST(TextTable, EachTextIsFoundByItsIdInTheLanguageAsked) {
    EXPECT_EQ(textFromTable<kWords>(Word::Yes, 0), "Yes");
    EXPECT_EQ(textFromTable<kWords>(Word::Yes, 1), "Oui");
    EXPECT_EQ(textFromTable<kWords>(Word::No, 1), "Non");
    EXPECT_EQ(textFromTable<kWords>(Word::Folder, 0), "Folder");
}

TEST(TextTable, TextsAreHandedOutInLatin1) {
    EXPECT_EQ(textFromTable<kWords>(Word::Folder, 1), "Dossier cr\xE9\xE9");
}

TEST(TextTable, AnyLanguageButFrenchIsEnglish) {
    for (int language : {-1, 0, 2, 7}) EXPECT_EQ(textFromTable<kWords>(Word::No, language), "No") << language;
}

}  // namespace
