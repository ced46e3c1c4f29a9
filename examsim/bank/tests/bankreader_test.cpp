#include "examsim/bank/bankreader.h"

#include <gtest/gtest.h>

#include "examsim/bank/tests/bankfixture.h"
#include "toolkit/masks.h"
#include "toolkit/tests/casenames.h"

namespace {

struct Malformed {
    const char* name;
    int language;
    std::vector<std::string> lines;
    const char* message;
};

std::vector<std::string> lessons(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i) out.push_back("{L" + std::to_string(i) + "} Lesson " + std::to_string(i));
    return out;
}

std::vector<std::string> topics(int count) {
    std::vector<std::string> out;
    for (int t = 1; t <= count; ++t) append(out, question("B-001-" + std::to_string(t) + "-1"));
    return out;
}

std::vector<std::string> questions(int count) {
    std::vector<std::string> out;
    for (int q = 0; q < count; ++q)
        out.push_back("B-" + std::to_string(q / 1500 + 1) + "-" + std::to_string(q / 15 % 100 + 1) + "-" +
                      std::to_string(q % 15 + 1) + " (1) Q");
    return out;
}

std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
    append(a, b);
    return a;
}

class ReaderMessage : public ::testing::TestWithParam<Malformed> {};

TEST_P(ReaderMessage, StopsAtTheFirstErrorWithItsMessage) {
    const Malformed& c = GetParam();
    ErrorRecorder rec(c.language);
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    std::string path = dir.write("Questions_T.txt", crlf(c.lines));
    EXPECT_EQ(myReadQuestionBank(model, path, FullRead, title), 0);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, latin1(c.message));
    EXPECT_TRUE(ports.infos.empty());
    EXPECT_EQ(ports.waits, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ReaderMessage,
    ::testing::Values(
        Malformed{"NoSpaceInDesignationRange", 0, {"B-001-002-0031 (1) Q"},
                  "myParseQuestionRecord, invalid question designation at B-001-002-0031 (1) Q..."},
        Malformed{"NoSpaceInDesignationRangeFr", 1, {"B-1-2-3"},
                  "myParseQuestionRecord, question mal numérotée à B-1-2-3..."},
        Malformed{"Misplaced", 0, {"B-1-2-3 xxxxxxx (1) Q"},
                  "myParseQuestionRecord, expected answer seems misplaced at B-1-2-3 xxxxxxx (1) Q..."},
        Malformed{"MisplacedFr", 1, {"B-001-002-003 Q"},
                  "myParseQuestionRecord, réponse attendue semble mal positionnée à B-001-002-003 Q..."},
        Malformed{"TooLong", 0, {"B-001-002-003 (12) Q"},
                  "myParseQuestionRecord, expected answer too long at B-001-002-003 (12) Q..."},
        Malformed{"EmptyIsTooLong", 1, {"B-001-002-003 () Q"},
                  "myParseQuestionRecord, réponse attendue trop longue à B-001-002-003 () Q..."},
        Malformed{"Unacceptable", 0, {"B-001-002-003 (5) Q"},
                  "myParseQuestionRecord, expected answer unacceptable at B-001-002-003 (5) Q..."},
        Malformed{"UnacceptableFr", 1, {"B-001-002-003 (0) Q"},
                  "myParseQuestionRecord, réponse attendue inacceptable à B-001-002-003 (0) Q..."},
        Malformed{"LowerCaseWithUpperLabels", 0, {"^T^^^A)", "B-001-002-003 (a) Q"},
                  "myParseQuestionRecord, expected answer unacceptable at B-001-002-003 (a) Q..."},
        Malformed{"EWithLettersAToD", 0, {"^T^^^A)", "B-001-002-003 (E) Q"},
                  "myParseQuestionRecord, expected answer unacceptable at B-001-002-003 (E) Q..."},
        Malformed{"MissingAnswers", 0, {"B-1-1-1 (1) First", "1. a", "2. b", "3. c", "B-1-1-2 (1) Second question of the topic"},
                  "myReadQuestionBank, failed at B-1-1-2 (1) Second question of...\r\n previous question seems to miss answer(s)"},
        Malformed{"MissingAnswersFr", 1, {"1. a", "B-1-1-2 (1) Q"},
                  "myReadQuestionBank, faute signalée à B-1-1-2 (1) Q...\r\n réponses à la question PRÉCÉDENTE semblent manquantes"},
        Malformed{"TwentyFirstLesson", 0, join(lessons(20), {"{XYZ12} Too many"}),
                  "myReadQuestionBank, Lesson = XYZ12\r\n exceeds array size of 20"},
        Malformed{"TwentyFirstLessonFr", 1, join(lessons(20), {"{L21} Trop"}),
                  "myReadQuestionBank, Leçon = L21\r\n dépasse le tableau limité à 20"},
        Malformed{"HundredAndFirstTopic", 0, join(topics(100), question("C-1-1-1")),
                  "myRegisterQuestion, TopicNo = C-001-001\r\n exceeds array size of 100"},
        Malformed{"SixteenWithinTopic", 1, question("B-1-2-16"),
                  "myRegisterQuestion, TopicNo = B-001-002\r\n NbrWithinTopic 16 dépasse le tableau limité à 15"},
        Malformed{"Duplicate", 0, join(question("B-001-002-003"), question("B-1-2-3")),
                  "myRegisterQuestion, QuestionNo = B-001-002-003 is a DUPLICATE question"},
        Malformed{"QuestionTenFiftyOne", 0, join(questions(1050), {"Z-9-9-9 (1) One too many"}),
                  "myReadQuestionBank, failed at Z-9-9-9 (1) One too many...\r\n exceeds array size of 1050"},
        Malformed{"QuestionTenFiftyOneFr", 1, join(questions(1050), {"Z-9-9-9 (1) Une de trop"}),
                  "myReadQuestionBank, faute signalée à Z-9-9-9 (1) Une de trop...\r\n tableau limité à 1050"},
        Malformed{"Unidentified", 0, {"' comment", "", "Hello there, this line is not a record at all"},
                  "myReadQuestionBank, unidentified record, line 3 \r\n Hello there, this line is not "},
        Malformed{"UnidentifiedFr", 1, {"B-1-1-1 (1) Q", "xyz"},
                  "myReadQuestionBank, enregistrement inconnu, ligne 2 \r\n xyz"},
        Malformed{"NumberZero", 0, question("B-1-2-0"),
                  "myRegisterQuestion, QuestionNo = B-001-002-000 number within topic must be 1 to 15"},
        Malformed{"FirstFieldTooLong", 0, question("BB-1-2-3"),
                  "myParseQuestionNo, question designation BB-1-2-3 is longer than 13 characters once written as BB-001-002-003"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadQuestionBank, MissingFileNamesPathAndError) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    const std::string path = dir.file("Questions_None.txt");
    EXPECT_EQ(myReadQuestionBank(model, path, FullRead, title), 0);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "myReadQuestionBank, cannot open file \r\n err=2 " + errorText(2) + " \r\n " + path);
    EXPECT_EQ(ports.waits, 0);
}

