// File > Import Official Question Bank...: the department's pool as a
// candidate downloads it, imported through the menu item with the file
// dialog answered by the test.
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <algorithm>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "examsim/import/poolimport.h"
#include "examsim/import/tests/zipkit.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/ui/tests/startedwindow.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

namespace {

namespace fs = std::filesystem;

// A pool of two questions in the department's layout.
std::string smallPool() {
    std::string pool = "question_id ;q;a;w1;w2;w3;qf;af;wf1;wf2;wf3\r\n";
    for (const char* id : {"B-001-001-001", "B-002-001-001"})
        pool += std::string(id) + ";Question " + id + ";Right;Wrong 1;Wrong 2;Wrong 3;Question " + id +
                " ?;Bonne;Mauvaise 1;Mauvaise 2;Mauvaise 3\r\n";
    return pool;
}

// HOME points into a temporary folder for the test's life, so that the
// dialog's Downloads folder is one the test owns.
class DownloadsFolder {
public:
    DownloadsFolder() : savedHome_(qgetenv("HOME")), savedConfig_(qgetenv("XDG_CONFIG_HOME")) {
        fs::create_directories(home_.file("Downloads"));
        qputenv("HOME", QByteArray::fromStdString(home_.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~DownloadsFolder() {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig_);
    }
    std::string path() const { return home_.file("Downloads"); }
    std::string write(const std::string& name, const std::string& bytes) const {
        return TempFolder::writeFile(path() + "/" + name, bytes);
    }

private:
    TempFolder home_;
    QByteArray savedHome_, savedConfig_;
};

// The next file dialog opens on Downloads, offers the pools first, and picks
// `name`.
void pickInDialog(Started& s, const DownloadsFolder& downloads, const std::string& name,
                  const char* filter = "Official question pools (*.zip *.txt)") {
    s.boxes.boxes.clear();
    s.boxes.answerWith([&downloads, name, filter](const ModalRequest& r) -> std::optional<int> {
        auto* dialog = qobject_cast<QFileDialog*>(r.Dialog);
        EXPECT_EQ(r.Kind, ModalKind::OpenFile);
        if (!dialog) return 0;
        EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(downloads.path()));
        EXPECT_EQ(dialog->nameFilters().front().toStdString(), filter);
        dialog->selectFile(QString::fromStdString(downloads.path() + "/" + name));
        return QDialog::Accepted;
    });
}

// What the boxes said, for the message of a failed check.
std::string shown(const std::vector<AnsweredBox>& boxes) {
    std::string all;
    for (const AnsweredBox& b : boxes) all += "[" + b.title + "] " + b.text + "\n";
    return all;
}

// The menu item chosen; its command runs once the menu has returned.
void importFromMenu(Started& s) {
    s.window->menuAction(CmdImportBank)->trigger();
    settle();
}

std::string bankItem(const Started& s, int index) { return fromQString(s.banks()->itemText(index)); }

// The banks' bytes and dates, to tell whether anything was rewritten.
std::string banksOnDisk(const Started& s) {
    std::string state;
    for (const char* name : {"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"}) {
        const std::string path = s.folder().file(name);
        state += fileBytes(path) + "@" + std::to_string(fs::last_write_time(path).time_since_epoch().count()) + "|";
    }
    return state;
}

TEST(ImportCommand, TheDepartmentsBasicPoolFromItsZipBecomesTheBankInUse) {
    const std::string source = std::string(ISED_DATA_DIR) + "/amat_basic_quest_delim2025.txt";
    if (!fs::exists(source))
        GTEST_SKIP() << "the department's question-bank copies are not at " << ISED_DATA_DIR
                     << " (they are kept beside the repository, not in it)";
    DownloadsFolder downloads;
    const std::string pool = fileBytes(source);
    downloads.write("amat_basic_quest.zip", makeZip({{"amat_basic_quest_delim2025.txt", pool}}));

    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    ASSERT_EQ(s.banks()->count(), 1);
    pickInDialog(s, downloads, "amat_basic_quest.zip");
    importFromMenu(s);

    // Found again, listed, and the English bank read as a choice would.
    ASSERT_EQ(s.banks()->count(), 3) << s.errors().size();
    EXPECT_EQ(trimSpaces(bankItem(s, s.banks()->currentIndex())), "Basic_EN");
    EXPECT_EQ(s.program.Shelf.LoadedBank, s.banks()->currentIndex() + 1);
    EXPECT_EQ(s.program.Bank.QuestionCount, 984);
    EXPECT_EQ(s.program.Bank.TopicCount, 100);
    EXPECT_EQ(s.program.Bank.CurrentBankTitle, "Basic 2025 English");
    for (const char* name : {"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"})
        EXPECT_TRUE(fs::exists(s.folder().file(name))) << name;
    EXPECT_TRUE(s.errors().empty());
    // The dialog, the reader's statistics, and one message saying what came in.
    ASSERT_EQ(s.boxes.boxes.size(), 3u) << shown(s.boxes.boxes);
    EXPECT_EQ(s.boxes.boxes[1].title, "Ulvorane - Info");
    EXPECT_NE(s.boxes.boxes[1].text.find("984"), std::string::npos) << s.boxes.boxes[1].text;
    EXPECT_EQ(s.boxes.boxes[2].title, "Ulvorane - Import");
    EXPECT_EQ(s.boxes.boxes[2].text,
              "Question pool imported: Basic 2025 (984 questions), from amat_basic_quest.zip.\r\nBanks written:\r\n  " +
                  s.folder().file("Questions_Basic_EN.txt") + "\r\n  " + s.folder().file("Questions_Basic_FR.txt"));

    // The same download again: no question, nothing rewritten, the bank stays.
    for (const char* name : {"Questions_Basic_EN.txt", "Questions_Basic_FR.txt"})
        fs::last_write_time(s.folder().file(name), fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    const std::string before = banksOnDisk(s);
    pickInDialog(s, downloads, "amat_basic_quest.zip");
    importFromMenu(s);
    EXPECT_EQ(banksOnDisk(s), before);
    ASSERT_EQ(s.boxes.boxes.size(), 2u) << shown(s.boxes.boxes);
    EXPECT_EQ(s.boxes.boxes[1].text.rfind("Question pool already imported, banks unchanged: Basic 2025 (984 questions).", 0), 0u)
        << s.boxes.boxes[1].text;
    EXPECT_EQ(s.program.Bank.QuestionCount, 984);

    // An edited copy asks first: "No" keeps the banks, "Yes" replaces and
    // reads the bank again.
    const std::string edited = replaceAll(pool, "B-001-001-001;", "B-001-001-001;Edited: ");
    ASSERT_NE(edited, pool);
    downloads.write("amat_basic_quest_edited.zip", makeZip({{"amat_basic_quest_delim2025.txt", edited}}));
    pickInDialog(s, downloads, "amat_basic_quest_edited.zip");
    s.boxes.answer(IdNo);
    importFromMenu(s);
    ASSERT_EQ(s.boxes.boxes.size(), 2u) << shown(s.boxes.boxes);
    EXPECT_EQ(s.boxes.boxes[1].title, "Ulvorane - Import");
    EXPECT_EQ(s.boxes.boxes[1].text, "The program folder already holds a bank named Basic, with other questions.\r\n"
                                     "Replace it with the Basic 2025 pool imported from "
                                     "amat_basic_quest_edited.zip?");
    EXPECT_EQ(s.boxes.boxes[1].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(banksOnDisk(s), before);

    pickInDialog(s, downloads, "amat_basic_quest_edited.zip");
    s.boxes.answer(IdYes);
    importFromMenu(s);
    EXPECT_NE(banksOnDisk(s), before);
    ASSERT_EQ(s.boxes.boxes.size(), 4u) << shown(s.boxes.boxes);  // dialog, question, statistics, message
    EXPECT_EQ(s.boxes.boxes[2].title, "Ulvorane - Info");
    EXPECT_EQ(s.program.Bank.QuestionCount, 984);
    EXPECT_EQ(s.banks()->count(), 3);
    bool seen = false;
    for (int q = 1; q <= s.program.Bank.QuestionCount; ++q)
        seen = seen || s.program.Bank.QuestionText[q].find("Edited: ") != std::string::npos;
    EXPECT_TRUE(seen);
}

TEST(ImportCommand, FrenchInterfaceReadsTheFrenchBankAndSpeaksFrench) {
    DownloadsFolder downloads;
    downloads.write("amat_basic_quest.zip", makeZip({{"amat_basic_quest_delim2025.txt", smallPool()}}));
    Started s(FolderSetup{{English}, "", "fr_CA"});
    ASSERT_TRUE(s.started);
    pickInDialog(s, downloads, "amat_basic_quest.zip", "Banques officielles (*.zip *.txt)");
    importFromMenu(s);
    EXPECT_EQ(trimSpaces(bankItem(s, s.banks()->currentIndex())), "Basic_FR");
    EXPECT_EQ(s.program.Bank.CurrentBankTitle, latin1("Base 2025 français"));
    ASSERT_FALSE(s.boxes.boxes.empty());
    EXPECT_EQ(s.boxes.boxes.back().title, "Ulvorane - Importation");
    EXPECT_EQ(s.boxes.boxes.back().text.rfind(latin1("Banque importée : Base 2025 (2 questions), de "), 0), 0u);
}

// Tools > Progress follows the bank the import loads: enabled though no
// bank was loaded before, and an open progress window shows the new bank.
TEST(ImportCommand, ProgressFollowsTheImportedBank) {
    DownloadsFolder downloads;
    downloads.write("amat_basic_quest.zip",
                    makeZip({{"amat_basic_quest_delim2025.txt", smallPool()}}));
    {
        Started s(FolderSetup{{English, French}});
        ASSERT_TRUE(s.started);
        ASSERT_EQ(s.program.Shelf.LoadedBank, 0);
        ASSERT_FALSE(s.window->menuAction(CmdProgress)->isEnabled());
        pickInDialog(s, downloads, "amat_basic_quest.zip");
        importFromMenu(s);
        ASSERT_GT(s.program.Shelf.LoadedBank, 0);
        EXPECT_TRUE(s.window->menuAction(CmdProgress)->isEnabled());
    }
    // A window opened on the bank loaded at start-up.
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    s.window->command(CmdProgress);
    ProgressWindow* w = s.window->progressWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->figures().Title, s.program.Bank.CurrentBankTitle);
    pickInDialog(s, downloads, "amat_basic_quest.zip");
    importFromMenu(s);
    ASSERT_EQ(s.program.Bank.CurrentBankTitle, "Basic 2025 English");
    EXPECT_EQ(w->figures().Title, "Basic 2025 English");
    EXPECT_EQ(w->windowTitle(), QString("Progress - Basic 2025 English"));
}

TEST(ImportCommand, AFaultyArchiveIsReportedInTheInterfaceLanguageAndChangesNothing) {
    DownloadsFolder downloads;
    const std::string zip = makeZip({{"amat_basic_quest_delim.txt", smallPool()}});
    downloads.write("amat_basic_quest.zip", zip.substr(0, zip.size() - 30));
    Started s(FolderSetup{{English}, "", "fr_CA"});
    ASSERT_TRUE(s.started);
    const int loaded = s.program.Shelf.LoadedBank;
    const auto files = std::distance(fs::directory_iterator(s.folder().path()), {});
    pickInDialog(s, downloads, "amat_basic_quest.zip", "Banques officielles (*.zip *.txt)");
    importFromMenu(s);
    ASSERT_EQ(s.errors().size(), 1u);
    EXPECT_EQ(s.errors()[0].text, latin1("myReadIsedArchive, amat_basic_quest.zip est endommagé ou incomplet : "
                                         "téléchargez-le de nouveau"));
    EXPECT_EQ(s.boxes.boxes.size(), 1u) << shown(s.boxes.boxes);  // the dialog only
    EXPECT_EQ(s.banks()->count(), 1);
    EXPECT_EQ(s.program.Shelf.LoadedBank, loaded);
    EXPECT_EQ(std::distance(fs::directory_iterator(s.folder().path()), {}), files);
}

TEST(ImportCommand, MenuItemInBothLanguagesAndGreyedWhileAnExamIsUnderWay) {
    Started s(FolderSetup{{English}});
    ASSERT_TRUE(s.started);
    QAction* item = s.window->menuAction(CmdImportBank);
    ASSERT_NE(item, nullptr);
    const QList<QAction*> file = s.window->menu(0)->actions();
    ASSERT_EQ(file.size(), 4);
    EXPECT_EQ(file[1], item);
    EXPECT_EQ(item->text(), q("&Import Official Question Bank..."));
    EXPECT_EQ(item->toolTip().left(33).toStdString(), "Import a question pool downloaded");
    s.window->command(CmdFrench);
    EXPECT_EQ(item->text(), q("&Importer une banque officielle..."));
    EXPECT_EQ(item->toolTip().left(36).toStdString(), "Importer une banque de questions t\u00e9l");
    EXPECT_EQ(file[3]->text(), q("&Quitter"));

    EXPECT_TRUE(item->isEnabled());
    launchManually(s);
    EXPECT_EQ(s.program.Session.Exam.ExamStage, StageDrawn);
    EXPECT_FALSE(item->isEnabled());
    s.window->command(2022);
    EXPECT_EQ(s.program.Session.Exam.ExamStage, StageAnswering);
    EXPECT_FALSE(item->isEnabled());
    // Triggered all the same (a shortcut, a screen reader), it does nothing.
    s.boxes.boxes.clear();
    item->setEnabled(true);
    item->trigger();
    settle();
    EXPECT_TRUE(s.boxes.boxes.empty());
    s.program.Session.Exam.ExamStage = StageOver;
    emit s.window->menu(0)->aboutToShow();
    EXPECT_TRUE(item->isEnabled());
}

// An import killed between its two renames (the English bank new, the
// French one still under its fresh name) is finished by the window's next
// start: both banks are listed and nothing else stays in the folder.
TEST(ImportCommand, AnImportCutShortIsFinishedAtTheNextStart) {
    TempFolder crashed;
    const std::string pool = crashed.write("amat_basic_quest_delim2025.txt", smallPool());
    const pid_t child = ::fork();
    if (child == 0) {
        ImportPorts ports;
        ports.reachedStep = [](PairStep step, int) {
            if (step == PairStep::NewIn) ::_exit(42);
        };
        myImportOfficialBank(pool, crashed.file("program"), "", ports);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 42);
    FolderSetup setup;
    for (const auto& entry : fs::directory_iterator(crashed.file("program")))
        setup.files.emplace_back(pathBytes(entry.path().filename()), fileBytes(entry.path()));
    ASSERT_EQ(setup.files.size(), 4u);  // the English bank, the French one still fresh, the journal, the lock

    Started s(setup);
    ASSERT_TRUE(s.started) << (s.errors().empty() ? "" : s.errors()[0].text);
    EXPECT_TRUE(s.errors().empty());
    EXPECT_EQ(s.banks()->count(), 3);  // both banks and the prompt
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(s.folder().path())) left.push_back(pathBytes(entry.path().filename()));
    std::sort(left.begin(), left.end());
    // Besides the history log the start makes.
    EXPECT_EQ(left, (std::vector<std::string>{"Questions_Basic_EN.txt", "Questions_Basic_FR.txt", "Ulvorane_Log.txt"}));
}

}  // namespace
