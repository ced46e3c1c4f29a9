#include "puzzle/board/board.h"

#include <gtest/gtest.h>

#include <set>

#include "puzzle/board/tests/puzzlefixture.h"
#include "puzzle/board/tests/recordingviews.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"

struct CentringCase {
    std::vector<const char*> positions;
    bool centre;
    std::vector<const char*> targets;
};

class Centring : public testing::TestWithParam<CentringCase> {};

TEST_P(Centring, SetUpShiftsTheDiagramToTheBottomRowAndTheMiddleColumns) {
    const CentringCase& c = GetParam();
    std::vector<TileSpec> layout;
    for (const char* p : c.positions) layout.push_back({p});
    Puzzle pz(layout, {}, c.centre);
    std::set<int32_t> expected;
    for (size_t i = 0; i < c.targets.size(); ++i) {
        EXPECT_EQ(pz.tile(static_cast<int32_t>(i + 1)).TargetCell, cellAt(c.targets[i]))
            << c.positions[i];
        expected.insert(cellAt(c.targets[i]));
    }
    // The skeleton is exactly the target cells.
    for (int32_t cell = 1; cell <= CellCount; ++cell) {
        EXPECT_EQ(pz.view.frame[cell], expected.count(cell) == 1) << cell;
        EXPECT_EQ(pz.board.Cells[cell].Presence, expected.count(cell) ? 1u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, Centring,
    testing::Values(
        // Rows A-B, columns 2-5: E_L = 1, E_R = 4, shift 5/2 - 1 = 1.
        CentringCase{{"A2", "A5", "B3", "B4"}, true, {"B3", "B6", "C4", "C5"}},
        CentringCase{{"A2", "A5", "B3", "B4"}, false, {"A2", "A5", "B3", "B4"}},
        CentringCase{{"A1"}, true, {"C5"}},
        // Odd leftover column goes to the right.
        CentringCase{{"B1", "B2"}, true, {"C4", "C5"}},
        CentringCase{{"A1", "C9"}, true, {"A1", "C9"}},
        CentringCase{{"B9"}, true, {"C5"}}),
                         namedBy([](const CentringCase& c) {
                             std::string name;
                             for (const char* p : c.positions) name += std::string(p) + " ";
                             return name + (c.centre ? "centred" : "kept");
                         }));

TEST(BoardSetUp, PiecesRestInTheirScatterSlotsAndUnusedOnesLeaveTheWindow) {
    Puzzle pz({{"B1", "C|one"}, {"B2", "C|two"}, {"B3", "C|three"}}, {7, 2, 12});
    for (int32_t p = 1; p <= PieceCount; ++p) {
        const bool used = p == 7 || p == 2 || p == 12;
        EXPECT_EQ(pz.view.pieceShown[p], used) << p;
        EXPECT_EQ(pz.board.HomeSlots[p].Occupied, used ? 1 : 0) << p;
        EXPECT_EQ(pz.piece(p).Presence, used ? 1u : 0u);
        if (used) {
            EXPECT_EQ(pz.view.pieceLeft[p], pz.board.HomeSlots[p].Left);
            EXPECT_EQ(pz.view.pieceTop[p], pz.board.HomeSlots[p].Top);
            EXPECT_EQ(pz.piece(p).Home, p);
        } else {
            EXPECT_EQ(pz.view.pieceLeft[p], -104);
        }
    }
    EXPECT_EQ(trimSpaces(pz.view.face[7]), "C|one");
    EXPECT_EQ(trimSpaces(pz.view.face[12]), "C|three");
    EXPECT_EQ(pz.piece(2).TileNumber, 2);
}

TEST(BoardSetUp, ANewDiagramReplacesThePreviousOne) {
    Puzzle pz({{"A1"}, {"A2"}, {"A3"}});
    pz.placeAllRight();
    ASSERT_TRUE(pz.view.okSign);
    // Second diagram in the same tables: two tiles elsewhere.
    DiagramTables& tables = pz.files.Tables;
    tables.DiagramCount = 2;
    tables.Diagrams[2] = Diagram{fixedWidth("Two", 40), 2, 0b100, 0b110000000};
    tables.Tiles[2][1] = Tile{3, 8, 0, 0, "BOX", "", "C|a", ""};
    tables.Tiles[2][2] = Tile{3, 9, 0, 0, "BOX", "", "C|b", ""};
    pz.files.SelectedDiagram = 2;
    scatterTiles(pz.files, sequenceSource({5, 1}));
    setUpBoard(pz.board, pz.files, pz.view);
    EXPECT_FALSE(pz.view.okSign);
    for (int32_t cell = 1; cell <= CellCount; ++cell) {
        EXPECT_EQ(pz.view.frame[cell], cell == 26 || cell == 27) << cell;
        EXPECT_EQ(pz.board.Cells[cell].Occupied, 0);
    }
    for (int32_t p = 1; p <= PieceCount; ++p) {
        EXPECT_EQ(pz.view.pieceShown[p], p == 5 || p == 1) << p;
        EXPECT_EQ(pz.piece(p).Cell, 0);
    }
}

TEST(Scatter, EveryTileGetsADistinctSlotWhateverTheSource) {
    std::vector<TileSpec> twelve(12, TileSpec{"A1"});
    for (auto source : {sequenceSource({5, 5, 5, 3, 3, 12, 1, 1, 2, 4, 6, 7, 8, 9, 10, 11}),
                        sequenceSource({4}), sequenceSource({0, 13, -1}), defaultRandomSource()}) {
        Puzzle pz(twelve);
        scatterTiles(pz.files, source);
        std::set<int32_t> slots;
        for (int32_t t = 1; t <= 12; ++t) {
            EXPECT_GE(pz.tile(t).ScatterSlot, 1);
            EXPECT_LE(pz.tile(t).ScatterSlot, 12);
            slots.insert(pz.tile(t).ScatterSlot);
        }
        EXPECT_EQ(slots.size(), 12u);
    }
}

struct SnapCase {
    int32_t dx, dy;
    const char* expected;  // cell the tile lands in
};

class Snapping : public testing::TestWithParam<SnapCase> {};

TEST_P(Snapping, TileSnapsToTheNearestCellByItsTopLeftCorner) {
    // Skeleton: B5 and its four neighbours.
    Puzzle pz({{"B5"}, {"A5"}, {"B4"}, {"B6"}, {"C5"}});
    const SnapCase& c = GetParam();
    pz.dropOnCell(1, cellAt("B5"), c.dx, c.dy);
    const int32_t cell = cellAt(c.expected);
    EXPECT_EQ(pz.piece(1).Cell, cell);
    EXPECT_EQ(pz.piece(1).Home, 0);
    EXPECT_EQ(pz.view.pieceLeft[1], pz.board.Cells[cell].Left);
    EXPECT_EQ(pz.view.pieceTop[1], pz.board.Cells[cell].Top);
    EXPECT_EQ(pz.board.Cells[cell].Occupied, 1);
    EXPECT_EQ(pz.board.HomeSlots[1].Occupied, 0);
}

INSTANTIATE_TEST_SUITE_P(Offsets, Snapping,
                         testing::Values(SnapCase{0, 0, "B5"}, SnapCase{27, 0, "B5"},
                                         SnapCase{28, 0, "B6"}, SnapCase{-28, 0, "B5"},
                                         SnapCase{-29, 0, "B4"}, SnapCase{0, 23, "B5"},
                                         SnapCase{0, 24, "C5"}, SnapCase{0, -24, "B5"},
                                         SnapCase{0, -25, "A5"}, SnapCase{27, 23, "B5"}),
                         namedBy([](const SnapCase& c) { return "dx " + std::to_string(c.dx) + " dy " + std::to_string(c.dy); }));

TEST(Snapping, GridAreaSetsTheNumbersMeasuredAtTheFirstDrop) {
    Puzzle pz({{"A1"}});
    pz.dropOnHome(1, 1);
    EXPECT_EQ(pz.board.GridLeft, 4);
    EXPECT_EQ(pz.board.GridTop, 40);
    EXPECT_EQ(pz.board.GridWidth, 504);
    EXPECT_EQ(pz.board.GridHeight, 144);
    EXPECT_EQ(pz.board.HomeLeft, 72);
    EXPECT_EQ(pz.board.HomeTop, 208);
    EXPECT_EQ(pz.board.HomeWidth, 356);
    EXPECT_EQ(pz.board.HomeHeight, 104);
}

struct RejectCase {
    const char* name;
    int32_t x, y;
};

class RejectedDrop : public testing::TestWithParam<RejectCase> {};

TEST_P(RejectedDrop, SendsTheTileBackWhereItWasPickedUp) {
    // Tile 2 sits in B2; tile 1 is picked up from home slot 1.
    Puzzle pz({{"B1"}, {"B2"}, {"B3"}});
    pz.dropOnCell(2, cellAt("B2"));
    ASSERT_EQ(pz.piece(2).Cell, cellAt("B2"));
    pz.dropOnHome(3, 9);
    ASSERT_EQ(pz.piece(3).Home, 9);
    const RejectCase& c = GetParam();
    dropTile(pz.board, pz.files, pz.view, 1, c.x, c.y);
    EXPECT_EQ(pz.piece(1).Home, 1);
    EXPECT_EQ(pz.piece(1).Cell, 0);
    EXPECT_EQ(pz.view.pieceLeft[1], pz.board.HomeSlots[1].Left);
    EXPECT_EQ(pz.view.pieceTop[1], pz.board.HomeSlots[1].Top);
    EXPECT_EQ(pz.board.HomeSlots[1].Occupied, 1);
    EXPECT_EQ(pz.board.Cells[cellAt("B2")].Occupied, 1);
    EXPECT_EQ(pz.piece(2).Cell, cellAt("B2"));
}

INSTANTIATE_TEST_SUITE_P(
    Places, RejectedDrop,
    testing::Values(RejectCase{"cell outside the skeleton", 4 + 56 * 4, 40},
                    RejectCase{"occupied cell", 4 + 56 + 10, 88 + 5},
                    RejectCase{"below the home area", 72, 208 + 104 - 25},
                    RejectCase{"left of the home area", 72 - 29, 208},
                    RejectCase{"right of the home area", 72 + 356 - 29, 208},
                    RejectCase{"occupied home slot", 72 + 60 * 2 + 3, 264},
                    RejectCase{"right of the grid", 4 + 504 + 30, 40},
                    RejectCase{"far off the window", -2000, -2000}),
    [](const testing::TestParamInfo<RejectCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ') ch = '_';
        return name;
    });

TEST(Drop, OnItsOwnCellTheTileReturnsToThatCell) {
    Puzzle pz({{"A1"}, {"A2"}});
    pz.dropOnCell(1, cellAt("A1"));
    pz.dropOnCell(1, cellAt("A1"), 10, 10);
    EXPECT_EQ(pz.piece(1).Cell, cellAt("A1"));
    EXPECT_EQ(pz.view.pieceLeft[1], pz.board.Cells[cellAt("A1")].Left);
    EXPECT_EQ(pz.board.Cells[cellAt("A1")].Occupied, 1);
}

TEST(Drop, MovingBetweenCellsAndHomeSlotsFreesThePlaceLeft) {
    Puzzle pz({{"A1"}, {"A2"}});
    pz.dropOnCell(1, cellAt("A2"));
    pz.dropOnCell(1, cellAt("A1"));
    EXPECT_EQ(pz.board.Cells[cellAt("A2")].Occupied, 0);
    pz.dropOnHome(1, 11);
    EXPECT_EQ(pz.board.Cells[cellAt("A1")].Occupied, 0);
    EXPECT_EQ(pz.board.HomeSlots[11].Occupied, 1);
    EXPECT_EQ(pz.piece(1).Home, 11);
    EXPECT_EQ(pz.piece(1).Cell, 0);
    // Back into the home area's first slot, now free.
    pz.dropOnHome(1, 1);
    EXPECT_EQ(pz.board.HomeSlots[11].Occupied, 0);
    EXPECT_EQ(pz.board.HomeSlots[1].Occupied, 1);
}

TEST(OkSign, ShowsOnlyWhenEveryTileSitsInItsOwnCell) {
    Puzzle pz({{"B1", "C|Amp"}, {"B2", "C|Mixer"}, {"B3", "C|Amp"}});
    pz.dropOnCell(1, cellAt("B1"));
    pz.dropOnCell(2, cellAt("B2"));
    EXPECT_FALSE(pz.view.okSign);
    EXPECT_FALSE(pz.view.crossedSign);
    pz.dropOnCell(3, cellAt("B3"));
    EXPECT_TRUE(pz.view.okSign);
    EXPECT_FALSE(pz.view.crossedSign);
}

TEST(OkSign, TwoIdenticalLookingTilesSwappedGiveTheCrossedOutSign) {
    Puzzle pz({{"B1", "C|Amp"}, {"B2", "C|Mixer"}, {"B3", "C|Amp"}});
    pz.dropOnCell(1, cellAt("B3"));
    pz.dropOnCell(2, cellAt("B2"));
    pz.dropOnCell(3, cellAt("B1"));
    EXPECT_FALSE(pz.view.okSign);
    EXPECT_TRUE(pz.view.crossedSign);
}

TEST(OkSign, ATileTakenOutOfACompleteBoardRemovesTheSign) {
    for (bool wrong : {false, true}) {
        Puzzle pz({{"B1"}, {"B2"}, {"B3"}});
        pz.placeAllRight();
        if (wrong) {
            pz.dropOnHome(1, 8);
            pz.dropOnHome(2, 9);
            pz.dropOnCell(1, cellAt("B2"));
            pz.dropOnCell(2, cellAt("B1"));
            ASSERT_TRUE(pz.view.crossedSign);
        } else {
            ASSERT_TRUE(pz.view.okSign);
        }
        pz.dropOnHome(3, 12);
        EXPECT_FALSE(pz.view.okSign);
        EXPECT_FALSE(pz.view.crossedSign);
    }
}

TEST(OkSign, NothingHappensWhileNoDiagramIsSelected) {
    Puzzle pz({{"B1"}});
    pz.placeAllRight();
    pz.view.okSign = false;
    pz.files.SelectedDiagram = 0;
    updateOkSign(pz.board, pz.files, pz.view, 1);
    EXPECT_FALSE(pz.view.okSign);
    pz.view.crossedSign = true;
    updateOkSign(pz.board, pz.files, pz.view, 0);
    EXPECT_TRUE(pz.view.crossedSign);
}

TEST(Solve, WrongTileInAnothersCellEndsWithEveryTileInItsOwnCell) {
    // Piece 1 (tile 1) is moved before piece 2, which sits in tile 1's cell.
    Puzzle pz({{"B1"}, {"B2"}, {"B3"}, {"A2"}});
    pz.dropOnCell(2, cellAt("B1"));
    pz.dropOnCell(3, cellAt("B3"));
    pz.dropOnCell(4, cellAt("B2"));
    solveBoard(pz.board, pz.files, pz.view);
    for (int32_t t = 1; t <= 4; ++t) {
        const int32_t target = pz.tile(t).TargetCell;
        const int32_t p = pz.pieceOf(t);
        EXPECT_EQ(pz.piece(p).Cell, target) << t;
        EXPECT_EQ(pz.piece(p).Home, 0);
        EXPECT_EQ(pz.view.pieceLeft[p], pz.board.Cells[target].Left);
        EXPECT_TRUE(pz.view.pieceShown[p]);
        EXPECT_EQ(pz.board.Cells[target].Occupied, 1) << t;
    }
    for (int32_t s = 1; s <= HomeSlotCount; ++s)
        EXPECT_EQ(pz.board.HomeSlots[s].Occupied, 0) << s;
    EXPECT_TRUE(pz.view.okSign);
    EXPECT_FALSE(pz.view.crossedSign);
    // Every cell stays taken: nothing can be dropped on top of a solved tile.
    pz.dropOnCell(1, cellAt("B2"));
    EXPECT_EQ(pz.piece(pz.pieceOf(1)).Cell, cellAt("B1"));
}

TEST(Highlight, MarksEveryTileInItsOwnCellAndHidesThemAgain) {
    Puzzle pz({{"B1"}, {"B2"}, {"B3"}});
    pz.dropOnCell(1, cellAt("B1"));
    pz.dropOnCell(2, cellAt("B3"));
    setHighlight(pz.board, pz.files, pz.view, true);
    EXPECT_TRUE(pz.view.checkMark[cellAt("B1")]);
    EXPECT_EQ(pz.view.checkMarksShown(), 1);
    // While on, a right drop shows its mark and leaving the cell hides it.
    pz.dropOnHome(2, 7);
    pz.dropOnCell(3, cellAt("B3"));
    EXPECT_TRUE(pz.view.checkMark[cellAt("B3")]);
    pz.dropOnHome(1, 8);
    EXPECT_FALSE(pz.view.checkMark[cellAt("B1")]);
    pz.dropOnCell(1, cellAt("B1"));
    // A rejected drop of a right tile shows its mark again.
    pz.view.checkMark[cellAt("B1")] = false;
    dropTile(pz.board, pz.files, pz.view, pz.pieceOf(1), 600, 300);
    EXPECT_TRUE(pz.view.checkMark[cellAt("B1")]);
    EXPECT_EQ(pz.view.checkMarksShown(), 2);
    solveBoard(pz.board, pz.files, pz.view);
    EXPECT_EQ(pz.view.checkMarksShown(), 3);
    setHighlight(pz.board, pz.files, pz.view, false);
    EXPECT_EQ(pz.view.checkMarksShown(), 0);
    EXPECT_FALSE(pz.board.HighlightValidTiles);
}

TEST(BoardSetUp, TileWithoutAPositionStaysOffTheBoardAndTheRestCanBeCompleted) {
    Puzzle pz({{"B1"}, {"D1"}, {"B2"}});
    EXPECT_EQ(pz.tile(2).TargetCell, 0);
    EXPECT_FALSE(pz.view.pieceShown[pz.pieceOf(2)]);
    pz.placeAllRight();
    EXPECT_TRUE(pz.view.okSign);
    solveBoard(pz.board, pz.files, pz.view);
    EXPECT_TRUE(pz.view.okSign);
}

TEST(ClearBoard, ShowsAllFramesAndBlankPiecesAtHome) {
    Puzzle pz({{"B1"}, {"B2"}});
    pz.placeAllRight();
    setHighlight(pz.board, pz.files, pz.view, true);
    clearBoard(pz.board, pz.view);
    EXPECT_EQ(pz.view.checkMarksShown(), 0);
    for (int32_t c = 1; c <= CellCount; ++c) {
        EXPECT_TRUE(pz.view.frame[c]);
        EXPECT_EQ(pz.board.Cells[c].Occupied, 0);
    }
    for (int32_t p = 1; p <= PieceCount; ++p) {
        EXPECT_TRUE(pz.view.pieceShown[p]);
        EXPECT_EQ(pz.view.face[p], "");
        EXPECT_EQ(pz.piece(p).Home, p);
        EXPECT_EQ(pz.piece(p).Cell, 0);
        EXPECT_EQ(pz.view.pieceLeft[p], pz.board.HomeSlots[p].Left);
        EXPECT_EQ(pz.board.HomeSlots[p].Occupied, 1);
    }
}

struct DragCase {
    int32_t mouseX, mouseY;
    bool moved;
};

class Dragging : public testing::TestWithParam<DragCase> {};

TEST_P(Dragging, MovesFollowTheMouseWithin22PixelsOfTheClientArea) {
    // Piece at (10, 10), mouse last at (100, 100), limits 300 x 200.
    DragState drag{true, 1, 100, 100, 300, 200};
    int32_t x = -1, y = -1;
    const DragCase& c = GetParam();
    EXPECT_EQ(dragMove(drag, 10, 10, c.mouseX, c.mouseY, x, y), c.moved);
    if (c.moved) {
        EXPECT_EQ(x, 10 + c.mouseX - 100);
        EXPECT_EQ(y, 10 + c.mouseY - 100);
        EXPECT_EQ(drag.LastMouseX, c.mouseX);
    } else {
        EXPECT_EQ(drag.LastMouseX, 100);
        EXPECT_EQ(drag.LastMouseY, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, Dragging,
                         testing::Values(DragCase{100, 100, false}, DragCase{150, 120, true},
                                         DragCase{68, 100, true}, DragCase{67, 100, false},
                                         DragCase{100, 68, true}, DragCase{100, 67, false},
                                         DragCase{412, 100, true}, DragCase{413, 100, false},
                                         DragCase{100, 312, true}, DragCase{100, 313, false}),
                         namedBy([](const DragCase& c) { return "to " + std::to_string(c.mouseX) + " " + std::to_string(c.mouseY); }));
