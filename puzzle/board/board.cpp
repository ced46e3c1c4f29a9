#include "puzzle/board/board.h"

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int32_t OffWindow = -104;

int32_t cellLeft(int32_t column) { return 4 + CellWidth * (column - 1); }
int32_t cellTop(int32_t row) { return 40 + CellHeight * (row - 1); }
int32_t homeLeft(int32_t column) { return 72 + 60 * (column - 1); }
int32_t homeTop(int32_t row) { return 208 + 56 * (row - 1); }

const Tile* tileOfPiece(const Board& board, const PuzzleFiles& files, int32_t piece) {
    const int32_t d = files.SelectedDiagram;
    if (d < 1 || d > files.Tables.DiagramCount) return nullptr;
    const int32_t t = board.Pieces[static_cast<size_t>(piece)].TileNumber;
    if (t < 1 || t > files.Tables.Diagrams[static_cast<size_t>(d)].TileCount) return nullptr;
    return &files.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(t)];
}

bool validPiece(int32_t piece) { return piece >= 1 && piece <= PieceCount; }

void measureAreas(Board& board) {
    const BoardCell& first = board.Cells[1];
    board.GridLeft = first.Left;
    board.GridTop = first.Top;
    board.GridWidth = 9 * CellWidth;
    board.GridHeight = 3 * CellHeight;
    const HomeSlot& h1 = board.HomeSlots[1];
    const HomeSlot& h12 = board.HomeSlots[HomeSlotCount];
    board.HomeLeft = h1.Left;
    board.HomeTop = h1.Top;
    board.HomeWidth = CellWidth + (h12.Left - h1.Left);
    board.HomeHeight = CellHeight + (h12.Top - h1.Top);
    board.AreasMeasured = true;
}

// Frees whatever the piece was resting on before a successful drop.
void leavePlace(Board& board, BoardView& view, TilePiece& p) {
    if (p.Home >= 1 && p.Home <= HomeSlotCount) board.HomeSlots[static_cast<size_t>(p.Home)].Occupied = 0;
    if (p.Cell >= 1 && p.Cell <= CellCount) {
        board.Cells[static_cast<size_t>(p.Cell)].Occupied = 0;
        if (board.HighlightValidTiles) view.showCheckMark(p.Cell, false);
    }
}

void sendBack(const Board& board, const PuzzleFiles& files, BoardView& view, int32_t piece) {
    const TilePiece& p = board.Pieces[static_cast<size_t>(piece)];
    view.movePiece(piece, p.Left, p.Top);
    if (p.Cell != 0 && board.HighlightValidTiles && p.Cell == pieceTarget(board, files, piece))
        view.showCheckMark(p.Cell, true);
}

}  // namespace

Board::Board() {
    for (int32_t c = 1; c <= CellCount; ++c) {
        BoardCell& cell = Cells[static_cast<size_t>(c)];
        cell.Left = cellLeft((c - 1) % 9 + 1);
        cell.Top = cellTop((c - 1) / 9 + 1);
        // The frames are created hidden, so no frame counts as shown: the
        // first set-up must show the skeleton's frames itself.
        cell.Presence = 0;
    }
    for (int32_t s = 1; s <= HomeSlotCount; ++s) {
        HomeSlot& slot = HomeSlots[static_cast<size_t>(s)];
        slot.Left = homeLeft((s - 1) % 6 + 1);
        slot.Top = homeTop((s - 1) / 6 + 1);
        slot.Occupied = 1;
        TilePiece& piece = Pieces[static_cast<size_t>(s)];
        piece.Presence = 1;
        piece.Left = slot.Left;
        piece.Top = slot.Top;
        piece.Home = s;
    }
}

int32_t pieceTarget(const Board& board, const PuzzleFiles& files, int32_t piece) {
    if (!validPiece(piece)) return 0;
    const Tile* tile = tileOfPiece(board, files, piece);
    if (!tile || !hasPosition(*tile)) return 0;
    return tile->TargetCell >= 1 && tile->TargetCell <= CellCount ? tile->TargetCell : 0;
}

RandomSource defaultRandomSource() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(*engine);
    };
}

