#include "puzzle/diagram/diagramfile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

// Every character 10 pixels wide, except "W" at 30, so width and length differ.
struct FakeMetrics {
    FakeMetrics() {
        saved = fontMetricsPort();
        fontMetricsPort().textWidth = [this](const std::string& face, int points, bool bold,
                                             const std::string& text) {
            fonts.push_back(face + "/" + std::to_string(points) + (bold ? "/bold" : ""));
            int w = 0;
            for (char c : text) w += c == 'W' ? 30 : 10;
            return w;
        };
    }
    ~FakeMetrics() { fontMetricsPort() = saved; }
    FontMetricsPort saved;
    std::vector<std::string> fonts;
};

struct ReadResult {
    bool ok = false;
    DiagramTables tables;
    std::string widest;
    std::vector<ReadNote> notes;
};

ReadResult readText(const std::string& text, ErrorRecorder&, const std::string& font = "Face") {
    TempFolder dir;
    std::string path = dir.write("Diagrams_Test.txt", text);
    ReadResult r;
    r.ok = readDiagramFile(path, font, r.tables, r.widest, &r.notes);
    return r;
}

const Tile& tileOf(const ReadResult& r, int d, int t) { return r.tables.Tiles[d][t]; }

}  // namespace

struct PositionCase {
    const char* field;
    int32_t row;  // 0: no position
    int32_t column;
};

class TilePosition : public testing::TestWithParam<PositionCase> {};

