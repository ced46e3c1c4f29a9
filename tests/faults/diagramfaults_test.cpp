// Diagram files with NUL bytes and lines of a megabyte: read with every
// field cut to its width, or refused with the line shown in part; a refused
// file leaves the diagrams of the file loaded before in place.
#include <gtest/gtest.h>

#include "puzzle/board/diagramselect.h"
#include "puzzle/board/tests/recordingviews.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

using namespace std::string_literals;

const std::string kDiagramA = "{Receiver}\r\n~B1~ANT~R~0.6C|Antenna~Picks up signals.\r\n"
                              "~B2~AMP~LI~0.38C|RF~Amplifies.\r\n";

struct DamagedDiagramCase {
    const char* name;
    std::string fileB;
    const char* message;  // "" when the file must load
};

std::vector<DamagedDiagramCase> damagedDiagrams() {
    const std::string megabyte(1 << 20, 'z');
    return {
        {"MegabyteLabelAndDescription",
         "{Transmitter}\r\n~B1~OSC~R~C|" + megabyte + "~" + megabyte + "\r\n~B2~AMP~LI~C|PA~Power.\r\n", ""},
        {"MegabyteDiagramName", "{" + megabyte + "}\r\n~B1~OSC~R~C|Osc~Oscillates.\r\n", ""},
        {"NulBytesInFields",
         "{Trans\0mitter}\r\n~B1~OSC\0~R~C|O\0sc~Oscil\0lates.\r\n"s, ""},
        {"MegabyteLineOfNothingKnown", "{Transmitter}\r\n" + megabyte + "\r\n",
         "myReadQuestionBank, unidentified record at zzzzzzzzzzzzzzzzzzzzzzzzzzzzzz..."},
        {"NulBytesAsALine", "{Transmitter}\r\n" + std::string(4, '\0') + "\r\n",
         "myReadQuestionBank, unidentified record at "},
    };
}

class DamagedDiagramFile : public ::testing::TestWithParam<DamagedDiagramCase> {};

TEST_P(DamagedDiagramFile, IsReadOrRefusedWithoutHarmToTheLoadedFile) {
    const DamagedDiagramCase& c = GetParam();
    ErrorRecorder errors;
    TempFolder dir;
    dir.write("Diagrams_A.txt", kDiagramA);
    dir.write("Diagrams_B.txt", c.fileB);
    PuzzleFiles files;
    files.ProgramFolder = dir.path();
    ASSERT_TRUE(findDiagramFiles(files));
    ASSERT_EQ(files.DiagramFileCount, 2);
    Board board;
    RecordingBoardView boardView;
    RecordingSelectionView lists;
    selectDiagramFile(files, board, boardView, lists, "A");
    ASSERT_EQ(files.LoadedFile, 1);
    ASSERT_TRUE(errors.boxes.empty()) << errors.lastText();
    const std::vector<std::string> listOfA = lists.diagramList;

    selectDiagramFile(files, board, boardView, lists, "B");
    const DiagramTables& t = files.Tables;
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
        EXPECT_EQ(files.LoadedFile, 2);
        ASSERT_GE(t.DiagramCount, 1);
        EXPECT_EQ(t.Diagrams[1].Name.size(), DiagramNameWidth);
        for (int32_t k = 1; k <= t.Diagrams[1].TileCount; ++k) {
            EXPECT_EQ(t.Tiles[1][k].Label.size(), LabelWidth);
            EXPECT_EQ(t.Tiles[1][k].Description.size(), DescriptionWidth);
            EXPECT_NE(c.fileB.find(trimSpaces(t.Tiles[1][k].Label)), std::string::npos);
        }
        EXPECT_LE(files.Files[2].WidestLabelLine.size(), WidestLabelLineWidth);
        return;
    }
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind(c.message, 0), 0u) << errors.boxes[0].text.substr(0, 200);
    EXPECT_LT(errors.boxes[0].text.size(), 200u);
    // The diagrams of A are still there to be chosen from the list that shows them.
    EXPECT_EQ(lists.diagramList, listOfA);
    ASSERT_EQ(t.DiagramCount, 1);
    EXPECT_EQ(trimSpaces(t.Diagrams[1].Name), "Receiver");
    EXPECT_EQ(t.Diagrams[1].TileCount, 2);
    EXPECT_EQ(trimSpaces(t.Tiles[1][2].Label), "0.38C|RF");
    chooseDiagram(files, board, boardView, lists, "Receiver", sequenceSource({1, 2}));
    EXPECT_EQ(files.ShownDiagram, 1);
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedDiagramFile, ::testing::ValuesIn(damagedDiagrams()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
