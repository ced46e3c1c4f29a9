#include <gtest/gtest.h>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/bank/banktexts.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

enum class Kind { Message, Other, Caption };

const std::string& lookUp(Kind kind, int number, int language) {
    switch (kind) {
    case Kind::Message: return bankMessageIn(number, language);
    case Kind::Other: return bankOtherTextIn(number, language);
    case Kind::Caption: break;
    }
    return bankCaptionIn(number, language);
}

struct Owned {
    Kind kind;
    int number;
};

std::string caseNameOf(const Owned& o) {
    const char* kind = o.kind == Kind::Message ? "Message " : o.kind == Kind::Other ? "Other " : "Caption ";
    return kind + std::to_string(o.number);
}

// Every number the core owns: present in both languages, different in
// each (the two columns were filled from the right halves), and Latin-1.
const Owned kOwned[] = {
    {Kind::Message, MsgNoBank},          {Kind::Message, MsgSelectBankFirst},
    {Kind::Message, MsgBankOpenFailed},  {Kind::Message, MsgAnswersMissing},
    {Kind::Message, MsgTooManyQuestions}, {Kind::Message, MsgInvalidQuestion},
    {Kind::Message, MsgTooManyLessons},  {Kind::Message, MsgUnknownRecord},
    {Kind::Message, MsgMissingExplanations}, {Kind::Message, MsgNoLessons},
    {Kind::Message, MsgChooseLessons},   {Kind::Message, MsgBadDesignation},
    {Kind::Message, MsgAnswerTooLong},   {Kind::Message, MsgAnswerUnacceptable},
    {Kind::Message, MsgAnswerMisplaced}, {Kind::Message, MsgDashCount},
    {Kind::Message, MsgTooManyTopics},   {Kind::Message, MsgTooManyInTopic},
    {Kind::Message, MsgDuplicateQuestion}, {Kind::Message, MsgDesignationTooLong},
    {Kind::Message, MsgNumberBelowOne},  {Kind::Other, OtherReadingBank},
    {Kind::Other, OtherBankRead},        {Kind::Other, OtherBankFigures},
    {Kind::Other, OtherTopicSizeItem},   {Kind::Caption, CaptionBankPrompt},
    {Kind::Caption, CaptionPoolFigures},
};

class BankTextOwned : public ::testing::TestWithParam<Owned> {};

TEST_P(BankTextOwned, BothLanguagesPresentDistinctAndLatin1) {
    const Owned& o = GetParam();
    const std::string& english = lookUp(o.kind, o.number, 0);
    const std::string& french = lookUp(o.kind, o.number, 1);
    EXPECT_FALSE(english.empty());
    EXPECT_FALSE(french.empty());
    EXPECT_NE(english, french);
    EXPECT_FALSE(looksLikeUtf8(english));
    EXPECT_FALSE(looksLikeUtf8(french));
    // Any column but French reads English.
    EXPECT_EQ(lookUp(o.kind, o.number, 2), english);
    EXPECT_EQ(lookUp(o.kind, o.number, -1), english);
}

INSTANTIATE_TEST_SUITE_P(BankTexts, BankTextOwned, ::testing::ValuesIn(kOwned),
                         namedBy(caseNameOf));

// Numbers of the window's tables that belong to others (the file finder,
// the session, the window itself) stay empty here.
const Owned kNotOwned[] = {
    {Kind::Message, 0},  {Kind::Message, 12}, {Kind::Message, 21}, {Kind::Message, 29},
    {Kind::Message, 100}, {Kind::Other, 0},   {Kind::Other, 9},    {Kind::Other, 10},
    {Kind::Other, 16},   {Kind::Caption, 2001}, {Kind::Caption, 2038}, {Kind::Caption, 1},
};

class BankTextNotOwned : public ::testing::TestWithParam<Owned> {};

TEST_P(BankTextNotOwned, Empty) {
    const Owned& o = GetParam();
    EXPECT_EQ(lookUp(o.kind, o.number, 0), "");
    EXPECT_EQ(lookUp(o.kind, o.number, 1), "");
}

INSTANTIATE_TEST_SUITE_P(BankTexts, BankTextNotOwned, ::testing::ValuesIn(kNotOwned),
                         namedBy(caseNameOf));

TEST(BankTexts, NoBankMessageHoldsBothParagraphsColumnLanguageFirst) {
    const std::string english =
        "Program needs access to a question bank. The bank must be in the folder where the program is launched.\r\n"
        "Please ensure a \"Questions_*.txt\" file is saved in the same directory as the program.";
    const std::string french = latin1(
        "Le programme doit pouvoir accéder à une banque de questions. Celle-ci doit se trouver dans le même dossier "
        "que le programme.\r\nSVP copier un fichier \"Questions_*.txt\" au répertoire où se trouve le programme.");
    EXPECT_EQ(bankMessageIn(MsgNoBank, 0), english + "\r\n" + french);
    EXPECT_EQ(bankMessageIn(MsgNoBank, 1), french + "\r\n" + english);
    // Start-up shows it before any language is chosen: French first always.
    uiContext().InterfaceLanguage = 0;
    EXPECT_EQ(noBankMessage(), french + "\r\n" + english);
}

TEST(BankTexts, CurrentLanguageFollowsTheSwitch) {
    for (int language : {1, 0}) {
        uiContext().InterfaceLanguage = language;
        EXPECT_EQ(bankMessage(MsgDashCount), bankMessageIn(MsgDashCount, language));
        EXPECT_EQ(bankOtherText(OtherReadingBank), bankOtherTextIn(OtherReadingBank, language));
        EXPECT_EQ(bankCaption(CaptionBankPrompt), bankCaptionIn(CaptionBankPrompt, language));
    }
    EXPECT_EQ(bankCaption(CaptionBankPrompt), "-- Please select a bank --");
}

}  // namespace
