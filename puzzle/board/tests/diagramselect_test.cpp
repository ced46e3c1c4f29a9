#include "puzzle/board/diagramselect.h"

#include <gtest/gtest.h>

#include "puzzle/board/tests/recordingviews.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

std::string diagrams(int count, const std::string& prefix = "D") {
    std::string text;
    for (int d = 1; d <= count; ++d)
        text += "{" + prefix + std::to_string(d) + "}\r\n~B1~BOX~R~C|in~first\r\n"
                "~B2~AMP~LI~0.4C|out~second\r\n";
    return text;
}

using Files = std::vector<std::pair<std::string, std::string>>;

// A program folder with the given diagram files, found as at start-up, and
// the file list as the window fills it.
struct Window {
    ErrorRecorder rec;
    TempFolder dir;
    PuzzleFiles files;
    Board board;
    RecordingBoardView boardView;
    RecordingSelectionView lists;

    explicit Window(const Files& contents,
                    int language = 0)
        : rec(language) {
        for (const auto& [name, text] : contents) dir.write(name, text);
        files.ProgramFolder = dir.path();
        findDiagramFiles(files);
        for (int32_t i = 1; i <= files.DiagramFileCount; ++i)
            lists.fileList.push_back(trimSpaces(files.Files[i].DisplayName));
        if (files.DiagramFileCount > 1) lists.fileList.push_back("-- Please select a bank --");
    }

    void pickFile(const std::string& text) {
        selectDiagramFile(files, board, boardView, lists, text);
    }
    void pickDiagram(const std::string& text, std::vector<int32_t> slots = {1, 2}) {
        chooseDiagram(files, board, boardView, lists, text, sequenceSource(slots));
    }
};

}  // namespace

TEST(SelectFile, OneDiagramIsListedSelectedAndSetUpWithoutAsking) {
    Window w(Files{{"Diagrams_Basic.txt", diagrams(1)}});
    w.pickFile("Basic");
    EXPECT_TRUE(w.rec.boxes.empty());
    EXPECT_EQ(w.files.LoadedFile, 1);
    ASSERT_EQ(w.lists.diagramList.size(), 2u);
    EXPECT_EQ(trimSpaces(w.lists.diagramList[0]), "D1");
    EXPECT_EQ(trimSpaces(w.lists.diagramList[1]), "-- Please select a diagram --");
    EXPECT_EQ(w.lists.diagramSelected, 1);
    EXPECT_EQ(w.lists.posted, 1);
    EXPECT_TRUE(w.lists.diagramListEnabled);
    EXPECT_EQ(w.lists.fileList.size(), 1u);
    // The posted confirmation then sets the diagram up.
    w.pickDiagram(w.lists.diagramList[0]);
    EXPECT_EQ(w.files.SelectedDiagram, 1);
    EXPECT_EQ(w.files.ShownDiagram, 1);
    EXPECT_TRUE(w.lists.solveEnabled);
    EXPECT_EQ(w.lists.diagramList.size(), 1u);
    EXPECT_TRUE(w.boardView.pieceShown[1]);
}

