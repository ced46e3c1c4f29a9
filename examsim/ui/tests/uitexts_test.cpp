#include <gtest/gtest.h>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/projectversion.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"

namespace {

struct FieldCount {
    int id;
    size_t fields;
};

class CaptionFields : public ::testing::TestWithParam<FieldCount> {};

// The window shows one field at a time by its number: a missing "|" would
// put the wrong text on a control.
TEST_P(CaptionFields, BothLanguagesHoldEveryAlternative) {
    for (int language : {0, 1})
        EXPECT_EQ(splitFields(captionIn(GetParam().id, language), '|').size(), GetParam().fields)
            << "caption " << GetParam().id << " language " << language;
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionFields,
                         ::testing::Values(FieldCount{2001, 5}, FieldCount{2003, 3},
                                           FieldCount{2004, 3}, FieldCount{2009, 2},
                                           FieldCount{2010, 2}, FieldCount{2012, 2},
                                           FieldCount{2015, 2}, FieldCount{2032, 2},
                                           FieldCount{2038, 4}, FieldCount{2039, 1}),
                         namedBy([](const FieldCount& c) { return "Caption " + std::to_string(c.id); }));

struct Entry {
    const char* what;
    std::string (*get)(int number, int language);
    int number;
    const char* english;
    const char* french;  // UTF-8 here, Latin-1 in the table
};

std::string menuItem(int code, int language) { return menuTextIn(code / 10, code % 10, language); }

class TextEntries : public ::testing::TestWithParam<Entry> {};

TEST_P(TextEntries, AreTheProgramsOwnWording) {
    const Entry& e = GetParam();
    EXPECT_EQ(e.get(e.number, 0), latin1(e.english)) << e.what;
    EXPECT_EQ(e.get(e.number, 1), latin1(e.french)) << e.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TextEntries,
    ::testing::Values(
        Entry{"bank prompt", captionIn, 2000, "-- Please select a bank --", "-- SVP choisir une banque --"},
        Entry{"answer 1", captionIn, 2022, "Answer 1.", "Réponse 1."},
        Entry{"answer 5", captionIn, 2026, "Answer 5.  Don't know", "Réponse 5.  Ne Sais Pas"},
        Entry{"answer box 5", captionIn, 2044, "Answer 5.  Don't know", "Réponse 5.  Ne Sais Pas"},
        Entry{"previous", captionIn, 2009, "&PREVIOUS|SEEK &Previous", "&PRÉCÉDENTE|RECHERCHE &Précédente"},
        Entry{"explanation button", captionIn, 2012, "Display\r\n&Explanation|Hide\r\n&Explanation",
              "Afficher\r\n&Explication|Cacher\r\n&Explication"},
        Entry{"mark figure", captionIn, 2031, "Mark:  &", "Note:  &"},
        Entry{"logo tip", toolTipIn, 2016, "Veviv Evevevev uz Ivuvoz.", "Ridud Uzadovor ov Oredad."},
        Entry{"launch tip", toolTipIn, 2006,
              "Prepare a new exam.\r\nIf partial exam needed, first see Tools > Lesson Selection.",
              "Préparer un nouvel examen.\r\n Pour un examen partiel, voir d'abord sous Outils > Sélection Leçons."},
        Entry{"no bank chosen", messageIn, 2, "Please select a Question bank first.",
              "SVP d'abord choisir une Banque de Questions."},
        Entry{"empty draw", messageIn, 25, "Question Bank is empty or selection criteria produces no questions.",
              "La Banque de Questions est vide ou les critères de sélection ne retournent aucune question."},
        Entry{"duplicate", messageIn, 20, "myRegisterQuestion, QuestionNo = &_-& is a DUPLICATE question",
              "myRegisterQuestion, QuestionNo = &_-& est un numéro trouvé en double"},
        Entry{"error title", otherTextIn, 13, " - Error Message", " - Message d'erreur"},
        Entry{"help and about titles", otherTextIn, 12, " - Help| - About", " - Aide| - À propos"},
        Entry{"button captions", otherTextIn, 16,
              "OK,&Yes,&No,&Abort,&Retry,&Ignore,Cancel,&Try Again,&Continue,Help",
              "OK,&Oui,&Non,&Abandonner,&Recommencer,&Ignorer,Annuler,&Recommencer,&Continuer,Aide"},
        Entry{"unanswered warning", otherTextIn, 4,
              "Some questions remain UNanswered.\r\nDo you really want to abandon the exam ?\r\n"
              "YES = quit program, NO = return to exam.",
              "Certaines questions sont SANS réponse.\r\nVoulez-vous vraiment laisser tomber cet examen ?\r\n"
              "OUI = quitter le programme, NON = retourner à l'examen."},
        Entry{"tools title", menuItem, 10, "&Tools", "Ou&tils"},
        Entry{"about item", menuItem, 23, "&About Ulvorane", "À &Propos d'Ulv&orane"},
        Entry{"language item", menuItem, 13, "Interface &français", "Interface &français"},
        Entry{"dump item", menuItem, 16, "D&ump Utility for authors", "D&ump Utility for authors"}),
                         namedBy([](const Entry& e) { return e.what; }));

TEST(BilingualMessages, PutTheColumnsLanguageFirst) {
    // Column 1 of message 1 is what start-up shows when no bank is found.
    EXPECT_EQ(messageIn(MsgNoBank, 1), noBankMessage());
    EXPECT_EQ(messageIn(MsgNoBank, 0).rfind("Program needs access to a question bank.", 0), 0u);
    EXPECT_EQ(messageIn(MsgFontSwitch, 0),
              latin1("Specify font as \"/F=font_name,point_size\"\r\n"
                     "Spécifiez la police de caractères comme suit \"/F=nom_police,taille\""));
    EXPECT_EQ(messageIn(MsgFontSwitch, 1),
              latin1("Spécifiez la police de caractères comme suit \"/F=nom_police,taille\"\r\n"
                     "Specify font as \"/F=font_name,pointsize\""));
    EXPECT_EQ(messageIn(MsgSizeSwitch, 0).substr(0, 81),
              "Specify change to font size as  /A=n  where n is a positive or negative number.\r\n");
}

TEST(LongTexts, HelpHasItsParagraphsInBothLanguagesTheFirstForScreenReaders) {
    for (int language : {0, 1}) {
        const std::string help = longTextIn(1, language);
        ASSERT_EQ(help.substr(0, 2), "\r\n");
        size_t paragraphs = 1;
        for (size_t at = help.find("\r\n\r\n"); at != std::string::npos; at = help.find("\r\n\r\n", at + 4))
            ++paragraphs;
        EXPECT_EQ(paragraphs, 22u) << "language " << language;
        // The first line read says how to get the simplified layout.
        const std::string first = help.substr(2, help.find("\r\n", 2) - 2);
        EXPECT_NE(first.find("/S"), std::string::npos) << first;
        EXPECT_NE(first.find(latin1(language ? "Ulvorane pour lecteurs d'écran" : "Ulvorane for screen readers")),
                  std::string::npos)
            << first;
        // A font every Debian desktop has, quoted for its space.
        EXPECT_NE(help.find("\"/F=DejaVu Sans,14\""), std::string::npos);
    }
    EXPECT_NE(longTextIn(1, 0).find("\"/whatever_folder/Ulvorane\" /A=2"), std::string::npos);
    EXPECT_NE(longTextIn(1, 1).find("\"/dossier_quelconque/Ulvorane\" /A=2"), std::string::npos);
    EXPECT_NE(longTextIn(1, 1).find(latin1("Sauter au bouton OK pour fermer cette fenêtre.")), std::string::npos);
    // Where the files are kept, and how to start afresh.
    for (const char* text : {"~/.local/share/ulvorane", "/P=folder  keeps the banks", "To start afresh, delete"})
        EXPECT_NE(longTextIn(1, 0).find(text), std::string::npos) << text;
    for (const char* text : {"~/.local/share/ulvorane", "/P=dossier  garde les banques", "Pour repartir à neuf, effacez"})
        EXPECT_NE(longTextIn(1, 1).find(latin1(text)), std::string::npos) << text;
    for (int language : {0, 1})
        EXPECT_EQ(longTextIn(2, language).rfind("Ulvorane   V" PROJECT_VERSION "\r\n", 0), 0u);
    // The answer keys.
    EXPECT_NE(longTextIn(1, 0).find("Keys 1 to 4 choose the answers and 5 (or 0) \"I don't know\""),
              std::string::npos);
    EXPECT_NE(longTextIn(1, 1).find(latin1("Les touches 1 à 4 choisissent les réponses et 5 (ou 0) "
                                           "« Ne Sais Pas »")),
              std::string::npos);
}

// Every text of both languages' tables: menus, captions, tooltips, messages,
// others and long texts.
template <typename Check>
void forEveryText(Check check) {
    const UiTexts& t = uiTexts();
    for (int language : {0, 1}) {
        for (const auto& menu : t.Menu[language])
            for (const std::string& s : menu) check(s);
        for (const std::string& s : t.Captions[language]) check(s);
        for (const std::string& s : t.ToolTips[language]) check(s);
        for (const std::string& s : t.Messages[language]) check(s);
        for (const std::string& s : t.Others[language]) check(s);
        for (const std::string& s : t.LongTexts[language]) check(s);
    }
}

TEST(TextTables, HoldLatin1Only) {
    auto check = [](const std::string& text) {
        EXPECT_FALSE(looksLikeUtf8(text)) << text;
    };
    forEveryText(check);
}

// The program runs on any desktop: no text sends its user to a place or a
// file of another platform.
TEST(TextTables, NameNoPlaceOfAnotherPlatform) {
    auto check = [](const std::string& text) {
        for (const char* word : {"Windows", ".exe", "c:\\", "Display Properties", "Affichage >", "Apparence"})
            EXPECT_EQ(text.find(word), std::string::npos) << word << " in: " << text;
    };
    forEveryText(check);
    EXPECT_NE(captionIn(2037, 0).find("copy the Explanation to the clipboard."), std::string::npos);
    EXPECT_NE(captionIn(2037, 1).find(latin1("copier l'Explication au presse-papiers.")), std::string::npos);
    EXPECT_NE(captionIn(2039, 0).find("adjusting your entire desktop via its display settings (font size)"),
              std::string::npos);
    EXPECT_NE(captionIn(2039, 1).find(latin1("ajustez d'abord votre bureau via ses paramètres d'affichage "
                                             "(taille de police)")),
              std::string::npos);
}

// The department is named by its name of today, never by its former one.
TEST(TextTables, NameTheDepartmentByItsNameOfToday) {
    forEveryText([](const std::string& text) {
        for (const char* former : {"Industry Canada", "Industrie Canada"})
            EXPECT_EQ(text.find(former), std::string::npos) << text;
    });
    EXPECT_NE(longTextIn(1, 0).find("Innovation, Science and Economic Development Canada"), std::string::npos);
    EXPECT_NE(longTextIn(1, 1).find(latin1("Innovation, Sciences et Développement économique Canada")),
              std::string::npos);
}

TEST(TextTables, AnswerBoxesReadLikeTheAnswerButtons) {
    for (int language : {0, 1})
        for (int i = 0; i < 5; ++i) EXPECT_EQ(captionIn(2040 + i, language), captionIn(2022 + i, language));
}

}  // namespace
