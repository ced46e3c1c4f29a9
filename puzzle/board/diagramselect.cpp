#include "puzzle/board/diagramselect.h"

#include "toolkit/errorbox.h"
#include "toolkit/text.h"

void selectDiagramFile(PuzzleFiles& files, Board& board, BoardView& boardView,
                       SelectionView& lists, const std::string& listText) {
    files.SelectedFile = files.DiagramFileCount + 1;
    const std::string wanted = trimSpaces(listText);
    for (int32_t i = 1; i <= files.DiagramFileCount; ++i) {
        if (trimSpaces(files.Files[static_cast<size_t>(i)].DisplayName) == wanted) {
            files.SelectedFile = i;
            break;
        }
    }

    if (files.LoadedFile != 0) {
        if (files.LoadedFile == files.SelectedFile) return;
        boardView.showCrossedOkSign(false);
        boardView.showOkSign(true);
        clearBoard(board, boardView);
        files.SelectedDiagram = 0;
        files.ShownDiagram = 0;
    }

    if (files.SelectedFile > files.DiagramFileCount) {
        myErrorBox(puzzleMessage(7));
        return;
    }

    if (files.DiagramFileCount > 1) lists.removeFileListEntry(files.DiagramFileCount + 1);

    // Read into fresh tables: after a failed read the diagram list still
    // shows the diagrams of the file loaded before, and choosing one of them
    // must find them in the tables.
    DiagramTables fresh;
    std::string widest;
    DiagramFileEntry& entry = files.Files[static_cast<size_t>(files.SelectedFile)];
    if (!readDiagramFile(entry.Path, files.TileFontName, fresh, widest)) return;
    files.Tables = std::move(fresh);
    entry.WidestLabelLine = fixedWidth(widest, WidestLabelLineWidth);

    lists.recordFileListPosition(files.SelectedFile);
    DiagramTables& tables = files.Tables;
    growDiagramTables(tables, tables.DiagramCount);
    const int32_t promptSlot = tables.DiagramCount + 1;
    tables.Diagrams[static_cast<size_t>(promptSlot)].Name =
        fixedWidth(diagramListPrompt(), DiagramNameWidth);
    std::vector<std::string> names;
    for (int32_t d = 1; d <= promptSlot; ++d) names.push_back(tables.Diagrams[static_cast<size_t>(d)].Name);
    lists.fillDiagramList(names);

    if (tables.DiagramCount == 1) {
        lists.selectDiagramListEntry(1);
        lists.postDiagramChosen();
    } else {
        lists.selectDiagramListEntry(promptSlot);
        lists.enableSolveAndStartOver(false);
    }
    lists.enableDiagramList(true);
    files.LoadedFile = files.SelectedFile;
}

void chooseDiagram(PuzzleFiles& files, Board& board, BoardView& boardView, SelectionView& lists,
                   const std::string& listText, const RandomSource& random) {
    const std::string wanted = trimSpaces(listText);
    for (int32_t d = 1; d <= files.Tables.DiagramCount; ++d) {
        if (trimSpaces(files.Tables.Diagrams[static_cast<size_t>(d)].Name) == wanted) {
            files.SelectedDiagram = d;
            break;
        }
    }
    if (files.ShownDiagram != 0 && files.ShownDiagram == files.SelectedDiagram) return;
    if (files.SelectedDiagram < 1 || files.SelectedDiagram > files.Tables.DiagramCount) return;
    // The tiles of a diagram far down a long file are read again now.
    if (!loadDiagramTiles(files.Files[static_cast<size_t>(files.LoadedFile)].Path, files.Tables,
                          files.SelectedDiagram)) {
        files.SelectedDiagram = files.ShownDiagram;  // the board keeps what it shows
        return;
    }
    lists.removeDiagramListEntry(files.Tables.DiagramCount + 1);
    lists.recordDiagramListPosition(files.SelectedDiagram);
    scatterTiles(files, random);
    setUpBoard(board, files, boardView);
    lists.enableSolveAndStartOver(true);
    files.ShownDiagram = files.SelectedDiagram;
}

void startOver(PuzzleFiles& files, Board& board, BoardView& boardView,
               const RandomSource& random) {
    if (files.LoadedFile == 0 || files.SelectedDiagram < 1 ||
        files.SelectedDiagram > files.Tables.DiagramCount)
        return;
    scatterTiles(files, random);
    setUpBoard(board, files, boardView);
}
