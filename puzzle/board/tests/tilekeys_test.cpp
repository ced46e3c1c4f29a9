#include "puzzle/board/tilekeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "puzzle/board/tests/puzzlefixture.h"
#include "toolkit/tests/casenames.h"

namespace {

using enum TileKey;

KeyResult press(Puzzle& pz, int32_t piece, TileKey key) {
    return pressTileKey(pz.board, pz.files, pz.view, piece, key);
}

KeyResult pressAll(Puzzle& pz, int32_t piece, const std::vector<TileKey>& keys) {
    KeyResult last;
    for (TileKey key : keys)
        last = press(pz, piece, key);
    return last;
}

// A receiver-like diagram over rows B and C (no centring): tile t sits in
// the home slot t and belongs in the cell its position names.
Puzzle fourTiles() {
    return Puzzle(
        {{"B2", "C|Antenna"}, {"B3", "C|Mixer"}, {"B4", "C|Detector"}, {"C3", "C|Oscillator"}});
}

} // namespace

TEST(TileKeys, PickingUpAHomeTileStartsTheFrameOnTheFirstFreeCellAndLeavesTheTile) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(1, cellAt("B2"));
    const TilePiece before = pz.piece(pz.pieceOf(2));

    const KeyResult r = press(pz, pz.pieceOf(2), Take);

    EXPECT_EQ(r.News, KeyNews::PickedUp);
    EXPECT_EQ(r.Cell, cellAt("B3")); // B2 is taken by the antenna
    EXPECT_EQ(pz.board.Held.Piece, pz.pieceOf(2));
    EXPECT_EQ(pz.view.targetCell, cellAt("B3"));
    EXPECT_EQ(pz.piece(pz.pieceOf(2)).Home, before.Home);
    EXPECT_EQ(pz.view.pieceLeft[pz.pieceOf(2)], before.Left);
}

TEST(TileKeys, PickingUpATileOnTheBoardStartsTheFrameOnItsOwnCell) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(3, cellAt("C9")); // outside the skeleton: refused, stays home
    pz.dropOnCell(3, cellAt("B2"));
    EXPECT_EQ(press(pz, pz.pieceOf(3), Take).Cell, cellAt("B2"));
    EXPECT_EQ(pz.view.targetCell, cellAt("B2"));
}

TEST(TileKeys, NothingIsPickedUpWithoutADiagramOrFromAnUnusedPiece) {
    Puzzle pz = fourTiles();
    EXPECT_EQ(press(pz, 9, Take).News, KeyNews::Nothing); // pieces 5 to 12 are unused
    pz.files.SelectedDiagram = 0;
    EXPECT_EQ(press(pz, 1, Take).News, KeyNews::Nothing);
    EXPECT_EQ(pz.board.Held.Piece, 0);
    // Arrows and Escape with nothing held are not the board's.
    for (TileKey key : {Left, Right, Up, Down, Cancel})
        EXPECT_EQ(press(pz, 1, key).News, KeyNews::Nothing);
}

struct MoveCase {
    std::vector<TileKey> keys;
    int32_t cell; // 0: on the home slots
    int32_t home;
};

class FrameMoves : public testing::TestWithParam<MoveCase> {};

TEST_P(FrameMoves, ArrowsMoveTheFrameOverTheGridAndDownToTheHomeSlots) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(1, cellAt("B2")); // home slot 1 is now free
    ASSERT_EQ(press(pz, pz.pieceOf(4), Take).Cell, cellAt("B3"));
    const KeyResult r = pressAll(pz, pz.pieceOf(4), GetParam().keys);
    EXPECT_EQ(r.News, KeyNews::Moved);
    EXPECT_EQ(r.Cell, GetParam().cell);
    EXPECT_EQ(r.Home, GetParam().home);
    EXPECT_EQ(pz.view.targetCell, GetParam().cell);
    EXPECT_EQ(pz.view.targetHome, GetParam().home);
    EXPECT_EQ(pz.board.Held.Piece, pz.pieceOf(4));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FrameMoves,
    testing::Values(MoveCase{{Right}, cellAt("B4"), 0}, MoveCase{{Left, Left}, cellAt("B1"), 0},
                    // The frame stops at the edges of the grid.
                    MoveCase{{Left, Left, Left, Left}, cellAt("B1"), 0},
                    MoveCase{{Up, Up, Up}, cellAt("A3"), 0},
                    MoveCase{{Right, Right, Right, Right, Right, Right, Right}, cellAt("B9"), 0},
                    // Below the bottom row: the home slots, where the tile
                    // would go back to its own slot (it rests in slot 4).
                    MoveCase{{Down, Down}, 0, 4}, MoveCase{{Down, Down, Down, Left}, 0, 4},
                    // Back up to the column it left from.
                    MoveCase{{Right, Down, Down, Up}, cellAt("C4"), 0}),
                         namedBy([](const MoveCase& c) {
                             static const char* const names[] = {"Take", "Left", "Right", "Up", "Down", "Cancel"};
                             std::string name;
                             for (TileKey k : c.keys) name += std::string(name.empty() ? "" : " ") + names[static_cast<int>(k)];
                             return name;
                         }));

