// Test doubles for the window: they keep what the window would show.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/board/board.h"
#include "puzzle/board/diagramselect.h"

struct RecordingBoardView : BoardView {
    std::array<bool, CellCount + 1> frame{};
    std::array<bool, CellCount + 1> checkMark{};
    std::array<bool, PieceCount + 1> pieceShown{};
    std::array<int32_t, PieceCount + 1> pieceLeft{};
    std::array<int32_t, PieceCount + 1> pieceTop{};
    std::array<std::string, PieceCount + 1> face{};  // label drawn, "" when cleared
    bool okSign = false;
    bool crossedSign = false;
    int32_t targetCell = 0, targetHome = 0;  // the keyboard's target frame

    void showCellFrame(int32_t cell, bool shown) override { frame.at(cell) = shown; }
    void showCheckMark(int32_t cell, bool shown) override { checkMark.at(cell) = shown; }
    void showPiece(int32_t piece, bool shown) override { pieceShown.at(piece) = shown; }
    void movePiece(int32_t piece, int32_t left, int32_t top) override {
        pieceLeft.at(piece) = left;
        pieceTop.at(piece) = top;
    }
    void drawTileFace(int32_t piece, const Tile& tile) override { face.at(piece) = tile.Label; }
    void clearTileFace(int32_t piece) override { face.at(piece).clear(); }
    void showOkSign(bool shown) override { okSign = shown; }
    void showCrossedOkSign(bool shown) override { crossedSign = shown; }
    void showTargetFrame(int32_t cell, int32_t homeSlot) override {
        targetCell = cell;
        targetHome = homeSlot;
    }

    int checkMarksShown() const {
        int n = 0;
        for (int c = 1; c <= CellCount; ++c) n += checkMark[c];
        return n;
    }
};

struct RecordingSelectionView : SelectionView {
    std::vector<std::string> fileList;  // entries as the window would hold them
    int32_t fileListPosition = 0;
    std::vector<std::string> diagramList;
    int32_t diagramSelected = 0;
    int32_t diagramListPosition = 0;
    int posted = 0;
    bool solveEnabled = false;
    bool diagramListEnabled = false;

    void removeFileListEntry(int32_t position) override {
        if (position >= 1 && position <= static_cast<int32_t>(fileList.size()))
            fileList.erase(fileList.begin() + (position - 1));
    }
    void recordFileListPosition(int32_t position) override { fileListPosition = position; }
    void fillDiagramList(const std::vector<std::string>& names) override { diagramList = names; }
    void removeDiagramListEntry(int32_t position) override {
        if (position >= 1 && position <= static_cast<int32_t>(diagramList.size()))
            diagramList.erase(diagramList.begin() + (position - 1));
    }
    void selectDiagramListEntry(int32_t position) override {
        diagramSelected = position;
        diagramListPosition = position;
    }
    void recordDiagramListPosition(int32_t position) override { diagramListPosition = position; }
    void postDiagramChosen() override { ++posted; }
    void enableSolveAndStartOver(bool enabled) override { solveEnabled = enabled; }
    void enableDiagramList(bool enabled) override { diagramListEnabled = enabled; }
};

// Hands out the given numbers in turn, then keeps giving the last one.
inline RandomSource sequenceSource(std::vector<int32_t> numbers) {
    auto queue = std::make_shared<std::deque<int32_t>>(numbers.begin(), numbers.end());
    return [queue](int32_t, int32_t) {
        int32_t n = queue->front();
        if (queue->size() > 1) queue->pop_front();
        return n;
    };
}
