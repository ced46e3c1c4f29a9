// Choosing a diagram file and a diagram in the window's two lists.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/board/board.h"
#include "puzzle/diagram/diagramfile.h"

// What the file choice asks of the window's lists and buttons. Positions are
// 1-based list positions.
class SelectionView {
public:
    virtual ~SelectionView() = default;
    // Removes an entry of the file list; no effect when there is none there.
    virtual void removeFileListEntry(int32_t position) = 0;
    // The position the file list remembers (read again on a language switch).
    virtual void recordFileListPosition(int32_t position) = 0;
    // Empties the diagram list and adds these names in order.
    virtual void fillDiagramList(const std::vector<std::string>& names) = 0;
    virtual void removeDiagramListEntry(int32_t position) = 0;
    // Selects an entry of the diagram list and remembers its position.
    virtual void selectDiagramListEntry(int32_t position) = 0;
    // Remembers the position without changing the selection.
    virtual void recordDiagramListPosition(int32_t position) = 0;
    // Confirms the diagram list's selection later, as if the user had chosen
    // it (queued, not called from inside the file choice).
    virtual void postDiagramChosen() = 0;
    virtual void enableSolveAndStartOver(bool enabled) = 0;
    virtual void enableDiagramList(bool enabled) = 0;
};

// The user confirmed listText in the file list.
void selectDiagramFile(PuzzleFiles& files, Board& board, BoardView& boardView,
                       SelectionView& lists, const std::string& listText);

// The user confirmed listText in the diagram list.
void chooseDiagram(PuzzleFiles& files, Board& board, BoardView& boardView, SelectionView& lists,
                   const std::string& listText, const RandomSource& random);

// "Start Over": a fresh order of the same diagram.
void startOver(PuzzleFiles& files, Board& board, BoardView& boardView,
               const RandomSource& random);