TEST(SelectFile, SeveralDiagramsLeaveThePromptSelectedAndTheButtonsOff) {
    Window w(Files{{"Diagrams_A.txt", diagrams(3)}, {"Diagrams_B.txt", diagrams(2)}}, 1);
    w.lists.solveEnabled = true;
    w.pickFile("  A ");
    EXPECT_TRUE(w.rec.boxes.empty());
    // The file prompt is gone from the file list.
    EXPECT_EQ(w.lists.fileList, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(w.lists.fileListPosition, 1);
    ASSERT_EQ(w.lists.diagramList.size(), 4u);
    EXPECT_EQ(w.lists.diagramList[3], fixedWidth(latin1("-- SVP choisir un schéma  --"), 40));
    EXPECT_EQ(w.lists.diagramSelected, 4);
    EXPECT_EQ(w.lists.posted, 0);
    EXPECT_FALSE(w.lists.solveEnabled);
    EXPECT_EQ(w.files.Tables.Diagrams[4].Name, w.lists.diagramList[3]);
}

TEST(SelectFile, FileWithoutDiagramsListsOnlyThePrompt) {
    Window w(Files{{"Diagrams_Empty.txt", "' nothing yet\r\n"}});
    w.pickFile("Empty");
    ASSERT_EQ(w.lists.diagramList.size(), 1u);
    EXPECT_EQ(w.lists.diagramSelected, 1);
    EXPECT_EQ(w.lists.posted, 0);
    EXPECT_FALSE(w.lists.solveEnabled);
    EXPECT_EQ(w.files.LoadedFile, 1);
}

TEST(SelectFile, TenDiagramsStillLeaveRoomForThePrompt) {
    Window w(Files{{"Diagrams_Ten.txt", diagrams(10)}});
    w.pickFile("Ten");
    ASSERT_EQ(w.lists.diagramList.size(), 11u);
    EXPECT_EQ(trimSpaces(w.lists.diagramList[10]), "-- Please select a diagram --");
}

TEST(SelectFile, ThePromptEntryAsksForAQualificationAndReadsNothing) {
    for (int language : {0, 1}) {
        Window w(Files{{"Diagrams_A.txt", diagrams(2)}, {"Diagrams_B.txt", diagrams(2)}}, language);
        w.pickFile(w.lists.fileList.back());
        ASSERT_EQ(w.rec.boxes.size(), 1u);
        EXPECT_EQ(w.rec.boxes[0].text, language ? latin1("SVP Choisir Compétence")
                                                : "Please select Qualification");
        EXPECT_EQ(w.files.LoadedFile, 0);
        EXPECT_TRUE(w.lists.diagramList.empty());
        EXPECT_EQ(w.lists.fileList.size(), 3u);
    }
}

TEST(SelectFile, TheLoadedFileAgainDoesNothing) {
    Window w(Files{{"Diagrams_A.txt", diagrams(2)}, {"Diagrams_B.txt", diagrams(2)}});
    w.pickFile("A");
    w.pickDiagram(w.lists.diagramList[1]);
    w.boardView.okSign = false;
    w.pickFile("A");
    EXPECT_EQ(w.files.SelectedDiagram, 2);
    EXPECT_FALSE(w.boardView.okSign);
    EXPECT_EQ(w.lists.diagramList.size(), 2u);
}

TEST(SelectFile, AnotherFileBlanksTheBoardAndReadsItsDiagrams) {
    Window w(Files{{"Diagrams_A.txt", diagrams(2, "Alpha")}, {"Diagrams_B.txt", diagrams(3, "Beta")}});
    w.pickFile("A");
    w.pickDiagram("Alpha2");
    w.boardView.crossedSign = true;
    w.pickFile("B");
    EXPECT_TRUE(w.boardView.okSign);
    EXPECT_FALSE(w.boardView.crossedSign);
    EXPECT_EQ(w.files.SelectedDiagram, 0);
    EXPECT_EQ(w.files.ShownDiagram, 0);
    for (int32_t p = 1; p <= PieceCount; ++p) EXPECT_EQ(w.boardView.face[p], "");
    EXPECT_EQ(w.files.LoadedFile, 2);
    EXPECT_EQ(trimSpaces(w.lists.diagramList[0]), "Beta1");
    EXPECT_EQ(w.files.Tables.DiagramCount, 3);
}

TEST(SelectFile, AFailedReadKeepsTheDiagramsTheListStillShows) {
    Window w(Files{{"Diagrams_A.txt", diagrams(2, "Alpha")},
              {"Diagrams_B.txt", "{Beta}\r\n~A1~BOX~~C|x~y\r\n#broken\r\n"}});
    w.pickFile("A");
    const std::vector<std::string> listed = w.lists.diagramList;
    w.pickFile("B");
    ASSERT_EQ(w.rec.boxes.size(), 1u);
    EXPECT_EQ(w.rec.boxes[0].text, "myReadQuestionBank, unidentified record at #broken...");
    EXPECT_EQ(w.lists.diagramList, listed);
    EXPECT_EQ(w.files.LoadedFile, 1);
    w.pickDiagram("Alpha2");
    EXPECT_EQ(w.files.SelectedDiagram, 2);
    EXPECT_EQ(trimSpaces(w.files.Tables.Diagrams[2].Name), "Alpha2");
}

TEST(ChooseDiagram, SameDiagramAgainKeepsTheOrderAndStartOverReshuffles) {
    Window w(Files{{"Diagrams_A.txt", diagrams(2)}});
    w.pickFile("A");
    w.pickDiagram("D2", {3, 4});
    EXPECT_TRUE(w.boardView.pieceShown[3]);
    w.pickDiagram("  D2  ", {5, 6});
    EXPECT_TRUE(w.boardView.pieceShown[3]);
    EXPECT_FALSE(w.boardView.pieceShown[5]);
    startOver(w.files, w.board, w.boardView, sequenceSource({5, 6}));
    EXPECT_TRUE(w.boardView.pieceShown[5]);
    EXPECT_FALSE(w.boardView.pieceShown[3]);
}

TEST(ChooseDiagram, ThePromptOrAnUnknownNameChangesNothing) {
    Window w(Files{{"Diagrams_A.txt", diagrams(2)}});
    w.pickFile("A");
    w.pickDiagram(w.lists.diagramList[2]);
    w.pickDiagram("No such diagram");
    EXPECT_EQ(w.files.SelectedDiagram, 0);
    EXPECT_FALSE(w.lists.solveEnabled);
    EXPECT_EQ(w.lists.diagramList.size(), 3u);
}

// A diagram far down a long file, whose tiles were not kept at the reading,
// is set up with its own tiles read again from the file.
TEST(SelectFile, ADiagramBeyondTheOnesKeptIsSetUpWithItsOwnTiles) {
    std::string text = diagrams(KeptDiagramTiles);
    text += "{Far}\r\n~A5~DOT~~C|far~the far one\r\n";
    Window w(Files{{"Diagrams_Long.txt", text}});
    w.pickFile("Long");
    ASSERT_EQ(w.files.Tables.DiagramCount, KeptDiagramTiles + 1);
    EXPECT_FALSE(w.files.Tables.Tiles.holds(KeptDiagramTiles + 1));
    w.pickDiagram("Far", {1});
    EXPECT_TRUE(w.rec.boxes.empty()) << w.rec.lastText();
    EXPECT_EQ(w.files.ShownDiagram, KeptDiagramTiles + 1);
    const Tile& tile = w.files.Tables.Tiles[KeptDiagramTiles + 1][1];
    EXPECT_EQ(trimSpaces(tile.Description), "the far one");
    EXPECT_EQ(tile.Row, 1);
    EXPECT_EQ(tile.Column, 5);
    EXPECT_TRUE(w.boardView.pieceShown[1]);
}