TEST(ReadQuestionBank, FullReadFillsTheModel) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    std::vector<std::string> lines = {"' bank", "^ Sample title ^ 40 ^ 80 ^", "  \tB-1-1-2 (3) Second first  "};
    append(lines, {"4. d", "1. a", "2. b", "3. c  ", ">  Because.", "{L1} Lesson one", "{L2}   Lesson two"});
    append(lines, question("B-002-001-001", "4", "Another"));
    append(lines, {"> first", "> replaced"});
    BankModel model;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_A.txt", crlf(lines)), FullRead, title), 1);
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(model.CurrentBankTitle, "Sample title");
    EXPECT_EQ(model.QuestionsExpected, 40);
    EXPECT_EQ(model.PassMarkPercent, 80);
    EXPECT_EQ(model.QuestionCount, 2);
    EXPECT_EQ(model.Designation[1], "B-001-001-002");
    EXPECT_EQ(model.ExpectedAnswer[1], "3");
    EXPECT_EQ(model.QuestionText[1], "Second first");
    EXPECT_EQ(model.Answers[1][1], "1. a");
    EXPECT_EQ(model.Answers[1][3], "3. c");
    EXPECT_EQ(model.Answers[1][4], "4. d");
    EXPECT_EQ(model.Explanation[1], "Because.");
    EXPECT_EQ(model.Explanation[2], "replaced");
    EXPECT_EQ(model.QuestionRef[1], 1 * 16 + 2);
    EXPECT_EQ(model.QuestionRef[2], 2 * 16 + 1);
    EXPECT_EQ(model.LessonCount, 2);
    EXPECT_EQ(model.Lessons[2].LessonTitle, fixedWidth("Lesson two", 80));
    EXPECT_EQ(model.Lessons[0].LessonQuestionCount, 1);
    EXPECT_EQ(model.Lessons[2].LessonQuestionCount, 1);
    EXPECT_EQ(model.Topics[2].Question[1].LessonNo, 2);
    EXPECT_EQ(model.ReadStats[0].Count, 2);
    EXPECT_EQ(model.ReadStats[2].Count, 3);
    EXPECT_EQ(model.ReadStats[0].LongestAt, "B-002-001-001");
    ASSERT_EQ(ports.infos.size(), 1u);
    EXPECT_EQ(ports.infoTitles[0], "Ulvorane - Info");
    EXPECT_TRUE(ports.plains.empty());
    EXPECT_EQ(ports.waits, 0);
}

