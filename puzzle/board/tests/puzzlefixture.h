// One diagram built in memory on a board with a recording view, for the
// board's and the keyboard's tests.
#pragma once

#include <string>
#include <vector>

#include "puzzle/board/board.h"
#include "puzzle/board/tests/recordingviews.h"
#include "toolkit/text.h"

struct TileSpec {
    const char* position;
    const char* label = "C|x";
};

// One diagram built in memory; tile t gets piece (and home slot) slots[t-1].
struct Puzzle {
    PuzzleFiles files;
    Board board;
    RecordingBoardView view;

    Puzzle(const std::vector<TileSpec>& tiles, std::vector<int32_t> slots = {},
           bool centre = false) {
        DiagramTables& tables = files.Tables;
        tables.DiagramCount = 1;
        Diagram& d = tables.Diagrams[1];
        d.Name = fixedWidth("Test", 40);
        for (const TileSpec& given : tiles) {
            Tile& tile = tables.Tiles[1][++d.TileCount];
            std::string pos = given.position;
            if (pos.size() == 2 && pos[0] >= 'A' && pos[0] <= 'C' && pos[1] >= '1' && pos[1] <= '9') {
                tile.Row = pos[0] - 64;
                tile.Column = pos[1] - '0';
                d.RowMask |= 1u << (tile.Row - 1);
                d.ColumnMask |= 1u << (tile.Column - 1);
            }
            tile.Kind = fixedWidth("BOX", 6);
            tile.Label = fixedWidth(given.label, 45);
        }
        files.SelectedDiagram = 1;
        files.LoadedFile = 1;
        if (slots.empty())
            for (int32_t t = 1; t <= d.TileCount; ++t) slots.push_back(t);
        board.CenterDiagrams = centre;
        scatterTiles(files, sequenceSource(slots));
        setUpBoard(board, files, view);
    }

    const Tile& tile(int32_t t) const { return files.Tables.Tiles[1][t]; }
    int32_t pieceOf(int32_t t) const { return tile(t).ScatterSlot; }
    const TilePiece& piece(int32_t p) const { return board.Pieces[p]; }

    // Drops tile t with its corner at the given offset from a cell's corner.
    void dropOnCell(int32_t t, int32_t cell, int32_t dx = 0, int32_t dy = 0) {
        dropTile(board, files, view, pieceOf(t), board.Cells[cell].Left + dx,
                 board.Cells[cell].Top + dy);
    }
    void dropOnHome(int32_t t, int32_t slot) {
        dropTile(board, files, view, pieceOf(t), board.HomeSlots[slot].Left,
                 board.HomeSlots[slot].Top);
    }
    void placeAllRight() {
        for (int32_t t = 1; t <= files.Tables.Diagrams[1].TileCount; ++t)
            if (hasPosition(tile(t))) dropOnCell(t, tile(t).TargetCell);
    }
};

inline int32_t cellAt(const char* position) { return (position[0] - 'A') * 9 + (position[1] - '0'); }
