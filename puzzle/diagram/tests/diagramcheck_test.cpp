#include "puzzle/diagram/tool/diagramcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sys/wait.h>

#include "puzzle/diagram/diagramfile.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

std::vector<std::string> sampleFiles() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(SAMPLES_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Diagrams", 0) == 0 && name.size() > 4 &&
            name.substr(name.size() - 4) == ".txt")
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

struct CheckerRun {
    int status = -1;
    std::string out;
};

CheckerRun runChecker(const std::string& args) {
    CheckerRun run;
    std::FILE* pipe = popen((std::string(CHECKER_PATH) + " " + args + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace

TEST(SampleDiagrams, ThereIsAnEnglishAndAFrenchFile) {
    const std::vector<std::string> files = sampleFiles();
    ASSERT_EQ(files.size(), 2u);
}

class SampleDiagramFile : public testing::TestWithParam<std::string> {};

TEST_P(SampleDiagramFile, ReadsCleanlyAndPassesEveryCheck) {
    ErrorRecorder rec;
    std::string listing;
    EXPECT_EQ(checkDiagramFile(GetParam(), listing), 0) << listing;
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_NE(listing.find("0 error(s), 0 warning(s)"), std::string::npos) << listing;
}

TEST_P(SampleDiagramFile, IsLatin1WithCrLfLineEnds) {
    std::string bytes;
    int error = 0;
    ASSERT_TRUE(readFileBytes(GetParam(), bytes, error));
    EXPECT_FALSE(looksLikeUtf8(bytes));
    size_t lf = 0, crlf = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ++lf;
            if (i > 0 && bytes[i - 1] == '\r') ++crlf;
        }
    EXPECT_GT(lf, 50u);
    EXPECT_EQ(lf, crlf);
}

TEST_P(SampleDiagramFile, HoldsEightDiagramsOrMoreUsingEveryKindAndPlacementCode) {
    ErrorRecorder rec;
    DiagramTables tables;
    std::string widest;
    ASSERT_TRUE(readDiagramFile(GetParam(), "", tables, widest));
    EXPECT_GE(tables.DiagramCount, 8);
    std::set<std::string> kinds, codes;
    for (int32_t d = 1; d <= tables.DiagramCount; ++d) {
        bool arrow = false;
        for (int32_t t = 1; t <= tables.Diagrams[d].TileCount; ++t) {
            const Tile& tile = tables.Tiles[d][t];
            kinds.insert(trimSpaces(tile.Kind));
            std::string code = splitLabel(tile.Label).Code;
            if (code != "S" && code != "C") {
                const char last = code.empty() ? ' ' : code.back();
                code = last == 'R' || last == 'C' ? std::string("number") + last : "number";
            }
            codes.insert(code);
            if (tile.Connectors.find('I') != std::string::npos) arrow = true;
        }
        EXPECT_TRUE(arrow) << "no arrowhead in " << trimSpaces(tables.Diagrams[d].Name);
    }
    for (const char* kind : {"ANT", "AMP", "MIX", "FLT", "DMLD", "SPKR", "MIKE", "KEY", "DOT",
                             "BOX", "DBOX", "CONS"})
        EXPECT_EQ(kinds.count(kind), 1u) << kind;
    EXPECT_EQ(codes, (std::set<std::string>{"S", "C", "number", "numberR", "numberC"}));
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleDiagramFile, testing::ValuesIn(sampleFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name =
                                 std::filesystem::path(info.param).stem().string();
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

struct FaultCase {
    const char* name;
    const char* text;
    const char* expected;  // in the listing
};

class CheckerFault : public testing::TestWithParam<FaultCase> {};

TEST_P(CheckerFault, IsReportedAndFailsTheFile) {
    ErrorRecorder rec;
    TempFolder dir;
    std::string listing;
    EXPECT_EQ(checkDiagramFile(dir.write("Diagrams_X.txt", GetParam().text), listing), 1);
    EXPECT_NE(listing.find(GetParam().expected), std::string::npos) << listing;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckerFault,
    testing::Values(
        FaultCase{"position", "{D}\r\n~A1~BOX~~C|a~b\r\n~D1~BOX~~C|a~b\r\n",
                  "tile 2 has no valid position (A1 to C9)"},
        FaultCase{"shared", "{D}\r\n~A1~BOX~~C|a~b\r\n~a1~BOX~~C|a~b\r\n",
                  "tiles 1 and 2 share cell A1"},
        FaultCase{"empty", "{D}\r\n", "the diagram has no tile"}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(Checker, FrenchListingIsLatin1) {
    ErrorRecorder rec(1);
    TempFolder dir;
    std::string listing;
    EXPECT_EQ(checkDiagramFile(dir.write("Diagrams_F.txt", "{}\r\n"), listing), 1);
    for (const char* expected : {"le sch\xE9ma n'a pas de nom", "le sch\xE9ma n'a aucun bloc"})
        EXPECT_NE(listing.find(expected), std::string::npos) << expected << "\n" << listing;
    EXPECT_EQ(listing.find("\xC3"), std::string::npos) << "UTF-8 left in a Latin-1 listing";
}

TEST(Checker, WarnsWithoutFailing) {
    ErrorRecorder rec;
    TempFolder dir;
    std::string listing;
    const std::string path = dir.write("Diagrams_W.txt",
                                       "~A1~BOX~~C|early~x\r\n"
                                       "{D}\r\n~A1~WIDGET~L,X,RI,~C|a~\r\n~A2~BOX~~2.x|b~d\r\n"
                                       "~A3~BOX~~no bar~d\r\n");
    EXPECT_EQ(checkDiagramFile(path, listing), 0);
    for (const char* expected :
         {"line 1: tile record before the first diagram header", "kind \"WIDGET\" is unknown",
          "connector \"X\"", "connector \"\"", "tile 1: no description",
          "placement code \"2.X\"", "tile 3: label has no \"|\"", "0 error(s), 7 warning(s)"})
        EXPECT_NE(listing.find(expected), std::string::npos) << expected << "\n" << listing;
}

// The puzzle loads a file whose second diagram repeats the first's name and
// plays the first: the file is usable, the second diagram is not.
TEST(Checker, ADuplicateNameLeavesTheFileUsable) {
    ErrorRecorder rec;
    TempFolder dir;
    std::string listing;
    EXPECT_EQ(checkDiagramFile(dir.write("Diagrams_N.txt",
                                         "{D}\r\n~A1~BOX~~C|a~b\r\n{ D }\r\n~A1~BOX~~C|a~b\r\n"),
                               listing),
              0);
    EXPECT_NE(listing.find("  ! same name as diagram 1"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("Nothing to play"), std::string::npos) << listing;
}

TEST(Checker, AFileWithoutADiagramHasNothingToPlayAndFails) {
    for (const char* text : {"", "' only a comment\r\n"}) {
        ErrorRecorder rec;
        TempFolder dir;
        std::string listing;
        EXPECT_EQ(checkDiagramFile(dir.write("Diagrams_E.txt", text), listing), 1);
        EXPECT_NE(listing.find("Diagrams: 0"), std::string::npos) << listing;
        EXPECT_NE(listing.find("Nothing to play: no diagram of this file can be played."), std::string::npos)
            << listing;
    }
}

TEST(Checker, NotesAreWordedAsEnglishWritesThem) {
    ErrorRecorder rec;
    TempFolder dir;
    std::string listing;
    // A 50-character label text after a two-character placement code: the
    // field keeps 45 characters, 42 of them text.
    const std::string label = "2R|" + std::string(50, 'x');
    EXPECT_EQ(checkDiagramFile(dir.write("Diagrams_T.txt", "{One}\r\n~A1~BOX~~" + label + "~d\r\n"
                                                           "{Two}\r\n~Z9~BOX~~C|a~d\r\n~A2~BOX~~C|b~d\r\n"),
                               listing),
              0);
    for (const char* expected : {"1. One (1 tile)", "2. Two (2 tiles)", "line 2: tile 1: label cut to 42 characters",
                                 "line 4: tile 1: position \"Z9\" is not A1 to C9"})
        EXPECT_NE(listing.find(expected), std::string::npos) << expected << "\n" << listing;
    EXPECT_EQ(listing.find(" :"), std::string::npos) << "no space before a colon in English\n" << listing;
}

TEST(CheckerCommand, PassesOnBothSamples) {
    for (const std::string& file : sampleFiles()) {
        CheckerRun run = runChecker("check '" + file + "'");
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_NE(run.out.find("Diagrams: "), std::string::npos);
    }
}

TEST(CheckerCommand, ShowsTheErrorBoxTextInTheChosenLanguage) {
    TempFolder dir;
    const std::string path = dir.write("Diagrams_Bad.txt", "{D}\r\n# oops\r\n");
    CheckerRun english = runChecker("check '" + path + "'");
    EXPECT_EQ(english.status, 1);
    EXPECT_EQ(english.out,
              "Ostrilon - Error Message\nmyReadQuestionBank, unidentified record at # oops...\n");
    CheckerRun french = runChecker("check '" + path + "' --lang fr");
    EXPECT_EQ(french.status, 1);
    EXPECT_EQ(french.out, "Ostrilon - Message d'erreur\nmyReadQuestionBank, enregistrement "
                          "inconnu \xC3\xA0 # oops...\n");
    EXPECT_EQ(runChecker("verify '" + path + "'").status, 2);
}
