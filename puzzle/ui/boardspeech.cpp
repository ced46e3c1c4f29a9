#include "puzzle/ui/boardspeech.h"

#include "puzzle/ui/puzzletexts.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

namespace {

int32_t rowOf(int32_t cell) {
    return (cell - 1) / 9 + 1;
}
int32_t columnOf(int32_t cell) {
    return (cell - 1) % 9 + 1;
}

const Tile* tileOf(const Board& board, const PuzzleFiles& files, int32_t piece) {
    if (piece < 1 || piece > PieceCount) return nullptr;
    const int32_t d = files.SelectedDiagram;
    const int32_t t = board.Pieces[static_cast<size_t>(piece)].TileNumber;
    if (d < 1 || d > files.Tables.DiagramCount || t < 1 ||
        t > files.Tables.Diagrams[static_cast<size_t>(d)].TileCount)
        return nullptr;
    return &files.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(t)];
}

// Where the frame is, as the arrows reach it.
std::string frameText(const Board& board, const PuzzleFiles& files, int32_t cell) {
    if (cell < 1 || cell > CellCount) return speechText(OverHomeSlots);
    const int32_t r = rowOf(cell), c = columnOf(cell);
    if (!(board.Cells[static_cast<size_t>(cell)].Presence & 1))
        return fillMask(speechText(CellOutside), {r, c});
    const int32_t occupant = pieceInCell(board, cell);
    if (occupant == 0) return fillMask(speechText(CellFree), {r, c});
    return fillMask(speechText(CellHolds), {r, c, tileLabel(board, files, occupant)});
}

} // namespace

std::string tileLabel(const Board& board, const PuzzleFiles& files, int32_t piece) {
    const Tile* tile = tileOf(board, files, piece);
    if (!tile) return std::string();
    // A backslash breaks the label into lines on the tile; read aloud it is a space.
    std::string text = splitLabel(tile->Label).Text;
    for (char& ch : text)
        if (ch == '\\') ch = ' ';
    return trimSpaces(text);
}

std::string tileName(const Board& board, const PuzzleFiles& files, int32_t piece) {
    if (!tileOf(board, files, piece)) return speechText(BlankTile);
    const std::string label = tileLabel(board, files, piece);
    const int32_t cell = board.Pieces[static_cast<size_t>(piece)].Cell;
    if (cell < 1 || cell > CellCount) return fillMask(speechText(TileAtHome), {label});
    return fillMask(speechText(TileInCell), {label, rowOf(cell), columnOf(cell)});
}

std::string tileDescription(const Board& board, const PuzzleFiles& files, int32_t piece) {
    const Tile* tile = tileOf(board, files, piece);
    return tile ? trimBlanks(tile->Description) : std::string();
}

std::string cellName(const Board& board, const PuzzleFiles& files, int32_t cell) {
    if (cell < 1 || cell > CellCount) return std::string();
    const int32_t occupant = pieceInCell(board, cell);
    if (occupant == 0) return fillMask(speechText(CellEmpty), {rowOf(cell), columnOf(cell)});
    return fillMask(speechText(CellHolds),
                    {rowOf(cell), columnOf(cell), tileLabel(board, files, occupant)});
}

std::string keyAnnouncement(const Board& board, const PuzzleFiles& files, const KeyResult& result) {
    const std::string label = tileLabel(board, files, result.Piece);
    std::string said;
    switch (result.News) {
    case KeyNews::Nothing:
        return std::string();
    case KeyNews::PickedUp:
        return fillMask(speechText(PickedUp), {label}) + ", " +
               frameText(board, files, result.Cell);
    case KeyNews::Moved:
        return frameText(board, files, result.Cell);
    case KeyNews::Taken:
        return speechText(CellTaken);
    case KeyNews::NotInDiagram:
        return speechText(CellNotInDiagram);
    case KeyNews::PutBack:
        return fillMask(speechText(PutBack), {label});
    case KeyNews::DroppedHome:
        return fillMask(speechText(DroppedHome), {label});
    case KeyNews::Dropped:
        said =
            fillMask(speechText(DroppedOnCell), {label, rowOf(result.Cell), columnOf(result.Cell)});
        break;
    }
    if (result.Verdict == BoardVerdict::Right) said += ". " + speechText(VerdictRight);
    if (result.Verdict == BoardVerdict::Wrong) said += ". " + speechText(VerdictWrong);
    return said;
}
