// Rendering checks: pixels of rendered tiles, read back.
#include <gtest/gtest.h>

#include <QPainter>

#include "puzzle/ui/tests/puzzlegui.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"

namespace {

const QSize Size(100, 90);
const TileColours Colours = tileColours(32);

Tile makeTile(const char* kind, const char* connectors = "", const char* label = "") {
    Tile t;
    t.Kind = kind;
    t.Connectors = connectors;
    t.Label = label;
    return t;
}

QImage render(const Tile& tile, std::vector<StubPath>* stubs = nullptr) {
    return drawTile(tile, Size, Colours, tileFonts(TestFace, 10), stubs);
}

bool isLine(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Colours.Line; }
bool isBackground(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == Colours.Background;
}
bool isText(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;  // black, anti-aliased edges aside
}

// Horizontal bands of rows holding text pixels.
int textBands(const QImage& image) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool any = false;
        for (int x = 0; x < image.width() && !any; ++x) any = isText(image, x, y);
        if (any && !inBand) ++bands;
        inBand = any;
    }
    return bands;
}

QRect textBounds(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isText(image, x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

TEST(StubRendering, LeftStubOnNoneRunsToTheMiddle) {
    std::vector<StubPath> stubs;
    const QImage image = render(makeTile("NONE", "L"), &stubs);
    const int y = Size.height() / 2;
    for (int x = 0; x <= Size.width() / 2 - 1; ++x) EXPECT_TRUE(isLine(image, x, y)) << x;
    for (int x = Size.width() / 2 + 2; x < Size.width(); ++x) EXPECT_TRUE(isBackground(image, x, y)) << x;
    ASSERT_EQ(stubs.size(), 1u);
    EXPECT_EQ(stubs[0].Stop.x(), Size.width() / 2);
}

TEST(StubRendering, RightStubWithArrowStopsAtTheAmplifierTip) {
    std::vector<StubPath> stubs;
    const QImage image = render(makeTile("AMP", "RI"), &stubs);
    ASSERT_EQ(stubs.size(), 1u);
    const QPoint tip = stubs[0].Stop;
    EXPECT_NEAR(tip.x(), 0.9 * Size.width(), 1.0);
    EXPECT_EQ(tip.y(), Size.height() / 2);
    // The stub fills the gap between the tip and the right edge.
    for (int x = tip.x(); x < Size.width(); ++x) EXPECT_TRUE(isLine(image, x, tip.y())) << x;
    // An arrowhead: thicker than the stub just right of the tip, and the
    // stub alone further out.
    EXPECT_TRUE(isLine(image, tip.x() + 3, tip.y() - 1));
    EXPECT_TRUE(isLine(image, tip.x() + 3, tip.y() + 1));
    EXPECT_TRUE(isBackground(image, tip.x() + 8, tip.y() - 1));
    EXPECT_TRUE(isBackground(image, tip.x() + 8, tip.y() + 1));
    // Without the "I" the same stub is one pixel thin there.
    const QImage plain = render(makeTile("AMP", "R"));
    EXPECT_TRUE(isBackground(plain, tip.x() + 3, tip.y() - 1));
    EXPECT_TRUE(isBackground(plain, tip.x() + 3, tip.y() + 1));
}

struct StubCase {
    const char* kind;
    const char* connector;
    QPoint expectedStop;  // in fractions of 1000 of the tile
};

void PrintTo(const StubCase& c, std::ostream* os) { *os << c.kind << " " << c.connector; }

class StubStops : public ::testing::TestWithParam<StubCase> {};

TEST_P(StubStops, StubReachesTheOutline) {
    const StubCase c = GetParam();
    std::vector<StubPath> stubs;
    const QImage image = render(makeTile(c.kind, c.connector), &stubs);
    ASSERT_EQ(stubs.size(), 1u);
    EXPECT_NEAR(stubs[0].Stop.x(), c.expectedStop.x() * Size.width() / 1000.0, 1.0);
    EXPECT_NEAR(stubs[0].Stop.y(), c.expectedStop.y() * Size.height() / 1000.0, 1.0);
    // Every pixel from the edge to the stop is drawn.
    const QPoint step = stubs[0].Stop - stubs[0].Start;
    const int n = std::max(std::abs(step.x()), std::abs(step.y()));
    for (int i = 1; i < n; ++i) {
        const QPoint p = stubs[0].Start + step * i / n;
        if (image.valid(p)) {
            EXPECT_TRUE(isLine(image, p.x(), p.y())) << p.x() << "," << p.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, StubStops,
    ::testing::Values(StubCase{"BOX", "L", {100, 500}}, StubCase{"BOX", "T", {500, 100}},
                      StubCase{"BOX", "B", {500, 900}}, StubCase{"AMP", "L", {100, 500}},
                      StubCase{"DMLD", "t", {500, 200}}, StubCase{"NONE", "T", {500, 500}},
                      StubCase{"ANT", "B", {500, 500}}, StubCase{"SPKR", "L", {500, 500}}),
                         namedBy([](const StubCase& c) { return std::string(c.kind) + " " + c.connector; }));

TEST(StubRendering, ItemWithoutASideDrawsNothing) {
    EXPECT_EQ(render(makeTile("BOX", "X,,Q")), render(makeTile("BOX")));
}

TEST(TileRendering, UnknownKindIsDrawnAsABox) {
    EXPECT_EQ(render(makeTile("WHAT")), render(makeTile("BOX")));
    EXPECT_EQ(render(makeTile(" BOX  ")), render(makeTile("BOX")));
}

TEST(TileRendering, EveryKindHasItsOwnPicture) {
    const char* kinds[] = {"BOX", "DBOX", "DOT", "AMP", "MIX", "ANT", "MIKE",
                           "SPKR", "DMLD", "FLT", "KEY", "CONS", "NONE"};
    std::vector<QImage> images;
    for (const char* k : kinds) images.push_back(render(makeTile(k)));
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << kinds[i] << " and " << kinds[j];
    // NONE is blank; the others draw something.
    EXPECT_EQ(images.back(), newSurface(Size, Colours.Background));
}

TEST(TileRendering, DashedBoxKeepsThreePixelsOfEveryEight) {
    const QImage image = render(makeTile("DBOX"));
    const int x0 = static_cast<int>(roundHalfEven(0.1 * Size.width()));
    const int y0 = static_cast<int>(roundHalfEven(0.1 * Size.height()));
    const int x1 = static_cast<int>(roundHalfEven(0.9 * Size.width()));
    for (int k = 0; x0 + k <= x1; ++k) {
        const int r = k % 8;
        EXPECT_EQ(isLine(image, x0 + k, y0), r >= 3 && r <= 5) << "k=" << k;
    }
}

TEST(TileRendering, EightBitDisplayDrawsBlackOnWhite) {
    const TileColours plain = tileColours(8);
    const QImage image = drawTile(makeTile("BOX"), Size, plain, tileFonts(TestFace, 10));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(50, static_cast<int>(roundHalfEven(0.1 * Size.height()))),
              QColor(Qt::black));
    EXPECT_EQ(tileColours(16).Background, QColor(255, 255, 204));
    EXPECT_EQ(tileColours(24).Line, QColor(128, 128, 128));
}

struct LabelCase {
    const char* label;
    int lines;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.label; }

class CentredLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(CentredLabels, EachBackslashStartsALine) {
    const QImage image = render(makeTile("NONE", "", GetParam().label));
    EXPECT_EQ(textBands(image), GetParam().lines);
    // Centred as a block, vertically and horizontally.
    const QRect text = textBounds(image);
    EXPECT_NEAR(text.center().y(), Size.height() / 2.0, 4.0);
    EXPECT_NEAR(text.center().x(), Size.width() / 2.0, 4.0);
}

INSTANTIATE_TEST_SUITE_P(Labels, CentredLabels,
                         ::testing::Values(LabelCase{"C|Local", 1}, LabelCase{"C|Local\\Osc", 2},
                                           LabelCase{"C|A\\B\\C", 3}, LabelCase{"c|I\\F\\A\\B", 4}),
                         namedBy([](const LabelCase& c) { return c.label; }));

TEST(TileLabels, NumberWithRIsRightAlignedAtThatHeight) {
    const QImage image = render(makeTile("NONE", "", "0.6R|A\\B"));
    const QRect text = textBounds(image);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.top(), static_cast<int>(0.6 * Size.height()));
    EXPECT_LE(text.top(), static_cast<int>(0.6 * Size.height()) + 6);
    EXPECT_NEAR(text.right(), Size.width() - 4, 2.0);
    EXPECT_EQ(textBands(image), 1);  // the backslash is written, not a break
}

TEST(TileLabels, PlacementCodesSetTheLeftEdge) {
    const QRect left = textBounds(render(makeTile("NONE", "", "0.1|Mixer")));
    const QRect centred = textBounds(render(makeTile("NONE", "", "0.1C|Mixer")));
    const QRect none = textBounds(render(makeTile("NONE", "", "|Mixer")));
    EXPECT_NEAR(left.left(), 2, 2.0);
    EXPECT_NEAR(centred.center().x(), Size.width() / 2.0, 2.0);
    EXPECT_LE(none.top(), 4);  // no number: the top of the tile
}

TEST(TileLabels, SlantedTextRunsDownToTheRight) {
    const QRect text = textBounds(render(makeTile("NONE", "", "S|Speaker")));
    ASSERT_TRUE(text.isValid());
    // Starts near (10, 2) and goes about as far down as across.
    EXPECT_LE(text.left(), 12);
    EXPECT_LE(text.top(), 8);
    EXPECT_GT(text.height(), 30);
    EXPECT_NEAR(text.width(), text.height(), text.height() / 3.0);
}

TEST(TileFont, LargestSizeThatFitsIsChosen) {
    EXPECT_EQ(fitTileFontPoints(TestFace, "RF", 100), 20);
    EXPECT_EQ(fitTileFontPoints(TestFace, std::string(45, 'W'), 100), 8);  // none fits: 8
    const int mid = fitTileFontPoints(TestFace, "Oscillator", 100);
    EXPECT_LT(mid, 20);
    EXPECT_LE(QFontMetrics(puzzleFont(TestFace, mid, true)).horizontalAdvance("Oscillator"), 88);
}

TEST(OkSigns, FramesAreGreenOrRedAndTheCrossedOneIsStruck) {
    const QFont font = puzzleFont(TestFace, 24, true);
    const QImage ok = drawOkSign(QSize(80, 60), false, font, Qt::lightGray);
    const QImage crossed = drawOkSign(QSize(80, 60), true, font, Qt::lightGray);
    EXPECT_EQ(ok.pixelColor(1, 30), QColor(0, 255, 0));
    EXPECT_EQ(crossed.pixelColor(1, 30), QColor(255, 0, 0));
    // The stroke runs from the bottom left corner to the top right one.
    EXPECT_EQ(crossed.pixelColor(20, 59 - 20 * 59 / 79), QColor(255, 0, 0));
    EXPECT_NE(ok.pixelColor(20, 59 - 20 * 59 / 79), QColor(255, 0, 0));
    EXPECT_TRUE(textBounds(ok).isValid());
}

TEST(CellFrames, BlueOutlineOnWhite) {
    const QImage frame = drawCellFrame(QSize(50, 40));
    EXPECT_EQ(frame.pixelColor(0, 20), QColor(0, 0, 255));
    EXPECT_EQ(frame.pixelColor(49, 39), QColor(0, 0, 255));
    EXPECT_EQ(frame.pixelColor(25, 20), QColor(Qt::white));
}

// A label longer than the tile at its font's size (a French word where the
// size was fitted to English ones) is written smaller, whole inside the tile,
// wherever its code places it.
TEST(TileLabels, ALineLongerThanTheTileIsWrittenSmallerInside) {
    const TileFonts large = tileFonts(TestFace, 20);
    for (const char* label : {"C|Redresseur", "0.1|R\xE9gulateur", "0.6R|R\xE9gulateur", "0.1C|R\xE9gulateur",
                              "C|Oscillateur\\local"}) {
        const QImage image = drawTile(makeTile("NONE", "", label), Size, Colours, large);
        const QRect text = textBounds(image);
        ASSERT_TRUE(text.isValid()) << label;
        EXPECT_GE(text.left(), 1) << label;
        EXPECT_LE(text.right(), Size.width() - 2) << label;
        EXPECT_GT(text.width(), Size.width() / 2) << label;  // smaller, not gone
    }
    // In a box, inside the box's outline (from a tenth of the tile to nine tenths).
    for (const char* label : {"C|Redresseur", "C|R\xE9gulateur"}) {
        const QImage image = drawTile(makeTile("BOX", "", label), Size, Colours, large);
        const QRect text = textBounds(image);
        ASSERT_TRUE(text.isValid()) << label;
        EXPECT_GT(text.left(), Size.width() / 10) << label;
        EXPECT_LT(text.right(), Size.width() * 9 / 10) << label;
    }
    // What fits keeps the tile font: the same pixels as before.
    const QImage fits = drawTile(makeTile("NONE", "", "C|RF"), Size, Colours, large);
    EXPECT_GT(textBounds(fits).height(), textBounds(render(makeTile("NONE", "", "C|RF"))).height());
}
