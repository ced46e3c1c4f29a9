#include <gtest/gtest.h>

#include <QWidget>

#include "toolkit/gui/controls.h"
#include "toolkit/gui/resizer.h"
#include "toolkit/tests/casenames.h"

namespace {
// A 400 x 300 window with one control at (40, 20), 100 x 30.
struct Window {
    Window() {
        window.resize(400, 300);
        control = new QWidget(&window);
        control->setGeometry(40, 20, 100, 30);
        setControlId(control, 2001);
    }
    QWidget window;
    QWidget* control;
};
} // namespace

struct RuleCase {
    const char* name;
    int flags;
    int widthPercent, heightPercent, xMove, yMove;
    QRect expected; // after growing the window to 500 x 360
};
class ResizeRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ResizeRuleTest, ControlFollowsItsRule) {
    const RuleCase c = GetParam();
    Window w;
    ResizeState state;
    myResizeInit(&w.window, state);
    ASSERT_EQ(myResizeAddControl(state, 2001, c.flags, c.widthPercent, c.heightPercent, 0, c.xMove,
                                 c.yMove),
              1);
    w.window.resize(500, 360);
    myResizeOnSize(state);
    EXPECT_EQ(w.control->geometry(), c.expected) << "flags " << c.flags;
}
INSTANTIATE_TEST_SUITE_P(
    Table, ResizeRuleTest,
    ::testing::Values(RuleCase{"Fixed", RsFixed, 0, 0, 0, 0, QRect(40, 20, 100, 30)},
                      RuleCase{"HalfWidth", RsWidth, 50, 0, 0, 0, QRect(40, 20, 150, 30)},
                      RuleCase{"WholeWidth", RsWidth, 0, 0, 0, 0, QRect(40, 20, 200, 30)}, // 0, 0: both 100
                      RuleCase{"HalfHeight", RsHeight, 0, 50, 0, 0, QRect(40, 20, 100, 60)},
                      RuleCase{"MoveXTenPercent", RsMoveX, 10, 0, 20, 0, QRect(70, 20, 100, 30)},
                      RuleCase{"MoveYTenPercent", RsMoveY, 0, 10, 0, 40, QRect(40, 50, 100, 30)},
                      RuleCase{"Centred", RsCentreX | RsCentreY, 0, 0, 0, 0, QRect(200, 165, 100, 30)},
                      RuleCase{"KeepRight", RsKeepRight, 0, 0, 0, 0, QRect(140, 20, 100, 30)},
                      RuleCase{"KeepOffsetFromMiddleX", RsKeepOffsetFromMiddleX, 0, 0, 0, 0, QRect(90, 20, 100, 30)},
                      RuleCase{"KeepOffsetFromMiddleY", RsKeepOffsetFromMiddleY, 0, 0, 0, 0, QRect(40, 50, 100, 30)},
                      RuleCase{"WidthKeepBottom", RsWidth | RsKeepBottom, 100, 0, 0, 0, QRect(40, 80, 200, 30)}),
                         ByName{});

TEST(Resizer, StatusLineKeepsBottomGapAndFollowsWidth) {
    QWidget window;
    window.resize(512, 336);
    auto* status = new QWidget(&window);
    status->setGeometry(1, 316, 510, 18);
    setControlId(status, 2049);
    ResizeState state;
    myResizeInit(&window, state);
    myResizeAddControl(state, 2049, RsWidth | RsKeepBottom, 0, 0, 1, 0, 0);
    for (QSize size : {QSize(700, 500), QSize(600, 300), QSize(300, 200)}) {
        window.resize(size);
        myResizeOnSize(state);
        EXPECT_EQ(window.height() - status->geometry().bottom() - 1, 2);
        EXPECT_EQ(status->width(), size.width() - 2);
        EXPECT_EQ(status->x(), 1);
    }
}

