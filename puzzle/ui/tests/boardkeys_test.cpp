// The puzzle by keyboard and for a screen reader: keys on the focused tile,
// the frames, the shortcuts, and the accessible names and announcements.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>

#include "puzzle/ui/boardspeech.h"
#include "puzzle/ui/infowindow.h"
#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/tests/puzzlegui.h"
#include "puzzle/ui/tilecontrol.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

// Centred, the receiver sits in rows 2 and 3, columns 4 to 6: Antenna C4,
// RF C5, Local Osc B5, Speaker C6.
const std::string Receiver = "{Receiver}\r\n"
                             "~B1~ANT~R~0.6C|Antenna~Picks up signals.\r\n"
                             "~B2~AMP~LI,R~0.38C|RF~Amplifies.\r\n"
                             "~A2~BOX~B~C|Local\\Osc~Makes the local signal.\r\n"
                             "~B3~SPKR~LI~S|Speaker~  Makes sound.\t\r\n"
                             "{Other}\r\n"
                             "~A1~BOX~R~C|One~First.\r\n";

class BoardKeysTest : public ::testing::Test {
protected:
    void TearDown() override { uiContext().InterfaceLanguage = 0; }

    std::unique_ptr<PuzzleWindow> open(int language = 0) {
        dir.write("Diagrams_Test.txt", Receiver);
        auto window = openPuzzle(dir.path(), language);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        chooseEntry(*window, DiagramListId, 0);
        return window;
    }

    static int pieceNumber(const PuzzleWindow& w, int t) { return tileOf(w, t).ScatterSlot; }
    static QWidget* tile(const PuzzleWindow& w, int t) { return w.pieceOfTile(t); }

    static void key(QWidget* target, Qt::Key k) {
        QTest::keyClick(target, k);
        QApplication::processEvents();
    }

    // Picks tile t up, walks the frame to cell, drops it.
    static void carry(PuzzleWindow& w, int t, int cell) {
        QWidget* piece = tile(w, t);
        piece->setFocus(Qt::TabFocusReason);
        key(piece, Qt::Key_Space);
        ASSERT_EQ(w.board().Held.Piece, pieceNumber(w, t));
        for (int guard = 0; guard < 20 && w.board().Held.Cell != cell; ++guard) {
            const int at = w.board().Held.Cell;
            const int row = (at - 1) / 9, column = (at - 1) % 9;
            const int wantedRow = (cell - 1) / 9, wantedColumn = (cell - 1) % 9;
            key(piece, row < wantedRow         ? Qt::Key_Down
                       : row > wantedRow       ? Qt::Key_Up
                       : column < wantedColumn ? Qt::Key_Right
                                               : Qt::Key_Left);
        }
        key(piece, Qt::Key_Return);
    }

    static std::string description(QWidget* w) { return fromQString(w->accessibleDescription()); }
    static std::string name(QWidget* w) { return fromQString(w->accessibleName()); }

    TempFolder dir;
    BoxAnswers boxes;
};

int cellAt(int row, int column) {
    return (row - 1) * 9 + column;
}

} // namespace

struct LanguageCase {
    int language;
    const char* pickedUp;
    const char* dropped;
    const char* verdict;
    const char* tileName;
    const char* cellName;
};

class KeyboardGame : public BoardKeysTest, public testing::WithParamInterface<LanguageCase> {};

TEST_P(KeyboardGame, AWholeDiagramByKeysEndsWithTheOkSignAnnounced) {
    const LanguageCase& c = GetParam();
    auto w = open(c.language);
    QWidget* antenna = tile(*w, 1);
    antenna->setFocus(Qt::TabFocusReason);
    key(antenna, Qt::Key_Space);
    // The first free cell of the skeleton: row 2, column 5 (Local Osc's).
    EXPECT_EQ(description(antenna), c.pickedUp);
    key(antenna, Qt::Key_Escape);

    carry(*w, 1, cellAt(3, 4));
    EXPECT_EQ(description(antenna), c.dropped);
    EXPECT_EQ(name(antenna), c.tileName);
    EXPECT_EQ(name(w->cellFrame(cellAt(3, 4))), c.cellName);
    carry(*w, 2, cellAt(3, 5));
    carry(*w, 3, cellAt(2, 5));
    carry(*w, 4, cellAt(3, 6));

    EXPECT_TRUE(controlOf<QWidget>(*w, OkSignId)->isVisible());
    const std::string last = description(tile(*w, 4));
    EXPECT_NE(last.find(c.verdict), std::string::npos) << last;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, KeyboardGame,
    testing::Values(LanguageCase{0, "Antenna picked up, row 2, column 5, free",
                                 "Antenna dropped on row 3, column 4",
                                 "OK sign: the diagram is complete and correct",
                                 "Antenna, row 3 column 4", "row 3, column 4, holds Antenna"},
                    LanguageCase{1, "Soulev\xe9 : Antenna, ligne 2, colonne 5, libre",
                                 "D\xe9pos\xe9 : Antenna, ligne 3, colonne 4",
                                 "Signe OK : le sch\xe9ma est complet et juste",
                                 "Antenna, ligne 3 colonne 4",
                                 "ligne 3, colonne 4, contient Antenna"}),
                    namedBy([](const LanguageCase& c) { return languageName(c.language); }));