TEST(TileKeys, DroppingOnAFreeCellIsTheMouseDrop) {
    Puzzle byKeys = fourTiles(), byMouse = fourTiles();
    for (Puzzle* pz : {&byKeys, &byMouse})
        setHighlight(pz->board, pz->files, pz->view, true);

    // The frame starts on B2, the first free cell; the mixer belongs in B3.
    const KeyResult r = pressAll(byKeys, byKeys.pieceOf(2), {Take, Right, Take});
    byMouse.dropOnCell(2, cellAt("B3"), 20, -10); // a rough mouse drop near B3

    EXPECT_EQ(r.News, KeyNews::Dropped);
    EXPECT_EQ(r.Cell, cellAt("B3"));
    EXPECT_EQ(r.Verdict, BoardVerdict::Incomplete);
    const int32_t p = byKeys.pieceOf(2);
    EXPECT_EQ(byKeys.piece(p).Cell, byMouse.piece(p).Cell);
    EXPECT_EQ(byKeys.view.pieceLeft[p], byMouse.view.pieceLeft[p]);
    EXPECT_EQ(byKeys.view.pieceTop[p], byMouse.view.pieceTop[p]);
    EXPECT_EQ(byKeys.view.checkMark, byMouse.view.checkMark);
    EXPECT_TRUE(byKeys.board.HomeSlots[static_cast<size_t>(p)].Occupied == 0);
    // The drop ends the hold and takes the frame away.
    EXPECT_EQ(byKeys.board.Held.Piece, 0);
    EXPECT_EQ(byKeys.view.targetCell, 0);
    EXPECT_EQ(byKeys.view.targetHome, 0);
}

struct RefusalCase {
    std::string name;
    std::vector<TileKey> toTarget; // from B3, where the frame starts
    KeyNews news;
};

class RefusedDrops : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedDrops, LeaveTheTileWhereItWasAndStillHeld) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(1, cellAt("B2"));
    const int32_t p = pz.pieceOf(2);
    press(pz, p, Take);
    pressAll(pz, p, GetParam().toTarget);
    const int32_t target = pz.board.Held.Cell;

    const KeyResult r = press(pz, p, Take);

    EXPECT_EQ(r.News, GetParam().news) << GetParam().name;
    EXPECT_EQ(r.Cell, target);
    EXPECT_EQ(pz.piece(p).Home, p);
    EXPECT_EQ(pz.piece(p).Cell, 0);
    EXPECT_EQ(pz.view.pieceLeft[p], pz.board.HomeSlots[static_cast<size_t>(p)].Left);
    EXPECT_EQ(pz.board.Held.Piece, p);
    EXPECT_EQ(pz.view.targetCell, target);
    // Another cell can then be tried.
    EXPECT_EQ(pressAll(pz, p, {Right, Right}).Cell, target + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RefusedDrops,
    testing::Values(RefusalCase{"taken cell", {Left}, KeyNews::Taken},
                    RefusalCase{"outside the skeleton", {Up}, KeyNews::NotInDiagram}),
    [](const auto& info) { return info.param.name == "taken cell" ? "Taken" : "Outside"; });

TEST(TileKeys, EscapePutsTheTileBackWhereItWasPickedUp) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(2, cellAt("B4"));
    const int32_t p = pz.pieceOf(2);
    press(pz, p, Take);
    pressAll(pz, p, {Left, Up});

    const KeyResult r = press(pz, p, Cancel);

    EXPECT_EQ(r.News, KeyNews::PutBack);
    EXPECT_EQ(r.Cell, cellAt("B4"));
    EXPECT_EQ(pz.piece(p).Cell, cellAt("B4"));
    EXPECT_EQ(pz.view.pieceLeft[p], pz.board.Cells[cellAt("B4")].Left);
    EXPECT_EQ(pz.board.Cells[cellAt("B4")].Occupied, 1);
    EXPECT_EQ(pz.board.Held.Piece, 0);
    EXPECT_EQ(pz.view.targetCell, 0);
}

