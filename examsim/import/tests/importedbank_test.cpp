#include "examsim/import/importedbank.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "examsim/bank/bankreader.h"
#include "examsim/import/syllabus.h"
#include "examsim/import/tests/isedkit.h"

namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::string bytes;
    int error = 0;
    EXPECT_TRUE(readFileBytes(path, bytes, error)) << pathBytes(path);
    return bytes;
}

TEST(AnswerOrder, IsAPermutationFixedByTheIdAndSpreadOverThePositions) {
    std::array<int, 4> correctAt{};
    int total = 0;
    for (int s = 1; s <= 8; ++s)
        for (int t = 1; t <= 12; ++t)
            for (int n = 1; n <= 11; ++n) {
                const std::string id = isedId(s, t, n);
                const std::array<int, 4> order = importedAnswerOrder(id);
                std::array<int, 4> sorted = order;
                std::sort(sorted.begin(), sorted.end());
                ASSERT_EQ(sorted, (std::array<int, 4>{0, 1, 2, 3})) << id;
                EXPECT_EQ(importedAnswerOrder(id), order);
                ++correctAt[std::find(order.begin(), order.end(), 0) - order.begin()];
                ++total;
            }
    for (int k = 0; k < 4; ++k) {
        EXPECT_GT(correctAt[k], total * 20 / 100) << "position " << k + 1;
        EXPECT_LT(correctAt[k], total * 30 / 100) << "position " << k + 1;
    }
}

struct TitleCase {
    char letter;
    int language;
    std::string title;
};

TEST(BankTitles, NameQualificationEditionAndLanguageWithinTheLogsWidth) {
    const std::vector<TitleCase> cases{
        {'B', 0, "Basic 2025 English"},
        {'B', 1, latin1("Base 2025 français")},
        {'A', 0, "Advanced 2025 English"},
        {'A', 1, latin1("Supérieure 2025 français")},
    };
    std::set<std::string> seen;
    for (const TitleCase& c : cases) {
        const std::string title = importedBankTitle(c.letter, "2025", c.language);
        EXPECT_EQ(title, c.title);
        EXPECT_LE(title.size(), BankTitleWidth) << title;
        seen.insert(fixedWidth(title, BankTitleWidth));
    }
    EXPECT_EQ(seen.size(), cases.size());
    // The log finds a bank by the beginning of its title: no title may begin another.
    for (const TitleCase& a : cases)
        for (const TitleCase& b : cases)
            if (a.title != b.title) {
                EXPECT_NE(b.title.rfind(a.title, 0), 0u) << a.title << " / " << b.title;
            }
}

TEST(SectionTitles, CoverBothSyllabusesInBothLanguagesWithinTheLessonWidth) {
    for (auto [letter, sections] : {std::pair{'B', 8}, std::pair{'A', 7}}) {
        std::set<std::string> titles;
        for (int s = 1; s <= sections; ++s)
            for (int language : {0, 1}) {
                const std::string title = sectionTitle(letter, s, language);
                EXPECT_LE(title.size(), LessonTitleWidth);
                EXPECT_EQ(title.rfind("Section", 0), std::string::npos) << letter << s;
                titles.insert(title);
            }
        EXPECT_EQ(titles.size(), static_cast<size_t>(2 * sections)) << letter;
        EXPECT_EQ(sectionTitle(letter, sections + 1, 1), "Section " + std::to_string(sections + 1));
    }
    EXPECT_EQ(sectionLessonId('B', 8), "B008");
    EXPECT_EQ(sectionTitle('A', 5, 1), latin1("Émetteurs, modulation et traitement du signal"));
}

// A pool of three sections written and read back with the simulator's reader.
class WrittenBanks : public ::testing::Test {
protected:
    void write(const std::vector<std::string>& idList, const std::string& name = "") {
        std::vector<std::string> lines{IsedHeader};
        for (const std::string& id : idList) lines.push_back(isedRow(id));
        source = dir.write("amat_quest_delim2025.txt", crlf(lines));
        ASSERT_TRUE(myImportQuestionBank(source, dir.file("out"), name, paths)) << rec.lastText();
    }
    void read(int language, BankModel& bank) {
        std::string unused;
        ASSERT_EQ(myReadQuestionBank(bank, paths[language], FullRead, unused), 1) << rec.lastText();
    }

    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    std::string source;
    std::array<std::filesystem::path, 2> paths;
};

