#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "toolkit/gui/metrics.h"
#include "toolkit/tests/casenames.h"

struct MulDivCase {
    int number, numerator, denominator, expected;
};
class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsToNearestHalvesAwayFromZero) {
    const MulDivCase c = GetParam();
    EXPECT_EQ(mulDiv(c.number, c.numerator, c.denominator), c.expected);
}
INSTANTIATE_TEST_SUITE_P(Table, MulDivTest,
                         ::testing::Values(MulDivCase{50, 7, 4, 88},  // 87.5
                                           MulDivCase{14, 15, 8, 26}, // 26.25
                                           MulDivCase{-50, 7, 4, -88}, MulDivCase{3, 1, 2, 2},
                                           MulDivCase{1, 1, 3, 0}, MulDivCase{5, 5, 0, -1},
                                           MulDivCase{2000000000, 4, 4, 2000000000}),
                         namedBy([](const MulDivCase& c) { return std::to_string(c.number) + " times " + std::to_string(c.numerator) + " over " + std::to_string(c.denominator); }));

TEST(Metrics, PointSizeFromPixelHeight) {
    EXPECT_EQ(pointSizeFromHeight(-16, 96), 12);
    EXPECT_EQ(pointSizeFromHeight(16, 96), 12);
    EXPECT_EQ(pointSizeFromHeight(-13, 96), 10); // 9.75
    EXPECT_EQ(pointSizeFromHeight(-20, 120), 12);
}

TEST(Metrics, DialogUnitsFollowTheFont) {
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    const DialogUnits s = dialogUnits(small);
    const DialogUnits l = dialogUnits(large);
    EXPECT_GT(l.BaseX, s.BaseX);
    EXPECT_EQ(s.toPixelsX(4), s.BaseX);
    EXPECT_EQ(s.toPixelsY(8), s.BaseY);
    EXPECT_EQ(s.BaseY, QFontMetrics(small).height());
    // Converting back gives the dialog units again for whole multiples.
    EXPECT_EQ(l.fromPixelsX(l.toPixelsX(40)), 40);
    EXPECT_EQ(l.fromPixelsY(l.toPixelsY(64)), 64);
}

struct PlaceCase {
    std::optional<int> percent;
    QRect area;
    QPoint expected; // for a 200 x 100 window
};
class PlaceWindowTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceWindowTest, SharesTheFreeSpace) {
    QWidget window;
    window.resize(200, 100);
    const PlaceCase c = GetParam();
    ASSERT_EQ(myPlaceWindow(&window, c.area, c.percent), 1);
    EXPECT_EQ(window.frameGeometry().topLeft(), c.expected);
    EXPECT_EQ(window.size(), QSize(200, 100));
}
INSTANTIATE_TEST_SUITE_P(
    Table, PlaceWindowTest,
    ::testing::Values(PlaceCase{std::nullopt, QRect(0, 0, 600, 500), QPoint(200, 200)},
                      PlaceCase{30, QRect(0, 0, 600, 500), QPoint(120, 120)},
                      PlaceCase{0, QRect(50, 40, 600, 500), QPoint(50, 40)},
                      PlaceCase{100, QRect(50, 40, 600, 500), QPoint(450, 440)},
                      // Larger than the area: up and left of its corner.
                      PlaceCase{30, QRect(10, 10, 100, 50), QPoint(-20, -5)}),
                         namedBy([](const PlaceCase& c) { return (c.percent ? std::to_string(*c.percent) + " percent" : std::string("no percent")) + " in " + std::to_string(c.area.width()) + "x" + std::to_string(c.area.height()); }));

TEST(Metrics, MonitorUnderPointAndFallbacks) {
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const QPoint inside = primary->geometry().center();
    EXPECT_EQ(myMonitorFromPoint(inside.x(), inside.y(), MonitorDefaultToNull), primary);
    EXPECT_EQ(myMonitorFromPoint(-100000, -100000, MonitorDefaultToNull), nullptr);
    EXPECT_EQ(myMonitorFromPoint(-100000, -100000, MonitorDefaultToNearest), primary);
    EXPECT_EQ(myMonitorFromPoint(-100000, -100000, MonitorDefaultToPrimary), primary);

    QWidget window;
    window.setGeometry(QRect(inside, QSize(50, 50)));
    EXPECT_EQ(myMonitorFromWindow(&window, MonitorDefaultToNull), primary);
    window.move(-100000, 0);
    EXPECT_EQ(myMonitorFromWindow(&window, MonitorDefaultToNull), nullptr);
    EXPECT_EQ(myMonitorFromWindow(&window, MonitorDefaultToNearest), primary);
}

TEST(Metrics, WorkAreaOfMonitorOrPrimary) {
    QRect area;
    ASSERT_NE(myGetWorkArea(nullptr, area), 0);
    EXPECT_EQ(area, QGuiApplication::primaryScreen()->availableGeometry());
    MonitorInfo info;
    EXPECT_EQ(myGetMonitorInfo(nullptr, info), 0);
    ASSERT_EQ(myGetMonitorInfo(QGuiApplication::primaryScreen(), info), 1);
    EXPECT_TRUE(info.Primary);
    EXPECT_TRUE(info.Monitor.contains(info.WorkArea));
}

TEST(Metrics, VersionsAnswerWithoutFailing) {
    EXPECT_GE(myInitCommonControls(0), 6.0);
    EXPECT_DOUBLE_EQ(myGetFileVersion("comctl32.DLL"), myInitCommonControls(255));
    EXPECT_EQ(myGetFileVersion("Missing.dll"), 0.0);
    const int major = myGetWindowsVersion();
    EXPECT_GT(major, 0);
    EXPECT_TRUE(myGetWindowsVersion(major));
    EXPECT_FALSE(myGetWindowsVersion(major + 1));
}

TEST(Metrics, SuggestedFontIsTheDesktopFont) {
    std::string face = "stale";
    int size = -1;
    ASSERT_EQ(mySuggestDefaultFont(face, size), 1);
    EXPECT_FALSE(face.empty());
    EXPECT_EQ(face.front() != ' ' && face.back() != ' ', true);
    EXPECT_GT(size, 0);
    EXPECT_EQ(size, qRound(QGuiApplication::font().pointSizeF()));
}
