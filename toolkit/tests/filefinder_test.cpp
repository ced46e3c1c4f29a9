#include "toolkit/filefinder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

struct LabelCase {
    const char* file;
    const char* label;
};

class FinderLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(FinderLabels, ListsEachFileUnderItsLabel) {
    TempFolder dir;
    dir.write(GetParam().file, "x");
    ErrorRecorder rec;
    int32_t max = 8;
    std::vector<FoundFile> found = myFindFiles(dir.path(), "\\Questions_*.txt", max);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(trimSpaces(found[0].Label), GetParam().label);
    EXPECT_EQ(found[0].Label.size(), 32u);
    EXPECT_EQ(found[0].FullPath, dir.file(GetParam().file));
    EXPECT_TRUE(rec.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, FinderLabels,
    ::testing::Values(LabelCase{"Questions_Study.txt", "Study"},
                      LabelCase{"Questions_ Advanced _.txt", "Advanced"},
                      LabelCase{"Questions_Review.TXT", "Review.TXT"},
                      LabelCase{"Questions_Basic_EN.txt", "Basic_EN"},
                      LabelCase{"Questions_.txt", ""},
                      LabelCase{"Questions_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.txt",
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}),
                         namedBy([](const LabelCase& c) { return c.file; }));

TEST(FinderLabel, PrefixNotFoundSkipsAsManyCharacters) {
    EXPECT_EQ(trimSpaces(finderLabel("DIAGRAMSmain.txt", "Diagrams", ".txt")), "main");
    EXPECT_EQ(trimSpaces(finderLabel("Diagrams.txt", "Diagrams", ".txt")), "");
}

TEST(FindFiles, EmptyFolderAndOtherFilesGiveNothingSilently) {
    TempFolder dir;
    dir.write("Notes.txt", "x");
    dir.write("Questions_x.doc", "x");
    std::filesystem::create_directory(dir.file("Questions_folder.txt"));
    ErrorRecorder rec;
    int32_t max = 8;
    EXPECT_TRUE(myFindFiles(dir.path(), "\\Questions_*.txt", max).empty());
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(FindFiles, MissingFolderGivesNothing) {
    ErrorRecorder rec;
    int32_t max = 4;
    EXPECT_TRUE(myFindFiles("/nonexistent/folder/ulv", "/Diagrams*.txt", max).empty());
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(FindFiles, MoreFilesThanTheMaximumNamesTheFirstThatDidNotFit) {
    TempFolder dir;
    for (int i = 1; i <= 9; ++i) dir.write("Questions_" + std::to_string(i) + ".txt", "x");
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        int32_t max = 8;
        std::vector<FoundFile> found = myFindFiles(dir.path(), "\\Questions_*.txt", max);
        ASSERT_EQ(found.size(), 8u);
        EXPECT_EQ(trimSpaces(found[7].Label), "8");
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, language == 0
                                         ? "myFindFiles, number of files exceeds 8 (Questions_9.txt)"
                                         : "myFindFiles, nombre de fichiers excede 8 (Questions_9.txt)");
    }
}

TEST(FindFiles, FillsTheFirstTwoFieldsOfAProgramsEntries) {
    struct DiagramFileEntry {
        std::string Label;
        std::filesystem::path FullPath;
        int DiagramCount = -1;
    };
    TempFolder dir;
    dir.write("Diagrams_b.txt", "x");
    dir.write("Diagrams_a.txt", "x");
    std::vector<DiagramFileEntry> table(4);
    int32_t max = 4;
    ASSERT_EQ(myFindFiles(dir.path(), "\\Diagrams*.txt", table, max), 2);
    EXPECT_EQ(trimSpaces(table[0].Label), "a");
    EXPECT_EQ(table[1].FullPath, dir.file("Diagrams_b.txt"));
    EXPECT_EQ(table[0].DiagramCount, -1);
}

// A shared folder may hold, under names the programs read, a FIFO (which
// would block its reader), a link to a device (which would never end) or a
// link leading nowhere: those are left out and named in one message, and the
// regular files, a link to one included, are listed as ever.
#ifndef _WIN32  // FIFOs and /dev/zero
TEST(FindFiles, OnlyRegularFilesAreListedAndTheOthersAreNamed) {
    TempFolder dir;
    dir.write("Questions_A.txt", "x");
    std::filesystem::create_symlink(dir.write("elsewhere.dat", "x"), dir.file("Questions_B.txt"));
    ASSERT_EQ(mkfifo(dir.file("Questions_C.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("Questions_D.txt"));
    std::filesystem::create_symlink(dir.file("gone.txt"), dir.file("Questions_E.txt"));
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        int32_t max = 8;
        std::vector<FoundFile> found = myFindFiles(dir.path(), "\\Questions_*.txt", max);
        ASSERT_EQ(found.size(), 2u);
        EXPECT_EQ(found[0].FullPath, dir.file("Questions_A.txt"));
        EXPECT_EQ(found[1].FullPath, dir.file("Questions_B.txt"));
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text,
                  latin1(language == 0 ? "myFindFiles, not regular files (a FIFO, a device, a broken link), left out:"
                                       : "myFindFiles, pas des fichiers ordinaires (FIFO, périphérique, lien brisé), "
                                         "laissés de côté :") +
                      "\r\nQuestions_C.txt\r\nQuestions_D.txt\r\nQuestions_E.txt");
        // Asking only whether the folder holds any file says nothing.
        rec.boxes.clear();
        EXPECT_EQ(myFindFiles(dir.path(), "\\Questions_*.txt", max, false).size(), 2u);
        EXPECT_TRUE(rec.boxes.empty());
    }
}
#endif