TEST_P(TilePosition, ReadsRowLetterAndColumnDigitOrLeavesTileWithoutPosition) {
    ErrorRecorder rec;
    FakeMetrics metrics;
    const PositionCase& c = GetParam();
    ReadResult r = readText(std::string("{D}\r\n~") + c.field + "~BOX~~C|x~d\r\n", rec);
    ASSERT_TRUE(r.ok);
    const Tile& tile = tileOf(r, 1, 1);
    EXPECT_EQ(tile.Row, c.row);
    EXPECT_EQ(tile.Column, c.column);
    const Diagram& d = r.tables.Diagrams[1];
    EXPECT_EQ(d.TileCount, 1);
    EXPECT_EQ(d.RowMask, c.row ? 1u << (c.row - 1) : 0u);
    EXPECT_EQ(d.ColumnMask, c.column ? 1u << (c.column - 1) : 0u);
    EXPECT_EQ(r.notes.size(), c.row ? 0u : 1u);
    EXPECT_TRUE(rec.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, TilePosition,
                         testing::Values(PositionCase{"b4", 2, 4}, PositionCase{"B4", 2, 4},
                                         PositionCase{"a1", 1, 1}, PositionCase{"C9", 3, 9},
                                         PositionCase{" \tA7  ", 1, 7}, PositionCase{"D1", 0, 0},
                                         PositionCase{"A0", 0, 0}, PositionCase{"A10", 0, 0},
                                         PositionCase{"4B", 0, 0}, PositionCase{"", 0, 0},
                                         PositionCase{"B", 0, 0}),
                         namedBy([](const PositionCase& c) { return c.field; }));

TEST(DiagramReader, SkipsCommentsIgnoredRecordsBlankLinesAndTilesBeforeTheFirstHeader) {
    ErrorRecorder rec;
    FakeMetrics metrics;
    ReadResult r = readText("~A1~BOX~~C|early~before any header\r\n"
                            "' a comment\r\n"
                            "\t\t' a comment indented by tabs\r\n"
                            " \t ^ignored record\r\n"
                            "   \t  \r\n"
                            "\r\n"
                            "{First}\n"
                            "\t~A1~box~r~C|One~first tile\n"
                            "{Second}\r\n"
                            "  ~B2~amp~li,r~0.4C|Two~second tile\r\n"
                            "~B3~mix~L~0.4C|Three~third tile",
                            rec);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(rec.boxes.empty());
    ASSERT_EQ(r.tables.DiagramCount, 2);
    EXPECT_EQ(trimSpaces(r.tables.Diagrams[1].Name), "First");
    EXPECT_EQ(r.tables.Diagrams[1].TileCount, 1);
    EXPECT_EQ(trimSpaces(tileOf(r, 1, 1).Label), "C|One");
    EXPECT_EQ(r.tables.Diagrams[2].TileCount, 2);
    EXPECT_EQ(trimSpaces(tileOf(r, 2, 2).Description), "third tile");
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(r.notes[0].Line, 1);
}

TEST(DiagramReader, StoresTileFieldsTrimmedUpperCasedWhereDueAndCutToTheirWidths) {
    ErrorRecorder rec;
    FakeMetrics metrics;
    const std::string longLabel = "0.6R|" + std::string(60, 'x');
    ReadResult r = readText("{ D }\r\n"
                            "~ a2 ~\tamp  ~ li, r ~ 0.6r|Mixed Case ~\t Desc kept Case  ~extra~x\r\n"
                            "~A3~unknownkind~lI,RI,tI,bI~" + longLabel + "\r\n"
                            "~A4\r\n",
                            rec);
    ASSERT_TRUE(r.ok);
    const Tile& a = tileOf(r, 1, 1);
    EXPECT_EQ(a.Kind, "AMP   ");
    EXPECT_EQ(a.Connectors, fixedWidth("LI, R", 12));
    EXPECT_EQ(trimSpaces(a.Label), "0.6r|Mixed Case");
    EXPECT_EQ(a.Label.size(), 45u);
    EXPECT_EQ(trimSpaces(a.Description), "Desc kept Case");
    EXPECT_EQ(a.Description.size(), 300u);
    const Tile& b = tileOf(r, 1, 2);
    EXPECT_EQ(b.Kind, "UNKNOW");
    EXPECT_EQ(b.Connectors, fixedWidth("LI,RI,TI,BI", 12));
    EXPECT_EQ(b.Connectors.size(), 12u);
    EXPECT_EQ(b.Label, longLabel.substr(0, 45));
    const Tile& c = tileOf(r, 1, 3);
    EXPECT_EQ(c.Column, 4);
    EXPECT_EQ(trimSpaces(c.Kind), "");
    EXPECT_EQ(trimSpaces(c.Label), "");
    // The kind and the label were cut: the author hears of both.
    EXPECT_EQ(r.notes.size(), 2u);
}

struct HeaderCase {
    const char* line;
    const char* name;
};

class DiagramHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(DiagramHeader, NameIsTheTextInsideTheBraces) {
    ErrorRecorder rec;
    ReadResult r = readText(std::string(GetParam().line) + "\r\n", rec);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.tables.DiagramCount, 1);
    EXPECT_EQ(r.tables.Diagrams[1].Name, fixedWidth(GetParam().name, 40));
    EXPECT_EQ(r.tables.Diagrams[1].TileCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DiagramHeader,
    testing::Values(HeaderCase{"{Superhet receiver}", "Superhet receiver"},
                    HeaderCase{"{  spaced name  } text after", "  spaced name  "},
                    HeaderCase{"{First}{Second}", "First"}, HeaderCase{"{Unclosed", "Unclosed"},
                    HeaderCase{"{}", ""},
                    HeaderCase{"{A name far longer than the forty characters kept}",
                               "A name far longer than the forty charact"}),
                         namedBy([](const HeaderCase& c) { return c.line; }));

TEST(DiagramReader, FileWithoutHeaderHasNoDiagram) {
    ErrorRecorder rec;
    ReadResult r = readText("' only comments\r\n~A1~BOX~~C|x~y\r\n", rec);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.tables.DiagramCount, 0);
    EXPECT_TRUE(rec.boxes.empty());
}

class UnidentifiedRecord : public testing::TestWithParam<int> {};