TEST(ReadQuestionBank, StatisticsTextInBothLanguagesAndLayouts) {
    TempFolder dir;
    std::vector<std::string> lines = question("B-1-1-1", "1", "Short");
    append(lines, {"> why"});
    append(lines, question("B-1-1-2", "2", "A longer question"));
    const std::string path = dir.write("Questions_S.txt", crlf(lines));
    const std::string folder = dir.path() + Slash;
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        PortRecorder ports;
        BankModel model;
        std::string title;
        ASSERT_EQ(myReadQuestionBank(model, path, FullRead, title), 1);
        ASSERT_EQ(ports.infos.size(), 1u);
        ASSERT_EQ(ports.plains.size(), 1u);
        if (language == 0) {
            EXPECT_EQ(ports.infos[0],
                      "Question Bank read = Questions_S.txt\r\nFrom folder " + folder +
                          "\r\n\r\nQuestions Read = 2\r\n"
                          "Answers Read = 8     (2 times 4 =  8)\r\nExplanations Read = 1\r\n\r\n"
                          "Longest question      at B-001-001-002    size 29\r\n"
                          "Longest answer        at B-001-001-001    size 8\r\n"
                          "Longest explanation at B-001-001-001    size 5");
            EXPECT_EQ(ports.plains[0], "Missing explanations ( max 12 )\r\n\r\nB-001-001-002");
        } else {
            EXPECT_EQ(ports.infos[0],
                      latin1("Banque lue = Questions_S.txt\r\nDu dossier " + folder +
                             "\r\n\r\nQuestions lues = 2\r\n"
                             "Réponses lues = 8     (2 fois 4 =  8)\r\nExplications lues = 1\r\n\r\n"
                             "Plus longue question  : B-001-001-002    longueur 29\r\n"
                             "Plus longue réponse   : B-001-001-001    longueur 8\r\n"
                             "Plus longue explication: B-001-001-001    longueur 5"));
            EXPECT_EQ(ports.plains[0], "Explications manquantes ( max 12 )\r\n\r\nB-001-001-002");
        }
    }
    ErrorRecorder rec;
    PortRecorder ports;
    bankPorts().SimplifiedLayout = true;
    BankModel model;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, path, FullRead, title), 1);
    EXPECT_EQ(ports.infos.at(0), "Question Bank read = Questions_S.txt\r\nFrom folder " + folder +
                                     "\r\n\r\nQuestions Read = 2\r\n");
}