TEST(Resizer, GrowsByTwentyAndKeepsEarlierRecords) {
    QWidget window;
    window.resize(800, 600);
    for (int i = 0; i < 71; ++i) {
        auto* c = new QWidget(&window);
        c->setGeometry(i, 2 * i, 10 + i, 5);
        setControlId(c, 3000 + i);
    }
    ResizeState state;
    myResizeInit(&window, state);
    EXPECT_EQ(state.capacity(), 50);
    for (int i = 0; i < 50; ++i)
        myResizeAddControl(state, 3000 + i, RsMoveX, 0, 0, 0, i, 0);
    EXPECT_EQ(state.capacity(), 50);
    ASSERT_EQ(myResizeAddControl(state, 3050, RsWidth, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(state.capacity(), 70);
    EXPECT_EQ(state.Count, 51);
    for (int i = 0; i < 50; ++i) {
        const ResizeControl& r = state.Records[size_t(i)];
        EXPECT_EQ(r.ControlId, 3000 + i);
        EXPECT_EQ(r.X, i);
        EXPECT_EQ(r.Width, 10 + i);
        EXPECT_EQ(r.XMovePercent, i);
    }
    for (int i = 51; i < 71; ++i)
        myResizeAddControl(state, 3000 + i, RsFixed, 0, 0, 0, 0, 0);
    EXPECT_EQ(state.capacity(), 90);
}

TEST(Resizer, BackToInitialSizeRestoresEveryControl) {
    QWidget window;
    window.resize(400, 300);
    const int flags[] = {RsWidth | RsHeight, RsMoveX | RsMoveY,
                         RsCentreX,          RsKeepRight | RsKeepBottom,
                         RsWidth | RsMoveX,  RsKeepOffsetFromMiddleX | RsKeepOffsetFromMiddleY};
    std::vector<std::pair<QWidget*, QRect>> controls;
    ResizeState state;
    for (int i = 0; i < 6; ++i) {
        auto* c = new QWidget(&window);
        // The centred control starts centred: its rule knows no other place.
        c->setGeometry(i == 2 ? (400 - 35) / 2 : 10 + 30 * i, 15 + 20 * i, 33 + i, 17 + i);
        setControlId(c, 2000 + i);
        controls.emplace_back(c, c->geometry());
    }
    myResizeInit(&window, state);
    for (int i = 0; i < 6; ++i)
        myResizeAddControl(state, 2000 + i, flags[i], 37, 61, 0, 13, 7);
    // Odd sizes make every division round; no error may accumulate.
    for (QSize size : {QSize(777, 533), QSize(401, 299), QSize(1013, 997), QSize(400, 300)}) {
        window.resize(size);
        myResizeOnSize(state);
    }
    for (const auto& [c, geometry] : controls)
        EXPECT_EQ(c->geometry(), geometry);
}

TEST(Resizer, FirstRegistrationStaysAndMissingControlsAreRefused) {
    Window w;
    ResizeState state;
    myResizeInit(&w.window, state);
    EXPECT_EQ(myResizeAddControl(state, 2001, RsWidth, 100, 0, 0, 0, 0), 1);
    EXPECT_EQ(myResizeAddControl(state, 2001, RsFixed, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(state.Count, 1);
    EXPECT_EQ(state.Records[0].Flags, RsWidth);
    EXPECT_EQ(myResizeAddControl(state, 9999, RsWidth, 0, 0, 0, 0, 0), 0);
    myResizeFree(state);
    EXPECT_EQ(myResizeAddControl(state, 2001, RsWidth, 0, 0, 0, 0, 0), 0);
    w.window.resize(600, 600);
    myResizeOnSize(state); // nothing left to move
    EXPECT_EQ(w.control->geometry(), QRect(40, 20, 100, 30));
}

TEST(Resizer, OnlyTheNamedControlWhenAnIdIsGiven) {
    Window w;
    auto* other = new QWidget(&w.window);
    other->setGeometry(0, 0, 10, 10);
    setControlId(other, 2002);
    ResizeState state;
    myResizeInit(&w.window, state);
    myResizeAddControl(state, 2001, RsWidth, 0, 0, 0, 0, 0);
    myResizeAddControl(state, 2002, RsWidth, 0, 0, 0, 0, 0);
    w.window.resize(500, 300);
    myResizeOnSize(state, 2002);
    EXPECT_EQ(other->width(), 110);
    EXPECT_EQ(w.control->width(), 100);
}
