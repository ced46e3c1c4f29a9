// The window driven as a user would: lists confirmed, tiles dragged with
// mouse events, buttons clicked.
#include <gtest/gtest.h>

#include <QAction>

#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/tests/puzzlegui.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

const std::string ThreeDiagrams =
    "{Receiver}\r\n"
    "~B1~ANT~R~0.6C|Antenna~Picks up signals.\r\n"
    "~B2~AMP~LI,R~0.38C|RF~Amplifies.\r\n"
    "~A2~BOX~B~C|Local\\Osc~Makes the local signal.\r\n"
    "~B3~SPKR~LI~S|Speaker~  Makes sound.\t\r\n"
    "{Twins}\r\n"
    "~A1~BOX~R~C|Same~First twin.\r\n"
    "~A2~BOX~L~C|Same~Second twin.\r\n"
    "{Transmitter}\r\n"
    "~A1~MIKE~R~0.7C|Mic~Microphone.\r\n"
    "~A2~AMP~LI~0.38C|AF~Audio.\r\n";

const std::string OneDiagram = "{Only}\r\n~A1~BOX~R~C|One~First.\r\n~A2~BOX~L~C|Two~Second.\r\n";

// Random numbers handed out in turn, starting over at the end.
RandomSource cycle(std::vector<int32_t> numbers) {
    auto index = std::make_shared<size_t>(0);
    return [numbers, index](int32_t, int32_t) { return numbers[(*index)++ % numbers.size()]; };
}

class PuzzleWindowTest : public ::testing::Test {
protected:
    void SetUp() override { toolTipState() = ToolTipState{}; }
    void TearDown() override { uiContext().InterfaceLanguage = 0; }

    std::unique_ptr<PuzzleWindow> openWith(const std::string& contents, int language = 0) {
        dir.write("Diagrams_Test.txt", contents);
        auto window = openPuzzle(dir.path(), language);
        window->setRandomSource(cycle({3, 7, 1, 12, 5, 9, 2, 4, 6, 8, 10, 11}));
        return window;
    }

    // Drops every tile of the diagram on its own cell.
    static void placeAll(PuzzleWindow& window) {
        for (int t = 1; t <= tileCount(window); ++t)
            dragPiece(window.pieceOfTile(t), cellCorner(window, tileOf(window, t).TargetCell));
    }

    static int visiblePieces(const PuzzleWindow& window) {
        int n = 0;
        for (int p = 1; p <= PieceCount; ++p) n += window.piece(p)->isVisible();
        return n;
    }

    static QWidget* okSign(const PuzzleWindow& w) { return controlOf<QWidget>(w, OkSignId); }
    static QWidget* crossed(const PuzzleWindow& w) { return controlOf<QWidget>(w, CrossedSignId); }

    TempFolder dir;
    BoxAnswers boxes;
};

TEST_F(PuzzleWindowTest, LoneFileIsReadAsTheWindowAppears) {
    auto window = openWith(ThreeDiagrams);
    QComboBox* list = controlOf<QComboBox>(*window, DiagramListId);
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->itemText(0), "Receiver");
    EXPECT_EQ(list->currentText(), "-- Please select a diagram --");
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(*window, SolveId)->isEnabled());
    EXPECT_EQ(visiblePieces(*window), 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PuzzleWindowTest, LoneDiagramIsSetUpAtOnce) {
    auto window = openWith(OneDiagram);
    EXPECT_EQ(window->files().ShownDiagram, 1);
    EXPECT_EQ(visiblePieces(*window), 2);
    EXPECT_TRUE(controlOf<QPushButton>(*window, StartOverId)->isEnabled());
}

