#include <gtest/gtest.h>

#include "examsim/ui/commandline.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"

namespace {

struct SwitchCase {
    const char* arguments;
    int adjustment;
    const char* fontName;
    int pointSize;
    int message;  // 0: none
};

class CommandLineCases : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLineCases, ReadValuesOrReportEnglishFirst) {
    const SwitchCase& c = GetParam();
    ErrorRecorder rec(1);  // a French keyboard still gets English first
    CommandLine switches;
    myParseCommandLine(c.arguments, switches);
    EXPECT_EQ(switches.SizeAdjustment, c.adjustment);
    EXPECT_EQ(switches.FontName, c.fontName);
    EXPECT_EQ(switches.PointSize, c.pointSize);
    if (c.message == 0) {
        EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();
    } else {
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, messageIn(c.message, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineCases,
    ::testing::Values(SwitchCase{"/a=-2", -2, "", 0, 0}, SwitchCase{"/A=(2)", 2, "", 0, 0},
                      SwitchCase{"/A=+3", 3, "", 0, 0}, SwitchCase{"/A=2x", 0, "", 0, MsgSizeSwitch},
                      SwitchCase{"/A2", 0, "", 0, MsgSizeSwitch},
                      SwitchCase{"/F=Tahoma,14 /A=3", 3, "Tahoma", 14, 0},
                      SwitchCase{"/A=3 /F=Tahoma,14", 3, "Tahoma", 14, 0},
                      SwitchCase{"/F=Courier New,12", 0, "Courier New", 12, 0},
                      SwitchCase{"/f=(DejaVu Sans, 11)", 0, "DejaVu Sans", 11, 0},
                      SwitchCase{"/F=Tahoma", 0, "", 0, MsgFontSwitch},
                      SwitchCase{"/F=,12", 0, "", 0, MsgFontSwitch},
                      SwitchCase{"/FONT=Tahoma,12", 0, "", 0, MsgFontSwitch},
                      SwitchCase{"", 0, "", 0, 0}, SwitchCase{"    ", 0, "", 0, 0}),
                         namedBy([](const SwitchCase& c) { return c.arguments; }));

TEST(CommandLineFlags, AreFoundAnywhereWithoutRegardToCase) {
    ErrorRecorder rec;
    CommandLine none;
    myParseCommandLine("  ", none);
    EXPECT_TRUE(none.ReportToolTipFailures);
    EXPECT_FALSE(none.SimplifiedLayout);
    EXPECT_EQ(none.DumpUtilityEnabled, 0);

    CommandLine all;
    myParseCommandLine("/s /x/d", all);
    EXPECT_FALSE(all.ReportToolTipFailures);
    EXPECT_TRUE(all.SimplifiedLayout);
    EXPECT_EQ(all.DumpUtilityEnabled, 1);

    // Only the two characters are looked for: a word starting with them counts.
    CommandLine word;
    myParseCommandLine("/Screen", word);
    EXPECT_TRUE(word.SimplifiedLayout);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(DefaultFont, NamedFontIgnoresTheAdjustment) {
    ErrorRecorder rec;
    CommandLine switches;
    myParseCommandLine("/F=Tahoma,14 /A=3", switches);
    FontChoice named = myChooseDefaultFont(switches, true, "DejaVu Sans", 10);
    EXPECT_TRUE(named.Use);
    EXPECT_EQ(named.Name, "Tahoma");
    EXPECT_EQ(named.PointSize, 14);

    CommandLine lower;
    myParseCommandLine("/a=-2", lower);
    FontChoice suggested = myChooseDefaultFont(lower, true, "DejaVu Sans", 10);
    EXPECT_EQ(suggested.Name, "DejaVu Sans");
    EXPECT_EQ(suggested.PointSize, 8);

    // A rejected /F leaves the suggested font in force.
    CommandLine rejected;
    myParseCommandLine("/F=Tahoma", rejected);
    EXPECT_EQ(myChooseDefaultFont(rejected, true, "DejaVu Sans", 10).Name, "DejaVu Sans");

    EXPECT_FALSE(myChooseDefaultFont(CommandLine{}, false, "", 0).Use);
    CommandLine tiny;
    tiny.SizeAdjustment = -20;
    EXPECT_EQ(myChooseDefaultFont(tiny, true, "DejaVu Sans", 10).PointSize, 1);
}

struct LocaleCase {
    const char* locale;
    int language;
};
class KeyboardLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(KeyboardLanguage, FrenchOfAnyCountryOpensInFrench) {
    EXPECT_EQ(myKeyboardLanguage(GetParam().locale), GetParam().language) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLanguage,
                         ::testing::Values(LocaleCase{"fr_CA", 1}, LocaleCase{"fr_FR", 1},
                                           LocaleCase{"fr_BE", 1}, LocaleCase{"fr", 1},
                                           LocaleCase{"en_CA", 0}, LocaleCase{"de_DE", 0},
                                           LocaleCase{"fy_NL", 0}, LocaleCase{"", 0},
                                           LocaleCase{"C", 0}),
                         namedBy([](const LocaleCase& c) { return c.locale; }));

}  // namespace
