// What a screen reader says of the board, in the interface language: the
// accessible names of tiles and cells and the announcements of the keyboard's
// moves. Latin-1 texts, built from the board as it stands.
#pragma once

#include <cstdint>
#include <string>

#include "puzzle/board/board.h"
#include "puzzle/board/tilekeys.h"

// The tile's label as one line ("Local Oscillator"), "" for a blank piece.
std::string tileLabel(const Board& board, const PuzzleFiles& files, int32_t piece);
// "Mixer, home row" / "Mixer, row 2 column 3".
std::string tileName(const Board& board, const PuzzleFiles& files, int32_t piece);
// The tile's description, trimmed.
std::string tileDescription(const Board& board, const PuzzleFiles& files, int32_t piece);
// "row 2, column 3, empty" / "row 2, column 3, holds Mixer".
std::string cellName(const Board& board, const PuzzleFiles& files, int32_t cell);
// What a key did: "Mixer picked up, row 1, column 4, free", "cell taken",
// "Mixer dropped on row 1, column 4" followed by the verdict when the board
// is complete. "" when the key did nothing.
std::string keyAnnouncement(const Board& board, const PuzzleFiles& files, const KeyResult& result);