TEST_F(PuzzleWindowTest, ChoosingADiagramScattersItsTilesOverTheHomeSlots) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    ASSERT_EQ(window->files().ShownDiagram, 1);
    EXPECT_EQ(visiblePieces(*window), 4);
    // The list lost its prompt; pieces 3, 7, 1 and 12 show tiles 1 to 4.
    EXPECT_EQ(controlOf<QComboBox>(*window, DiagramListId)->count(), 3);
    const int homes[] = {3, 7, 1, 12};
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(window->pieceOfTile(t), window->piece(homes[t - 1]));
        EXPECT_EQ(window->pieceOfTile(t)->pos(), homeCorner(*window, homes[t - 1]));
        EXPECT_TRUE(window->cellFrame(tileOf(*window, t).TargetCell)->isVisible());
    }
    EXPECT_FALSE(window->cellFrame(27)->isVisible());
    // The faces are drawn: not the blank tile colour.
    EXPECT_NE(window->pieceOfTile(1)->picture().toImage(),
              newSurface(window->pieceOfTile(1)->size(), tileColours(displayDepth()).Background));
}

TEST_F(PuzzleWindowTest, DraggedTileSnapsToItsCell) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    PictureControl* piece = window->pieceOfTile(2);
    const int target = tileOf(*window, 2).TargetCell;
    // Let go a little off the cell's corner: it snaps exactly.
    dragPiece(piece, cellCorner(*window, target) + QPoint(window->units().toPixelsX(20), 9));
    EXPECT_EQ(piece->pos(), cellCorner(*window, target));
    EXPECT_EQ(window->board().Pieces[static_cast<size_t>(window->piece(7) == piece ? 7 : 0)].Cell, target);
    EXPECT_FALSE(okSign(*window)->isVisible());
    EXPECT_FALSE(crossed(*window)->isVisible());
}

TEST_F(PuzzleWindowTest, DropOutsideTheSkeletonSendsTheTileBack) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    PictureControl* piece = window->pieceOfTile(1);
    const QPoint home = piece->pos();
    dragPiece(piece, cellCorner(*window, 9));  // not part of this diagram
    EXPECT_EQ(piece->pos(), home);
    dragPiece(piece, QPoint(window->client()->width() - piece->width(), window->client()->height() - piece->height()));
    EXPECT_EQ(piece->pos(), home);
}

TEST_F(PuzzleWindowTest, DragFollowsTheHandWithinTheLimits) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    PictureControl* piece = window->pieceOfTile(1);
    const QPoint grip(piece->width() / 2, piece->height() / 2);
    sendMouse(piece, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->hotSpot(), QPoint(6, 8));
    const QPoint start = piece->pos();
    sendMouse(piece, QEvent::MouseMove, grip + QPoint(15, -10), Qt::LeftButton);
    EXPECT_EQ(piece->pos(), start + QPoint(15, -10));
    // Far beyond the window's left edge: ignored, the piece stays.
    sendMouse(piece, QEvent::MouseMove, grip - QPoint(start.x() + 200, 0), Qt::LeftButton);
    EXPECT_EQ(piece->pos(), start + QPoint(15, -10));
    sendMouse(piece, QEvent::MouseButtonRelease, grip, Qt::NoButton);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(piece->pos(), start);  // dropped between places: back home
}

TEST_F(PuzzleWindowTest, LeftHandedUserGetsTheLeftHand) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    window->menuAction(LeftHandedMenuId)->trigger();
    PictureControl* piece = window->pieceOfTile(1);
    sendMouse(piece, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->hotSpot(), QPoint(25, 8));
    sendMouse(piece, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::NoButton);
}

TEST_F(PuzzleWindowTest, CompletedDiagramShowsTheOkSign) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    placeAll(*window);
    EXPECT_TRUE(okSign(*window)->isVisible());
    EXPECT_FALSE(crossed(*window)->isVisible());
    // Taking one tile back home removes the sign.
    dragPiece(window->pieceOfTile(1), homeCorner(*window, freeHomeSlot(*window)));
    EXPECT_FALSE(okSign(*window)->isVisible());
}

