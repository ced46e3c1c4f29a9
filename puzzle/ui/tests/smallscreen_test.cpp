// Ostrilon on a laptop's 1366x768 screen with the font enlarged by /A=4 (the
// screen comes from the offscreen platform's configuration, see CMakeLists):
// no window comes out larger than the work area, maximized or not, and the
// board that cannot fit scrolls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "puzzle/ui/infowindow.h"
#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/startup.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/uicontext.h"

namespace {

// The outer size a window manager gives the window: its own frame when it
// has one, else the desktop's caption and borders added.
QSize outerSize(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    // A maximized window is given the work area, frame and all.
    if (frame.size() != window->size() || window->isMaximized()) return frame.size();
    const WindowMetrics m = systemWindowMetrics();
    return window->size() + QSize(2 * m.DialogFrame, m.CaptionHeight + 2 * m.DialogFrame);
}

void expectWithinWorkArea(const QWidget* window, const std::string& what) {
    const QRect area = window->screen()->availableGeometry();
    const QSize outer = outerSize(window);
    EXPECT_LE(outer.width(), area.width()) << what << " is " << outer.width() << " wide";
    EXPECT_LE(outer.height(), area.height()) << what << " is " << outer.height() << " high";
    const QRect frame = window->frameGeometry();
    EXPECT_GE(frame.left(), area.left()) << what;
    EXPECT_GE(frame.top(), area.top()) << what;
}

// With SMALLSCREEN_SHOTS set to a folder, the windows are saved there for
// looking at.
void shot(QWidget* window, const std::string& name) {
    const QString folder = qEnvironmentVariable("SMALLSCREEN_SHOTS");
    if (!folder.isEmpty()) window->grab().save(folder + "/ostrilon-" + QString::fromStdString(name) + ".png");
}

void settle() {
    for (int i = 0; i < 4; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

// The desktop's message font as Debian sets it, for the duration of a test.
class DesktopFont {
public:
    DesktopFont() : kept_(QApplication::font()) { QApplication::setFont(QFont("DejaVu Sans", 10)); }
    ~DesktopFont() { QApplication::setFont(kept_); }

private:
    QFont kept_;
};

class SmallScreen : public ::testing::TestWithParam<int> {};

TEST_P(SmallScreen, EveryWindowFitsTheWorkAreaAtFourPointsMore) {
    ASSERT_EQ(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    DesktopFont font;
    BoxAnswers boxes;
    auto window = startPuzzle("/A=4", SAMPLES_DIR, GetParam());
    ASSERT_TRUE(window);
    window->show();
    settle();
    auto* files = static_cast<QComboBox*>(findControl(window.get(), FileListId));
    // The diagrams of the interface language (the files are listed by name).
    files->setCurrentIndex(1 - GetParam());
    emit files->activated(1 - GetParam());
    settle();
    auto* diagrams = static_cast<QComboBox*>(findControl(window.get(), DiagramListId));
    diagrams->setCurrentIndex(1);
    emit diagrams->activated(1);
    settle();
    expectWithinWorkArea(window.get(), "the window");
    shot(window.get(), GetParam() ? "fr" : "en");

    // The board is larger than the room: it scrolls to its last row.
    auto* scroll = window->findChild<QScrollArea*>();
    ASSERT_TRUE(scroll);
    EXPECT_EQ(scroll->widget(), window->client());
    EXPECT_GT(window->client()->height(), scroll->viewport()->height());
    // Scrolled to its end, the lowest piece is in view whole.
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    settle();
    QWidget* lowest = nullptr;
    for (int t = 1; t <= PieceCount; ++t)
        if (QWidget* piece = window->piece(t); piece && piece->isVisible())
            if (!lowest || piece->geometry().bottom() > lowest->geometry().bottom()) lowest = piece;
    ASSERT_TRUE(lowest);
    const QRect inView(lowest->mapTo(scroll->viewport(), QPoint(0, 0)), lowest->size());
    EXPECT_GE(inView.top(), 0);
    EXPECT_LE(inView.bottom(), scroll->viewport()->height() - 1);
    shot(window.get(), GetParam() ? "fr-scrolled" : "en-scrolled");

    window->showMaximized();
    settle();
    expectWithinWorkArea(window.get(), "the maximized window");
    window->showNormal();
    settle();

    window->showInfoWindow(HelpWindow);
    window->showInfoWindow(AboutWindow);
    settle();
    for (int k : {HelpWindow, AboutWindow}) {
        ASSERT_TRUE(window->infoWindow(k));
        expectWithinWorkArea(window->infoWindow(k), "info window " + std::to_string(k));
    }
    boxes.answerWith([](const ModalRequest& r) -> std::optional<int> {
        if (r.Dialog) expectWithinWorkArea(r.Dialog, "the fonts report");
        return 1;
    });
    window->menuAction(FontsMenuId)->setEnabled(true);
    window->menuAction(FontsMenuId)->trigger();
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, SmallScreen, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param ? "French" : "English");
                         });

}  // namespace
