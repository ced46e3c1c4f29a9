#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "examsim/ui/mainwindow.h"
#include "examsim/ui/startup.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/colour.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

struct StartCase {
    const char* name;
    FolderSetup setup;
    int language;
    int selected;  // SelectedBank once the window is built
    int loaded;    // LoadedBank once the first events ran
};

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, ChoosesLanguageAndBankShownFirst) {
    const StartCase& c = GetParam();
    Started s(c.setup);
    ASSERT_TRUE(s.started);
    EXPECT_EQ(uiContext().InterfaceLanguage, c.language);
    EXPECT_EQ(s.program.Shelf.SelectedBank, c.selected);
    EXPECT_EQ(s.program.Shelf.LoadedBank, c.loaded);
    EXPECT_EQ(s.banks()->currentIndex(), c.selected - 1);
    const int bankCount = s.program.Shelf.BankCount;
    if (c.loaded == 0) {
        // The prompt is the last entry, and it is the one shown.
        ASSERT_EQ(s.banks()->count(), bankCount + 1);
        EXPECT_EQ(fromQString(s.banks()->currentText()), captionIn(2000, c.language));
    } else {
        EXPECT_EQ(s.banks()->count(), bankCount);
        EXPECT_GT(s.program.Bank.QuestionCount, 0);
    }
    EXPECT_TRUE(s.errors().empty()) << s.errors().front().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartUp,
    ::testing::Values(
        StartCase{"OneBankIsPreselected", {{English}, "", "en_CA"}, 0, 1, 1},
        StartCase{"TwoBanksSelectNone", {{English, French}, "", "en_CA"}, 0, 3, 0},
        StartCase{"FrenchKeyboard", {{English, French}, "", "fr_CA"}, 1, 3, 0},
        StartCase{"FranceKeyboard", {{English}, "", "fr_FR"}, 1, 1, 1},
        StartCase{"GermanKeyboard", {{English}, "", "de_DE"}, 0, 1, 1},
        // Banks are listed by file name: Base-Francais, then Basic-English.
        StartCase{"LogSaysFrenchAndNamesTheBank",
                  {{English, French}, summaryOf("Basic sample (English)", "F1"), "en_CA"}, 1, 2, 2},
        StartCase{"LogSaysEnglishOverAFrenchKeyboard",
                  {{English, French}, summaryOf("Base - exemple (fran\xE7" "ais)", "E1"), "fr_CA"}, 0, 1, 1},
        // The only bank is read even when the log names a bank gone since.
        StartCase{"RecordedBankNoLongerPresent",
                  {{English}, summaryOf("Advanced sample", "E1"), "en_CA"}, 0, 1, 1},
        StartCase{"RecordedBankGoneAmongTwo",
                  {{English, French}, summaryOf("Advanced sample", "E1"), "en_CA"}, 0, 3, 0},
        StartCase{"RecordedTitleOnlyBeginsABanksTitle",
                  {{English, French}, summaryOf("Basic sample", "E1"), "en_CA"}, 0, 3, 0}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

TEST(StartUpFailure, NoBankEndsWithTheFrenchFirstMessage) {
    Started s(FolderSetup{{}, "", "en_CA"});
    EXPECT_FALSE(s.started);
    ASSERT_EQ(s.errors().size(), 1u);
    EXPECT_EQ(s.errors()[0].text, messageIn(MsgNoBank, 1));
    EXPECT_EQ(s.errors()[0].text.rfind("Le programme doit pouvoir", 0), 0u);
}

TEST(LanguageSwitch, RecaptionsAnswersWhenNoQuestionIsShown) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->command(2015);
    EXPECT_EQ(uiContext().InterfaceLanguage, 1);
    EXPECT_TRUE(s.window->menuAction(CmdFrench)->isChecked());
    EXPECT_EQ(s.text(2022), q("Réponse 1."));
    EXPECT_EQ(s.text(2025), q("Réponse 4."));
    EXPECT_EQ(s.text(2026), q("Réponse 5.  Ne Sais Pas"));
    EXPECT_EQ(s.text(2006), q("Lancer"));
    EXPECT_EQ(s.text(2015), q("English"));  // names the other language
    EXPECT_EQ(s.text(2009), q("&PRÉCÉDENTE"));
    EXPECT_EQ(s.text(2039).left(20), q("Cette zone de texte "));
    EXPECT_EQ(s.window->menu(1)->title(), q("Ou&tils"));
    EXPECT_EQ(static_cast<QComboBox*>(s.window->control(2003))->itemText(1), q("À la fin"));
    // Qt's own texts (the file dialog's) as well.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), q("Voir dans :"));
    s.window->command(CmdFrench);
    EXPECT_EQ(uiContext().InterfaceLanguage, 0);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), q("Look in:"));
    EXPECT_EQ(s.text(2022), q("Answer 1."));
    EXPECT_EQ(s.text(2015), q("français"));
}