TEST_F(PuzzleWindowTest, FullButWrongBoardShowsTheCrossedOutSign) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 1);  // the twins: alike, yet not interchangeable
    dragPiece(window->pieceOfTile(1), cellCorner(*window, tileOf(*window, 2).TargetCell));
    EXPECT_FALSE(crossed(*window)->isVisible());
    dragPiece(window->pieceOfTile(2), cellCorner(*window, tileOf(*window, 1).TargetCell));
    EXPECT_TRUE(crossed(*window)->isVisible());
    EXPECT_FALSE(okSign(*window)->isVisible());
    // Solve puts them right.
    controlOf<QPushButton>(*window, SolveId)->click();
    EXPECT_TRUE(okSign(*window)->isVisible());
    EXPECT_FALSE(crossed(*window)->isVisible());
}

TEST_F(PuzzleWindowTest, HighlightMarksTilesInTheirOwnCells) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    dragPiece(window->pieceOfTile(1), cellCorner(*window, tileOf(*window, 1).TargetCell));
    dragPiece(window->pieceOfTile(2), cellCorner(*window, tileOf(*window, 3).TargetCell));
    controlOf<QCheckBox>(*window, HighlightBoxId)->click();
    EXPECT_TRUE(window->checkMark(tileOf(*window, 1).TargetCell)->isVisible());
    EXPECT_FALSE(window->checkMark(tileOf(*window, 3).TargetCell)->isVisible());
    // The mark sits over the piece, and a press on it still picks the piece up.
    QWidget* mark = window->checkMark(tileOf(*window, 1).TargetCell);
    const QPoint onMark = mark->geometry().center();
    EXPECT_EQ(window->client()->childAt(onMark), window->pieceOfTile(1));
    controlOf<QCheckBox>(*window, HighlightBoxId)->click();
    EXPECT_FALSE(mark->isVisible());
}

TEST_F(PuzzleWindowTest, StartOverReshuffles) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    dragPiece(window->pieceOfTile(1), cellCorner(*window, tileOf(*window, 1).TargetCell));
    PictureControl* before = window->pieceOfTile(1);
    controlOf<QPushButton>(*window, StartOverId)->click();
    // The source goes on with 5, 9, 2, 4: a new order, every tile at home.
    EXPECT_EQ(window->pieceOfTile(1), window->piece(5));
    EXPECT_NE(window->pieceOfTile(1), before);
    for (int t = 1; t <= 4; ++t) EXPECT_EQ(window->board().Pieces[static_cast<size_t>(
                                               window->files().Tables.Tiles[1][static_cast<size_t>(t)].ScatterSlot)].Cell, 0);
    EXPECT_EQ(visiblePieces(*window), 4);
    EXPECT_FALSE(before->isVisible());
    // Choosing the diagram already shown does not reshuffle.
    chooseEntry(*window, DiagramListId, 0);
    EXPECT_EQ(window->pieceOfTile(1), window->piece(5));
}

TEST_F(PuzzleWindowTest, LanguageSwitchRecaptionsThePromptInPlace) {
    auto window = openWith(ThreeDiagrams);
    QComboBox* list = controlOf<QComboBox>(*window, DiagramListId);
    controlOf<QPushButton>(*window, LanguageId)->click();
    EXPECT_EQ(uiContext().InterfaceLanguage, 1);
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(fromQString(list->currentText()), latin1("-- SVP choisir un schéma  --"));
    EXPECT_EQ(fromQString(controlOf<QPushButton>(*window, SolveId)->text()), latin1("Résoudre"));
    EXPECT_EQ(controlOf<QPushButton>(*window, LanguageId)->text(), "English");
    EXPECT_TRUE(window->menuAction(FrenchMenuId)->isChecked());
    EXPECT_EQ(fromQString(window->menuAction(LeftHandedMenuId)->text()), "Utilisateur &gaucher");
    // Qt's own texts (the file dialog's) as well.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
    // Once a diagram is chosen the names stay as the file has them.
    chooseEntry(*window, DiagramListId, 2);
    window->menuAction(FrenchMenuId)->trigger();
    EXPECT_EQ(uiContext().InterfaceLanguage, 0);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "Transmitter");
    EXPECT_EQ(controlOf<QPushButton>(*window, LanguageId)->text(), QString::fromLatin1(latin1("français").c_str()));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