TEST(ReadQuestionBank, MissingExplanationsListsFirstTwelveInFileOrder) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    std::vector<std::string> lines;
    std::string expected = "Missing explanations ( max 12 )\r\n";
    for (int q = 1; q <= 40; ++q) {
        append(lines, question("B-1-" + std::to_string((q - 1) / 4 + 1) + "-" + std::to_string((q - 1) % 4 + 1)));
        if (q % 2 == 0) {
            lines.push_back("> explained");
        } else if (q <= 23) {
            expected += "\r\n" + fixedWidth("B-001-" + formatNumber((q - 1) / 4 + 1, "000") + "-" +
                                                 formatNumber((q - 1) % 4 + 1, "000"),
                                             13);
        }
    }
    BankModel model;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_M.txt", crlf(lines)), FullRead, title), 1);
    ASSERT_EQ(ports.plains.size(), 1u);
    EXPECT_EQ(ports.plains[0], expected);
}

struct EdgeCase {
    const char* name;
    std::vector<std::string> lines;
    int questions;
    int expectedQuestions;
    int passMark;
    bool plainBox;
};

class ReaderEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ReaderEdge, ReadsToTheEnd) {
    const EdgeCase& c = GetParam();
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    model.QuestionsExpected = 60;
    model.PassMarkPercent = 65;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_E.txt", crlf(c.lines)), FullRead, title), 1)
        << rec.lastText();
    EXPECT_EQ(model.QuestionCount, c.questions);
    EXPECT_EQ(model.QuestionsExpected, c.expectedQuestions);
    EXPECT_EQ(model.PassMarkPercent, c.passMark);
    EXPECT_EQ(ports.plains.size(), c.plainBox ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReaderEdge,
    ::testing::Values(
        EdgeCase{"HeaderOnly", {"^Only a header^100^70^"}, 0, 100, 70, false},
        EdgeCase{"PassMark45AndZeroExpectedKept", {"^T^0^45^"}, 0, 60, 65, false},
        EdgeCase{"OutOfRangeHigh", {"^T^101^101^"}, 0, 60, 65, false},
        EdgeCase{"LowestPassMarkAndOneQuestionTaken", {"^T^1^50^"}, 0, 1, 50, false},
        EdgeCase{"HighestPassMarkTaken", {"^T^100^100^"}, 0, 100, 100, false},
        EdgeCase{"NoExplanationsNoList", join(question("B-1-1-1"), question("B-1-1-2")), 2, 60, 65, false},
        EdgeCase{"EveryQuestionExplainedNoList",
                 join(join(question("B-1-1-1"), {"> first"}), join(question("B-1-1-2"), {"> second"})), 2, 60, 65,
                 false},
        EdgeCase{"QuestionWithoutAnswers", {"B-1-1-1 (1) Q", "B-1-1-2 (2) R"}, 2, 60, 65, false},
        EdgeCase{"FourAnswersBeforeFirstQuestion", join({"1. a", "2. b", "3. c", "4. d"}, question("B-1-1-1")), 1, 60,
                 65, false},
        EdgeCase{"LastQuestionNotChecked", {"B-1-1-1 (1) Q", "1. only one"}, 1, 60, 65, false},
        EdgeCase{"LoneLineFeedsAndNoFinalEnd", {"B-1-1-1 (1) Q\n1. a\n2. b\n3. c\n4. d"}, 1, 60, 65, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadQuestionBank, LetterLabelsFromTheHeader) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    std::vector<std::string> lines = {"^Letters^^^A)", "B-1-1-1 (B) Which?", "B) Yes", "A) No", "C) Maybe", "D) Never"};
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_L.txt", crlf(lines)), FullRead, title), 1);
    EXPECT_EQ(model.ExpectedAnswer[1], "2");
    EXPECT_EQ(model.Answers[1][1], "A) No");
    EXPECT_EQ(model.Answers[1][2], "B) Yes");
    EXPECT_EQ(model.AnswerLabels[5].AnswerPrefix, "E)");
}

TEST(ReadQuestionBank, FullReadClearsTheLessonRestriction) {
    ErrorRecorder rec;
    PortRecorder ports;
    std::vector<bool> checks;
    bankPorts().lessonMenuCheck = [&](bool on) { checks.push_back(on); };
    TempFolder dir;
    BankModel model;
    model.QuestionsPerTopic = 3;
    model.LessonChoice[0] = 2;
    model.LessonChoiceInForce[1] = 1;
    model.Lessons[1].LessonSelected = 1;
    model.LessonMenuChecked = true;
    std::string title;
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_R.txt", crlf(question("B-1-1-1"))), FullRead, title), 1);
    EXPECT_EQ(model.QuestionsPerTopic, 0);
    EXPECT_EQ(model.LessonChoice, std::string(21, '\0'));
    EXPECT_EQ(model.LessonChoiceInForce, std::string(21, '\0'));
    EXPECT_EQ(model.Lessons[1].LessonSelected, 0);
    EXPECT_FALSE(model.LessonMenuChecked);
    EXPECT_EQ(checks, std::vector<bool>{false});
}

struct HeaderPassCase {
    const char* name;
    std::vector<std::string> lines;
    const char* title;
};

class HeaderPassTitle : public ::testing::TestWithParam<HeaderPassCase> {};

TEST_P(HeaderPassTitle, LeavesTheModelAlone) {
    const HeaderPassCase& c = GetParam();
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    model.QuestionCount = 7;
    std::string title = "stale";
    ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_H.txt", crlf(c.lines)), HeaderPass, title), 1);
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(model.QuestionCount, 7);
    EXPECT_EQ(model.TopicCount, 0);
    EXPECT_TRUE(ports.infos.empty());
    EXPECT_TRUE(rec.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderPassTitle,
    ::testing::Values(HeaderPassCase{"First", {"^  My bank  ^50^", "garbage after the header"}, "My bank"},
                      HeaderPassCase{"NotFirst", join(question("B-1-1-1"), {"^Later^"}), "Later"},
                      HeaderPassCase{"None", question("B-1-1-1"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadQuestionBank, HeaderPassStillReportsErrorsBeforeTheHeader) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    EXPECT_EQ(myReadQuestionBank(model, dir.write("Questions_X.txt", crlf({"oops", "^T^"})), HeaderPass, title), 0);
    EXPECT_EQ(rec.lastText(), "myReadQuestionBank, unidentified record, line 1 \r\n oops");
}

TEST(ReadQuestionBank, Utf8FilesAreReadAsLatin1) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    const std::string utf8 = "^Banque ÉtÉ^^^\r\nB-1-1-1 (1) Quelle fréquence?\r\n> Réponse à côté\r\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, latin1(utf8)}) {
        BankModel model;
        std::string title;
        ASSERT_EQ(myReadQuestionBank(model, dir.write("Questions_U.txt", bytes), FullRead, title), 1);
        EXPECT_EQ(model.CurrentBankTitle, latin1("Banque ÉtÉ"));
        EXPECT_EQ(model.QuestionText[1], latin1("Quelle fréquence?"));
        EXPECT_EQ(model.Explanation[1], latin1("Réponse à côté"));
    }
}

struct Utf8Case {
    const char* name;
    std::string explanation;  // UTF-8, on line 3 of the bank
    std::string read;         // Latin-1 as read; empty when the read must stop
    std::string message;      // the error box then
};

class Utf8Bank : public ::testing::TestWithParam<Utf8Case> {};

// Typographic characters get the import's plain spelling; one that has none
// is reported with its line, never turned silently into "?".
TEST_P(Utf8Bank, SpellsTypographicCharactersAndReportsTheOthers) {
    const Utf8Case& c = GetParam();
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    const std::string bytes = "^Banque \xC3\xA9t\xC3\xA9^^^\r\nB-1-1-1 (1) Quelle fr\xC3\xA9quence?\r\n> " +
                              c.explanation + "\r\n";
    const int result = myReadQuestionBank(model, dir.write("Questions_U.txt", bytes), FullRead, title);
    if (c.read.empty()) {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(rec.lastText(), c.message);
        return;
    }
    ASSERT_EQ(result, 1) << rec.lastText();
    EXPECT_EQ(model.Explanation[1], c.read);
    EXPECT_EQ(model.QuestionText[1], "Quelle fr\xE9quence?");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Bank,
    ::testing::Values(
        Utf8Case{"CurlyQuotes", "l\xE2\x80\x99\xC3\xA9t\xC3\xA9 \xE2\x80\x9C" "CQ\xE2\x80\x9D", "l'\xE9t\xE9 \"CQ\"", ""},
        Utf8Case{"Dashes", "a \xE2\x80\x93 b \xE2\x80\x94 c", "a - b - c", ""},
        Utf8Case{"SpecialSpaces", "10\xE2\x80\xAFV\xE2\x80\x89" "et\xC2\xA0" "5", "10\xA0V et\xA0" "5", ""},
        Utf8Case{"Ellipsis", "Attendez\xE2\x80\xA6", "Attendez...", ""},
        Utf8Case{"OmegaHasNoSpelling", "50 \xCE\xA9 de charge", "",
                 "myReadQuestionBank, character U+03A9 has no Latin-1 equivalent, line 3 \r\n > 50 ? de charge"},
        Utf8Case{"EmojiHasNoSpelling", "fin \xF0\x9F\x98\x80", "",
                 "myReadQuestionBank, character U+1F600 has no Latin-1 equivalent, line 3 \r\n > fin ?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadQuestionBank, FailedReadKeepsWhatWasRead) {
    ErrorRecorder rec;
    PortRecorder ports;
    TempFolder dir;
    BankModel model;
    std::string title;
    std::vector<std::string> lines = join(question("B-1-1-1"), {"{L1} L"});
    append(lines, question("B-1-1-2"));
    lines.push_back("bad");
    EXPECT_EQ(myReadQuestionBank(model, dir.write("Questions_F.txt", crlf(lines)), FullRead, title), 0);
    EXPECT_EQ(model.QuestionCount, 2);
    EXPECT_EQ(model.LessonCount, 1);
    EXPECT_TRUE(ports.infos.empty());
}

struct PathPartCase {
    const char* path;
    const char* part;
    const char* result;
};

class GetPathPart : public ::testing::TestWithParam<PathPartCase> {};

TEST_P(GetPathPart, SplitsAtTheLastSeparator) {
    EXPECT_EQ(myGetPathPart(GetParam().path, GetParam().part), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Paths, GetPathPart,
                         ::testing::Values(PathPartCase{"C:\\Ham\\Questions_A.txt", "N", "Questions_A.txt"},
                                           PathPartCase{"C:\\Ham\\Questions_A.txt", "P", "C:\\Ham\\"},
                                           PathPartCase{"/home/ve3/Questions_A.txt ", "N", "Questions_A.txt"},
                                           PathPartCase{"Questions_A.txt", "P", ""},
                                           PathPartCase{"Questions_A.txt", "N", "Questions_A.txt"},
                                           PathPartCase{" a/b ", "X", "a/b"}),
                         namedBy([](const PathPartCase& c) { return std::string(c.part) + " of " + c.path; }));

struct LabelCase {
    const char* pattern;
    const char* prefix1;
    const char* prefix5;
    const char* letter4;
};

class AnswerLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(AnswerLabels, RebuiltFromPattern) {
    std::array<AnswerLabel, AnswerLabelCount + 1> labels{};
    mySetAnswerLabels(GetParam().pattern, labels, 5);
    EXPECT_EQ(labels[1].AnswerPrefix, GetParam().prefix1);
    EXPECT_EQ(labels[5].AnswerPrefix, GetParam().prefix5);
    EXPECT_EQ(labels[4].AnswerLetter, GetParam().letter4);
}

INSTANTIATE_TEST_SUITE_P(Patterns, AnswerLabels,
                         ::testing::Values(LabelCase{"A)", "A)", "E)", "D"}, LabelCase{"(a)", "(a)", "(e)", "d"},
                                           LabelCase{"1.", "1.", "5.", "4"}, LabelCase{"**", "1.", "5.", "4"},
                                           LabelCase{"V-", "V-", "Z-", "Y"}, LabelCase{"5:", "5:", "9:", "8"},
                                           LabelCase{"Q)A", "Q)A", "Q)E", "D"}),
                         namedBy([](const LabelCase& c) { return c.pattern; }));

}  // namespace
