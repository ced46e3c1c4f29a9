#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>

#include "toolkit/gui/picturecontrol.h"

namespace {

const QColor Background(10, 20, 30);
const QColor Fill(200, 100, 50);
const QColor Corner(0, 255, 0);

// A picture of one colour whose top-left pixel is marked, so that where it
// landed and whether it was cut can both be read back.
QImage markedPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Fill);
    image.setPixelColor(0, 0, Corner);
    return image;
}

QImage shown(PictureControl& control) {
    control.setAutoFillBackground(true);
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, Background);
    control.setPalette(palette);
    return control.grab().toImage();
}

struct PlacementCase {
    const char* name;
    PictureControl::Placement placement;
    QSize control, picture;
    QPoint at;  // where the picture's top-left pixel lands
};

class PicturePlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PicturePlacement, DrawnUnscaledAtItsPlaceOverTheBackground) {
    const PlacementCase& c = GetParam();
    PictureControl control(nullptr, c.placement);
    control.resize(c.control);
    control.setPicture(QPixmap::fromImage(markedPicture(c.picture)));
    const QImage image = shown(control);
    ASSERT_EQ(image.size(), c.control);
    const QRect drawn = QRect(c.at, c.picture).intersected(image.rect());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint p(x, y);
            const QColor expected = p == c.at ? Corner : drawn.contains(p) ? Fill : Background;
            ASSERT_EQ(image.pixelColor(p), expected) << "at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    PictureControl, PicturePlacement,
    ::testing::Values(
        PlacementCase{"TopLeftSmaller", PictureControl::TopLeft, {20, 12}, {6, 4}, {0, 0}},
        PlacementCase{"CentredEven", PictureControl::Centred, {20, 12}, {6, 4}, {7, 4}},
        // An odd margin leaves the extra pixel at the right and bottom.
        PlacementCase{"CentredOdd", PictureControl::Centred, {20, 12}, {5, 3}, {7, 4}},
        PlacementCase{"CentredSameSize", PictureControl::Centred, {20, 12}, {20, 12}, {0, 0}},
        // A picture larger than the control shows its middle; the corner mark
        // is cut off, so no pixel may read as the corner colour.
        PlacementCase{"CentredLarger", PictureControl::Centred, {10, 10}, {14, 12}, {-2, -1}},
        PlacementCase{"TopLeftLarger", PictureControl::TopLeft, {10, 10}, {14, 12}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureControl, WithoutAPictureOnlyTheBackgroundShows) {
    PictureControl control(nullptr, PictureControl::Centred);
    control.resize(8, 8);
    const QImage image = shown(control);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixelColor(x, y), Background);
}

TEST(PictureControl, ImageAndPixmapShowTheSame) {
    const QImage picture = markedPicture({12, 12});
    PictureControl fromImage, fromPixmap;
    for (PictureControl* c : {&fromImage, &fromPixmap}) c->resize(12, 12);
    fromImage.setPicture(picture);
    fromPixmap.setPicture(QPixmap::fromImage(picture));
    EXPECT_EQ(shown(fromImage), shown(fromPixmap));
    EXPECT_EQ(shown(fromImage).pixelColor(0, 0), Corner);
}

struct ClickCase {
    const char* name;
    Qt::MouseButton button;
    QPoint release;
    int clicks;
};

class PictureClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(PictureClick, OnlyALeftReleaseInsideCounts) {
    const ClickCase& c = GetParam();
    PictureControl control;
    control.resize(20, 10);
    QSignalSpy spy(&control, &PictureControl::clicked);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(c.release), QPointF(c.release), c.button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &release);
    EXPECT_EQ(spy.count(), c.clicks);
}

INSTANTIATE_TEST_SUITE_P(
    PictureControl, PictureClick,
    ::testing::Values(ClickCase{"LeftInside", Qt::LeftButton, {5, 5}, 1},
                      ClickCase{"LeftAtLastPixel", Qt::LeftButton, {19, 9}, 1},
                      // The button was let go after dragging off the control.
                      ClickCase{"LeftOutside", Qt::LeftButton, {20, 5}, 0},
                      ClickCase{"LeftAbove", Qt::LeftButton, {5, -1}, 0},
                      ClickCase{"RightInside", Qt::RightButton, {5, 5}, 0},
                      ClickCase{"MiddleInside", Qt::MiddleButton, {5, 5}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
