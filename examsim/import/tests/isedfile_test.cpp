#include "examsim/import/isedfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "examsim/import/importedbank.h"
#include "examsim/import/tests/isedkit.h"
#include "toolkit/masks.h"

namespace {

// Two questions, the second with a French accent and a field opening with a
// double quote, in the variants real editions come in.
const std::string RowA = isedRow("B-001-001-001");
const std::string RowBUtf8 =
    "B-002-001-001;\"CQ, CQ\" means?;\"CQ\" calls any station;A;B;C;Qu'est-ce que \"CQ\"?;"
    "Appel g\xC3\xA9n\xC3\xA9ral;X;Y;Z";
const std::string RowBLatin1 =
    "B-002-001-001;\"CQ, CQ\" means?;\"CQ\" calls any station;A;B;C;Qu'est-ce que \"CQ\"?;"
    "Appel g\xE9n\xE9ral;X;Y;Z";
const std::string RowBCp1252 =
    "B-002-001-001;\"CQ, CQ\" means?;\x93" "CQ\x94 calls any station;A;B;C;Qu\x92" "est-ce que \"CQ\"?;"
    "Appel g\xE9n\xE9ral;X;Y;Z";

struct TrapCase {
    const char* name;
    std::string bytes;
};

class IsedTrapTest : public ::testing::TestWithParam<TrapCase> {};

TEST_P(IsedTrapTest, EveryEditionVariantGivesTheSameQuestions) {
    ErrorRecorder rec;
    ImportedPool pool;
    ASSERT_TRUE(myParseIsedBytes(GetParam().bytes, "file.txt", pool)) << rec.lastText();
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(pool.Qualification, 'B');
    ASSERT_EQ(pool.Questions.size(), 2u);
    const ImportedQuestion& a = pool.Questions[0];
    EXPECT_EQ(a.Designation, "B-001-001-001");
    EXPECT_EQ(a.Section, 1);
    EXPECT_EQ(a.Text[0][0], "question en B-001-001-001");
    EXPECT_EQ(a.Text[0][4], "wrong3 en B-001-001-001");
    EXPECT_EQ(a.Text[1][1], "right fr B-001-001-001");
    const ImportedQuestion& b = pool.Questions[1];
    EXPECT_EQ(b.Designation, "B-002-001-001");
    EXPECT_EQ(b.Section, 2);
    EXPECT_EQ(b.Text[0][0], "\"CQ, CQ\" means?");  // no CSV quoting: the quote is text
    EXPECT_EQ(b.Text[0][1], "\"CQ\" calls any station");
    EXPECT_EQ(b.Text[1][0], "Qu'est-ce que \"CQ\"?");
    EXPECT_EQ(b.Text[1][1], "Appel g\xE9n\xE9ral");
    EXPECT_EQ(b.Text[1][4], "Z");
}

INSTANTIATE_TEST_SUITE_P(
    Editions, IsedTrapTest,
    ::testing::Values(TrapCase{"Utf8CrLf", crlf({IsedHeader, RowA, RowBUtf8})},
                      TrapCase{"BlankLastLine", crlf({IsedHeader, RowA, RowBUtf8, ""})},
                      TrapCase{"BlankLinesAndSpaces", crlf({IsedHeader, "", RowA, "  ", RowBUtf8, "", ""})},
                      TrapCase{"LineFeedsOnly", IsedHeader + "\n" + RowA + "\n" + RowBUtf8},
                      TrapCase{"ByteOrderMark", "\xEF\xBB\xBF" + crlf({IsedHeader, RowA, RowBUtf8})},
                      TrapCase{"Latin1", crlf({IsedHeader, RowA, RowBLatin1})},
                      TrapCase{"Windows1252Quotes", crlf({IsedHeader, RowA, RowBCp1252})},
                      TrapCase{"NoHeader", crlf({RowA, RowBUtf8})},
                      TrapCase{"OutOfOrder", crlf({IsedHeader, RowBUtf8, RowA})},
                      TrapCase{"SpacesAroundFields",
                               crlf({IsedHeader, replaceAll(RowA, ";", " ;\t"), RowBUtf8})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsedFile, EncodingFollowsTheFile) {
    ErrorRecorder rec;
    ImportedPool pool;
    ASSERT_TRUE(myParseIsedBytes(crlf({IsedHeader, RowA, RowBUtf8}), "f", pool));
    EXPECT_EQ(pool.Encoding, TextEncoding::Utf8);
    ASSERT_TRUE(myParseIsedBytes(crlf({IsedHeader, RowA, RowBLatin1}), "f", pool));
    EXPECT_EQ(pool.Encoding, TextEncoding::Latin1);
}

struct FaultCase {
    const char* name;
    std::vector<std::string> lines;  // written with CR LF
    std::string english;
};

class IsedFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(IsedFaultTest, FirstFaultIsNamedWithItsLineAndNothingIsWritten) {
    ErrorRecorder rec;
    TempFolder dir;
    const std::string path = dir.write("amat_basic_quest_delim2025.txt", crlf(GetParam().lines));
    const std::string out = dir.file("banks");
    std::array<std::filesystem::path, 2> paths;
    EXPECT_FALSE(myImportQuestionBank(path, out, "", paths));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, GetParam().english);
    EXPECT_FALSE(std::filesystem::exists(out));
}

std::string withField(const std::string& id, int field, const std::string& text) {
    std::vector<std::string> fields = splitFields(isedRow(id), ';');
    fields[field - 1] = text;
    std::string row = fields[0];
    for (size_t i = 1; i < fields.size(); ++i) row += ";" + fields[i];
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, IsedFaultTest,
    ::testing::Values(
        FaultCase{"TenFields",
                  {IsedHeader, RowA, "B-001-001-002;q;r;w;w;w;q;r;w;w"},
                  "myReadIsedFile, line 3: 10 fields instead of 11 (fields are separated by ;)"},
        FaultCase{"QuotedSemicolonIsNoQuoting",
                  {IsedHeader, withField("B-001-001-001", 2, "\"CQ; CQ\" means?")},
                  "myReadIsedFile, line 2: 12 fields instead of 11 (fields are separated by ;)"},
        FaultCase{"ShortId", {IsedHeader, isedRow("B-01-001-001")},
                  "myReadIsedFile, line 2: invalid question id B-01-001-001"},
        FaultCase{"NumberZero", {IsedHeader, RowA, isedRow("B-001-001-000")},
                  "myReadIsedFile, line 3: invalid question id B-001-001-000"},
        FaultCase{"LowerCaseLetter", {IsedHeader, isedRow("b-001-001-001")},
                  "myReadIsedFile, line 2: invalid question id b-001-001-001"},
        FaultCase{"UnknownQualification", {IsedHeader, isedRow("C-001-001-001")},
                  "myReadIsedFile, line 2: question C-001-001-001 is neither Basic (B) nor Advanced (A)"},
        FaultCase{"MixedQualifications", {IsedHeader, RowA, "", isedRow("A-001-001-001")},
                  "myReadIsedFile, line 4: question A-001-001-001 is not of the qualification of line 2 "
                  "(B-001-001-001)"},
        FaultCase{"Duplicate", {IsedHeader, RowA, isedRow("B-001-001-002"), RowA},
                  "myReadIsedFile, line 4: question B-001-001-001 is a duplicate of line 2"},
        FaultCase{"NotLatin1", {IsedHeader, withField("B-001-001-001", 8, "50 \xCE\xA9")},
                  "myReadIsedFile, line 2 field 8: character U+03A9 cannot be written in Latin-1"},
        FaultCase{"ControlCharacter", {IsedHeader, RowA, withField("B-001-001-002", 3, "a\x0B" "b")},
                  "myReadIsedFile, line 3 field 3: control character U+000B in the text"},
        FaultCase{"EmptyAnswer", {IsedHeader, withField("B-001-001-001", 11, "  ")},
                  "myReadIsedFile, line 2 field 11: empty text"},
        FaultCase{"MixedEncodings", {IsedHeader, RowBUtf8, RowA, RowBLatin1},
                  "myReadIsedFile, line 4 is not UTF-8 while line 2 is: the file mixes two encodings"},
        FaultCase{"SixteenthInTopic", {IsedHeader, RowA, isedRow("B-001-001-016")},
                  "myReadIsedFile, line 3: question B-001-001-016 exceeds the limit of 15 questions per topic"},
        FaultCase{"HeaderOnly", {IsedHeader, ""}, "myReadIsedFile, no question in amat_basic_quest_delim2025.txt"},
        FaultCase{"NotTheDepartmentsLayout", {"id,question,answer", "B-001-001-001,q,a"},
                  "myReadIsedFile, line 1: 1 fields instead of 11 (fields are separated by ;)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsedFile, MessagesFollowTheInterfaceLanguage) {
    ErrorRecorder rec(1);
    ImportedPool pool;
    EXPECT_FALSE(myParseIsedBytes(crlf({IsedHeader, RowA, RowA}), "f", pool));
    EXPECT_FALSE(myParseIsedBytes(crlf({IsedHeader, withField("B-001-001-001", 7, "\xE2\x89\xA5")}), "f", pool));
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].text, "myReadIsedFile, ligne 3 : la question B-001-001-001 est en double de la ligne 2");
    EXPECT_EQ(rec.boxes[1].text,
              latin1("myReadIsedFile, ligne 2 champ 7 : le caractère U+2265 ne peut s'écrire en Latin-1"));
}

TEST(IsedFile, MissingFileIsReportedWithItsPath) {
    ErrorRecorder rec;
    ImportedPool pool;
    EXPECT_FALSE(myReadIsedFile("/nonexistent/amat.txt", pool));
    EXPECT_EQ(rec.lastText().rfind("myReadIsedFile, cannot open file /nonexistent/amat.txt err=2 ", 0), 0u)
        << rec.lastText();
}

// What is not a plain file, or is larger than any pool, is refused before
// a byte of it is read.
struct SourceCase {
    const char* name;
    std::string (*make)(const TempFolder& dir);
    const char* english;
    const char* french;  // UTF-8 here; & is the source's path
};

class IsedSourceTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(IsedSourceTest, IsRefusedBeforeReading) {
    TempFolder dir;
    const std::string source = GetParam().make(dir);
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        ImportedPool pool;
        EXPECT_FALSE(myReadIsedFile(source, pool));
        EXPECT_EQ(
            rec.lastText(),
            fillMask(language == 0 ? GetParam().english : latin1(GetParam().french), {source}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, IsedSourceTest,
    ::testing::Values(
        SourceCase{"AFolder", [](const TempFolder& dir) { return dir.path(); },
                   "myReadIsedFile, & is not a file: choose the pool's file or its archive",
                   "myReadIsedFile, & n'est pas un fichier : choisissez le fichier de la banque ou "
                   "son archive"},
        SourceCase{"ADevice", [](const TempFolder&) { return std::string("/dev/null"); },
                   "myReadIsedFile, & is not a file: choose the pool's file or its archive",
                   "myReadIsedFile, & n'est pas un fichier : choisissez le fichier de la banque ou "
                   "son archive"},
        SourceCase{"LargerThanAnyPool",
                   [](const TempFolder& dir) {
                       const std::string path = dir.write("amat_basic_quest.zip", "PK\x03\x04");
                       // Sparse: nothing is written.
                       std::filesystem::resize_file(path, MaxSourceBytes + 1);
                       return path;
                   },
                   "myReadIsedFile, & is larger than 8 MB: it is not a question pool",
                   "myReadIsedFile, & dépasse 8 Mo : ce n'est pas une banque de questions"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file one past a limit of the bank model is refused at the line that goes
// past it; the same file without that line imports.
struct LimitCase {
    const char* name;
    std::vector<std::string> ids;  // the last one goes past the limit
    std::string english;
};

std::vector<std::string> ids(int count, const std::function<std::string(int)>& idOf) {
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i) list.push_back(idOf(i));
    return list;
}

class IsedLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(IsedLimitTest, OnePastTheLimitIsRefused) {
    ErrorRecorder rec;
    std::vector<std::string> lines{IsedHeader};
    for (const std::string& i : GetParam().ids) lines.push_back(isedRow(i));
    ImportedPool pool;
    EXPECT_FALSE(myParseIsedBytes(crlf(lines), "f", pool));
    EXPECT_EQ(rec.lastText(), GetParam().english);
    lines.pop_back();
    EXPECT_TRUE(myParseIsedBytes(crlf(lines), "f", pool)) << rec.lastText();
    EXPECT_EQ(pool.Questions.size(), GetParam().ids.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, IsedLimitTest,
    ::testing::Values(
        LimitCase{"Topics", ids(101, [](int i) { return isedId(1, i + 1, 1); }),
                  "myReadIsedFile, line 102: topic B-001-101 exceeds the limit of 100 topics"},
        LimitCase{"Sections", ids(21, [](int i) { return isedId(i + 1, 1, 1); }),
                  "myReadIsedFile, line 22: section B-021 exceeds the limit of 20 lessons"},
        LimitCase{"Questions", ids(1051, [](int i) { return isedId(1, i / 15 + 1, i % 15 + 1); }),
                  "myReadIsedFile, line 1052: question B-001-071-001 exceeds the limit of 1050 questions"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsedFile, EditionComesFromTheFileName) {
    TempFolder dir;
    EXPECT_EQ(importEdition("/x/amat_basic_quest_delim2025.txt"), "2025");
    EXPECT_EQ(importEdition("amat_adv_quest_delim2014_v2.txt"), "2014");
    // Without a year in the name, the year the file was last changed.
    const std::string undated = dir.write("amat_basic_quest_delim.txt", "x");
    const std::string year = importEdition(undated);
    ASSERT_EQ(year.size(), 4u);
    EXPECT_GE(std::stoi(year), 2024);
}

}  // namespace
