#include "examsim/bank/banktext.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* name;
    std::string input;
    TextEncoding encoding;
    std::string expected;  // Latin-1 result when the conversion succeeds
    TextProblem::Kind problem;
    uint32_t codePoint;
};

class BankTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(BankTextTest, ConvertsOrRefusesWithTheCharacter) {
    const TextCase& c = GetParam();
    std::string text = "stale";
    TextProblem problem;
    const bool ok = myToBankText(c.input, c.encoding, text, problem);
    EXPECT_EQ(ok, c.problem == TextProblem::None);
    EXPECT_EQ(problem.kind, c.problem);
    if (ok) {
        EXPECT_EQ(text, c.expected);
    } else {
        EXPECT_EQ(problem.codePoint, c.codePoint);
    }
}

constexpr auto U = TextEncoding::Utf8;
constexpr auto L = TextEncoding::Latin1;
constexpr auto Ok = TextProblem::None;

INSTANTIATE_TEST_SUITE_P(
    Cases, BankTextTest,
    ::testing::Values(
        TextCase{"Utf8Accents", "s\xC3\xA9" "curit\xC3\xA9", U, "s\xE9" "curit\xE9", Ok, 0},
        TextCase{"CurlyApostrophe", "l\xE2\x80\x99" "antenne", U, "l'antenne", Ok, 0},
        TextCase{"CurlyQuotes", "\xE2\x80\x9C" "CQ\xE2\x80\x9D", U, "\"CQ\"", Ok, 0},
        TextCase{"Dashes", "a \xE2\x80\x93 b \xE2\x80\x94 c \xE2\x88\x92" "5", U, "a - b - c -5", Ok, 0},
        TextCase{"Ellipsis", "Attendez\xE2\x80\xA6", U, "Attendez...", Ok, 0},
        TextCase{"Ligature", "c\xC5\x93ur", U, "coeur", Ok, 0},
        TextCase{"GreekMuIsMicro", "10 \xCE\xBC" "F", U, "10 \xB5" "F", Ok, 0},
        TextCase{"NarrowNoBreakSpace", "Quoi\xE2\x80\xAF?", U, "Quoi\xA0?", Ok, 0},
        TextCase{"TabsAndEdgeSpaces", "  tab\there  ", U, "tab here", Ok, 0},
        TextCase{"OmegaRefused", "50 \xCE\xA9", U, "", TextProblem::NotLatin1, 0x3A9},
        TextCase{"LessOrEqualRefused", "\xE2\x89\xA4 5", U, "", TextProblem::NotLatin1, 0x2264},
        TextCase{"ControlRefused", "a\x01" "b", U, "", TextProblem::Control, 1},
        TextCase{"BrokenUtf8", "\xC3(", U, "", TextProblem::BadUtf8, 0xC3},
        TextCase{"OverlongUtf8", "\xC0\xAF", U, "", TextProblem::BadUtf8, 0xC0},
        TextCase{"Latin1Kept", "s\xE9" "curit\xE9", L, "s\xE9" "curit\xE9", Ok, 0},
        TextCase{"Cp1252Quotes", "\x93" "CQ\x94 l\x92" "an", L, "\"CQ\" l'an", Ok, 0},
        TextCase{"Cp1252DashAndLigature", "a\x96" "b \x9C" "uvre", L, "a-b oeuvre", Ok, 0},
        TextCase{"Cp1252Euro", "5 \x80", L, "", TextProblem::NotLatin1, 0x20AC},
        TextCase{"Cp1252Hole", "a\x81", L, "", TextProblem::Control, 0x81}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BankText, Utf8ValidityAndCodePointNames) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));
    EXPECT_FALSE(isValidUtf8("\xE2\x80"));  // cut short at the end
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_EQ(codePointName(0x3A9), "U+03A9");
    EXPECT_EQ(codePointName(0x1F600), "U+1F600");
}

}  // namespace
