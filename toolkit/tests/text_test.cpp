#include "toolkit/text.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

TEST(LineReader, SplitsOnLfAndCrLfKeepingEveryOtherByte) {
    TempFolder dir;
    std::string bytes = std::string("one\r\ntwo\nthree\rstill\r\n\r\nnul\0here\nlast", 37);
    std::string path = dir.write("f.txt", bytes);
    std::vector<std::string> lines;
    int err = -1;
    ASSERT_TRUE(readAllLines(path, lines, err));
    EXPECT_EQ(err, 0);
    std::vector<std::string> expected{"one", "two", "three\rstill", "", std::string("nul\0here", 8),
                                      "last"};
    EXPECT_EQ(lines, expected);
}

TEST(LineReader, EmptyFileAndTrailingLineEnd) {
    TempFolder dir;
    std::vector<std::string> lines;
    int err;
    ASSERT_TRUE(readAllLines(dir.write("e.txt", ""), lines, err));
    EXPECT_TRUE(lines.empty());
    ASSERT_TRUE(readAllLines(dir.write("t.txt", "a\r\nb\r\n"), lines, err));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b"}));
}

TEST(LineReader, LongLinesCrossBufferBoundaries) {
    TempFolder dir;
    std::string big(200000, 'x');
    std::vector<std::string> lines;
    int err;
    ASSERT_TRUE(readAllLines(dir.write("big.txt", big + "\r\n" + big), lines, err));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], big);
    EXPECT_EQ(lines[1], big);
}

TEST(LineReader, MissingFileGivesItsErrorNumber) {
    TempFolder dir;
    std::vector<std::string> lines;
    int err = 0;
    EXPECT_FALSE(readAllLines(dir.file("absent.txt"), lines, err));
    EXPECT_EQ(err, ENOENT);
    EXPECT_FALSE(errorText(err).empty());
}

TEST(LineReader, PositionNamesEachLineStartAndSeekComesBackToIt) {
    TempFolder dir;
    // Lines long enough that several starts fall in later buffer fills.
    std::string a(70000, 'a'), b(5, 'b'), c(80000, 'c');
    std::string path = dir.write("p.txt", a + "\r\n" + b + "\n" + c + "\r\nend");
    LineReader reader;
    ASSERT_TRUE(reader.open(path));
    std::vector<long long> starts;
    std::string line;
    for (;;) {
        long long at = reader.position();
        if (!reader.next(line)) break;
        starts.push_back(at);
    }
    long long expectedStarts[] = {0, 70002, 70008, 150010};
    ASSERT_EQ(starts.size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(starts[i], expectedStarts[i]) << i;
    ASSERT_TRUE(reader.seek(70008));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, c);
    EXPECT_EQ(reader.position(), 150010);
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "end");
}

TEST(WriteLine, EndsEveryLineWithCrLf) {
    TempFolder dir;
    std::string path = dir.file("out.txt");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    EXPECT_TRUE(writeLine(f, "caf\xE9"));
    EXPECT_TRUE(writeLine(f, ""));
    std::fclose(f);
    std::string bytes;
    int err;
    ASSERT_TRUE(readFileBytes(path, bytes, err));
    EXPECT_EQ(bytes, "caf\xE9\r\n\r\n");
}

// Sizes around the 64 KiB read step, and bytes of every value.
class ReadFileBytesSize : public ::testing::TestWithParam<size_t> {};

TEST_P(ReadFileBytesSize, ReadsTheWholeFile) {
    TempFolder dir;
    std::string written(GetParam(), '\0');
    for (size_t i = 0; i < written.size(); ++i) written[i] = static_cast<char>(i * 7 % 256);
    std::string bytes = "left over";
    int err = -1;
    ASSERT_TRUE(readFileBytes(dir.write("f.bin", written), bytes, err));
    EXPECT_EQ(err, 0);
    EXPECT_EQ(bytes, written);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadFileBytesSize, ::testing::Values(0, 1, 65535, 65536, 65537, 300001),
                         namedBy([](size_t size) { return std::to_string(size) + " bytes"; }));

TEST(ReadFileBytes, FailsOnAFolder) {
    TempFolder dir;
    std::string bytes;
    int err = 0;
    EXPECT_FALSE(readFileBytes(dir.path(), bytes, err));
    EXPECT_EQ(err, EISDIR);
}

TEST(ReadFileBytes, ReadsAFileThatClaimsNoLength) {
    std::string bytes;
    int err = -1;
    ASSERT_TRUE(readFileBytes("/proc/self/status", bytes, err));
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
}

// Names the readers may meet in a shared folder: each is refused at once,
// with its reason in the interface language, by both ways of reading.
struct RefusedCase {
    const char* what;
    int error;
    const char* english;
    const char* french;
};