void scatterTiles(PuzzleFiles& files, const RandomSource& random) {
    const int32_t d = files.SelectedDiagram;
    if (d < 1 || d > files.Tables.DiagramCount) return;
    const int32_t count = std::min(files.Tables.Diagrams[static_cast<size_t>(d)].TileCount, PieceCount);
    std::array<bool, PieceCount + 1> taken{};
    for (int32_t t = 1; t <= count; ++t) {
        int32_t slot = 0;
        // A sound source finds a free slot quickly; the bound only keeps a
        // broken one from hanging the window.
        for (int tries = 0; tries < 10000; ++tries) {
            int32_t k = random(1, PieceCount);
            if (k >= 1 && k <= PieceCount && !taken[static_cast<size_t>(k)]) {
                slot = k;
                break;
            }
        }
        for (int32_t k = 1; slot == 0 && k <= PieceCount; ++k)
            if (!taken[static_cast<size_t>(k)]) slot = k;
        taken[static_cast<size_t>(slot)] = true;
        files.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(t)].ScatterSlot = slot;
    }
}

void setUpBoard(Board& board, PuzzleFiles& files, BoardView& view) {
    const int32_t d = files.SelectedDiagram;
    if (d < 1 || d > files.Tables.DiagramCount) return;
    dropBackHeldTile(board, view);
    const Diagram& diagram = files.Tables.Diagrams[static_cast<size_t>(d)];

    int32_t rowShift = 0, columnShift = 0;
    if (board.CenterDiagrams && diagram.RowMask != 0 && diagram.ColumnMask != 0) {
        for (int32_t r = 3; r >= 1 && !(diagram.RowMask & (1u << (r - 1))); --r) ++rowShift;
        int32_t emptyRight = 0, emptyLeft = 0;
        for (int32_t c = 9; c >= 1 && !(diagram.ColumnMask & (1u << (c - 1))); --c) ++emptyRight;
        for (int32_t c = 1; c <= 9 && !(diagram.ColumnMask & (1u << (c - 1))); ++c) ++emptyLeft;
        columnShift = (emptyLeft + emptyRight) / 2 - emptyLeft;
    }

    const int32_t count = std::min(diagram.TileCount, MaxTilesPerDiagram);
    for (int32_t t = 1; t <= count; ++t) {
        Tile& tile = files.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(t)];
        tile.TargetCell = 0;
        // A tile without a valid position has no cell to go to; it stays off
        // the board so the rest of the diagram can still be completed.
        if (!hasPosition(tile) || tile.ScatterSlot < 1 || tile.ScatterSlot > PieceCount) continue;
        const int32_t target = (rowShift + tile.Row - 1) * 9 + tile.Column + columnShift;
        if (target < 1 || target > CellCount) continue;
        tile.TargetCell = target;
        board.Cells[static_cast<size_t>(target)].Presence |= 2;
        TilePiece& piece = board.Pieces[static_cast<size_t>(tile.ScatterSlot)];
        piece.Presence |= 2;
        piece.TileNumber = t;
    }

    view.showOkSign(false);
    view.showCrossedOkSign(false);

    for (int32_t c = 1; c <= CellCount; ++c) {
        BoardCell& cell = board.Cells[static_cast<size_t>(c)];
        const bool shown = cell.Presence & 1, needed = cell.Presence & 2;
        if (needed && !shown) {
            view.showCellFrame(c, true);
        } else if (shown && !needed) {
            view.showCellFrame(c, false);
            view.showCheckMark(c, false);
        } else if (shown && needed) {
            view.showCheckMark(c, false);
        }
        cell.Presence >>= 1;
        cell.Occupied = 0;
    }

    for (int32_t p = 1; p <= PieceCount; ++p) {
        TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        HomeSlot& slot = board.HomeSlots[static_cast<size_t>(p)];
        const bool shown = piece.Presence & 1, used = piece.Presence & 2;
        if (used) {
            if (shown) view.showPiece(p, false);
            view.movePiece(p, slot.Left, slot.Top);
            piece.Left = slot.Left;
            piece.Top = slot.Top;
            piece.Home = p;
            piece.Cell = 0;
            slot.Occupied = 1;
            view.drawTileFace(
                p, files.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(piece.TileNumber)]);
            view.showPiece(p, true);
        } else if (shown) {
            view.showPiece(p, false);
            view.movePiece(p, OffWindow, OffWindow);
            piece.Home = 0;
            piece.Cell = 0;
            slot.Occupied = 0;
        } else {
            slot.Occupied = 0;
        }
        piece.Presence >>= 1;
    }
}

