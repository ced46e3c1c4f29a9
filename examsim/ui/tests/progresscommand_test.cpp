// Tools > Progress... as the main window wires it: enabled once a bank is
// loaded, the window for that bank, read again after each logged exam and
// re-captioned by the language switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "examsim/progress/window/progresswindow.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"

namespace {

// Four topics of one question each, expected answers 1 to 4.
std::string fourTopicBank() {
    std::string bank = "^Four topics^4^70^\r\n";
    for (int t = 1; t <= 4; ++t) {
        bank += "B-001-00" + std::to_string(t) + "-001 (" + std::to_string(t) + ") Question " + std::to_string(t) + "?\r\n";
        for (int a = 1; a <= 4; ++a) bank += std::to_string(a) + ". Answer " + std::to_string(a) + "\r\n";
        bank += "> Because.\r\n\r\n";
    }
    return bank;
}

TEST(ProgressCommand, InTheToolsMenuOfBothLanguagesAndEnabledOnceABankIsLoaded) {
    Started s({{English, French}});
    ASSERT_TRUE(s.started);
    QAction* item = s.window->menuAction(CmdProgress);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(s.window->menu(1)->actions().contains(item));
    EXPECT_EQ(item->text(), q("&Progress..."));
    EXPECT_EQ(s.program.Shelf.LoadedBank, 0);
    EXPECT_FALSE(item->isEnabled());
    s.window->command(CmdProgress);  // as the disabled item would: nothing
    EXPECT_EQ(s.window->progressWindow(), nullptr);
    EXPECT_EQ(item->toolTip(), q("Marks over time, weak lessons and topics, and the chance of passing now."));

    s.banks()->setCurrentIndex(0);
    s.window->command(2000);
    settle();
    EXPECT_GT(s.program.Shelf.LoadedBank, 0);
    EXPECT_TRUE(item->isEnabled());

    s.window->command(CmdFrench);
    EXPECT_EQ(item->text(), q("&Progrès..."));
    EXPECT_EQ(item->toolTip(), q("Notes au fil du temps, leçons et sujets faibles, et chance de réussir maintenant."));
    s.window->command(CmdFrench);
}

TEST(ProgressCommand, OpensForTheLoadedBankAndIsReadAgainWhenAnExamIsLogged) {
    Started s({{}, "", "en_CA", "", {{"Questions_Four.txt", fourTopicBank()}}});
    ASSERT_TRUE(s.started);
    ASSERT_GT(s.program.Shelf.LoadedBank, 0);
    s.window->show();
    s.window->command(CmdProgress);
    ProgressWindow* w = s.window->progressWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), q("Progress - Four topics"));
    EXPECT_TRUE(w->emptyStateLabel()->isVisible());

    // An exam taken while the window stays up, marked as it goes: four
    // answers, too few for a range.
    steadyClock(s.program);
    s.program.Session.Exam.ManualAdvance = true;
    s.window->command(2006);
    ExamRecord& exam = s.program.Session.Exam;
    for (int p = 1; p <= exam.ExamSize; ++p) {
        s.window->command(2021 + (s.program.Bank.ExpectedAnswer[exam.ExamOrder[p]][0] - '0'));
        s.window->command(2010);
    }
    ASSERT_EQ(exam.ExamStage, StageOver);
    for (int i = 0; i < 100 && s.program.Session.Logging.pending(); ++i) settle(10);
    settle();
    ASSERT_EQ(s.window->progressWindow(), w);
    ASSERT_EQ(w->figures().Sessions.size(), 1u);
    EXPECT_EQ(w->figures().Sessions[0].MarkText, "100%");
    EXPECT_FALSE(w->emptyStateLabel()->isVisible());
    const QString english = w->passChanceLabel()->text();
    EXPECT_TRUE(english.startsWith(q("Chance of passing now: "))) << english.toStdString();
    EXPECT_TRUE(english.endsWith(q("%, too few answers yet to be sure (fewer than 50)"))) << english.toStdString();

    // The language switch reaches it.
    s.window->command(CmdFrench);
    EXPECT_EQ(w->windowTitle(), q("Progrès - Four topics"));
    const QString french = w->passChanceLabel()->text();
    EXPECT_TRUE(french.startsWith(q("Chance de réussir maintenant : "))) << french.toStdString();
    // The same point value in both languages.
    EXPECT_EQ(french.mid(french.indexOf(':') + 2, 5), english.mid(english.indexOf(':') + 2, 5));
    s.window->command(CmdFrench);

    // Asked for again: the same window, brought forward.
    s.window->command(CmdProgress);
    EXPECT_EQ(s.window->progressWindow(), w);
}

}  // namespace