TEST(LanguageSwitch, KeepsTheQuestionOnShow) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->command(2006);
    ASSERT_EQ(s.program.Session.Exam.ExamStage, StageDrawn);
    const QString question = s.text(2039);
    const QString answer1 = s.text(2022);
    ASSERT_NE(answer1, q("Answer 1."));
    s.window->command(2015);
    EXPECT_EQ(s.text(2039), question);
    EXPECT_EQ(s.text(2022), answer1);
    EXPECT_EQ(s.text(2026), q("Réponse 5.  Ne Sais Pas"));
    EXPECT_TRUE(s.text(2032).startsWith(q("Question 1 de "))) << s.text(2032).toStdString();
    EXPECT_EQ(s.text(2004), q("Trouver Manquante"));  // the field on show stays the same
}

TEST(LanguageSwitch, SwapsTheBankPromptInPlace) {
    Started s(FolderSetup{{English, French}});
    ASSERT_TRUE(s.started);
    ASSERT_EQ(s.banks()->count(), 3);
    s.window->command(2015);
    EXPECT_EQ(s.banks()->count(), 3);
    EXPECT_EQ(s.banks()->currentIndex(), 2);
    EXPECT_EQ(s.banks()->currentText(), q("-- SVP choisir une banque --"));
    EXPECT_EQ(userSlot(s.banks(), 1), 3);
}

TEST(MainWindowCommands, LaunchWithoutABankAsksForOneInTheInterfaceLanguage) {
    Started s(FolderSetup{{English, French}, "", "fr_CA"});
    ASSERT_TRUE(s.started);
    s.window->command(2006);
    ASSERT_EQ(s.errors().size(), 1u);
    EXPECT_EQ(s.errors()[0].text, messageIn(MsgSelectBankFirst, 1));
    EXPECT_EQ(s.program.Session.Exam.ExamStage, StageNoExam);
}

TEST(MainWindowCommands, ChoosingABankReadsItAndDropsThePrompt) {
    Started s(FolderSetup{{English, French}});
    ASSERT_TRUE(s.started);
    s.banks()->setCurrentIndex(1);
    s.window->command(2000);
    EXPECT_EQ(s.program.Shelf.LoadedBank, 2);
    EXPECT_EQ(s.banks()->count(), 2);
    EXPECT_EQ(userSlot(s.banks(), 1), 2);
    s.window->command(2006);
    EXPECT_EQ(s.program.Session.Exam.ExamStage, StageDrawn);
    EXPECT_TRUE(s.errors().empty());
}

TEST(MainWindowCommands, AnsweringMarksAndNextMoves) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->command(2006);
    ExamRecord& exam = s.program.Session.Exam;
    exam.ManualAdvance = true;
    const int expected = s.program.Bank.ExpectedAnswer[exam.ExamOrder[1]][0] - '0';
    s.window->command(2021 + expected);
    EXPECT_EQ(exam.result(1), '1');
    EXPECT_EQ(exam.ExamStage, StageAnswering);
    EXPECT_FALSE(s.window->control(2006)->isEnabled());
    EXPECT_EQ(s.text(2028), q("1"));
    s.window->command(2010);
    EXPECT_EQ(exam.CurrentQuestion, 2);
    // Leaving with questions unanswered asks first; "No" keeps the window.
    s.boxes.answer(IdNo);
    s.window->show();
    EXPECT_FALSE(s.window->close());
    EXPECT_EQ(s.boxes.boxes.back().text, otherText(4));
}

TEST(MainWindowLayout, MenusAndListsAsBuilt) {
    Started plain(FolderSetup{{English}});
    ASSERT_TRUE(plain.started);
    const QList<QAction*> tools = plain.window->menu(1)->actions();
    // Without /D no dump utility between Manual Advance and Progress.
    ASSERT_GE(tools.size(), 2);
    EXPECT_EQ(tools[tools.size() - 2]->text(), q("&Manual Advance"));
    EXPECT_EQ(tools.back()->text(), q("&Progress..."));
    EXPECT_FALSE(plain.window->menuAction(CmdOpenFile)->isEnabled());
    EXPECT_EQ(static_cast<QComboBox*>(plain.window->control(2003))->count(), 2);
    EXPECT_EQ(static_cast<QComboBox*>(plain.window->control(2001))->count(), 5);
    EXPECT_EQ(userSlot(plain.window.get(), 6), (100 << 16) | 100);
    EXPECT_TRUE(static_cast<QAbstractButton*>(plain.window->control(2005))->isChecked());
    EXPECT_EQ(plain.text(2032), q("Question nnn of nnn, pending"));
    EXPECT_EQ(plain.text(2031), q("Mark:  nnn.n%"));
}