TEST_F(BoardKeysTest, SwappedTilesEndWithTheCrossedOutSignAnnounced) {
    auto w = open();
    carry(*w, 1, cellAt(3, 5));
    carry(*w, 2, cellAt(3, 4));
    carry(*w, 3, cellAt(2, 5));
    carry(*w, 4, cellAt(3, 6));
    EXPECT_TRUE(controlOf<QWidget>(*w, CrossedSignId)->isVisible());
    EXPECT_EQ(description(tile(*w, 4)),
              "Speaker dropped on row 3, column 6. Crossed-out OK sign: the diagram is complete "
              "but tiles are in the wrong cells");
}

TEST_F(BoardKeysTest, TheTargetFrameLiesOverTheCellOrTheHomeSlotAndGoesWithTheDrop) {
    auto w = open();
    carry(*w, 1, cellAt(3, 4));
    QWidget* antenna = tile(*w, 1);
    QWidget* frame = w->targetFrame();
    EXPECT_FALSE(frame->isVisible());
    key(antenna, Qt::Key_Space); // on the board: the frame starts on its own cell
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), w->cellFrame(cellAt(3, 4))->geometry());
    key(antenna, Qt::Key_Down);
    const int slot = pieceNumber(*w, 1); // the slot it left is the first free one here
    EXPECT_EQ(frame->pos(), homeCorner(*w, freeHomeSlot(*w)));
    key(antenna, Qt::Key_Space);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(antenna->pos(), homeCorner(*w, w->board().Pieces[static_cast<size_t>(slot)].Home));
    EXPECT_EQ(name(antenna), "Antenna, home row");
}

TEST_F(BoardKeysTest, TheFramesShowOnTheYellowTileAndTheWhiteCell) {
    auto w = open();
    QWidget* rf = tile(*w, 2);
    const int mid = rf->height() / 2;
    const QColor before = rf->grab().toImage().pixelColor(FocusFrameInset, mid);
    rf->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(rf->grab().toImage().pixelColor(FocusFrameInset, mid), QColor(Qt::black));
    EXPECT_NE(before, QColor(Qt::black));

    key(rf, Qt::Key_Space); // frame over the free cell row 2, column 5
    const QImage client = w->client()->grab().toImage();
    const QPoint cell = cellCorner(*w, cellAt(2, 5));
    EXPECT_EQ(client.pixelColor(cell + QPoint(1, mid)), QColor(220, 0, 0));
}

// From the prompt, the list's last item, Down chooses the first diagram;
// each diagram chosen by keys is said with its number of tiles.
TEST_F(BoardKeysTest, TheDiagramListIsWalkedByKeysFromItsPrompt) {
    const struct {
        int language;
        const char* first;
        const char* second;
    } cases[] = {{0, "Diagram: Receiver, 4 tiles", "Diagram: Other, 1 tiles"},
                 {1, "Schéma : Receiver, 4 blocs", "Schéma : Other, 1 blocs"}};
    for (const auto& c : cases) {
        dir.write("Diagrams_Test.txt", Receiver);
        auto w = openPuzzle(dir.path(), c.language);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        auto* list = controlOf<QComboBox>(*w, DiagramListId);
        ASSERT_EQ(list->currentIndex(), list->count() - 1) << "the prompt is on show";
        list->setFocus(Qt::TabFocusReason);
        auto said = [&] { return fromQString(lastAnnouncement(w.get())); };
        key(list, Qt::Key_Down);
        EXPECT_EQ(w->files().ShownDiagram, 1);
        EXPECT_EQ(said(), latin1(c.first));
        key(list, Qt::Key_Down);
        EXPECT_EQ(w->files().ShownDiagram, 2);
        EXPECT_EQ(said(), latin1(c.second));
        key(list, Qt::Key_Up);
        EXPECT_EQ(w->files().ShownDiagram, 1);
        EXPECT_EQ(said(), latin1(c.first));
        EXPECT_EQ(QApplication::focusWidget(), list) << "the list keeps the keyboard";
        uiContext().InterfaceLanguage = 0;
    }
}