class RefusedFile : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFile, IsRefusedAtOnceWithItsReason) {
    TempFolder dir;
    const std::string what = GetParam().what;
    const std::string path = dir.file("Questions_x.txt");
    if (what == "FIFO" || what == "link to a device") {
#ifdef _WIN32
        GTEST_SKIP() << "no FIFO nor /dev/zero on Windows";
#else
        if (what == "FIFO")
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        else
            std::filesystem::create_symlink("/dev/zero", path);
#endif
    } else {  // a file one byte longer than the readers take, without its blocks
        dir.write("Questions_x.txt", "");
        std::filesystem::resize_file(path, WholeFileLimit + 1);
    }
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        const std::string reason = latin1(language == 0 ? GetParam().english : GetParam().french);
        std::string bytes, why;
        int err = 0;
        EXPECT_FALSE(readFileBytes(path, bytes, err, &why));
        EXPECT_EQ(err, GetParam().error);
        EXPECT_EQ(why, reason);
        EXPECT_TRUE(bytes.empty());
        LineReader reader;
        EXPECT_FALSE(reader.open(path, WholeFileLimit));
        EXPECT_EQ(reader.error(), GetParam().error);
        EXPECT_EQ(reader.failureText(), reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SharedFolder, RefusedFile,
    ::testing::Values(RefusedCase{"FIFO", EINVAL, "not a regular file (a FIFO, a device or a folder), refused",
                                  "pas un fichier ordinaire (FIFO, périphérique ou dossier), refusé"},
                      RefusedCase{"link to a device", EINVAL,
                                  "not a regular file (a FIFO, a device or a folder), refused",
                                  "pas un fichier ordinaire (FIFO, périphérique ou dossier), refusé"},
                      RefusedCase{"file over the limit", EFBIG, "longer than 16777216 bytes, refused",
                                  "plus long que 16777216 octets, refusé"}),
    namedBy([](const RefusedCase& c) { return c.what; }));

TEST(WriteLine, ReportsAFullDevice) {
    std::FILE* f = std::fopen("/dev/full", "wb");
    if (!f) GTEST_SKIP() << "no /dev/full here";
    std::setvbuf(f, nullptr, _IONBF, 0);
    EXPECT_FALSE(writeLine(f, "data"));
    std::fclose(f);
}

struct TrimCase {
    const char* in;
    const char* spaces;
    const char* blanks;
};

class Trims : public ::testing::TestWithParam<TrimCase> {};

TEST_P(Trims, SpacesOnlyOrSpacesAndTabs) {
    EXPECT_EQ(trimSpaces(GetParam().in), GetParam().spaces);
    EXPECT_EQ(trimBlanks(GetParam().in), GetParam().blanks);
}

INSTANTIATE_TEST_SUITE_P(Cases, Trims,
                         ::testing::Values(TrimCase{"  a b  ", "a b", "a b"},
                                           TrimCase{"\t a \t", "\t a \t", "a"},
                                           TrimCase{"   ", "", ""}, TrimCase{"", "", ""},
                                           TrimCase{" \tx", "\tx", "x"}),
                         namedBy([](const TrimCase& c) { return c.in; }));

TEST(FixedWidth, PadsOrCutsOnTheRight) {
    EXPECT_EQ(fixedWidth("AB", 4), "AB  ");
    EXPECT_EQ(fixedWidth("ABCDEFG", 4), "ABCD");
    EXPECT_EQ(fixedWidth("", 2), "  ");
    EXPECT_EQ(fixedWidth("ABCD", 4), "ABCD");
}

struct NumberCase {
    const char* text;
    long long value;
};

class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumber, ReadsLeadingDigitsOnly) {
    EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadingNumber,
                         ::testing::Values(NumberCase{"17", 17}, NumberCase{"17abc", 17},
                                           NumberCase{"x", 0}, NumberCase{"", 0},
                                           NumberCase{" 2", 2}, NumberCase{"-1", -1},
                                           NumberCase{"+2", 2}, NumberCase{"002", 2},
                                           NumberCase{"1 2", 1}, NumberCase{"-", 0},
                                           NumberCase{"99999999999999999999999", 1000000000000000000LL}),
                         namedBy([](const NumberCase& c) { return std::string("from ") + c.text; }));

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}

TEST(Latin1, ConvertsUtf8LiteralsAndBack) {
    EXPECT_EQ(latin1("Interface français"), "Interface fran\xE7" "ais");
    EXPECT_EQ(latin1("Leçon — «x»"), "Le\xE7on ? \xABx\xBB");
    EXPECT_EQ(latin1("\xEF\xBB\xBF" "abc"), "abc");
    EXPECT_EQ(latin1("bad\xE9z"), "bad\xE9z");  // already Latin-1: kept
    EXPECT_EQ(toUtf8("Succ\xE8s"), "Succès");
    EXPECT_EQ(latin1(toUtf8(std::string("\x01\x7F\x80\xFF", 4))), std::string("\x01\x7F\x80\xFF", 4));
}

TEST(LooksLikeUtf8, TellsModernEditorsFilesFromLatin1) {
    EXPECT_TRUE(looksLikeUtf8("r\xC3\xA9ponse"));
    EXPECT_TRUE(looksLikeUtf8("\xEF\xBB\xBFplain"));
    EXPECT_FALSE(looksLikeUtf8("r\xE9ponse"));
    EXPECT_FALSE(looksLikeUtf8("plain ascii"));
    EXPECT_FALSE(looksLikeUtf8("\xC0\x80"));  // overlong
}

TEST(CaseConversion, CoversLatin1Letters) {
    EXPECT_EQ(upperCase("a=b \xE9t\xE9 \xF7"), "A=B \xC9T\xC9 \xF7");
    EXPECT_EQ(lowerCase("\xC7" "A\xD7"), "\xE7" "a\xD7");
}

TEST(SplitAndReplace, KeepEmptyFields) {
    EXPECT_EQ(splitFields("a||b", '|'), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitFields("", '|'), (std::vector<std::string>{""}));
    EXPECT_EQ(replaceAll("x.txt.txt", ".txt", ""), "x");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
}