TEST(MainWindowLayout, DumpSwitchAddsTheUtilityAndSimplifiedDropsThePictures) {
    Started s(FolderSetup{{English}, "", "en_CA", "/D /S"});
    ASSERT_TRUE(s.started);
    const QList<QAction*> tools = s.window->menu(1)->actions();
    ASSERT_GE(tools.size(), 2);
    EXPECT_EQ(tools[tools.size() - 2]->text(), q("D&ump Utility for authors"));
    EXPECT_EQ(tools.back()->text(), q("&Progress..."));
    for (int id : {2015, 2016, 2049, 2050, 2022}) EXPECT_EQ(s.window->control(id), nullptr) << id;
    for (int id : {2037, 2038, 2040, 2044}) EXPECT_NE(s.window->control(id), nullptr) << id;
    EXPECT_EQ(s.window->minimumSize(), s.window->maximumSize());
}

TEST(MainWindowLayout, ShrinksToASmallWorkArea) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    MainWindow small(s.program, QRect(0, 0, 500, 300));
    EXPECT_GT(small.shrink().Ky, 0);
    EXPECT_LE(small.height(), 300);
    EXPECT_LE(small.width(), 500);
    // Answer buttons keep their 24-unit margin.
    const DialogUnits units = dialogUnits(&small);
    EXPECT_EQ(small.control(2022)->x(), units.toPixelsX(24));
}

TEST(SimplifiedAnswers, ABoxShowsOnlyWhatTheExamHolds) {
    Started s(FolderSetup{{English}, "", "en_CA", "/S"});
    ASSERT_TRUE(s.started);
    // Each click a second after the last, past the double-click guard.
    int64_t now = 0;
    s.program.Session.Clock.systemTime = [&now] { return now += 10'000'000; };
    auto* box = static_cast<QAbstractButton*>(s.window->control(2041));
    box->click();  // no exam: nothing is recorded, nothing stays checked
    EXPECT_FALSE(box->isChecked());
    s.window->command(2006);
    s.program.Session.Exam.ManualAdvance = true;
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(s.program.Session.Exam.given(1), '2');
}

}  // namespace

// Under a dark desktop scheme (light text on dark faces, as qt6ct's "darker"
// gives), every box the window colours itself keeps text that reads on it:
// the three status headings, the status strip, with a hint on it and without.
TEST(MainWindowColours, TextOnEveryColouredBoxReadsUnderADarkScheme) {
    const QPalette saved = QApplication::palette();
    QPalette dark;
    for (auto [role, value] : {std::pair{QPalette::Window, 53}, {QPalette::Base, 42}, {QPalette::Button, 53}})
        dark.setColor(role, QColor(value, value, value));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    QApplication::setPalette(dark);
    {
        Started s(FolderSetup{{English}});
        ASSERT_TRUE(s.started);
        const auto rgb = [](const QColor& c) { return Rgb{c.red(), c.green(), c.blue()}; };
        const auto checkAll = [&](const char* when) {
            int boxes = 0;
            for (QWidget* box : s.window->findChildren<QWidget*>()) {
                if (!box->autoFillBackground()) continue;
                ++boxes;
                const QColor face = box->palette().color(QPalette::Window);
                // The box's own text and that of whatever it holds.
                QList<QWidget*> inside = box->findChildren<QWidget*>();
                inside.prepend(box);
                for (QWidget* w : inside) {
                    const QColor ink = w->palette().color(w->foregroundRole());
                    EXPECT_GE(contrastRatio(rgb(ink), rgb(face)), ReadableContrast)
                        << when << ": control " << controlId(box) << " " << fromQString(box->objectName())
                        << " ink " << fromQString(ink.name()) << " on " << fromQString(face.name());
                }
            }
            return boxes;
        };
        EXPECT_GE(checkAll("at start"), 4);  // the three headings and the strip
        statusSink()("A hint on the strip");
        checkAll("with a hint");
    }
    QApplication::setPalette(saved);
}
