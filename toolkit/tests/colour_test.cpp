#include "toolkit/colour.h"

#include <gtest/gtest.h>

namespace {

struct ContrastCase {
    Rgb text, background;
    double ratio;  // as the guidelines' own checkers give it, two decimals
};

// White text on the boxes the exam window colours (what a dark scheme gave
// them), and the guidelines' reference pairs.
const ContrastCase kCases[] = {
    {{0, 0, 0}, {255, 255, 255}, 21.0},
    {{255, 255, 255}, {255, 255, 255}, 1.0},
    {{255, 255, 255}, {0, 255, 0}, 1.37},
    {{255, 255, 255}, {0, 255, 255}, 1.25},
    {{255, 255, 255}, {211, 211, 211}, 1.50},
    {{118, 118, 118}, {255, 255, 255}, 4.54},
    {{0, 0, 255}, {255, 255, 255}, 8.59},
};

TEST(Colour, ContrastRatiosAreTheGuidelinesOwn) {
    for (const ContrastCase& c : kCases) {
        EXPECT_NEAR(contrastRatio(c.text, c.background), c.ratio, 0.005)
            << c.text.Red << "," << c.text.Green << "," << c.text.Blue;
        EXPECT_DOUBLE_EQ(contrastRatio(c.text, c.background), contrastRatio(c.background, c.text));
    }
}

TEST(Colour, TextChosenForABackgroundIsReadableOnIt) {
    // Every grey and every primary and secondary colour at full and half strength.
    for (int v = 0; v <= 255; v += 5) {
        const Rgb grey{v, v, v};
        EXPECT_GE(contrastRatio(readableTextOn(grey), grey), ReadableContrast) << v;
    }
    for (int mask = 1; mask < 8; ++mask)
        for (int level : {128, 255}) {
            const Rgb colour{mask & 1 ? level : 0, mask & 2 ? level : 0, mask & 4 ? level : 0};
            EXPECT_GE(contrastRatio(readableTextOn(colour), colour), ReadableContrast) << mask << " " << level;
        }
    EXPECT_EQ(readableTextOn({0, 255, 0}).Red, 0);       // black on lime
    EXPECT_EQ(readableTextOn({0, 0, 128}).Red, 255);     // white on navy
}

}  // namespace