TEST_P(UnidentifiedRecord, StopsTheReaderQuotingThirtyCharactersOfTheLine) {
    const int language = GetParam();
    ErrorRecorder rec(language);
    ReadResult r = readText("{One}\r\n~A1~BOX~~C|a~b\r\n"
                            "   # a hash line that runs on well past thirty characters  \r\n"
                            "{Two}\r\n",
                            rec);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(rec.boxes.size(), 1u);
    const std::string quoted = "# a hash line that runs on wel";
    EXPECT_EQ(rec.boxes[0].text,
              language == 0 ? "myReadQuestionBank, unidentified record at " + quoted + "..."
                            : latin1("myReadQuestionBank, enregistrement inconnu à ") + quoted +
                                  "...");
    // What was read before the line stays; nothing after it is read.
    EXPECT_EQ(r.tables.DiagramCount, 1);
    EXPECT_EQ(rec.statuses.back(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, UnidentifiedRecord, testing::Values(0, 1),
                         namedBy(languageName));

TEST(DiagramReader, MissingFileReportsPathErrorNumberAndText) {
    ErrorRecorder rec(1);
    TempFolder dir;
    DiagramTables tables;
    std::string widest;
    const std::string path = dir.file("Diagrams_None.txt");
    EXPECT_FALSE(readDiagramFile(path, "Face", tables, widest));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "myReadQuestionBank, ne peut ouvrir fichier " + path + " err=" +
                                     std::to_string(ENOENT) + " " + errorText(ENOENT));
    EXPECT_EQ(rec.boxes[0].title, errorBoxTitle());
    ASSERT_EQ(rec.statuses.size(), 2u);
    EXPECT_EQ(rec.statuses[0], "Reading " + path);
    EXPECT_EQ(rec.statuses[1], "");
}

TEST(DiagramReader, ThirteenthTileInOneDiagramStopsTheReaderWithAMessage) {
    ErrorRecorder rec;
    std::string text = "{Crowded}\r\n";
    for (int i = 1; i <= 13; ++i) text += "~A" + std::to_string(i % 9 + 1) + "~BOX~~C|t~d\r\n";
    ReadResult r = readText(text, rec);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text,
              "myReadQuestionBank, more than 12 tiles in diagram Crowded at ~A5~BOX~~C|t~d...");
    EXPECT_EQ(r.tables.Diagrams[1].TileCount, 12);
}

struct WidestCase {
    std::vector<const char*> labels;
    const char* widest;
};

class WidestLabelLine : public testing::TestWithParam<WidestCase> {};

TEST_P(WidestLabelLine, IsTheWidestMeasuredLineLeavingSlantedLabelsOut) {
    ErrorRecorder rec;
    FakeMetrics metrics;
    std::string text = "{D}\r\n";
    for (const char* label : GetParam().labels) text += std::string("~A1~BOX~~") + label + "~d\r\n";
    ReadResult r = readText(text, rec, "Tile Face");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.widest, GetParam().widest);
    for (const std::string& font : metrics.fonts) EXPECT_EQ(font, "Tile Face/14/bold");
}

INSTANTIATE_TEST_SUITE_P(
    Labels, WidestLabelLine,
    testing::Values(WidestCase{{"S|A very long slanted text", "C|Short"}, "Short"},
                    WidestCase{{"s|lower-case code is slanted too", "0.3|abc"}, "abc"},
                    WidestCase{{"0.3C|Alpha\\Beta\\Gammas", "C|Omega"}, "Gammas"},
                    // Numbered labels are split too, though they are drawn on one line.
                    WidestCase{{"0.6R|one\\two"}, "one"},
                    WidestCase{{"C|WW\\abcdefg"}, "abcdefg"},
                    WidestCase{{"C|abcdef\\WW"}, "abcdef"},  // equal widths: earlier stays
                    WidestCase{{"C|abc", "C|defg", "C|hij"}, "defg"},
                    WidestCase{{"S|only slanted"}, ""}),
                         namedBy([](const WidestCase& c) { return c.labels.front(); }));

