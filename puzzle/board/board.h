// The board: a 3 x 9 grid of cells holding the skeleton of one diagram, 12
// home slots below it, and the 12 tile pieces the user drags between them.
// Positions are in dialog units of the puzzle window. The board drives the
// window only through BoardView.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "puzzle/diagram/diagramfile.h"

inline constexpr int32_t CellCount = 27;
inline constexpr int32_t HomeSlotCount = 12;
inline constexpr int32_t PieceCount = 12;
inline constexpr int32_t CellWidth = 56;
inline constexpr int32_t CellHeight = 48;

struct BoardCell {
    int32_t Left = 0;
    int32_t Top = 0;
    uint32_t Presence = 0;  // bit 0 frame shown, bit 1 needed by the diagram being set up
    int32_t Occupied = 0;
};

struct HomeSlot {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Occupied = 0;
};

struct TilePiece {
    uint32_t Presence = 0;  // bit 0 in use on screen, bit 1 used by the diagram being set up
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Cell = 0;
    int32_t Home = 0;
    int32_t TileNumber = 0;
};

// A tile picked up with the keyboard and the target frame it is moved with.
// The tile itself stays where it rests until it is dropped.
struct KeyHold {
    int32_t Piece = 0;   // the piece held, 0 when none
    int32_t Cell = 0;    // cell under the target frame, 0 when the frame is on the home slots
    int32_t Column = 1;  // column the frame comes back to from the home slots
};

struct Board {
    std::array<BoardCell, CellCount + 1> Cells;       // 1 to 27; 0 spare
    std::array<HomeSlot, HomeSlotCount + 1> HomeSlots;  // 1 to 12; 0 spare
    std::array<TilePiece, PieceCount + 1> Pieces;     // 1 to 12
    bool CenterDiagrams = true;
    bool HighlightValidTiles = false;
    bool LeftHanded = false;
    // Areas where drops are taken, measured at the first drop.
    bool AreasMeasured = false;
    int32_t GridLeft = 0, GridTop = 0, GridWidth = 0, GridHeight = 0;
    int32_t HomeLeft = 0, HomeTop = 0, HomeWidth = 0, HomeHeight = 0;
    KeyHold Held;

    Board();  // the start state: frames and pieces created hidden, every home slot taken
};

// What the board asks of the window. Positions are dialog units.
class BoardView {
public:
    virtual ~BoardView() = default;
    virtual void showCellFrame(int32_t cell, bool shown) = 0;
    virtual void showCheckMark(int32_t cell, bool shown) = 0;
    virtual void showPiece(int32_t piece, bool shown) = 0;
    virtual void movePiece(int32_t piece, int32_t left, int32_t top) = 0;
    virtual void drawTileFace(int32_t piece, const Tile& tile) = 0;
    virtual void clearTileFace(int32_t piece) = 0;
    virtual void showOkSign(bool shown) = 0;
    virtual void showCrossedOkSign(bool shown) = 0;
    // The keyboard's target frame over a cell (1 to 27) or a home slot (1 to
    // 12); hidden when both are 0.
    virtual void showTargetFrame(int32_t cell, int32_t homeSlot) = 0;
};

// Draws a whole number from low to high inclusive, uniformly.
using RandomSource = std::function<int32_t(int32_t low, int32_t high)>;
// Seeded once from the system's entropy source.
RandomSource defaultRandomSource();

void scatterTiles(PuzzleFiles& files, const RandomSource& random);
void setUpBoard(Board& board, PuzzleFiles& files, BoardView& view);
void clearBoard(Board& board, BoardView& view);
// (x, y): the piece's top left corner in dialog units when the button was released.
void dropTile(Board& board, const PuzzleFiles& files, BoardView& view, int32_t piece, int32_t x,
              int32_t y);
void updateOkSign(const Board& board, const PuzzleFiles& files, BoardView& view, int mode);

// What the OK signs say of the board.
enum class BoardVerdict { Incomplete, Right, Wrong };
BoardVerdict boardVerdict(const Board& board, const PuzzleFiles& files);
// The piece resting in a cell, 0 when none.
int32_t pieceInCell(const Board& board, int32_t cell);
// A tile held with the keyboard goes back where it was picked up.
void dropBackHeldTile(Board& board, BoardView& view);
void solveBoard(Board& board, const PuzzleFiles& files, BoardView& view);
void setHighlight(Board& board, const PuzzleFiles& files, BoardView& view, bool on);

// The target cell of the tile a piece shows, 0 when it has none.
int32_t pieceTarget(const Board& board, const PuzzleFiles& files, int32_t piece);

// Dragging, in client pixels. A move that would put the piece's corner more
// than 22 pixels beyond the client area is ignored.
struct DragState {
    bool Dragging = false;
    int32_t DraggedPiece = 0;
    int32_t LastMouseX = 0, LastMouseY = 0;
    int32_t DragLimitX = 0, DragLimitY = 0;  // client size minus piece size
};
// Returns false (and leaves LastMouse) when the move is ignored; otherwise
// sets the new corner and takes the point as LastMouse.
bool dragMove(DragState& drag, int32_t pieceX, int32_t pieceY, int32_t mouseX, int32_t mouseY,
              int32_t& newX, int32_t& newY);
