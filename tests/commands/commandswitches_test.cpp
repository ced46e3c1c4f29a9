#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "toolkit/projectversion.h"
#include "toolkit/tests/tempfolder.h"

namespace {

struct Answer {
    int code = -1;
    std::string out, err;
};

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs a command the way a terminal does, with no display at all, so the
// programs' answers cannot lean on a window.
Answer run(const std::string& program, const std::string& arguments, const std::string& locale) {
    TempFolder folder;
    const std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=" +
                             locale + " '" + program + "' " + arguments + " >'" + folder.file("out") +
                             "' 2>'" + folder.file("err") + "' </dev/null";
    const int status = std::system(line.c_str());
    Answer answer;
    answer.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    answer.out = contents(folder.file("out"));
    answer.err = contents(folder.file("err"));
    return answer;
}

struct SwitchCase {
    const char* name;
    std::string program;
    std::string arguments;
    std::string locale;
    int code;
    std::string outStart;  // what standard output begins with; empty: nothing at all
    std::string errStart;
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c) { return os << c.name; }

class CommandSwitches : public testing::TestWithParam<SwitchCase> {};

TEST_P(CommandSwitches, AnswerOnTheRightStreamWithTheRightCode) {
    const SwitchCase& c = GetParam();
    const Answer answer = run(c.program, c.arguments, c.locale);
    EXPECT_EQ(answer.code, c.code) << answer.out << answer.err;
    if (c.outStart.empty())
        EXPECT_EQ(answer.out, "");
    else
        EXPECT_EQ(answer.out.substr(0, c.outStart.size()), c.outStart) << answer.out;
    if (c.errStart.empty())
        EXPECT_EQ(answer.err, "");
    else
        EXPECT_EQ(answer.err.substr(0, c.errStart.size()), c.errStart) << answer.err;
}

const std::string Version = PROJECT_VERSION;

std::vector<SwitchCase> toolCases() {
    const std::string bank = BANK_TOOL, diagrams = DIAGRAM_TOOL;
    return {
        {"BankHelp", bank, "--help", "C", 0, "Usage: ulvorane-bank [--lang fr] check FILE\n", ""},
        {"BankShortHelp", bank, "-h", "C", 0, "Usage: ulvorane-bank", ""},
        {"BankHelpAfterCommand", bank, "check -h", "C", 0, "Usage: ulvorane-bank", ""},
        {"BankHelpInFrench", bank, "--lang fr --help", "C", 0, "Usage : ulvorane-bank", ""},
        {"BankVersion", bank, "--version", "C", 0, "ulvorane-bank " + Version + "\n", ""},
        {"BankNoCommand", bank, "", "C", 2, "", "usage: ulvorane-bank"},
        {"BankUnknownCommand", bank, "frobnicate x", "C", 2, "", "usage: ulvorane-bank"},
        {"BankImportWithoutFile", bank, "import", "C", 2, "", "usage: ulvorane-bank"},
        {"DiagramsHelp", diagrams, "--help", "C", 0, "Usage: ostrilon-diagrams check FILE", ""},
        {"DiagramsShortHelp", diagrams, "-h", "C", 0, "Usage: ostrilon-diagrams", ""},
        {"DiagramsHelpInFrench", diagrams, "check --lang fr --help", "C", 0, "Usage : ostrilon-diagrams", ""},
        {"DiagramsVersion", diagrams, "--version", "C", 0, "ostrilon-diagrams " + Version + "\n", ""},
        {"DiagramsNoCommand", diagrams, "", "C", 2, "", "usage: ostrilon-diagrams"},
        {"DiagramsCheckWithoutFile", diagrams, "check", "C", 2, "", "usage: ostrilon-diagrams"},
    };
}

INSTANTIATE_TEST_SUITE_P(Tools, CommandSwitches, testing::ValuesIn(toolCases()),
                         [](const auto& info) { return std::string(info.param.name); });

#ifdef EXAM_PROGRAM
std::vector<SwitchCase> programCases() {
    const std::string exam = EXAM_PROGRAM, puzzle = PUZZLE_PROGRAM;
    return {
        {"UlvoraneHelp", exam, "--help", "C", 0, "Usage: ulvorane [/S]", ""},
        {"UlvoraneShortHelp", exam, "-h", "C", 0, "Usage: ulvorane", ""},
        {"UlvoraneHelpBesideSwitches", exam, "/S /A=2 --help", "C", 0, "Usage: ulvorane", ""},
        {"UlvoraneHelpInFrench", exam, "--help", "fr_CA.UTF-8", 0, "Usage : ulvorane", ""},
        {"UlvoraneVersion", exam, "--version", "C", 0, "ulvorane " + Version + "\n", ""},
        {"OstrilonHelp", puzzle, "--help", "C", 0, "Usage: ostrilon [/Q]", ""},
        {"OstrilonShortHelp", puzzle, "-h", "C", 0, "Usage: ostrilon", ""},
        {"OstrilonHelpInFrench", puzzle, "--help", "fr_CA.UTF-8", 0, "Usage : ostrilon", ""},
        {"OstrilonVersion", puzzle, "--version", "C", 0, "ostrilon " + Version + "\n", ""},
    };
}

INSTANTIATE_TEST_SUITE_P(Programs, CommandSwitches, testing::ValuesIn(programCases()),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

}  // namespace
