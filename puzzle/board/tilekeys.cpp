#include "puzzle/board/tilekeys.h"

namespace {

constexpr int32_t Columns = 9, Rows = 3;

int32_t rowOf(int32_t cell) {
    return (cell - 1) / Columns + 1;
}
int32_t columnOf(int32_t cell) {
    return (cell - 1) % Columns + 1;
}
int32_t cellAt(int32_t row, int32_t column) {
    return (row - 1) * Columns + column;
}

bool inSkeleton(const Board& board, int32_t cell) {
    return board.Cells[static_cast<size_t>(cell)].Presence & 1;
}

// A tile at home starts on the first free cell of the skeleton, so that a
// diagram filled from the left needs the fewest keys.
int32_t startCell(const Board& board, const TilePiece& piece) {
    if (piece.Cell >= 1 && piece.Cell <= CellCount) return piece.Cell;
    for (int32_t c = 1; c <= CellCount; ++c)
        if (inSkeleton(board, c) && !board.Cells[static_cast<size_t>(c)].Occupied) return c;
    for (int32_t c = 1; c <= CellCount; ++c)
        if (inSkeleton(board, c)) return c;
    return 1;
}

void showFrame(const Board& board, BoardView& view) {
    const KeyHold& held = board.Held;
    view.showTargetFrame(held.Cell, held.Cell == 0 ? homeSlotFor(board, held.Piece) : 0);
}

KeyResult pickUp(Board& board, const PuzzleFiles& files, BoardView& view, int32_t piece) {
    if (piece < 1 || piece > PieceCount || files.SelectedDiagram == 0) return {};
    const TilePiece& p = board.Pieces[static_cast<size_t>(piece)];
    const int32_t d = files.SelectedDiagram;
    const bool showsTile = d <= files.Tables.DiagramCount && p.TileNumber >= 1 &&
                           p.TileNumber <= files.Tables.Diagrams[static_cast<size_t>(d)].TileCount;
    if (!(p.Presence & 1) || !showsTile) return {};
    const int32_t cell = startCell(board, p);
    board.Held = KeyHold{piece, cell, columnOf(cell)};
    showFrame(board, view);
    return {KeyNews::PickedUp, piece, cell, 0};
}

KeyResult moveFrame(Board& board, BoardView& view, TileKey key) {
    KeyHold& held = board.Held;
    if (held.Cell == 0) {
        // On the home slots only Up leads anywhere: back to the bottom row.
        if (key == TileKey::Up) held.Cell = cellAt(Rows, held.Column);
    } else {
        int32_t row = rowOf(held.Cell), column = columnOf(held.Cell);
        if (key == TileKey::Left && column > 1) --column;
        if (key == TileKey::Right && column < Columns) ++column;
        if (key == TileKey::Up && row > 1) --row;
        if (key == TileKey::Down) ++row;
        held.Column = column;
        held.Cell = row > Rows ? 0 : cellAt(row, column);
    }
    showFrame(board, view);
    return {KeyNews::Moved, held.Piece, held.Cell,
            held.Cell == 0 ? homeSlotFor(board, held.Piece) : 0};
}

KeyResult drop(Board& board, const PuzzleFiles& files, BoardView& view) {
    const KeyHold held = board.Held;
    const TilePiece& p = board.Pieces[static_cast<size_t>(held.Piece)];
    KeyResult result{KeyNews::Nothing, held.Piece, held.Cell, 0};
    if (held.Cell != 0) {
        const BoardCell& cell = board.Cells[static_cast<size_t>(held.Cell)];
        const bool own = p.Cell == held.Cell;
        // The same drop as the mouse's, with the corner right on the cell.
        dropTile(board, files, view, held.Piece, cell.Left, cell.Top);
        if (own) {
            result.News = KeyNews::PutBack;
        } else if (p.Cell == held.Cell) {
            result.News = KeyNews::Dropped;
        } else {
            // Refused: the tile stays held so another cell can be tried.
            result.News = inSkeleton(board, held.Cell) ? KeyNews::Taken : KeyNews::NotInDiagram;
            return result;
        }
    } else {
        const int32_t slot = homeSlotFor(board, held.Piece);
        const bool own = slot != 0 && p.Home == slot;
        if (slot != 0) {
            const HomeSlot& home = board.HomeSlots[static_cast<size_t>(slot)];
            dropTile(board, files, view, held.Piece, home.Left, home.Top);
        }
        result.News = own || slot == 0 ? KeyNews::PutBack : KeyNews::DroppedHome;
        result.Home = p.Home;
    }
    result.Verdict = boardVerdict(board, files);
    dropBackHeldTile(board, view);
    return result;
}

} // namespace

int32_t homeSlotFor(const Board& board, int32_t piece) {
    if (piece < 1 || piece > PieceCount) return 0;
    const TilePiece& p = board.Pieces[static_cast<size_t>(piece)];
    if (p.Home >= 1 && p.Home <= HomeSlotCount) return p.Home;
    for (int32_t s = 1; s <= HomeSlotCount; ++s)
        if (!board.HomeSlots[static_cast<size_t>(s)].Occupied) return s;
    return 0;
}

KeyResult pressTileKey(Board& board, const PuzzleFiles& files, BoardView& view,
                       int32_t focusedPiece, TileKey key) {
    const int32_t held = board.Held.Piece;
    if (held == 0)
        return key == TileKey::Take ? pickUp(board, files, view, focusedPiece) : KeyResult{};
    switch (key) {
    case TileKey::Take:
        return drop(board, files, view);
    case TileKey::Cancel:
        dropBackHeldTile(board, view);
        return {KeyNews::PutBack, held, board.Pieces[static_cast<size_t>(held)].Cell,
                board.Pieces[static_cast<size_t>(held)].Home};
    default:
        return moveFrame(board, view, key);
    }
}