TEST_F(PuzzleWindowTest, HoveringATileShowsItsDescriptionUntilTurnedOff) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    QLabel* area = controlOf<QLabel>(*window, DescriptionId);
    sendMouse(window->pieceOfTile(4), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(area->text(), "Makes sound.");  // trimmed of spaces and tabs
    // Over the window itself the area is cleared.
    sendMouse(window->client(), QEvent::MouseMove, QPoint(window->units().toPixelsX(510), window->units().toPixelsY(100)), Qt::NoButton);
    EXPECT_EQ(area->text(), "");
    sendMouse(window->pieceOfTile(1), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(area->text(), "Picks up signals.");
    controlOf<QCheckBox>(*window, DescribeBoxId)->click();
    sendMouse(window->pieceOfTile(2), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(area->text(), "Picks up signals.");
}

// The keyboard moves the description as the mouse does: the tile that gets
// the focus is described, until the mouse goes over another.
TEST_F(PuzzleWindowTest, TheTileWithTheKeyboardIsDescribed) {
    auto window = openWith(ThreeDiagrams);
    chooseEntry(*window, DiagramListId, 0);
    QLabel* area = controlOf<QLabel>(*window, DescriptionId);
    const auto focusOn = [](QWidget* tile) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(tile, &in);
    };
    sendMouse(window->pieceOfTile(1), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(area->text(), "Picks up signals.");
    focusOn(window->pieceOfTile(4));
    EXPECT_EQ(area->text(), "Makes sound.");
    sendMouse(window->pieceOfTile(1), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(area->text(), "Picks up signals.");
}

TEST_F(PuzzleWindowTest, HintsGoToTheStatusLineWithoutTooltips) {
    auto window = openWith(ThreeDiagrams);
    window->attachToolTips();
    toolTipState().ToolTipsAvailable = false;
    QWidget* solve = controlOf<QWidget>(*window, SolveId);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), solve->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(solve, &enter);
    QLabel* status = controlOf<QLabel>(*window, StatusLineId);
    EXPECT_EQ(status->text(), " Press button to solve puzzle.");
    EXPECT_EQ(status->palette().color(QPalette::Window), QColor(255, 255, 0));
}

TEST_F(PuzzleWindowTest, TwoFilesOfferAPromptAndRefuseIt) {
    dir.write("Diagrams_Other.txt", OneDiagram);
    auto window = openWith(ThreeDiagrams);
    QComboBox* files = controlOf<QComboBox>(*window, FileListId);
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->currentText(), "-- Please select a bank --");
    EXPECT_FALSE(controlOf<QComboBox>(*window, DiagramListId)->isEnabled());
    chooseEntry(*window, FileListId, 2);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select Qualification");
    EXPECT_EQ(boxes.boxes[0].title, "Ostrilon - Error Message");
    // A French switch re-captions the file prompt too.
    controlOf<QPushButton>(*window, LanguageId)->click();
    EXPECT_EQ(files->currentText(), "-- SVP choisir une banque --");
    // Choosing the other file sets its one diagram up and drops the prompt.
    chooseEntry(*window, FileListId, 0);
    EXPECT_EQ(files->count(), 2);
    EXPECT_EQ(controlOf<QComboBox>(*window, DiagramListId)->currentText(), "Only");
    EXPECT_EQ(visiblePieces(*window), 2);
}

TEST_F(PuzzleWindowTest, FontsReportNamesTheTileFontOnceItExists) {
    auto window = openWith(ThreeDiagrams);
    QAction* fonts = window->menuAction(FontsMenuId);
    EXPECT_FALSE(fonts->isEnabled());
    chooseEntry(*window, DiagramListId, 0);
    ASSERT_TRUE(fonts->isEnabled());
    fonts->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Ostrilon");
    EXPECT_EQ(boxes.boxes[0].style, 0u);
    const std::string& report = boxes.boxes[0].text;
    EXPECT_EQ(report.rfind("Fonts, point sizes and weights\r\n- Main window    : DejaVu Sans, 9 (400).", 0), 0u) << report;
    // "Antenna" is the file's widest measured line ("Speaker" is placed by
    // code S and left out of the measure).
    const int points = fitTileFontPoints(TestFace, "Antenna", window->piece(1)->width());
    EXPECT_NE(report.find("- Movable blocks: DejaVu Sans, " + std::to_string(points) + " (700)."),
              std::string::npos) << report;
    EXPECT_NE(report.find("- Large OK sign   : DejaVu Sans, "), std::string::npos);
}

// The tile font fits the widest line the reader measured: labels placed by
// code S are left out, and a label of several lines offers each line.
struct FitCase {
    const char* name;
    const char* file;
    const char* widestMeasured;
    const char* leftOut;  // a wider line that must not decide the size
};

class TileFontFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(TileFontFit, SizeComesFromTheWidestMeasuredLine) {
    const FitCase& c = GetParam();
    TempFolder folder;
    BoxAnswers answers;
    folder.write("Diagrams_Test.txt", c.file);
    auto window = openPuzzle(folder.path());
    ASSERT_EQ(window->files().ShownDiagram, 1);
    const int width = window->piece(1)->width();
    const int expected = fitTileFontPoints(TestFace, c.widestMeasured, width);
    // The case only proves something when the wider line would give another size.
    ASSERT_NE(fitTileFontPoints(TestFace, c.leftOut, width), expected);
    EXPECT_EQ(controlOf<QLabel>(*window, TileFontHolderId)->font().pointSize(), expected);
    uiContext().InterfaceLanguage = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Labels, TileFontFit,
    ::testing::Values(
        FitCase{"SpeakerLeftOut",
                "{Only}\r\n~A1~BOX~R~C|Mixer~a\r\n~A2~SPKR~L~S|Loudspeaker assembly~b\r\n",
                "Mixer", "Loudspeaker assembly"},
        FitCase{"EachLineOfATwoLineLabel",
                "{Only}\r\n~A1~BOX~R~C|RF\\Amplifier~a\r\n~A2~BOX~L~C|AF~b\r\n", "Amplifier",
                "RF Amplifier"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PuzzleWindowTest, HelpAndAboutFollowTheLanguageAndCloseWithTheWindow) {
    auto window = openWith(ThreeDiagrams);
    window->menuAction(HelpMenuId)->trigger();
    controlOf<PictureControl>(*window, LogoId)->clicked();
    QWidget* help = window->infoWindow(1);
    QWidget* about = window->infoWindow(2);
    ASSERT_TRUE(help && about);
    EXPECT_EQ(help->windowTitle(), "Ostrilon - Help");
    EXPECT_EQ(about->windowTitle(), "Ostrilon - About");
    window->menuAction(HelpMenuId)->trigger();  // brought forward, not doubled
    EXPECT_EQ(window->infoWindow(1), help);
    controlOf<QPushButton>(*window, LanguageId)->click();
    auto* text = help->findChild<QWidget*>(QStringLiteral("c2100"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->property("plainText").toString().contains(QString::fromLatin1(latin1("Paramètres de ligne de commande").c_str())));
    window->close();
    QApplication::processEvents();
    EXPECT_EQ(window->infoWindow(1), nullptr);
    EXPECT_EQ(window->infoWindow(2), nullptr);
}

}  // namespace