// Each shortcut says what it did and leaves the focus on a tile.
TEST_F(BoardKeysTest, ShortcutsWorkWhileATileIsHeld) {
    auto w = open();
    QWidget* rf = tile(*w, 2);
    rf->setFocus(Qt::TabFocusReason);
    key(rf, Qt::Key_Space);
    auto* highlight = controlOf<QCheckBox>(*w, HighlightBoxId);
    auto said = [&] { return fromQString(lastAnnouncement(w.get())); };
    auto onATile = [&] { return dynamic_cast<TileControl*>(w->focusWidget()) != nullptr; };
    key(rf, Qt::Key_F7);
    EXPECT_TRUE(highlight->isChecked());
    EXPECT_EQ(said(), "Highlight valid tiles on");
    EXPECT_TRUE(onATile());
    EXPECT_EQ(w->board().Held.Piece, pieceNumber(*w, 2)); // still held
    key(rf, Qt::Key_F6);
    EXPECT_TRUE(controlOf<QWidget>(*w, OkSignId)->isVisible());
    EXPECT_EQ(w->board().Held.Piece, 0);
    EXPECT_FALSE(w->targetFrame()->isVisible());
    EXPECT_EQ(said(), "Solved: OK sign");
    EXPECT_TRUE(onATile());

    key(rf, Qt::Key_Space);
    key(rf, Qt::Key_F5); // a fresh order: every tile home, nothing held
    EXPECT_EQ(w->board().Held.Piece, 0);
    EXPECT_FALSE(w->targetFrame()->isVisible());
    EXPECT_FALSE(controlOf<QWidget>(*w, OkSignId)->isVisible());
    EXPECT_EQ(said(), "Start over: every tile back in the home row");
    EXPECT_TRUE(onATile());
}

TEST_F(BoardKeysTest, TabReachesTheTilesAfterTheControlsAndPutsAHeldTileBack) {
    auto w = open();
    carry(*w, 3, cellAt(2, 5));
    auto* startOver = controlOf<QWidget>(*w, StartOverId);
    startOver->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // The tile on the board comes first, then those at home slot by slot.
    EXPECT_EQ(QApplication::focusWidget(), tile(*w, 3));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const std::string reached = name(QApplication::focusWidget());
        EXPECT_NE(reached.find(", home row"), std::string::npos) << reached;
    }
    QWidget* held = QApplication::focusWidget();
    key(held, Qt::Key_Space);
    ASSERT_NE(w->board().Held.Piece, 0);
    QTest::keyClick(held, Qt::Key_Tab);
    EXPECT_EQ(w->board().Held.Piece, 0);
    EXPECT_FALSE(w->targetFrame()->isVisible());
}

TEST_F(BoardKeysTest, TheMouseTakesOverFromAHeldTile) {
    auto w = open();
    QWidget* rf = tile(*w, 2);
    rf->setFocus(Qt::TabFocusReason);
    key(rf, Qt::Key_Space);
    dragPiece(w->pieceOfTile(2), cellCorner(*w, cellAt(3, 5)));
    QApplication::processEvents();
    EXPECT_EQ(w->board().Held.Piece, 0);
    EXPECT_FALSE(w->targetFrame()->isVisible());
    EXPECT_EQ(rf->pos(), cellCorner(*w, cellAt(3, 5)));
    EXPECT_EQ(name(rf), "RF, row 3 column 5");
}

