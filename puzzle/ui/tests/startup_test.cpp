// Start-up: the command line, the choice of fonts, the missing-file stop,
// the texts of both languages and the fonts report's figures.
#include <gtest/gtest.h>

#include "puzzle/ui/commandline.h"
#include "puzzle/ui/fontsreport.h"
#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/startup.h"
#include "puzzle/ui/tests/puzzlegui.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

struct SwitchCase {
    const char* arguments;
    bool french;
    bool reportTips;
    int adjustment;
    const char* fontName;
    int fontSize;
    const char* tileFont;
    int message;  // 0 when none
};

class CommandLine : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLine, SwitchesAreReadAndMalformedOnesReported) {
    const SwitchCase c = GetParam();
    ErrorRecorder rec(1);  // messages 1 to 3 hold both languages whatever the interface
    const PuzzleSwitches s = readCommandLine(c.arguments);
    EXPECT_EQ(s.French, c.french);
    EXPECT_EQ(s.ReportToolTipFailures, c.reportTips);
    EXPECT_EQ(s.FontAdjustment, c.adjustment);
    EXPECT_EQ(s.FontName, c.fontName);
    EXPECT_EQ(s.FontSize, c.fontSize);
    EXPECT_EQ(s.TileFontName, c.tileFont);
    if (c.message == 0) {
        EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();
    } else {
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, startupMessage(c.message));
        EXPECT_EQ(rec.boxes[0].text.rfind("Specify", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLine,
    ::testing::Values(
        SwitchCase{"", false, true, 0, "", 0, "", 0},
        SwitchCase{"  /q ", true, true, 0, "", 0, "", 0},
        SwitchCase{"/x", false, false, 0, "", 0, "", 0},
        SwitchCase{"/a=-2", false, true, -2, "", 0, "", 0},
        SwitchCase{"/A=(+3)", false, true, 3, "", 0, "", 0},
        SwitchCase{"/A=", false, true, 0, "", 0, "", 0},
        SwitchCase{"/A=2x", false, true, 0, "", 0, "", 1},
        SwitchCase{"/F=Tahoma,14 /A=2", false, true, 2, "Tahoma", 14, "", 0},
        SwitchCase{"/f=DejaVu Serif, 11.6", false, true, 0, "DejaVu Serif", 12, "", 0},
        SwitchCase{"/F=Tahoma", false, true, 0, "", 0, "", 2},
        SwitchCase{"/F=,12", false, true, 0, "", 0, "", 2},
        SwitchCase{"/T=", false, true, 0, "", 0, "", 3},
        SwitchCase{"/T=Courier New /Q", true, true, 0, "", 0, "Courier New", 0},
        SwitchCase{"/t=courier", false, true, 0, "", 0, "courier", 0}),
                         namedBy([](const SwitchCase& c) { return c.arguments; }));

// /Q takes effect before a malformed switch is reported, wherever it stands:
// the error box's title is French.
struct TitleCase {
    const char* arguments;
    int keyboardLanguage;
    const char* title;
};

class ReportLanguage : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ReportLanguage, MalformedSwitchReportedInTheLanguageOfQ) {
    const TitleCase c = GetParam();
    uiContext().ProgramName = "Ostrilon";
    ErrorRecorder rec(c.keyboardLanguage);
    readCommandLine(c.arguments);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].title, latin1(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ReportLanguage,
    ::testing::Values(TitleCase{"/Q /A=2x", 0, "Ostrilon - Message d'erreur"},
                      TitleCase{"/A=2x /q", 0, "Ostrilon - Message d'erreur"},
                      TitleCase{"/F=Tahoma /Q", 0, "Ostrilon - Message d'erreur"},
                      TitleCase{"/T= /Q", 0, "Ostrilon - Message d'erreur"},
                      TitleCase{"/A=2x", 0, "Ostrilon - Error Message"},
                      TitleCase{"/A=2x", 1, "Ostrilon - Message d'erreur"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DialogFont, SwitchFontWinsOverTheSuggestionAndIgnoresTheAdjustment) {
    std::string face;
    int points = 0;
    PuzzleSwitches s;
    s.FontAdjustment = 2;
    ASSERT_TRUE(chooseDialogFont(s, true, "DejaVu Sans", 9, face, points));
    EXPECT_EQ(face, "DejaVu Sans");
    EXPECT_EQ(points, 11);
    s.FontName = "Tahoma";
    s.FontSize = 14;
    ASSERT_TRUE(chooseDialogFont(s, true, "DejaVu Sans", 9, face, points));
    EXPECT_EQ(face, "Tahoma");
    EXPECT_EQ(points, 14);
    PuzzleSwitches none;
    none.FontAdjustment = -30;  // never below one point
    ASSERT_TRUE(chooseDialogFont(none, true, "DejaVu Sans", 9, face, points));
    EXPECT_EQ(points, 1);
    EXPECT_FALSE(chooseDialogFont(PuzzleSwitches{}, false, "", 0, face, points));
}

TEST(StartUp, NoDiagramFileEndsWithMessageFour) {
    TempFolder dir;
    BoxAnswers boxes;
    auto window = startPuzzle("/Q", dir.path(), 0);
    EXPECT_EQ(window, nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, ModalKind::SystemBox);
    EXPECT_EQ(boxes.boxes[0].text, startupMessage(4));
    EXPECT_NE(boxes.boxes[0].text.find(latin1("SVP copier fichier Diagrams*.txt")), std::string::npos);
    uiContext().InterfaceLanguage = 0;
}

TEST(StartUp, KeyboardOrSwitchGiveFrenchAndTheTileFaceFollows) {
    TempFolder dir;
    dir.write("Diagrams_x.txt", "{One}\r\n~A1~BOX~~C|One~d\r\n");
    BoxAnswers boxes;
    auto window = startPuzzle("/F=DejaVu Serif,10 /T=DejaVu Sans Mono", dir.path(), 1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uiContext().InterfaceLanguage, 1);
    EXPECT_EQ(window->files().TileFontName, "DejaVu Sans Mono");
    EXPECT_EQ(window->font().family(), "DejaVu Serif");
    EXPECT_EQ(window->font().pointSize(), 10);
    auto english = startPuzzle("/F=DejaVu Serif,10", dir.path(), 0);
    EXPECT_EQ(uiContext().InterfaceLanguage, 0);
    EXPECT_EQ(english->files().TileFontName, "DejaVu Serif");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(Texts, CaptionFieldsAndLanguageColumns) {
    EXPECT_EQ(captionField("français|English", 2), "English");
    EXPECT_EQ(captionField(" - Help| - About", 1), " - Help");
    EXPECT_EQ(captionField("one", 2), "");
    uiContext().InterfaceLanguage = 1;
    EXPECT_EQ(startupMessage(1), puzzleTexts().Messages[1][0]);  // always the English column
    EXPECT_EQ(startupMessage(7), latin1("SVP Choisir Compétence"));
    EXPECT_EQ(menuText(2, 4), latin1("À &Propos de Ostrilon"));
    EXPECT_NE(puzzleTexts().Messages[3][0], puzzleTexts().Messages[3][1]);
    uiContext().InterfaceLanguage = 0;
    EXPECT_EQ(captionText(2001), "-- Please select a diagram --");
    EXPECT_EQ(puzzleTexts().ToolTips.tip(2008, 0), "Veviv Evevevev uz Ivuvoz.");
    EXPECT_FALSE(puzzleTexts().ToolTips.hasTip(2009));
    // Every text of both columns is Latin-1 already: no UTF-8 lead bytes left.
    for (const auto& pair : puzzleTexts().Captions)
        for (const std::string& text : pair) EXPECT_FALSE(looksLikeUtf8(text)) << text;
}

TEST(Texts, HelpSaysWhereTheFilesAreKeptAndHowToStartAfresh) {
    const TextPair& help = puzzleTexts().Long[1];
    for (const char* text : {"~/.local/share/ostrilon", "/P=folder   Reads the diagram files",
                             "to start afresh with the samples, delete"})
        EXPECT_NE(help[0].find(text), std::string::npos) << text;
    for (const char* text : {"~/.local/share/ostrilon", "/P=dossier  Lit les fichiers de schémas",
                             "pour repartir à neuf avec les exemples, effacez"})
        EXPECT_NE(help[1].find(latin1(text)), std::string::npos) << text;
}

TEST(FontsReport, PointSizeFromTheEmHeight) {
    EXPECT_EQ(pointsFromEmHeight(11, 96), 8);
    EXPECT_EQ(pointsFromEmHeight(12, 96), 9);
    EXPECT_EQ(pointsFromEmHeight(13, 96), 10);
    EXPECT_EQ(pointsFromEmHeight(2, 96), 4);  // never below 4
}

TEST(FontsReport, MaskIsFilledInTheInterfaceLanguage) {
    QLabel label;
    label.setFont(puzzleFont("DejaVu Sans Mono", 10, true));
    uiContext().InterfaceLanguage = 0;
    const std::string english = fontsReport(&label, &label, &label, 32);
    EXPECT_EQ(english.substr(english.size() - 24), "- Colour depth: 32 bits.");
    EXPECT_NE(english.find("- Movable blocks: DejaVu Sans Mono, 10 (700)."), std::string::npos)
        << english;
    uiContext().InterfaceLanguage = 1;
    const std::string french = fontsReport(&label, nullptr, &label, 16);
    EXPECT_NE(french.find("- Couleurs: 16 bits."), std::string::npos);
    EXPECT_NE(french.find(latin1("Blocs du schéma : , 0 (0).")), std::string::npos) << french;
    uiContext().InterfaceLanguage = 0;
}

}  // namespace
