#include "toolkit/masks.h"

#include <gtest/gtest.h>

#include "toolkit/tests/casenames.h"

struct MaskCase {
    const char* mask;
    std::vector<MaskValue> values;
    const char* expected;
};

class FillMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FillMask, FillsFieldsInOrder) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(fillMask(c.mask, c.values), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ampersand, FillMask,
    ::testing::Values(MaskCase{"Question Bank read = &&", {"Basic", "\r\n"}, "Question Bank read = Basic\r\n"},
                      MaskCase{"Your mark is &&&Writing missed questions to file &&&in folder &&",
                               {"80%", "\r\n", "\r\n", "x.txt", "\r\n", "\r\n", "/home", "\r\n"},
                               "Your mark is 80%\r\n\r\nWriting missed questions to file x.txt\r\n\r\nin folder /home\r\n"},
                      MaskCase{"&-&", {7, 2.5}, "7-2.5"},
                      MaskCase{"[&]", {""}, "[]"}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    FirstCharacter, FillMask,
    ::testing::Values(MaskCase{"!.!", {"Xray", "yes"}, "X.y"}, MaskCase{"<!>", {""}, "< >"}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    FixedWidth, FillMask,
    ::testing::Values(MaskCase{"\\  \\|", {"ABCDEFG"}, "ABCD|"}, MaskCase{"\\  \\|", {"AB"}, "AB  |"},
                      MaskCase{"\\\\|", {"xyz"}, "xy|"}, MaskCase{"a\\b", {}, "a\\b"},
                      MaskCase{"\\ x", {"v"}, "\\ x"}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    Numeric, FillMask,
    ::testing::Values(MaskCase{"###", {7}, "  7"}, MaskCase{"##", {12}, "12"},
                      MaskCase{"#", {1234}, "1234"}, MaskCase{"##", {-3}, "-3"},
                      MaskCase{"[###]", {"42abc"}, "[ 42]"}, MaskCase{"##", {2.5}, " 2"}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    Escape, FillMask,
    ::testing::Values(MaskCase{"50_% _& _#", {}, "50% & #"}, MaskCase{"__&", {"v"}, "_v"},
                      MaskCase{"end_", {}, "end"}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    MissingValues, FillMask,
    ::testing::Values(MaskCase{"a & b & c", {"1"}, "a 1 b "},
                      MaskCase{"TopicNo = && NbrWithinTopic & exceeds", {"B-001-001", "\r\n"},
                               "TopicNo = B-001-001\r\n NbrWithinTopic "},
                      MaskCase{"plain", {}, "plain"}, MaskCase{"& tail", {}, ""}),
                         namedBy([](const MaskCase& c) { return std::string(c.mask) + " gives " + c.expected; }));

struct PictureCase {
    double value;
    const char* picture;
    const char* expected;
};

class FormatNumber : public ::testing::TestWithParam<PictureCase> {};

TEST_P(FormatNumber, AppliesPicture) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.picture), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, FormatNumber,
    ::testing::Values(PictureCase{3, "0#", "03"}, PictureCase{7, "0#", "07"},
                      PictureCase{12, "0#", "12"}, PictureCase{5, "00", "05"},
                      PictureCase{42, "000", "042"}, PictureCase{2, "000", "002"},
                      PictureCase{1234, "000", "1234"}, PictureCase{0, "0", "0"},
                      PictureCase{125, "0", "125"}, PictureCase{2026, "####", "2026"},
                      PictureCase{-5, "000", "-005"}),
                         namedBy([](const PictureCase& c) { return std::string(c.picture) + " gives " + c.expected; }));

INSTANTIATE_TEST_SUITE_P(
    Percentages, FormatNumber,
    ::testing::Values(PictureCase{0.8, "###%", "80%"}, PictureCase{0.8333, "0.0%", "83.3%"},
                      PictureCase{1.0, "###%", "100%"}, PictureCase{0, "###%", "0%"},
                      PictureCase{0, "0%", "0%"}, PictureCase{0.5, "0.0%", "50.0%"},
                      PictureCase{0.0001, "0.0%", "0.0%"}, PictureCase{0.125, "###%", "12%"},
                      PictureCase{0.135, "###%", "14%"}),
                         namedBy([](const PictureCase& c) { return std::string(c.picture) + " gives " + c.expected; }));

// More decimal places than a double holds: the picture is still honoured.
INSTANTIATE_TEST_SUITE_P(
    LongPictures, FormatNumber,
    ::testing::Values(PictureCase{0.5, "0.0000000000000000000", "0.5000000000000000000"},
                      PictureCase{-2, "0.00000000000000000000%", "-200.00000000000000000000%"}),
                         namedBy([](const PictureCase& c) { return std::string(c.picture) + " gives " + c.expected; }));

// The two pictures the exam's mark is shown with, on typical scores. Which
// picture a mark takes is the exam session's rule, tested with it.
INSTANTIATE_TEST_SUITE_P(
    MarkPictures, FormatNumber,
    ::testing::Values(PictureCase{5.0 / 6, "0.0%", "83.3%"}, PictureCase{4.0 / 5, "###%", "80%"},
                      PictureCase{2.0 / 3, "0.0%", "66.7%"}, PictureCase{6.0 / 6, "###%", "100%"},
                      PictureCase{0.0 / 6, "###%", "0%"}, PictureCase{1.0 / 8, "0.0%", "12.5%"}),
                         namedBy([](const PictureCase& c) { return std::string(c.picture) + " gives " + c.expected; }));
