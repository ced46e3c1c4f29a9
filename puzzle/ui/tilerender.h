// Everything the puzzle draws itself: tile faces (the block symbol, its
// connection stubs and its text), cell frames and the two OK signs. Tiles
// are drawn in pixels, in proportion to the tile's size, into pictures the
// window's controls then only show.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <string>
#include <vector>

#include "puzzle/diagram/diagramfile.h"

struct TileColours {
    QColor Line;        // symbols, stubs, arrowheads
    QColor Background;  // tile faces, text background
};
// 8-bit displays get plain black on white; deeper ones grey on pale yellow.
TileColours tileColours(int displayDepth);

// Bits per pixel of the primary screen, 0 when there is none.
int displayDepth();
// Vertical dots per inch that point sizes are turned into pixels with.
double screenDpi();

// A bold or regular font of the face at a point size, as the puzzle makes them.
QFont puzzleFont(const std::string& face, int points, bool bold);

// Has the diagram reader measure label lines with the tile face as it is
// really drawn.
void measureLabelsWithTileFonts();

// Bold sizes tried for the tile text, largest first; the first whose widest
// line fits in 0.88 of the tile width stays (the last one when none fits).
inline constexpr int TileFontSizes[] = {20, 18, 16, 14, 12, 11, 10, 9, 8};
int fitTileFontPoints(const std::string& face, const std::string& widestLine, int tileWidth);

// Sizes tried for the OK sign; the first whose "OK" fits in 0.8 of w stays.
inline constexpr int OkSignFontSizes[] = {48, 44, 40, 36, 32, 28, 26, 24, 22};
int fitOkSignPoints(const std::string& face, int innerWidth);

struct TileFonts {
    QFont Tile;     // bold
    QFont Slanted;  // regular, written at -45 degrees
};
TileFonts tileFonts(const std::string& face, int points);

// A stub's walk from the tile edge: where it starts and where it met the
// symbol (or gave up near the middle).
struct StubPath {
    QPoint Start, Stop;
    bool Arrow = false;
};

// The face of one tile; stubs, when given, receives the stubs drawn.
QImage drawTile(const Tile& tile, QSize size, const TileColours& colours, const TileFonts& fonts,
                std::vector<StubPath>* stubs = nullptr);

// An empty cell of the skeleton: white with a blue frame on its outermost pixels.
QImage drawCellFrame(QSize size);

// The large sign: a thick green frame around "OK", or red and struck through.
QImage drawOkSign(QSize size, bool crossedOut, const QFont& okFont, const QColor& background);

// A picture at the screen's resolution, so point-sized fonts come out as
// they measure.
QImage newSurface(QSize size, const QColor& fill);