void clearBoard(Board& board, BoardView& view) {
    dropBackHeldTile(board, view);
    for (int32_t c = 1; c <= CellCount; ++c) view.showCheckMark(c, false);
    for (int32_t p = 1; p <= PieceCount; ++p) {
        TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        HomeSlot& slot = board.HomeSlots[static_cast<size_t>(p)];
        view.movePiece(p, slot.Left, slot.Top);
        view.clearTileFace(p);
        view.showPiece(p, true);
        piece.Presence = 1;
        piece.Left = slot.Left;
        piece.Top = slot.Top;
        piece.Home = p;
        piece.Cell = 0;
        slot.Occupied = 1;
    }
    for (int32_t c = 1; c <= CellCount; ++c) {
        view.showCellFrame(c, true);
        board.Cells[static_cast<size_t>(c)].Presence = 1;
        board.Cells[static_cast<size_t>(c)].Occupied = 0;
    }
}

void dropTile(Board& board, const PuzzleFiles& files, BoardView& view, int32_t piece, int32_t x,
              int32_t y) {
    if (!validPiece(piece)) return;
    if (!board.AreasMeasured) measureAreas(board);
    TilePiece& p = board.Pieces[static_cast<size_t>(piece)];

    if (y < board.GridTop + board.GridHeight - 25) {
        // Integer division truncates: the nearest cell by the top left corner.
        const int32_t row = (y - board.GridTop + 24) / CellHeight + 1;
        const int32_t column = (x - board.GridLeft + 28) / CellWidth + 1;
        const int32_t c = (row - 1) * 9 + column;
        if (row >= 1 && row <= 3 && column >= 1 && column <= 9 &&
            (board.Cells[static_cast<size_t>(c)].Presence & 1) &&
            !board.Cells[static_cast<size_t>(c)].Occupied) {
            BoardCell& cell = board.Cells[static_cast<size_t>(c)];
            view.movePiece(piece, cell.Left, cell.Top);
            leavePlace(board, view, p);
            p.Home = 0;
            p.Cell = c;
            p.Left = cell.Left;
            p.Top = cell.Top;
            cell.Occupied = 1;
            if (board.HighlightValidTiles && c == pieceTarget(board, files, piece))
                view.showCheckMark(c, true);
            updateOkSign(board, files, view, 1);
        } else {
            sendBack(board, files, view, piece);
        }
        return;
    }

    if (y < board.HomeTop + board.HomeHeight - 25 && x > board.HomeLeft - 29 &&
        x < board.HomeLeft + board.HomeWidth - 29) {
        // The divisors are the cell size, not the spacing of the home slots.
        const int32_t row = (y - board.HomeTop + 24) / CellHeight + 1;
        const int32_t column = (x - board.HomeLeft + 28) / CellWidth + 1;
        const int32_t s = (row - 1) * 6 + column;
        if (row >= 1 && row <= 2 && column >= 1 && column <= 6 &&
            !board.HomeSlots[static_cast<size_t>(s)].Occupied) {
            HomeSlot& slot = board.HomeSlots[static_cast<size_t>(s)];
            view.movePiece(piece, slot.Left, slot.Top);
            leavePlace(board, view, p);
            p.Home = s;
            p.Cell = 0;
            p.Left = slot.Left;
            p.Top = slot.Top;
            slot.Occupied = 1;
            updateOkSign(board, files, view, 0);
        } else {
            sendBack(board, files, view, piece);
        }
        return;
    }

    sendBack(board, files, view, piece);
}

