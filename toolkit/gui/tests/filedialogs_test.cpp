#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "toolkit/gui/filedialogs.h"
#include "toolkit/gui/qttranslations.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/tempfolder.h"

namespace {
const std::string TextFilter = "Text Files|*.txt|All Files|*.*";
}

struct FilterCase {
    const char* what;
    std::string filter;
    std::string name;
    std::string defaultExt;
    int index;
    std::string reordered;
};
class SaveFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(SaveFilterTest, PreselectsThePairOfTheExtension) {
    const FilterCase c = GetParam();
    const SaveFilterChoice choice = saveFilterChoice(c.filter, c.name, c.defaultExt);
    EXPECT_EQ(choice.Index, c.index);
    EXPECT_EQ(choice.Filter, c.reordered);
}
INSTANTIATE_TEST_SUITE_P(
    Table, SaveFilterTest,
    ::testing::Values(FilterCase{"UpperCaseExtension", TextFilter, "Notes.TXT", "", 1, TextFilter},
                      FilterCase{"OtherExtension", TextFilter, "Notes.bak", "", 2, TextFilter},
                      FilterCase{"DefaultExtensionWithDots", TextFilter, "", "..txt", 1, TextFilter},
                      // A dot in a folder name is no extension: ".*" matches "*.*".
                      FilterCase{"DotInFolderName", TextFilter, "C:\\my.dir\\Notes", "", 2, TextFilter},
                      FilterCase{"SecondPatternFirst", "Logs (*.txt,*.log)|*.txt;*.log|All Files|*.*", "Ulvorane_Log.LOG",
                                 "txt", 1, "Logs (*.log,*.txt)|*.log;*.txt|All Files|*.*"},
                      FilterCase{"FilterWithoutPatterns", "Text Files|*.txt|All Files", "a.txt", "", 0,
                                 "Text Files|*.txt|All Files"},
                      FilterCase{"NoFilter", "", "a.txt", "", 0, ""}),
                         namedBy([](const FilterCase& c) { return c.what; }));

TEST(FileDialogs, FilterPairsEndAtTheFirstEmptyField) {
    const auto pairs = filterPairs("A|*.a|B|*.b;*.c||ignored|x");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[1].Patterns, "*.b;*.c");
    EXPECT_EQ(qtNameFilters("Logs (*.txt,*.log)|*.txt;*.log|All Files|*.*"),
              (std::vector<std::string>{"Logs (*.txt *.log)", "All Files (*.*)"}));
}

TEST(FileDialogs, SaveDialogShowsThePreselectedFilterAndReturnsTheChoice) {
    TempFolder dir;
    BoxAnswers answers;
    QString selectedFilter;
    answers.answerWith([&](const ModalRequest& r) -> std::optional<int> {
        auto* dialog = qobject_cast<QFileDialog*>(r.Dialog);
        selectedFilter = dialog->selectedNameFilter();
        dialog->selectFile(QString::fromStdString(dir.file("Chosen.bak")));
        return QDialog::Accepted;
    });
    std::filesystem::path name = "Notes.bak";
    unsigned flags = OfnOverwritePrompt;
    ASSERT_NE(mySaveFileDialog(nullptr, "Save", name, dir.file(""), TextFilter, "txt", flags), 0);
    EXPECT_EQ(selectedFilter, QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(pathBytes(name), dir.file("Chosen.bak"));
    EXPECT_EQ(flags, OfnOverwritePrompt | OfnExtensionDifferent);

    answers.answer(QDialog::Rejected);
    name = "Notes.txt";
    flags = OfnOverwritePrompt;
    EXPECT_EQ(mySaveFileDialog(nullptr, "Save", name, "", TextFilter, "txt", flags), 0);
    EXPECT_EQ(pathBytes(name), "");
    EXPECT_EQ(flags, 0u);
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[1].kind, ModalKind::SaveFile);
}