TEST(TileKeys, OverTheHomeSlotsATileFromTheBoardGoesToTheFirstFreeSlot) {
    Puzzle pz = fourTiles();
    pz.dropOnCell(1, cellAt("B2"));
    pz.dropOnCell(3, cellAt("B4")); // slots 1 and 3 free
    const int32_t p = pz.pieceOf(3);
    press(pz, p, Take);
    EXPECT_EQ(pressAll(pz, p, {Down, Down}).Home, 1);

    const KeyResult r = press(pz, p, Take);

    EXPECT_EQ(r.News, KeyNews::DroppedHome);
    EXPECT_EQ(r.Home, 1);
    EXPECT_EQ(pz.piece(p).Home, 1);
    EXPECT_EQ(pz.board.Cells[cellAt("B4")].Occupied, 0);
    EXPECT_EQ(pz.board.Held.Piece, 0);
    // A home tile dropped over the home slots stays in its own slot.
    const int32_t q = pz.pieceOf(4);
    press(pz, q, Take);
    pressAll(pz, q, {Down, Down});
    EXPECT_EQ(press(pz, q, Take).News, KeyNews::PutBack);
    EXPECT_EQ(pz.piece(q).Home, 4);
}

struct ChangeCase {
    std::string name;
    void (*change)(Puzzle&);
};

class HeldWhenTheBoardChanges : public testing::TestWithParam<ChangeCase> {};

TEST_P(HeldWhenTheBoardChanges, TheTileIsDroppedBackAndTheFrameGoes) {
    Puzzle pz = fourTiles();
    const int32_t p = pz.pieceOf(2);
    press(pz, p, Take);
    pressAll(pz, p, {Right});
    ASSERT_NE(pz.view.targetCell, 0);

    GetParam().change(pz);

    EXPECT_EQ(pz.board.Held.Piece, 0) << GetParam().name;
    EXPECT_EQ(pz.view.targetCell, 0);
    EXPECT_EQ(pz.view.targetHome, 0);
    // The arrows are no longer the board's until a tile is picked up again.
    EXPECT_EQ(press(pz, p, Right).News, KeyNews::Nothing);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, HeldWhenTheBoardChanges,
    testing::Values(ChangeCase{"StartOver",
                               [](Puzzle& pz) {
                                   scatterTiles(pz.files, sequenceSource({4, 3, 2, 1}));
                                   setUpBoard(pz.board, pz.files, pz.view);
                               }},
                    ChangeCase{"AnotherFile", [](Puzzle& pz) { clearBoard(pz.board, pz.view); }},
                    ChangeCase{"Solve",
                               [](Puzzle& pz) { solveBoard(pz.board, pz.files, pz.view); }}),
    [](const auto& info) { return info.param.name; });

TEST(TileKeys, ACompleteBoardBuiltByKeysGivesTheVerdictOfTheSigns) {
    for (const bool swapped : {false, true}) {
        Puzzle pz = fourTiles();
        // Tiles 2 and 3 (Mixer, Detector) change places when swapped.
        auto place = [&](int32_t t, const char* cell) {
            const int32_t p = pz.pieceOf(t);
            const KeyResult start = press(pz, p, Take);
            int32_t at = start.Cell;
            const int32_t target = cellAt(cell);
            while ((at - 1) / 9 < (target - 1) / 9)
                at = press(pz, p, Down).Cell;
            while ((at - 1) / 9 > (target - 1) / 9)
                at = press(pz, p, Up).Cell;
            while (at < target)
                at = press(pz, p, Right).Cell;
            while (at > target)
                at = press(pz, p, Left).Cell;
            return press(pz, p, Take);
        };
        place(1, "B2");
        place(2, swapped ? "B4" : "B3");
        place(3, swapped ? "B3" : "B4");
        EXPECT_EQ(pz.view.okSign, false);
        const KeyResult last = place(4, "C3");
        EXPECT_EQ(last.News, KeyNews::Dropped);
        EXPECT_EQ(last.Verdict, swapped ? BoardVerdict::Wrong : BoardVerdict::Right);
        EXPECT_EQ(pz.view.okSign, !swapped);
        EXPECT_EQ(pz.view.crossedSign, swapped);
    }
}