TEST_F(BoardKeysTest, NamesFollowTheLanguageSwitch) {
    auto w = open();
    carry(*w, 3, cellAt(2, 5));
    EXPECT_EQ(name(tile(*w, 3)), "Local Osc, row 2 column 5");
    EXPECT_EQ(name(tile(*w, 1)), "Antenna, home row");
    EXPECT_EQ(description(tile(*w, 1)), "Picks up signals.");
    EXPECT_EQ(name(w->cellFrame(cellAt(3, 4))), "row 3, column 4, empty");
    EXPECT_EQ(name(controlOf<QWidget>(*w, OkSignId)), "OK sign");
    controlOf<QPushButton>(*w, LanguageId)->click();
    EXPECT_EQ(name(tile(*w, 3)), "Local Osc, ligne 2 colonne 5");
    EXPECT_EQ(name(tile(*w, 1)), "Antenna, rang\xe9"
                                 "e de d\xe9part");
    EXPECT_EQ(name(w->cellFrame(cellAt(3, 4))), "ligne 3, colonne 4, vide");
    EXPECT_EQ(name(controlOf<QWidget>(*w, CrossedSignId)), "Signe OK biff\xe9");
}

TEST_F(BoardKeysTest, ACellOutsideTheSkeletonIsRefusedAndTheTileStaysHeld) {
    auto w = open();
    carry(*w, 3, cellAt(2, 5));
    QWidget* rf = tile(*w, 2);
    rf->setFocus(Qt::TabFocusReason);
    key(rf, Qt::Key_Space); // frame on row 3, column 4
    key(rf, Qt::Key_Up);
    EXPECT_EQ(description(rf), "row 2, column 4, not in the diagram");
    key(rf, Qt::Key_Space);
    EXPECT_EQ(description(rf), "cell not in the diagram");
    EXPECT_EQ(w->board().Held.Piece, pieceNumber(*w, 2));
    key(rf, Qt::Key_Space); // the same refusal again is said again
    EXPECT_EQ(description(rf), "cell not in the diagram");
    key(rf, Qt::Key_Escape);
    EXPECT_EQ(description(rf), "RF put back");
    EXPECT_EQ(w->board().Held.Piece, 0);
}

TEST_F(BoardKeysTest, ATakenCellIsRefused) {
    auto w = open();
    carry(*w, 1, cellAt(3, 4));
    QWidget* rf = tile(*w, 2);
    rf->setFocus(Qt::TabFocusReason);
    key(rf, Qt::Key_Space); // frame on row 2, column 5
    key(rf, Qt::Key_Down);
    key(rf, Qt::Key_Left);
    EXPECT_EQ(description(rf), "row 3, column 4, holds Antenna");
    key(rf, Qt::Key_Space);
    EXPECT_EQ(description(rf), "cell taken");
    EXPECT_EQ(w->board().Held.Piece, pieceNumber(*w, 2));
}

// The department by its name of today, and fonts a Debian desktop has.
TEST(PuzzleHelp, NamesTheDepartmentOfTodayAndFontsDebianHas) {
    const char* department[] = {"Innovation, Science and Economic Development Canada",
                                "Innovation, Sciences et Développement économique Canada"};
    for (int language : {0, 1}) {
        uiContext().InterfaceLanguage = language;
        const std::string help = longText(1);
        EXPECT_NE(help.find(latin1(department[language])), std::string::npos) << language;
        EXPECT_EQ(help.find("Industr"), std::string::npos) << language;
        for (const char* font : {"\"/F=DejaVu Sans,14\"", "\"/T=DejaVu Sans Mono\""})
            EXPECT_NE(help.find(font), std::string::npos) << language << font;
    }
    uiContext().InterfaceLanguage = 0;
}

TEST(PuzzleHelp, TheKeyboardParagraphInBothLanguagesAndACaretInTheBox) {
    for (int language : {0, 1}) {
        uiContext().InterfaceLanguage = language;
        const std::string help = longText(1);
        const char* opening =
            language == 0 ? "Without a mouse: Tab and Shift+Tab" : "Sans souris: Tab et Maj+Tab";
        EXPECT_NE(help.find(opening), std::string::npos) << language;
        EXPECT_NE(help.find("F5"), std::string::npos);
        EXPECT_NE(help.find("F7"), std::string::npos);
    }
    uiContext().InterfaceLanguage = 0;
    InfoWindow help(HelpWindow, nullptr);
    auto* box = help.findChild<QPlainTextEdit*>(QStringLiteral("c2100"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
    box->selectAll();
    EXPECT_EQ(box->textCursor().selectedText().contains(QStringLiteral("Without a mouse")), true);
}