BoardVerdict boardVerdict(const Board& board, const PuzzleFiles& files) {
    int32_t total = 0, placed = 0, right = 0;
    for (int32_t p = 1; p <= PieceCount; ++p) {
        const TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        if (!(piece.Presence & 1)) continue;
        ++total;
        if (piece.Cell != 0) ++placed;
        if (piece.Cell != 0 && piece.Cell == pieceTarget(board, files, p)) ++right;
    }
    if (right == total) return BoardVerdict::Right;
    return placed == total ? BoardVerdict::Wrong : BoardVerdict::Incomplete;
}

void updateOkSign(const Board& board, const PuzzleFiles& files, BoardView& view, int mode) {
    if (files.SelectedDiagram == 0) return;
    const BoardVerdict verdict = mode == 0 ? BoardVerdict::Incomplete : boardVerdict(board, files);
    view.showOkSign(verdict == BoardVerdict::Right);
    view.showCrossedOkSign(verdict == BoardVerdict::Wrong);
}

int32_t pieceInCell(const Board& board, int32_t cell) {
    if (cell < 1 || cell > CellCount) return 0;
    for (int32_t p = 1; p <= PieceCount; ++p) {
        const TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        if ((piece.Presence & 1) && piece.Cell == cell) return p;
    }
    return 0;
}

void dropBackHeldTile(Board& board, BoardView& view) {
    if (board.Held.Piece == 0) return;
    // The held tile never left its place: only the frame goes.
    board.Held = KeyHold{};
    view.showTargetFrame(0, 0);
}

void solveBoard(Board& board, const PuzzleFiles& files, BoardView& view) {
    dropBackHeldTile(board, view);
    for (int32_t p = 1; p <= PieceCount; ++p) {
        TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        const int32_t target = pieceTarget(board, files, p);
        if (!(piece.Presence & 1) || target == 0 || piece.Cell == target) continue;
        BoardCell& cell = board.Cells[static_cast<size_t>(target)];
        view.showPiece(p, false);
        view.movePiece(p, cell.Left, cell.Top);
        if (piece.Home >= 1 && piece.Home <= HomeSlotCount)
            board.HomeSlots[static_cast<size_t>(piece.Home)].Occupied = 0;
        if (piece.Cell >= 1 && piece.Cell <= CellCount)
            board.Cells[static_cast<size_t>(piece.Cell)].Occupied = 0;
        piece.Home = 0;
        piece.Cell = target;
        piece.Left = cell.Left;
        piece.Top = cell.Top;
        cell.Occupied = 1;
        view.showPiece(p, true);
        if (board.HighlightValidTiles) view.showCheckMark(target, true);
    }
    // A wrong piece that left a cell after its rightful tile had already
    // moved in freed that cell above; take occupancy from where pieces are.
    for (int32_t p = 1; p <= PieceCount; ++p) {
        const TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        if ((piece.Presence & 1) && piece.Cell >= 1 && piece.Cell <= CellCount)
            board.Cells[static_cast<size_t>(piece.Cell)].Occupied = 1;
    }
    updateOkSign(board, files, view, 1);
}

void setHighlight(Board& board, const PuzzleFiles& files, BoardView& view, bool on) {
    board.HighlightValidTiles = on;
    for (int32_t p = 1; p <= PieceCount; ++p) {
        const TilePiece& piece = board.Pieces[static_cast<size_t>(p)];
        if ((piece.Presence & 1) && piece.Cell != 0 && piece.Cell == pieceTarget(board, files, p))
            view.showCheckMark(piece.Cell, on);
    }
}

bool dragMove(DragState& drag, int32_t pieceX, int32_t pieceY, int32_t mouseX, int32_t mouseY,
              int32_t& newX, int32_t& newY) {
    if (!drag.Dragging) return false;
    if (mouseX == drag.LastMouseX && mouseY == drag.LastMouseY) return false;
    const int32_t x = pieceX + (mouseX - drag.LastMouseX);
    const int32_t y = pieceY + (mouseY - drag.LastMouseY);
    if (x < -22 || x > drag.DragLimitX + 22 || y < -22 || y > drag.DragLimitY + 22) return false;
    newX = x;
    newY = y;
    drag.LastMouseX = mouseX;
    drag.LastMouseY = mouseY;
    return true;
}