TEST(DiagramReader, TablesGrowKeepingContentsAndAFreeSlotAfterTheLastDiagram) {
    ErrorRecorder rec;
    for (int count : {9, 10, 11, 25}) {
        std::string text;
        for (int d = 1; d <= count; ++d)
            text += "{D" + std::to_string(d) + "}\r\n~A1~BOX~~C|t~desc " + std::to_string(d) +
                    "\r\n";
        ReadResult r = readText(text, rec);
        ASSERT_TRUE(r.ok);
        ASSERT_EQ(r.tables.DiagramCount, count);
        EXPECT_GE(r.tables.Diagrams.size(), static_cast<size_t>(count + 2)) << count;
        EXPECT_EQ(r.tables.Tiles.size(), static_cast<size_t>(std::min(count, KeptDiagramTiles)));
        for (int d = 1; d <= count; ++d) {
            EXPECT_EQ(trimSpaces(r.tables.Diagrams[d].Name), "D" + std::to_string(d));
            EXPECT_EQ(trimSpaces(r.tables.Tiles[d][1].Description), "desc " + std::to_string(d));
        }
    }
}

// A long file keeps the tiles of its first diagrams only: each diagram is
// handed over whole as it is read, and the one shown later comes back from
// the file, in the place of the one brought back before it.
TEST(DiagramReader, LongFileKeepsABoundedCountOfTilesAndBringsBackTheOneShown) {
    ErrorRecorder rec;
    TempFolder dir;
    const int count = KeptDiagramTiles + 36;
    std::string text = "' many diagrams\r\n";
    for (int d = 1; d <= count; ++d)
        text += "{D" + std::to_string(d) + "}\r\n~A1~BOX~R~C|first " + std::to_string(d) + "~one\r\n\r\n~A2~AMP~L~C|second " +
                std::to_string(d) + "~two " + std::to_string(d) + "\r\n";
    const std::string path = dir.write("Diagrams_Long.txt", text);
    DiagramTables tables;
    std::string widest;
    int handed = 0;
    auto visit = [&](int32_t d, const DiagramTiles& tiles) {
        EXPECT_EQ(d, ++handed);
        EXPECT_EQ(trimSpaces(tiles[2].Label), "C|second " + std::to_string(d));
    };
    ASSERT_TRUE(readDiagramFile(path, "", tables, widest, nullptr, visit));
    EXPECT_EQ(handed, count);
    ASSERT_EQ(tables.DiagramCount, count);
    EXPECT_EQ(tables.Tiles.size(), static_cast<size_t>(KeptDiagramTiles));
    EXPECT_EQ(trimSpaces(tables.Tiles[KeptDiagramTiles][1].Label), "C|first " + std::to_string(KeptDiagramTiles));
    EXPECT_FALSE(tables.Tiles.holds(KeptDiagramTiles + 1));

    for (int d : {count - 6, count}) {
        ASSERT_TRUE(loadDiagramTiles(path, tables, d));
        EXPECT_EQ(tables.Tiles.size(), static_cast<size_t>(KeptDiagramTiles + 1));
        EXPECT_TRUE(tables.Tiles.holds(d));
        const Tile& second = tables.Tiles[d][2];
        EXPECT_EQ(trimSpaces(second.Label), "C|second " + std::to_string(d));
        EXPECT_EQ(trimSpaces(second.Description), "two " + std::to_string(d));
        EXPECT_EQ(second.Row, 1);
        EXPECT_EQ(second.Column, 2);
    }
    EXPECT_FALSE(tables.Tiles.holds(count - 6));
    EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();

    // The file changed under the program: said, and nothing is lost.
    dir.write("Diagrams_Long.txt", "{Other}\r\n~A1~BOX~~C|x~y\r\n");
    for (int language : {0, 1}) {
        ErrorRecorder said(language);
        EXPECT_FALSE(loadDiagramTiles(path, tables, count - 1));
        EXPECT_EQ(said.lastText(), latin1(language == 0
                                              ? "myReadQuestionBank, " + path + " changed since it was read: choose the file again"
                                              : "myReadQuestionBank, " + path + " a changé depuis sa lecture : choisissez le fichier de nouveau"));
        EXPECT_TRUE(tables.Tiles.holds(count));
    }
}