const std::vector<std::string> SmallPool{"B-003-001-002", "B-001-001-001", "B-001-001-002", "B-001-002-001",
                                         "B-003-001-001", "B-005-004-015"};

TEST_F(WrittenBanks, ReadBackWithEveryQuestionUnderItsSectionAndTheRightAnswer) {
    write(SmallPool);
    EXPECT_EQ(pathBytes(paths[0]), dir.file("out") + Slash + "Questions_Basic_EN.txt");
    EXPECT_EQ(pathBytes(paths[1]), dir.file("out") + Slash + "Questions_Basic_FR.txt");
    BankModel banks[2];
    for (int language : {0, 1}) {
        BankModel& bank = banks[language];
        read(language, bank);
        const char* tag = language ? "fr" : "en";
        EXPECT_EQ(bank.CurrentBankTitle, importedBankTitle('B', "2025", language));
        EXPECT_EQ(bank.QuestionsExpected, 100);
        EXPECT_EQ(bank.PassMarkPercent, 70);
        ASSERT_EQ(bank.QuestionCount, 6);
        EXPECT_EQ(bank.TopicCount, 4);
        ASSERT_EQ(bank.LessonCount, 3);
        const int sections[] = {1, 3, 5};
        for (int l = 1; l <= 3; ++l) {
            EXPECT_EQ(trimSpaces(bank.Lessons[l].LessonId), sectionLessonId('B', sections[l - 1]));
            EXPECT_EQ(trimSpaces(bank.Lessons[l].LessonTitle), sectionTitle('B', sections[l - 1], language));
        }
        EXPECT_EQ(bank.Lessons[1].LessonQuestionCount, 3);
        EXPECT_EQ(bank.Lessons[2].LessonQuestionCount, 2);
        EXPECT_EQ(bank.Lessons[3].LessonQuestionCount, 1);
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            const std::string id = trimSpaces(bank.Designation[q]);
            EXPECT_EQ(bank.QuestionText[q], std::string("question ") + tag + " " + id);
            const int expected = bank.ExpectedAnswer[q][0] - '0';
            EXPECT_EQ(bank.Answers[q][expected], std::to_string(expected) + ". right " + tag + " " + id);
            EXPECT_EQ(slotOf(bank, q).LessonNo, bank.Designation[q].substr(0, 5) == "B-001" ? 1
                                                : bank.Designation[q].substr(0, 5) == "B-003" ? 2
                                                                                              : 3);
        }
        EXPECT_EQ(trimSpaces(bank.Designation[1]), "B-001-001-001");  // designation order
        EXPECT_EQ(trimSpaces(bank.Designation[6]), "B-005-004-015");
    }
    // Both languages show the answers in one order.
    for (int q = 1; q <= 6; ++q) {
        EXPECT_EQ(banks[0].Designation[q], banks[1].Designation[q]);
        EXPECT_EQ(banks[0].ExpectedAnswer[q], banks[1].ExpectedAnswer[q]);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(replaceAll(banks[0].Answers[q][k], " en ", " "), replaceAll(banks[1].Answers[q][k], " fr ", " "));
    }
}

TEST_F(WrittenBanks, FilesAreLatin1WithCrLfAndTheSameEveryTime) {
    const std::string accented = replaceAll(isedRow("A-001-001-001"), "right fr", "r\xC3\xA9ponse");
    dir.write("amat_adv_quest_delim2025.txt", crlf({IsedHeader, accented, isedRow("A-001-001-002")}));
    ASSERT_TRUE(myImportQuestionBank(dir.file("amat_adv_quest_delim2025.txt"), dir.file("out"), "", paths));
    EXPECT_EQ(std::filesystem::path(paths[1]).filename(), "Questions_Advanced_FR.txt");
    const std::string english = readBytes(paths[0]);
    const std::string french = readBytes(paths[1]);
    EXPECT_NE(french.find("r\xE9ponse A-001-001-001"), std::string::npos);
    EXPECT_FALSE(isValidUtf8(french));
    EXPECT_EQ(french.find("\xC3"), std::string::npos);
    for (const std::string* bytes : {&english, &french}) {
        EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), std::count(bytes->begin(), bytes->end(), '\r'));
        EXPECT_EQ(bytes->find("\n\r"), bytes->find("\n\r\n"));  // every CR belongs to a CR LF
        EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
    }
    EXPECT_NE(english.find("\r\n^Advanced 2025 English^50^70^\r\n"), std::string::npos);
    BankModel bank;
    read(1, bank);
    EXPECT_EQ(bank.QuestionsExpected, 50);

    // Importing again writes the same bytes over the earlier banks.
    ASSERT_TRUE(myImportQuestionBank(dir.file("amat_adv_quest_delim2025.txt"), dir.file("out"), "", paths));
    EXPECT_EQ(readBytes(paths[0]), english);
    EXPECT_EQ(readBytes(paths[1]), french);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("out")), {}), 2);
}