// A downloaded pool's long name, its size, type and date all show whole.
TEST(FileDialogs, OpenDialogShowsEveryColumnWhole) {
    TempFolder dir;
    dir.write("amat_basic_quest_delim2025 downloaded again.zip", std::string(200000, 'x'));
    BoxAnswers answers;
    answers.answerWith([&](const ModalRequest& r) -> std::optional<int> {
        auto* dialog = qobject_cast<QFileDialog*>(r.Dialog);
        dialog->show();
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        EXPECT_NE(list, nullptr);
        if (!list) return QDialog::Rejected;
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 1; }));
        QTest::qWait(50);
        // Name (after its icon), size, type and date: each text fits its column.
        const QModelIndex row = list->model()->index(0, 0, list->rootIndex());
        for (int c = 0; c < list->header()->count(); ++c) {
            const QString text = row.siblingAtColumn(c).data().toString();
            const int icon = c == 0 ? list->iconSize().width() + 4 : 0;
            EXPECT_GE(list->columnWidth(c), list->fontMetrics().horizontalAdvance(text) + icon + 6) << text.toStdString();
        }
        EXPECT_LE(list->header()->length(), list->viewport()->width());
        return QDialog::Rejected;
    });
    std::filesystem::path name;
    unsigned flags = OfnFileMustExist;
    EXPECT_EQ(myOpenFileDialog(nullptr, "Open", name, dir.file(""), "Pools|*.zip", "zip", flags), 0);
    EXPECT_EQ(answers.boxes.size(), 1u);
}

TEST(FileDialogs, OpenDialogMultipleSelectionKeepsNulSeparators) {
    TempFolder dir;
    dir.write("a.txt", "1");
    dir.write("b.txt", "2");
    BoxAnswers answers;
    answers.answerWith([&](const ModalRequest& r) -> std::optional<int> {
        auto* dialog = qobject_cast<QFileDialog*>(r.Dialog);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->selectFile("\"a.txt\" \"b.txt\"");
        return QDialog::Accepted;
    });
    std::filesystem::path name;
    unsigned flags = OfnAllowMultiSelect | OfnFileMustExist;
    ASSERT_NE(myOpenFileDialog(nullptr, "Open", name, dir.file(""), TextFilter, "", flags), 0);
    std::string folder = dir.file("");
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    EXPECT_EQ(pathBytes(name), folder + std::string("\0a.txt\0b.txt", 12));

    answers.answer(QDialog::Rejected);
    name = "kept.txt";
    EXPECT_EQ(myOpenFileDialog(nullptr, "Open", name, dir.file(""), TextFilter, "", flags), 0);
    EXPECT_EQ(pathBytes(name), "kept.txt");
}

// Qt's own texts of the dialog (its labels and buttons) follow the interface
// language, and go back to English with it.
TEST(FileDialogs, QtsOwnTextsFollowTheInterfaceLanguage) {
    TempFolder dir;
    struct Seen {
        int language;
        QString lookIn, fileName, open;
    };
    std::vector<Seen> seen;
    for (int language : {1, 0, 1}) {
        ASSERT_TRUE(followInterfaceLanguageInQt(language)) << "no French translation of Qt installed";
        BoxAnswers answers;
        answers.answerWith([&](const ModalRequest& r) -> std::optional<int> {
            auto* dialog = qobject_cast<QFileDialog*>(r.Dialog);
            auto* lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"));
            auto* fileName = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            EXPECT_TRUE(lookIn && fileName && buttons);
            if (lookIn && fileName && buttons)
                seen.push_back({language, lookIn->text(), fileName->text(),
                                buttons->button(QDialogButtonBox::Open)->text()});
            return QDialog::Rejected;
        });
        std::filesystem::path name;
        unsigned flags = OfnFileMustExist;
        myOpenFileDialog(nullptr, "Open", name, dir.file(""), "Pools|*.zip", "zip", flags);
    }
    followInterfaceLanguageInQt(0);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].lookIn, QStringLiteral("Look in:"));
    EXPECT_EQ(seen[1].fileName, QStringLiteral("File &name:"));
    EXPECT_EQ(seen[1].open, QStringLiteral("&Open"));
    for (const Seen& french : {seen[0], seen[2]}) {
        EXPECT_EQ(french.lookIn, QStringLiteral("Voir dans :")) << french.lookIn.toStdString();
        EXPECT_NE(french.fileName, seen[1].fileName);
        EXPECT_NE(french.open, seen[1].open);
    }
}