TEST(DiagramReader, BadPositionDoesNotInheritTheTileOfAFileReadBefore) {
    ErrorRecorder rec;
    TempFolder dir;
    DiagramTables tables;
    std::string widest;
    ASSERT_TRUE(readDiagramFile(dir.write("a.txt", "{D}\r\n~B5~BOX~~C|a~b\r\n"), "", tables,
                                widest));
    ASSERT_TRUE(readDiagramFile(dir.write("b.txt", "{D}\r\n~Z5~BOX~~C|a~b\r\n"), "", tables,
                                widest));
    EXPECT_FALSE(hasPosition(tables.Tiles[1][1]));
    EXPECT_EQ(tables.Diagrams[1].RowMask, 0u);
}

TEST(DiagramFiles, FindsUpToFourFilesWithTheirDisplayNames) {
    ErrorRecorder rec;
    TempFolder dir;
    for (const char* name : {"Diagrams_Basic.txt", "Diagrams Advanced .txt", "Diagrams.txt",
                             "diagrams_lower.TXT", "Other.txt", "Diagrams_Extra.txt"})
        dir.write(name, "");
    PuzzleFiles files;
    files.ProgramFolder = dir.path();
    EXPECT_TRUE(findDiagramFiles(files));
    ASSERT_EQ(files.DiagramFileCount, 4);
    // Name order; the fifth file is refused with the finder's message.
    EXPECT_EQ(trimSpaces(files.Files[1].DisplayName), "Advanced");
    EXPECT_EQ(trimSpaces(files.Files[2].DisplayName), "");
    EXPECT_EQ(trimSpaces(files.Files[3].DisplayName), "Basic");
    EXPECT_EQ(trimSpaces(files.Files[4].DisplayName), "Extra");
    EXPECT_EQ(files.Files[3].DisplayName.size(), 32u);
    EXPECT_EQ(files.Files[3].Path, dir.file("Diagrams_Basic.txt"));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "myFindFiles, number of files exceeds 4 (diagrams_lower.TXT)");
}

TEST(DiagramFiles, NoFileFoundAndTheBilingualMessageForIt) {
    ErrorRecorder rec;
    TempFolder dir;
    dir.write("Questions_Basic.txt", "");
    PuzzleFiles files;
    files.ProgramFolder = dir.path();
    EXPECT_FALSE(findDiagramFiles(files));
    EXPECT_EQ(files.DiagramFileCount, 0);

    const std::string english = puzzleMessage(4);
    uiContext().InterfaceLanguage = 1;
    const std::string french = puzzleMessage(4);
    const std::string shared =
        "Program cannot find a file with Diagrams.\r\nPlease copy Diagrams*.txt file to folder "
        "where program runs.\r\n\r\n" +
        latin1("Le programme ne peut trouver le fichier contenant les Schémas.\r\n");
    EXPECT_EQ(english, shared + latin1("SVP copier un fichier Diagrams*.txt au même dossier où "
                                       "se trouve le programme."));
    EXPECT_EQ(french, shared + latin1("SVP copier fichier Diagrams*.txt au même dossier où se "
                                      "trouve le programme."));
}

TEST(DiagramFiles, AccentedFolderAndFileNamesReachTheFiles) {
    ErrorRecorder rec;
    TempFolder dir;
    const std::string folderOnDisk = dir.file("Sch\xC3\xA9mas");
    ASSERT_TRUE(std::filesystem::create_directory(pathFromBytes(folderOnDisk)));
    TempFolder::writeFile(folderOnDisk + "/Diagrams_R\xC3\xA9" "cepteurs.txt",
                          "{D}\r\n~A1~BOX~~C|a~b\r\n");
    PuzzleFiles files;
    files.ProgramFolder = pathFromBytes(folderOnDisk);
    ASSERT_TRUE(findDiagramFiles(files));
    ASSERT_EQ(files.DiagramFileCount, 1);
    EXPECT_EQ(trimSpaces(files.Files[1].DisplayName), "R\xE9" "cepteurs");
    DiagramTables tables;
    std::string widest;
    EXPECT_TRUE(readDiagramFile(files.Files[1].Path, "", tables, widest)) << rec.lastText();
    EXPECT_EQ(tables.DiagramCount, 1);
}
