// Moving tiles with the keyboard, the way accessible drag-and-drop goes:
// Space or Enter picks the focused tile up, the arrow keys move a target
// frame over the cells (and down to the home slots), Space or Enter drops
// the tile there through the mouse's own drop, Escape puts it back.
#pragma once

#include <cstdint>

#include "puzzle/board/board.h"

enum class TileKey { Take, Left, Right, Up, Down, Cancel };

// What a key did, for whoever voices it.
enum class KeyNews {
    Nothing,      // the key is not for the board (nothing held, no tile to take)
    PickedUp,     // Cell: where the frame starts (0: the home slots)
    Moved,        // the frame went to Cell (0: the home slots)
    Dropped,      // the tile now rests in Cell
    DroppedHome,  // the tile now rests in home slot Home
    Taken,        // refused: Cell holds another tile; the tile stays held
    NotInDiagram, // refused: Cell is not part of the skeleton; the tile stays held
    PutBack,      // the tile is back where it was picked up
};

struct KeyResult {
    KeyNews News = KeyNews::Nothing;
    int32_t Piece = 0;
    int32_t Cell = 0;
    int32_t Home = 0;
    BoardVerdict Verdict = BoardVerdict::Incomplete; // after a drop
};

// focusedPiece: the tile that has the keyboard focus (picked up by Take).
KeyResult pressTileKey(Board& board, const PuzzleFiles& files, BoardView& view,
                       int32_t focusedPiece, TileKey key);

// The home slot a tile held over the home slots goes to: its own slot when
// it rests in one, otherwise the first free one.
int32_t homeSlotFor(const Board& board, int32_t piece);