// "Ë©" in Latin-1 is the two bytes of U+02E9 in UTF-8: a bank whose only
// accents read that way would be taken for UTF-8 and refused. It reads back
// as written.
TEST_F(WrittenBanks, ALatin1BankThatLooksLikeUtf8ReadsBackAsWritten) {
    const std::string row =
        replaceAll(isedRow("B-001-001-001"), "right en", "\xC3\x8B\xC2\xA9 right");
    dir.write("amat_basic_quest_delim2025.txt", crlf({IsedHeader, row}));
    const std::string source = dir.file("amat_basic_quest_delim2025.txt");
    ASSERT_TRUE(myImportQuestionBank(source, dir.file("out"), "", paths)) << rec.lastText();
    BankModel bank;
    read(0, bank);
    ASSERT_EQ(bank.QuestionCount, 1);
    int found = 0;
    for (int a = 1; a <= 4; ++a)
        found += bank.Answers[1][a].find(". \xCB\xA9 right B-001-001-001") != std::string::npos;
    EXPECT_EQ(found, 1);
}

TEST_F(WrittenBanks, NameChoosesTheFileNames) {
    write(SmallPool, "Basic-2025");
    EXPECT_EQ(pathBytes(paths[0]), dir.file("out") + Slash + "Questions_Basic-2025_EN.txt");
    EXPECT_TRUE(std::filesystem::exists(paths[1]));
}

TEST_F(WrittenBanks, AtEveryLimitOfTheModelTheBankStillReads) {
    // 20 sections, 100 topics, 1050 questions, question number 15 in use.
    std::vector<std::string> idList;
    for (int t = 0; t < 100; ++t)
        for (int n = 1; n <= (t < 50 ? 11 : 10); ++n) {
            idList.push_back(isedId(t % 20 + 1, t / 20 + 1, n == 11 ? 15 : n));
        }
    write(idList);
    BankModel bank;
    read(0, bank);
    EXPECT_EQ(bank.QuestionCount, MaxQuestions);
    EXPECT_EQ(bank.TopicCount, MaxTopics);
    EXPECT_EQ(bank.LessonCount, MaxLessons);
    EXPECT_EQ(trimSpaces(bank.Lessons[20].LessonTitle), "Section 20");
}

TEST(WriteFailure, IsReportedAndLeavesNoPartialFile) {
    ErrorRecorder rec;
    TempFolder dir;
    const std::string source = dir.write("amat_basic_quest_delim2025.txt", crlf({IsedHeader, isedRow("B-001-001-001")}));
    // The French bank's name is taken by a folder, so its rename must fail.
    std::filesystem::create_directories(dir.file("Questions_Basic_FR.txt/inside"));
    std::array<std::filesystem::path, 2> paths;
    EXPECT_FALSE(myImportQuestionBank(source, dir.path(), "", paths));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text.rfind("myWriteImportedBanks, cannot write file " + dir.file("Questions_Basic_FR.txt") +
                                          " err=",
                                      0),
              0u)
        << rec.boxes[0].text;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();

    // A folder that cannot be made.
    EXPECT_FALSE(myImportQuestionBank(source, source + "/sub", "", paths));
    EXPECT_EQ(rec.lastText().rfind("myWriteImportedBanks, cannot create folder " + source + "/sub err=", 0), 0u)
        << rec.lastText();
}

}  // namespace
