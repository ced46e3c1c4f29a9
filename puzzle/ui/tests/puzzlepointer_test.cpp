// The pointer over the puzzle window: quick second clicks on tiles, the
// tile description and the status-line hints over the window's own surface.
#include <gtest/gtest.h>

#include <QFrame>

#include "puzzle/ui/tests/puzzlegui.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/tests/tempfolder.h"

namespace {

const std::string Receiver =
    "{Receiver}\r\n"
    "~B1~ANT~R~0.6C|Antenna~Picks up signals.\r\n"
    "~B2~AMP~LI,R~0.38C|RF~Amplifies.\r\n"
    "~A2~BOX~B~C|Local\\Osc~Makes the local signal.\r\n"
    "~B3~SPKR~LI~S|Speaker~Makes sound.\r\n"
    "{Other}\r\n"
    "~A1~BOX~R~C|One~First.\r\n";

class PuzzlePointerTest : public ::testing::Test {
protected:
    void SetUp() override { toolTipState() = ToolTipState{}; }
    void TearDown() override {
        toolTipState() = ToolTipState{};
        uiContext().InterfaceLanguage = 0;
    }

    std::unique_ptr<PuzzleWindow> openReceiver() {
        dir.write("Diagrams_Test.txt", Receiver);
        auto window = openPuzzle(dir.path());
        chooseEntry(*window, DiagramListId, 0);
        return window;
    }

    TempFolder dir;
    BoxAnswers boxes;
};

// The press that starts a drag, given as the second press of a double click:
// Qt sends it as a double-click event.
enum class Before { Click, Drop };

class QuickSecondClick : public PuzzlePointerTest, public ::testing::WithParamInterface<Before> {};

TEST_P(QuickSecondClick, StartsADragAsAPressDoes) {
    auto window = openReceiver();
    PictureControl* piece = window->pieceOfTile(2);
    const QPoint grip(piece->width() / 2, piece->height() / 2);
    if (GetParam() == Before::Click) {
        sendMouse(piece, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        sendMouse(piece, QEvent::MouseButtonRelease, grip, Qt::NoButton);
    } else {
        // Dropped on a cell that is not its own, then grabbed again at once.
        dragPiece(piece, cellCorner(*window, tileOf(*window, 1).TargetCell));
        ASSERT_EQ(piece->pos(), cellCorner(*window, tileOf(*window, 1).TargetCell));
    }
    const QPoint target = cellCorner(*window, tileOf(*window, 2).TargetCell);
    sendMouse(piece, QEvent::MouseButtonDblClick, grip, Qt::LeftButton);
    sendMouse(piece, QEvent::MouseMove, target - piece->pos() + grip, Qt::LeftButton);
    sendMouse(piece, QEvent::MouseButtonRelease, target - piece->pos() + grip, Qt::NoButton);
    EXPECT_EQ(piece->pos(), target);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tiles, QuickSecondClick, ::testing::Values(Before::Click, Before::Drop),
                         [](const auto& info) {
                             return std::string(info.param == Before::Click ? "AfterAClick" : "JustDropped");
                         });

// Over the window itself the description clears: cell frames, separator
// lines, the group frame and the signs are part of that surface.
TEST_F(PuzzlePointerTest, DescriptionClearsOverFramesAndLines) {
    auto window = openReceiver();
    QLabel* area = controlOf<QLabel>(*window, DescriptionId);
    const int emptyCell = tileOf(*window, 3).TargetCell;
    ASSERT_TRUE(window->cellFrame(emptyCell)->isVisible());
    const struct {
        const char* over;
        QWidget* widget;
    } places[] = {{"an empty cell frame", window->cellFrame(emptyCell)},
                  {"the separator line", controlOf<QFrame>(*window, 2153)},
                  {"the home area's border", controlOf<QFrame>(*window, 2150)},
                  {"the selection frame's border", controlOf<QWidget>(*window, GroupBoxId)}};
    for (const auto& place : places) {
        ASSERT_NE(place.widget, nullptr) << place.over;
        QTest::mouseMove(window->pieceOfTile(4), QPoint(3, 3));
        ASSERT_EQ(area->text(), "Makes sound.") << place.over;
        // A point of the widget not covered by another control.
        const QPoint at = place.widget->geometry().topLeft() + QPoint(1, 1);
        QTest::mouseMove(window->client(), at);
        EXPECT_EQ(area->text(), "") << place.over;
    }
}

// Tooltips that cannot be set up at all: resting on Solve still writes its
// hint in the status line, and the window's own surface clears it.
TEST_F(PuzzlePointerTest, HintsAfterTheTooltipSetUpFailed) {
    auto window = openReceiver();
    toolTipState().CanMakeTipWindow = [] { return false; };
    window->attachToolTips();
    EXPECT_FALSE(toolTipState().ToolTipsAvailable);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Failure on CreateWindowEx for \"tooltips_class32\"");
    QLabel* status = controlOf<QLabel>(*window, StatusLineId);
    QTest::mouseMove(controlOf<QWidget>(*window, SolveId), QPoint(3, 3));
    EXPECT_EQ(status->text(), " Press button to solve puzzle.");
    EXPECT_EQ(status->palette().color(QPalette::Window), QColor(255, 255, 0));
    QTest::mouseMove(window->client(), controlOf<QWidget>(*window, 2153)->geometry().topLeft());
    EXPECT_EQ(status->text(), "");
}

}  // namespace
