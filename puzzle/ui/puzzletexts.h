// Every text the puzzle's window and start-up show, in English (column 0)
// and French (column 1). Tables are filled once, converting the UTF-8 source
// literals to the program's Latin-1.
#pragma once

#include <array>
#include <string>

#include "toolkit/gui/tooltips.h"

using TextPair = std::array<std::string, 2>;

inline constexpr int FirstCaptionId = 2000;
inline constexpr int LastCaptionId = 2009;

// What a screen reader is told of the board: accessible names and the
// announcements of the keyboard's moves. Masks filled with fillMask.
enum SpeechText {
    TileAtHome = 1,   // label
    TileInCell,       // label, row, column
    BlankTile,
    CellEmpty,        // row, column
    CellHolds,        // row, column, label
    CellFree,         // row, column
    CellOutside,      // row, column
    OverHomeSlots,
    PickedUp,         // label
    DroppedOnCell,    // label, row, column
    DroppedHome,      // label
    CellTaken,
    CellNotInDiagram,
    PutBack,          // label
    VerdictRight,
    VerdictWrong,
    OkSignName,
    CrossedSignName,
    StartOverDone,
    SolvedDone,
    HighlightOn,
    HighlightOff,
    DiagramChosen,    // title, tile count
    FileChosen,       // file name, diagram count
    LanguageSwitched,
    SpeechCount = LanguageSwitched
};

struct PuzzleTexts {
    // Menus 0 File, 1 Tools, 2 Help; item 0 is the menu's title.
    std::array<std::array<TextPair, 5>, 3> Menu;
    std::array<TextPair, LastCaptionId - FirstCaptionId + 1> Captions;  // ids 2000 to 2009
    ToolTipTable ToolTips;                                             // ids 2000 to 2008
    std::array<TextPair, 9> Messages;                                  // 1 to 8
    std::array<TextPair, 6> Other;                                     // 1 to 5
    std::array<TextPair, 3> Long;                                      // 1 help, 2 about
    std::array<TextPair, SpeechCount + 1> Speech;                      // 1 to SpeechCount
};

const PuzzleTexts& puzzleTexts();

// Field n (1-based) of a "|"-separated caption; "" when there is none.
std::string captionField(const std::string& caption, int n);

// In the current interface language.
std::string menuText(int menu, int item);
std::string captionText(int id);
std::string otherText(int number);
std::string longText(int number);
std::string speechText(int number);
// Messages 1 to 3 hold both languages and always come from the English
// column; 4 to 8 follow the interface language.
std::string startupMessage(int number);
